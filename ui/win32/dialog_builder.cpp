#include "ui/win32/dialog_builder.h"

#include <algorithm>
#include <cmath>

#include "ui/control_states.h"
#include "ui/view_rules.h"
#include "ui/win32/fonts.h"
#include "ui/win32/wide_text.h"

namespace tolvo::win32 {
namespace {

// An in-memory DLGTEMPLATEEX without items: the caption, the style and the
// face at the template's size. The controls are made apart, so that they can
// be placed again at another DPI.
std::vector<WORD> DialogTemplateEx(const DialogTemplate& t, DWORD style, const std::wstring& face) {
    std::vector<WORD> out;
    const auto dword = [&](DWORD value) {
        out.push_back(LOWORD(value));
        out.push_back(HIWORD(value));
    };
    const auto text = [&](const std::wstring& s) {
        out.insert(out.end(), s.begin(), s.end());
        out.push_back(0);
    };
    out.push_back(1);       // dlgVer
    out.push_back(0xFFFF);  // signature
    dword(0);               // helpID
    dword(0);               // exStyle
    dword(style | DS_SETFONT);
    out.push_back(0);  // no items
    out.push_back(0);  // x, y, cx, cy
    out.push_back(0);
    out.push_back(static_cast<WORD>(t.width));
    out.push_back(static_cast<WORD>(t.height));
    out.push_back(0);  // no menu
    out.push_back(0);  // the dialog class
    text(Wide(t.caption));
    out.push_back(static_cast<WORD>(kDialogFontPoints));
    out.push_back(FW_NORMAL);
    out.push_back(MAKEWORD(FALSE, DEFAULT_CHARSET));  // italic, charset
    text(face);
    return out;
}

struct WindowKind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

WindowKind WindowKindOf(const ControlTemplate& t) {
    const DWORD tab = IsTabStop(t.kind) ? WS_TABSTOP | WS_GROUP : 0;
    switch (t.kind) {
        case ControlKind::GroupBox:
            return {L"BUTTON", BS_GROUPBOX, 0};
        case ControlKind::InputEdit:
            return {L"EDIT", ES_AUTOHSCROLL | tab, WS_EX_CLIENTEDGE};
        case ControlKind::OutputEdit:
            return {L"EDIT", ES_AUTOHSCROLL | ES_READONLY, 0};
        case ControlKind::PreviewEdit:
            return {L"EDIT", ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        // Not automatic: the model keeps one radio of a group checked and
        // toggles the check boxes; the view only mirrors.
        case ControlKind::Radio:
            return {L"BUTTON", BS_RADIOBUTTON | tab, 0};
        case ControlKind::CheckBox:
            return {L"BUTTON", BS_CHECKBOX | tab, 0};
        case ControlKind::Static: {
            DWORD style = SS_LEFT;
            if (t.style & kCentred) style = SS_CENTER;
            if (t.style & kRightAligned) style = SS_RIGHT;
            // One line, centred vertically, level with the edits beside it.
            if (!(t.style & kTwoLines)) style |= SS_CENTERIMAGE;
            if (t.style & kSunken) style |= SS_SUNKEN;
            if (t.style & kNoPrefix) style |= SS_NOPREFIX;
            return {L"STATIC", style, 0};
        }
        case ControlKind::Icon:
            return {L"STATIC", SS_ICON | SS_REALSIZECONTROL, 0};
        case ControlKind::Slider:
            return {TRACKBAR_CLASSW, TBS_HORZ | TBS_NOTICKS | TBS_BOTH | tab, 0};
        case ControlKind::ScrollBar:
            return {L"SCROLLBAR", SBS_VERT | tab, 0};
        case ControlKind::PushButton:
            return {L"BUTTON", BS_PUSHBUTTON | tab, 0};
        case ControlKind::DefaultPushButton:
            return {L"BUTTON", BS_DEFPUSHBUTTON | tab, 0};
        case ControlKind::ListBox:
            return {WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOCOLUMNHEADER | tab,
                    WS_EX_CLIENTEDGE};
    }
    return {L"STATIC", 0, 0};
}

// A frame whose caption holds a run of blanks on which an input edit sits
// (" 穴  φ                    mm"): the words left and right of the run are
// drawn beside the edit, so that the edit covers the run in any face.
bool CaptionAroundEdit(const ControlTemplate& frame, const ControlTemplate& next) {
    return frame.kind == ControlKind::GroupBox && frame.text.find("   ") != std::string_view::npos &&
           next.kind == ControlKind::InputEdit && next.rect.y <= frame.rect.y;
}

std::wstring Trimmed(std::wstring_view text) {
    const auto first = text.find_first_not_of(L' ');
    if (first == std::wstring_view::npos) return {};
    const auto last = text.find_last_not_of(L' ');
    return std::wstring(text.substr(first, last - first + 1));
}

}  // namespace

std::wstring ShownText(const ControlTemplate& t) {
    std::wstring text = Wide(t.text);
    if (!(t.style & kNoPrefix) && t.kind != ControlKind::Static) std::erase(text, L'&');
    return text;
}

// One screen DC with a font selected, for measuring many texts at once:
// under Wine each GetDC is a round trip to the server.
class TextMeasure {
  public:
    explicit TextMeasure(HFONT font) : dc_(GetDC(nullptr)), old_(SelectObject(dc_, font)) {}
    ~TextMeasure() {
        SelectObject(dc_, old_);
        ReleaseDC(nullptr, dc_);
    }
    TextMeasure(const TextMeasure&) = delete;
    TextMeasure& operator=(const TextMeasure&) = delete;
    int Width(std::wstring_view text) const {
        SIZE size{};
        GetTextExtentPoint32W(dc_, text.data(), static_cast<int>(text.size()), &size);
        return size.cx;
    }
    int LineHeight() const {
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc_, &metrics);
        return metrics.tmHeight;
    }

