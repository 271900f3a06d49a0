#include "ui/win32/main_window.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/text_fill.h"
#include "core/texts_ja.h"
#include "ui/win32/about_dialog.h"
#include "ui/win32/copy_dialog.h"
#include "ui/win32/fonts.h"
#include "ui/win32/modal.h"
#include "ui/win32/wide_text.h"
#include "ui/window_placement.h"

namespace tolvo::win32 {
namespace {

constexpr UINT kFinderClosedMessage = WM_APP + 2;
constexpr DWORD kMainStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME;

bool MainEnded(const MainModel& model) {
    return model.Ended().has_value();
}

// The context menu, in the Qt window's order: the range, the finder, the
// pasted callout, the diagram.
struct MenuItem {
    MenuCommand command;
    std::string_view text;
    std::string_view shortcut;
};
constexpr MenuItem kMenuItems[] = {
    {kFullRangeCommand, ja::kFullRangeMenuItemText, kFullRangeShortcut},
    {kFinderCommand, ja::kFinderMenuItemText, kFinderShortcut},
    {kPasteCalloutCommand, ja::kPasteCalloutMenuItemText, kPasteCalloutShortcut},
    {kZoneDiagramCommand, ja::kZoneDiagramMenuItemText, kZoneDiagramShortcut},
};

// The marks of one row of a whole-range scale: the largest of 7 down to 5
// points at which every other mark of the row stays apart by a digit's width,
// so that "EF" and "FG" never read as one.
constexpr int kLargestMarkPoints = 7;
constexpr int kSmallestMarkPoints = 5;

ScreenRect ToScreenRect(const RECT& r) {
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

BOOL CALLBACK CollectScreen(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoW(monitor, &info))
        reinterpret_cast<std::vector<ScreenRect>*>(data)->push_back(ToScreenRect(info.rcWork));
    return TRUE;
}

// Moves a window of its own to its remembered corner when that lies on a
// screen, else beside the calculator.
void PlaceBesideCalculator(HWND window, HWND calculator, std::optional<POINT> remembered) {
    RECT frame{};
    RECT main{};
    GetWindowRect(window, &frame);
    GetWindowRect(calculator, &main);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    std::vector<ScreenRect> screens;
    EnumDisplayMonitors(nullptr, nullptr, CollectScreen, reinterpret_cast<LPARAM>(&screens));
    std::optional<ScreenPoint> corner;
    if (remembered) corner = ScreenPoint{remembered->x, remembered->y};
    corner = RememberedOnScreen(corner, width, height, screens);
    if (!corner) {
        MONITORINFO info{};
        info.cbSize = sizeof(info);
        if (!GetMonitorInfoW(MonitorFromWindow(calculator, MONITOR_DEFAULTTONEAREST), &info)) return;
        corner = PlaceBeside(ToScreenRect(main), width, height, ToScreenRect(info.rcWork));
    }
    SetWindowPos(window, nullptr, corner->x, corner->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

POINT TopLeft(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top};
}

}  // namespace

std::optional<ACCEL> ShortcutAccelerator(std::string_view shortcut, WORD command) {
    ACCEL accel{FVIRTKEY, 0, command};
    while (true) {
        const std::size_t plus = shortcut.find('+');
        if (plus == std::string_view::npos) break;
        const std::string_view modifier = shortcut.substr(0, plus);
        if (modifier == "Ctrl") {
            accel.fVirt |= FCONTROL;
        } else if (modifier == "Shift") {
            accel.fVirt |= FSHIFT;
        } else if (modifier == "Alt") {
            accel.fVirt |= FALT;
        } else {
            return std::nullopt;
        }
        shortcut.remove_prefix(plus + 1);
    }
    if (shortcut.size() != 1) return std::nullopt;
    const char key = shortcut.front();
    if (!((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))) return std::nullopt;
    accel.key = static_cast<WORD>(key);
    return accel;
}

MainWindow::MainWindow(const HelpSearch& help, std::unique_ptr<SettingsStore> settings)
    : ModelView(kMainDialog, nullptr, kMainStyle, MainEnded), settings_(std::move(settings)) {
    DialogHost& host = *this;
    owned_ = std::make_unique<MainModel>(host, help);
    std::vector<ACCEL> table;
    for (const MenuItem& item : kMenuItems) {
        if (const auto accel = ShortcutAccelerator(item.shortcut, item.command)) table.push_back(*accel);
    }
    accelerators_ = CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
    MakeFonts();
    layout_->placed = [this] {
        MakeFonts();
        if (model_ != nullptr && model_->Range() == FitClassRange::Whole) LayOutWholeRangeMarks();
    };
    // The About item goes into the window's system menu, as on Windows it always has.
    if (HMENU menu = GetSystemMenu(Window(), FALSE)) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, MainModel::kAboutCommand, Wide(ja::kAboutMenuItemText).c_str());
    }
    SendMessageW(Window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon(32)));
    SendMessageW(Window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramIcon(16)));
    // The options, as the user left them.
    if (settings_.Flag(kFullRangeKey)) owned_->SetFullRange(true);
    if (settings_.Flag(kZoneDiagramKey)) owned_->SetZoneDiagram(true);
    Attach(*owned_);
}

