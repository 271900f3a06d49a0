#include "ui/win32/press_fit_dialog.h"

namespace tolvo::win32 {
namespace {

bool PressFitClosed(const PressFitModel& model) {
    return model.Closed();
}

}  // namespace

PressFitDialog::PressFitDialog(MainModel& main, HWND owner, std::function<void()> closed)
    : ModelView(kPressFitDialog, owner, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, PressFitClosed),
      owned_(std::make_unique<PressFitModel>(main)),
      closed_(std::move(closed)) {
    Attach(*owned_);
}

void PressFitDialog::Follow() {
    owned_->Refresh();
    Mirror();
}

void PressFitDialog::OnModelEnded() {
    ShowWindow(Window(), SW_HIDE);
    if (closed_) closed_();
}

bool PressFitDialog::OnKey(WPARAM key) {
    if (key == VK_ESCAPE) {
        Forward([&] { model_->OnEscape(); });
        return true;
    }
    // Every keystroke computes at once: Enter presses no button.
    return key == VK_RETURN;
}

std::optional<INT_PTR> PressFitDialog::OnMessage(UINT message, WPARAM, LPARAM) {
    if (message != WM_CLOSE) return std::nullopt;
    Forward([&] { model_->OnEscape(); });
    return 0;
}

}  // namespace tolvo::win32