  private:
    HDC dc_;
    HGDIOBJ old_;
};

std::wstring StateText(ControlKind kind, std::string_view text) {
    return kind == ControlKind::PreviewEdit ? WithCrLf(text) : Wide(text);
}

int DialogLayout::TextWidth(HFONT font, std::wstring_view text) {
    return TextMeasure(font).Width(text);
}

int DialogLayout::LineHeight(HFONT font) {
    return TextMeasure(font).LineHeight();
}

DialogLayout::DialogLayout(const DialogTemplate& dialogTemplate, HWND owner, DLGPROC proc, LPARAM param,
                           DWORD style, DeferredControl deferred, const ControlStates* initial)
    : template_(dialogTemplate), deferred_(deferred) {
    const std::vector<WORD> bytes = DialogTemplateEx(dialogTemplate, style, DialogFace());
    dialog_ = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                         reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), owner, proc, param);
    if (dialog_ == nullptr) return;
    // The dialog manager's units in the chosen face, at the dialog's DPI.
    RECT units{0, 0, 4000, 8000};
    MapDialogRect(dialog_, &units);
    unitX_ = units.right / 4000.0;
    unitY_ = units.bottom / 8000.0;
    dpi_ = GetDpiForWindow(dialog_);
    if (dpi_ == 0) dpi_ = USER_DEFAULT_SCREEN_DPI;
    font_ = CreatePointFont(DialogFace(), kDialogFontPoints, dpi_);
    fit_ = ScaleToFit();
    CreateControls(false, initial);
    FinishPlacing();
}

DialogLayout::~DialogLayout() {
    if (font_ != nullptr) DeleteObject(font_);
}

bool DialogLayout::IsDeferred(const ControlTemplate& t) const {
    return deferred_ != nullptr && t.id != kNoId && t.kind == ControlKind::Static && deferred_(t.id);
}

std::vector<int> DialogLayout::BuildDeferred() {
    if (deferredBuilt_ || deferred_ == nullptr) return {};
    deferredBuilt_ = true;
    const std::size_t first = entries_.size();
    CreateControls(true);
    std::vector<int> ids;
    for (std::size_t i = first; i < entries_.size(); ++i) ids.push_back(entries_[i].control->id);
    FinishPlacing();
    return ids;
}

