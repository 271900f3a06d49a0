#include "ui/copy_model.h"

#include <array>
#include <utility>

namespace tolvo {
namespace {

struct FlagBox {
    int id;
    bool ReportOptions::*flag;
};

// Check box of the copy dialog for each flag of ReportOptions.
constexpr std::array<FlagBox, 18> kFlagBoxes = {{
    {1061, &ReportOptions::includeTitle},
    {1054, &ReportOptions::includeHoleName},
    {1065, &ReportOptions::includeHoleBasicSize},
    {1067, &ReportOptions::holeOmitPhi},
    {1055, &ReportOptions::includeHoleDeviation},
    {1052, &ReportOptions::includeHoleTolerance},
    {1051, &ReportOptions::includeHoleLimits},
    {1053, &ReportOptions::includeHoleMean},
    {1060, &ReportOptions::includeShaftName},
    {1066, &ReportOptions::includeShaftBasicSize},
    {1068, &ReportOptions::shaftOmitPhi},
    {1056, &ReportOptions::includeShaftDeviation},
    {1058, &ReportOptions::includeShaftTolerance},
    {1057, &ReportOptions::includeShaftLimits},
    {1059, &ReportOptions::includeShaftMean},
    {1062, &ReportOptions::includeFitKind},
    {1063, &ReportOptions::includeFitAmounts},
    {1064, &ReportOptions::includeMeanFit},
}};

struct TextEdit {
    int edit;
    int enablingBox;  // the check box that includes the text in the report
    std::string ReportOptions::*text;
};

constexpr std::array<TextEdit, 3> kTextEdits = {{
    {CopyModel::kTitleEdit, 1061, &ReportOptions::titleText},
    {CopyModel::kHoleNameEdit, 1054, &ReportOptions::holeNameText},
    {CopyModel::kShaftNameEdit, 1060, &ReportOptions::shaftNameText},
}};

}  // namespace

CopyModel::CopyModel(DialogHost& host, ReportLines lines, const ReportOptions& options)
    : host_(host), lines_(std::move(lines)), controls_(kCopyDialog) {
    for (const FlagBox& box : kFlagBoxes) controls_.At(box.id).checked = options.*box.flag;
    // A disabled edit keeps showing its text; only its line stays out of the report.
    for (const TextEdit& e : kTextEdits) {
        controls_.At(e.edit).text = options.*e.text;
        controls_.At(e.edit).enabled = controls_.At(e.enablingBox).checked;
    }
    RebuildPreview();
    focus_ = kTitleEdit;
    selectAllRequest_ = kTitleEdit;
}

ReportOptions CopyModel::Options() const {
    ReportOptions options;
    for (const FlagBox& box : kFlagBoxes) options.*box.flag = controls_.At(box.id).checked;
    for (const TextEdit& e : kTextEdits) options.*e.text = controls_.At(e.edit).text;
    return options;
}

void CopyModel::RebuildPreview() {
    controls_.At(kPreviewEdit).text = AssembleReport(lines_, Options());
}

void CopyModel::OnEditChanged(int id, std::string_view text) {
    if (!Open()) return;
    for (const TextEdit& e : kTextEdits) {
        if (e.edit != id) continue;
        if (!controls_.At(id).enabled) return;
        controls_.At(id).text = std::string(text);
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
