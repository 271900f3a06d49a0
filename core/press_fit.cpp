#include "core/press_fit.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/number_text.h"
#include "core/text_fill.h"
#include "core/texts_ja.h"

namespace tolvo {
namespace {

// S when none is given: 0.001·D, a common allowance for sliding a heated hub on by hand.
constexpr double kDefaultMountingClearancePerMm = 0.001;
constexpr double kMpaPerGpa = 1000.0;
constexpr double kMmPerUm = 0.001;

using Field = PressFitField;
using Fault = PressFitFault;

class Checker {
  public:
    std::vector<PressFitProblem> problems;

    // False, with the problem noted, when the value is not finite.
    bool Finite(Field field, double value) {
        if (std::isfinite(value)) return true;
        problems.push_back({field, Fault::NotFinite});
        return false;
    }
    void Positive(Field field, double value) {
        if (Finite(field, value) && !(value > 0.0)) problems.push_back({field, Fault::NotPositive});
    }
    void NotNegative(Field field, std::optional<double> value) {
        if (value && Finite(field, *value) && *value < 0.0) problems.push_back({field, Fault::Negative});
    }
    void Temperature(Field field, std::optional<double> value) {
        if (value && Finite(field, *value) && *value < kAbsoluteZero)
            problems.push_back({field, Fault::BelowAbsoluteZero});
    }
    void Poisson(Field field, double value) {
        if (Finite(field, value) && !(value > 0.0 && value < 0.5))
            problems.push_back({field, Fault::PoissonOutOfRange});
    }
    void Part(const PressFitPart& part, bool hub) {
        const MaterialProperties& m = part.material;
        Positive(hub ? Field::HubElasticModulus : Field::ShaftElasticModulus, m.elasticModulusGpa);
        Poisson(hub ? Field::HubPoissonRatio : Field::ShaftPoissonRatio, m.poissonRatio);
        Positive(hub ? Field::HubExpansion : Field::ShaftExpansion, m.expansionPerKelvin);
        Positive(hub ? Field::HubStrength : Field::ShaftStrength, m.strengthMpa);
        Positive(hub ? Field::HubDensity : Field::ShaftDensity, m.densityKgPerM3);
    }
};

double Squared(double x) {
    return x * x;
}

// (1 + Q²)/(1 − Q²), the hoop-stress factor of a thick-walled cylinder.
double Thickness(double q) {
    return (1.0 + q * q) / (1.0 - q * q);
}

PartStresses HubStresses(double p, double qa) {
    PartStresses s;
    s.tangentialMpa = p * Thickness(qa);
    s.radialMpa = -p;
    s.equivalentMpa = p * std::sqrt(3.0 + std::pow(qa, 4)) / (1.0 - qa * qa);
    return s;
}

PartStresses ShaftStresses(double p, double qi) {
    PartStresses s;
    if (qi == 0.0) {  // solid: σ_t = σ_r = −p throughout, von Mises of the two is p
        s.tangentialMpa = -p;
        s.radialMpa = -p;
        s.equivalentMpa = p;
    } else {  // hollow: at the bore σ_r = 0 and σ_t = −2p/(1 − Q_i²)
        s.tangentialMpa = -2.0 * p / (1.0 - qi * qi);
        s.radialMpa = 0.0;
        s.equivalentMpa = -s.tangentialMpa;
    }
    return s;
}

void RateSafety(PartStresses& s, double strengthMpa, double minimumSafety) {
    if (!(s.equivalentMpa > 0.0)) return;
    s.safety = strengthMpa / s.equivalentMpa;
    s.belowMinimumSafety = *s.safety < minimumSafety;
}

// The hub's growth of its bore at speed: a rotating disc's radial
// displacement, ΔU = ρ·ω²·(3 + ν)·D·Da²/(16·E), which neglects the shaft's own
// growth and the bore's term; an approximation good for a thick hub.
double SpeedLossMm(const PressFitInput& in) {
    if (!in.speedRpm) return 0.0;
    const MaterialProperties& hub = in.hub.material;
    const double omega = 2.0 * std::numbers::pi * *in.speedRpm / 60.0;  // rad/s
    // In SI units (m, Pa), back to mm.
    const double metres = hub.densityKgPerM3 * omega * omega * (3.0 + hub.poissonRatio) *
                          (in.jointDiameterMm / 1000.0) * Squared(in.hubOuterDiameterMm / 1000.0) /
                          (16.0 * hub.elasticModulusGpa * 1e9);
    return metres * 1000.0;
}

// K = (1/E_hub)·((1 + Q_a²)/(1 − Q_a²) + ν_hub) + (1/E_shaft)·((1 + Q_i²)/(1 − Q_i²) − ν_shaft), 1/MPa.
double Stiffness(const PressFitInput& in) {
    const double qa = in.jointDiameterMm / in.hubOuterDiameterMm;
    const double qi = in.shaftBoreMm / in.jointDiameterMm;
    const MaterialProperties& hub = in.hub.material;
    const MaterialProperties& shaft = in.shaft.material;
    return (Thickness(qa) + hub.poissonRatio) / (hub.elasticModulusGpa * kMpaPerGpa) +
           (Thickness(qi) - shaft.poissonRatio) / (shaft.elasticModulusGpa * kMpaPerGpa);
}

PressFitEnd ComputeEnd(const PressFitInput& in, double interference, double stiffness) {
    const double d = in.jointDiameterMm;
    const double qa = d / in.hubOuterDiameterMm;
    const double qi = in.shaftBoreMm / d;
    const double pi = std::numbers::pi;
    PressFitEnd end;
    end.interferenceMm = interference;
    if (in.hub.roughnessRzUm || in.shaft.roughnessRzUm) {
        end.roughnessLossMm = SmoothingFactor(in.smoothing) *
                              (in.hub.roughnessRzUm.value_or(0.0) + in.shaft.roughnessRzUm.value_or(0.0)) *
                              kMmPerUm;
    }
    if (in.hub.serviceTemperature || in.shaft.serviceTemperature) {
        end.temperatureLossMm = TemperatureLossMm(
            d, in.hub.material.expansionPerKelvin, in.hub.serviceTemperature.value_or(kReferenceTemperature),
            in.shaft.material.expansionPerKelvin,
            in.shaft.serviceTemperature.value_or(kReferenceTemperature));
    }
    end.speedLossMm = SpeedLossMm(in);
    end.effectiveInterferenceMm =
        interference - end.roughnessLossMm - end.temperatureLossMm - end.speedLossMm;
    end.noPressure = !(end.effectiveInterferenceMm > 0.0);
    // Without pressure every stress and force stays 0 (never a −0 as −p would give).
    if (end.noPressure) return end;
    const double p = end.effectiveInterferenceMm / (d * stiffness);
    end.pressureMpa = p;
    end.hub = HubStresses(p, qa);
    end.hubOutsideTangentialMpa = 2.0 * p * qa * qa / (1.0 - qa * qa);
    end.shaft = ShaftStresses(p, qi);
    RateSafety(end.hub, in.hub.material.strengthMpa, in.minimumSafety);
    RateSafety(end.shaft, in.shaft.material.strengthMpa, in.minimumSafety);
    const double carried = pi * in.friction * p * in.lengthMm * d;  // N
    end.axialCapacityN = carried;
    end.torqueCapacityNm = carried * d / 2.0 / 1000.0;  // (π/2)·μ·p·l·D², N·mm to N·m
    end.pressInForceN = pi * in.pressFriction.value_or(in.friction) * p * in.lengthMm * d;
    return end;
}

bool AllFinite(const PressFitJoint& j) {
    bool finite = std::isfinite(j.stiffnessPerMpa) && std::isfinite(j.shrinkHubTemperature) &&
                  std::isfinite(j.coolShaftTemperature) && std::isfinite(j.mountingClearanceMm);
    for (const PressFitEnd& e : j.ends) {
        for (double v : {e.roughnessLossMm, e.temperatureLossMm, e.speedLossMm, e.effectiveInterferenceMm,
                         e.pressureMpa, e.hub.tangentialMpa, e.hub.equivalentMpa, e.hubOutsideTangentialMpa,
                         e.shaft.tangentialMpa, e.shaft.equivalentMpa, e.torqueCapacityNm, e.axialCapacityN,
                         e.pressInForceN, e.hub.safety.value_or(0.0), e.shaft.safety.value_or(0.0)})
            finite = finite && std::isfinite(v);
    }
    return finite;
}

}  // namespace

double SmoothingFactor(Smoothing smoothing) {
    return smoothing == Smoothing::Older ? 0.8 : 0.4;
}

void SetInterferenceFromFit(PressFitInput& input, double basicSizeMm, const FitResult& fit) {
    input.jointDiameterMm = basicSizeMm;
    // To the nanometre, as the fit's amounts are shown: the clearances are
    // differences of limit sizes rounded so, and carry their binary fuzz.
    input.minimumInterferenceMm = RoundToSixDecimals(-fit.maximumClearance);
    input.maximumInterferenceMm = RoundToSixDecimals(-fit.minimumClearance);
}

double TemperatureLossMm(double jointDiameterMm, double hubExpansion, double hubTemperature,
                         double shaftExpansion, double shaftTemperature) {
    // The hub's bore grows by D·α_hub·(t_hub − 20), the shaft by D·α_shaft·(t_shaft − 20).
    return jointDiameterMm * (hubExpansion * (hubTemperature - kReferenceTemperature) -
                              shaftExpansion * (shaftTemperature - kReferenceTemperature));
}

std::vector<PressFitProblem> CheckPressFitInput(const PressFitInput& in) {
    Checker c;
    c.Positive(Field::JointDiameter, in.jointDiameterMm);
    const bool minimumFinite = c.Finite(Field::MinimumInterference, in.minimumInterferenceMm);
    const bool maximumFinite = c.Finite(Field::MaximumInterference, in.maximumInterferenceMm);
    if (minimumFinite && maximumFinite && in.minimumInterferenceMm > in.maximumInterferenceMm)
        c.problems.push_back({Field::MaximumInterference, Fault::MinimumAboveMaximum});
    if (c.Finite(Field::HubOuterDiameter, in.hubOuterDiameterMm) &&
        !(in.hubOuterDiameterMm > in.jointDiameterMm))
        c.problems.push_back({Field::HubOuterDiameter, Fault::NotAboveJoint});
    c.NotNegative(Field::ShaftBore, in.shaftBoreMm);
    if (std::isfinite(in.shaftBoreMm) && in.shaftBoreMm >= 0.0 && !(in.shaftBoreMm < in.jointDiameterMm))
        c.problems.push_back({Field::ShaftBore, Fault::NotBelowJoint});
    c.Positive(Field::Length, in.lengthMm);
    c.Positive(Field::Friction, in.friction);
    if (in.pressFriction) c.Positive(Field::PressFriction, *in.pressFriction);
    c.Part(in.hub, true);
    c.Part(in.shaft, false);
    c.NotNegative(Field::HubRoughness, in.hub.roughnessRzUm);
    c.NotNegative(Field::ShaftRoughness, in.shaft.roughnessRzUm);
    c.Temperature(Field::HubTemperature, in.hub.serviceTemperature);
    c.Temperature(Field::ShaftTemperature, in.shaft.serviceTemperature);
    c.NotNegative(Field::Speed, in.speedRpm);
    c.Temperature(Field::RoomTemperature, in.roomTemperature);
    c.NotNegative(Field::MountingClearance, in.mountingClearanceMm);
    c.Positive(Field::MinimumSafety, in.minimumSafety);
    std::stable_sort(c.problems.begin(), c.problems.end(),
                     [](const PressFitProblem& a, const PressFitProblem& b) { return a.field < b.field; });
    return c.problems;
}

std::optional<PressFitProblem> FirstPressFitProblem(const PressFitInput& input) {
    const std::vector<PressFitProblem> problems = CheckPressFitInput(input);
    if (problems.empty()) return std::nullopt;
    return problems.front();
}

std::string PressFitProblemText(const PressFitProblem& problem, const PressFitInput& input) {
    static_assert(std::size(ja::kPressFieldNames) == static_cast<std::size_t>(Field::Result) + 1);
    static_assert(std::size(ja::kPressFaults) == static_cast<std::size_t>(Fault::BeyondNumbers) + 1);
    return FillIn(
        ja::kPressFaults[static_cast<std::size_t>(problem.fault)],
        {ja::kPressFieldNames[static_cast<std::size_t>(problem.field)], FormatG(input.jointDiameterMm)});
}

std::variant<PressFitResult, PressFitProblem> ComputePressFit(const PressFitInput& in) {
    if (auto problem = FirstPressFitProblem(in)) return *problem;
    PressFitResult result;
    if (!(in.maximumInterferenceMm > 0.0)) return result;
    PressFitJoint joint;
    const double d = in.jointDiameterMm;
    joint.stiffnessPerMpa = Stiffness(in);
    joint.ends = {ComputeEnd(in, in.minimumInterferenceMm, joint.stiffnessPerMpa),
                  ComputeEnd(in, in.maximumInterferenceMm, joint.stiffnessPerMpa)};
    joint.mountingClearanceMm = in.mountingClearanceMm.value_or(kDefaultMountingClearancePerMm * d);
    const double opening = in.maximumInterferenceMm + joint.mountingClearanceMm;
    joint.shrinkHubTemperature = in.roomTemperature + opening / (in.hub.material.expansionPerKelvin * d);
    joint.coolShaftTemperature = in.roomTemperature - opening / (in.shaft.material.expansionPerKelvin * d);
    joint.coolingBelowLiquidNitrogen = joint.coolShaftTemperature < kLiquidNitrogenTemperature;
    joint.coolingBelowAbsoluteZero = joint.coolShaftTemperature < kAbsoluteZero;
    if (!AllFinite(joint)) return PressFitProblem{Field::Result, Fault::BeyondNumbers};
    result.joint = joint;
    return result;
}

bool CarriesCombinedLoad(const PressFitInput& input, const PressFitEnd& end, double torqueNm,
                         double axialForceN) {
    const double circumferentialN = 2.0 * torqueNm * 1000.0 / input.jointDiameterMm;
    return std::hypot(axialForceN, circumferentialN) <= end.axialCapacityN;
}

}  // namespace tolvo
