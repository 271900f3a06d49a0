// How the joint of core/press_fit.h is written, shared by every front end
// (tolvo-fit's text and JSON, the window's dialog and its copied report), so
// that a value never reads differently in two places: the lines of the two
// ends with their labels and units, the format of a value, and the warnings
// and notes a joint carries, each worded from a front end's catalogue.
#pragma once

#include <cstddef>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/press_fit.h"
#include "core/texts_ja.h"

namespace tolvo {

// Which lines a joint's text report shows: the losses only where their inputs are given.
enum class PressFitShown { Always, Roughness, Temperature, Speed };

// One line of the two ends: its Japanese label, its unit (JSON's field name
// ends in it too), and its value at an end (none: not defined there).
struct PressFitRow {
    std::string_view japanese;
    std::string_view unit;
    std::string_view jsonName;
    PressFitShown shown;
    std::optional<double> (*value)(const PressFitEnd&);
};

// clang-format off
inline constexpr PressFitRow kPressFitRows[] = {
    {ja::kPressInterference, ja::kPressUnitMm, "interference_mm", PressFitShown::Always,
     [](const PressFitEnd& e) -> std::optional<double> { return e.interferenceMm; }},
    {ja::kPressRoughnessLoss, ja::kPressUnitMm, "roughnessLoss_mm", PressFitShown::Roughness,
     [](const PressFitEnd& e) -> std::optional<double> { return e.roughnessLossMm; }},
    {ja::kPressTemperatureLoss, ja::kPressUnitMm, "temperatureLoss_mm", PressFitShown::Temperature,
     [](const PressFitEnd& e) -> std::optional<double> { return e.temperatureLossMm; }},
    {ja::kPressSpeedLoss, ja::kPressUnitMm, "speedLoss_mm", PressFitShown::Speed,
     [](const PressFitEnd& e) -> std::optional<double> { return e.speedLossMm; }},
    {ja::kPressEffective, ja::kPressUnitMm, "effectiveInterference_mm", PressFitShown::Always,
     [](const PressFitEnd& e) -> std::optional<double> { return e.effectiveInterferenceMm; }},
    {ja::kPressPressure, ja::kPressUnitMpa, "pressure_MPa", PressFitShown::Always,
     [](const PressFitEnd& e) -> std::optional<double> { return e.pressureMpa; }},
    {ja::kPressHubTangential, ja::kPressUnitMpa, "hubBoreTangential_MPa", PressFitShown::Always,
     [](const PressFitEnd& e) -> std::optional<double> { return e.hub.tangentialMpa; }},
    {ja::kPressHubRadial, ja::kPressUnitMpa, "hubBoreRadial_MPa", PressFitShown::Always,
     [](const PressFitEnd& e) -> std::optional<double> { return e.hub.radialMpa; }},
    {ja::kPressHubEquivalent, ja::kPressUnitMpa, "hubBoreEquivalent_MPa", PressFitShown::Always,
     [](const PressFitEnd& e) -> std::optional<double> { return e.hub.equivalentMpa; }},
    {ja::kPressHubOutside, ja::kPressUnitMpa, "hubOutsideTangential_MPa", PressFitShown::Always,
     [](const PressFitEnd& e) -> std::optional<double> { return e.hubOutsideTangentialMpa; }},
    {ja::kPressShaftTangential, ja::kPressUnitMpa, "shaftTangential_MPa", PressFitShown::Always,
     [](const PressFitEnd& e) -> std::optional<double> { return e.shaft.tangentialMpa; }},
    {ja::kPressShaftRadial, ja::kPressUnitMpa, "shaftRadial_MPa", PressFitShown::Always,
     [](const PressFitEnd& e) -> std::optional<double> { return e.shaft.radialMpa; }},
    {ja::kPressShaftEquivalent, ja::kPressUnitMpa, "shaftEquivalent_MPa", PressFitShown::Always,
     [](const PressFitEnd& e) -> std::optional<double> { return e.shaft.equivalentMpa; }},
    {ja::kPressHubSafety, "", "hubSafety", PressFitShown::Always,
     [](const PressFitEnd& e) { return e.hub.safety; }},
    {ja::kPressShaftSafety, "", "shaftSafety", PressFitShown::Always,
     [](const PressFitEnd& e) { return e.shaft.safety; }},
    {ja::kPressTorque, ja::kPressUnitNm, "torqueCapacity_Nm", PressFitShown::Always,
     [](const PressFitEnd& e) -> std::optional<double> { return e.torqueCapacityNm; }},
    {ja::kPressAxial, ja::kPressUnitN, "axialCapacity_N", PressFitShown::Always,
     [](const PressFitEnd& e) -> std::optional<double> { return e.axialCapacityN; }},
    {ja::kPressForce, ja::kPressUnitN, "pressInForce_N", PressFitShown::Always,
     [](const PressFitEnd& e) -> std::optional<double> { return e.pressInForceN; }},
};
// clang-format on
inline constexpr std::size_t kPressFitRowCount = std::size(kPressFitRows);

bool IsPressFitRowShown(const PressFitInput& input, PressFitShown shown);

// A value of an end as every front end writes it (six significant digits), "-" where none.
std::string PressFitValueText(std::optional<double> value);
// A row's two ends and its unit: "0.0185 / 0.0585 mm".
std::string PressFitEndsText(const PressFitRow& row, const PressFitJoint& joint);
// A shrink or cooling temperature, to 0.1 °C.
std::string PressFitTemperatureText(double temperature);

// What a joint warns of, or notes, with the end or part it concerns.
enum class PressFitFindingKind {
    NoInterference,      // a clearance pair: no joint
    NoPressure,          // which: the end
    BelowMinimumSafety,  // which: the part (0 hub, 1 shaft), at the maximum interference
    CoolingBelowAbsoluteZero,
    CoolingBelowLiquidNitrogen,
    ElasticOnly,
    SpeedApproximate,
};
struct PressFitFinding {
    std::string_view code;  // JSON's name of it
    PressFitFindingKind kind;
    std::size_t which = 0;
};
std::vector<PressFitFinding> PressFitWarnings(const PressFitInput& input, const PressFitResult& result);
std::vector<PressFitFinding> PressFitNotes(const PressFitInput& input, const PressFitResult& result);

// A front end's words for the findings (the fields of texts_ja.h's joint block).
struct PressFitWording {
    std::string_view noInterference, noPressure, yields, cracks, belowNitrogen, belowAbsoluteZero, elastic,
        speedNote;
    const std::string_view* ends;   // minimum, maximum
    const std::string_view* parts;  // hub, shaft
};
extern const PressFitWording kPressFitJapanese;

std::string PressFitFindingText(const PressFitFinding& finding, const PressFitInput& input,
                                const PressFitResult& result, const PressFitWording& wording);

}  // namespace tolvo
