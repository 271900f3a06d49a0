#include "ui/win32/model_view.h"

#include "ui/control_tooltips.h"
#include "ui/win32/wide_text.h"

namespace tolvo::win32 {
namespace {

constexpr wchar_t kViewProperty[] = L"TolvoDialogView";
constexpr UINT kRestoreFocusMessage = WM_APP + 1;
// The tint of an input edit whose text is read only in part, as the Qt view shows it.
constexpr COLORREF kPartialNumberTint = RGB(255, 236, 179);

std::optional<ScrollCode> ScrollCodeOf(WORD request) {
    switch (request) {
        case SB_LINEUP:
            return ScrollCode::LineUp;
        case SB_LINEDOWN:
            return ScrollCode::LineDown;
        case SB_PAGEUP:
            return ScrollCode::PageUp;
        case SB_PAGEDOWN:
            return ScrollCode::PageDown;
        case SB_ENDSCROLL:
            return ScrollCode::EndScroll;
        default:
            return std::nullopt;  // the thumb: the class scroll bar has none to drag
    }
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

bool RunMessages(const std::function<bool()>& done) {
    MSG msg;
    while (!done()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop outside
            return false;
        }
        if (got < 0) return false;
        if (DialogView* view = DialogView::Of(msg.hwnd); view != nullptr && view->PreTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

DialogView* DialogView::Of(HWND window) {
    if (window == nullptr) return nullptr;
    HWND root = GetAncestor(window, GA_ROOT);
    return root == nullptr ? nullptr : static_cast<DialogView*>(GetPropW(root, kViewProperty));
}

DialogView::DialogView(const DialogTemplate& dialogTemplate, HWND owner, DWORD style,
                       DeferredControl deferred, const ControlStates* initial) {
    layout_ = std::make_unique<DialogLayout>(dialogTemplate, owner, Proc, reinterpret_cast<LPARAM>(this),
                                             style, deferred, initial);
    HWND dialog = layout_->Dialog();
    if (dialog == nullptr) return;
    SetPropW(dialog, kViewProperty, this);
    partialBrush_ = CreateSolidBrush(kPartialNumberTint);
    tooltip_ = CreateWindowExW(
        WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr, GetModuleHandleW(nullptr), nullptr);
    // Lines break at '\n' only with a maximum width.
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 600);
    for (const auto& [id, control] : layout_->Controls())
        SetWindowSubclass(control, ControlProc, static_cast<UINT_PTR>(id), reinterpret_cast<DWORD_PTR>(this));
}

void DialogView::BuildDeferred() {
    for (int id : layout_->BuildDeferred())
        SetWindowSubclass(layout_->Control(id), ControlProc, static_cast<UINT_PTR>(id),
                          reinterpret_cast<DWORD_PTR>(this));
}

DialogView::~DialogView() {
    HWND dialog = Window();
    if (dialog != nullptr) {
        for (const auto& [id, control] : layout_->Controls())
            RemoveWindowSubclass(control, ControlProc, static_cast<UINT_PTR>(id));
        RemovePropW(dialog, kViewProperty);
        SetWindowLongPtrW(dialog, DWLP_USER, 0);
        DestroyWindow(dialog);
    }
    if (partialBrush_ != nullptr) DeleteObject(partialBrush_);
}

INT_PTR CALLBACK DialogView::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        return FALSE;  // the model gives the focus
    }
    auto* view = reinterpret_cast<DialogView*>(GetWindowLongPtrW(window, DWLP_USER));
    if (view == nullptr || !view->layout_ || view->layout_->Dialog() != window) return FALSE;
    const std::optional<INT_PTR> result = view->Handle(message, wParam, lParam);
    if (!result) return FALSE;
    // Messages whose result is their return value rather than DWLP_MSGRESULT.
    switch (message) {
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
            return *result;
        default:
            SetWindowLongPtrW(window, DWLP_MSGRESULT, *result);
            return TRUE;
    }
}

LRESULT CALLBACK DialogView::ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR data) {
    auto* view = reinterpret_cast<DialogView*>(data);
    switch (message) {
        case WM_SETFOCUS:
            if (view->busy_ == 0 && !view->mirroring_ && view->gestures_.focused) {
                view->focus_ = static_cast<int>(id);
                view->gestures_.focused(static_cast<int>(id));
            }
            break;
        case WM_CHAR:
            if (view->OnChar(static_cast<int>(id), static_cast<wchar_t>(wParam))) return 0;
            break;
        default:
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

bool DialogView::PreTranslate(MSG& msg) {
    if (msg.message == WM_KEYDOWN &&
        (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE || msg.wParam == VK_F1)) {
        if (OnKey(msg.wParam)) return true;
    }
    if (msg.message == WM_CHAR && (msg.wParam == L'\r' || msg.wParam == 0x1B)) return true;  // taken as keys
    return IsDialogMessageW(Window(), &msg) != FALSE;
}

std::optional<INT_PTR> DialogView::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            const WORD code = HIWORD(wParam);
            HWND control = reinterpret_cast<HWND>(lParam);
            if (control == nullptr || layout_->IdOf(control) != id) break;
            const ControlKind kind = layout_->KindOf(id);
            if (code == EN_CHANGE && kind == ControlKind::InputEdit) {
                if (mirroring_ || !gestures_.edited) return 0;
                const std::string text = Utf8(WindowText(control));
                shownTexts_[id] = text;
                gestures_.edited(id, text);
                return 0;
            }
            if (code == BN_CLICKED &&
                (kind == ControlKind::Radio || kind == ControlKind::CheckBox ||
                 kind == ControlKind::PushButton || kind == ControlKind::DefaultPushButton)) {
                if (!mirroring_ && gestures_.clicked) gestures_.clicked(id);
                return 0;
            }
            break;
        }
        case WM_HSCROLL: {
            HWND control = reinterpret_cast<HWND>(lParam);
            const int id = layout_->IdOf(control);
            if (id == kNoId || layout_->KindOf(id) != ControlKind::Slider || !gestures_.slid || mirroring_)
                break;
            const int position = static_cast<int>(SendMessageW(control, TBM_GETPOS, 0, 0));
            const auto shown = shownPositions_.find(id);
            // Each new position once, and the end of a drag or keystroke at the position it ended on.
            if (LOWORD(wParam) == TB_ENDTRACK || shown == shownPositions_.end() ||
                shown->second != position) {
                shownPositions_[id] = position;
                gestures_.slid(id, position);
            }
            return 0;
        }
        case WM_VSCROLL: {
            HWND control = reinterpret_cast<HWND>(lParam);
            const int id = layout_->IdOf(control);
            if (id == kNoId || layout_->KindOf(id) != ControlKind::ScrollBar || !gestures_.scrolled ||
                mirroring_)
                break;
            if (const auto code = ScrollCodeOf(LOWORD(wParam))) gestures_.scrolled(id, *code);
            return 0;
        }
        case WM_CTLCOLOREDIT: {
            const int id = layout_->IdOf(reinterpret_cast<HWND>(lParam));
            if (const auto partial = shownPartial_.find(id);
                partial != shownPartial_.end() && partial->second) {
                HDC dc = reinterpret_cast<HDC>(wParam);
                SetBkColor(dc, kPartialNumberTint);
                return reinterpret_cast<INT_PTR>(partialBrush_);
            }
            break;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) break;
            PostMessageW(Window(), kRestoreFocusMessage, 0, 0);
            // The dialog manager would give the focus to the control it saved
            // or to the first tab stop, which the model would take for a move
            // of the user's (a dialog opening on its first control instead of
            // the model's): the control of the model's focus takes it.
            if (HWND control = layout_->Control(focus_);
                control != nullptr && HIWORD(wParam) == 0 && IsWindowEnabled(control)) {
                mirroring_ = true;
                SetFocus(control);
                mirroring_ = false;
                return 0;
            }
            break;
        case kRestoreFocusMessage:
            RestoreFocus();
            return 0;
        case WM_DPICHANGED:
            layout_->SetDpi(LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            return 0;
        default:
            break;
    }
    return OnMessage(message, wParam, lParam);
}

std::optional<INT_PTR> DialogView::OnMessage(UINT, WPARAM, LPARAM) {
    return std::nullopt;
}

void DialogView::RestoreFocus() {
    HWND control = layout_->Control(focus_);
    if (control == nullptr || GetFocus() == control || GetActiveWindow() != Window()) return;
    mirroring_ = true;
    SetFocus(control);
    mirroring_ = false;
}

void DialogView::SetTooltip(int id, HWND control, const std::string& text) {
    const auto [shown, first] = shownTooltips_.try_emplace(id, text);
    if (!first && shown->second == text) return;
    if (first && text.empty()) return;
    shown->second = text;
    std::wstring wide = WithCrLf(text);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = Window();
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = wide.data();
    if (first) {
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
        SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void DialogView::MirrorStates(const ControlStates& controls, int focus, std::optional<int> selectAll) {
    mirroring_ = true;
    // Enabled states first: a disabled control cannot take the focus.
    for (const ControlState& c : controls.All()) {
        HWND control = layout_->Control(c.id);
        if (control == nullptr) continue;
        if ((IsWindowEnabled(control) != FALSE) != c.enabled) EnableWindow(control, c.enabled);
        SetTooltip(c.id, control, c.partial ? PartialNumberTooltip(c.readAs) : c.tooltip);
        if (c.kind == ControlKind::InputEdit) {
            const auto [shown, first] = shownPartial_.try_emplace(c.id, c.partial);
            if (!first && shown->second != c.partial) InvalidateRect(control, nullptr, TRUE);
            shown->second = c.partial;
        }
        if (ShowsStateText(c.kind)) {
            // Converting every text on every action would be wasted: only changed ones go to the control.
            const auto [shown, first] = shownTexts_.try_emplace(c.id, c.text);
            if (!first && shown->second == c.text) continue;
            shown->second = c.text;
            const std::wstring text = StateText(c.kind, c.text);
            // Mirrored the first time, a control still shows what it was made with.
            if ((first ? std::wstring(layout_->MadeWithText(c.id)) : WindowText(control)) != text)
                SetWindowTextW(control, text.c_str());
            continue;
        }
        switch (c.kind) {
            case ControlKind::Radio:
            case ControlKind::CheckBox: {
                const bool checked = SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
                if (checked != c.checked)
                    SendMessageW(control, BM_SETCHECK, c.checked ? BST_CHECKED : BST_UNCHECKED, 0);
                break;
            }
            case ControlKind::Slider: {
                const auto minimum = SendMessageW(control, TBM_GETRANGEMIN, 0, 0);
                const auto maximum = SendMessageW(control, TBM_GETRANGEMAX, 0, 0);
                if (minimum != c.minimum || maximum != c.maximum) {
                    SendMessageW(control, TBM_SETRANGEMIN, FALSE, c.minimum);
                    SendMessageW(control, TBM_SETRANGEMAX, TRUE, c.maximum);
                }
                if (SendMessageW(control, TBM_GETPOS, 0, 0) != c.position)
                    SendMessageW(control, TBM_SETPOS, TRUE, c.position);
                shownPositions_[c.id] = c.position;
                break;
            }
            default:
                break;
        }
    }
    // A dialog that is not active (a message box over it, or another window
    // in front) takes the focus when it is activated again.
    focus_ = focus;
    if (HWND control = layout_->Control(focus);
        control != nullptr && control != GetFocus() && GetActiveWindow() == Window()) {
        SetFocus(control);
    }
    if (selectAll) {
        if (HWND edit = layout_->Control(*selectAll)) SendMessageW(edit, EM_SETSEL, 0, -1);
    }
    mirroring_ = false;
}

}  // namespace tolvo::win32