void DialogLayout::CreateControls(bool deferredOnes, const ControlStates* initial) {
    const std::span<const ControlTemplate> controls = template_.controls;
    const std::size_t first = entries_.size();
    std::vector<WindowKind> kinds;
    const auto add = [&](Entry entry, const WindowKind& kind) {
        entries_.push_back(std::move(entry));
        kinds.push_back(kind);
    };
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlTemplate& t = controls[i];
        if (IsDeferred(t) != deferredOnes) continue;
        const bool around = i + 1 < controls.size() && CaptionAroundEdit(t, controls[i + 1]);
        WindowKind kind = WindowKindOf(t);
        std::wstring text = around ? std::wstring() : ShownText(t);
        // Made as the model first shows them: setting a text or disabling a
        // control afterwards costs as much again.
        if (const ControlState* state = initial != nullptr ? initial->Find(t.id) : nullptr) {
            if (!state->enabled) kind.style |= WS_DISABLED;
            if (!around && ShowsStateText(t.kind)) text = StateText(t.kind, state->text);
        }
        add({&t, nullptr, 0, nullptr, std::move(text)}, kind);
        if (!around) continue;
        const std::wstring caption = Wide(t.text);
        const std::size_t run = caption.find(L"   ");
        const WindowKind word{L"STATIC", SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX, 0};
        add({&t, nullptr, -1, &controls[i + 1], Trimmed(caption.substr(0, run))}, word);
        add({&t, nullptr, +1, &controls[i + 1], Trimmed(caption.substr(run))}, word);
    }
    // Each made where it stays, in its font: placing them afterwards would
    // move every window once more. A child window is made below its
    // siblings, so the Z order is the template's, which is the tab order.
    const TextMeasure measure(font_);
    for (std::size_t e = first; e < entries_.size(); ++e) {
        Entry& entry = entries_[e];
        const WindowKind& kind = kinds[e - first];
        const int id = entry.control->id;
        const bool withId = entry.besideEdit == 0 && id != kNoId;
        const RECT r = RectOf(entry, measure);
        entry.window = CreateWindowExW(kind.exStyle, kind.className, entry.text.c_str(),
                                       WS_CHILD | (deferredOnes ? 0 : WS_VISIBLE) | kind.style, r.left, r.top,
                                       r.right - r.left, r.bottom - r.top, dialog_,
                                       reinterpret_cast<HMENU>(static_cast<UINT_PTR>(withId ? id : 0xFFFF)),
                                       GetModuleHandleW(nullptr), nullptr);
        SendMessageW(entry.window, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        if (!withId) continue;
        byId_[id] = entry.window;
        kinds_[id] = entry.control->kind;
        entryOf_[id] = e;
        switch (entry.control->kind) {
            case ControlKind::InputEdit:
                SendMessageW(entry.window, EM_SETLIMITTEXT, kEditTextLimit, 0);
                break;
            case ControlKind::Slider:
                SendMessageW(entry.window, TBM_SETLINESIZE, 0, 1);
                SendMessageW(entry.window, TBM_SETPAGESIZE, 0, 1);
                break;
            case ControlKind::ScrollBar: {
                // Two arrows: the model steps the class, the thumb never moves.
                SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_POS | SIF_PAGE, 0, 2, 0, 1, 0};
                SetScrollInfo(entry.window, SB_CTL, &info, FALSE);
                break;
            }
            case ControlKind::ListBox: {
                ListView_SetExtendedListViewStyle(entry.window, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
                LVCOLUMNW column{};
                column.mask = LVCF_WIDTH;
                column.cx = 100;
                ListView_InsertColumn(entry.window, 0, &column);
                break;
            }
            default:
                break;
        }
    }
}

HWND DialogLayout::Control(int id) const {
    const auto found = byId_.find(id);
    return found == byId_.end() ? nullptr : found->second;
}

int DialogLayout::IdOf(HWND control) const {
    if (control == nullptr || GetParent(control) != dialog_) return kNoId;
    const int id = GetDlgCtrlID(control);
    return Control(id) == control ? id : kNoId;
}

ControlKind DialogLayout::KindOf(int id) const {
    const auto found = kinds_.find(id);
    return found == kinds_.end() ? ControlKind::Static : found->second;
}

