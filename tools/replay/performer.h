// What a replay drives: the script runner (replay.cpp) parses each event,
// checks that a user could do it (against the window models) and asks a
// Performer to do it; a dump asks the Performer what each window shows. The
// models' performer (tolvo-replay) calls their handlers; the Win32 one
// (tolvo-win32-replay) sends the real messages to the real controls and reads
// them back.
#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/callout.h"
#include "tools/driver/recording_host.h"
#include "ui/copy_model.h"
#include "ui/finder_model.h"
#include "ui/main_model.h"
#include "ui/press_fit_model.h"
#include "ui/scroll_code.h"
#include "ui/service_model.h"

namespace tolvo {

// An event a performer cannot do (the real window has no command for it):
// the replay stops with status 3.
struct NotPerformed : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The windows a script talks to.
// PressFit and Service: the non-modal dialogs "圧入計算" and "使用条件".
enum class Pane { Main, CopyDialog, Finder, PressFit, Service };
enum class ReplayKey { Enter, Escape, F1 };

// A row of the finder's result list as the list shows it.
struct ShownRow {
    std::string text;
    bool choosable = false;  // it holds a pair: it can be selected and chosen
};

class Performer {
  public:
    virtual ~Performer() = default;

    // The models, for the runner's checks and for what the dump takes from them.
    virtual const MainModel& Main() const = 0;
    // The copy dialog's while it is open, the finder's while it is open.
    virtual const CopyModel* CopyDialog() const = 0;
    virtual const FinderModel* Finder() const = 0;
    // The joint's and the operating conditions' while each is open.
    virtual const PressFitModel* PressFit() const = 0;
    virtual const ServiceModel* Service() const = 0;
    // Runs the copy dialog's events until it has ended; set by the runner.
    std::function<void()> runCopyDialog;

    // ---- events in a pane (the runner has checked them) ----
    virtual void Focus(Pane pane, int id) = 0;
    virtual void SetText(Pane pane, int id, std::string_view text) = 0;
    // Keystrokes into the edit that has the focus.
    virtual void Type(Pane pane, std::string_view text) = 0;
    virtual void Backspaces(Pane pane, long long count) = 0;
    virtual void Click(Pane pane, int id) = 0;
    virtual void Key(Pane pane, ReplayKey key) = 0;
    // A scroll bar of the pane: a material's in the two dialogs, the general class's in the main window.
    virtual void Scroll(Pane pane, int id, ScrollCode code) = 0;

    // ---- events of the main window ----
    virtual void Slide(int id, int position) = 0;
    // One keystroke on a class control at a time in milliseconds.
    virtual void ClassChars(int id, std::string_view keystroke, long long timeMs) = 0;
    virtual void SystemCommand(unsigned command) = 0;
    virtual void SetFullRange(bool on) = 0;
    virtual void SetZoneDiagram(bool on) = 0;
    virtual void SetCalloutOptions(const CalloutOptions& options) = 0;
    virtual void CopyCallout() = 0;
    virtual void PasteCallout(std::string_view text) = 0;
    virtual void OpenFinder() = 0;
    virtual void ChooseRow(int row) = 0;
    virtual void CloseFinder() = 0;
    // Pane::PressFit or Pane::Service: the context menu's item (nothing more
    // while it is open), and its close box.
    virtual void OpenCompanion(Pane pane) = 0;
    virtual void CloseCompanion(Pane pane) = 0;
    // After every event outside the copy dialog.
    virtual void AfterEvent() = 0;

    // ---- what the windows show ----
    // Every control of the pane's model, as its control shows it.
    virtual ControlStates Shown(Pane pane) const = 0;
    virtual int ShownFocus(Pane pane) const = 0;
    virtual std::optional<LabelColors> ShownFitColors() const = 0;
    virtual std::vector<ShownRow> ShownRows() const = 0;
    // The options as the context menu's items show them (checked or not).
    virtual bool ShownFullRange() const = 0;
    virtual bool ShownZoneDiagram() const = 0;
    // What the windows asked of the outside world since the last call.
    virtual std::vector<RecordingHost::Request> TakeLog() = 0;
};

}  // namespace tolvo
