// The calculator window without a display: the state of every control of the
// main dialog, the two features, the fit, the report options, and the
// handlers that run on each user action in the order the standards' checks
// require.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/callout.h"
#include "core/feature.h"
#include "core/fit_evaluation.h"
#include "core/fit_table.h"
#include "core/iso286_table.h"
#include "core/messages.h"
#include "core/zone_diagram.h"
#include "ui/control_states.h"
#include "ui/dialog_host.h"
#include "ui/help_search.h"
#include "ui/report.h"
#include "ui/scroll_code.h"

namespace tolvo {

// The window's options for the callout: the style copied and the diameter sign.
struct CalloutOptions {
    CalloutStyle style = CalloutStyle::Class;
    DiameterSign sign = DiameterSign::Phi;
    friend bool operator==(const CalloutOptions&, const CalloutOptions&) = default;
};

// How the main window ended.
enum class EndResult { Ok, Cancel };

// The controls of one feature panel of the main dialog.
struct FeaturePanel {
    FeatureKind kind;
    int basicSize;
    int fitRadio;
    int generalRadio;
    int freeRadio;
    int letterSlider;
    int gradeSlider;
    int letterCaption;
    int gradeCaption;
    decltype(main_dialog::kHoleLetterMarks) letterMarks;  // the classic slice's D..P
    decltype(main_dialog::kHoleGradeMarks) gradeMarks;    // and 5..12
    int classLabel;
    int classScroll;
    int classText;  // the whole range's class, "H7"
    std::array<int, iso286::kLetterCount> wholeLetterMarks;
    std::array<int, iso286::kGradeCount> wholeGradeMarks;
    int freeFirst;
    int freeSecond;
    int freeFirstUnit;
    int freeSecondUnit;
    int deviation;
    int tolerance;
    int limitSizes;
    int meanValue;
};

namespace main_dialog {

inline constexpr FeaturePanel kHolePanel{.kind = FeatureKind::Hole,
                                         .basicSize = kHoleBasicSize,
                                         .fitRadio = kHoleFitRadio,
                                         .generalRadio = kHoleGeneralRadio,
                                         .freeRadio = kHoleFreeRadio,
                                         .letterSlider = kHoleLetterSlider,
                                         .gradeSlider = kHoleGradeSlider,
                                         .letterCaption = kHoleLetterCaption,
                                         .gradeCaption = kHoleGradeCaption,
                                         .letterMarks = kHoleLetterMarks,
                                         .gradeMarks = kHoleGradeMarks,
                                         .classLabel = kHoleClassLabel,
                                         .classScroll = kHoleClassScroll,
                                         .classText = kHoleClassText,
                                         .wholeLetterMarks = kHoleWholeLetterMarks,
                                         .wholeGradeMarks = kHoleWholeGradeMarks,
                                         .freeFirst = kHoleFreeFirst,
                                         .freeSecond = kHoleFreeSecond,
                                         .freeFirstUnit = kHoleFreeFirstUnit,
                                         .freeSecondUnit = kHoleFreeSecondUnit,
                                         .deviation = kHoleDeviation,
                                         .tolerance = kHoleTolerance,
                                         .limitSizes = kHoleLimitSizes,
                                         .meanValue = kHoleMeanValue};
inline constexpr FeaturePanel kShaftPanel{.kind = FeatureKind::Shaft,
                                          .basicSize = kShaftBasicSize,
                                          .fitRadio = kShaftFitRadio,
                                          .generalRadio = kShaftGeneralRadio,
                                          .freeRadio = kShaftFreeRadio,
                                          .letterSlider = kShaftLetterSlider,
                                          .gradeSlider = kShaftGradeSlider,
                                          .letterCaption = kShaftLetterCaption,
                                          .gradeCaption = kShaftGradeCaption,
                                          .letterMarks = kShaftLetterMarks,
                                          .gradeMarks = kShaftGradeMarks,
                                          .classLabel = kShaftClassLabel,
                                          .classScroll = kShaftClassScroll,
                                          .classText = kShaftClassText,
                                          .wholeLetterMarks = kShaftWholeLetterMarks,
                                          .wholeGradeMarks = kShaftWholeGradeMarks,
                                          .freeFirst = kShaftFreeFirst,
                                          .freeSecond = kShaftFreeSecond,
                                          .freeFirstUnit = kShaftFreeFirstUnit,
                                          .freeSecondUnit = kShaftFreeSecondUnit,
                                          .deviation = kShaftDeviation,
                                          .tolerance = kShaftTolerance,
                                          .limitSizes = kShaftLimitSizes,
                                          .meanValue = kShaftMeanValue};

}  // namespace main_dialog

class MainModel {
  public:
    // System commands: the About item of the system menu, and Close.
    static constexpr unsigned kAboutCommand = 0x0010;
    static constexpr unsigned kCloseCommand = 0xF060;

