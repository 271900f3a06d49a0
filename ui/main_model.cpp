#include "ui/main_model.h"

#include <algorithm>
#include <utility>

#include "core/callout_parse.h"
#include "core/feature_evaluation.h"
#include "core/general_table.h"
#include "core/iso286_table.h"
#include "core/number_text.h"
#include "core/setting_checks.h"
#include "core/text_fill.h"
#include "core/texts_ja.h"
#include "ui/control_tooltips.h"
#include "ui/copy_model.h"

namespace tolvo {

namespace {

using namespace main_dialog;
using Panel = FeaturePanel;
constexpr const Panel& kHole = kHolePanel;
constexpr const Panel& kShaft = kShaftPanel;

// The message box texts of the help command.

bool IsOnPanel(int id, const Panel& p) {
    return id == p.letterSlider || id == p.gradeSlider;
}

// The marks of one range's scales on a panel, and the text that names the
// class beside them. Index: FitClassRange.
struct Scales {
    std::span<const int> letters;
    std::span<const int> grades;
    std::optional<int> classText;
};
std::array<Scales, 2> PanelScales(const Panel& p) {
    return {
        {{p.letterMarks, p.gradeMarks, std::nullopt}, {p.wholeLetterMarks, p.wholeGradeMarks, p.classText}}};
}

// The edits whose text is read as a number.
bool IsNumberEdit(int id) {
    for (const Panel* p : {&kHole, &kShaft}) {
        if (id == p->basicSize || id == p->freeFirst || id == p->freeSecond) return true;
    }
    return false;
}

// Marks a number edit whose text is not wholly the number read from it.
void MarkPartialNumber(ControlState& edit, const NumberReading& reading) {
    edit.partial = !reading.whole;
    edit.readAs.clear();
    if (edit.partial) edit.readAs = reading.number.empty() ? "0" : std::string(reading.number);
}

}  // namespace

MainModel::MainModel(DialogHost& host, const HelpSearch& help)
    : host_(host), help_(help), controls_(kMainDialog), reportOptions_(DefaultReportOptions()) {
    for (const Panel* p : {&kHole, &kShaft}) {
        controls_.At(p->fitRadio).checked = true;
        controls_.At(p->letterSlider).maximum = Classes().LetterCount() - 1;
        controls_.At(p->gradeSlider).maximum = Classes().GradeCount() - 1;
        for (int l = 0; l < iso286::kLetterCount; ++l)
            controls_.At(p->wholeLetterMarks[l]).text = std::string(iso286::LetterName(p->kind, l));
        for (int g = 0; g < iso286::kGradeCount; ++g)
            controls_.At(p->wholeGradeMarks[g]).text = std::string(iso286::GradeName(g));
    }
    SetMainDialogTooltips(controls_, Classes());
    controls_.At(kSameBasicSize).checked = true;
    SetEnabled(kShaftBasicSize, false);
    RefreshPanelControls(kHole);
    RefreshPanelControls(kShaft);
    focus_ = kHoleBasicSize;
    EvaluateFeature(kHole);
    EvaluateFeature(kShaft);
    EvaluateFit();
}

// ---- operations on controls ----

void MainModel::SetText(int id, std::string text) {
    ControlState& control = controls_.At(id);
    control.text = std::move(text);
    if (IsNumberEdit(id)) {
        // Read once per change: the handlers ask for the size many times.
        const NumberReading reading = ReadNumber(control.text);
        MarkPartialNumber(control, reading);
        for (const Panel* p : {&kHole, &kShaft}) {
            if (id == p->basicSize) FeatureOf(*p).typedBasicSize = reading.value;
        }
    }
    DispatchEditChange(id);
}

void MainModel::DispatchEditChange(int id) {
    if (id == kHoleBasicSize) return OnHoleBasicSizeChanged();
    if (id == kShaftBasicSize) return OnShaftBasicSizeChanged();
    for (const Panel* p : {&kHole, &kShaft}) {
        if (id == p->freeFirst || id == p->freeSecond) return OnFreeInputChanged(*p);
    }
}

FeatureState& MainModel::StateOf(const Panel& p) {
    return features_[Index(p.kind)].state;
}
MainModel::FeatureRecord& MainModel::FeatureOf(const Panel& p) {
    return features_[Index(p.kind)];
}

std::optional<ToleranceMode> MainModel::Mode(const Panel& p) const {
    if (Checked(p.fitRadio)) return ToleranceMode::FitClass;
    if (Checked(p.generalRadio)) return ToleranceMode::General;
    if (Checked(p.freeRadio)) return ToleranceMode::Free;
    return std::nullopt;
}

double MainModel::TypedBasicSize(const Panel& p) const {
    return features_[Index(p.kind)].typedBasicSize;
}

// ---- feature evaluation ----

bool MainModel::CheckBasicSize(const Panel& p) {
    StateOf(p).basicSize = TypedBasicSize(p);
    if (StateOf(p).basicSize > 0.0) return false;
    ShowPlaceholders(p);
    return true;
}

void MainModel::ShowPlaceholders(const Panel& p) {
    const FeatureTexts texts = FeaturePlaceholders();
    SetText(p.deviation, texts.deviation);
    SetText(p.tolerance, texts.tolerance);
    SetText(p.limitSizes, texts.limitSizes);
    SetText(p.meanValue, texts.meanValue);
}

void MainModel::EvaluateFeature(const Panel& p) {
    const FeatureInputs inputs{Text(p.basicSize),
                               Mode(p),
                               controls_.At(p.letterSlider).position,
                               controls_.At(p.gradeSlider).position,
                               Text(p.freeFirst),
                               Text(p.freeSecond),
                               range_};
    FeatureEvaluation evaluation = tolvo::EvaluateFeature(p.kind, StateOf(p), inputs);
    StateOf(p) = evaluation.state;
    FeatureRecord& record = features_[Index(p.kind)];
    record.evaluated.reset();
    if (evaluation.state.hasLimits && inputs.mode) {
        record.evaluated = evaluation.state;
        record.evaluatedMode = *inputs.mode;
    }
    if (evaluation.texts) {
        SetText(p.deviation, std::move(evaluation.texts->deviation));
        SetText(p.tolerance, std::move(evaluation.texts->tolerance));
        SetText(p.limitSizes, std::move(evaluation.texts->limitSizes));
        SetText(p.meanValue, std::move(evaluation.texts->meanValue));
    }
    if (evaluation.nonPositiveLimitWarning) ShowSettingMessage(p, SettingMessage::NonPositiveLimit);
}

void MainModel::RefreshPanelControls(const Panel& p) {
    const std::optional<ToleranceMode> mode = Mode(p);
    if (!mode) return;
    const bool fit = *mode == ToleranceMode::FitClass;
    const bool general = *mode == ToleranceMode::General;
    const bool free = *mode == ToleranceMode::Free;
    for (int id : {p.letterSlider, p.letterCaption, p.gradeSlider, p.gradeCaption}) SetEnabled(id, fit);
    RefreshScales(p, fit);
    for (int id : {p.classLabel, p.classScroll}) SetEnabled(id, general);
    for (int id : {p.freeFirst, p.freeSecond, p.freeFirstUnit, p.freeSecondUnit}) SetEnabled(id, free);
}

void MainModel::RefreshScales(const Panel& p, bool fit) {
    const std::array<Scales, 2> scales = PanelScales(p);
    const Scales& shown = scales[static_cast<std::size_t>(range_)];
    // Hidden scales with a class text of their own are greyed and their text
    // cleared; the dialog's own marks keep the states they had.
    for (const Scales& hidden : scales) {
        if (&hidden == &shown || !hidden.classText) continue;
        for (int id : hidden.letters) SetEnabled(id, false);
        for (int id : hidden.grades) SetEnabled(id, false);
        SetEnabled(*hidden.classText, false);
        controls_.At(*hidden.classText).text.clear();
    }
    const FeatureState& s = StateOf(p);
    for (int id : shown.letters) SetEnabled(id, fit);
    // Grades that do not exist for the letter at the basic size are greyed.
    const std::optional<int> step = iso286::ClassifySizeStep(TypedBasicSize(p));
    for (int g = 0; g < Classes().GradeCount(); ++g) {
        const auto c = Classes().ClassAt(p.kind, s.letterIndex, g);
        const bool exists = !step || !c || iso286::Lookup(p.kind, c->letterIndex, c->gradeIndex, *step);
        SetEnabled(shown.grades[static_cast<std::size_t>(g)], fit && exists);
    }
    if (!shown.classText) return;
    ControlState& classText = controls_.At(*shown.classText);
    classText.enabled = fit;
    classText.text.clear();
    if (const auto c = Classes().ClassAt(p.kind, s.letterIndex, s.gradeIndex))
        classText.text = iso286::FormatClassName(*c);
}

void MainModel::EvaluateFit() {
    FitEvaluation evaluation = tolvo::EvaluateFit(StateOf(kHole), StateOf(kShaft));
    if (evaluation.numbers) {
        StateOf(kHole).upperLimit = evaluation.numbers->holeUpperLimit;
        StateOf(kHole).lowerLimit = evaluation.numbers->holeLowerLimit;
        StateOf(kShaft).upperLimit = evaluation.numbers->shaftUpperLimit;
        StateOf(kShaft).lowerLimit = evaluation.numbers->shaftLowerLimit;
        fitResult_ = evaluation.numbers->result;
    }
    fitKind_ = evaluation.kind;
    FitTexts& t = evaluation.texts;
    SetText(kFitKindLabel, std::move(t.kind));
    SetText(kFirstFitCaption, std::move(t.firstCaption));
    SetText(kFirstFitAmount, std::move(t.firstAmount));
    SetText(kSecondFitCaption, std::move(t.secondCaption));
    SetText(kSecondFitAmount, std::move(t.secondAmount));
    SetText(kMeanFit, std::move(t.meanFit));
}

std::optional<LabelColors> MainModel::FitKindLabelColors() const {
    return FitKindColors(fitKind_);
}

// ---- setting checks and their reactions ----

void MainModel::ShowSettingMessage(const Panel& p, SettingMessage message) {
    host_.ShowMessage(ja::kMessageCaption, SettingMessageText(p.kind, message));
}

void MainModel::SwitchToFreeInput(const Panel& p) {
    controls_.At(p.fitRadio).checked = false;
    controls_.At(p.generalRadio).checked = false;
    controls_.At(p.freeRadio).checked = true;
    ShowPlaceholders(p);
    // The limit sizes belong to the refused setting. A general-size refusal
    // ends its handler here, so the fit must go blank now, not when the
    // feature is next evaluated.
    StateOf(p).hasLimits = false;
    EvaluateFit();
    focus_ = p.freeFirst;
}

bool MainModel::FitSizeLimitCheck(const Panel& p) {
    const std::optional<ToleranceMode> mode = Mode(p);
    if (!mode || !FitSizeLimitFails(TypedBasicSize(p), *mode, Classes())) return false;
    ShowSettingMessage(p, Classes().SizeLimitMessage());
    SwitchToFreeInput(p);
    return true;
}

bool MainModel::GeneralSizeLimitChecks(const Panel& p) {
    const std::optional<ToleranceMode> mode = Mode(p);
    if (!mode) return false;
    const double size = TypedBasicSize(p);
    SettingMessage message;
    if (GeneralSizeLowerLimitFails(size, *mode)) {
        message = SettingMessage::GeneralSizeUnder05;
    } else if (GeneralSizeUpperLimitFails(size, *mode)) {
        message = SettingMessage::GeneralSizeOver4000;
    } else {
        return false;
    }
    ShowSettingMessage(p, message);
    SwitchToFreeInput(p);
    RefreshPanelControls(p);
    return true;
}

void MainModel::ApplyCellRules(const Panel& p) {
    const double size = TypedBasicSize(p);
    // Sizes the fit-size limit refuses, and none at all, have no cell to check.
    if (Mode(p) != ToleranceMode::FitClass || !iso286::ClassifySizeStep(size)) return;
    FeatureState& s = StateOf(p);
    const std::optional<iso286::ToleranceClass> c = Classes().ClassAt(p.kind, s.letterIndex, s.gradeIndex);
    if (!c) return;
    const CellCheck check = Classes().Check(p.kind, s.letterIndex, s.gradeIndex, s.sizeStep);
    switch (check.outcome) {
        case CellCheck::Outcome::Defined:
            return;
        case CellCheck::Outcome::OtherGrade:
            if (check.kRule || check.nRule) {
                ShowSettingMessage(p, check.kRule ? SettingMessage::KGrade : SettingMessage::NGrade);
            } else {
                const int nearest =
                    Classes().ClassAt(p.kind, s.letterIndex, check.nearestGradePosition)->gradeIndex;
                host_.ShowMessage(ja::kMessageCaption,
                                  UndefinedClassMessageText(p.kind, iso286::FormatClassName(*c),
                                                            iso286::GradeName(nearest)));
            }
            s.gradeIndex = check.nearestGradePosition;
            controls_.At(p.gradeSlider).position = check.nearestGradePosition;
            return;
        case CellCheck::Outcome::NoGrade:
            host_.ShowMessage(ja::kMessageCaption,
                              UndefinedLetterMessageText(p.kind, iso286::LetterName(p.kind, c->letterIndex)));
            SwitchToFreeInput(p);
            return;
    }
}

void MainModel::SetGeneralClass(const Panel& p, int generalClass) {
    StateOf(p).generalClass = generalClass;
    controls_.At(p.classLabel).text = std::string(GeneralClassName(generalClass));
}

void MainModel::ApplyClassRules(const Panel& p, bool withMessage) {
    const std::optional<ToleranceMode> mode = Mode(p);
    if (!mode) return;
    const FeatureState& s = StateOf(p);
    if (VeryCoarseClassFails(s.generalSizeRange, s.generalClass, *mode)) {
        if (withMessage) ShowSettingMessage(p, SettingMessage::VeryCoarseClass);
        SetGeneralClass(p, kCoarseClass);
    }
    if (FineClassFails(s.generalSizeRange, s.generalClass, *mode)) {
        if (withMessage) ShowSettingMessage(p, SettingMessage::FineClass);
        SetGeneralClass(p, kMediumClass);
    }
}

bool MainModel::StepGeneralClass(const Panel& p, ScrollCode code) {
    FeatureRecord& f = FeatureOf(p);
    int generalClass = f.state.generalClass;
    if (code == ScrollCode::LineUp) generalClass = std::max(generalClass - 1, 0);
    if (code == ScrollCode::LineDown) generalClass = std::min(generalClass + 1, kGeneralClassCount - 1);
    SetGeneralClass(p, generalClass);

    const std::optional<ToleranceMode> mode = Mode(p);
    if (!mode) return true;
    // The scroll bar notifies twice per click: for the step, and at the
    // release. A step onto an undefined class is passed over once and
    // reported and corrected on the second notification.
    struct Rule {
        bool (*fails)(int, int, ToleranceMode);
        bool FeatureRecord::*skipNotice;
        SettingMessage message;
        int correctedClass;
    };
    for (const Rule& rule :
         {Rule{VeryCoarseClassFails, &FeatureRecord::skipVeryCoarseNotice, SettingMessage::VeryCoarseClass,
               kCoarseClass},
          Rule{FineClassFails, &FeatureRecord::skipFineNotice, SettingMessage::FineClass, kMediumClass}}) {
        if (!rule.fails(f.state.generalSizeRange, f.state.generalClass, *mode)) continue;
        if (f.*rule.skipNotice) {
            f.*rule.skipNotice = false;
            return false;
        }
        ShowSettingMessage(p, rule.message);
        SetGeneralClass(p, rule.correctedClass);
        f.*rule.skipNotice = true;
        return false;
    }
    return true;
}

// ---- handlers ----

void MainModel::OnSliderMoved(int id) {
    // The hole is re-evaluated for every slider; a slider reporting the
    // position it already had (the end of a drag) does nothing for its own
    // feature.
    for (const Panel* p : {&kHole, &kShaft}) {
        if (IsOnPanel(id, *p)) {
            FeatureState& s = StateOf(*p);
            int& stored = id == p->letterSlider ? s.letterIndex : s.gradeIndex;
            const int position = controls_.At(id).position;
            if (position == stored) return;
            stored = position;
            ApplyCellRules(*p);
        }
        CheckBasicSize(*p);
        EvaluateFeature(*p);
        RefreshPanelControls(*p);
        EvaluateFit();
    }
}

void MainModel::OnFitRadio(const Panel& p) {
    CheckBasicSize(p);
    FitSizeLimitCheck(p);
    ApplyCellRules(p);
    EvaluateFeature(p);
    RefreshPanelControls(p);
    EvaluateFit();
}

void MainModel::OnGeneralRadio(const Panel& p) {
    if (GeneralSizeLimitChecks(p)) return;
    ApplyClassRules(p, false);
    EvaluateFeature(p);
    RefreshPanelControls(p);
    EvaluateFit();
}

void MainModel::OnFreeRadio(const Panel& p) {
    focus_ = p.freeFirst;
    EvaluateFeature(p);
    RefreshPanelControls(p);
    EvaluateFit();
}

void MainModel::OnHoleBasicSizeChanged() {
    const Panel& p = kHole;
    CheckBasicSize(p);  // also stores the parsed basic size
    FeatureState& s = StateOf(p);
    // With "穴と同じ基準寸法" the shaft's handler runs to its end first, messages included.
    if (Checked(kSameBasicSize)) SetText(kShaftBasicSize, Text(kHoleBasicSize));
    s.sizeStep = iso286::ClassifySizeStep(s.basicSize).value_or(s.sizeStep);
    FitSizeLimitCheck(p);
    if (GeneralSizeLimitChecks(p)) return;
    ApplyCellRules(p);
    s.generalSizeRange = ClassifyGeneralSizeRange(s.basicSize, s.generalSizeRange);
    ApplyClassRules(p, true);
    EvaluateFeature(p);
    RefreshPanelControls(p);
    EvaluateFit();
}

void MainModel::OnShaftBasicSizeChanged() {
    const Panel& p = kShaft;
    FeatureState& s = StateOf(p);
    s.basicSize = TypedBasicSize(p);
    s.sizeStep = iso286::ClassifySizeStep(s.basicSize).value_or(s.sizeStep);
    CheckBasicSize(p);
    FitSizeLimitCheck(p);
    // The hole's check runs here too, so that its message comes before the
    // shaft's class messages when the shaft follows the hole.
    FitSizeLimitCheck(kHole);
    if (GeneralSizeLimitChecks(p)) return;
    ApplyCellRules(p);
    s.generalSizeRange = ClassifyGeneralSizeRange(s.basicSize, s.generalSizeRange);
    ApplyClassRules(p, true);
    EvaluateFeature(p);
    RefreshPanelControls(p);
    EvaluateFit();
}

void MainModel::OnSameBasicSizeClicked() {
    if (Checked(kSameBasicSize)) {
        SetEnabled(kShaftBasicSize, false);
        StateOf(kHole).basicSize = TypedBasicSize(kHole);
        SetText(kShaftBasicSize, Text(kHoleBasicSize));
    } else {
        SetEnabled(kShaftBasicSize, true);
        focus_ = kShaftBasicSize;
        selectAllRequest_ = kShaftBasicSize;
    }
}

void MainModel::OnFreeInputChanged(const Panel& p) {
    EvaluateFeature(p);
    EvaluateFit();
}

void MainModel::RefreshAll() {
    EvaluateFeature(kHole);
    RefreshPanelControls(kHole);
    EvaluateFeature(kShaft);
    RefreshPanelControls(kShaft);
    EvaluateFit();
}

ReportLines MainModel::CurrentReportLines() const {
    auto source = [this](const Panel& p) {
        const FeatureState& s = Feature(p.kind);
        FeatureReportSource r;
        r.basicSize = s.basicSize;
        r.deviation = Text(p.deviation);
        r.tolerance = Text(p.tolerance);
        r.limits = Text(p.limitSizes);
        r.mean = Text(p.meanValue);
        return r;
    };
    auto suffix = [this](const Panel& p) -> std::string {
        const FeatureState& s = Feature(p.kind);
        if (Checked(p.fitRadio)) {
            const auto c = Classes().ClassAt(p.kind, s.letterIndex, s.gradeIndex);
            if (!c) return {};
            return FitClassSuffix(iso286::LetterName(p.kind, c->letterIndex),
                                  iso286::GradeName(c->gradeIndex));
        }
        if (Checked(p.generalRadio)) return GeneralClassSuffix(GeneralClassName(s.generalClass));
        return {};
    };
    const std::string holeSuffix = suffix(kHole);
    const std::string shaftSuffix = suffix(kShaft);
    FeatureReportSource hole = source(kHole);
    hole.classSuffix = holeSuffix;
    FeatureReportSource shaft = source(kShaft);
    shaft.classSuffix = shaftSuffix;
    const FitReportSource fit{Text(kFitKindLabel),     Text(kFirstFitCaption), Text(kFirstFitAmount),
                              Text(kSecondFitCaption), Text(kSecondFitAmount), Text(kMeanFit)};
    ReportLines lines = BuildReportLines(hole, shaft, fit);
    lines.callout =
        std::string(ja::kCalloutLabel) + PairCallout().value_or(std::string(ja::kFeaturePlaceholder));
    if (pressFitReport_) lines.pressFit = pressFitReport_();
    if (serviceReport_) lines.service = serviceReport_();
    return lines;
}

void MainModel::OnCopyCommand() {
    if (fitKind_ == FitKind::None) {
        host_.ShowMessage(ja::kMessageCaption, ja::kNothingToCopyMessage);
        return;
    }
    CopyModel dialog(host_, CurrentReportLines(), reportOptions_);
    if (host_.RunCopyDialog(dialog) && dialog.Result() == true) reportOptions_ = dialog.Options();
}

// ---- user actions ----

void MainModel::OnEditChanged(int id, std::string_view text) {
    const ControlState* control = controls_.Find(id);
    if (ended_ || control == nullptr || !control->enabled || !IsWritableEdit(control->kind)) return;
    if (const auto taken = TakenEditText(control->text, text)) SetText(id, std::string(*taken));
}

void MainModel::OnClicked(int id) {
    const ControlState* control = controls_.Find(id);
    if (ended_ || control == nullptr || !control->enabled) return;
    for (const Panel* p : {&kHole, &kShaft}) {
        const int radios[] = {p->fitRadio, p->generalRadio, p->freeRadio};
        if (std::find(std::begin(radios), std::end(radios), id) == std::end(radios)) continue;
        for (int radio : radios) controls_.At(radio).checked = radio == id;
        if (id == p->fitRadio) return OnFitRadio(*p);
        if (id == p->generalRadio) return OnGeneralRadio(*p);
        return OnFreeRadio(*p);
    }
    switch (id) {
        case kSameBasicSize:
            controls_.At(id).checked = !controls_.At(id).checked;
            return OnSameBasicSizeClicked();
        case kHelpButton:
            return OnHelp();
        case kCopyButton:
            return OnCopyCommand();
        case kExitButton:
            ended_ = EndResult::Ok;
            return;
        default:
            return;
    }
}

void MainModel::OnSliderPosition(int id, int position) {
    if (ended_ || !(IsOnPanel(id, kHole) || IsOnPanel(id, kShaft))) return;
    ControlState& slider = controls_.At(id);
    if (!slider.enabled) return;
    slider.position = std::clamp(position, slider.minimum, slider.maximum);
    OnSliderMoved(id);
}

void MainModel::OnClassScroll(int id, ScrollCode code) {
    if (ended_ || (id != kHole.classScroll && id != kShaft.classScroll) || !controls_.At(id).enabled) return;
    // A shaft notification re-evaluates the hole first; the panels' enable
    // states are left as they are.
    if (id == kHole.classScroll && !StepGeneralClass(kHole, code)) return;
    EvaluateFeature(kHole);
    EvaluateFit();
    if (id != kShaft.classScroll) return;
    if (!StepGeneralClass(kShaft, code)) return;
    EvaluateFeature(kShaft);
    EvaluateFit();
}

void MainModel::OnEnter() {
    if (!ended_) RefreshAll();
}

void MainModel::OnEscape() {
    if (!ended_) ended_ = EndResult::Cancel;
}

void MainModel::OnHelp() {
    if (ended_) return;
    if (const auto document = help_.FindDocument(kHelpDocumentName);
        document && host_.OpenDocument(*document))
        return;
    host_.ShowMessage(ja::kMessageCaption, FillIn(ja::kHelpMissingMessage, {help_.ProgramFileName()}));
}

void MainModel::OnSystemCommand(unsigned command) {
    if (ended_) return;
    // The low four bits of a system command are the platform's own.
    const unsigned masked = command & 0xFFF0u;
    if (masked == kAboutCommand) host_.RunAboutBox();
    if (masked == kCloseCommand) ended_ = EndResult::Cancel;
}

void MainModel::OnFocus(int id) {
    const ControlState* control = controls_.Find(id);
    if (!ended_ && control != nullptr && control->enabled && CanTakeFocus(control->kind)) focus_ = id;
}

void MainModel::MapClassToRange(const Panel& p, const ClassRange& from) {
    FeatureState& s = StateOf(p);
    ControlState& letter = controls_.At(p.letterSlider);
    ControlState& grade = controls_.At(p.gradeSlider);
    const iso286::ToleranceClass c =
        *from.ClassAt(p.kind, std::clamp(letter.position, 0, from.LetterCount() - 1),
                      std::clamp(grade.position, 0, from.GradeCount() - 1));
    s.letterIndex = Classes().NearestLetterPosition(c.letterIndex);
    s.gradeIndex = Classes().NearestGradePosition(c.gradeIndex);
    letter.maximum = Classes().LetterCount() - 1;
    grade.maximum = Classes().GradeCount() - 1;
    letter.position = s.letterIndex;
    grade.position = s.gradeIndex;
    s.sizeStep = iso286::ClassifySizeStep(TypedBasicSize(p)).value_or(s.sizeStep);
}

void MainModel::SetFullRange(bool on) {
    const FitClassRange range = on ? FitClassRange::Whole : FitClassRange::Seed;
    if (ended_ || range == range_) return;
    const ClassRange& from = Classes();
    range_ = range;
    SetMainDialogTooltips(controls_, Classes());
    for (const Panel* p : {&kHole, &kShaft}) MapClassToRange(*p, from);
    // The other range may end below the size or lack the class: the checks of
    // a size change run for each feature, then everything as for Enter.
    for (const Panel* p : {&kHole, &kShaft}) {
        FitSizeLimitCheck(*p);
        ApplyCellRules(*p);
    }
    RefreshAll();
}

const FeatureState* MainModel::EvaluatedSetting(const Panel& p, ToleranceMode& mode) const {
    const FeatureRecord& record = features_[Index(p.kind)];
    if (!record.state.hasLimits || !record.evaluated || Text(p.limitSizes) == ja::kFeaturePlaceholder)
        return nullptr;
    mode = record.evaluatedMode;
    return &*record.evaluated;
}

std::optional<ZoneFeature> MainModel::ZoneFeatureOf(const Panel& p) const {
    ToleranceMode evaluatedMode{};
    const FeatureState* evaluated = EvaluatedSetting(p, evaluatedMode);
    if (!evaluated) return std::nullopt;
    const FeatureState& s = *evaluated;
    const std::optional<ToleranceMode> mode = evaluatedMode;
    ZoneFeature z;
    z.basicSize = s.basicSize;
    z.upperLimit = s.upperLimit;
    z.lowerLimit = s.lowerLimit;
    z.mode = *mode;
    z.generalClass = s.generalClass;
    if (*mode == ToleranceMode::FitClass) {
        const auto c = Classes().ClassAt(p.kind, s.letterIndex, s.gradeIndex);
        if (!c) return std::nullopt;
        z.className = iso286::FormatClassName(*c);
    }
    return z;
}

std::optional<FeatureCallout> MainModel::CalloutOf(const Panel& p) const {
    ToleranceMode evaluatedMode{};
    const FeatureState* evaluated = EvaluatedSetting(p, evaluatedMode);
    if (!evaluated) return std::nullopt;
    const FeatureState& s = *evaluated;
    const std::optional<ToleranceMode> mode = evaluatedMode;
    CalloutSource source{.kind = p.kind,
                         .mode = *mode,
                         .basicSize = s.basicSize,
                         .generalClass = s.generalClass,
                         .generalSizeRange = s.generalSizeRange,
                         .freeUpper = s.freeUpper,
                         .freeLower = s.freeLower};
    if (*mode == ToleranceMode::FitClass) {
        const auto c = Classes().ClassAt(p.kind, s.letterIndex, s.gradeIndex);
        if (!c) return std::nullopt;
        source.toleranceClass = *c;
    }
    return DescribeCallout(source);
}

std::optional<std::string> MainModel::PairCallout() const {
    const std::optional<FeatureCallout> hole = CalloutOf(kHole);
    const std::optional<FeatureCallout> shaft = CalloutOf(kShaft);
    if (!hole || !shaft) return std::nullopt;
    return PairCalloutText(*hole, *shaft, calloutOptions_.style, calloutOptions_.sign);
}

void MainModel::OnCopyCallout() {
    if (ended_) return;
    if (const std::optional<std::string> text = PairCallout()) return host_.PlaceOnClipboard(*text);
    host_.ShowMessage(ja::kMessageCaption, ja::kNothingToCopyMessage);
}

ZoneDiagramInput MainModel::ZoneInput() const {
    ZoneDiagramInput input{ZoneFeatureOf(kHole), ZoneFeatureOf(kShaft), std::nullopt};
    if (input.hole && input.shaft && zoneOverlay_) input.service = zoneOverlay_();
    return input;
}

std::optional<int> MainModel::TakeSelectAllRequest() {
    return std::exchange(selectAllRequest_, std::nullopt);
}

// ---- typing and pasting a class ----

bool MainModel::TakenQuietly(const Panel& p, int letterPosition, int gradePosition) const {
    const std::optional<int> step = iso286::ClassifySizeStep(TypedBasicSize(p));
    return !step || Classes().Check(p.kind, letterPosition, gradePosition, *step).outcome ==
                        CellCheck::Outcome::Defined;
}

void MainModel::MoveSlidersTo(const Panel& p, int letterPosition, int gradePosition) {
    const int oldLetter = controls_.At(p.letterSlider).position;
    const int oldGrade = controls_.At(p.gradeSlider).position;
    const bool letterFirst =
        TakenQuietly(p, letterPosition, oldGrade) || !TakenQuietly(p, oldLetter, gradePosition);
    if (letterFirst) {
        OnSliderPosition(p.letterSlider, letterPosition);
        OnSliderPosition(p.gradeSlider, gradePosition);
    } else {
        OnSliderPosition(p.gradeSlider, gradePosition);
        OnSliderPosition(p.letterSlider, letterPosition);
    }
}

void MainModel::ScrollToGeneralClass(const Panel& p, int generalClass) {
    for (int steps = 0; steps < kGeneralClassCount; ++steps) {
        const int before = StateOf(p).generalClass;
        if (before == generalClass || ended_) return;
        const bool up = generalClass < before;
        OnClassScroll(p.classScroll, up ? ScrollCode::LineUp : ScrollCode::LineDown);
        OnClassScroll(p.classScroll, ScrollCode::EndScroll);
        // A refused step is corrected back (or beyond): the window has said why.
        const int after = StateOf(p).generalClass;
        if (up ? after >= before : after <= before) return;
    }
}

void MainModel::OnClassChars(int id, std::string_view text, std::int64_t timeMs) {
    constexpr std::int64_t kTypingPauseMs = 1000;
    const ControlState* control = controls_.Find(id);
    if (ended_ || control == nullptr || !control->enabled || text.empty()) return;
    const Panel* panel = nullptr;
    for (const Panel* p : {&kHole, &kShaft}) {
        if (IsOnPanel(id, *p) || id == p->classScroll) panel = p;
    }
    if (panel == nullptr) return;
    if (id != typed_.control || timeMs < typed_.timeMs || timeMs - typed_.timeMs >= kTypingPauseMs)
        typed_.text.clear();
    typed_.control = id;
    typed_.timeMs = timeMs;
    typed_.text += text;
    if (id == panel->classScroll) {
        if (const std::optional<int> generalClass = MatchTypedGeneralClass(typed_.text))
            ScrollToGeneralClass(*panel, *generalClass);
        return;
    }
    const std::optional<TypedFitClass> typed = MatchTypedFitClass(Classes(), typed_.text);
    if (!typed) return;
    if (typed->gradePosition) return MoveSlidersTo(*panel, typed->letterPosition, *typed->gradePosition);
    OnSliderPosition(panel->letterSlider, typed->letterPosition);
}

void MainModel::OnPasteCallout(std::string_view text) {
    if (ended_) return;
    const std::optional<Callout> callout = ParseCallout(text);
    if (!callout) {
        host_.ShowMessage(ja::kMessageCaption, ja::kUnreadableCalloutMessage);
        return;
    }
    const std::optional<double> size =
        callout->basicSize ? std::optional(ParseNumber(*callout->basicSize)) : std::nullopt;
    // No range has classes at such a size: said once, and nothing changes.
    if (size && FitSizeLimitFails(*size, ToleranceMode::FitClass, WholeRange())) {
        const FeatureKind named = callout->hole ? FeatureKind::Hole : FeatureKind::Shaft;
        host_.ShowMessage(ja::kMessageCaption, SettingMessageText(named, WholeRange().SizeLimitMessage()));
        return;
    }
    // The range first, as the finder chooses a pair: so that neither the size
    // nor a class is refused on the way.
    bool needsWhole = size && FitSizeLimitFails(*size, ToleranceMode::FitClass, Classes());
    for (const auto& c : {callout->hole, callout->shaft})
        needsWhole = needsWhole || (c && !Classes().Offers(*c));
    if (needsWhole) SetFullRange(true);
    if (size && *size != TypedBasicSize(kHole)) OnEditChanged(kHoleBasicSize, *callout->basicSize);
    const std::pair<const Panel*, const std::optional<iso286::ToleranceClass>*> sides[] = {
        {&kHole, &callout->hole}, {&kShaft, &callout->shaft}};
    for (const auto& [p, c] : sides) {
        if (!*c || ended_) continue;
        if (!Checked(p->fitRadio)) OnClicked(p->fitRadio);
        // The window may refuse fit mode at this size (and has said so).
        if (!Checked(p->fitRadio)) continue;
        const std::optional<int> letter = Classes().LetterPosition((*c)->letterIndex);
        const std::optional<int> grade = Classes().GradePosition((*c)->gradeIndex);
        if (letter && grade) MoveSlidersTo(*p, *letter, *grade);
    }
}

}  // namespace tolvo
