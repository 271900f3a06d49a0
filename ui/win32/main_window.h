// The calculator's window: template 102 as Win32 controls, a thin view over
// MainModel, which it owns, and the DialogHost the model asks for message
// boxes, the clipboard, help, the About box and the copy dialog.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "ui/dialog_host.h"
#include "ui/help_search.h"
#include "ui/main_model.h"
#include "ui/win32/companion_dialog.h"
#include "ui/win32/finder_dialog.h"
#include "ui/win32/model_view.h"
#include "ui/win32/settings.h"
#include "ui/win32/zone_window.h"

namespace tolvo::win32 {

// The commands of the context menu and their accelerators.
enum MenuCommand : WORD {
    kFullRangeCommand = 40001,
    kFinderCommand,
    kPasteCalloutCommand,
    kZoneDiagramCommand,
    kCopyCalloutCommand,
    // One per item of the callout's submenus, in the order of CalloutStyles()
    // and DiameterSigns().
    kFirstCalloutStyleCommand = 40010,
    kFirstDiameterSignCommand = 40020,
    kLastMenuCommand = 40029,
};

// The joint's dialog "圧入計算" and the operating conditions' "使用条件", apart from the menu's run of
// commands.
inline constexpr WORD kPressFitCommand = 40101;
inline constexpr WORD kServiceCommand = 40102;
// "印刷…": the calculation sheet through the system's print dialog (its PDF printer among the printers).
inline constexpr WORD kPrintCommand = 40103;

// A shortcut as the menus write it ("Ctrl+Shift+V") as an accelerator; none
// for a text that names no key.
std::optional<ACCEL> ShortcutAccelerator(std::string_view shortcut, WORD command);

// The model and the options it starts from, made before the window's
// controls, so that they are made showing the model's first states.
struct MainWindowStart {
    MainWindowStart(DialogHost& host, const HelpSearch& help, std::unique_ptr<SettingsStore> settings);
    OptionSettings settings_;
    std::unique_ptr<MainModel> owned_;
};

class MainWindow : private DialogHost, private MainWindowStart, public ModelView<MainModel> {
  public:
    // The help search must outlive the window.
    MainWindow(const HelpSearch& help, std::unique_ptr<SettingsStore> settings);
    ~MainWindow() override;

    const MainModel& Model() const { return *owned_; }
    FinderDialog* Finder() const { return finder_.get(); }
    // The diagram's window, none until it is first shown.
    ZoneWindow* ZoneDiagram() const { return zoneWindow_.get(); }
    PressFitDialog* PressFit() const { return pressFit_.get(); }
    ServiceDialog* Service() const { return service_.get(); }
    // Shows the window, centred on the primary screen's work area.
    void Show(int showCommand);
    // Runs the window until the model ends it; false when WM_QUIT came first.
    bool Run();
    // A command of the context menu (also its accelerator).
    void RunCommand(WORD command);
    // The context menu as it would open now, with the callout's submenus (the
    // caller destroys it).
    HMENU CreateContextMenu() const;
    // The calculation sheet of the window as it stands, with the open dialogs' sections, dated today.
    CalculationSheet Sheet() const;
    // Its accelerators first, then the keys and dialog navigation.
    bool PreTranslate(MSG& msg) override;

  protected:
    void AfterMirror() override;
    void OnModelEnded() override;
    bool OnKey(WPARAM key) override;
    bool OnChar(int id, wchar_t c) override;
    std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // DialogHost
    void ShowMessage(std::string_view caption, std::string_view text) override;
    void PlaceOnClipboard(std::string_view text) override;
    bool OpenDocument(const std::filesystem::path& file) override;
    void RunAboutBox() override;
    bool RunCopyDialog(CopyModel& dialog) override;

    void MakeFonts();
    // Shows the seed marks or the whole range's marks and class texts.
    void MirrorRange();
    void LayOutWholeRangeMarks();
    void MirrorZoneDiagram();
    void SetFullRange(bool on);
    void SetZoneDiagram(bool on);
    void OpenFinder();
    void OpenPressFit();
    void OpenService();
    void PrintCalculationSheet();
    void PasteCallout();
    void SetCalloutOptions(const CalloutOptions& options);
    bool IsClassControl(int id) const;

    HACCEL accelerators_ = nullptr;
    HFONT fitKindFont_ = nullptr;
    HFONT markFont_ = nullptr;
    HBRUSH fitKindBrush_ = nullptr;
    COLORREF fitKindText_ = 0;
    std::optional<FitClassRange> shownRange_;
    std::unique_ptr<FinderDialog> finder_;
    std::unique_ptr<ZoneWindow> zoneWindow_;  // made when the diagram is first shown
    bool zoneWindowPlaced_ = false;
    std::unique_ptr<PressFitDialog> pressFit_;
    std::unique_ptr<ServiceDialog> service_;
    bool ended_ = false;
    wchar_t highSurrogate_ = 0;  // the first half of a character typed on a class control
};

}  // namespace tolvo::win32
