// The Win32 main window through its real controls: keystrokes into the real
// edit change the real output controls, the fit label takes the model's
// colours, a refusal is a real MessageBoxW with the model's texts shown over
// texts already mirrored, the menu and its accelerators are the Qt window's,
// and no text is clipped at 100 %, 150 % and 200 %.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/fit_evaluation.h"
#include "core/press_fit_text.h"
#include "core/text_fill.h"
#include "core/texts_ja.h"
#include "core/zone_diagram.h"
#include "ui/control_tooltips.h"
#include "ui/dialog_templates.h"
#include "ui/win32/fonts.h"
#include "ui/win32/main_window.h"
#include "ui/win32/print_sheet.h"
#include "ui/win32/wide_text.h"
#include "ui/window_placement.h"

namespace tolvo::win32 {
namespace {

using namespace main_dialog;

// Finds the help document where the test says (nowhere at first).
class TestHelp : public HelpSearch {
  public:
    std::optional<std::filesystem::path> FindDocument(std::string_view) const override { return document; }
    std::optional<std::filesystem::path> document;
    std::string_view ProgramFileName() const override { return "Tolvo.exe"; }
};

class MemoryStore : public SettingsStore {
  public:
    std::optional<std::wstring> Read(std::wstring_view name) const override {
        const auto found = values.find(std::wstring(name));
        if (found == values.end()) return std::nullopt;
        return found->second;
    }
    void Write(std::wstring_view name, std::wstring_view value) override {
        values[std::wstring(name)] = value;
    }
    std::map<std::wstring, std::wstring> values;
};

std::string Text(HWND window) {
    wchar_t buffer[512] = {};
    GetWindowTextW(window, buffer, 512);
    return Utf8(buffer);
}

// Every message box the window shows, answered with OK as it appears: its
// caption and text, and what the hole's limit-size box showed beneath it.
struct SeenBox {
    HWND box = nullptr;
    std::string caption;
    std::string text;
    std::string shaftSizeShown;  // the shaft's basic-size edit beneath the box
    std::string shaftSizeHeld;   // and the model's text for it then
};
std::vector<SeenBox>* seenBoxes = nullptr;
const MainWindow* watchedWindow = nullptr;
HHOOK boxHook = nullptr;
// What the test does when a modal dialog of the window's own (the copy dialog) appears.
std::function<void(HWND)> onOwnDialog;

BOOL CALLBACK CollectStatic(HWND child, LPARAM data) {
    wchar_t name[16] = {};
    GetClassNameW(child, name, 16);
    if (std::wstring_view(name) == L"Static" && !Text(child).empty())
        *reinterpret_cast<std::string*>(data) += Text(child);
    return TRUE;
}

LRESULT CALLBACK AnswerBoxes(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && DialogView::Of(reinterpret_cast<HWND>(wParam)) == nullptr) {
        HWND box = reinterpret_cast<HWND>(wParam);
        // A box activated again (another window took the activation a while) is the same box.
        if (std::ranges::any_of(*seenBoxes, [&](const SeenBox& known) { return known.box == box; })) {
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            return CallNextHookEx(boxHook, code, wParam, lParam);
        }
        SeenBox seen{box, Text(box), "", Text(watchedWindow->Control(main_dialog::kShaftBasicSize)),
                     watchedWindow->Model().Controls().At(main_dialog::kShaftBasicSize).text};
        EnumChildWindows(box, CollectStatic, reinterpret_cast<LPARAM>(&seen.text));
        seenBoxes->push_back(seen);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    } else if (code == HCBT_ACTIVATE && onOwnDialog &&
               reinterpret_cast<HWND>(wParam) != watchedWindow->Window()) {
        onOwnDialog(reinterpret_cast<HWND>(wParam));
    }
    return CallNextHookEx(boxHook, code, wParam, lParam);
}

std::wstring ClipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

class Win32MainWindow : public testing::Test {
  protected:
    void SetUp() override { Open({}); }
    // A window over settings holding these values, shown.
    void Open(std::map<std::wstring, std::wstring> values) {
        window.reset();
        auto owned = std::make_unique<MemoryStore>();
        owned->values = std::move(values);
        store = owned.get();
        window.emplace(help, std::move(owned));
        window->Show(SW_SHOWNORMAL);
        seenBoxes = &boxes;
        watchedWindow = &*window;
        boxHook = SetWindowsHookExW(WH_CBT, AnswerBoxes, nullptr, GetCurrentThreadId());
    }
    void TearDown() override {
        onOwnDialog = nullptr;
        UnhookWindowsHookEx(boxHook);
        window.reset();
    }
    HWND Control(int id) const { return window->Control(id); }
    void Type(int id, std::wstring_view keys) {
        SetFocus(Control(id));
        for (wchar_t key : keys) SendMessageW(Control(id), WM_CHAR, key, 1);
    }
    std::string Model(int id) const { return window->Model().Controls().At(id).text; }
    // A key pressed with Ctrl (and Shift) on the hole's size, through the window's own handling.
    bool PressCtrl(WORD key, bool shift = false) {
        SetFocus(Control(kHoleBasicSize));
        MSG press{Control(kHoleBasicSize), WM_KEYDOWN, key, 0, 0, {}};
        BYTE keys[256] = {};
        keys[VK_CONTROL] = 0x80;
        if (shift) keys[VK_SHIFT] = 0x80;
        SetKeyboardState(keys);
        const bool taken = window->PreTranslate(press);
        SetKeyboardState(std::array<BYTE, 256>{}.data());
        return taken;
    }
    // The colours the dialog gives the fit label when it paints.
    std::pair<COLORREF, COLORREF> LabelColours() const {
        HDC dc = CreateCompatibleDC(nullptr);
        auto* brush = reinterpret_cast<HBRUSH>(
            SendMessageW(window->Window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(Control(kFitKindLabel))));
        LOGBRUSH fill{};
        GetObjectW(brush, sizeof(fill), &fill);
        const COLORREF text = GetTextColor(dc);
        DeleteDC(dc);
        return {text, fill.lbColor};
    }

