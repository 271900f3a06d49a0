#include "ui/control_tooltips.h"

#include <array>

#include "core/number_text.h"
#include "core/text_fill.h"
#include "core/texts_ja.h"
#include "ui/dialog_templates.h"

namespace tolvo {
namespace {

using namespace main_dialog;

struct ControlTooltip {
    int id;
    std::string_view text;
};

// Ranges as the setting checks enforce them: general tolerances from 0.5 mm
// to 4000 mm, a basic size that is not positive shows the placeholders. The
// texts of the range of classes are RangeTooltips'.
constexpr std::array kTooltips = std::to_array<ControlTooltip>({
    {kSameBasicSize, ja::kSameBasicSizeTooltip},
    {kHoleFreeFirst, ja::kHoleFreeFirstTooltip},
    {kHoleFreeSecond, ja::kHoleFreeSecondTooltip},
    {kShaftFreeFirst, ja::kShaftFreeFirstTooltip},
    {kShaftFreeSecond, ja::kShaftFreeSecondTooltip},
    {kFitKindLabel, ja::kFitKindTooltip},
    {kHelpButton, ja::kHelpButtonTooltip},
    {kCopyButton, ja::kCopyButtonTooltip},
    {kExitButton, ja::kExitButtonTooltip},
});

// The tooltips that name their feature: each panel's control, the pattern.
struct FeatureTooltip {
    int holeId;
    int shaftId;
    std::string_view pattern;
};
constexpr std::array kFeatureTooltips = std::to_array<FeatureTooltip>({
    {kHoleGeneralRadio, kShaftGeneralRadio, ja::kGeneralRadioTooltip},
    {kHoleClassLabel, kShaftClassLabel, ja::kClassLabelTooltip},
    {kHoleClassScroll, kShaftClassScroll, ja::kClassScrollTooltip},
    {kHoleFreeRadio, kShaftFreeRadio, ja::kFreeRadioTooltip},
});

// "D～P", "5級～12級", "120mm": what a range offers, as its tooltips say it.
std::string Span(std::string_view first, std::string_view last, std::string_view unit = "") {
    return FillIn(ja::kSpan, {std::string(first) + std::string(unit), std::string(last) + std::string(unit)});
}

void SetRangeTooltips(ControlStates& controls, const ClassRange& range) {
    const auto letters = [&](FeatureKind kind) {
        const iso286::ToleranceClass first = *range.ClassAt(kind, 0, 0);
        const iso286::ToleranceClass last =
            *range.ClassAt(kind, range.LetterCount() - 1, range.GradeCount() - 1);
        return Span(iso286::LetterName(kind, first.letterIndex), iso286::LetterName(kind, last.letterIndex));
    };
    const iso286::ToleranceClass first = *range.ClassAt(FeatureKind::Hole, 0, 0);
    const iso286::ToleranceClass last = *range.ClassAt(FeatureKind::Hole, 0, range.GradeCount() - 1);
    const std::string grades =
        Span(iso286::GradeName(first.gradeIndex), iso286::GradeName(last.gradeIndex), ja::kGradeUnit);
    const std::string largest = FillIn(ja::kUpToSize, {FormatG(range.LargestBasicSize())});
    controls.At(kHoleBasicSize).tooltip = FillIn(ja::kHoleBasicSizeTooltip, {largest});
    controls.At(kShaftBasicSize).tooltip = FillIn(ja::kShaftBasicSizeTooltip, {largest});
    controls.At(kHoleFitRadio).tooltip = FillIn(ja::kFitRadioTooltip, {ja::kHoleWord, largest});
    controls.At(kShaftFitRadio).tooltip = FillIn(ja::kFitRadioTooltip, {ja::kShaftWord, largest});
    controls.At(kHoleLetterSlider).tooltip =
        FillIn(ja::kLetterSliderTooltip, {ja::kHoleWord, letters(FeatureKind::Hole)});
    controls.At(kShaftLetterSlider).tooltip =
        FillIn(ja::kLetterSliderTooltip, {ja::kShaftWord, letters(FeatureKind::Shaft)});
    controls.At(kHoleGradeSlider).tooltip = FillIn(ja::kHoleGradeSliderTooltip, {grades});
    controls.At(kShaftGradeSlider).tooltip = FillIn(ja::kShaftGradeSliderTooltip, {grades});
}

}  // namespace

void SetMainDialogTooltips(ControlStates& controls, const ClassRange& range) {
    for (const ControlTooltip& tooltip : kTooltips)
        controls.At(tooltip.id).tooltip = std::string(tooltip.text);
    for (const FeatureTooltip& tooltip : kFeatureTooltips) {
        controls.At(tooltip.holeId).tooltip = FillIn(tooltip.pattern, {ja::kHoleWord});
        controls.At(tooltip.shaftId).tooltip = FillIn(tooltip.pattern, {ja::kShaftWord});
    }
    SetRangeTooltips(controls, range);
}

std::string PartialNumberTooltip(std::string_view readAs) {
    return FillIn(ja::kPartialNumberTooltip, {readAs});
}

}  // namespace tolvo
