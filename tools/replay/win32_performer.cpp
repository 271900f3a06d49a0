#include "tools/replay/win32_performer.h"

#include <algorithm>
#include <map>
#include <utility>

#include "core/callout.h"
#include "tools/driver/user_events.h"
#include "ui/win32/about_dialog.h"
#include "ui/win32/wide_text.h"

namespace tolvo {
namespace {

using win32::DialogView;
using win32::Utf8;
using win32::Wide;

constexpr UINT kRunCopyDialogMessage = WM_APP + 40;
Win32Performer* watching = nullptr;  // the performer whose hook runs

// Options kept for the run only: a replay never touches the user's settings.
class MemoryStore : public win32::SettingsStore {
  public:
    std::optional<std::wstring> Read(std::wstring_view name) const override {
        const auto found = values_.find(std::wstring(name));
        if (found == values_.end()) return std::nullopt;
        return found->second;
    }
    void Write(std::wstring_view name, std::wstring_view value) override {
        values_[std::wstring(name)] = value;
    }

  private:
    std::map<std::wstring, std::wstring> values_;
};

// A control's text in UTF-8 with "\n" line ends, as the models hold it.
std::string ShownText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Utf8(text);
}

// A message box's text: the model's lines end in "\n", the box's in CRLF.
std::string BoxText(HWND window) {
    std::string text = ShownText(window);
    std::erase(text, '\r');
    return text;
}

BOOL CALLBACK CollectText(HWND child, LPARAM data) {
    wchar_t name[16] = {};
    GetClassNameW(child, name, 16);
    if (std::wstring_view(name) == L"Static") *reinterpret_cast<std::string*>(data) += BoxText(child);
    return TRUE;
}

// Whether the dialog paints an edit in a colour of its own (the tint of a
// number read only in part) rather than the window colour.
bool Tinted(HWND dialog, HWND edit) {
    HDC dc = CreateCompatibleDC(nullptr);
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    SendMessageW(dialog, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit));
    const bool tinted = GetBkColor(dc) != GetSysColor(COLOR_WINDOW);
    DeleteDC(dc);
    return tinted;
}

Rgb ToRgb(COLORREF c) {
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

}  // namespace

Win32Performer::Win32Performer(const HelpSearch& help) : window_(help, std::make_unique<MemoryStore>()) {
    WNDCLASSW driverClass{};
    driverClass.lpfnWndProc = DriverProc;
    driverClass.hInstance = GetModuleHandleW(nullptr);
    driverClass.lpszClassName = L"TolvoReplayDriver";
    RegisterClassW(&driverClass);
    driver_ = CreateWindowExW(0, driverClass.lpszClassName, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              driverClass.hInstance, nullptr);
    SetWindowLongPtrW(driver_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    watching = this;
    hook_ = SetWindowsHookExW(WH_CBT, WatchActivations, nullptr, GetCurrentThreadId());
    clipboardSeen_ = GetClipboardSequenceNumber();
    window_.Show(SW_SHOWNORMAL);
    Pump();
}

Win32Performer::~Win32Performer() {
    UnhookWindowsHookEx(hook_);
    watching = nullptr;
    DestroyWindow(driver_);
}

const FinderModel* Win32Performer::Finder() const {
    const win32::FinderDialog* finder = window_.Finder();
    return finder != nullptr && !finder->Model().Closed() ? &finder->Model() : nullptr;
}

const PressFitModel* Win32Performer::PressFit() const {
    const win32::PressFitDialog* dialog = window_.PressFit();
    return dialog != nullptr && !dialog->Model().Closed() ? &dialog->Model() : nullptr;
}

const ServiceModel* Win32Performer::Service() const {
    const win32::ServiceDialog* dialog = window_.Service();
    return dialog != nullptr && !dialog->Model().Closed() ? &dialog->Model() : nullptr;
}

// ---- message boxes, the About box and the copy dialog as they appear ----

LRESULT CALLBACK Win32Performer::WatchActivations(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && watching != nullptr) watching->Activated(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void Win32Performer::Activated(HWND window) {
    DialogView* view = DialogView::Of(window);
    if (view == nullptr) {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (std::wstring_view(name) != L"#32770") return;
        // A message box: its caption and text as it shows them, then OK.
        NoteClipboard();
        RecordingHost::Request box{RecordingHost::Kind::Message, BoxText(window), {}, {}};
        EnumChildWindows(window, CollectText, reinterpret_cast<LPARAM>(&box.text));
        log_.push_back(box);
        PostMessageW(window, WM_COMMAND, IDOK, 0);
        return;
    }
    if (dynamic_cast<win32::AboutDialog*>(view) != nullptr) {
        NoteClipboard();
        log_.push_back({RecordingHost::Kind::AboutBox, {}, {}, {}});
        PostMessageW(window, WM_CLOSE, 0, 0);
        return;
    }
    auto* copy = dynamic_cast<win32::CopyDialog*>(view);
    if (copy == nullptr || window == copyWindow_) return;
    // Its events run from its own modal loop, once it has started.
    copyWindow_ = window;
    copy_ = copy;
    PostMessageW(driver_, kRunCopyDialogMessage, 0, 0);
}

LRESULT CALLBACK Win32Performer::DriverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kRunCopyDialogMessage) return DefWindowProcW(window, message, wParam, lParam);
    reinterpret_cast<Win32Performer*>(GetWindowLongPtrW(window, GWLP_USERDATA))->RunCopyDialogEvents();
    return 0;
}

