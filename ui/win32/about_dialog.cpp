#include "ui/win32/about_dialog.h"

#include "ui/win32/modal.h"

namespace tolvo::win32 {

AboutDialog::AboutDialog(HWND owner)
    : DialogView(kAboutDialog, owner, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME), owner_(owner) {
    Gestures gestures;
    gestures.clicked = [this](int id) { done_ = done_ || id == about_dialog::kOkButton; };
    Wire(gestures);
    // The template's icon control has no ID: it is the only icon static.
    for (HWND child = GetWindow(Window(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            RECT r;
            GetClientRect(child, &r);
            SendMessageW(child, STM_SETICON, reinterpret_cast<WPARAM>(ProgramIcon(r.right - r.left)), 0);
        }
    }
    CentreOver(Window(), owner);
    if (HWND ok = Control(about_dialog::kOkButton)) SetFocus(ok);
}

void AboutDialog::Run() {
    RunModal(Window(), owner_, [this] { return done_; });
}

bool AboutDialog::OnKey(WPARAM) {
    done_ = true;  // Enter presses OK, Escape closes
    return true;
}

std::optional<INT_PTR> AboutDialog::OnMessage(UINT message, WPARAM, LPARAM) {
    if (message != WM_CLOSE) return std::nullopt;
    done_ = true;
    return 0;
}

}  // namespace tolvo::win32