    TestHelp help;
    MemoryStore* store = nullptr;  // the window's
    std::optional<MainWindow> window;
    std::vector<SeenBox> boxes;
};

COLORREF ToColorRef(const Rgb& c) {
    return RGB(c.red, c.green, c.blue);
}

TEST_F(Win32MainWindow, TypingTheBasicSizeShowsTheFitInTheRealControls) {
    Type(kHoleBasicSize, L"25");
    EXPECT_EQ(Text(Control(kHoleBasicSize)), "25");
    EXPECT_EQ(Text(Control(kShaftBasicSize)), "25");  // the shaft follows
    EXPECT_FALSE(window->Model().Controls().At(kShaftBasicSize).enabled);
    EXPECT_FALSE(IsWindowEnabled(Control(kShaftBasicSize)));
    EXPECT_EQ(Text(Control(kFitKindLabel)), ja::kClearanceFit);
    for (int id :
         {kHoleDeviation, kHoleLimitSizes, kShaftLimitSizes, kFirstFitAmount, kSecondFitAmount, kMeanFit}) {
        EXPECT_FALSE(Model(id).empty()) << id;
        EXPECT_EQ(Text(Control(id)), Model(id)) << id;
    }
    EXPECT_NE(Text(Control(kHoleLimitSizes)).find("25"), std::string::npos);
    const auto clearance = FitKindColors(FitKind::Clearance);
    ASSERT_TRUE(clearance);
    EXPECT_EQ(LabelColours(), std::pair(ToColorRef(clearance->text), ToColorRef(clearance->background)));

    // The whole text put in at once; a grade slid: the label follows the model.
    SetWindowTextW(Control(kHoleBasicSize), L"10");
    EXPECT_EQ(Text(Control(kHoleLimitSizes)), Model(kHoleLimitSizes));
    EXPECT_NE(Text(Control(kHoleLimitSizes)).find("10"), std::string::npos);
    // H5 over p5: an interference.
    for (const auto& [slider, position] :
         {std::pair{kHoleLetterSlider, 4}, std::pair{kShaftLetterSlider, 9}}) {
        SendMessageW(Control(slider), TBM_SETPOS, TRUE, position);
        SendMessageW(window->Window(), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0),
                     reinterpret_cast<LPARAM>(Control(slider)));
    }
    EXPECT_EQ(window->Model().Controls().At(kShaftLetterSlider).position, 9);
    EXPECT_EQ(Text(Control(kFitKindLabel)), Model(kFitKindLabel));
    EXPECT_EQ(Text(Control(kFitKindLabel)), ja::kInterferenceFit);
    // "g6" typed on the shaft's letter slider selects the class, as a list box selects by typing.
    SetFocus(Control(kShaftLetterSlider));
    for (wchar_t key : {L'g', L'6'}) SendMessageW(Control(kShaftLetterSlider), WM_CHAR, key, 1);
    EXPECT_EQ(SendMessageW(Control(kShaftLetterSlider), TBM_GETPOS, 0, 0), 3);  // d e f g
    EXPECT_EQ(SendMessageW(Control(kShaftGradeSlider), TBM_GETPOS, 0, 0), 1);   // 5 6
    EXPECT_EQ(Text(Control(kFitKindLabel)), ja::kClearanceFit);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Win32MainWindow, ARefusalIsAMessageBoxWithTheModelsTextOverMirroredTexts) {
    Type(kHoleBasicSize, L"25");
    Type(kHoleBasicSize, L"0");  // 250 mm: beyond the fit classes' 120 mm
    // The shaft's size, which follows the hole's, is refused first, then the hole's.
    ASSERT_EQ(boxes.size(), 2u);
    for (std::size_t k = 0; k < boxes.size(); ++k) {
        SeenBox& box = boxes[k];
        EXPECT_EQ(box.caption, ja::kMessageCaption);
        std::erase(box.text, '\n');
        std::erase(box.text, '\r');
        EXPECT_EQ(box.text, std::string(k == 0 ? ja::kShaftWord : ja::kHoleWord) +
                                std::string(ja::kFitSizeOver120Message));
        // The box came over the texts the model held then.
        EXPECT_EQ(box.shaftSizeShown, "250");
        EXPECT_EQ(box.shaftSizeShown, box.shaftSizeHeld);
    }
    EXPECT_EQ(Text(Control(kHoleBasicSize)), "250");  // what was typed stays
    EXPECT_EQ(Text(Control(kHoleLimitSizes)), Model(kHoleLimitSizes));
}

