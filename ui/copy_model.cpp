#include "ui/copy_model.h"

#include <array>
#include <utility>

namespace tolvo {
namespace {

using namespace copy_dialog;

template <typename Options>
struct FlagBox {
    int id;
    bool Options::*flag;
};

// The check boxes of the report's own flags.
constexpr FlagBox<ReportOptions> kReportBoxes[] = {
    {kIncludeTitle, &ReportOptions::includeTitle},
    {kIncludeFitKind, &ReportOptions::includeFitKind},
    {kIncludeFitAmounts, &ReportOptions::includeFitAmounts},
    {kIncludeMeanFit, &ReportOptions::includeMeanFit},
    {kIncludeCallout, &ReportOptions::includeCallout},
    {kIncludePressFit, &ReportOptions::includePressFit},
    {kIncludeService, &ReportOptions::includeService},
};

// The check boxes of one feature's flags; the first includes its name.
struct FeatureBoxes {
    FeatureReportOptions ReportOptions::*feature;
    std::array<FlagBox<FeatureReportOptions>, 7> boxes;
};

using F = FeatureReportOptions;
constexpr FeatureBoxes kFeatureBoxes[] = {
    {&ReportOptions::hole,
     {{{kIncludeHoleName, &F::includeName},
       {kIncludeHoleBasicSize, &F::includeBasicSize},
       {kHoleOmitPhi, &F::omitPhi},
       {kIncludeHoleDeviation, &F::includeDeviation},
       {kIncludeHoleTolerance, &F::includeTolerance},
       {kIncludeHoleLimits, &F::includeLimits},
       {kIncludeHoleMean, &F::includeMean}}}},
    {&ReportOptions::shaft,
     {{{kIncludeShaftName, &F::includeName},
       {kIncludeShaftBasicSize, &F::includeBasicSize},
       {kShaftOmitPhi, &F::omitPhi},
       {kIncludeShaftDeviation, &F::includeDeviation},
       {kIncludeShaftTolerance, &F::includeTolerance},
       {kIncludeShaftLimits, &F::includeLimits},
       {kIncludeShaftMean, &F::includeMean}}}},
};

// Calls visit(check box ID, flag) for each of the check boxes.
template <typename Options, typename Visit>
void ForEachFlagBox(Options& options, Visit visit) {
    for (const auto& box : kReportBoxes) visit(box.id, options.*box.flag);
    for (const FeatureBoxes& feature : kFeatureBoxes) {
        for (const auto& box : feature.boxes) visit(box.id, (options.*feature.feature).*box.flag);
    }
}

struct TextEdit {
    int edit;
    int enablingBox;  // the check box that includes the text in the report
    std::string& (*text)(ReportOptions&);
};

constexpr TextEdit kTextEdits[] = {
    {kTitleEdit, kIncludeTitle, [](ReportOptions& o) -> std::string& { return o.titleText; }},
    {kHoleNameEdit, kIncludeHoleName, [](ReportOptions& o) -> std::string& { return o.hole.nameText; }},
    {kShaftNameEdit, kIncludeShaftName, [](ReportOptions& o) -> std::string& { return o.shaft.nameText; }},
};

}  // namespace

CopyModel::CopyModel(DialogHost& host, ReportLines lines, const ReportOptions& options)
    : host_(host), lines_(std::move(lines)), controls_(kCopyDialog) {
    ForEachFlagBox(options, [this](int id, bool flag) { controls_.At(id).checked = flag; });
    // A disabled edit keeps showing its text; only its line stays out of the report.
    ReportOptions texts = options;
    for (const TextEdit& e : kTextEdits) {
        controls_.At(e.edit).text = e.text(texts);
        controls_.At(e.edit).enabled = controls_.At(e.enablingBox).checked;
    }
    // The joint's and the operating conditions' lines only while their dialogs show results.
    controls_.At(kIncludePressFit).enabled = !lines_.pressFit.empty();
    controls_.At(kIncludeService).enabled = !lines_.service.empty();
    RebuildPreview();
    focus_ = kTitleEdit;
    selectAllRequest_ = kTitleEdit;
}

ReportOptions CopyModel::Options() const {
    ReportOptions options;
    ForEachFlagBox(options, [this](int id, bool& flag) { flag = controls_.At(id).checked; });
    for (const TextEdit& e : kTextEdits) e.text(options) = controls_.At(e.edit).text;
    return options;
}

void CopyModel::RebuildPreview() {
    controls_.At(kPreviewEdit).text = AssembleReport(lines_, Options());
}

void CopyModel::OnEditChanged(int id, std::string_view text) {
    if (!Open()) return;
    for (const TextEdit& e : kTextEdits) {
        if (e.edit != id) continue;
        const auto taken = TakenEditText(controls_.At(id).text, text);
        if (!controls_.At(id).enabled || !taken) return;
        controls_.At(id).text = std::string(*taken);
        RebuildPreview();
    }
}

void CopyModel::OnClicked(int id) {
    if (!Open()) return;
    const ControlState* control = controls_.Find(id);
    if (control == nullptr || !control->enabled) return;
    if (id == kCopyButton) return Copy();
    if (id == kCancelButton) {
        result_ = false;
        return;
    }
    if (control->kind != ControlKind::CheckBox) return;
    ControlState& box = controls_.At(id);
    box.checked = !box.checked;
    for (const TextEdit& e : kTextEdits) {
        if (e.enablingBox == id) controls_.At(e.edit).enabled = box.checked;
    }
    RebuildPreview();
}

void CopyModel::OnEnter() {
    if (!Open()) return;
    // Enter presses the focused push button, else the default one, "コピー".
    if (focus_ == kCancelButton) {
        result_ = false;
        return;
    }
    Copy();
}

void CopyModel::OnEscape() {
    if (Open()) result_ = false;
}

void CopyModel::OnFocus(int id) {
    const ControlState* control = controls_.Find(id);
    if (Open() && control != nullptr && control->enabled && CanTakeFocus(control->kind)) focus_ = id;
}

void CopyModel::Copy() {
    // What is copied is always the assembled preview, never typed text.
    host_.PlaceOnClipboard(Preview());
    result_ = true;
}

std::optional<int> CopyModel::TakeSelectAllRequest() {
    return std::exchange(selectAllRequest_, std::nullopt);
}

}  // namespace tolvo
