#include "ui/win32/main_window.h"

#include <algorithm>
#include <array>
#include <cwchar>
#include <span>
#include <vector>

#include "core/text_fill.h"
#include "core/texts_ja.h"
#include "ui/sheet_source.h"
#include "ui/view_rules.h"
#include "ui/win32/about_dialog.h"
#include "ui/win32/copy_dialog.h"
#include "ui/win32/fonts.h"
#include "ui/win32/modal.h"
#include "ui/win32/print_sheet.h"
#include "ui/win32/wide_text.h"
#include "ui/window_placement.h"

namespace tolvo::win32 {
namespace {

constexpr UINT kFinderClosedMessage = WM_APP + 2;
constexpr UINT kPressFitClosedMessage = WM_APP + 9;
constexpr UINT kServiceClosedMessage = WM_APP + 10;
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
    {static_cast<MenuCommand>(kServiceCommand), ja::kServiceTitle, kServiceShortcut},
    {static_cast<MenuCommand>(kPressFitCommand), ja::kPressFitTitle, kPressFitShortcut},
    {kPasteCalloutCommand, ja::kPasteCalloutMenuItemText, kPasteCalloutShortcut},
    {kCopyCalloutCommand, ja::kCopyCalloutMenuItemText, kCopyCalloutShortcut},
    {kZoneDiagramCommand, ja::kZoneDiagramMenuItemText, kZoneDiagramShortcut},
    {static_cast<MenuCommand>(kPrintCommand), ja::kPrintMenuItemText, kPrintShortcut},
};
// The callout's submenus come after its copy command.
constexpr MenuCommand kCalloutSubmenusAfter = kCopyCalloutCommand;

// A submenu of radio-checked items, one per text, the command of the first
// being `first`.
HMENU ChoiceMenu(std::span<const std::string_view> texts, WORD first, std::size_t checked) {
    HMENU menu = CreatePopupMenu();
    for (std::size_t i = 0; i < texts.size(); ++i)
        AppendMenuW(menu, MF_STRING, first + i, Wide(texts[i]).c_str());
    if (!texts.empty())
        CheckMenuRadioItem(menu, first, static_cast<UINT>(first + texts.size() - 1),
                           static_cast<UINT>(first + checked), MF_BYCOMMAND);
    return menu;
}

// The marks of one row of a whole-range scale: the largest of 7 down to 5
// points at which every other mark of the row stays apart by a digit's width,
// so that "EF" and "FG" never read as one.
constexpr int kLargestMarkPoints = 7;
constexpr int kSmallestMarkPoints = 5;

// A remembered corner as the placement takes it.
std::optional<ScreenPoint> Remembered(const OptionSettings& settings, std::string_view key) {
    const std::optional<POINT> at = settings.Position(key);
    if (!at) return std::nullopt;
    return ScreenPoint{at->x, at->y};
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

MainWindowStart::MainWindowStart(DialogHost& host, const HelpSearch& help,
                                 std::unique_ptr<SettingsStore> settings)
    : settings_(std::move(settings)), owned_(std::make_unique<MainModel>(host, help)) {
    // The options, as the user left them.
    if (settings_.Flag(kFullRangeKey)) owned_->SetFullRange(true);
    if (settings_.Flag(kZoneDiagramKey)) owned_->SetZoneDiagram(true);
    // The callout's style and sign, each only as a word it knows.
    CalloutOptions callout;
    callout.style = FindCalloutStyle(settings_.Word(kCalloutStyleKey).value_or("")).value_or(callout.style);
    callout.sign = FindDiameterSign(settings_.Word(kDiameterSignKey).value_or("")).value_or(callout.sign);
    owned_->SetCalloutOptions(callout);
}

MainWindow::MainWindow(const HelpSearch& help, std::unique_ptr<SettingsStore> settings)
    : MainWindowStart(*this, help, std::move(settings)),
      ModelView(kMainDialog, nullptr, kMainStyle, MainEnded, main_dialog::IsWholeRangeControl,
                &owned_->Controls()) {
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
    Attach(*owned_);
}

MainWindow::~MainWindow() {
    if (finder_) settings_.SetPosition(kFinderPositionKey, TopLeft(finder_->Window()));
    finder_.reset();  // it works on the model
    if (pressFit_) settings_.SetPosition(kPressFitPositionKey, TopLeft(pressFit_->Window()));
    pressFit_.reset();
    if (service_) settings_.SetPosition(kServicePositionKey, TopLeft(service_->Window()));
    service_.reset();
    if (zoneWindow_ && zoneWindow_->IsShown())
        settings_.SetPosition(kZoneDiagramPositionKey, TopLeft(zoneWindow_->Handle()));
    zoneWindow_.reset();  // before its owner, which would destroy its window
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
    // The operating conditions' dialog mirrors the diagram as it follows,
    // with the zones at temperature.
    if (service_) {
        service_->Follow();
    } else {
        MirrorZoneDiagram();
    }
    InvalidateRect(Control(main_dialog::kFitKindLabel), nullptr, TRUE);
    // The non-modal finder follows the window (its fixed side, the measured check).
    if (finder_) finder_->Follow();
    if (pressFit_) pressFit_->Follow();  // the pair's interference
}

void MainWindow::OnModelEnded() {
    ended_ = true;
    // The diagram goes with the calculator; its option stays as it was, so
    // that it is shown again at the next start.
    if (zoneWindow_ && zoneWindow_->IsShown()) {
        settings_.SetPosition(kZoneDiagramPositionKey, TopLeft(zoneWindow_->Handle()));
        zoneWindow_->Hide();
    }
    ShowWindow(Window(), SW_HIDE);
}

// The diagram follows every model action while the calculator is on screen:
// shown while the model's option is on, drawing its ZoneInput(). The menu
// item's check is the model's (CreateContextMenu).
void MainWindow::MirrorZoneDiagram() {
    const bool wanted = model_->ZoneDiagramShown();
    settings_.SetFlag(kZoneDiagramKey, wanted);
    if (wanted && IsWindowVisible(Window())) {
        if (!zoneWindow_) {
            zoneWindow_ = std::make_unique<ZoneWindow>(Window());
            // Closed by its title bar button: the option goes off, as from the menu.
            zoneWindow_->closed = [this] {
                settings_.SetPosition(kZoneDiagramPositionKey, TopLeft(zoneWindow_->Handle()));
                SetZoneDiagram(false);
            };
        }
        zoneWindow_->SetInput(model_->ZoneInput());
        if (!zoneWindow_->IsShown()) {
            if (!zoneWindowPlaced_)
                zoneWindow_->PlaceBeside(Window(), Remembered(settings_, kZoneDiagramPositionKey));
            zoneWindowPlaced_ = true;
            zoneWindow_->Show();
        }
    } else if (!wanted && zoneWindow_ && zoneWindow_->IsShown()) {
        settings_.SetPosition(kZoneDiagramPositionKey, TopLeft(zoneWindow_->Handle()));
        zoneWindow_->Hide();
    }
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
    if (whole && Control(main_dialog::kHoleClassText) == nullptr) {
        // Made the first time the whole range is shown (placed and laid out
        // as they are made), then given their texts.
        BuildDeferred();
        MirrorStates(model_->Controls(), model_->Focus(), std::nullopt);
    } else if (whole) {
        LayOutWholeRangeMarks();
    }
    ForEachRangeControl(range, [this](int id, bool on) {
        if (HWND control = Control(id)) ShowWindow(control, on ? SW_SHOWNA : SW_HIDE);
    });
}

void MainWindow::LayOutWholeRangeMarks() {
    if (Control(main_dialog::kHoleClassText) == nullptr) return;  // not made yet
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
        if (item.command != kCalloutSubmenusAfter) continue;
        const CalloutOptions& callout = model_->CalloutChoice();
        const auto at = [](auto all, auto one) {
            return static_cast<std::size_t>(std::ranges::find(all, one) - all.begin());
        };
        AppendMenuW(menu, MF_POPUP,
                    reinterpret_cast<UINT_PTR>(ChoiceMenu(ja::kCalloutStyleTexts, kFirstCalloutStyleCommand,
                                                          at(CalloutStyles(), callout.style))),
                    Wide(ja::kCalloutStyleMenuText).c_str());
        AppendMenuW(menu, MF_POPUP,
                    reinterpret_cast<UINT_PTR>(ChoiceMenu(ja::kDiameterSignTexts, kFirstDiameterSignCommand,
                                                          at(DiameterSigns(), callout.sign))),
                    Wide(ja::kDiameterSignMenuText).c_str());
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
        case kCopyCalloutCommand:
            return Forward([&] { model_->OnCopyCallout(); });
        case kPressFitCommand:
            return OpenPressFit();
        case kServiceCommand:
            return OpenService();
        case kPrintCommand:
            return PrintCalculationSheet();
        default:
            break;
    }
    CalloutOptions callout = model_->CalloutChoice();
    const std::size_t style = command - kFirstCalloutStyleCommand;
    const std::size_t sign = command - kFirstDiameterSignCommand;
    if (command >= kFirstCalloutStyleCommand && style < CalloutStyles().size()) {
        callout.style = CalloutStyles()[style];
    } else if (command >= kFirstDiameterSignCommand && sign < DiameterSigns().size()) {
        callout.sign = DiameterSigns()[sign];
    } else {
        return;
    }
    SetCalloutOptions(callout);
}

void MainWindow::SetCalloutOptions(const CalloutOptions& options) {
    model_->SetCalloutOptions(options);
    settings_.SetWord(kCalloutStyleKey, CalloutStyleName(options.style));
    settings_.SetWord(kDiameterSignKey, DiameterSignName(options.sign));
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
    PlaceBesideCalculator(finder_->Window(), Window(), Remembered(settings_, kFinderPositionKey));
    ShowWindow(finder_->Window(), SW_SHOW);
}

void MainWindow::OpenPressFit() {
    if (pressFit_) {
        ShowWindow(pressFit_->Window(), SW_SHOW);
        SetForegroundWindow(pressFit_->Window());
        return;
    }
    pressFit_ = std::make_unique<PressFitDialog>(
        *model_, Window(), [this] { PostMessageW(Window(), kPressFitClosedMessage, 0, 0); });
    PlaceBesideCalculator(pressFit_->Window(), Window(), Remembered(settings_, kPressFitPositionKey));
    ShowWindow(pressFit_->Window(), SW_SHOW);
}

void MainWindow::OpenService() {
    if (service_) {
        ShowWindow(service_->Window(), SW_SHOW);
        SetForegroundWindow(service_->Window());
        return;
    }
    // While it is open the diagram draws the zones at temperature, so it follows every change there.
    service_ = std::make_unique<ServiceDialog>(
        *model_, Window(), [this] { PostMessageW(Window(), kServiceClosedMessage, 0, 0); },
        [this] { MirrorZoneDiagram(); });
    PlaceBesideCalculator(service_->Window(), Window(), Remembered(settings_, kServicePositionKey));
    ShowWindow(service_->Window(), SW_SHOW);
}

CalculationSheet MainWindow::Sheet() const {
    SYSTEMTIME today{};
    GetLocalTime(&today);
    wchar_t date[16] = {};
    swprintf(date, 16, L"%04u-%02u-%02u", today.wYear, today.wMonth, today.wDay);
    return BuildCalculationSheet(
        SheetSourceOf(*model_, Utf8(date),
                      CompanionSheetSections(service_ ? &service_->Model() : nullptr,
                                             pressFit_ ? &pressFit_->Model() : nullptr)));
}

void MainWindow::PrintCalculationSheet() {
    if (PrintSheet(Window(), Sheet(), Wide(ja::kSheetTitle)) == SheetPrinting::Failed)
        ShowMessage(ja::kMessageCaption, ja::kPrintFailedText);
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
            if (lParam == 0 && (LOWORD(wParam) == kPressFitCommand || LOWORD(wParam) == kServiceCommand ||
                                LOWORD(wParam) == kPrintCommand)) {
                RunCommand(LOWORD(wParam));
                return 0;
            }
            if (lParam == 0 && LOWORD(wParam) >= kFullRangeCommand && LOWORD(wParam) <= kLastMenuCommand) {
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
        case kPressFitClosedMessage:
            if (pressFit_ && pressFit_->Model().Closed()) {
                settings_.SetPosition(kPressFitPositionKey, TopLeft(pressFit_->Window()));
                pressFit_.reset();
            }
            return 0;
        case kServiceClosedMessage:
            if (service_ && service_->Model().Closed()) {
                settings_.SetPosition(kServicePositionKey, TopLeft(service_->Window()));
                service_.reset();
                MirrorZoneDiagram();  // without the zones at temperature
            }
            return 0;
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
