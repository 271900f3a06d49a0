#include "ui/qt/copy_dialog.h"

namespace tolvo {
namespace {

std::optional<int> DialogResult(const CopyModel& model) {
    if (const auto result = model.Result()) return *result ? QDialog::Accepted : QDialog::Rejected;
    return std::nullopt;
}

}  // namespace

CopyDialog::CopyDialog(CopyModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    view_.emplace(*this, kCopyDialog, DialogResult);
    view_->Attach(model_);
}

void CopyDialog::reject() {
    if (model_.Result()) return QDialog::reject();
    view_->Forward([&] { model_.OnEscape(); });
}

}  // namespace tolvo
