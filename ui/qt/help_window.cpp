#include "ui/qt/help_window.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "core/messages.h"
#include "ui/dialog_templates.h"

namespace tolvo {

DocumentLauncher DesktopLauncher() {
#if !defined(_WIN32) && !defined(__APPLE__)
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty()) return {};
#endif
    return [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

namespace {
QString U(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

HelpWindow::HelpWindow(QWidget* owner, DocumentLauncher launcher)
    : QWidget(owner, Qt::Window),
      browser_(new QTextBrowser(this)),
      browserButton_(new QPushButton(U(ja::kHelpOpenInBrowserText), this)),
      launcher_(std::move(launcher)) {
    setWindowIcon(owner != nullptr ? owner->windowIcon() : QGuiApplication::windowIcon());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(6, 0, 6, 6);
    buttons->addStretch();
    buttons->addWidget(browserButton_);
    layout->addLayout(buttons);
    browserButton_->setVisible(static_cast<bool>(launcher_));
    connect(browserButton_, &QPushButton::clicked, this, &HelpWindow::OpenInBrowser);
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

void HelpWindow::OpenInBrowser() {
    if (launcher_ && launcher_(browser_->source())) return;
    QMessageBox::warning(this, U(ja::kMessageCaption), U(ja::kHelpBrowserFailedText));
}

bool HelpViewer::Open(const std::filesystem::path& file) {
    if (window_ == nullptr) window_ = new HelpWindow(&owner_, launcher_);
    return window_->Show(file);
}

}  // namespace tolvo
