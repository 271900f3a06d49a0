// How the fit in service (core/service_conditions.h) is written, shared by
// tolvo-fit's text and the window's dialog "使用条件" with its copied report,
// so that a value never reads differently in two places: the blocks at
// temperature, over a range and of the statistics, and the formats of their
// lengths, temperatures and amounts, each worded from a front end's catalogue.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/service_conditions.h"

namespace tolvo {

// A front end's words for the blocks (texts_ja.h's kFitService* entries, or tolvo-fit's English ones).
struct ServiceWording {
    std::string_view atTemperature, part, separator, noExpansion, overRange, together, independent, atStart,
        atEnd, smallest, largest, point, clearanceAmount, interferenceAmount, zeroAmount, meanFit, zeroAt;
    const std::string_view* measures;  // maximum, minimum, mean clearance
    std::string_view kindChanges, kindKept, statistics, normal, uniform, mean, sigma, threeSigma, worstCase,
        interference, clearance, belowWanted, aboveWanted;
    // The lines of a fit: its kind, the two amounts with their captions, the mean fit.
    std::string_view (*kindName)(FitKind kind);
    std::string_view maxClearance, minClearance, maxInterference, minInterference;
    std::string_view captionGap;       // between a caption and its amount
    std::string_view meanLabel;        // before the mean fit's line
    const std::string_view* features;  // hole, shaft
    bool englishMaterialNames = false;
};
extern const ServiceWording kServiceJapanese;

// mm to 0.1 μm, as the window writes limit sizes ("1000.0245", "0.0195").
std::string ServiceMillimetres(double value);
// σ to 0.01 μm.
std::string ServiceSigma(double value);
// A temperature as given ("80", "-40.5"), never "-0".
std::string ServiceDegrees(double value);
// "0.0123 mm ＜すきま＞", "0.0123 mm ＜しめしろ＞" or "0 mm", to 0.1 μm.
std::string ServiceAmount(double clearance, const ServiceWording& words);
// "穴 80 °C、軸 20 °C".
std::string ServicePoint(const TemperaturePoint& point, const ServiceWording& words);
// The lines of a fit at temperature: its kind, its two amounts, its mean fit.
std::vector<std::string> ServiceFitLines(const FitAmounts& amounts, const ServiceWording& words);

// Blocks of a heading line and its indented items, each line ended by "\n".
// At temperature: each part's material, α and limits, then the fit's lines.
std::string ServiceThermalText(const ServiceInput& input, const ServiceResult& result,
                               const ServiceWording& words);
std::string ServiceRangeText(const ServiceResult& result, const ServiceWording& words);
std::string ServiceStatisticsText(const ServiceInput& input, const StatisticsAt& at,
                                  const ServiceWording& words);
// Every block the result has: at temperature (when `thermal`), over the range, each statistics.
std::string ServiceText(const ServiceInput& input, const ServiceResult& result, bool thermal,
                        const ServiceWording& words);

}  // namespace tolvo
