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

std::size_t MeasuredPairCount(std::size_t holeCount, std::size_t shaftCount, MeasuredPairing pairing) {
    if (pairing == MeasuredPairing::OneToOneWhenEqual && holeCount == shaftCount) return holeCount;
    return holeCount * shaftCount;
}

MeasuredPair MeasurePair(std::span<const double> holes, std::span<const double> shafts,
                         const std::optional<ClearanceRange>& wanted, MeasuredPairing pairing,
                         std::size_t index) {
    const bool oneToOne = pairing == MeasuredPairing::OneToOneWhenEqual && holes.size() == shafts.size();
    const std::size_t h = oneToOne ? index : index / shafts.size();
    const std::size_t s = oneToOne ? index : index % shafts.size();
    const long long clearance = SixDecimalNanometres(holes[h]) - SixDecimalNanometres(shafts[s]);
    MeasuredPair pair{static_cast<int>(h), static_cast<int>(s),
                      static_cast<double>(clearance) / kNanometresPerMillimetre, std::nullopt};
    if (wanted) {
        pair.meetsWanted = clearance >= SixDecimalNanometres(wanted->minimum) &&
                           clearance <= SixDecimalNanometres(wanted->maximum);
    }
    return pair;
}

MeasuredCheck PlaceMeasured(const PairLimits& limits, std::span<const double> holes,
                            std::span<const double> shafts) {
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
    return check;
}

MeasuredCheck CheckMeasured(const PairLimits& limits, std::span<const double> holes,
                            std::span<const double> shafts, const std::optional<ClearanceRange>& wanted,
                            MeasuredPairing pairing) {
    MeasuredCheck check = PlaceMeasured(limits, holes, shafts);
    const std::size_t count = MeasuredPairCount(holes.size(), shafts.size(), pairing);
    check.pairs.reserve(count);
    for (std::size_t k = 0; k < count; ++k) {
        check.pairs.push_back(MeasurePair(holes, shafts, wanted, pairing, k));
        check.allGood = check.allGood && check.pairs.back().meetsWanted.value_or(true);
    }
    return check;
}

}  // namespace tolvo
