#include "ui/qt/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSlider>
#include <QUrl>

#include "ui/qt/about_dialog.h"
#include "ui/qt/class_scroll_bar.h"
#include "ui/qt/copy_dialog.h"
#include "ui/qt/fonts.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace tolvo {

MainWindow::MainWindow(HelpSearch help, QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    built_ = BuildDialog(*this, kMainDialog);
    for (auto it = built_.widgets.cbegin(); it != built_.widgets.cend(); ++it)
        ids_.insert(it.value(), it.key());
    if (auto* label = qobject_cast<QLabel*>(Control(MainModel::kFitKindLabel))) {
        label->setFont(FitKindFont());
        label->setAutoFillBackground(true);
    }
    DialogHost& host = *this;
    model_ = std::make_unique<MainModel>(host, std::move(help));
    Wire();
    Mirror();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
#if defined(_WIN32)
    // The About item goes into the window's system menu, as on Windows it always has.
    HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE);
    if (menu != nullptr && !kAboutMenuItemText.empty()) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, MainModel::kAboutCommand,
                    reinterpret_cast<LPCWSTR>(ToQString(kAboutMenuItemText).utf16()));
    }
#endif
}

MainWindow::~MainWindow() {
    // Hiding the window in QDialog's destructor moves the focus; this part of
    // the object is gone by then and must not hear of it.
    disconnect(qApp, nullptr, this, nullptr);
    qApp->removeEventFilter(this);
}

void MainWindow::Wire() {
    for (auto it = built_.widgets.cbegin(); it != built_.widgets.cend(); ++it) {
        const int id = it.key();
        QWidget* widget = it.value();
        const ControlKind kind = model_->Controls().At(id).kind;
        if (kind == ControlKind::InputEdit) {
            connect(static_cast<QLineEdit*>(widget), &QLineEdit::textEdited, this,
                    [this, id](const QString& text) {
                        Forward([&] { model_->OnEditChanged(id, text.toStdString()); });
                    });
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            connect(button, &QAbstractButton::clicked, this,
                    [this, id] { Forward([&] { model_->OnClicked(id); }); });
        } else if (auto* slider = qobject_cast<QSlider*>(widget)) {
            connect(slider, &QSlider::valueChanged, this,
                    [this, id](int position) { Forward([&] { model_->OnSliderPosition(id, position); }); });
            // The end of a drag reports the position once more, as the platform does.
            connect(slider, &QSlider::sliderReleased, this,
                    [this, id, slider] { Forward([&] { model_->OnSliderPosition(id, slider->value()); }); });
        } else if (auto* scroll = qobject_cast<ClassScrollBar*>(widget)) {
            connect(scroll, &ClassScrollBar::notified, this,
                    [this, id](ScrollCode code) { Forward([&] { model_->OnClassScroll(id, code); }); });
        }
    }
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::OnFocusChanged);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { Forward([&] { model_->OnHelp(); }); });
    // Enter anywhere in the window re-evaluates and goes no further.
    qApp->installEventFilter(this);
}

template <typename Action>
void MainWindow::Forward(Action&& action) {
    if (mirroring_ || model_->Ended()) return;
    ++busy_;
    action();
    --busy_;
    Mirror();
    if (const auto ended = model_->Ended(); ended && busy_ == 0) {
        done(*ended == EndResult::Ok ? QDialog::Accepted : QDialog::Rejected);
    }
}

void MainWindow::OnFocusChanged(QWidget*, QWidget* now) {
    if (busy_ > 0 || mirroring_ || now == nullptr) return;
    const int id = ids_.value(now, kNoId);
    if (id != kNoId) model_->OnFocus(id);
}

