#include "core/service_text.h"

#include <cmath>

#include "core/fit_evaluation.h"
#include "core/number_text.h"
#include "core/text_fill.h"
#include "core/texts_ja.h"

namespace tolvo {
namespace {

constexpr std::string_view kJapaneseFeatures[] = {ja::kHoleWord, ja::kShaftWord};

std::string_view JapaneseKind(FitKind kind) {
    return kind == FitKind::None ? ja::kFitAmountPlaceholder : FitKindText(kind);
}

// 23.6e-6: α in the unit a handbook gives it.
std::string Expansion(double alpha) {
    return FormatG(alpha * 1e6) + "e-6";
}

void AppendBlock(std::string& out, const std::string& head, const std::vector<std::string>& items) {
    out += head + "\n";
    for (const std::string& item : items) out += "  " + item + "\n";
}

}  // namespace

const ServiceWording kServiceJapanese{ja::kFitServiceAtTemperature,
                                      ja::kFitServicePart,
                                      ja::kFitServiceSeparator,
                                      ja::kFitServiceNoExpansion,
                                      ja::kFitServiceOverRange,
                                      ja::kFitServiceTogether,
                                      ja::kFitServiceIndependent,
                                      ja::kFitServiceAtStart,
                                      ja::kFitServiceAtEnd,
                                      ja::kFitServiceSmallest,
                                      ja::kFitServiceLargest,
                                      ja::kFitServicePoint,
                                      ja::kFitServiceClearanceAmount,
                                      ja::kFitServiceInterferenceAmount,
                                      ja::kFitServiceZeroAmount,
                                      ja::kFitServiceMeanFit,
                                      ja::kFitServiceZeroAt,
                                      ja::kFitServiceMeasures,
                                      ja::kFitServiceKindChanges,
                                      ja::kFitServiceKindKept,
                                      ja::kFitServiceStatistics,
                                      ja::kFitServiceNormal,
                                      ja::kFitServiceUniform,
                                      ja::kFitServiceMean,
                                      ja::kFitServiceSigma,
                                      ja::kFitServiceThreeSigma,
                                      ja::kFitServiceWorstCase,
                                      ja::kFitServiceInterference,
                                      ja::kFitServiceClearance,
                                      ja::kFitServiceBelowWanted,
                                      ja::kFitServiceAboveWanted,
                                      JapaneseKind,
                                      ja::kMaxClearanceCaption,
                                      ja::kMinClearanceCaption,
                                      ja::kMaxInterferenceCaption,
                                      ja::kMinInterferenceCaption,
                                      " ",
                                      "",
                                      kJapaneseFeatures,
                                      false};

std::string ServiceMillimetres(double value) {
    const double rounded = std::round(value * 1e4) / 1e4;
    return FormatGKeepingFourDecimals(rounded == 0.0 ? 0.0 : rounded);
}

std::string ServiceSigma(double value) {
    return FormatG(std::round(value * 1e5) / 1e5);
}

std::string ServiceDegrees(double value) {
    return FormatG(value == 0.0 ? 0.0 : value);
}

std::string ServiceAmount(double clearance, const ServiceWording& w) {
    const double rounded = std::round(clearance * 1e4) / 1e4;
    if (rounded > 0.0) return FillIn(w.clearanceAmount, {ServiceMillimetres(rounded)});
    if (rounded < 0.0) return FillIn(w.interferenceAmount, {ServiceMillimetres(-rounded)});
    return std::string(w.zeroAmount);
}

std::string ServicePoint(const TemperaturePoint& p, const ServiceWording& w) {
    return FillIn(w.point, {ServiceDegrees(p.hole), ServiceDegrees(p.shaft)});
}

std::vector<std::string> ServiceFitLines(const FitAmounts& a, const ServiceWording& w) {
    std::vector<std::string> lines{std::string(w.kindName(a.kind))};
    auto line = [&](std::string_view caption, double amount) {
        return std::string(caption) + std::string(w.captionGap) + ServiceMillimetres(std::fabs(amount)) +
               std::string(ja::kMillimetres);
    };
    switch (a.kind) {
        case FitKind::Clearance:
            lines.push_back(line(w.maxClearance, a.maximumClearance));
            lines.push_back(line(w.minClearance, a.minimumClearance));
            break;
        case FitKind::Transition:
            lines.push_back(line(w.maxClearance, a.maximumClearance));
            lines.push_back(line(w.maxInterference, a.minimumClearance));
            break;
        case FitKind::Interference:
            lines.push_back(line(w.maxInterference, a.minimumClearance));
            lines.push_back(line(w.minInterference, a.maximumClearance));
            break;
        case FitKind::None:
            return lines;
    }
    lines.push_back(std::string(w.meanLabel) + FillIn(w.meanFit, {ServiceAmount(a.meanClearance, w)}));
    return lines;
}

std::string ServiceThermalText(const ServiceInput& input, const ServiceResult& result,
                               const ServiceWording& w) {
    const ThermalFit& fit = *result.atTemperature;
    std::vector<std::string> items;
    for (FeatureKind kind : {FeatureKind::Hole, FeatureKind::Shaft}) {
        const bool hole = kind == FeatureKind::Hole;
        const FeatureConditions& c = hole ? input.hole : input.shaft;
        const double alpha = hole ? result.holeExpansion : result.shaftExpansion;
        const std::string material =
            c.material
                ? std::string(w.englishMaterialNames ? c.material->englishName : c.material->japaneseName) +
                      std::string(w.separator)
                : "";
        items.push_back(
            FillIn(w.part, {w.features[static_cast<int>(kind)], material,
                            alpha > 0.0 ? Expansion(alpha) : std::string(w.noExpansion),
                            FormatFixed(hole ? fit.limits.holeLower : fit.limits.shaftLower, 4),
                            FormatFixed(hole ? fit.limits.holeUpper : fit.limits.shaftUpper, 4)}));
    }
    for (std::string& line : ServiceFitLines(fit.amounts, w)) items.push_back(std::move(line));
    std::string out;
    AppendBlock(out,
                FillIn(w.atTemperature,
                       {ServiceDegrees(fit.hole.temperature), ServiceDegrees(fit.shaft.temperature)}),
                items);
    return out;
}

std::string ServiceRangeText(const ServiceResult& result, const ServiceWording& w) {
    const ThermalRange& range = *result.overRange;
    std::vector<std::string> items{FillIn(w.atStart, {w.kindName(range.start.amounts.kind)}),
                                   FillIn(w.atEnd, {w.kindName(range.end.amounts.kind)}),
                                   FillIn(w.smallest, {ServiceAmount(range.minimum.lowest.clearance, w),
                                                       ServicePoint(range.minimum.lowest.at, w)}),
                                   FillIn(w.largest, {ServiceAmount(range.maximum.highest.clearance, w),
                                                      ServicePoint(range.maximum.highest.at, w)})};
    const ClearanceOverRange* measures[] = {&range.maximum, &range.minimum, &range.mean};
    for (int k = 0; k < 3; ++k) {
        if (measures[k]->zeroAt)
            items.push_back(FillIn(w.zeroAt, {w.measures[k], ServicePoint(*measures[k]->zeroAt, w)}));
    }
    items.emplace_back(range.kindChanges ? w.kindChanges : w.kindKept);
    std::string out;
    AppendBlock(out,
                FillIn(w.overRange, {ServiceDegrees(range.hole.from), ServiceDegrees(range.hole.to),
                                     ServiceDegrees(range.shaft.from), ServiceDegrees(range.shaft.to),
                                     range.coupling == RangeCoupling::Together ? w.together : w.independent}),
                items);
    return out;
}

std::string ServiceStatisticsText(const ServiceInput& input, const StatisticsAt& at,
                                  const ServiceWording& w) {
    const ClearanceStatistics& s = at.statistics;
    std::vector<std::string> items{
        FillIn(w.mean, {ServiceMillimetres(s.mean)}),
        FillIn(w.sigma, {ServiceSigma(s.sigma)}),
        FillIn(w.threeSigma, {ServiceMillimetres(s.statisticalLow), ServiceMillimetres(s.statisticalHigh)}),
        FillIn(w.worstCase, {ServiceMillimetres(s.worstLow), ServiceMillimetres(s.worstHigh)}),
        FillIn(w.interference, {PercentText(s.interference)}),
        FillIn(w.clearance, {PercentText(s.clearance)}),
    };
    if (s.wanted) {
        items.push_back(FillIn(w.belowWanted, {FormatG(s.wanted->minimum), PercentText(s.belowWanted)}));
        items.push_back(FillIn(w.aboveWanted, {FormatG(s.wanted->maximum), PercentText(s.aboveWanted)}));
    }
    const FeatureSpread& hole = input.hole.spread;
    const FeatureSpread& shaft = input.shaft.spread;
    std::string out;
    AppendBlock(
        out,
        FillIn(w.statistics, {s.distribution == SizeDistribution::Normal ? w.normal : w.uniform,
                              FormatG(hole.cp), ServiceDegrees(hole.shiftMicrometres), FormatG(shaft.cp),
                              ServiceDegrees(shaft.shiftMicrometres), ServicePoint(at.at, w)}),
        items);
    return out;
}

std::string ServiceText(const ServiceInput& input, const ServiceResult& result, bool thermal,
                        const ServiceWording& w) {
    std::string out;
    if (thermal && result.atTemperature) out += ServiceThermalText(input, result, w);
    if (result.overRange) out += ServiceRangeText(result, w);
    for (const StatisticsAt& at : result.statistics) out += ServiceStatisticsText(input, at, w);
    return out;
}

}  // namespace tolvo
