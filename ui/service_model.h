// The operating-conditions dialog "使用条件" without a display: a non-modal
// dialog beside the main window. It takes the main window's pair, following
// every change there, with each part's material (or its α typed over),
// temperature and spread, or one range of temperatures for both parts, and
// shows what core/service_conditions.h works out: the fit at temperature or
// over the range, and the statistics of the clearance. A bad input is named on
// its message line, and nothing is computed then; what was typed stays.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/calculation_sheet.h"
#include "core/service_conditions.h"
#include "core/zone_diagram.h"
#include "ui/control_states.h"
#include "ui/main_model.h"
#include "ui/scroll_code.h"

namespace tolvo {

class ServiceModel {
  public:
    // Opens the dialog over the main window (which must outlive it): steel
    // parts at 20 °C, Cp 1, no shift, the normal distribution. While open it
    // gives the main window's copied report its lines and the zone diagram
    // its overlay.
    explicit ServiceModel(MainModel& main);
    // The dialog the views build for it.
    static const DialogTemplate& Template() { return kServiceDialog; }
    ~ServiceModel();
    ServiceModel(const ServiceModel&) = delete;
    ServiceModel& operator=(const ServiceModel&) = delete;

    // User actions; each is ignored once the dialog is closed or when the
    // control cannot take it.
    void OnEditChanged(int id, std::string_view text);
    void OnClicked(int id);
    // A material's scroll bar: up the list's previous material, down its next.
    void OnClassScroll(int id, ScrollCode code);
    void OnFocus(int id);
    void OnEscape();
    // The main window has changed: the pair follows it.
    void Refresh();

    const ControlStates& Controls() const { return controls_; }
    int Focus() const { return focus_; }
    bool Closed() const { return closed_; }
    // What was last computed; none while an input is refused or the main window has no pair.
    const std::optional<ServiceResult>& Result() const { return result_; }
    // The zone diagram's outlines at temperature and ±3σ band; none while nothing is computed.
    std::optional<ZoneServiceOverlay> Overlay() const;
    // The lines the copied report adds ("\r\n" between them); empty while nothing is computed.
    std::string ReportText() const;
    // The calculation sheet's section; none while nothing is computed.
    std::optional<SheetSection> SheetSectionOf() const;
    std::optional<int> TakeSelectAllRequest() { return std::nullopt; }

  private:
    std::optional<ServiceInput> ReadInput();
    void SetMaterial(bool hole, std::size_t index);
    void Update();
    void ShowResult(const ServiceResult& result);
    // The blocks of the result, each line ended by "\n"; a heading first.
    std::string Lines() const;
    bool Open() const { return !closed_; }

    MainModel& main_;
    ControlStates controls_;
    int focus_;
    bool closed_ = false;
    std::size_t holeMaterial_ = 0;  // in Materials()
    std::size_t shaftMaterial_ = 0;
    std::optional<ServiceInput> input_;
    std::optional<ServiceResult> result_;
};

}  // namespace tolvo
