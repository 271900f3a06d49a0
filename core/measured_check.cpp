#include "core/measured_check.h"

#include <cmath>

#include "core/number_text.h"

namespace tolvo {
namespace {

constexpr double kNanometresPerMicrometre = 1e3;
constexpr double kNanometresPerMillimetre = 1e6;

MeasuredPart Place(double size, double upper, double lower) {
    const long long s = SixDecimalNanometres(size);
    const long long u = SixDecimalNanometres(upper);
    const long long l = SixDecimalNanometres(lower);
    MeasuredPart part{RoundToSixDecimals(size), MeasuredPlace::Inside, 0.0};
    if (s > u) {
        part.place = MeasuredPlace::AboveUpper;
        part.outsideBy = static_cast<double>(s - u) / kNanometresPerMicrometre;
    } else if (s < l) {
        part.place = MeasuredPlace::BelowLower;
        part.outsideBy = static_cast<double>(l - s) / kNanometresPerMicrometre;
    }
    return part;
}

}  // namespace

bool IsMeasurableSize(double size) {
    return std::fabs(size) <= kLargestMeasuredSize;  // false for NaN too
}

MeasuredCheck CheckMeasured(const PairLimits& limits, std::span<const double> holes,
                            std::span<const double> shafts, const std::optional<ClearanceRange>& wanted) {
    MeasuredCheck check;
    check.allGood = true;
    for (double size : holes) {
        check.holes.push_back(Place(size, limits.holeUpper, limits.holeLower));
        check.allGood = check.allGood && check.holes.back().place == MeasuredPlace::Inside;
    }
    for (double size : shafts) {
        check.shafts.push_back(Place(size, limits.shaftUpper, limits.shaftLower));
        check.allGood = check.allGood && check.shafts.back().place == MeasuredPlace::Inside;
    }
    const long long wantMin = wanted ? SixDecimalNanometres(wanted->minimum) : 0;
    const long long wantMax = wanted ? SixDecimalNanometres(wanted->maximum) : 0;
    for (int h = 0; h < static_cast<int>(holes.size()); ++h) {
        for (int s = 0; s < static_cast<int>(shafts.size()); ++s) {
            const long long clearance = SixDecimalNanometres(holes[h]) - SixDecimalNanometres(shafts[s]);
            MeasuredPair pair{h, s, static_cast<double>(clearance) / kNanometresPerMillimetre, std::nullopt};
            if (wanted) {
                pair.meetsWanted = clearance >= wantMin && clearance <= wantMax;
                check.allGood = check.allGood && *pair.meetsWanted;
            }
            check.pairs.push_back(pair);
        }
    }
    return check;
}

}  // namespace tolvo
