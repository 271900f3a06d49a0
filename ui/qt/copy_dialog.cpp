#include "ui/qt/copy_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace tolvo {

CopyDialog::CopyDialog(CopyModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    built_ = BuildDialog(*this, kCopyDialog);
    for (auto it = built_.widgets.cbegin(); it != built_.widgets.cend(); ++it) {
        const int id = it.key();
        ids_.insert(it.value(), id);
        if (auto* edit = qobject_cast<QLineEdit*>(it.value())) {
            connect(edit, &QLineEdit::textEdited, this, [this, id](const QString& text) {
                Forward([&] { model_.OnEditChanged(id, text.toStdString()); });
            });
        } else if (auto* button = qobject_cast<QAbstractButton*>(it.value())) {
            connect(button, &QAbstractButton::clicked, this,
                    [this, id] { Forward([&] { model_.OnClicked(id); }); });
        }
    }
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (!mirroring_ && now != nullptr && ids_.contains(now)) model_.OnFocus(ids_.value(now));
    });
    Mirror();
}

CopyDialog::~CopyDialog() {
    disconnect(qApp, nullptr, this, nullptr);
}

template <typename Action>
void CopyDialog::Forward(Action&& action) {
    if (mirroring_ || model_.Result()) return;
    action();
    Mirror();
    if (const auto result = model_.Result()) done(*result ? QDialog::Accepted : QDialog::Rejected);
}

void CopyDialog::reject() {
    if (model_.Result()) return QDialog::reject();
    Forward([&] { model_.OnEscape(); });
}

void CopyDialog::Mirror() {
    mirroring_ = true;
    for (const ControlState& c : model_.Controls().All()) {
        QWidget* widget = Control(c.id);
        if (widget == nullptr) continue;
        if (widget->isEnabled() != c.enabled) widget->setEnabled(c.enabled);
        const QString text = ToQString(c.text);
        if (auto* edit = qobject_cast<QLineEdit*>(widget); edit != nullptr && edit->text() != text) {
            const QSignalBlocker blocker(edit);
            edit->setText(text);
        } else if (auto* preview = qobject_cast<QPlainTextEdit*>(widget)) {
            // Shown with the platform's line ends; the clipboard gets "\r\n".
            QString shown = text;
            shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            if (preview->toPlainText() != shown) preview->setPlainText(shown);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget);
                   button != nullptr && button->isCheckable() && button->isChecked() != c.checked) {
            const QSignalBlocker blocker(button);
            button->setChecked(c.checked);
        }
    }
    if (QWidget* focus = Control(model_.Focus()); focus != nullptr && focus != QApplication::focusWidget()) {
        focus->setFocus(Qt::OtherFocusReason);
    }
    if (const auto selectAll = model_.TakeSelectAllRequest()) {
        if (auto* edit = qobject_cast<QLineEdit*>(Control(*selectAll))) edit->selectAll();
    }
    mirroring_ = false;
}

}  // namespace tolvo