TEST_F(Win32MainWindow, ContextMenuAndAcceleratorsAreTheQtWindows) {
    struct Item {
        WORD command;  // 0: a submenu
        std::string_view text;
        std::string_view shortcut;
        BYTE modifiers;
        WORD key;
    };
    const Item items[] = {
        {kFullRangeCommand, ja::kFullRangeMenuItemText, kFullRangeShortcut, FCONTROL, 'R'},
        {kFinderCommand, ja::kFinderMenuItemText, kFinderShortcut, FCONTROL, 'F'},
        {kServiceCommand, ja::kServiceTitle, kServiceShortcut, FCONTROL, 'T'},
        {kPressFitCommand, ja::kPressFitTitle, kPressFitShortcut, FCONTROL, 'J'},
        {kPasteCalloutCommand, ja::kPasteCalloutMenuItemText, kPasteCalloutShortcut, FCONTROL | FSHIFT, 'V'},
        {kCopyCalloutCommand, ja::kCopyCalloutMenuItemText, kCopyCalloutShortcut, FCONTROL | FSHIFT, 'C'},
        {0, ja::kCalloutStyleMenuText, "", 0, 0},
        {0, ja::kDiameterSignMenuText, "", 0, 0},
        {kZoneDiagramCommand, ja::kZoneDiagramMenuItemText, kZoneDiagramShortcut, FCONTROL, 'D'},
        {kPrintCommand, ja::kPrintMenuItemText, kPrintShortcut, FCONTROL, 'P'},
    };
    HMENU menu = window->CreateContextMenu();
    ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(std::size(items)));
    for (int k = 0; k < static_cast<int>(std::size(items)); ++k) {
        const Item& item = items[k];
        wchar_t text[256] = {};
        GetMenuStringW(menu, static_cast<UINT>(k), text, 256, MF_BYPOSITION);
        if (item.command == 0) {
            EXPECT_EQ(Utf8(text), item.text);
            EXPECT_NE(GetSubMenu(menu, k), nullptr);
            continue;
        }
        EXPECT_EQ(Utf8(text), std::string(item.text) + "\t" + std::string(item.shortcut));
        EXPECT_EQ(GetMenuItemID(menu, k), item.command);
        const auto accel = ShortcutAccelerator(item.shortcut, item.command);
        ASSERT_TRUE(accel);
        EXPECT_EQ(accel->fVirt, FVIRTKEY | item.modifiers);
        EXPECT_EQ(accel->key, item.key);
    }
    DestroyMenu(menu);
    EXPECT_FALSE(ShortcutAccelerator("Ctrl+", 1));
    EXPECT_FALSE(ShortcutAccelerator("Hyper+R", 1));

    // Ctrl+R through the window's own message handling switches the whole range.
    EXPECT_TRUE(PressCtrl('R'));
    EXPECT_EQ(window->Model().Range(), FitClassRange::Whole);
    EXPECT_TRUE(IsWindowVisible(Control(kHoleClassText)));
    EXPECT_EQ(SendMessageW(Control(kHoleLetterSlider), TBM_GETRANGEMAX, 0, 0),
              window->Model().Controls().At(kHoleLetterSlider).maximum);
    EXPECT_EQ(SendMessageW(Control(kHoleLetterSlider), TBM_GETRANGEMAX, 0, 0), iso286::kLetterCount - 1);
    EXPECT_FALSE(IsWindowVisible(Control(kHoleLetterMarks[0])));
}

