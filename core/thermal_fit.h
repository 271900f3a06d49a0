// The fit at operating temperatures. ISO 286 limits hold at 20 °C; a part of
// expansion coefficient α at t °C has the limit size L·(1 + α·(t − 20)).
// Every function here works over the four limit sizes of an evaluated pair
// (FitNumbers of core/fit_evaluation.h), so ISO, general and free sides alike.
#pragma once

#include <optional>

#include "core/fit_evaluation.h"
#include "core/measured_check.h"  // PairLimits

namespace tolvo {

inline constexpr double kReferenceTemperature = 20.0;  // °C, where the limits hold
inline constexpr double kAbsoluteZero = -273.15;       // °C

// The limit sizes of an evaluated pair, at 20 °C.
PairLimits LimitsOf(const FitNumbers& fit);

// α in 1/K and the part's temperature in °C.
struct FeatureHeat {
    double expansionPerKelvin = 0.0;
    double temperature = kReferenceTemperature;
    friend bool operator==(const FeatureHeat&, const FeatureHeat&) = default;
};

// L·(1 + α·(t − 20)); exactly L at 20 °C.
double SizeAtTemperature(double size, const FeatureHeat& heat);
PairLimits LimitsAtTemperatures(const PairLimits& limits, const FeatureHeat& hole, const FeatureHeat& shaft);

// Signed clearances in mm (negative: an interference), as FitResult.
struct FitAmounts {
    double maximumClearance = 0.0;  // hole upper − shaft lower
    double minimumClearance = 0.0;  // hole lower − shaft upper
    double meanClearance = 0.0;     // at the mean sizes
    // Of the clearances rounded to six decimals (1 nm), so that a
    // line-to-line fit (H7/h6) of equal materials stays line to line.
    FitKind kind = FitKind::None;
};

FitAmounts AmountsOf(const PairLimits& limits);

struct ThermalFit {
    FeatureHeat hole;
    FeatureHeat shaft;
    PairLimits limits;  // at the temperatures
    FitAmounts amounts;
};

// The pair with the hole at its temperature and the shaft at its own.
ThermalFit FitAtTemperatures(const PairLimits& limits, const FeatureHeat& hole, const FeatureHeat& shaft);

// °C, in the order the parts pass through them (to < from: cooling).
struct TemperatureRange {
    double from = kReferenceTemperature;
    double to = kReferenceTemperature;
    friend bool operator==(const TemperatureRange&, const TemperatureRange&) = default;
};

// How the two parts move through their ranges.
//  Together: both go from their `from` to their `to` at once, each at the
//    same fraction of its range (one shared range: one temperature for both).
//    The clearances are linear along that path, so their extremes lie at its
//    ends and each passes zero at most once, found in closed form.
//  Independent: each part may be anywhere in its own range at any time. The
//    clearances are linear in each temperature, so over the rectangle of the
//    two ranges their extremes lie at its corners; where one passes zero is
//    then reported along the warm-up path of Together (the diagonal from both
//    `from` to both `to`), and `kindChanges` says whether the rectangle holds
//    both signs even where that path does not cross zero.
enum class RangeCoupling { Together, Independent };

struct TemperaturePoint {
    double hole = kReferenceTemperature;
    double shaft = kReferenceTemperature;
    friend bool operator==(const TemperaturePoint&, const TemperaturePoint&) = default;
};

struct ClearanceExtreme {
    double clearance = 0.0;  // mm
    TemperaturePoint at;
};

// One of the three clearances over the range.
struct ClearanceOverRange {
    ClearanceExtreme lowest;
    ClearanceExtreme highest;
    // Where it changes sign (rounded to six decimals, as the kinds are) along
    // the path; the first point where it reaches zero when it starts or ends
    // there. None when it keeps one sign.
    std::optional<TemperaturePoint> zeroAt;
    // Its lowest and highest values differ in sign over the whole domain.
    bool changesSign = false;
};

struct ThermalRange {
    RangeCoupling coupling = RangeCoupling::Together;
    TemperatureRange hole;
    TemperatureRange shaft;
    ThermalFit start;  // both at `from`
    ThermalFit end;    // both at `to`
    ClearanceOverRange maximum;
    ClearanceOverRange minimum;
    ClearanceOverRange mean;
    // Not one kind over the whole domain (the smallest and largest clearance
    // of every combination of temperatures give different kinds).
    bool kindChanges = false;
};

// α of each part in 1/K with its range in °C.
ThermalRange FitOverTemperatures(const PairLimits& limits, double holeExpansion, TemperatureRange hole,
                                 double shaftExpansion, TemperatureRange shaft, RangeCoupling coupling);

}  // namespace tolvo
