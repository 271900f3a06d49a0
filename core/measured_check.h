// The measured-parts check: whether measured holes and shafts lie within their
// limit sizes, and the clearance each measured hole and shaft give together.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "core/fit_finder.h"

namespace tolvo {

// The limit sizes of the current pair, mm, as the features' evaluations leave
// them (rounded to six decimals here, as the fit evaluation rounds them).
struct PairLimits {
    double holeUpper = 0.0;
    double holeLower = 0.0;
    double shaftUpper = 0.0;
    double shaftLower = 0.0;
};

enum class MeasuredPlace { Inside, AboveUpper, BelowLower };

struct MeasuredPart {
    double size = 0.0;  // mm, rounded to six decimals
    // On a limit size counts as inside.
    MeasuredPlace place = MeasuredPlace::Inside;
    double outsideBy = 0.0;  // μm beyond the limit it passes; 0 inside
    friend bool operator==(const MeasuredPart&, const MeasuredPart&) = default;
};

struct MeasuredPair {
    int hole = 0;  // indexes into the measured holes and shafts
    int shaft = 0;
    // mm, hole - shaft at six decimals; negative: an interference.
    double clearance = 0.0;
    // Set when a wanted range was given: whether the clearance lies within it
    // (its ends included).
    std::optional<bool> meetsWanted;
    friend bool operator==(const MeasuredPair&, const MeasuredPair&) = default;
};

struct MeasuredCheck {
    std::vector<MeasuredPart> holes;
    std::vector<MeasuredPart> shafts;
    std::vector<MeasuredPair> pairs;  // as the pairing gives them
    // True when every part lies within its limits and every pair meets the
    // wanted range (when one is given).
    bool allGood = false;
};

// The largest magnitude of a measured size, mm: a kilometre, as far as sizes
// are compared in whole nanometres. Beyond it (and at an infinity) a size has
// no place in a check: the caller refuses it.
inline constexpr double kLargestMeasuredSize = 1e6;
bool IsMeasurableSize(double size);

// Which measured holes and shafts are put together.
enum class MeasuredPairing {
    EveryCombination,   // each hole with each shaft, hole-major
    OneToOneWhenEqual,  // lists as long: the k-th hole with the k-th shaft (parts made as pairs);
                        // otherwise every combination
};

std::size_t MeasuredPairCount(std::size_t holeCount, std::size_t shaftCount, MeasuredPairing pairing);

// The pair at `index` (below MeasuredPairCount), so that a long list of pairs
// can be written as each is worked out.
MeasuredPair MeasurePair(std::span<const double> holes, std::span<const double> shafts,
                         const std::optional<ClearanceRange>& wanted, MeasuredPairing pairing,
                         std::size_t index);

// Sizes and limits are compared at six decimals (whole nanometres); every
// size must be measurable. PlaceMeasured places the parts only (no pairs; allGood over the parts).
MeasuredCheck PlaceMeasured(const PairLimits& limits, std::span<const double> holes,
                            std::span<const double> shafts);
MeasuredCheck CheckMeasured(const PairLimits& limits, std::span<const double> holes,
                            std::span<const double> shafts, const std::optional<ClearanceRange>& wanted,
                            MeasuredPairing pairing = MeasuredPairing::EveryCombination);

}  // namespace tolvo
