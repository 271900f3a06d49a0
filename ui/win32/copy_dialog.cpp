#include "ui/win32/copy_dialog.h"

#include "ui/win32/modal.h"

namespace tolvo::win32 {
namespace {

bool CopyEnded(const CopyModel& model) {
    return model.Result().has_value();
}

}  // namespace

CopyDialog::CopyDialog(CopyModel& model, HWND owner)
    : ModelView(kCopyDialog, owner, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, CopyEnded),
      owner_(owner) {
    CentreOver(Window(), owner);
    Attach(model);
}

void CopyDialog::Run() {
    RunModal(Window(), owner_, [this] { return CopyEnded(*model_); });
}

bool CopyDialog::OnKey(WPARAM key) {
    if (key == VK_RETURN) Forward([&] { model_->OnEnter(); });
    if (key == VK_ESCAPE) Forward([&] { model_->OnEscape(); });
    return key != VK_F1;
}

std::optional<INT_PTR> CopyDialog::OnMessage(UINT message, WPARAM, LPARAM) {
    if (message != WM_CLOSE) return std::nullopt;
    Forward([&] { model_->OnEscape(); });
    return 0;
}

}  // namespace tolvo::win32
