#include "ui/control_tooltips.h"

#include <array>

#include "core/number_text.h"
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
    {kSameBasicSize,
     "チェックすると軸の基準寸法は穴の基準寸法に連動します\nチェックを外すと軸の基準寸法を別に入力できます"},
    {kHoleGeneralRadio,
     "JIS B0405の普通公差で穴の許容差を求めます\n等級は右の矢印で選びます（基準寸法0.5mm以上4000mm以下）"},
    {kShaftGeneralRadio,
     "JIS B0405の普通公差で軸の許容差を求めます\n等級は右の矢印で選びます（基準寸法0.5mm以上4000mm以下）"},
    {kHoleClassLabel, "穴の普通公差の等級：精級・中級・粗級・極粗級"},
    {kShaftClassLabel, "軸の普通公差の等級：精級・中級・粗級・極粗級"},
    {kHoleClassScroll,
     "穴の普通公差の等級を選びます\n上の矢印（↑キー）で精級の側へ、下の矢印（↓キー）で極粗級の側へ"},
    {kShaftClassScroll,
     "軸の普通公差の等級を選びます\n上の矢印（↑キー）で精級の側へ、下の矢印（↓キー）で極粗級の側へ"},
    {kHoleFreeRadio, "穴の上と下の寸法許容差をmmで直接入力します"},
    {kShaftFreeRadio, "軸の上と下の寸法許容差をmmで直接入力します"},
    {kHoleFreeFirst,
     "穴の寸法許容差の一方 (mm)：符号付きの数値（例：+0.025）\n二つの欄はどちらが上の許容差でもかまいません"},
    {kHoleFreeSecond,
     "穴の寸法許容差のもう一方 (mm)：符号付きの数値（例：0）\n二つの欄はどちらが上の許容差でもかまいません"},
    {kShaftFreeFirst,
     "軸の寸法許容差の一方 (mm)：符号付きの数値（例：-0.007）\n二つの欄はどちらが上の許容差でもかまいません"},
    {kShaftFreeSecond,
     "軸の寸法許容差のもう一方 (mm)：符号付きの数値（例：-0.020）\n二つの欄はどちらが上の許容差でもかまいません"},
    {kFitKindLabel,
     "はめあいの種類：すきまばめ（青）、中間ばめ（黄）、しまりばめ（赤）\n穴と軸の許容寸法がそろうと表示されます"},
    {kHelpButton, "ヘルプ（Tolvo.html）を開きます（F1キー）"},
    {kCopyButton, "計算結果を文章にしてクリップボードへコピーします（Alt+C）"},
    {kExitButton, "Tolvoを終了します（Alt+X、Escキー）"},
});

// "D～P", "5級～12級", "120mm": what a range offers, as its tooltips say it.
std::string Span(std::string_view first, std::string_view last, std::string_view unit = "") {
    return std::string(first) + std::string(unit) + "～" + std::string(last) + std::string(unit);
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
        Span(iso286::GradeName(first.gradeIndex), iso286::GradeName(last.gradeIndex), "級");
    const std::string largest = FormatG(range.LargestBasicSize()) + "mm以下";
    controls.At(kHoleBasicSize).tooltip =
        "穴の基準寸法 (mm)：0を超える数値\nJISはめあい公差では" + largest +
        "、JIS普通公差では0.5mm以上4000mm以下\n「穴と同じ基準寸法」がチェックされていると軸にも同じ寸法が入ります";
    controls.At(kShaftBasicSize).tooltip =
        "軸の基準寸法 (mm)：0を超える数値\nJISはめあい公差では" + largest +
        "、JIS普通公差では0.5mm以上4000mm以下\n「穴と同じ基準寸法」のチェックを外すと入力できます";
    for (const auto& [id, side] : {std::pair{kHoleFitRadio, "穴"}, std::pair{kShaftFitRadio, "軸"}}) {
        controls.At(id).tooltip = std::string("JIS B0401（ISO 286）のはめあい公差域クラスで") + side +
                                  "の許容差を求めます\n記号と等級をスライダーで選びます（基準寸法" + largest +
                                  "）";
    }
    controls.At(kHoleLetterSlider).tooltip =
        "穴の基礎となる寸法許容差の記号：" + letters(FeatureKind::Hole) + "（←→キーで一つずつ）";
    controls.At(kShaftLetterSlider).tooltip =
        "軸の基礎となる寸法許容差の記号：" + letters(FeatureKind::Shaft) + "（←→キーで一つずつ）";
    controls.At(kHoleGradeSlider).tooltip =
        "穴の公差等級：" + grades +
        "（←→キーで一つずつ）\nKは3mmを超える基準寸法で、Nは1mm以下の基準寸法で8級まで";
    controls.At(kShaftGradeSlider).tooltip = "軸の公差等級：" + grades + "（←→キーで一つずつ）";
}

}  // namespace

void SetMainDialogTooltips(ControlStates& controls, const ClassRange& range) {
    for (const ControlTooltip& tooltip : kTooltips)
        controls.At(tooltip.id).tooltip = std::string(tooltip.text);
    SetRangeTooltips(controls, range);
}

std::string PartialNumberTooltip(std::string_view readAs) {
    std::string text = "「";
    text += readAs;
    text += "」として計算しています";
    return text;
}

}  // namespace tolvo
