// The fit finder: from the clearance a designer needs at a basic size to every
// pair of classes that gives it, ranked, and the closest pairs that do not.
// One call is a pure function of its requirement, quick enough to run on
// every keystroke over the whole ISO 286 system.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/feature.h"
#include "core/fit_evaluation.h"
#include "core/iso286_table.h"

namespace tolvo {

// Signed clearances in mm (negative: an interference), both ends included.
struct ClearanceRange {
    double minimum = 0.0;
    double maximum = 0.0;
};

// Which classes a searched side may take: Hole basis allows only the holes H,
// Shaft basis only the shafts h, Any every class of the range. A fixed side
// is never searched, whatever the basis.
enum class FitBasis { Hole, Shaft, Any };

// A side that stays as it is while the other is searched: a feature as the
// main window holds it, in any of its three modes.
struct FixedFeature {
    // mm, as the feature's evaluation leaves them; rounded to six decimals
    // here, as the fit evaluation rounds them.
    double upperLimit = 0.0;
    double lowerLimit = 0.0;
    std::string label;  // how the caller names it ("H7", "GEN:m", "+0.02/-0.01")
    // Set in fit tolerance class mode: the class takes part in the ranking
    // (its grade) and in the marking of commonly used fits.
    std::optional<iso286::ToleranceClass> isoClass;
};

// The fixed form of a feature's current setting; none while it has no limit
// sizes (or, in fit tolerance class mode, slider positions outside the
// range's table). A seed-range class is given in the whole system's letters
// and grades.
std::optional<FixedFeature> FixFeature(FeatureKind kind, const FeatureState& state, ToleranceMode mode,
                                       FitClassRange range, std::string label);

struct FitRequirement {
    double basicSize = 0.0;  // mm, both features
    ClearanceRange wanted;
    FitBasis basis = FitBasis::Any;
    std::optional<FixedFeature> fixedHole;
    std::optional<FixedFeature> fixedShaft;
    FitClassRange range = FitClassRange::Seed;  // the classes a searched side is taken from
};

// One pair. A side without a class is the fixed side in general or free mode.
struct FoundFit {
    std::optional<iso286::ToleranceClass> hole;
    std::optional<iso286::ToleranceClass> shaft;
    FitKind kind = FitKind::None;
    // mm, exactly what EvaluateFit gives for the pair: differences of the limit
    // sizes rounded to six decimals.
    double minimumClearance = 0.0;
    double maximumClearance = 0.0;
    bool common = false;  // a commonly used fit of JIS B0401
    friend bool operator==(const FoundFit&, const FoundFit&) = default;
};

enum class MissEnd { BelowMinimum, AboveMaximum, Both };

struct FitMiss {
    FoundFit fit;
    // μm by which the fit's minimum clearance falls short of the wanted
    // minimum and its maximum clearance exceeds the wanted maximum (0: met).
    double belowBy = 0.0;
    double aboveBy = 0.0;
    MissEnd end = MissEnd::BelowMinimum;
    friend bool operator==(const FitMiss&, const FitMiss&) = default;
};

enum class FinderProblem {
    None,
    SizeOutOfRange,    // basic size not over 0, over 3150 mm, or over 120 mm for the seed range
    WantedNotANumber,  // an end of the wanted range is NaN (an infinite end is no bound)
    WantedReversed,    // wanted minimum above the wanted maximum
    FixedOutOfRange,   // a fixed side's limit sizes are not finite numbers of a sensible size
};

struct FitSearch {
    FinderProblem problem = FinderProblem::None;
    // Every pair that meets the requirement, in rank order.
    std::vector<FoundFit> fits;
    // The closest pairs that miss it, closest first; at most kMissCount.
    std::vector<FitMiss> misses;
};

inline constexpr int kMissCount = 5;

// A length in mm rounded to six decimals, in whole nanometres: how the finder
// and the measured check compare sizes and clearances. Magnitudes are held to
// a kilometre, so that an infinity is no bound and differences never overflow.
long long SixDecimalNanometres(double millimetres);

// A pair meets the requirement when its minimum clearance >= the wanted
// minimum and its maximum clearance <= the wanted maximum, compared at six
// decimals (whole nanometres), as the window shows them.
//
// Rank order, each key deciding only where the ones before tie:
//  1. commonly used fits first;
//  2. coarser first: the larger sum of the IT grades of the pair's ISO classes
//     (a fixed general or free side adds nothing), as the coarser pair is the
//     cheaper to make;
//  3. the larger span (maximum - minimum clearance) first: the pair that uses
//     more of the wanted width leaves the most tolerance to manufacture;
//  4. the better centred first: the smaller distance between the middle of
//     the fit and the middle of the wanted range;
//  5. a pair with an H hole or an h shaft first, as a hole- or shaft-basis
//     system makes it with the tools and gauges it already has;
//  6. the hole's letter, its grade, the shaft's letter, its grade, each in the
//     standard's order.
// Misses: the smaller total miss (belowBy + aboveBy) first, ties in rank order.
// Cells the standard leaves undefined never appear.
FitSearch FindFits(const FitRequirement& requirement);

}  // namespace tolvo