void Win32Performer::RunCopyDialogEvents() {
    // Nothing may leave through the window's message loop: a failure ends the
    // dialog as Escape does and is passed on after the event that opened it.
    try {
        Pump();  // the dialog's start: its activation, its focus
        if (runCopyDialog) runCopyDialog();
    } catch (...) {
        failure_ = std::current_exception();
        if (!copy_->Model().Result()) SendMessageW(copy_->Window(), WM_CLOSE, 0, 0);
    }
    NoteClipboard();
    copy_ = nullptr;
}

// ---- events ----

DialogView& Win32Performer::View(Pane pane) const {
    switch (pane) {
        case Pane::CopyDialog:
            return *copy_;
        case Pane::Finder:
            return *window_.Finder();
        case Pane::PressFit:
            return *window_.PressFit();
        case Pane::Service:
            return *window_.Service();
        case Pane::Main:
            break;
    }
    return const_cast<win32::MainWindow&>(window_);
}

template <typename F>
void Win32Performer::WithModel(Pane pane, F&& f) const {
    switch (pane) {
        case Pane::Main:
            return f(Main());
        case Pane::CopyDialog:
            return f(*CopyDialog());
        case Pane::Finder:
            return f(*Finder());
        case Pane::PressFit:
            return f(*PressFit());
        case Pane::Service:
            return f(*Service());
    }
}

void Win32Performer::Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (DialogView* view = DialogView::Of(msg.hwnd); view != nullptr && view->PreTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void Win32Performer::Settle() {
    Pump();
    NoteClipboard();
    if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
}

void Win32Performer::NoteClipboard() {
    const DWORD sequence = GetClipboardSequenceNumber();
    if (sequence == clipboardSeen_) return;
    clipboardSeen_ = sequence;
    std::wstring text;
    if (OpenClipboard(driver_)) {
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* units = static_cast<const wchar_t*>(GlobalLock(data))) {
                text.assign(units, wcsnlen(units, GlobalSize(data) / sizeof(wchar_t)));
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
    }
    log_.push_back({RecordingHost::Kind::Clipboard, {}, Utf8(text), {}});
}

void Win32Performer::Focus(Pane pane, int id) {
    SetFocus(View(pane).Control(id));
    Pump();
}

void Win32Performer::SetText(Pane pane, int id, std::string_view text) {
    HWND edit = View(pane).Control(id);
    const std::wstring wide = Wide(text);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
    Pump();
}

void Win32Performer::Type(Pane pane, std::string_view text) {
    // The script's rule for a lost keystroke (see user_events.h), then the
    // keystroke itself at the end of the edit that has the focus.
    std::string edited;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = KeystrokeAt(text, i);
        bool lost = false;
        WithModel(pane, [&](const auto& model) {
            lost = !FocusTakesKeys(model);
            if (lost) return;
            edited.assign(model.Controls().At(model.Focus()).text);
            edited.append(text.substr(i, length));
            lost = CutToEditLimit(edited).size() < edited.size();
        });
        if (lost) break;
        HWND edit = GetFocus();
        const int end = GetWindowTextLengthW(edit);
        SendMessageW(edit, EM_SETSEL, end, end);
        for (wchar_t unit : Wide(text.substr(i, length))) SendMessageW(edit, WM_CHAR, unit, 1);
        Pump();
        i += length;
    }
}

void Win32Performer::Backspaces(Pane pane, long long count) {
    for (long long n = 0; n < count; ++n) {
        bool lost = false;
        WithModel(pane, [&](const auto& model) {
            lost = !FocusTakesKeys(model) || model.Controls().At(model.Focus()).text.empty();
        });
        if (lost) break;
        HWND edit = GetFocus();
        const int end = GetWindowTextLengthW(edit);
        SendMessageW(edit, EM_SETSEL, end, end);
        SendMessageW(edit, WM_CHAR, VK_BACK, 1);
        Pump();
    }
}

void Win32Performer::Click(Pane pane, int id) {
    if (pane == Pane::Main && id == main_dialog::kHelpButton)
        throw NotPerformed("the help button would start the desktop's browser");
    SendMessageW(View(pane).Control(id), BM_CLICK, 0, 0);
    Pump();
}

