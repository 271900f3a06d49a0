#include "ui/win32/modal.h"

#include "ui/win32/model_view.h"
#include "ui/win32/resource_ids.h"

namespace tolvo::win32 {

void RunModal(HWND dialog, HWND owner, const std::function<bool()>& ended) {
    const bool ownerWasEnabled = owner != nullptr && IsWindowEnabled(owner);
    if (ownerWasEnabled) EnableWindow(owner, FALSE);
    ShowWindow(dialog, SW_SHOW);
    RunMessages(ended);
    if (ownerWasEnabled) EnableWindow(owner, TRUE);
    ShowWindow(dialog, SW_HIDE);
    if (owner != nullptr) SetActiveWindow(owner);
}

void CentreOver(HWND dialog, HWND owner) {
    RECT owned{};
    RECT box{};
    if (owner != nullptr && GetWindowRect(owner, &owned) && GetWindowRect(dialog, &box)) {
        SetWindowPos(dialog, nullptr, (owned.left + owned.right - (box.right - box.left)) / 2,
                     (owned.top + owned.bottom - (box.bottom - box.top)) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

HICON ProgramIcon(int size) {
    if (auto* icon =
            static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(TOLVO_ICON_RESOURCE),
                                          IMAGE_ICON, size, size, LR_SHARED)))
        return icon;
    return static_cast<HICON>(LoadImageW(nullptr, MAKEINTRESOURCEW(32512) /* IDI_APPLICATION */, IMAGE_ICON,
                                         size, size, LR_SHARED));
}

}  // namespace tolvo::win32
