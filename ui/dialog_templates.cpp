#include "ui/dialog_templates.h"

#include "core/press_fit_text.h"
#include "core/texts_ja.h"
#include "core/version.h"

#include <array>

namespace tolvo {
namespace {

// The one-line notice of the About box.
constexpr std::string_view kAboutNotice = "このプログラムはフリーウェアです。";

// Main window, in template order (which is the tab order).
constexpr ControlTemplate kSeedMainControls[] = {
    {kNoId, ControlKind::GroupBox, " 穴  φ                    mm", {10, 10, 155, 202}, 0},
    {main_dialog::kHoleBasicSize, ControlKind::InputEdit, "", {36, 8, 42, 12}, 0},
    {main_dialog::kHoleFitRadio, ControlKind::Radio, "ＪIＳはめあい公差", {20, 30, 60, 10}, 0},
    {main_dialog::kHoleLetterCaption, ControlKind::Static, "記号", {30, 49, 15, 10}, 0},
    {main_dialog::kHoleLetterMarks[0], ControlKind::Static, "D", {49, 45, 8, 8}, 0},
    {main_dialog::kHoleLetterMarks[1], ControlKind::Static, "E", {60, 45, 8, 8}, 0},
    {main_dialog::kHoleLetterMarks[2], ControlKind::Static, "F", {70, 45, 8, 8}, 0},
    {main_dialog::kHoleLetterMarks[3], ControlKind::Static, "G", {80, 45, 8, 8}, 0},
    {main_dialog::kHoleLetterMarks[4], ControlKind::Static, "H", {90, 45, 8, 8}, 0},
    {main_dialog::kHoleLetterMarks[5], ControlKind::Static, "JS", {98, 45, 8, 8}, 0},
    {main_dialog::kHoleLetterMarks[6], ControlKind::Static, "K", {111, 45, 8, 8}, 0},
    {main_dialog::kHoleLetterMarks[7], ControlKind::Static, "M", {120, 45, 8, 8}, 0},
    {main_dialog::kHoleLetterMarks[8], ControlKind::Static, "N", {131, 45, 8, 8}, 0},
    {main_dialog::kHoleLetterMarks[9], ControlKind::Static, "P", {141, 45, 8, 8}, 0},
    {main_dialog::kHoleLetterSlider, ControlKind::Slider, "", {46, 52, 103, 13}, 0},
    {main_dialog::kHoleGradeSlider, ControlKind::Slider, "", {46, 65, 103, 13}, 0},
    {main_dialog::kHoleGradeCaption, ControlKind::Static, "等級", {30, 71, 15, 10}, 0},
    {main_dialog::kHoleGradeMarks[0], ControlKind::Static, "5", {50, 78, 8, 8}, 0},
    {main_dialog::kHoleGradeMarks[1], ControlKind::Static, "6", {63, 78, 8, 8}, 0},
    {main_dialog::kHoleGradeMarks[2], ControlKind::Static, "7", {76, 78, 8, 8}, 0},
    {main_dialog::kHoleGradeMarks[3], ControlKind::Static, "8", {89, 78, 8, 8}, 0},
    {main_dialog::kHoleGradeMarks[4], ControlKind::Static, "9", {102, 78, 8, 8}, 0},
    {main_dialog::kHoleGradeMarks[5], ControlKind::Static, "10", {114, 78, 8, 8}, 0},
    {main_dialog::kHoleGradeMarks[6], ControlKind::Static, "11", {127, 78, 8, 8}, 0},
    {main_dialog::kHoleGradeMarks[7], ControlKind::Static, "12", {140, 78, 8, 8}, 0},
    {main_dialog::kHoleGeneralRadio, ControlKind::Radio, "ＪＩＳ普通公差", {20, 103, 53, 10}, 0},
    {main_dialog::kHoleClassLabel,
     ControlKind::Static,
     ja::kGeneralClassNames[0],
     {83, 103, 37, 10},
     kCentred | kSunken},
    {main_dialog::kHoleClassScroll, ControlKind::ScrollBar, "", {120, 101, 10, 14}, 0},
    {main_dialog::kHoleFreeRadio, ControlKind::Radio, ja::kFreeModeName, {20, 129, 40, 10}, 0},
    {main_dialog::kHoleFreeFirst, ControlKind::InputEdit, "", {65, 129, 30, 12}, 0},
    {main_dialog::kHoleFreeFirstUnit, ControlKind::Static, "mm／", {97, 131, 18, 10}, 0},
    {main_dialog::kHoleFreeSecond, ControlKind::InputEdit, "", {116, 129, 30, 12}, 0},
    {main_dialog::kHoleFreeSecondUnit, ControlKind::Static, "mm", {147, 131, 10, 10}, 0},
    {kNoId, ControlKind::Static, "許容差 ：", {20, 161, 26, 10}, 0},
    {main_dialog::kHoleDeviation, ControlKind::OutputEdit, "", {49, 161, 50, 12}, 0},
    {kNoId, ControlKind::Static, "公差 ：", {102, 161, 20, 10}, 0},
    {main_dialog::kHoleTolerance, ControlKind::OutputEdit, "", {124, 161, 32, 12}, 0},
    {kNoId, ControlKind::Static, "許容寸法 ：", {20, 178, 35, 10}, 0},
    {main_dialog::kHoleLimitSizes, ControlKind::OutputEdit, "", {55, 178, 100, 12}, 0},
    {kNoId, ControlKind::Static, "（ 中央値換算 ：", {20, 193, 48, 10}, 0},
    {main_dialog::kHoleMeanValue, ControlKind::OutputEdit, "", {67, 193, 88, 12}, 0},
    {kNoId, ControlKind::GroupBox, "軸 φ                    mm     ", {175, 10, 155, 202}, 0},
    {main_dialog::kShaftBasicSize, ControlKind::InputEdit, "", {197, 7, 42, 12}, 0},
    {main_dialog::kSameBasicSize, ControlKind::CheckBox, "穴と同じ基準寸法", {257, 6, 62, 15}, 0},
    {main_dialog::kShaftFitRadio, ControlKind::Radio, "ＪIＳはめあい公差", {185, 30, 60, 10}, 0},
    {main_dialog::kShaftLetterCaption, ControlKind::Static, "記号", {195, 49, 15, 10}, 0},
    {main_dialog::kShaftLetterMarks[0], ControlKind::Static, "d", {214, 44, 8, 8}, 0},
    {main_dialog::kShaftLetterMarks[1], ControlKind::Static, "e", {225, 44, 8, 8}, 0},
    {main_dialog::kShaftLetterMarks[2], ControlKind::Static, "f", {235, 44, 8, 8}, 0},
    {main_dialog::kShaftLetterMarks[3], ControlKind::Static, "g", {245, 44, 8, 8}, 0},
    {main_dialog::kShaftLetterMarks[4], ControlKind::Static, "h", {256, 44, 8, 8}, 0},
    {main_dialog::kShaftLetterMarks[5], ControlKind::Static, "js", {265, 44, 8, 8}, 0},
    {main_dialog::kShaftLetterMarks[6], ControlKind::Static, "k", {276, 44, 8, 8}, 0},
    {main_dialog::kShaftLetterMarks[7], ControlKind::Static, "m", {284, 44, 8, 8}, 0},
    {main_dialog::kShaftLetterMarks[8], ControlKind::Static, "n", {296, 44, 8, 8}, 0},
    {main_dialog::kShaftLetterMarks[9], ControlKind::Static, "p", {306, 44, 8, 8}, 0},
    {main_dialog::kShaftLetterSlider, ControlKind::Slider, "", {211, 52, 103, 13}, 0},
    {main_dialog::kShaftGradeSlider, ControlKind::Slider, "", {211, 65, 103, 13}, 0},
    {main_dialog::kShaftGradeCaption, ControlKind::Static, "等級", {195, 71, 15, 10}, 0},
    {main_dialog::kShaftGradeMarks[0], ControlKind::Static, "5", {215, 78, 8, 8}, 0},
    {main_dialog::kShaftGradeMarks[1], ControlKind::Static, "6", {228, 78, 8, 8}, 0},
    {main_dialog::kShaftGradeMarks[2], ControlKind::Static, "7", {241, 78, 8, 8}, 0},
    {main_dialog::kShaftGradeMarks[3], ControlKind::Static, "8", {254, 78, 8, 8}, 0},
    {main_dialog::kShaftGradeMarks[4], ControlKind::Static, "9", {267, 78, 8, 8}, 0},
    {main_dialog::kShaftGradeMarks[5], ControlKind::Static, "10", {279, 78, 8, 8}, 0},
    {main_dialog::kShaftGradeMarks[6], ControlKind::Static, "11", {292, 78, 8, 8}, 0},
    {main_dialog::kShaftGradeMarks[7], ControlKind::Static, "12", {305, 78, 8, 8}, 0},
    {main_dialog::kShaftGeneralRadio, ControlKind::Radio, "ＪＩＳ普通公差", {185, 103, 53, 10}, 0},
    {main_dialog::kShaftClassLabel,
     ControlKind::Static,
     ja::kGeneralClassNames[0],
     {248, 103, 37, 10},
     kCentred | kSunken},
    {main_dialog::kShaftClassScroll, ControlKind::ScrollBar, "", {285, 101, 10, 14}, 0},
    {main_dialog::kShaftFreeRadio, ControlKind::Radio, ja::kFreeModeName, {185, 129, 40, 10}, 0},
    {main_dialog::kShaftFreeFirst, ControlKind::InputEdit, "", {230, 129, 30, 12}, 0},
    {main_dialog::kShaftFreeFirstUnit, ControlKind::Static, "mm／", {262, 131, 18, 10}, 0},
    {main_dialog::kShaftFreeSecond, ControlKind::InputEdit, "", {281, 129, 30, 12}, 0},
    {main_dialog::kShaftFreeSecondUnit, ControlKind::Static, "mm", {312, 131, 10, 10}, 0},
    {kNoId, ControlKind::Static, "許容差 ：", {185, 161, 26, 10}, 0},
    {main_dialog::kShaftDeviation, ControlKind::OutputEdit, "", {214, 161, 50, 12}, 0},
    {kNoId, ControlKind::Static, "公差 ：", {267, 161, 20, 10}, 0},
    {main_dialog::kShaftTolerance, ControlKind::OutputEdit, "", {289, 161, 32, 12}, 0},
    {kNoId, ControlKind::Static, "許容寸法 ：", {185, 178, 35, 10}, 0},
    {main_dialog::kShaftLimitSizes, ControlKind::OutputEdit, "", {220, 178, 100, 12}, 0},
    {kNoId, ControlKind::Static, "（ 中央値換算 ：", {185, 193, 48, 10}, 0},
    {main_dialog::kShaftMeanValue, ControlKind::OutputEdit, "", {232, 193, 88, 12}, 0},
    {main_dialog::kFitKindLabel, ControlKind::Static, "", {10, 220, 95, 40}, kCentred | kSunken | kNoPrefix},
    {main_dialog::kFirstFitCaption, ControlKind::OutputEdit, "", {125, 222, 56, 12}, 0},
    {main_dialog::kFirstFitAmount, ControlKind::OutputEdit, "", {184, 222, 60, 12}, 0},
    {main_dialog::kSecondFitCaption, ControlKind::OutputEdit, "", {125, 237, 56, 12}, 0},
    {main_dialog::kSecondFitAmount, ControlKind::OutputEdit, "", {184, 237, 60, 12}, 0},
    {kNoId, ControlKind::Static, "( 中央値換算の勘合 ：", {108, 251, 73, 10}, kRightAligned},
    {main_dialog::kMeanFit, ControlKind::OutputEdit, "", {184, 251, 84, 12}, 0},
    {main_dialog::kHelpButton, ControlKind::PushButton, "ヘルプ(F1)", {275, 217, 55, 14}, 0},
    {main_dialog::kCopyButton, ControlKind::PushButton, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞ(&C)...", {275, 233, 55, 14}, 0},
    {main_dialog::kExitButton, ControlKind::DefaultPushButton, "終了(&X)", {275, 249, 55, 14}, 0},
};

// The controls of the whole ISO 286 range, which the window shows in place of
// the seed marks: each panel's class text left of its sliders, and two
// staggered rows of marks above the letter slider and below the grade slider,
// spread over the travel of the slider's handle (the seed marks' outer centres).
namespace whole_range {
constexpr int kShaftOffset = 165;  // the shaft panel sits this far right of the hole's
constexpr int kFirstCentre = 53;
constexpr int kLastCentre = 145;
constexpr int kMarkWidth = 8;
constexpr int kMarkHeight = 6;
constexpr int kLetterRows[] = {39, 45};
constexpr int kGradeRows[] = {78, 84};
constexpr std::size_t kCount = 2 + 2 * (iso286::kLetterCount + iso286::kGradeCount);

template <std::size_t N>
constexpr void AddMarks(std::array<ControlTemplate, kCount>& out, std::size_t& next,
                        const std::array<int, N>& ids, int offset, const int (&rows)[2]) {
    for (std::size_t i = 0; i < N; ++i) {
        const int centre =
            kFirstCentre + static_cast<int>(i) * (kLastCentre - kFirstCentre) / static_cast<int>(N - 1);
        out[next++] = {ids[i],
                       ControlKind::Static,
                       "",
                       {offset + centre - kMarkWidth / 2, rows[i % 2], kMarkWidth, kMarkHeight},
                       kCentred};
    }
}

constexpr std::array<ControlTemplate, kCount> Controls() {
    using namespace main_dialog;
    std::array<ControlTemplate, kCount> out{};
    std::size_t next = 0;
    out[next++] = {kHoleClassText, ControlKind::Static, "", {20, 60, 25, 10}, kCentred};
    out[next++] = {kShaftClassText, ControlKind::Static, "", {20 + kShaftOffset, 60, 25, 10}, kCentred};
    AddMarks(out, next, kHoleWholeLetterMarks, 0, kLetterRows);
    AddMarks(out, next, kHoleWholeGradeMarks, 0, kGradeRows);
    AddMarks(out, next, kShaftWholeLetterMarks, kShaftOffset, kLetterRows);
    AddMarks(out, next, kShaftWholeGradeMarks, kShaftOffset, kGradeRows);
    return out;
}
}  // namespace whole_range

template <std::size_t A, std::size_t B>
constexpr std::array<ControlTemplate, A + B> Join(const ControlTemplate (&first)[A],
                                                  const std::array<ControlTemplate, B>& second) {
    std::array<ControlTemplate, A + B> out{};
    for (std::size_t i = 0; i < A; ++i) out[i] = first[i];
    for (std::size_t i = 0; i < B; ++i) out[A + i] = second[i];
    return out;
}

// The whole-range controls are statics: they come last without changing the tab order.
constexpr auto kMainControls = Join(kSeedMainControls, whole_range::Controls());

// "クリップボードへコピーする"
constexpr ControlTemplate kCopyControls[] = {
    {copy_dialog::kIncludeTitle, ControlKind::CheckBox, "タイトル ：", {5, 22, 40, 10}, 0},
    {copy_dialog::kTitleEdit, ControlKind::InputEdit, "", {45, 21, 80, 12}, 0},
    {copy_dialog::kIncludeHoleName, ControlKind::CheckBox, "名称 ：", {15, 55, 30, 10}, 0},
    {copy_dialog::kHoleNameEdit, ControlKind::InputEdit, "", {48, 54, 64, 12}, 0},
    {copy_dialog::kIncludeHoleBasicSize, ControlKind::CheckBox, "基準寸法", {15, 71, 45, 10}, 0},
    {copy_dialog::kHoleOmitPhi, ControlKind::CheckBox, "“φ”は不要", {65, 71, 50, 10}, 0},
    {copy_dialog::kIncludeHoleDeviation, ControlKind::CheckBox, "許容差", {15, 86, 35, 10}, 0},
    {copy_dialog::kIncludeHoleTolerance, ControlKind::CheckBox, "公差", {65, 86, 35, 10}, 0},
    {copy_dialog::kIncludeHoleLimits, ControlKind::CheckBox, "許容寸法", {15, 101, 40, 10}, 0},
    {copy_dialog::kIncludeHoleMean, ControlKind::CheckBox, "中央値換算", {65, 101, 50, 10}, 0},
    {copy_dialog::kIncludeShaftName, ControlKind::CheckBox, "名称 ：", {15, 145, 30, 10}, 0},
    {copy_dialog::kShaftNameEdit, ControlKind::InputEdit, "", {48, 144, 64, 12}, 0},
    {copy_dialog::kIncludeShaftBasicSize, ControlKind::CheckBox, "基準寸法", {15, 161, 45, 10}, 0},
    {copy_dialog::kShaftOmitPhi, ControlKind::CheckBox, "“φ”は不要", {65, 161, 50, 10}, 0},
    {copy_dialog::kIncludeShaftDeviation, ControlKind::CheckBox, "許容差", {15, 176, 35, 10}, 0},
    {copy_dialog::kIncludeShaftTolerance, ControlKind::CheckBox, "公差", {65, 175, 35, 10}, 0},
    {copy_dialog::kIncludeShaftLimits, ControlKind::CheckBox, "許容寸法", {15, 191, 40, 10}, 0},
    {copy_dialog::kIncludeShaftMean, ControlKind::CheckBox, "中央値換算", {65, 191, 45, 10}, 0},
    {copy_dialog::kIncludeFitKind, ControlKind::CheckBox, "はめあい", {15, 235, 40, 10}, 0},
    {copy_dialog::kIncludeFitAmounts, ControlKind::CheckBox, "勘合量", {15, 250, 37, 10}, 0},
    {copy_dialog::kIncludeMeanFit, ControlKind::CheckBox, "中央値換算の勘合", {15, 265, 85, 10}, 0},
    {copy_dialog::kIncludeCallout, ControlKind::CheckBox, ja::kIncludeCalloutText, {57, 250, 66, 10}, 0},
    {copy_dialog::kIncludePressFit, ControlKind::CheckBox, ja::kIncludePressFitText, {57, 235, 66, 10}, 0},
    {copy_dialog::kIncludeService, ControlKind::CheckBox, ja::kIncludeServiceText, {57, 275, 66, 10}, 0},
    {copy_dialog::kCopyButton, ControlKind::DefaultPushButton, "コピー", {165, 271, 50, 14}, 0},
    {copy_dialog::kCancelButton, ControlKind::PushButton, "ｷｬﾝｾﾙ", {220, 271, 50, 14}, 0},
    {kNoId, ControlKind::Static, "コピー内容", {133, 10, 45, 10}, 0},
    {copy_dialog::kPreviewEdit, ControlKind::PreviewEdit, "", {135, 20, 165, 240}, 0},
    {kNoId, ControlKind::GroupBox, ja::kHoleWord, {5, 41, 120, 79}, 0},
    {kNoId, ControlKind::Static, "＜ コピー内容を編集できます ＞", {5, 5, 105, 10}, 0},
    {kNoId, ControlKind::GroupBox, ja::kShaftWord, {5, 130, 120, 80}, 0},
    {kNoId, ControlKind::GroupBox, "結果", {5, 220, 120, 65}, 0},
};

// About box
constexpr ControlTemplate kAboutControls[] = {
    {kNoId, ControlKind::Icon, "", {11, 17, 20, 20}, 0},
    {kNoId, ControlKind::Static, "Tolvo Version " TOLVO_SHOWN_VERSION, {40, 10, 119, 8}, kNoPrefix},
    {kNoId, ControlKind::Static, kAboutNotice, {40, 20, 138, 8}, 0},
    {about_dialog::kOkButton, ControlKind::DefaultPushButton, "OK", {178, 7, 32, 14}, 0},
    {kNoId, ControlKind::Static, "", {40, 30, 127, 20}, kTwoLines},
};

// "はめあい検索"
constexpr ControlTemplate kFinderControls[] = {
    {kNoId, ControlKind::Static, "基準寸法 φ", {10, 10, 42, 10}, 0},
    {finder_dialog::kBasicSize, ControlKind::InputEdit, "", {54, 8, 44, 12}, 0},
    {kNoId, ControlKind::Static, "mm", {101, 10, 12, 10}, 0},
    {kNoId, ControlKind::Static, "すきま 最小", {10, 26, 42, 10}, 0},
    {finder_dialog::kWantedMinimum, ControlKind::InputEdit, "", {54, 24, 44, 12}, 0},
    {kNoId, ControlKind::Static, "mm ～ 最大", {101, 26, 38, 10}, 0},
    {finder_dialog::kWantedMaximum, ControlKind::InputEdit, "", {141, 24, 44, 12}, 0},
    {kNoId, ControlKind::Static, "mm（負の値はしめしろ）", {188, 26, 100, 10}, 0},
    {kNoId, ControlKind::GroupBox, "探す側", {5, 40, 300, 28}, 0},
    {finder_dialog::kHoleBasis, ControlKind::Radio, "穴基準", {12, 52, 42, 10}, 0},
    {finder_dialog::kShaftBasis, ControlKind::Radio, "軸基準", {57, 52, 42, 10}, 0},
    {finder_dialog::kAnyBasis, ControlKind::Radio, "両方", {102, 52, 34, 10}, 0},
    {finder_dialog::kFixHole, ControlKind::Radio, "穴を固定", {139, 52, 50, 10}, 0},
    {finder_dialog::kFixShaft, ControlKind::Radio, "軸を固定", {192, 52, 50, 10}, 0},
    {finder_dialog::kWholeRange, ControlKind::CheckBox, "全範囲", {248, 52, 50, 10}, 0},
    {finder_dialog::kMessage, ControlKind::Static, "", {10, 72, 295, 10}, 0},
    {kNoId,
     ControlKind::Static,
     "◎ 常用するはめあい（ダブルクリックか Enter で主画面へ）",
     {10, 84, 295, 10},
     0},
    {finder_dialog::kResults, ControlKind::ListBox, "", {10, 95, 295, 125}, 0},
    {kNoId, ControlKind::GroupBox, "実測チェック（主画面の穴と軸）", {5, 225, 305, 117}, 0},
    {kNoId, ControlKind::Static, "穴の実測値", {12, 239, 42, 10}, 0},
    {finder_dialog::kMeasuredHoles, ControlKind::InputEdit, "", {56, 237, 245, 12}, 0},
    {kNoId, ControlKind::Static, "軸の実測値", {12, 254, 42, 10}, 0},
    {finder_dialog::kMeasuredShafts, ControlKind::InputEdit, "", {56, 252, 245, 12}, 0},
    {finder_dialog::kMeasuredResults, ControlKind::PreviewEdit, "", {12, 268, 289, 70}, 0},
    {finder_dialog::kCloseButton, ControlKind::PushButton, "閉じる", {255, 346, 50, 14}, 0},
};

// ---- the joint's dialog "圧入計算" ----
namespace press_fit {
using namespace press_dialog;
// The inputs on the left, in tab order.
constexpr ControlTemplate kInputs[] = {
    {kTypedInterference, ControlKind::CheckBox, "しめしろを入力", {8, 6, 90, 10}, 0},
    {kNoId, ControlKind::Static, "はめあい径 φ", {8, 22, 60, 10}, 0},
    {kJointDiameter, ControlKind::InputEdit, "", {70, 20, 40, 12}, 0},
    {kNoId, ControlKind::Static, "mm", {113, 22, 14, 10}, 0},
    {kNoId, ControlKind::Static, "しめしろ 最小", {8, 37, 60, 10}, 0},
    {kMinimumInterference, ControlKind::InputEdit, "", {70, 35, 40, 12}, 0},
    {kNoId, ControlKind::Static, "～ 最大", {113, 37, 28, 10}, 0},
    {kMaximumInterference, ControlKind::InputEdit, "", {142, 35, 40, 12}, 0},
    {kNoId, ControlKind::Static, "mm", {185, 37, 14, 10}, 0},
    {kNoId, ControlKind::Static, "ハブ外径 φ", {8, 53, 60, 10}, 0},
    {kHubOuterDiameter, ControlKind::InputEdit, "", {70, 51, 40, 12}, 0},
    {kNoId, ControlKind::Static, "mm", {113, 53, 14, 10}, 0},
    {kNoId, ControlKind::Static, "はめあい長さ", {8, 68, 60, 10}, 0},
    {kLength, ControlKind::InputEdit, "", {70, 66, 40, 12}, 0},
    {kNoId, ControlKind::Static, "mm", {113, 68, 14, 10}, 0},
    {kNoId, ControlKind::Static, "軸の内径 φ", {8, 83, 60, 10}, 0},
    {kShaftBore, ControlKind::InputEdit, "0", {70, 81, 40, 12}, 0},
    {kNoId, ControlKind::Static, "mm （0 は中実軸）", {113, 83, 90, 10}, 0},
    {kNoId, ControlKind::Static, "摩擦係数 μ", {8, 98, 60, 10}, 0},
    {kFriction, ControlKind::InputEdit, "0.1", {70, 96, 40, 12}, 0},
    {kNoId, ControlKind::Static, "圧入時 μe", {113, 98, 40, 10}, 0},
    {kPressFriction, ControlKind::InputEdit, "", {155, 96, 40, 12}, 0},
    {kNoId, ControlKind::Static, "ハブ材料", {8, 116, 40, 10}, 0},
    {kHubMaterial, ControlKind::Static, "", {50, 116, 150, 10}, kSunken},
    {kHubMaterialScroll, ControlKind::ScrollBar, "", {200, 114, 10, 14}, 0},
    {kNoId, ControlKind::Static, "軸材料", {8, 132, 40, 10}, 0},
    {kShaftMaterial, ControlKind::Static, "", {50, 132, 150, 10}, kSunken},
    {kShaftMaterialScroll, ControlKind::ScrollBar, "", {200, 130, 10, 14}, 0},
    {kNoId, ControlKind::Static, "ハブ", {100, 148, 44, 10}, kCentred},
    {kNoId, ControlKind::Static, "軸", {150, 148, 44, 10}, kCentred},
    {kNoId, ControlKind::Static, "縦弾性係数 E (GPa)", {8, 161, 90, 10}, 0},
    {kHubValues[0], ControlKind::InputEdit, "", {100, 159, 44, 12}, 0},
    {kShaftValues[0], ControlKind::InputEdit, "", {150, 159, 44, 12}, 0},
    {kNoId, ControlKind::Static, "ポアソン比 ν", {8, 175, 90, 10}, 0},
    {kHubValues[1], ControlKind::InputEdit, "", {100, 173, 44, 12}, 0},
    {kShaftValues[1], ControlKind::InputEdit, "", {150, 173, 44, 12}, 0},
    {kNoId, ControlKind::Static, "線膨張係数 α (1/K)", {8, 189, 90, 10}, 0},
    {kHubValues[2], ControlKind::InputEdit, "", {100, 187, 44, 12}, 0},
    {kShaftValues[2], ControlKind::InputEdit, "", {150, 187, 44, 12}, 0},
    {kNoId, ControlKind::Static, "降伏点 (MPa)", {8, 203, 90, 10}, 0},
    {kHubValues[3], ControlKind::InputEdit, "", {100, 201, 44, 12}, 0},
    {kShaftValues[3], ControlKind::InputEdit, "", {150, 201, 44, 12}, 0},
    {kNoId, ControlKind::Static, "密度 (kg/m³)", {8, 217, 90, 10}, 0},
    {kHubValues[4], ControlKind::InputEdit, "", {100, 215, 44, 12}, 0},
    {kShaftValues[4], ControlKind::InputEdit, "", {150, 215, 44, 12}, 0},
    {kNoId, ControlKind::Static, "粗さ Rz (μm)", {8, 231, 90, 10}, 0},
    {kHubRoughness, ControlKind::InputEdit, "", {100, 229, 44, 12}, 0},
    {kShaftRoughness, ControlKind::InputEdit, "", {150, 229, 44, 12}, 0},
    {kNoId, ControlKind::Static, "使用温度 (°C)", {8, 245, 90, 10}, 0},
    {kHubServiceTemperature, ControlKind::InputEdit, "", {100, 243, 44, 12}, 0},
    {kShaftServiceTemperature, ControlKind::InputEdit, "", {150, 243, 44, 12}, 0},
    {kNoId, ControlKind::Static, "平滑化係数 k", {8, 261, 60, 10}, 0},
    {kSmoothingCurrent, ControlKind::Radio, "0.4", {70, 261, 34, 10}, 0},
    {kSmoothingOlder, ControlKind::Radio, "0.8 （旧法）", {106, 261, 70, 10}, 0},
    {kNoId, ControlKind::Static, "回転数 (1/min)", {8, 276, 60, 10}, 0},
    {kSpeed, ControlKind::InputEdit, "", {70, 274, 40, 12}, 0},
    {kNoId, ControlKind::Static, "室温 (°C)", {116, 276, 40, 10}, 0},
    {kRoomTemperature, ControlKind::InputEdit, "20", {158, 274, 36, 12}, 0},
    {kNoId, ControlKind::Static, "はめ込みすきま", {8, 291, 60, 10}, 0},
    {kMountingClearance, ControlKind::InputEdit, "", {70, 289, 40, 12}, 0},
    {kNoId, ControlKind::Static, "mm", {113, 291, 14, 10}, 0},
    {kNoId, ControlKind::Static, "最小安全率", {130, 291, 44, 10}, 0},
    {kMinimumSafety, ControlKind::InputEdit, "1", {174, 289, 20, 12}, 0},
};
// The results on the right: a row per joint value, then the temperatures.
constexpr int kRowTop = 20;
constexpr int kRowStep = 13;
constexpr int kLabelX = 218;
constexpr int kMinimumX = 318;
constexpr int kMaximumX = 378;
constexpr int kUnitX = 438;
constexpr int kShrinkTop = kRowTop + kRowStep * static_cast<int>(kPressFitRowCount) + 4;
constexpr ControlTemplate kHeadings[] = {
    {kNoId, ControlKind::Static, "最小しめしろ", {kMinimumX, 6, 58, 10}, kCentred},
    {kNoId, ControlKind::Static, "最大しめしろ", {kMaximumX, 6, 58, 10}, kCentred},
};
constexpr ControlTemplate kTail[] = {
    {kNoId, ControlKind::Static, "焼きばめ ハブ加熱", {kLabelX, kShrinkTop + 2, 98, 10}, 0},
    {kShrinkHubTemperature, ControlKind::OutputEdit, "", {kMinimumX, kShrinkTop, 58, 12}, 0},
    {kNoId, ControlKind::Static, "°C", {kMinimumX + 60, kShrinkTop + 2, 14, 10}, 0},
    {kNoId, ControlKind::Static, "冷やしばめ 軸冷却", {kLabelX, kShrinkTop + 16, 98, 10}, 0},
    {kCoolShaftTemperature, ControlKind::OutputEdit, "", {kMinimumX, kShrinkTop + 14, 58, 12}, 0},
    {kNoId, ControlKind::Static, "°C", {kMinimumX + 60, kShrinkTop + 16, 14, 10}, 0},
    {kMessage, ControlKind::Static, "", {8, 308, 460, 10}, 0},
    {kFindings, ControlKind::PreviewEdit, "", {8, 320, 460, 40}, 0},
    {kCloseButton, ControlKind::PushButton, "閉じる", {418, 364, 50, 14}, 0},
};
constexpr std::size_t kCount =
    std::size(kInputs) + std::size(kHeadings) + 4 * kPressFitRowCount + std::size(kTail);

constexpr std::array<ControlTemplate, kCount> Controls() {
    std::array<ControlTemplate, kCount> out{};
    std::size_t next = 0;
    for (const ControlTemplate& c : kInputs) out[next++] = c;
    for (const ControlTemplate& c : kHeadings) out[next++] = c;
    for (std::size_t k = 0; k < kPressFitRowCount; ++k) {
        const int y = kRowTop + kRowStep * static_cast<int>(k);
        out[next++] = {kNoId, ControlKind::Static, kPressFitRows[k].japanese, {kLabelX, y + 2, 98, 10}, 0};
        out[next++] = {MinimumResult(k), ControlKind::OutputEdit, "", {kMinimumX, y, 58, 12}, 0};
        out[next++] = {MaximumResult(k), ControlKind::OutputEdit, "", {kMaximumX, y, 58, 12}, 0};
        out[next++] = {kNoId, ControlKind::Static, kPressFitRows[k].unit, {kUnitX, y + 2, 26, 10}, 0};
    }
    for (const ControlTemplate& c : kTail) out[next++] = c;
    return out;
}
}  // namespace press_fit

constexpr auto kPressFitControls = press_fit::Controls();
// ---- end of the joint's dialog ----

// ---- the operating-conditions dialog "使用条件" ----
namespace service {
using namespace service_dialog;
// The inputs on the left, in tab order.
constexpr ControlTemplate kInputs[] = {
    {kNoId, ControlKind::Static, "穴の材料", {8, 8, 40, 10}, 0},
    {kHoleMaterial, ControlKind::Static, "", {50, 8, 150, 10}, kSunken},
    {kHoleMaterialScroll, ControlKind::ScrollBar, "", {200, 6, 10, 14}, 0},
    {kNoId, ControlKind::Static, "軸の材料", {8, 24, 40, 10}, 0},
    {kShaftMaterial, ControlKind::Static, "", {50, 24, 150, 10}, kSunken},
    {kShaftMaterialScroll, ControlKind::ScrollBar, "", {200, 22, 10, 14}, 0},
    {kNoId, ControlKind::Static, ja::kHoleWord, {100, 40, 50, 10}, kCentred},
    {kNoId, ControlKind::Static, ja::kShaftWord, {155, 40, 50, 10}, kCentred},
    {kNoId, ControlKind::Static, "線膨張係数 α (1/K)", {8, 55, 90, 10}, 0},
    {kHoleExpansion, ControlKind::InputEdit, "", {100, 53, 50, 12}, 0},
    {kShaftExpansion, ControlKind::InputEdit, "", {155, 53, 50, 12}, 0},
    {kNoId, ControlKind::Static, "（空欄は材料の値）", {8, 69, 90, 10}, 0},
    {kHoleMaterialExpansion, ControlKind::Static, "", {100, 69, 50, 10}, kCentred},
    {kShaftMaterialExpansion, ControlKind::Static, "", {155, 69, 50, 10}, kCentred},
    {kNoId, ControlKind::Static, "温度 (°C)", {8, 84, 90, 10}, 0},
    {kHoleTemperature, ControlKind::InputEdit, "20", {100, 82, 50, 12}, 0},
    {kShaftTemperature, ControlKind::InputEdit, "20", {155, 82, 50, 12}, 0},
    {kNoId, ControlKind::Static, "工程能力 Cp", {8, 99, 90, 10}, 0},
    {kHoleCp, ControlKind::InputEdit, "1", {100, 97, 50, 12}, 0},
    {kShaftCp, ControlKind::InputEdit, "1", {155, 97, 50, 12}, 0},
    {kNoId, ControlKind::Static, "中心のずれ (μm)", {8, 114, 90, 10}, 0},
    {kHoleShift, ControlKind::InputEdit, "0", {100, 112, 50, 12}, 0},
    {kShaftShift, ControlKind::InputEdit, "0", {155, 112, 50, 12}, 0},
    {kRange, ControlKind::CheckBox, "温度範囲", {8, 130, 50, 10}, 0},
    {kRangeFrom, ControlKind::InputEdit, "20", {60, 129, 36, 12}, 0},
    {kNoId, ControlKind::Static, "～", {99, 131, 10, 10}, 0},
    {kRangeTo, ControlKind::InputEdit, "80", {110, 129, 36, 12}, 0},
    {kNoId, ControlKind::Static, "°C （穴と軸とも）", {149, 131, 62, 10}, 0},
    {kNoId, ControlKind::Static, "分布", {8, 147, 40, 10}, 0},
    {kNormal, ControlKind::Radio, "正規分布", {50, 147, 50, 10}, 0},
    {kUniform, ControlKind::Radio, "一様分布", {105, 147, 50, 10}, 0},
    {kNoId, ControlKind::Static, "望むすきま", {8, 163, 40, 10}, 0},
    {kWantedMinimum, ControlKind::InputEdit, "", {50, 161, 44, 12}, 0},
    {kNoId, ControlKind::Static, "～", {97, 163, 10, 10}, 0},
    {kWantedMaximum, ControlKind::InputEdit, "", {108, 161, 44, 12}, 0},
    {kNoId, ControlKind::Static, "mm （空欄は指定なし）", {155, 163, 60, 10}, 0},
};
// A labelled result on the right.
constexpr int kLabelX = 226;
constexpr int kValueX = 318;
constexpr int kValueWidth = 146;
constexpr int kRowStep = 13;
constexpr int kAtTop = 18;
constexpr int kRangeTop = kAtTop + 6 * kRowStep + 18;
constexpr ControlTemplate Row(int id, int top, int row) {
    return {id, ControlKind::OutputEdit, "", {kValueX, top + row * kRowStep, kValueWidth, 12}, 0};
}
constexpr ControlTemplate Label(std::string_view label, int top, int row) {
    return {kNoId, ControlKind::Static, label, {kLabelX, top + row * kRowStep + 2, 90, 10}, 0};
}
constexpr ControlTemplate kResults[] = {
    {kNoId, ControlKind::GroupBox, "使用温度でのはめあい", {218, 4, 252, kAtTop + 6 * kRowStep}, 0},
    Label("はめあい", kAtTop, 0),
    Row(kKind, kAtTop, 0),
    Label("穴の許容寸法 (mm)", kAtTop, 1),
    Row(kHoleLimits, kAtTop, 1),
    Label("軸の許容寸法 (mm)", kAtTop, 2),
    Row(kShaftLimits, kAtTop, 2),
    Label(ja::kFitServiceMeasures[0], kAtTop, 3),
    Row(kMaximumClearance, kAtTop, 3),
    Label(ja::kFitServiceMeasures[1], kAtTop, 4),
    Row(kMinimumClearance, kAtTop, 4),
    Label(ja::kFitServiceMeasures[2], kAtTop, 5),
    Row(kMeanClearance, kAtTop, 5),
    {kNoId, ControlKind::GroupBox, "温度範囲でのはめあい", {218, kRangeTop - 14, 252, 14 + 8 * kRowStep}, 0},
    Label("開始時", kRangeTop, 0),
    Row(kStartKind, kRangeTop, 0),
    Label("終了時", kRangeTop, 1),
    Row(kEndKind, kRangeTop, 1),
    Label("最小のすきま", kRangeTop, 2),
    Row(kSmallest, kRangeTop, 2),
    Label("最大のすきま", kRangeTop, 3),
    Row(kLargest, kRangeTop, 3),
    Label("最大すきまが 0 の温度", kRangeTop, 4),
    Row(kZeroAt[0], kRangeTop, 4),
    Label("最小すきまが 0 の温度", kRangeTop, 5),
    Row(kZeroAt[1], kRangeTop, 5),
    Label("中央値が 0 の温度", kRangeTop, 6),
    Row(kZeroAt[2], kRangeTop, 6),
    Label("はめあいの種類", kRangeTop, 7),
    Row(kKindChanges, kRangeTop, 7),
};
// The statistics below the inputs: a label and two columns a row.
constexpr int kStatisticsTop = 194;
constexpr int kColumnX[] = {80, 146};
constexpr int kColumnWidth = 64;
constexpr std::string_view kStatisticsLabels[kStatisticsRowCount] = {
    "平均 (mm)",      "標準偏差 σ (mm)", "平均 ± 3σ", "最悪値",
    "しめしろの確率", "すきまの確率",    "下限未満",  "上限超え",
};
constexpr std::size_t kCount = std::size(kInputs) + std::size(kResults) + 3 + 3 * kStatisticsRowCount + 2;

constexpr std::array<ControlTemplate, kCount> Controls() {
    std::array<ControlTemplate, kCount> out{};
    std::size_t next = 0;
    for (const ControlTemplate& c : kInputs) out[next++] = c;
    for (const ControlTemplate& c : kResults) out[next++] = c;
    out[next++] = {kNoId, ControlKind::GroupBox, "統計（ばらつき）", {4, 180, 210, 14 + 9 * kRowStep + 4}, 0};
    for (std::size_t column = 0; column < 2; ++column)
        out[next++] = {kStatisticsPoint[column],
                       ControlKind::Static,
                       "",
                       {kColumnX[column], kStatisticsTop + 2, kColumnWidth, 10},
                       kCentred};
    for (std::size_t row = 0; row < kStatisticsRowCount; ++row) {
        const int y = kStatisticsTop + kRowStep * static_cast<int>(row + 1);
        out[next++] = {kNoId, ControlKind::Static, kStatisticsLabels[row], {10, y + 2, 68, 10}, 0};
        for (std::size_t column = 0; column < 2; ++column)
            out[next++] = {StatisticsResult(column, row),
                           ControlKind::OutputEdit,
                           "",
                           {kColumnX[column], y, kColumnWidth, 12},
                           0};
    }
    out[next++] = {kMessage, ControlKind::Static, "", {8, 318, 462, 10}, 0};
    out[next++] = {kCloseButton, ControlKind::PushButton, "閉じる", {420, 332, 50, 14}, 0};
    return out;
}
}  // namespace service

constexpr auto kServiceControls = service::Controls();
// ---- end of the operating-conditions dialog ----

}  // namespace

const DialogTemplate kMainDialog = {"Tolvo （はめあい）   Ver " TOLVO_SHOWN_VERSION, 339, 269, kMainControls};
const DialogTemplate kCopyDialog = {"クリップボードへコピーする", 309, 295, kCopyControls};
const DialogTemplate kAboutDialog = {"ﾊﾞｰｼﾞｮﾝ情報  Tolvo.exe", 217, 55, kAboutControls};
const DialogTemplate kFinderDialog = {ja::kFinderMenuItemText, 315, 365, kFinderControls};
const DialogTemplate kPressFitDialog = {ja::kPressFitTitle, 474, 384, kPressFitControls};
const DialogTemplate kServiceDialog = {ja::kServiceTitle, 476, 352, kServiceControls};

const std::string_view kDialogFontFace = "ＭＳ Ｐゴシック";

}  // namespace tolvo
