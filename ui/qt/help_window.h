// The help command's view: the help document opens with the desktop's own
// handler or, where the desktop has none, in a help window of the program's
// own (non-modal, beside the calculator, links and F1 working in it).
#pragma once

#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <filesystem>
#include <functional>

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
    explicit HelpWindow(QWidget* owner);
    // Shows the document from its start; false when it cannot be read.
    bool Show(const std::filesystem::path& file);
    QTextBrowser* Browser() const { return browser_; }

  private:
    QTextBrowser* browser_;
};

class HelpViewer {
  public:
    explicit HelpViewer(QWidget& owner) : owner_(owner), launcher_(DesktopLauncher()) {}

    // True when the document was opened, by the desktop or in the help window.
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
