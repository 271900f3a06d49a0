#include "ui/qt/help_window.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tolvo {

DocumentLauncher DesktopLauncher() {
#if !defined(_WIN32) && !defined(__APPLE__)
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty()) return {};
#endif
    return [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window), browser_(new QTextBrowser(this)) {
    setWindowIcon(owner != nullptr ? owner->windowIcon() : QGuiApplication::windowIcon());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    // Anchors move within the document; web addresses go to the desktop's browser.
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(true);
    // F1 in the help window brings its start back; Escape closes it.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, browser_,
            &QTextBrowser::home);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    QSize size(760, 720);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size);
}

bool HelpWindow::Show(const std::filesystem::path& file) {
    const QString path = QString::fromStdU16String(file.u16string());
    if (!QFileInfo(path).isReadable()) return false;
    browser_->setSource(QUrl::fromLocalFile(path));
    if (browser_->document()->isEmpty()) return false;
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? QFileInfo(path).fileName() : title);
    browser_->home();
    show();
    raise();
    activateWindow();
    return true;
}

bool HelpViewer::Open(const std::filesystem::path& file) {
    if (launcher_ && launcher_(QUrl::fromLocalFile(QString::fromStdU16String(file.u16string())))) return true;
    if (window_ == nullptr) window_ = new HelpWindow(&owner_);
    return window_->Show(file);
}

}  // namespace tolvo