// Ctrl+D shows the diagram beside the calculator, drawing what is typed; a
// second Ctrl+D hides it; closed by its title bar the option goes off; the
// option and the place are kept, and a window started with it on shows it.
TEST_F(Win32MainWindow, CtrlDShowsTheZoneDiagramThatFollowsTypingAndHidesIt) {
    EXPECT_EQ(window->ZoneDiagram(), nullptr);  // none until first shown
    EXPECT_TRUE(PressCtrl('D'));
    ASSERT_NE(window->ZoneDiagram(), nullptr);
    const ZoneWindow& zone = *window->ZoneDiagram();
    EXPECT_TRUE(window->Model().ZoneDiagramShown());
    EXPECT_TRUE(IsWindowVisible(zone.Handle()));
    EXPECT_EQ(GetWindow(zone.Handle(), GW_OWNER), window->Window());
    EXPECT_EQ(store->values[L"zoneDiagram"], L"true");
    EXPECT_TRUE(zone.Scene().zones.empty());
    RECT main{}, beside{};
    GetWindowRect(window->Window(), &main);
    GetWindowRect(zone.Handle(), &beside);
    MONITORINFO screen{};
    screen.cbSize = sizeof(screen);
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromWindow(window->Window(), MONITOR_DEFAULTTONEAREST), &screen));
    const auto rect = [](const RECT& r) {
        return ScreenRect{r.left, r.top, r.right - r.left, r.bottom - r.top};
    };
    EXPECT_EQ(
        PlaceBeside(rect(main), beside.right - beside.left, beside.bottom - beside.top, rect(screen.rcWork)),
        (ScreenPoint{beside.left, beside.top}));

    Type(kHoleBasicSize, L"25");
    ASSERT_EQ(zone.Scene().zones.size(), 2u);  // hole and shaft
    EXPECT_NE(zone.Scene().zeroLabel.text.find("25"), std::string::npos);
    EXPECT_EQ(zone.Scene().fitKindText, ja::kClearanceFit);
    Type(kHoleBasicSize, L"\b");  // "2"
    EXPECT_EQ(zone.Scene().zeroLabel.text, BuildZoneScene(window->Model().ZoneInput()).zeroLabel.text);
    EXPECT_EQ(zone.Scene().zeroLabel.text.find("25"), std::string::npos);

    EXPECT_TRUE(PressCtrl('D'));
    EXPECT_FALSE(window->Model().ZoneDiagramShown());
    EXPECT_FALSE(IsWindowVisible(zone.Handle()));
    EXPECT_EQ(store->values[L"zoneDiagram"], L"false");
    EXPECT_EQ(store->values[L"zoneDiagramPosition"],
              std::to_wstring(beside.left) + L"," + std::to_wstring(beside.top));

    EXPECT_TRUE(PressCtrl('D'));
    EXPECT_TRUE(IsWindowVisible(zone.Handle()));
    SendMessageW(zone.Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(zone.Handle()));
    EXPECT_FALSE(window->Model().ZoneDiagramShown());
    EXPECT_EQ(store->values[L"zoneDiagram"], L"false");

    Open({{L"zoneDiagram", L"true"}, {L"zoneDiagramPosition", L"40,50"}});
    ASSERT_NE(window->ZoneDiagram(), nullptr);
    EXPECT_TRUE(IsWindowVisible(window->ZoneDiagram()->Handle()));
    EXPECT_EQ(window->ZoneDiagram()->Position(), (ScreenPoint{40, 50}));
}

// Ctrl+Shift+C: the pair's callout as the clipboard's Unicode text, in the
// style and sign of the submenus, which are kept as their words.
TEST_F(Win32MainWindow, CtrlShiftCCopiesTheCalloutInTheChosenStyle) {
    Type(kHoleBasicSize, L"25");
    EXPECT_TRUE(PressCtrl('C', true));
    EXPECT_EQ(ClipboardText(), Wide("φ25D5/d5"));
    window->RunCommand(kFirstCalloutStyleCommand + 3);  // the limits
    window->RunCommand(kFirstDiameterSignCommand + 2);  // no sign
    HMENU menu = window->CreateContextMenu();
    MENUITEMINFOW checked{};
    checked.cbSize = sizeof(checked);
    checked.fMask = MIIM_STATE;
    GetMenuItemInfoW(GetSubMenu(menu, 6), 3, TRUE, &checked);
    EXPECT_TRUE(checked.fState & MFS_CHECKED);
    GetMenuItemInfoW(GetSubMenu(menu, 6), 0, TRUE, &checked);
    EXPECT_FALSE(checked.fState & MFS_CHECKED);
    DestroyMenu(menu);
    EXPECT_TRUE(PressCtrl('C', true));
    EXPECT_EQ(ClipboardText(), L"25.074/25.065 24.935/24.926");
    EXPECT_EQ(store->values[L"calloutStyle"], L"limits");
    EXPECT_EQ(store->values[L"diameterSign"], L"none");

    // Read again strictly: a word it does not know is the default.
    Open({{L"calloutStyle", L"limits"}, {L"diameterSign", L"dia"}});
    EXPECT_EQ(window->Model().CalloutChoice(), (CalloutOptions{CalloutStyle::Limits, DiameterSign::Dia}));
    Open({{L"calloutStyle", L"Limits"}, {L"diameterSign", L"none"}});
    EXPECT_EQ(window->Model().CalloutChoice(), (CalloutOptions{CalloutStyle::Class, DiameterSign::None}));
}

