// Every text that the evaluations write into the result boxes, as printf
// formats: the one place where their wording and spacing are kept.
#pragma once

#include <string_view>

namespace tolvo::display {

// A feature's four result boxes, by tolerance mode.
inline constexpr std::string_view kFitDeviation = "%g / %g μm";
inline constexpr std::string_view kFitTolerance = "%g μm";
inline constexpr std::string_view kFitLimitSizes = "φ%.4f ～ %.4f mm";
inline constexpr std::string_view kFitMeanValue = "φ%.4f ± %g mm  ）";
inline constexpr std::string_view kGeneralDeviation = "±%g mm";
inline constexpr std::string_view kGeneralTolerance = "%g mm";
// The limit sizes and mean values of general and free modes: "%g", or four
// decimals where "%g" would lose the 0.1 μm (FormatGKeepingFourDecimals).
inline constexpr std::string_view kGeneralLimitSizes = "φ%s ～ %s mm";
inline constexpr std::string_view kGeneralMeanValue = "φ%s ± %s mm  ）";
inline constexpr std::string_view kFreeDeviation = "%s / %s mm";
inline constexpr std::string_view kFreeTolerance = "%g mm";
inline constexpr std::string_view kFreeLimitSizes = "φ%s ～ %s mm";
inline constexpr std::string_view kFreeMeanValue = "φ%s ± %s mm  ）";

// What a feature's boxes show when there is nothing to show.
inline constexpr std::string_view kFeaturePlaceholder = " -";
inline constexpr std::string_view kMeanValuePlaceholder = " - ）";

// The fit area. Its amounts are "%g", or four decimals where "%g" would lose
// the 0.1 μm (FormatGKeepingFourDecimals): an amount of 1000 mm or more
// between a hole and a shaft of different basic sizes must still read to the μm.
inline constexpr std::string_view kFitAmount = "%s mm";
inline constexpr std::string_view kMeanClearance = "%s mm ＜すきま＞ )";
inline constexpr std::string_view kMeanInterference = "%s mm ＜しめしろ＞ )";
inline constexpr std::string_view kMeanZero = "0 mm )";
inline constexpr std::string_view kClearanceFit = "すきまばめ";
inline constexpr std::string_view kTransitionFit = "中間ばめ";
inline constexpr std::string_view kInterferenceFit = "しまりばめ";
inline constexpr std::string_view kMaxClearanceCaption = "最大すきま ：";
inline constexpr std::string_view kMinClearanceCaption = "最小すきま ：";
inline constexpr std::string_view kMaxInterferenceCaption = "最大しめしろ ：";
inline constexpr std::string_view kMinInterferenceCaption = "最小しめしろ ：";
inline constexpr std::string_view kFitKindPlaceholder = "";
inline constexpr std::string_view kFitCaptionPlaceholder = "- ：";
inline constexpr std::string_view kFitAmountPlaceholder = "-";
inline constexpr std::string_view kMeanFitPlaceholder = "- )";

// The labels of the copied report's lines (and of tolvo-fit's lines), each
// followed by the text of the box it reports.
inline constexpr std::string_view kBasicSizeLabel = "基準寸法 ： ";
inline constexpr std::string_view kPhi = "φ";
inline constexpr std::string_view kMillimetres = " mm";
inline constexpr std::string_view kDeviationLabel = "許容差 ： ";
inline constexpr std::string_view kToleranceLabel = "公差 ： ";
inline constexpr std::string_view kLimitsLabel = "許容寸法 ： ";
inline constexpr std::string_view kMeanLabel = "( 中央値換算 ： ";
inline constexpr std::string_view kMeanFitLabel = "( 中央値換算の勘合 ： ";

}  // namespace tolvo::display
