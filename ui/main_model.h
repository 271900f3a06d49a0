// The calculator window without a display: the state of every control of the
// main dialog, the two features, the fit, the report options, and the
// handlers that run on each user action in the order the standards' checks
// require.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/feature.h"
#include "core/fit_evaluation.h"
#include "core/messages.h"
#include "ui/control_states.h"
#include "ui/dialog_host.h"
#include "ui/report.h"

namespace tolvo {

// How the main window ended.
enum class EndResult { Ok, Cancel };

// The notification codes of a class scroll bar.
enum class ScrollCode { LineUp, LineDown, PageUp, PageDown, EndScroll };

// Where the help command looks for its document, in order.
struct HelpSearch {
    std::vector<std::filesystem::path>
        folders;                  // executable's folder, installed data folder, working directory
    std::string programFileName;  // named in the message when the document is missing
};

inline constexpr std::string_view kHelpDocumentName = "Tolvo.html";

class MainModel {
  public:
    // Control IDs of the main dialog that the handlers address.
    static constexpr int kHoleBasicSize = 1003;
    static constexpr int kShaftBasicSize = 1017;
    static constexpr int kSameBasicSize = 1038;
    static constexpr int kFitKindLabel = 1057;
    static constexpr int kFirstFitCaption = 1007;
    static constexpr int kFirstFitAmount = 1014;
    static constexpr int kSecondFitCaption = 1013;
    static constexpr int kSecondFitAmount = 1015;
    static constexpr int kMeanFit = 1041;
    static constexpr int kHelpButton = 57670;
    static constexpr int kCopyButton = 57671;
    static constexpr int kExitButton = 1;
    // System commands: the About item of the system menu, and Close.
    static constexpr unsigned kAboutCommand = 0x0010;
    static constexpr unsigned kCloseCommand = 0xF060;

    // Starts the window: fit mode on both sides, the shaft following the
    // hole's basic size, placeholders everywhere, the focus in 1003.
    MainModel(DialogHost& host, HelpSearch help);

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

    const ControlStates& Controls() const { return controls_; }
    int Focus() const { return focus_; }
    std::optional<EndResult> Ended() const { return ended_; }
    // The colours of the fit-kind label, none for its default look.
    std::optional<LabelColors> FitKindLabelColors() const;
    const FeatureState& Feature(FeatureKind kind) const { return features_[Index(kind)].state; }
    const FitResult& Fit() const { return fitResult_; }
    const ReportOptions& Report() const { return reportOptions_; }
    // The edit whose whole text the view should select, once.
    std::optional<int> TakeSelectAllRequest();

    struct Panel;  // the controls of one feature panel

  private:
    struct FeatureRecord {
        FeatureState state;
        bool skipVeryCoarseNotice = true;
        bool skipFineNotice = true;
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
    void ApplyGradeRules(const Panel& p);
    void ApplyClassRules(const Panel& p, bool withMessage);
    void SetGeneralClass(const Panel& p, int generalClass);
    bool StepGeneralClass(const Panel& p, ScrollCode code);  // false: the handler ends
    FeatureState& StateOf(const Panel& p);
    FeatureRecord& FeatureOf(const Panel& p);

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
    HelpSearch help_;
    ControlStates controls_;
    std::array<FeatureRecord, kFeatureKindCount> features_;
    FitResult fitResult_;
    FitKind fitKind_ = FitKind::None;  // what the fit-kind label shows
    ReportOptions reportOptions_;
    int focus_ = kHoleBasicSize;
    std::optional<EndResult> ended_;
    std::optional<int> selectAllRequest_;
};

}  // namespace tolvo
