#include "core/clearance_statistics.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <utility>

namespace tolvo {
namespace {

SizeSpread SpreadOf(double upper, double lower, const FeatureSpread& spread, SizeDistribution distribution,
                    const FeatureHeat& heat) {
    const double tolerance = upper - lower;
    const double middle = (upper + lower) * 0.5 + spread.shiftMicrometres / 1000.0;
    const double scale = SizeAtTemperature(1.0, heat);
    SizeSpread s;
    s.mean = SizeAtTemperature(middle, heat);
    if (distribution == SizeDistribution::Normal) {
        s.sigma = tolerance / (6.0 * spread.cp) * scale;
    } else {
        // Inside the limits by half of what Cp narrows: exactly the limits at Cp 1.
        const double inset = (tolerance - tolerance / spread.cp) * 0.5;
        const double shift = spread.shiftMicrometres / 1000.0;
        s.low = SizeAtTemperature(lower + inset + shift, heat);
        s.high = SizeAtTemperature(upper - inset + shift, heat);
        // A uniform spread of width w has variance w²/12.
        s.sigma = tolerance / spread.cp * scale / std::sqrt(12.0);
    }
    return s;
}

// P(c < lower end + d) of the trapezoid that is the sum of two uniform
// spreads of widths p ≤ q; by symmetry also P(c > upper end − d).
// A point within a picometre of an end is on it: sizes are decimal numbers of
// mm and their binary differences are off by far less than that.
double TrapezoidTail(double d, double p, double q) {
    constexpr double kOnTheEnd = 1e-9;  // mm
    if (!(d > kOnTheEnd)) return 0.0;
    if (q == 0.0) return 1.0;                   // both exact: all at one point
    if (p == 0.0) return std::min(d / q, 1.0);  // one exact: the other's rectangle
    if (d <= p) return d * d / (2.0 * p * q);
    if (d <= q) return (d - p * 0.5) / q;
    if (d < p + q) return 1.0 - (p + q - d) * (p + q - d) / (2.0 * p * q);
    return 1.0;
}

// The two uniform spreads' widths, the narrower first.
std::pair<double, double> Widths(const ClearanceStatistics& s) {
    const double hole = s.hole.high - s.hole.low;
    const double shaft = s.shaft.high - s.shaft.low;
    return {std::min(hole, shaft), std::max(hole, shaft)};
}

}  // namespace

ClearanceStatistics StatisticsOf(const PairLimits& limits, const SpreadInput& input, const FeatureHeat& hole,
                                 const FeatureHeat& shaft) {
    ClearanceStatistics s;
    s.distribution = input.distribution;
    s.hole = SpreadOf(limits.holeUpper, limits.holeLower, input.hole, input.distribution, hole);
    s.shaft = SpreadOf(limits.shaftUpper, limits.shaftLower, input.shaft, input.distribution, shaft);
    s.mean = s.hole.mean - s.shaft.mean;
    s.sigma = std::hypot(s.hole.sigma, s.shaft.sigma);
    s.statisticalLow = s.mean - 3.0 * s.sigma;
    s.statisticalHigh = s.mean + 3.0 * s.sigma;
    const FitAmounts worst = AmountsOf(LimitsAtTemperatures(limits, hole, shaft));
    s.worstLow = worst.minimumClearance;
    s.worstHigh = worst.maximumClearance;
    s.interference = ProbabilityBelow(s, 0.0);
    s.clearance = ProbabilityAbove(s, 0.0);
    s.wanted = input.wanted;
    if (input.wanted) {
        s.belowWanted = ProbabilityBelow(s, input.wanted->minimum);
        s.aboveWanted = ProbabilityAbove(s, input.wanted->maximum);
    }
    return s;
}

double ProbabilityBelow(const ClearanceStatistics& s, double x) {
    if (s.distribution == SizeDistribution::Normal) {
        if (s.sigma == 0.0) return s.mean < x ? 1.0 : 0.0;
        return 0.5 * std::erfc((s.mean - x) / (s.sigma * std::sqrt(2.0)));
    }
    const auto [p, q] = Widths(s);
    return TrapezoidTail(x - (s.hole.low - s.shaft.high), p, q);
}

double ProbabilityAbove(const ClearanceStatistics& s, double x) {
    if (s.distribution == SizeDistribution::Normal) {
        if (s.sigma == 0.0) return s.mean > x ? 1.0 : 0.0;
        return 0.5 * std::erfc((x - s.mean) / (s.sigma * std::sqrt(2.0)));
    }
    const auto [p, q] = Widths(s);
    return TrapezoidTail((s.hole.high - s.shaft.low) - x, p, q);
}

std::string PercentText(double probability) {
    constexpr double kSmallest = 1e-5;  // 0.001 %
    if (probability <= 0.0) return "0 %";
    if (probability >= 1.0) return "100 %";
    if (probability < kSmallest) return "< 0.001 %";
    if (1.0 - probability < kSmallest) return "> 99.999 %";
    const double percent = probability * 100.0;
    int exponent = static_cast<int>(std::floor(std::log10(percent)));
    // Trailing zeros are digits too ("47.0 %"); a digit more where rounding
    // would reach 100 ("99.96 %"): below 99.999 % five digits never do.
    for (int digits = 3;; ++digits) {
        char buffer[32];
        const int decimals = std::max(0, digits - 1 - exponent);
        const auto end =
            std::to_chars(buffer, buffer + sizeof buffer, percent, std::chars_format::fixed, decimals).ptr;
        double shown = 0.0;
        std::from_chars(buffer, end, shown);
        // 9.996 rounded to "10.00": one decimal fewer (reaching 100 takes more digits instead).
        // The power of ten read from its decimal text: std::pow is not
        // correctly rounded everywhere (MinGW's 10^-2 exceeds 0.01).
        const std::string power = "1e" + std::to_string(exponent + 1);
        double nextPower = 0.0;
        std::from_chars(power.data(), power.data() + power.size(), nextPower);
        if (decimals > 0 && exponent < 1 && shown >= nextPower) {
            ++exponent;
            --digits;
            continue;
        }
        if (shown < 100.0 || digits == 5) return std::string(buffer, end) + " %";
    }
}

}  // namespace tolvo
