// The clearance of parts as they actually spread within their zones.
//
// Normal: each size is normal, centred at the middle of its limits plus a
// shift, with σ = tolerance / (6·Cp); the clearance hole − shaft is normal
// with mean = mean hole − mean shaft and σ = √(σ_hole² + σ_shaft²); its tails
// come from std::erfc, accurate far out (1e-300 and below).
// Uniform: each size is uniform over a width tolerance / Cp (Cp = 1: the whole
// zone) centred the same way; the clearance is their convolution, a trapezoid
// whose distribution function is piecewise quadratic and computed exactly,
// each tail from its own end so that a small tail keeps its digits.
#pragma once

#include <optional>
#include <string>

#include "core/fit_finder.h"  // ClearanceRange: a wanted clearance, as the finder's
#include "core/thermal_fit.h"

namespace tolvo {

enum class SizeDistribution { Normal, Uniform };

// How one feature's sizes spread about the middle of its limits.
struct FeatureSpread {
    double cp = 1.0;                // process capability: σ = tolerance / (6·Cp)
    double shiftMicrometres = 0.0;  // the centre's offset from the middle of the limits, μm
    friend bool operator==(const FeatureSpread&, const FeatureSpread&) = default;
};

struct SpreadInput {
    FeatureSpread hole;
    FeatureSpread shaft;
    SizeDistribution distribution = SizeDistribution::Normal;
    std::optional<ClearanceRange> wanted;
};

// One feature's size, mm.
struct SizeSpread {
    double mean = 0.0;
    double sigma = 0.0;
    // Uniform: the sizes lie from low to high (with Cp 1 and no shift exactly
    // the limits); Normal: both 0.
    double low = 0.0;
    double high = 0.0;
};

// Probabilities are fractions 0..1.
struct ClearanceStatistics {
    SizeDistribution distribution = SizeDistribution::Normal;
    SizeSpread hole;
    SizeSpread shaft;
    double mean = 0.0;             // mm
    double sigma = 0.0;            // mm
    double statisticalLow = 0.0;   // mean − 3σ
    double statisticalHigh = 0.0;  // mean + 3σ
    double worstLow = 0.0;         // the minimum clearance of the limit sizes
    double worstHigh = 0.0;        // the maximum clearance of the limit sizes
    double interference = 0.0;     // P(clearance < 0)
    double clearance = 0.0;        // P(clearance > 0)
    std::optional<ClearanceRange> wanted;
    double belowWanted = 0.0;  // P(clearance < wanted minimum)
    double aboveWanted = 0.0;  // P(clearance > wanted maximum)
};

// The statistics of the pair's limit sizes at 20 °C, or, with each part's α
// and temperature, at those temperatures: there every size, the shift
// included, is scaled by its part's 1 + α·(t − 20), as the limits are.
ClearanceStatistics StatisticsOf(const PairLimits& limits, const SpreadInput& input,
                                 const FeatureHeat& hole = {}, const FeatureHeat& shaft = {});

// P(clearance < x) and P(clearance > x) of the statistics' distribution.
double ProbabilityBelow(const ClearanceStatistics& s, double x);
double ProbabilityAbove(const ClearanceStatistics& s, double x);

// A probability as a percentage with three significant digits: "31.4 %",
// "47.0 %", "0.00123 %"; "0 %" and "100 %" only where it is exactly so,
// "< 0.001 %" for a nonzero one below that and "> 99.999 %" for one short of
// 1 by less, so that no nonzero tail reads as "0 %" and no uncertain outcome
// as "100 %"; digits are added where three would round up to 100 ("99.96 %").
std::string PercentText(double probability);

}  // namespace tolvo
