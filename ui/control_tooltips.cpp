#include "ui/control_tooltips.h"

#include <array>

#include "ui/dialog_templates.h"

namespace tolvo {
namespace {

using namespace main_dialog;

// Ranges as the setting checks enforce them: fit classes up to 120 mm, general
// tolerances from 0.5 mm to 4000 mm, a basic size that is not positive shows
// the placeholders.
constexpr std::array kTooltips = std::to_array<ControlTooltip>({
    {kHoleBasicSize,
     "穴の基準寸法 (mm)：0を超える数値\nJISはめあい公差では120mm以下、JIS普通公差では0.5mm以上4000mm以下\n「穴と同じ基準寸法」がチェックされていると軸にも同じ寸法が入ります"},
    {kShaftBasicSize,
     "軸の基準寸法 (mm)：0を超える数値\nJISはめあい公差では120mm以下、JIS普通公差では0.5mm以上4000mm以下\n「穴と同じ基準寸法」のチェックを外すと入力できます"},
    {kSameBasicSize,
     "チェックすると軸の基準寸法は穴の基準寸法に連動します\nチェックを外すと軸の基準寸法を別に入力できます"},
    {kHoleFitRadio,
     "JIS B0401（ISO 286）のはめあい公差域クラスで穴の許容差を求めます\n記号と等級をスライダーで選びます（基準寸法120mm以下）"},
    {kShaftFitRadio,
     "JIS B0401（ISO 286）のはめあい公差域クラスで軸の許容差を求めます\n記号と等級をスライダーで選びます（基準寸法120mm以下）"},
    {kHoleLetterSlider, "穴の基礎となる寸法許容差の記号：D～P（←→キーで一つずつ）"},
    {kShaftLetterSlider, "軸の基礎となる寸法許容差の記号：d～p（←→キーで一つずつ）"},
    {kHoleGradeSlider,
     "穴の公差等級：5級～12級（←→キーで一つずつ）\nKは3mmを超える基準寸法で、Nは1mm以下の基準寸法で8級まで"},
    {kShaftGradeSlider, "軸の公差等級：5級～12級（←→キーで一つずつ）"},
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

}  // namespace

const std::span<const ControlTooltip> kMainDialogTooltips = kTooltips;

std::string PartialNumberTooltip(std::string_view readAs) {
    std::string text = "「";
    text += readAs;
    text += "」として計算しています";
    return text;
}

}  // namespace tolvo