TEST_F(Win32MainWindow, PasteCalloutReadsTheClipboardsUnicodeText) {
    const std::wstring callout = Wide("φ25 H7/g6");
    ASSERT_TRUE(OpenClipboard(window->Window()));
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (callout.size() + 1) * sizeof(wchar_t));
    wcscpy(static_cast<wchar_t*>(GlobalLock(data)), callout.c_str());
    GlobalUnlock(data);
    SetClipboardData(CF_UNICODETEXT, data);
    CloseClipboard();
    window->RunCommand(kPasteCalloutCommand);
    EXPECT_EQ(Text(Control(kHoleBasicSize)), "25");
    EXPECT_EQ(Text(Control(kFitKindLabel)), ja::kClearanceFit);
    EXPECT_EQ(Text(Control(kShaftDeviation)), Model(kShaftDeviation));
    EXPECT_NE(Text(Control(kShaftDeviation)).find("-7"), std::string::npos);
}

TEST_F(Win32MainWindow, CopyDialogPreviewsAndCopiesWithCrLfLineEnds) {
    Type(kHoleBasicSize, L"25");
    std::string previewAtOpen;
    onOwnDialog = [&](HWND dialog) {
        previewAtOpen = Text(GetDlgItem(dialog, copy_dialog::kPreviewEdit));
        // "はめあい" unticked, then Enter: "コピー".
        PostMessageW(GetDlgItem(dialog, copy_dialog::kIncludeFitKind), BM_CLICK, 0, 0);
        PostMessageW(GetDlgItem(dialog, copy_dialog::kIncludeFitKind), WM_KEYDOWN, VK_RETURN, 1);
    };
    SendMessageW(Control(kCopyButton), BM_CLICK, 0, 0);
    EXPECT_NE(previewAtOpen.find(ja::kClearanceFit), std::string::npos) << previewAtOpen;
    const std::wstring copied = ClipboardText();
    EXPECT_EQ(copied.find(Wide(ja::kClearanceFit)), std::wstring::npos);
    EXPECT_NE(copied.find(Wide(Model(kHoleLimitSizes))), std::wstring::npos);
    EXPECT_NE(copied.find(L"\r\n"), std::wstring::npos);
    for (std::size_t at = copied.find(L'\n'); at != std::wstring::npos; at = copied.find(L'\n', at + 1))
        EXPECT_EQ(copied[at - 1], L'\r') << at;
    EXPECT_TRUE(IsWindowEnabled(window->Window()));
}

TEST_F(Win32MainWindow, FinderListsTheModelsRowsAndPutsAChosenPairIntoTheWindow) {
    Type(kHoleBasicSize, L"25");
    window->RunCommand(kFinderCommand);
    FinderDialog* finder = window->Finder();
    ASSERT_NE(finder, nullptr);
    RECT main{};
    RECT beside{};
    GetWindowRect(window->Window(), &main);
    GetWindowRect(finder->Window(), &beside);
    // Where the shared placement puts it beside the calculator on the screen Wine reports
    // (without a remembered place), and off the calculator where that screen has room.
    MONITORINFO screen{};
    screen.cbSize = sizeof(screen);
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromWindow(window->Window(), MONITOR_DEFAULTTONEAREST), &screen));
    const auto rect = [](const RECT& r) {
        return ScreenRect{r.left, r.top, r.right - r.left, r.bottom - r.top};
    };
    const int width = beside.right - beside.left;
    EXPECT_EQ(PlaceBeside(rect(main), width, beside.bottom - beside.top, rect(screen.rcWork)),
              (ScreenPoint{beside.left, beside.top}));
    RECT overlap{};
    if (screen.rcWork.right - main.right >= width + kBesideGap) {
        EXPECT_FALSE(IntersectRect(&overlap, &main, &beside));
    }
    EXPECT_EQ(Text(finder->Control(finder_dialog::kBasicSize)), "25");
    SetWindowTextW(finder->Control(finder_dialog::kWantedMinimum), L"0.005");
    SetWindowTextW(finder->Control(finder_dialog::kWantedMaximum), L"0.05");
    HWND list = finder->Control(finder_dialog::kResults);
    const auto& rows = finder->Model().Rows();
    ASSERT_GT(rows.size(), 1u);
    ASSERT_EQ(ListView_GetItemCount(list), static_cast<int>(rows.size()));
    wchar_t first[256] = {};
    ListView_GetItemText(list, 0, 0, first, 256);
    EXPECT_EQ(Utf8(first), rows[0].text);
    ASSERT_TRUE(rows[0].fit);
    finder->Choose(0);
    EXPECT_EQ(Model(kFitKindLabel), ja::kClearanceFit);
    EXPECT_EQ(Text(Control(kHoleDeviation)), Model(kHoleDeviation));
    // Escape closes it; the window lets it go.
    MSG escape{finder->Control(finder_dialog::kWantedMaximum), WM_KEYDOWN, VK_ESCAPE, 1, 0, {}};
    EXPECT_TRUE(finder->PreTranslate(escape));
    MSG pending;
    while (PeekMessageW(&pending, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&pending);
    EXPECT_EQ(window->Finder(), nullptr);
}