    // Starts the window: fit mode on both sides, the shaft following the
    // hole's basic size, placeholders everywhere, the focus in the hole's
    // basic size. Both ports must outlive the model.
    MainModel(DialogHost& host, const HelpSearch& help);

    // User actions, each forwarded once by the view. An action on a control
    // that cannot take it (disabled, read-only, unknown) is ignored, and so is
    // every action after the window has ended.
    void OnEditChanged(int id, std::string_view text);  // the user changed an input edit's text
    void OnClicked(int id);  // radio button, check box or push button; auto buttons change state first
    void OnSliderPosition(int id, int position);  // a slider reports its position
    void OnClassScroll(int id, ScrollCode code);  // a class scroll bar notification
    void OnEnter();                               // Enter anywhere in the window
    void OnEscape();
    void OnHelp();  // F1 or "ヘルプ(F1)"
    void OnSystemCommand(unsigned command);
    void OnFocus(int id);  // the user moved the focus
    // Characters typed at timeMs (milliseconds, any origin) on a class control:
    // a letter or grade slider in fit mode, or a general-class scroll bar. As a
    // list box selects by typing, they extend the text typed there before, or
    // start it anew after a pause of a second or on another control; the class
    // that text names is selected as with the sliders or the scroll bar
    // (messages and corrections included). Text naming no class changes nothing.
    void OnClassChars(int id, std::string_view text, std::int64_t timeMs);
    // A fit callout pasted into the window ("φ25 H7/g6"): the hole's basic
    // size, then each named side's fit mode and class, set as the user would
    // (the shaft's size follows the hole's as the window does). A class or
    // size beyond the range switches to the whole ISO 286 range first. A text
    // that is no callout gets a message and changes nothing.
    void OnPasteCallout(std::string_view text);
    // The window's option "ISO 286 全範囲": off, the seed range of classes;
    // on, the whole ISO 286 system. Each feature keeps its letter and grade
    // where the other range has them and otherwise takes the nearest one;
    // then the size and class checks run and everything is re-evaluated.
    void SetFullRange(bool on);
    FitClassRange Range() const { return range_; }
    const ClassRange& Classes() const { return RangeOf(range_); }
    // The window's option "公差域図": whether the tolerance-zone diagram is
    // shown. It changes nothing else in the window.
    void SetZoneDiagram(bool on) { zoneDiagram_ = on; }
    bool ZoneDiagramShown() const { return zoneDiagram_; }
    // The features as the diagram draws them: each only while it shows values.
    ZoneDiagramInput ZoneInput() const;
    ZoneScene Zones() const { return BuildZoneScene(ZoneInput()); }

    // ---- the callout as a drawing writes it ----
    // The style and the sign the copy-callout command and the copy dialog's
    // callout line write. They change nothing else in the window.
    void SetCalloutOptions(const CalloutOptions& options) { calloutOptions_ = options; }
    const CalloutOptions& CalloutChoice() const { return calloutOptions_; }
    // The pair's callout in the chosen style; none unless both features show values.
    std::optional<std::string> PairCallout() const;
    // The context menu's "はめあい記号をコピー": the pair's callout onto the
    // clipboard, or the copy command's message when there is none.
    void OnCopyCallout();
    // ---- end of the callout ----
    // A feature's callout (the calculation sheet writes every style); none
    // unless it shows values.
    std::optional<FeatureCallout> FeatureCalloutOf(FeatureKind kind) const {
        return CalloutOf(kind == FeatureKind::Hole ? main_dialog::kHolePanel : main_dialog::kShaftPanel);
    }

    // ---- the joint's dialog ----
    // While the dialog "圧入計算" is open, its lines for the copied report
    // (empty while it shows no joint); cleared when it closes.
    void SetPressFitReport(std::function<std::string()> report) { pressFitReport_ = std::move(report); }
    // ---- end of the joint's dialog ----

    // ---- the operating-conditions dialog ----
    // While the operating-conditions dialog is open it gives the diagram its overlay; an empty function:
    // none.
    void SetZoneOverlay(std::function<std::optional<ZoneServiceOverlay>()> overlay) {
        zoneOverlay_ = std::move(overlay);
    }
    // While the dialog "使用条件" is open, its lines for the copied report
    // (empty while it shows no results); cleared when it closes.
    void SetServiceReport(std::function<std::string()> report) { serviceReport_ = std::move(report); }
    // ---- end of the operating-conditions dialog ----