void MainWindow::Mirror() {
    mirroring_ = true;
    // Enabled states first: a disabled widget cannot take the focus.
    for (const ControlState& c : model_->Controls().All()) {
        QWidget* widget = Control(c.id);
        if (widget == nullptr) continue;
        if (widget->isEnabled() != c.enabled) widget->setEnabled(c.enabled);
        switch (c.kind) {
            case ControlKind::InputEdit:
            case ControlKind::OutputEdit:
            case ControlKind::Static: {
                // Converting every text on every action would be wasted: only changed ones go to Qt.
                const auto [shown, first] = shownTexts_.try_emplace(c.id, c.text);
                if (!first && shown->second == c.text) break;
                shown->second = c.text;
                const QString text = ToQString(c.text);
                if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                    if (edit->text() != text) {
                        const QSignalBlocker blocker(edit);
                        edit->setText(text);
                        if (c.kind == ControlKind::OutputEdit) edit->setCursorPosition(0);
                    }
                } else if (auto* label = qobject_cast<QLabel*>(widget)) {
                    label->setText(text);
                }
                break;
            }
            case ControlKind::Radio:
            case ControlKind::CheckBox: {
                auto* button = static_cast<QAbstractButton*>(widget);
                if (button->isChecked() != c.checked) {
                    const QSignalBlocker blocker(button);
                    button->setChecked(c.checked);
                }
                break;
            }
            case ControlKind::Slider: {
                auto* slider = static_cast<QSlider*>(widget);
                const QSignalBlocker blocker(slider);
                if (slider->minimum() != c.minimum || slider->maximum() != c.maximum) {
                    slider->setRange(c.minimum, c.maximum);
                }
                if (slider->value() != c.position) slider->setValue(c.position);
                break;
            }
            default:
                break;
        }
    }
    MirrorFitKindLabel();
    const QWidget* modal = QApplication::activeModalWidget();
    if (QWidget* focus = Control(model_->Focus());
        focus != nullptr && focus != QApplication::focusWidget() && (modal == nullptr || modal == this)) {
        focus->setFocus(Qt::OtherFocusReason);
    }
    if (const auto selectAll = model_->TakeSelectAllRequest()) {
        if (auto* edit = qobject_cast<QLineEdit*>(Control(*selectAll))) edit->selectAll();
    }
    mirroring_ = false;
}

void MainWindow::MirrorFitKindLabel() {
    const std::string& kind = model_->Controls().At(MainModel::kFitKindLabel).text;
    if (kind == shownFitKind_) return;
    shownFitKind_ = kind;
    QWidget* label = Control(MainModel::kFitKindLabel);
    QPalette palette = this->palette();
    if (const auto colors = model_->FitKindLabelColors()) {
        palette.setColor(QPalette::Window,
                         QColor(colors->background.red, colors->background.green, colors->background.blue));
        palette.setColor(QPalette::WindowText,
                         QColor(colors->text.red, colors->text.green, colors->text.blue));
    }
    label->setPalette(palette);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && widget != nullptr &&
            widget->window() == this) {
            Forward([&] { model_->OnEnter(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void MainWindow::reject() {
    if (model_->Ended()) return QDialog::reject();
    Forward([&] { model_->OnEscape(); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!model_->Ended()) Forward([&] { model_->OnSystemCommand(MainModel::kCloseCommand); });
    event->accept();
    QDialog::closeEvent(event);
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
#if defined(_WIN32)
    QDialog::contextMenuEvent(event);  // the About item is in the system menu there
#else
    // Desktops without a system menu of the application's own get the About
    // item from the window's background.
    if (childAt(event->pos()) != nullptr && ids_.contains(childAt(event->pos()))) return;
    QMenu menu(this);
    QAction* about = menu.addAction(ToQString(kAboutMenuItemText));
    if (menu.exec(event->globalPos()) == about) {
        Forward([&] { model_->OnSystemCommand(MainModel::kAboutCommand); });
    }
#endif
}

#if defined(_WIN32)
bool MainWindow::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    const MSG* msg = static_cast<const MSG*>(message);
    if (msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == MainModel::kAboutCommand) {
        Forward([&] { model_->OnSystemCommand(static_cast<unsigned>(msg->wParam)); });
        *result = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, message, result);
}
#endif

// ---- DialogHost ----

void MainWindow::ShowMessage(std::string_view caption, std::string_view text) {
    Mirror();  // the computed texts are on screen before the warning appears
    QMessageBox box(QMessageBox::Warning, ToQString(caption), ToQString(text), QMessageBox::Ok, this);
    box.exec();
}

void MainWindow::PlaceOnClipboard(std::string_view text) {
    QGuiApplication::clipboard()->setText(ToQString(text));
}

bool MainWindow::OpenDocument(const std::filesystem::path& file) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdU16String(file.u16string())));
}

void MainWindow::RunAboutBox() {
    AboutDialog about(this);
    about.exec();
}

bool MainWindow::RunCopyDialog(CopyModel& dialog) {
    CopyDialog view(dialog, this);
    view.exec();
    return dialog.Result().value_or(false);
}

}  // namespace tolvo