// ---- the joint's dialog ----
TEST_F(Win32MainWindow, CtrlJOpensTheJointsDialogWhichShowsTheModelAndFollowsThePair) {
    Type(kHoleBasicSize, L"40");
    const auto slide = [&](int slider, int position) {
        SendMessageW(Control(slider), TBM_SETPOS, TRUE, position);
        SendMessageW(window->Window(), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0),
                     reinterpret_cast<LPARAM>(Control(slider)));
    };
    slide(kHoleLetterSlider, 4);   // H
    slide(kHoleGradeSlider, 2);    // 7
    slide(kShaftLetterSlider, 9);  // p
    slide(kShaftGradeSlider, 1);   // 6
    SetFocus(Control(kHoleBasicSize));
    MSG press{Control(kHoleBasicSize), WM_KEYDOWN, 'J', 0, 0, {}};
    BYTE keys[256] = {};
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    EXPECT_TRUE(window->PreTranslate(press));
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    PressFitDialog* dialog = window->PressFit();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(IsWindowVisible(dialog->Window()));
    wchar_t caption[64] = {};
    GetWindowTextW(dialog->Window(), caption, 64);
    EXPECT_EQ(Utf8(caption), ja::kPressFitTitle);
    const auto shown = [&](int id) { return Text(dialog->Control(id)); };
    EXPECT_EQ(shown(press_dialog::kMaximumInterference), "0.042");  // H7/p6: 0/+25 against +26/+42 μm
    SetWindowTextW(dialog->Control(press_dialog::kHubOuterDiameter), L"80");
    SetWindowTextW(dialog->Control(press_dialog::kLength), L"30");
    for (std::size_t k = 0; k < kPressFitRowCount; ++k) {
        for (int id : {press_dialog::MinimumResult(k), press_dialog::MaximumResult(k)}) {
            EXPECT_EQ(shown(id), dialog->Model().Controls().At(id).text) << id;
            EXPECT_FALSE(shown(id).empty()) << id;
        }
    }
    EXPECT_EQ(shown(press_dialog::MaximumResult(5)), "81.1125");  // p = U·206000·3/320 MPa
    slide(kShaftLetterSlider, 3);                                 // g6: a clearance, no joint
    EXPECT_TRUE(shown(press_dialog::MaximumResult(5)).empty());
    EXPECT_NE(shown(press_dialog::kFindings).find("しめしろがありません"), std::string::npos);
    MSG escape{dialog->Control(press_dialog::kLength), WM_KEYDOWN, VK_ESCAPE, 1, 0, {}};
    EXPECT_TRUE(dialog->PreTranslate(escape));
    MSG pending;
    while (PeekMessageW(&pending, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&pending);
    EXPECT_EQ(window->PressFit(), nullptr);
}
// ---- end of the joint's dialog ----

