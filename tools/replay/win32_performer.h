// The real Win32 window's performer (tolvo-win32-replay): every event is the
// message a user's gesture gives the real control of the real windows
// (WM_CHAR and EM_REPLACESEL into the edit, WM_HSCROLL and WM_VSCROLL to the
// slider and scroll bar, BM_CLICK, the menu commands, keys through the
// window's own message loop), and a dump reads back what each control shows.
// Message boxes are the real MessageBoxW, read and answered with OK as they
// appear; the clipboard is the real one.
#pragma once

#include <exception>
#include <optional>
#include <vector>

#include "tools/replay/performer.h"
#include "ui/help_search.h"
#include "ui/win32/copy_dialog.h"
#include "ui/win32/main_window.h"

namespace tolvo {

class Win32Performer : public Performer {
  public:
    // Opens the calculator window, its options kept in memory only.
    explicit Win32Performer(const HelpSearch& help);
    ~Win32Performer() override;

    const MainModel& Main() const override { return window_.Model(); }
    const PressFitModel* PressFit() const override;
    const ServiceModel* Service() const override;
    const CopyModel* CopyDialog() const override { return copy_ ? &copy_->Model() : nullptr; }
    const FinderModel* Finder() const override;

    void Focus(Pane pane, int id) override;
    void SetText(Pane pane, int id, std::string_view text) override;
    void Type(Pane pane, std::string_view text) override;
    void Backspaces(Pane pane, long long count) override;
    void Click(Pane pane, int id) override;
    void Key(Pane pane, ReplayKey key) override;
    void Scroll(Pane pane, int id, ScrollCode code) override;

    void Slide(int id, int position) override;
    void ClassChars(int id, std::string_view keystroke, long long timeMs) override;
    void SystemCommand(unsigned command) override;
    void SetFullRange(bool on) override;
    void SetZoneDiagram(bool on) override;
    void SetCalloutOptions(const CalloutOptions& options) override;
    void CopyCallout() override;
    void PasteCallout(std::string_view text) override;
    void OpenFinder() override;
    void ChooseRow(int row) override;
    void CloseFinder() override;
    void OpenCompanion(Pane pane) override;
    void CloseCompanion(Pane pane) override;
    void AfterEvent() override { Settle(); }

    ControlStates Shown(Pane pane) const override;
    int ShownFocus(Pane pane) const override;
    std::optional<LabelColors> ShownFitColors() const override;
    std::vector<ShownRow> ShownRows() const override;
    bool ShownFullRange() const override { return MenuChecked(win32::kFullRangeCommand); }
    bool ShownZoneDiagram() const override { return MenuChecked(win32::kZoneDiagramCommand); }
    std::vector<RecordingHost::Request> TakeLog() override;

  private:
    static LRESULT CALLBACK WatchActivations(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK DriverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // A window of the thread is being activated: a message box, the About box or the copy dialog.
    void Activated(HWND window);
    void RunCopyDialogEvents();

    win32::DialogView& View(Pane pane) const;
    template <typename F>
    void WithModel(Pane pane, F&& f) const;
    // Runs the thread's messages as the window's own loop does, until none is waiting.
    void Pump();
    // After each event: the messages run, a new clipboard text logged, a
    // failure inside the copy dialog's events passed on.
    void Settle();
    void NoteClipboard();
    void Command(WORD command);
    bool MenuChecked(WORD command) const;

    win32::MainWindow window_;
    win32::CopyDialog* copy_ = nullptr;  // while its events run
    HWND copyWindow_ = nullptr;          // the copy dialog whose events have started
    HWND driver_ = nullptr;              // takes the posted start of the copy dialog's events
    HHOOK hook_ = nullptr;
    std::vector<RecordingHost::Request> log_;
    DWORD clipboardSeen_ = 0;
    std::exception_ptr failure_;  // from inside the copy dialog's events
    // The real time of the first `chars` event and its script time.
    std::optional<std::pair<ULONGLONG, long long>> charsStart_;
};

}  // namespace tolvo
