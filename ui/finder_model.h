// The fit finder "はめあい検索" without a display: a non-modal dialog beside
// the main window. From a basic size and the wanted clearance it lists every
// pair of classes that gives it, ranked, and the closest misses; a chosen row
// goes into the main window through the main window's own user actions. Its
// measured-parts section (実測チェック) checks measured holes and shafts
// against the main window's current pair.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/fit_finder.h"
#include "ui/control_states.h"
#include "ui/main_model.h"

namespace tolvo {

struct FinderRow {
    std::string text;
    std::optional<FoundFit> fit;  // none: a line between the pairs, which cannot be chosen
};

class FinderModel {
  public:
    // At most this many meeting pairs are listed; a last line counts the rest.
    static constexpr int kListedFits = 100;

    // Opens the dialog over the main window (which must outlive it): the basic
    // size as the main window's hole has it, hole basis, the main window's range.
    explicit FinderModel(MainModel& main);

    // User actions; each is ignored once the dialog is closed or when the
    // control cannot take it.
    void OnEditChanged(int id, std::string_view text);
    void OnClicked(int id);
    void OnFocus(int id);
    void OnEscape();
    // Double click or Enter on a row: puts its pair into the main window as
    // the user would set it there (radios, sliders, the whole range when the
    // pair needs it, the basic size when it differs), messages included. A
    // fixed side stays as it is. False for a row that holds no pair.
    bool OnChooseRow(int row);
    // The main window has changed: the fixed side and the measured check follow it.
    void Refresh();

    const ControlStates& Controls() const { return controls_; }
    int Focus() const { return focus_; }
    bool Closed() const { return closed_; }
    const std::vector<FinderRow>& Rows() const { return rows_; }
    // The last search; its problem is None also while nothing could be searched.
    const FitSearch& Search() const { return search_; }
    std::optional<int> TakeSelectAllRequest();

  private:
    struct Inputs;
    std::optional<Inputs> ReadInputs();
    void Update();
    void UpdateMeasured(const std::optional<ClearanceRange>& wanted);
    void ApplyClass(const FeaturePanel& panel, const iso286::ToleranceClass& toleranceClass);
    std::optional<FixedFeature> Fixed(const FeaturePanel& panel) const;
    bool Open() const { return !closed_; }

    MainModel& main_;
    ControlStates controls_;
    std::vector<FinderRow> rows_;
    FitSearch search_;
    int focus_ = finder_dialog::kWantedMinimum;
    bool closed_ = false;
    std::optional<int> selectAllRequest_;
};

}  // namespace tolvo