// Ctrl+T: the operating-conditions dialog, its controls showing the model's
// texts, and the diagram drawing the zones at temperature only while it is open.
TEST_F(Win32MainWindow, CtrlTOpensTheOperatingConditionsDialogAndTheDiagramFollowsIt) {
    Type(kHoleBasicSize, L"25");  // D5/d5 on the seed sliders' first marks
    window->RunCommand(kZoneDiagramCommand);
    window->RunCommand(kServiceCommand);
    ServiceDialog* dialog = window->Service();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(IsWindowVisible(dialog->Window()));
    wchar_t caption[64] = {};
    GetWindowTextW(dialog->Window(), caption, 64);
    EXPECT_EQ(Utf8(caption), ja::kServiceTitle);
    // Steel at 80 °C: D5's limits (+0.065/+0.074) grow by 11.7e-6·60.
    SetWindowTextW(dialog->Control(service_dialog::kHoleTemperature), L"80");
    const auto shown = [&](int id) { return Text(dialog->Control(id)); };
    EXPECT_EQ(shown(service_dialog::kHoleLimits), "φ25.0826 ～ 25.0916");
    for (int id :
         {service_dialog::kKind, service_dialog::kMinimumClearance, service_dialog::StatisticsResult(0, 1)})
        EXPECT_EQ(shown(id), dialog->Model().Controls().At(id).text) << id;
    ASSERT_NE(window->ZoneDiagram(), nullptr);
    EXPECT_EQ(window->ZoneDiagram()->Scene().serviceZones.size(), 2u);
    MSG escape{dialog->Control(service_dialog::kHoleTemperature), WM_KEYDOWN, VK_ESCAPE, 1, 0, {}};
    EXPECT_TRUE(dialog->PreTranslate(escape));
    MSG pending;
    while (PeekMessageW(&pending, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&pending);
    EXPECT_EQ(window->Service(), nullptr);
    EXPECT_TRUE(window->ZoneDiagram()->Scene().serviceZones.empty());
}

// The sheet as a printer gets it: painted into an enhanced metafile (a
// printer's DC records the same calls), its texts read back from the records.
int CALLBACK CollectSheetText(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
    if (record->iType == EMR_EXTTEXTOUTW) {
        const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
        const auto* units =
            reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) + text->emrtext.offString);
        *reinterpret_cast<std::string*>(data) += Utf8(std::wstring(units, text->emrtext.nChars)) + "\n";
    }
    return 1;
}

TEST_F(Win32MainWindow, ThePrintedSheetHoldsTheCalloutAndTheValuesOnOnePage) {
    Type(kHoleBasicSize, L"25");  // D5/d5
    HDC reference = GetDC(nullptr);
    // A4 in 0.01 mm; the page drawn at 300 dpi.
    const RECT frame{0, 0, 21000, 29700};
    HDC page = CreateEnhMetaFileW(reference, nullptr, &frame, nullptr);
    ReleaseDC(nullptr, reference);
    ASSERT_NE(page, nullptr);
    PaintSheet(page, 2480, 3508, window->Sheet(), DialogFace());
    HENHMETAFILE recorded = CloseEnhMetaFile(page);
    ASSERT_NE(recorded, nullptr);
    std::string texts;
    EnumEnhMetaFile(nullptr, recorded, CollectSheetText, &texts, nullptr);
    DeleteEnhMetaFile(recorded);
    for (std::string_view expected :
         {std::string_view(ja::kSheetTitle), std::string_view("φ25D5/d5"),
          std::string_view("φ25.0650 ～ 25.0740"), std::string_view("すきまばめ")})
        EXPECT_NE(texts.find(expected), std::string::npos) << expected << "\n" << texts;
}

BOOL CALLBACK FindTooltips(HWND window, LPARAM data) {
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    auto& found = *reinterpret_cast<std::pair<HWND, HWND>*>(data);
    if (std::wstring_view(name) == TOOLTIPS_CLASSW && GetWindow(window, GW_OWNER) == found.first)
        found.second = window;
    return TRUE;
}

// The tooltip the window gives a control.
std::string TooltipOf(HWND dialog, HWND control) {
    std::pair<HWND, HWND> found{dialog, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindTooltips, reinterpret_cast<LPARAM>(&found));
    wchar_t text[1024] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text;
    SendMessageW(found.second, TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&tool));
    std::string utf8 = Utf8(text);
    std::erase(utf8, '\r');
    return utf8;
}

