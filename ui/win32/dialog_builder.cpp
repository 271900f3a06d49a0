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

int DialogLayout::TextWidth(HFONT font, std::wstring_view text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size.cx;
}

int DialogLayout::LineHeight(HFONT font) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return metrics.tmHeight;
}

DialogLayout::DialogLayout(const DialogTemplate& dialogTemplate, HWND owner, DLGPROC proc, LPARAM param,
                           DWORD style, DeferredControl deferred)
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
    CreateControls(false);
    Place();
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
    Place();
    if (placed) placed();
    return ids;
}

void DialogLayout::CreateControls(bool deferredOnes) {
    const std::span<const ControlTemplate> controls = template_.controls;
    // The deferred ones go below the others: statics, no tab stops.
    HWND previous = deferredOnes ? HWND_BOTTOM : HWND_TOP;
    const std::size_t first = entries_.size();
    const auto add = [&](Entry entry, const WindowKind& kind) {
        const int id = entry.control->id;
        const DWORD menuId = entry.besideEdit == 0 && id != kNoId ? static_cast<DWORD>(id) : 0xFFFF;
        entry.window = CreateWindowExW(kind.exStyle, kind.className, entry.text.c_str(),
                                       WS_CHILD | (deferredOnes ? 0 : WS_VISIBLE) | kind.style, 0, 0, 0, 0,
                                       dialog_, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(menuId)),
                                       GetModuleHandleW(nullptr), nullptr);
        // Z order is the tab order: the template's.
        SetWindowPos(entry.window, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = entry.window;
        if (entry.besideEdit == 0 && id != kNoId) {
            byId_[id] = entry.window;
            kinds_[id] = entry.control->kind;
        }
        entries_.push_back(std::move(entry));
    };
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlTemplate& t = controls[i];
        if (IsDeferred(t) != deferredOnes) continue;
        const bool around = i + 1 < controls.size() && CaptionAroundEdit(t, controls[i + 1]);
        add({&t, nullptr, 0, nullptr, around ? std::wstring() : ShownText(t)}, WindowKindOf(t));
        if (!around) continue;
        const std::wstring caption = Wide(t.text);
        const std::size_t run = caption.find(L"   ");
        const WindowKind word{L"STATIC", SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX, 0};
        add({&t, nullptr, -1, &controls[i + 1], Trimmed(caption.substr(0, run))}, word);
        add({&t, nullptr, +1, &controls[i + 1], Trimmed(caption.substr(run))}, word);
    }
    for (std::size_t e = first; e < entries_.size(); ++e) {
        if (entries_[e].besideEdit != 0 || entries_[e].control->id == kNoId) continue;
        const int id = entries_[e].control->id;
        HWND window = entries_[e].window;
        switch (kinds_[id]) {
            case ControlKind::InputEdit:
                SendMessageW(window, EM_SETLIMITTEXT, kEditTextLimit, 0);
                break;
            case ControlKind::Slider:
                SendMessageW(window, TBM_SETLINESIZE, 0, 1);
                SendMessageW(window, TBM_SETPAGESIZE, 0, 1);
                break;
            case ControlKind::ScrollBar: {
                // Two arrows: the model steps the class, the thumb never moves.
                SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_POS | SIF_PAGE, 0, 2, 0, 1, 0};
                SetScrollInfo(window, SB_CTL, &info, FALSE);
                break;
            }
            case ControlKind::ListBox: {
                ListView_SetExtendedListViewStyle(window, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
                LVCOLUMNW column{};
                column.mask = LVCF_WIDTH;
                column.cx = 100;
                ListView_InsertColumn(window, 0, &column);
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

RECT DialogLayout::ToPixels(const DialogRect& r) const {
    const auto px = [](int units, double unit) { return static_cast<LONG>(std::lround(units * unit)); };
    return {px(r.x, UnitX()), px(r.y, UnitY()), px(r.x + r.width, UnitX()), px(r.y + r.height, UnitY())};
}

// The unit at which every one-line text fits its rectangle, relative to the
// dialog manager's (the rule is the views' one, ui/view_rules.h).
double DialogLayout::ScaleToFit() const {
    const TextRoom room{GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi_) + MulDiv(6, dpi_, 96),
                        MulDiv(10, dpi_, 96), MulDiv(6, dpi_, 96)};
    return tolvo::ScaleToFit(template_, unitX_, 1.0, room,
                             [this](const ControlTemplate& t) { return TextWidth(font_, ShownText(t)); });
}

void DialogLayout::Place() {
    fit_ = ScaleToFit();
    const int line = LineHeight(font_);
    const int gap = TextWidth(font_, L" ");
    HDWP batch = BeginDeferWindowPos(static_cast<int>(entries_.size()));
    for (const Entry& e : entries_) {
        const ControlTemplate& t = *e.control;
        RECT r = ToPixels(t.rect);
        if (e.besideEdit != 0) {
            const RECT edit = ToPixels(e.edit->rect);
            const int width = TextWidth(font_, e.text) + 4;
            const int height = std::max<int>(edit.bottom - edit.top, line);
            const int top = (edit.top + edit.bottom) / 2 - height / 2;
            const int left = e.besideEdit < 0 ? edit.left - gap - width : edit.right + gap;
            r = {left, top, left + width, top + height};
        } else if (t.kind == ControlKind::Static && !(t.style & kTwoLines)) {
            // A static keeps its top; it grows to the font's line so that descenders show.
            r.bottom = std::max<LONG>(r.bottom, r.top + line);
            if (t.rect.width <= kMarkWidth)
                r.right = std::max<LONG>(r.right, r.left + TextWidth(font_, e.text) + 1);
        }
        SendMessageW(e.window, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        batch = DeferWindowPos(batch, e.window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                               SWP_NOZORDER | SWP_NOACTIVATE);
    }
    EndDeferWindowPos(batch);
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
    InvalidateRect(dialog_, nullptr, TRUE);
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