MainWindow::~MainWindow() {
    if (finder_) settings_.SetPosition(kFinderPositionKey, TopLeft(finder_->Window()));
    finder_.reset();  // it works on the model
    if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
    // The controls keep their fonts until the window goes.
    DestroyWindow(Window());
    for (HGDIOBJ object : std::array<HGDIOBJ, 3>{fitKindFont_, markFont_, fitKindBrush_}) {
        if (object != nullptr) DeleteObject(object);
    }
}

void MainWindow::MakeFonts() {
    HFONT old = fitKindFont_;
    fitKindFont_ = CreatePointFont(FitKindFace(), kFitKindFontPoints, layout_->Dpi());
    if (HWND label = Control(main_dialog::kFitKindLabel))
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(fitKindFont_), TRUE);
    if (old != nullptr) DeleteObject(old);
}

void MainWindow::Show(int showCommand) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    RECT frame{};
    GetWindowRect(Window(), &frame);
    if (GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &info)) {
        const RECT& work = info.rcWork;
        SetWindowPos(Window(), nullptr, (work.left + work.right - (frame.right - frame.left)) / 2,
                     (work.top + work.bottom - (frame.bottom - frame.top)) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(Window(), showCommand);
    UpdateWindow(Window());
    SetForegroundWindow(Window());
    MirrorZoneDiagram();
}

bool MainWindow::Run() {
    return RunMessages([this] { return ended_; });
}

void MainWindow::AfterMirror() {
    MirrorRange();
    MirrorZoneDiagram();
    InvalidateRect(Control(main_dialog::kFitKindLabel), nullptr, TRUE);
    // The non-modal finder follows the window (its fixed side, the measured check).
    if (finder_) finder_->Follow();
}

void MainWindow::OnModelEnded() {
    ended_ = true;
    ShowWindow(Window(), SW_HIDE);
}

// The diagram's window is the diagram view's (ui/win32/zone_*), connected
// here: it is shown while model_->ZoneDiagramShown() and draws
// model_->ZoneInput(). This window keeps the option: the menu item's check
// (CreateContextMenu) and the settings.
void MainWindow::MirrorZoneDiagram() {
    settings_.SetFlag(kZoneDiagramKey, model_->ZoneDiagramShown());
}

void MainWindow::SetZoneDiagram(bool on) {
    model_->SetZoneDiagram(on);
    Mirror();
}

void MainWindow::SetFullRange(bool on) {
    Forward([&] { model_->SetFullRange(on); });
}

void MainWindow::MirrorRange() {
    const FitClassRange range = model_->Range();
    if (range == shownRange_) return;
    shownRange_ = range;
    const bool whole = range == FitClassRange::Whole;
    // However the range changed (the menu item, a pasted callout, a pair the
    // finder chose), the choice is kept.
    settings_.SetFlag(kFullRangeKey, whole);
    if (whole) LayOutWholeRangeMarks();
    const auto show = [this](int id, bool on) {
        if (HWND control = Control(id)) ShowWindow(control, on ? SW_SHOWNA : SW_HIDE);
    };
    for (const FeaturePanel* p : {&main_dialog::kHolePanel, &main_dialog::kShaftPanel}) {
        for (int id : p->letterMarks) show(id, !whole);
        for (int id : p->gradeMarks) show(id, !whole);
        for (int id : p->wholeLetterMarks) show(id, whole);
        for (int id : p->wholeGradeMarks) show(id, whole);
        show(p->classText, whole);
    }
}

void MainWindow::LayOutWholeRangeMarks() {
    std::vector<std::vector<int>> rows;
    for (const FeaturePanel* p : {&main_dialog::kHolePanel, &main_dialog::kShaftPanel}) {
        rows.emplace_back(p->wholeLetterMarks.begin(), p->wholeLetterMarks.end());
        rows.emplace_back(p->wholeGradeMarks.begin(), p->wholeGradeMarks.end());
    }
    const auto centre = [this](int id) {
        const DialogRect r = [&] {
            for (const ControlTemplate& t : kMainDialog.controls) {
                if (t.id == id) return t.rect;
            }
            return DialogRect{};
        }();
        return static_cast<int>((r.x + r.width / 2.0) * layout_->UnitX());
    };
    const auto text = [this](int id) { return Wide(model_->Controls().At(id).text); };
    HFONT font = nullptr;
    for (int points = kLargestMarkPoints; points >= kSmallestMarkPoints; --points) {
        if (font != nullptr) DeleteObject(font);
        font = CreatePointFont(DialogFace(), points, layout_->Dpi());
        const int digit = DialogLayout::TextWidth(font, L"0");
        bool apart = true;
        for (const std::vector<int>& row : rows) {
            for (std::size_t i = 0; i + 2 < row.size(); ++i) {
                const int halves = (DialogLayout::TextWidth(font, text(row[i])) +
                                    DialogLayout::TextWidth(font, text(row[i + 2]))) /
                                   2;
                if (halves + digit > centre(row[i + 2]) - centre(row[i])) apart = false;
            }
        }
        if (apart) break;
    }
    const int height = DialogLayout::LineHeight(font);
    for (const std::vector<int>& row : rows) {
        for (int id : row) {
            HWND mark = Control(id);
            RECT r{};
            GetWindowRect(mark, &r);
            MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&r), 2);
            const int width = std::max<int>(r.right - r.left, DialogLayout::TextWidth(font, text(id)) + 2);
            SendMessageW(mark, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
            SetWindowPos(mark, nullptr, centre(id) - width / 2, r.top, width, height,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (markFont_ != nullptr) DeleteObject(markFont_);
    markFont_ = font;
}

bool MainWindow::IsClassControl(int id) const {
    for (const FeaturePanel* p : {&main_dialog::kHolePanel, &main_dialog::kShaftPanel}) {
        if (id == p->letterSlider || id == p->gradeSlider || id == p->classScroll) return true;
    }
    return false;
}

bool MainWindow::OnChar(int id, wchar_t c) {
    // Characters typed on a class control select a class, as in a list box.
    if (!IsClassControl(id)) return false;
    if (c >= 0xD800 && c < 0xDC00) {
        highSurrogate_ = c;
        return true;
    }
    std::wstring typed;
    if (c >= 0xDC00 && c < 0xE000 && highSurrogate_ != 0) typed += highSurrogate_;
    highSurrogate_ = 0;
    typed += c;
    if (c <= L' ' || c == 0x7F) return false;  // control keys and blanks do what the control does
    const std::string text = Utf8(typed);
    const auto time = static_cast<std::int64_t>(GetMessageTime());
    Forward([&] { model_->OnClassChars(id, text, time); });
    return true;
}

bool MainWindow::OnKey(WPARAM key) {
    // Enter anywhere in the window re-evaluates and goes no further.
    if (key == VK_RETURN) Forward([&] { model_->OnEnter(); });
    if (key == VK_ESCAPE) Forward([&] { model_->OnEscape(); });
    if (key == VK_F1) Forward([&] { model_->OnHelp(); });
    return true;
}

bool MainWindow::PreTranslate(MSG& msg) {
    if (accelerators_ != nullptr && TranslateAcceleratorW(Window(), accelerators_, &msg)) return true;
    return ModelView::PreTranslate(msg);
}

HMENU MainWindow::CreateContextMenu() const {
    HMENU menu = CreatePopupMenu();
    for (const MenuItem& item : kMenuItems) {
        const std::wstring text = Wide(item.text) + L"\t" + Wide(item.shortcut);
        UINT flags = MF_STRING;
        if (item.command == kFullRangeCommand && model_->Range() == FitClassRange::Whole) flags |= MF_CHECKED;
        if (item.command == kZoneDiagramCommand && model_->ZoneDiagramShown()) flags |= MF_CHECKED;
        AppendMenuW(menu, flags, item.command, text.c_str());
    }
    return menu;
}

void MainWindow::RunCommand(WORD command) {
    switch (command) {
        case kFullRangeCommand:
            return SetFullRange(model_->Range() != FitClassRange::Whole);
        case kFinderCommand:
            return OpenFinder();
        case kPasteCalloutCommand:
            return PasteCallout();
        case kZoneDiagramCommand:
            return SetZoneDiagram(!model_->ZoneDiagramShown());
        default:
            return;
    }
}

void MainWindow::OpenFinder() {
    if (finder_) {
        ShowWindow(finder_->Window(), SW_SHOW);
        SetForegroundWindow(finder_->Window());
        return;
    }
    finder_ = std::make_unique<FinderDialog>(
        *model_, Window(), [this] { Mirror(); },
        [this] { PostMessageW(Window(), kFinderClosedMessage, 0, 0); });
    PlaceBesideCalculator(finder_->Window(), Window(), settings_.Position(kFinderPositionKey));
    ShowWindow(finder_->Window(), SW_SHOW);
}

void MainWindow::PasteCallout() {
    std::wstring text;
    if (OpenClipboard(Window())) {
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* units = static_cast<const wchar_t*>(GlobalLock(data))) {
                text.assign(units, wcsnlen(units, GlobalSize(data) / sizeof(wchar_t)));
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
    }
    const std::string utf8 = Utf8(text);
    Forward([&] { model_->OnPasteCallout(utf8); });
}

std::optional<INT_PTR> MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (lParam == 0 && LOWORD(wParam) >= kFullRangeCommand && LOWORD(wParam) <= kZoneDiagramCommand) {
                RunCommand(LOWORD(wParam));
                return 0;
            }
            return std::nullopt;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == MainModel::kAboutCommand) {
                Forward([&] { model_->OnSystemCommand(static_cast<unsigned>(wParam & 0xFFF0)); });
                return 0;
            }
            return std::nullopt;
        case WM_CLOSE:
            Forward([&] { model_->OnSystemCommand(MainModel::kCloseCommand); });
            return 0;
        case WM_CONTEXTMENU: {
            // On the window's background (or a caption without an ID), not on a control.
            if (layout_->IdOf(reinterpret_cast<HWND>(wParam)) != kNoId) return std::nullopt;
            POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (lParam == -1) {
                at = {0, 0};
                ClientToScreen(Window(), &at);
            }
            HMENU menu = CreateContextMenu();
            const auto chosen =
                TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, Window(), nullptr);
            DestroyMenu(menu);
            if (chosen != 0) RunCommand(static_cast<WORD>(chosen));
            return 0;
        }
        case WM_CTLCOLORSTATIC: {
            if (reinterpret_cast<HWND>(lParam) != Control(main_dialog::kFitKindLabel)) return std::nullopt;
            const auto colors = model_->FitKindLabelColors();
            if (!colors) return std::nullopt;
            const COLORREF background =
                RGB(colors->background.red, colors->background.green, colors->background.blue);
            if (fitKindBrush_ == nullptr || fitKindText_ != background) {
                if (fitKindBrush_ != nullptr) DeleteObject(fitKindBrush_);
                fitKindBrush_ = CreateSolidBrush(background);
                fitKindText_ = background;
            }
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, RGB(colors->text.red, colors->text.green, colors->text.blue));
            SetBkColor(dc, background);
            return reinterpret_cast<INT_PTR>(fitKindBrush_);
        }
        case kFinderClosedMessage:
            if (finder_ && finder_->Model().Closed()) {
                settings_.SetPosition(kFinderPositionKey, TopLeft(finder_->Window()));
                finder_.reset();
            }
            return 0;
        default:
            return std::nullopt;
    }
}