    const ControlStates& Controls() const { return controls_; }
    int Focus() const { return focus_; }
    std::optional<EndResult> Ended() const { return ended_; }
    // The colours of the fit-kind label, none for its default look.
    std::optional<LabelColors> FitKindLabelColors() const;
    const FeatureState& Feature(FeatureKind kind) const { return features_[Index(kind)].state; }
    const FitResult& Fit() const { return fitResult_; }
    const ReportOptions& Report() const { return reportOptions_; }
    // The lines of the report as the window shows them now, placeholders included.
    ReportLines CurrentReportLines() const;
    // The edit whose whole text the view should select, once.
    std::optional<int> TakeSelectAllRequest();

    // Moves both sliders of a feature to a class (slider positions of the
    // range) as the user would, one after the other: in the order that passes
    // through a class the window takes without a message, where there is one.
    void MoveSlidersTo(const FeaturePanel& p, int letterPosition, int gradePosition);

  private:
    using Panel = FeaturePanel;

    struct FeatureRecord {
        FeatureState state;
        double typedBasicSize = 0.0;  // the number its basic-size edit holds, read at each change
        bool skipVeryCoarseNotice = true;
        bool skipFineNotice = true;
        // The setting the limit sizes were worked out for, with its mode: the
        // state's size, class or deviations may be newer while a message about
        // them is shown, and a picture or callout of the limits must not mix the two.
        std::optional<FeatureState> evaluated;
        ToleranceMode evaluatedMode = ToleranceMode::FitClass;
    };

    // Platform-like operations on the controls.
    void SetText(int id, std::string text);  // raises the edit's change handler, as the platform does
    void DispatchEditChange(int id);
    void SetEnabled(int id, bool enabled) { controls_.At(id).enabled = enabled; }
    const std::string& Text(int id) const { return controls_.At(id).text; }
    bool Checked(int id) const { return controls_.At(id).checked; }

    // Feature operations.
    std::optional<ToleranceMode> Mode(const Panel& p) const;
    double TypedBasicSize(const Panel& p) const;
    bool CheckBasicSize(const Panel& p);
    void ShowPlaceholders(const Panel& p);
    void EvaluateFeature(const Panel& p);
    void RefreshPanelControls(const Panel& p);
    void EvaluateFit();
    void ShowSettingMessage(const Panel& p, SettingMessage message);
    void SwitchToFreeInput(const Panel& p);
    bool FitSizeLimitCheck(const Panel& p);
    bool GeneralSizeLimitChecks(const Panel& p);  // true: the handler must end
    void ApplyCellRules(const Panel& p);
    void RefreshScales(const Panel& p, bool fit);
    void MapClassToRange(const Panel& p, const ClassRange& from);
    void ApplyClassRules(const Panel& p, bool withMessage);
    void SetGeneralClass(const Panel& p, int generalClass);
    bool StepGeneralClass(const Panel& p, ScrollCode code);  // false: the handler ends
    FeatureState& StateOf(const Panel& p);
    std::optional<ZoneFeature> ZoneFeatureOf(const Panel& p) const;
    std::optional<FeatureCallout> CalloutOf(const Panel& p) const;
    // The setting the feature's limit sizes belong to (and its mode), none
    // while the feature has no limit sizes or shows placeholders.
    const FeatureState* EvaluatedSetting(const Panel& p, ToleranceMode& mode) const;
    FeatureRecord& FeatureOf(const Panel& p);
    bool TakenQuietly(const Panel& p, int letterPosition, int gradePosition) const;
    // Steps the general class as clicks on its scroll bar do, until it is
    // the class or a step is refused.
    void ScrollToGeneralClass(const Panel& p, int generalClass);

    // Handlers.
    void OnSliderMoved(int id);
    void OnFitRadio(const Panel& p);
    void OnGeneralRadio(const Panel& p);
    void OnFreeRadio(const Panel& p);
    void OnHoleBasicSizeChanged();
    void OnShaftBasicSizeChanged();
    void OnSameBasicSizeClicked();
    void OnFreeInputChanged(const Panel& p);
    void OnCopyCommand();
    void RefreshAll();

    DialogHost& host_;
    const HelpSearch& help_;
    ControlStates controls_;
    std::array<FeatureRecord, kFeatureKindCount> features_;
    FitResult fitResult_;
    std::function<std::string()> pressFitReport_;
    std::function<std::optional<ZoneServiceOverlay>()> zoneOverlay_;
    std::function<std::string()> serviceReport_;
    FitKind fitKind_ = FitKind::None;  // what the fit-kind label shows
    ReportOptions reportOptions_;
    FitClassRange range_ = FitClassRange::Seed;
    bool zoneDiagram_ = false;
    CalloutOptions calloutOptions_;
    int focus_ = main_dialog::kHoleBasicSize;
    std::optional<EndResult> ended_;
    std::optional<int> selectAllRequest_;
    // The text typed on a class control, and when its last character came.
    struct TypedText {
        int control = kNoId;
        std::string text;
        std::int64_t timeMs = 0;
    };
    TypedText typed_;
};

}  // namespace tolvo
