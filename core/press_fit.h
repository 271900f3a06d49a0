// The interference-fit joint of a hub on a shaft: joint pressure, stresses,
// safeties, the torque and axial force it carries, the force to press it in,
// and the temperatures to shrink it on instead.
//
// Thick-walled cylinders (Lamé), plane stress, a cylindrical joint of one
// diameter, the elastic case of DIN 7190-1 only: a safety below 1 means the
// part yields and these numbers no longer hold. Units throughout: lengths in
// mm, stresses in MPa (N/mm²), forces in N, torques in N·m, temperatures in °C;
// interferences are diametral, positive for an interference. Pure functions,
// no I/O; front ends turn the problems and warnings into their own texts.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/fit_evaluation.h"
#include "core/materials.h"
#include "core/thermal_fit.h"  // kAbsoluteZero, kReferenceTemperature

namespace tolvo {

// How much of the roughness peaks pressing in flattens: the interference lost
// is k·(Rz of the hub bore + Rz of the shaft). DIN 7190-1 takes
// k = 0.4; the older method of DIN 7190 took 0.8.
enum class Smoothing { Current, Older };
double SmoothingFactor(Smoothing smoothing);  // 0.4 or 0.8

// One part of the joint: its material's numbers after the user's overrides
// (WithOverrides), and whether its strength is a tensile strength (a brittle
// material such as grey cast iron, Material::brittle).
struct PressFitPart {
    MaterialProperties material;
    bool brittle = false;
    std::optional<double> roughnessRzUm;       // Rz of the hub bore or of the shaft, μm; none: not given
    std::optional<double> serviceTemperature;  // °C in service; none: 20 °C, the limits' own
};

struct PressFitInput {
    double jointDiameterMm = 0.0;         // D, the basic size
    double minimumInterferenceMm = 0.0;   // U_min, diametral; negative: a clearance at this end
    double maximumInterferenceMm = 0.0;   // U_max
    double hubOuterDiameterMm = 0.0;      // Da > D
    double shaftBoreMm = 0.0;             // Di, 0 for a solid shaft, < D
    double lengthMm = 0.0;                // l, the length of the joint
    double friction = 0.1;                // μ, in service (slipping)
    std::optional<double> pressFriction;  // μe, while pressing in; none: μ
    PressFitPart hub;
    PressFitPart shaft;
    Smoothing smoothing = Smoothing::Current;
    std::optional<double> speedRpm;             // n, 1/min; none: at rest
    double roomTemperature = 20.0;              // °C, where the joint is shrunk together
    std::optional<double> mountingClearanceMm;  // S, the play for mounting freely; none: 0.001·D
    double minimumSafety = 1.0;                 // safeties below it are warned of
};

// The interference range of an evaluated pair: minimum = −(maximum
// clearance), maximum = −(minimum clearance). Sets D too.
void SetInterferenceFromFit(PressFitInput& input, double basicSizeMm, const FitResult& fit);

// What is wrong with an input, and with which of its values.
enum class PressFitField {
    JointDiameter,
    MinimumInterference,
    MaximumInterference,
    HubOuterDiameter,
    ShaftBore,
    Length,
    Friction,
    PressFriction,
    HubElasticModulus,
    ShaftElasticModulus,
    HubPoissonRatio,
    ShaftPoissonRatio,
    HubExpansion,
    ShaftExpansion,
    HubStrength,
    ShaftStrength,
    HubDensity,
    ShaftDensity,
    HubRoughness,
    ShaftRoughness,
    HubTemperature,
    ShaftTemperature,
    Speed,
    RoomTemperature,
    MountingClearance,
    MinimumSafety,
    Result,  // the input is each sound, but the numbers it leads to are beyond the range of double
};

enum class PressFitFault {
    NotFinite,            // infinity or NaN
    NotPositive,          // ≤ 0 where only a positive value means anything (l, μ, E, α, strength, ρ)
    Negative,             // < 0 (Di, Rz, n, S)
    NotAboveJoint,        // Da ≤ D
    NotBelowJoint,        // Di ≥ D
    PoissonOutOfRange,    // ν outside (0, 0.5)
    BelowAbsoluteZero,    // a temperature below −273.15 °C
    MinimumAboveMaximum,  // U_min > U_max
    BeyondNumbers,        // a result would be infinite (Field::Result)
};

struct PressFitProblem {
    PressFitField field;
    PressFitFault fault;
    friend bool operator==(const PressFitProblem&, const PressFitProblem&) = default;
};

// Every problem of the input, in the order of PressFitField; empty when it
// can be computed. The first is what a front end refuses with.
std::vector<PressFitProblem> CheckPressFitInput(const PressFitInput& input);
std::optional<PressFitProblem> FirstPressFitProblem(const PressFitInput& input);
// The window's message for a problem, in Japanese ("ハブ外径ははめあい径 40 mm
// より大きくしてください"); tolvo-fit names its options instead.
std::string PressFitProblemText(const PressFitProblem& problem, const PressFitInput& input);

// For each of hub and shaft: the stress where the part is loaded most, and its
// safety against its strength. The safety uses the equivalent (von Mises)
// stress also for a brittle material, which is above its largest principal
// stress here and so on the safe side.
struct PartStresses {
    double tangentialMpa = 0.0;    // hub: at the bore; shaft: at its bore, or throughout when solid
    double radialMpa = 0.0;        // at the joint face: −p (0 at a hollow shaft's bore)
    double equivalentMpa = 0.0;    // von Mises, where it is largest
    std::optional<double> safety;  // strength / equivalent stress; none when there is no pressure
    bool belowMinimumSafety = false;
};

// One end of the interference range.
struct PressFitEnd {
    double interferenceMm = 0.0;           // U, as given
    double roughnessLossMm = 0.0;          // k·(Rz_hub + Rz_shaft); 0 when no roughness is given
    double temperatureLossMm = 0.0;        // by the service temperatures; negative: a gain
    double speedLossMm = 0.0;              // the hub's growth at speed (an approximation)
    double effectiveInterferenceMm = 0.0;  // U_w = U − the three losses
    bool noPressure = false;               // U_w ≤ 0: p = 0 and nothing is carried
    double pressureMpa = 0.0;              // p = U_w / (D·K)
    PartStresses hub;
    double hubOutsideTangentialMpa = 0.0;  // σ_t at the hub's outside
    PartStresses shaft;
    double torqueCapacityNm = 0.0;  // T = (π/2)·μ·p·l·D²
    double axialCapacityN = 0.0;    // F_ax = π·μ·p·l·D, also the bound of the combined load
    double pressInForceN = 0.0;     // F_e = π·μe·p·l·D
};

struct PressFitJoint {
    double stiffnessPerMpa = 0.0;      // K, 1/MPa
    double mountingClearanceMm = 0.0;  // S as used
    // What the designer reads: the capacities of ends[0], the stresses and
    // press-in force of ends[1].
    std::array<PressFitEnd, 2> ends;  // [0] minimum interference, [1] maximum
    // To mount it freely: the hub heated to t_room + (U_max + S)/(α_hub·D), or
    // the shaft cooled to t_room − (U_max + S)/(α_shaft·D).
    double shrinkHubTemperature = 0.0;
    double coolShaftTemperature = 0.0;
    bool coolingBelowLiquidNitrogen = false;  // below −196 °C, where liquid nitrogen boils
    bool coolingBelowAbsoluteZero = false;    // below −273.15 °C: no cooling reaches it
};

// Liquid nitrogen's boiling point at atmospheric pressure, rounded as
// designers quote it: no colder bath is at hand in a workshop.
inline constexpr double kLiquidNitrogenTemperature = -196.0;

struct PressFitResult {
    // None when the maximum interference is zero or below: a clearance pair
    // has no joint, and no numbers are made up for one.
    std::optional<PressFitJoint> joint;
};

// The joint, or the first problem of the input (nothing computed then).
std::variant<PressFitResult, PressFitProblem> ComputePressFit(const PressFitInput& input);

// Whether a torque and an axial force acting together are carried at an end:
// √(F_ax² + (2T/D)²) ≤ π·μ·p·l·D.
bool CarriesCombinedLoad(const PressFitInput& input, const PressFitEnd& end, double torqueNm,
                         double axialForceN);

// The change of a diametral interference when hub and shaft are at their
// service temperatures: each size L at t becomes L·(1 + α·(t − 20)), so the
// interference loses D·(α_hub·(t_hub − 20) − α_shaft·(t_shaft − 20)).
double TemperatureLossMm(double jointDiameterMm, double hubExpansion, double hubTemperature,
                         double shaftExpansion, double shaftTemperature);

}  // namespace tolvo