// ---- DialogHost ----

void MainWindow::ShowMessage(std::string_view caption, std::string_view text) {
    Mirror();  // the computed texts are on screen before the warning appears
    MessageBoxW(Window(), WithCrLf(text).c_str(), Wide(caption).c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void MainWindow::PlaceOnClipboard(std::string_view text) {
    const std::wstring units = WithCrLf(text);
    if (!OpenClipboard(Window())) return;
    EmptyClipboard();
    if (HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (units.size() + 1) * sizeof(wchar_t))) {
        if (auto* copy = static_cast<wchar_t*>(GlobalLock(data))) {
            std::copy(units.c_str(), units.c_str() + units.size() + 1, copy);
            GlobalUnlock(data);
            if (SetClipboardData(CF_UNICODETEXT, data) == nullptr) GlobalFree(data);
        } else {
            GlobalFree(data);
        }
    }
    CloseClipboard();
}

bool MainWindow::OpenDocument(const std::filesystem::path& file) {
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(Window(), L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result > 32) return true;
    // Found but not opened: the message says where it is, so that the user can open it.
    ShowMessage(ja::kMessageCaption, FillIn(ja::kHelpOpenFailedMessage, {Utf8(file.wstring())}));
    return true;
}

void MainWindow::RunAboutBox() {
    AboutDialog about(Window());
    about.Run();
}

bool MainWindow::RunCopyDialog(CopyModel& dialog) {
    CopyDialog view(dialog, Window());
    view.Run();
    return dialog.Result().value_or(false);
}

}  // namespace tolvo::win32
