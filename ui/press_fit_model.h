// The joint's dialog "圧入計算" without a display: a non-modal dialog beside
// the main window. It takes the interference from the main window's pair,
// following every change there, or as typed; the joint's inputs and their
// materials; and shows what core/press_fit.h computes for the minimum and the
// maximum interference side by side, its warnings and notes. A bad input is
// named on its message line, and nothing is computed then.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/calculation_sheet.h"
#include "core/press_fit.h"
#include "core/texts_ja.h"
#include "ui/control_states.h"
#include "ui/main_model.h"
#include "ui/scroll_code.h"

namespace tolvo {

class PressFitModel {
  public:
    // Opens the dialog over the main window (which must outlive it): steel hub
    // and shaft, a solid shaft, μ 0.1, the pair's interference. While open it
    // gives the main window's copied report its lines.
    explicit PressFitModel(MainModel& main);
    // The dialog the views build for it.
    static const DialogTemplate& Template() { return kPressFitDialog; }
    ~PressFitModel();
    PressFitModel(const PressFitModel&) = delete;
    PressFitModel& operator=(const PressFitModel&) = delete;

    // User actions; each is ignored once the dialog is closed or when the
    // control cannot take it.
    void OnEditChanged(int id, std::string_view text);
    void OnClicked(int id);
    // A material's scroll bar: up the list's previous material, down its next.
    void OnClassScroll(int id, ScrollCode code);
    void OnFocus(int id);
    void OnEscape();
    // The main window has changed: a pair's interference follows it.
    void Refresh();

    const ControlStates& Controls() const { return controls_; }
    int Focus() const { return focus_; }
    bool Closed() const { return closed_; }
    // The joint last computed; none while an input is refused.
    const std::optional<PressFitResult>& Result() const { return result_; }
    // The lines the copied report adds ("\r\n" between them); empty while nothing is computed.
    std::string ReportText() const;
    // The calculation sheet's section; none while nothing is computed.
    std::optional<SheetSection> SheetSectionOf() const {
        return SheetSectionFromLines(std::string(ja::kPressFitTitle), ReportText());
    }
    std::optional<int> TakeSelectAllRequest() { return std::nullopt; }

  private:
    std::optional<PressFitInput> ReadInput();
    void SetMaterial(bool hub, std::size_t index);
    void ShowLivePair();
    void Update();
    void ShowResult(const PressFitInput& input, const PressFitResult& result);
    bool Open() const { return !closed_; }

    MainModel& main_;
    ControlStates controls_;
    int focus_;
    bool closed_ = false;
    std::size_t hubMaterial_ = 0;  // in Materials()
    std::size_t shaftMaterial_ = 0;
    // What the user typed for the joint diameter and the interference, kept while the pair's are shown.
    std::optional<std::array<std::string, 3>> typed_;
    std::optional<PressFitInput> input_;
    std::optional<PressFitResult> result_;
};

}  // namespace tolvo
