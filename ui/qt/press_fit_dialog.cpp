#include "ui/qt/press_fit_dialog.h"

#include <QKeyEvent>

namespace tolvo {
namespace {

std::optional<int> DialogResult(const PressFitModel& model) {
    if (model.Closed()) return QDialog::Rejected;
    return std::nullopt;
}

}  // namespace

PressFitDialog::PressFitDialog(MainModel& main, QWidget* parent)
    : QDialog(parent), model_(std::make_unique<PressFitModel>(main)) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setModal(false);
    view_.emplace(*this, kPressFitDialog, DialogResult);
    view_->Attach(*model_);
}

void PressFitDialog::Follow() {
    model_->Refresh();
    view_->Mirror();
}

void PressFitDialog::reject() {
    if (model_->Closed()) return QDialog::reject();
    view_->Forward([&] { model_->OnEscape(); });
}

void PressFitDialog::keyPressEvent(QKeyEvent* event) {
    // Every keystroke computes at once: Enter presses no button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace tolvo
