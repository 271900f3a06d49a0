// The help command's view: the help document opens in a help window of the
// program's own (non-modal, beside the calculator, links and F1 working in it),
// whatever the desktop does with documents: a desktop handler can report
// success and show nothing (a browser that refuses to run as root). A button in
// it hands the document to the desktop's browser.
#pragma once

#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <filesystem>
#include <functional>

class QPushButton;
class QTextBrowser;

namespace tolvo {

// Opens a document with the desktop's handler; true when it was handed over.
using DocumentLauncher = std::function<bool(const QUrl&)>;

// The desktop's handler, or none where the desktop has no launcher: on Linux
// desktops Qt hands documents to xdg-open and reports success even when that
// program is missing, so its absence is checked first.
DocumentLauncher DesktopLauncher();

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    // Without a launcher the browser button is not shown.
    HelpWindow(QWidget* owner, DocumentLauncher launcher);
    // Shows the document from its start; false when it cannot be read.
    bool Show(const std::filesystem::path& file);
    QTextBrowser* Browser() const { return browser_; }
    QPushButton* BrowserButton() const { return browserButton_; }

  private:
    void OpenInBrowser();

    QTextBrowser* browser_;
    QPushButton* browserButton_;
    DocumentLauncher launcher_;
};

class HelpViewer {
  public:
    explicit HelpViewer(QWidget& owner) : owner_(owner), launcher_(DesktopLauncher()) {}

    // True when the document was shown in the help window.
    bool Open(const std::filesystem::path& file);
    // The help window once it has been needed.
    HelpWindow* Window() const { return window_; }
    void SetLauncher(DocumentLauncher launcher) { launcher_ = std::move(launcher); }

  private:
    QWidget& owner_;
    DocumentLauncher launcher_;
    QPointer<HelpWindow> window_;
};

}  // namespace tolvo