void Win32Performer::Key(Pane pane, ReplayKey key) {
    if (key == ReplayKey::F1) throw NotPerformed("F1 would start the desktop's browser");
    DialogView& view = View(pane);
    HWND target = GetFocus();
    if (target == nullptr || GetAncestor(target, GA_ROOT) != view.Window()) target = view.Window();
    // Through the message loop, where the window takes its keys.
    PostMessageW(target, WM_KEYDOWN, key == ReplayKey::Enter ? VK_RETURN : VK_ESCAPE, 1);
    Pump();
}

void Win32Performer::Slide(int id, int position) {
    HWND slider = window_.Control(id);
    SendMessageW(slider, TBM_SETPOS, TRUE, position);
    SendMessageW(window_.Window(), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(slider));
    Pump();
}

void Win32Performer::Scroll(Pane pane, int id, ScrollCode code) {
    const DialogView& view = View(pane);
    static const std::pair<ScrollCode, WORD> kRequests[] = {{ScrollCode::LineUp, SB_LINEUP},
                                                            {ScrollCode::LineDown, SB_LINEDOWN},
                                                            {ScrollCode::PageUp, SB_PAGEUP},
                                                            {ScrollCode::PageDown, SB_PAGEDOWN},
                                                            {ScrollCode::EndScroll, SB_ENDSCROLL}};
    for (const auto& [scroll, request] : kRequests) {
        if (scroll == code)
            SendMessageW(view.Window(), WM_VSCROLL, MAKEWPARAM(request, 0),
                         reinterpret_cast<LPARAM>(view.Control(id)));
    }
    Pump();
}

void Win32Performer::ClassChars(int id, std::string_view keystroke, long long timeMs) {
    // The window reads a keystroke's time from its message: the pauses of the
    // script are waited for in real time, and the characters posted.
    if (!charsStart_) charsStart_.emplace(GetTickCount64(), timeMs);
    const long long due = static_cast<long long>(charsStart_->first) + (timeMs - charsStart_->second);
    while (static_cast<long long>(GetTickCount64()) < due) Sleep(10);
    for (wchar_t unit : Wide(keystroke)) PostMessageW(window_.Control(id), WM_CHAR, unit, 1);
    Pump();
}

void Win32Performer::SystemCommand(unsigned command) {
    SendMessageW(window_.Window(), WM_SYSCOMMAND, command, 0);
    Pump();
}

