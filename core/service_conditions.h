// The fit in service: each part's material, temperature (or range of
// temperatures) and spread, checked and worked out in one call over an
// evaluated pair. The window's dialog and tolvo-fit both fill a
// ServiceInput and show the ServiceResult; the computations themselves are
// core/thermal_fit.h and core/clearance_statistics.h.
//
//   ServiceInput in;
//   in.hole.material = FindMaterial("aluminium");
//   in.shaft.material = FindMaterial("steel");
//   in.hole.temperature = in.shaft.temperature = 80.0;
//   in.statistics = true;
//   auto r = EvaluateService(*fitEvaluation.numbers, in);  // ServiceResult or ServiceError
//
// A diagram of the zones at temperature draws ServiceResult::atTemperature's
// limits; the ±3σ band of the clearance is statisticalLow .. statisticalHigh.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/clearance_statistics.h"
#include "core/feature.h"
#include "core/fit_evaluation.h"
#include "core/materials.h"
#include "core/thermal_fit.h"

namespace tolvo {

// The bounds of what is taken; beyond them a value is refused.
inline constexpr double kHighestTemperature = 10000.0;  // °C
inline constexpr double kLargestExpansion = 1e-3;       // 1/K (plastics are about 1e-4)
inline constexpr double kSmallestCp = 0.01;
inline constexpr double kLargestCp = 100.0;
inline constexpr double kLargestShift = 1e6;  // μm, either way

struct FeatureConditions {
    const Material* material = nullptr;          // one of Materials(); none: only the values given
    MaterialOverrides overrides;                 // each value given replaces the material's
    double temperature = kReferenceTemperature;  // °C
    std::optional<TemperatureRange> range;       // °C; given, the fit is examined over it instead
    FeatureSpread spread;
};

struct ServiceInput {
    FeatureConditions hole;
    FeatureConditions shaft;
    // With a range on either part (the other then stays at its temperature).
    RangeCoupling coupling = RangeCoupling::Together;
    bool statistics = false;  // work out the spread of the clearance
    SizeDistribution distribution = SizeDistribution::Normal;
    std::optional<ClearanceRange> wanted;  // for the tails beyond it
};

enum class ServiceProblem {
    ExpansionMissing,       // a part away from 20 °C with neither a material nor α
    ExpansionOutOfRange,    // α not over 0 up to kLargestExpansion
    TemperatureOutOfRange,  // not from −273.15 up to kHighestTemperature °C
    CpOutOfRange,           // not from kSmallestCp up to kLargestCp
    ShiftOutOfRange,        // beyond ±kLargestShift μm
    WantedReversed,         // the wanted minimum above its maximum
    WantedOutOfRange,       // a wanted end not finite
};

struct ServiceError {
    ServiceProblem problem;
    std::optional<FeatureKind> feature;  // the part at fault, where it is one part's
    // The value at fault: the temperature (ExpansionMissing: the one away
    // from 20 °C), α, Cp, the shift; WantedReversed: the wanted minimum.
    double value = 0.0;
    friend bool operator==(const ServiceError&, const ServiceError&) = default;
};

// The message of an error, in Japanese, for the window.
std::string ServiceErrorText(const ServiceError& error, const ServiceInput& input);

// The statistics at one pair of temperatures.
struct StatisticsAt {
    TemperaturePoint at;
    ClearanceStatistics statistics;
};

struct ServiceResult {
    // α used, 1/K; 0 for a part with neither material nor α (it stays at 20 °C).
    double holeExpansion = 0.0;
    double shaftExpansion = 0.0;
    std::optional<ThermalFit> atTemperature;  // without a range: at the parts' temperatures
    std::optional<ThermalRange> overRange;    // with a range
    // With statistics: at the parts' temperatures; over a range at the
    // temperatures of the smallest and of the largest mean clearance (where
    // interference and clearance are likeliest), once where they are one.
    std::vector<StatisticsAt> statistics;
};

// The first problem of the input, hole before shaft; none when it is sound.
std::optional<ServiceError> CheckServiceInput(const ServiceInput& input);

// Checked first: nothing is worked out from an input with a problem.
std::variant<ServiceResult, ServiceError> EvaluateService(const FitNumbers& fit, const ServiceInput& input);

}  // namespace tolvo