std::wstring_view DialogLayout::MadeWithText(int id) const {
    const auto found = entryOf_.find(id);
    return found == entryOf_.end() ? std::wstring_view() : std::wstring_view(entries_[found->second].text);
}

RECT DialogLayout::ToPixels(const DialogRect& r) const {
    const auto px = [](int units, double unit) { return static_cast<LONG>(std::lround(units * unit)); };
    return {px(r.x, UnitX()), px(r.y, UnitY()), px(r.x + r.width, UnitX()), px(r.y + r.height, UnitY())};
}

// The unit at which every one-line text fits its rectangle, relative to the
// dialog manager's (the rule is the views' one, ui/view_rules.h).
double DialogLayout::ScaleToFit() const {
    const TextRoom room{GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi_) + MulDiv(6, dpi_, 96),
                        MulDiv(10, dpi_, 96), MulDiv(6, dpi_, 96)};
    const TextMeasure measure(font_);
    return tolvo::ScaleToFit(template_, unitX_, 1.0, room,
                             [&](const ControlTemplate& t) { return measure.Width(ShownText(t)); });
}

RECT DialogLayout::RectOf(const Entry& e, const TextMeasure& measure) const {
    const ControlTemplate& t = *e.control;
    RECT r = ToPixels(t.rect);
    const int line = measure.LineHeight();
    if (e.besideEdit != 0) {
        const RECT edit = ToPixels(e.edit->rect);
        const int gap = measure.Width(L" ");
        const int width = measure.Width(e.text) + 4;
        const int height = std::max<int>(edit.bottom - edit.top, line);
        const int top = (edit.top + edit.bottom) / 2 - height / 2;
        const int left = e.besideEdit < 0 ? edit.left - gap - width : edit.right + gap;
        r = {left, top, left + width, top + height};
    } else if (t.kind == ControlKind::Static && !(t.style & kTwoLines)) {
        // A static keeps its top; it grows to the font's line so that descenders show.
        r.bottom = std::max<LONG>(r.bottom, r.top + line);
        if (t.rect.width <= kMarkWidth) r.right = std::max<LONG>(r.right, r.left + measure.Width(e.text) + 1);
    }
    return r;
}

void DialogLayout::Place() {
    fit_ = ScaleToFit();
    {
        const TextMeasure measure(font_);
        HDWP batch = BeginDeferWindowPos(static_cast<int>(entries_.size()));
        for (const Entry& e : entries_) {
            const RECT r = RectOf(e, measure);
            SendMessageW(e.window, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
            batch = DeferWindowPos(batch, e.window, nullptr, r.left, r.top, r.right - r.left,
                                   r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
        }
        EndDeferWindowPos(batch);
    }
    FinishPlacing();
    InvalidateRect(dialog_, nullptr, TRUE);
}

void DialogLayout::FinishPlacing() {
    // A list's one column fills it, room kept for its vertical scroll bar.
    for (const Entry& e : entries_) {
        if (e.control->kind != ControlKind::ListBox) continue;
        RECT inside{};
        GetClientRect(e.window, &inside);
        if (GetWindowLongPtrW(e.window, GWL_STYLE) & WS_VSCROLL)
            inside.right += GetSystemMetricsForDpi(SM_CXVSCROLL, dpi_);
        ListView_SetColumnWidth(e.window, 0, inside.right - GetSystemMetricsForDpi(SM_CXVSCROLL, dpi_));
    }
    const RECT client = ToPixels({0, 0, template_.width, template_.height});
    RECT frame = client;
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(dialog_, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongPtrW(dialog_, GWL_EXSTYLE)), dpi_);
    SetWindowPos(dialog_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (placed) placed();
}

void DialogLayout::SetDpi(UINT dpi, const RECT* suggested) {
    if (dpi == 0) return;
    unitX_ = unitX_ * dpi / dpi_;
    unitY_ = unitY_ * dpi / dpi_;
    dpi_ = dpi;
    HFONT old = font_;
    font_ = CreatePointFont(DialogFace(), kDialogFontPoints, dpi_);
    if (suggested != nullptr) {
        SetWindowPos(dialog_, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    Place();
    if (old != nullptr) DeleteObject(old);
}

}  // namespace tolvo::win32