void Win32Performer::Command(WORD command) {
    SendMessageW(window_.Window(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
    Pump();
}

void Win32Performer::SetFullRange(bool on) {
    if ((Main().Range() == FitClassRange::Whole) != on) Command(win32::kFullRangeCommand);
}

void Win32Performer::SetZoneDiagram(bool on) {
    if (Main().ZoneDiagramShown() != on) Command(win32::kZoneDiagramCommand);
}

void Win32Performer::SetCalloutOptions(const CalloutOptions& options) {
    // The submenus' items, one command each in the order of CalloutStyles() and DiameterSigns().
    const auto styles = CalloutStyles();
    const auto signs = DiameterSigns();
    const auto style = std::find(styles.begin(), styles.end(), options.style);
    const auto sign = std::find(signs.begin(), signs.end(), options.sign);
    if (style == styles.end() || sign == signs.end())
        throw NotPerformed("a callout choice the menus do not offer");
    const CalloutOptions& shown = Main().CalloutChoice();
    if (shown.style != options.style)
        Command(static_cast<WORD>(win32::kFirstCalloutStyleCommand + (style - styles.begin())));
    if (shown.sign != options.sign)
        Command(static_cast<WORD>(win32::kFirstDiameterSignCommand + (sign - signs.begin())));
}

void Win32Performer::CopyCallout() {
    Command(win32::kCopyCalloutCommand);
}

void Win32Performer::PasteCallout(std::string_view text) {
    const std::wstring units = Wide(text);
    if (OpenClipboard(driver_)) {
        EmptyClipboard();
        if (HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (units.size() + 1) * sizeof(wchar_t))) {
            auto* copy = static_cast<wchar_t*>(GlobalLock(data));
            std::copy(units.c_str(), units.c_str() + units.size() + 1, copy);
            GlobalUnlock(data);
            if (SetClipboardData(CF_UNICODETEXT, data) == nullptr) GlobalFree(data);
        }
        CloseClipboard();
    }
    clipboardSeen_ = GetClipboardSequenceNumber();  // the script's text, not the window's
    Command(win32::kPasteCalloutCommand);
}

void Win32Performer::OpenFinder() {
    Command(win32::kFinderCommand);
}

void Win32Performer::ChooseRow(int row) {
    HWND list = window_.Finder()->Control(finder_dialog::kResults);
    SetFocus(list);
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    PostMessageW(list, WM_KEYDOWN, VK_RETURN, 1);
    Pump();
}

void Win32Performer::CloseFinder() {
    SendMessageW(window_.Finder()->Window(), WM_CLOSE, 0, 0);
    Pump();
}

void Win32Performer::OpenCompanion(Pane pane) {
    Command(pane == Pane::PressFit ? win32::kPressFitCommand : win32::kServiceCommand);
}

void Win32Performer::CloseCompanion(Pane pane) {
    SendMessageW(View(pane).Window(), WM_CLOSE, 0, 0);
    Pump();
}

// ---- what the windows show ----

ControlStates Win32Performer::Shown(Pane pane) const {
    ControlStates shown = [&] {
        std::optional<ControlStates> states;
        WithModel(pane, [&](const auto& model) { states.emplace(model.Controls()); });
        return *states;
    }();
    const DialogView& view = View(pane);
    for (const ControlState& held : shown.All()) {
        HWND control = view.Control(held.id);
        if (control == nullptr) continue;
        ControlState& c = shown.At(held.id);
        c.enabled = IsWindowEnabled(control) != FALSE;
        switch (c.kind) {
            case ControlKind::InputEdit:
                c.text = ShownText(control);
                c.partial = Tinted(view.Window(), control);
                break;
            case ControlKind::OutputEdit:
            case ControlKind::PreviewEdit:
            case ControlKind::Static:
                c.text = ShownText(control);
                break;
            case ControlKind::Radio:
            case ControlKind::CheckBox:
                c.checked = SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
                break;
            case ControlKind::Slider:
                c.position = static_cast<int>(SendMessageW(control, TBM_GETPOS, 0, 0));
                c.minimum = static_cast<int>(SendMessageW(control, TBM_GETRANGEMIN, 0, 0));
                c.maximum = static_cast<int>(SendMessageW(control, TBM_GETRANGEMAX, 0, 0));
                break;
            default:
                break;
        }
    }
    return shown;
}

int Win32Performer::ShownFocus(Pane pane) const {
    DialogView& view = View(pane);
    HWND focus = GetFocus();
    if (focus != nullptr && GetAncestor(focus, GA_ROOT) == view.Window()) {
        if (const int id = view.Layout().IdOf(focus); id != kNoId) return id;
    }
    // A window that is not the active one has no focus to read: the one it
    // gives its control when activated again is the model's.
    int focusId = kNoId;
    WithModel(pane, [&](const auto& model) { focusId = model.Focus(); });
    return focusId;
}

std::optional<LabelColors> Win32Performer::ShownFitColors() const {
    // The colours the window gives the label when it paints it.
    HDC dc = CreateCompatibleDC(nullptr);
    auto* brush = reinterpret_cast<HBRUSH>(
        SendMessageW(window_.Window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(window_.Control(main_dialog::kFitKindLabel))));
    LOGBRUSH fill{};
    const bool filled = brush != nullptr && GetObjectW(brush, sizeof(fill), &fill) == sizeof(fill);
    const COLORREF text = GetTextColor(dc);
    DeleteDC(dc);
    if (!filled || (text == GetSysColor(COLOR_WINDOWTEXT) && fill.lbColor == GetSysColor(COLOR_3DFACE)))
        return std::nullopt;  // the default look
    return LabelColors{ToRgb(text), ToRgb(fill.lbColor)};
}

std::vector<ShownRow> Win32Performer::ShownRows() const {
    const win32::FinderDialog& finder = *window_.Finder();
    HWND list = finder.Control(finder_dialog::kResults);
    std::vector<ShownRow> rows;
    const auto count = SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
    for (int row = 0; row < count; ++row) {
        wchar_t text[1024] = {};
        LVITEMW item{};
        item.pszText = text;
        item.cchTextMax = 1024;
        SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        // Whether the window lets the row be selected: it refuses a line between the pairs.
        NMLISTVIEW change{};
        change.hdr = {list, static_cast<UINT_PTR>(finder_dialog::kResults), LVN_ITEMCHANGING};
        change.iItem = row;
        change.uChanged = LVIF_STATE;
        change.uNewState = LVIS_SELECTED;
        const bool refused = SendMessageW(finder.Window(), WM_NOTIFY, finder_dialog::kResults,
                                          reinterpret_cast<LPARAM>(&change)) != FALSE;
        rows.push_back({Utf8(text), !refused});
    }
    return rows;
}

bool Win32Performer::MenuChecked(WORD command) const {
    HMENU menu = window_.CreateContextMenu();
    const bool checked = (GetMenuState(menu, command, MF_BYCOMMAND) & MF_CHECKED) != 0;
    DestroyMenu(menu);
    return checked;
}

std::vector<RecordingHost::Request> Win32Performer::TakeLog() {
    NoteClipboard();
    return std::exchange(log_, {});
}

}  // namespace tolvo
