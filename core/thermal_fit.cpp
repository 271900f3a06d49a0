#include "core/thermal_fit.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/number_text.h"

namespace tolvo {
namespace {

// -1, 0 or +1 for a clearance rounded to six decimals, as the kinds see it.
int SignOf(double clearance) {
    const double rounded = RoundToSixDecimals(clearance);
    return (rounded > 0.0) - (rounded < 0.0);
}

using Measure = double (*)(const FitAmounts&);
double MaximumOf(const FitAmounts& a) {
    return a.maximumClearance;
}
double MinimumOf(const FitAmounts& a) {
    return a.minimumClearance;
}
double MeanOf(const FitAmounts& a) {
    return a.meanClearance;
}

double Along(const TemperatureRange& range, double fraction) {
    return range.from + (range.to - range.from) * fraction;
}

}  // namespace

PairLimits LimitsOf(const FitNumbers& fit) {
    return {fit.holeUpperLimit, fit.holeLowerLimit, fit.shaftUpperLimit, fit.shaftLowerLimit};
}

double SizeAtTemperature(double size, const FeatureHeat& heat) {
    return size * (1.0 + heat.expansionPerKelvin * (heat.temperature - kReferenceTemperature));
}

PairLimits LimitsAtTemperatures(const PairLimits& limits, const FeatureHeat& hole, const FeatureHeat& shaft) {
    return {SizeAtTemperature(limits.holeUpper, hole), SizeAtTemperature(limits.holeLower, hole),
            SizeAtTemperature(limits.shaftUpper, shaft), SizeAtTemperature(limits.shaftLower, shaft)};
}

FitAmounts AmountsOf(const PairLimits& limits) {
    FitAmounts a;
    a.maximumClearance = limits.holeUpper - limits.shaftLower;
    a.minimumClearance = limits.holeLower - limits.shaftUpper;
    // The mean sizes' difference as the average of the two extremes: exact
    // for the linear mean, and zero where both are.
    a.meanClearance =
        (limits.holeUpper + limits.holeLower) * 0.5 - (limits.shaftUpper + limits.shaftLower) * 0.5;
    a.kind = KindOfFit({RoundToSixDecimals(a.maximumClearance), RoundToSixDecimals(a.minimumClearance)});
    return a;
}

ThermalFit FitAtTemperatures(const PairLimits& limits, const FeatureHeat& hole, const FeatureHeat& shaft) {
    const PairLimits at = LimitsAtTemperatures(limits, hole, shaft);
    return {hole, shaft, at, AmountsOf(at)};
}

ThermalRange FitOverTemperatures(const PairLimits& limits, double holeExpansion, TemperatureRange hole,
                                 double shaftExpansion, TemperatureRange shaft, RangeCoupling coupling) {
    ThermalRange r;
    r.coupling = coupling;
    r.hole = hole;
    r.shaft = shaft;
    auto fitAt = [&](TemperaturePoint p) {
        return FitAtTemperatures(limits, {holeExpansion, p.hole}, {shaftExpansion, p.shaft});
    };
    const TemperaturePoint startPoint{hole.from, shaft.from};
    const TemperaturePoint endPoint{hole.to, shaft.to};
    r.start = fitAt(startPoint);
    r.end = fitAt(endPoint);

    // The points where the extremes lie: the path's ends, or the rectangle's corners.
    std::array<TemperaturePoint, 4> corners{
        startPoint, endPoint, {hole.from, shaft.to}, {hole.to, shaft.from}};
    const std::size_t cornerCount = coupling == RangeCoupling::Together ? 2 : 4;
    std::array<FitAmounts, 4> amounts{};
    for (std::size_t k = 0; k < cornerCount; ++k) amounts[k] = fitAt(corners[k]).amounts;

    auto over = [&](Measure measure) {
        ClearanceOverRange o;
        o.lowest = o.highest = {measure(amounts[0]), corners[0]};
        for (std::size_t k = 1; k < cornerCount; ++k) {
            const double c = measure(amounts[k]);
            if (c < o.lowest.clearance) o.lowest = {c, corners[k]};
            if (c > o.highest.clearance) o.highest = {c, corners[k]};
        }
        o.changesSign = SignOf(o.lowest.clearance) != SignOf(o.highest.clearance);
        // Linear along the path: c(u) = c0 + (c1 − c0)·u, zero at u = c0 / (c0 − c1).
        const double c0 = measure(r.start.amounts);
        const double c1 = measure(r.end.amounts);
        if (SignOf(c0) != SignOf(c1)) {
            const double u = SignOf(c0) == 0   ? 0.0
                             : SignOf(c1) == 0 ? 1.0
                                               : std::clamp(c0 / (c0 - c1), 0.0, 1.0);
            o.zeroAt = TemperaturePoint{Along(hole, u), Along(shaft, u)};
        }
        return o;
    };
    r.maximum = over(MaximumOf);
    r.minimum = over(MinimumOf);
    r.mean = over(MeanOf);
    // Clearance fit: min ≥ 0; interference: max ≤ 0; between them transition.
    auto roundedNegative = [](double c) { return SignOf(c) < 0; };
    auto roundedPositive = [](double c) { return SignOf(c) > 0; };
    r.kindChanges =
        roundedNegative(r.minimum.lowest.clearance) != roundedNegative(r.minimum.highest.clearance) ||
        roundedPositive(r.maximum.lowest.clearance) != roundedPositive(r.maximum.highest.clearance);
    return r;
}

}  // namespace tolvo