TEST_F(Win32MainWindow, AnEditReadInPartIsTintedWithItsTooltip) {
    HWND edit = Control(kHoleBasicSize);
    EXPECT_EQ(TooltipOf(window->Window(), edit), window->Model().Controls().At(kHoleBasicSize).tooltip);
    const auto tint = [&] {
        HDC dc = CreateCompatibleDC(nullptr);
        SendMessageW(window->Window(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(edit));
        const COLORREF background = GetBkColor(dc);
        DeleteDC(dc);
        return background;
    };
    const COLORREF plain = tint();
    Type(kHoleBasicSize, L"25,5");
    ASSERT_TRUE(window->Model().Controls().At(kHoleBasicSize).partial);
    EXPECT_NE(tint(), plain);
    EXPECT_EQ(TooltipOf(window->Window(), edit), PartialNumberTooltip("25"));
    Type(kHoleBasicSize, L"\b\b");  // "25"
    EXPECT_EQ(tint(), plain);
    EXPECT_EQ(TooltipOf(window->Window(), edit), window->Model().Controls().At(kHoleBasicSize).tooltip);
}

TEST_F(Win32MainWindow, TabOrderIsTheTemplatesAndEditsHoldTheModelsLimit) {
    std::vector<int> expected;
    for (const ControlTemplate& t : kMainDialog.controls) {
        HWND control = Control(t.id);
        if (IsTabStop(t.kind) && control != nullptr && IsWindowEnabled(control) && IsWindowVisible(control))
            expected.push_back(t.id);
    }
    ASSERT_GT(expected.size(), 5u);
    // Every input edit holds as much as the models take.
    for (const ControlTemplate& t : kMainDialog.controls) {
        if (t.kind == ControlKind::InputEdit) {
            EXPECT_EQ(SendMessageW(Control(t.id), EM_GETLIMITTEXT, 0, 0),
                      static_cast<LRESULT>(kEditTextLimit));
        }
    }
    std::vector<int> tabbed;
    HWND at = Control(expected.front());
    do {
        tabbed.push_back(GetDlgCtrlID(at));
        at = GetNextDlgTabItem(window->Window(), at, FALSE);
    } while (at != nullptr && at != Control(expected.front()) && tabbed.size() < 200);
    EXPECT_EQ(tabbed, expected);
}

// F1: a document nowhere is the model's message; one found that the desktop
// cannot open gets a message naming where it is (nothing is opened here).
TEST_F(Win32MainWindow, HelpThatCannotBeOpenedSaysWhereTheDocumentIs) {
    const std::filesystem::path unopenable = L"C:\\tolvo-test-nowhere\\Tolvo.html";
    const std::string missing = FillIn(ja::kHelpMissingMessage, {"Tolvo.exe"});
    const std::string unopened = FillIn(ja::kHelpOpenFailedMessage, {Utf8(unopenable.wstring())});
    for (const auto& [document, expected] : {std::pair{std::optional<std::filesystem::path>(), missing},
                                             std::pair{std::optional(unopenable), unopened}}) {
        help.document = document;
        boxes.clear();
        MSG f1{Control(kHoleBasicSize), WM_KEYDOWN, VK_F1, 1, 0, {}};
        EXPECT_TRUE(window->PreTranslate(f1));
        ASSERT_EQ(boxes.size(), 1u) << boxes.back().caption << ": " << boxes.back().text;
        std::string text = expected;
        std::erase(text, '\n');
        std::erase(boxes[0].text, '\n');
        std::erase(boxes[0].text, '\r');
        EXPECT_EQ(boxes[0].text, text);
    }
}

TEST_F(Win32MainWindow, EscapeEndsTheWindow) {
    MSG escape{Control(kHoleBasicSize), WM_KEYDOWN, VK_ESCAPE, 1, 0, {}};
    EXPECT_TRUE(window->PreTranslate(escape));
    EXPECT_TRUE(window->Model().Ended());
    EXPECT_FALSE(IsWindowVisible(window->Window()));
}

// Every one-line text of a control fits its control at 100 %, 150 % and 200 %.
TEST_F(Win32MainWindow, NoTextIsClippedAtAnyScale) {
    Type(kHoleBasicSize, L"25");
    for (UINT dpi : {96u, 144u, 192u}) {
        RECT frame{};
        GetWindowRect(window->Window(), &frame);
        SendMessageW(window->Window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&frame));
        for (const ControlTemplate& t : kMainDialog.controls) {
            HWND control = Control(t.id);
            if (control == nullptr || !IsWindowVisible(control) || (t.style & kTwoLines)) continue;
            if (t.kind != ControlKind::Static && t.kind != ControlKind::Radio &&
                t.kind != ControlKind::CheckBox && t.kind != ControlKind::PushButton &&
                t.kind != ControlKind::DefaultPushButton && t.kind != ControlKind::OutputEdit)
                continue;
            const std::wstring text = Wide(Text(control));
            if (text.empty()) continue;
            auto* font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
            RECT client{};
            GetClientRect(control, &client);
            int indicator = 0;
            if (t.kind == ControlKind::Radio || t.kind == ControlKind::CheckBox)
                indicator = GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi);
            std::wstring shown = text;
            if (t.kind != ControlKind::Static) std::erase(shown, L'&');
            EXPECT_LE(DialogLayout::TextWidth(font, shown) + indicator, client.right)
                << t.id << " at " << dpi;
            EXPECT_LE(DialogLayout::LineHeight(font), client.bottom + 2) << t.id << " at " << dpi;
        }
    }
}

}  // namespace
}  // namespace tolvo::win32
