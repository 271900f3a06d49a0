#include "core/press_fit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace tolvo {
namespace {

// Round numbers so that the working below stays by hand: E 210 GPa, ν 0.3,
// α 11e-6 /K, strength 345 MPa, ρ 7850 kg/m³.
constexpr MaterialProperties kSteel{210.0, 0.3, 11e-6, 345.0, 7850.0};
constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr MaterialProperties kAluminium{70.0, 0.33, 23e-6, 245.0, 2700.0};

// φ40 in a φ80 hub, 30 long, μ 0.1, solid steel shaft, interference 0.021 to 0.042 mm.
PressFitInput Joint() {
    PressFitInput in;
    in.jointDiameterMm = 40.0;
    in.minimumInterferenceMm = 0.021;
    in.maximumInterferenceMm = 0.042;
    in.hubOuterDiameterMm = 80.0;
    in.lengthMm = 30.0;
    in.hub.material = kSteel;
    in.shaft.material = kSteel;
    return in;
}

PressFitJoint Computed(const PressFitInput& in) {
    auto result = ComputePressFit(in);
    EXPECT_TRUE(std::holds_alternative<PressFitResult>(result));
    const PressFitResult* r = std::get_if<PressFitResult>(&result);
    EXPECT_TRUE(r && r->joint);
    return r && r->joint ? *r->joint : PressFitJoint{};
}

void ExpectNear(double actual, double expected, const char* what) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * 1e-6 + 1e-12) << what;
}

// Q_a = 40/80 = 0.5: (1 + Q_a²)/(1 − Q_a²) = 1.25/0.75 = 5/3, √(3 + Q_a⁴)/(1 − Q_a²) = 1.75/0.75 = 7/3.
// K = (5/3 + 0.3)/210000 + (1 − 0.3)/210000 = (8/3)/210000 = 1.2698413e-5 /MPa.
// p_max = 0.042/(40·K) = 0.042·210000·3/320 = 82.6875 MPa, p_min = 41.34375 MPa.
// At p_max: hub σ_t = 5p/3 = 137.8125, σ_v = 7p/3 = 192.9375, outside σ_t = 2p·0.25/0.75 = 55.125;
// solid shaft σ_t = σ_r = −82.6875, σ_v = 82.6875; safeties 345/192.9375 = 1.788144, 345/82.6875 = 4.172336.
// At p_min: F_ax = π·0.1·41.34375·30·40 = 15586.2266 N, T = F_ax·D/2 = 311.724531 N·m;
// at p_max: F_e = π·0.1·82.6875·1200 = 31172.4531 N.
// Shrinking: S = 0.04, t = 20 + 0.082/(11e-6·40) = 206.363636 °C; cooling to 20 − 186.363636 = −166.363636
// °C.
TEST(PressFit, SolidSteelShaftInASteelHub) {
    const PressFitJoint j = Computed(Joint());
    ExpectNear(j.stiffnessPerMpa, 8.0 / 3.0 / 210000.0, "K");
    const PressFitEnd& low = j.ends[0];
    const PressFitEnd& high = j.ends[1];
    ExpectNear(low.pressureMpa, 41.34375, "p_min");
    ExpectNear(high.pressureMpa, 82.6875, "p_max");
    ExpectNear(high.effectiveInterferenceMm, 0.042, "U_w without losses");
    ExpectNear(high.hub.tangentialMpa, 137.8125, "hub σ_t");
    ExpectNear(high.hub.radialMpa, -82.6875, "hub σ_r");
    ExpectNear(high.hub.equivalentMpa, 192.9375, "hub σ_v");
    ExpectNear(high.hubOutsideTangentialMpa, 55.125, "hub outside σ_t");
    ExpectNear(high.shaft.tangentialMpa, -82.6875, "shaft σ_t");
    ExpectNear(high.shaft.radialMpa, -82.6875, "shaft σ_r");
    ExpectNear(*high.hub.safety, 1.7881438, "hub safety");
    ExpectNear(*high.shaft.safety, 4.1723356, "shaft safety");
    EXPECT_FALSE(high.hub.belowMinimumSafety);
    ExpectNear(low.axialCapacityN, 15586.226553, "F_ax");
    ExpectNear(low.torqueCapacityNm, 311.724531, "T");
    ExpectNear(high.pressInForceN, 31172.453105, "F_e");
    ExpectNear(j.mountingClearanceMm, 0.04, "S");
    ExpectNear(j.shrinkHubTemperature, 206.363636, "t_hub");
    ExpectNear(j.coolShaftTemperature, -166.363636, "t_shaft");
    EXPECT_FALSE(j.coolingBelowLiquidNitrogen);

    // √(F_ax² + (2T/D)²) ≤ 15586 N: 200 N·m is 10000 N at the face; with 10000 N axially 14142 N,
    // with 12000 N 15620 N.
    const PressFitInput in = Joint();
    EXPECT_TRUE(CarriesCombinedLoad(in, low, 200.0, 10000.0));
    EXPECT_FALSE(CarriesCombinedLoad(in, low, 200.0, 12000.0));

    // μe given: the press-in force alone follows it.
    PressFitInput pressed = Joint();
    pressed.pressFriction = 0.2;
    ExpectNear(Computed(pressed).ends[1].pressInForceN, 2.0 * 31172.453105, "F_e with μe 0.2");
    ExpectNear(Computed(pressed).ends[0].axialCapacityN, 15586.226553, "F_ax with μe 0.2");
}

// Aluminium hub (E 70 GPa, ν 0.33) on a steel shaft with a φ20 bore (Q_i = 0.5):
// K = (5/3 + 0.33)/70000 + (5/3 − 0.3)/210000 = (3·1.996667 + 1.366667)/210000 = 7.356667/210000;
// p_max = 0.042·210000/(40·7.356667) = 29.972814 MPa; shaft bore σ_t = −2p/0.75 = −79.927503,
// σ_r = 0, σ_v = 79.927503; hub σ_v = 7p/3 = 69.936565.
TEST(PressFit, HollowSteelShaftInAnAluminiumHub) {
    PressFitInput in = Joint();
    in.hub.material = kAluminium;
    in.shaftBoreMm = 20.0;
    const PressFitEnd high = Computed(in).ends[1];
    ExpectNear(high.pressureMpa, 29.972814, "p_max");
    ExpectNear(high.shaft.tangentialMpa, -79.927503, "shaft bore σ_t");
    EXPECT_EQ(high.shaft.radialMpa, 0.0);
    ExpectNear(high.shaft.equivalentMpa, 79.927503, "shaft σ_v");
    ExpectNear(high.hub.equivalentMpa, 69.936565, "hub σ_v");
}

// Each loss on its own, at U_max = 0.042 of the steel joint.
TEST(PressFit, EachLossOnItsOwn) {
    struct Case {
        const char* name;
        void (*set)(PressFitInput&);
        double roughness, temperature, speed;
    };
    const Case cases[] = {
        // 0.4·(6.3 + 4) μm = 4.12 μm; the older factor 0.8 twice that.
        {"roughness", [](PressFitInput& in) { in.hub.roughnessRzUm = 6.3, in.shaft.roughnessRzUm = 4.0; },
         0.00412, 0, 0},
        {"roughness, older factor",
         [](PressFitInput& in) {
             in.hub.roughnessRzUm = 6.3, in.shaft.roughnessRzUm = 4.0, in.smoothing = Smoothing::Older;
         },
         0.00824, 0, 0},
        {"roughness of the hub only", [](PressFitInput& in) { in.hub.roughnessRzUm = 10.0; }, 0.004, 0, 0},
        // Aluminium hub at 80 °C, the shaft at 20: 40·23e-6·60 = 0.0552 mm lost.
        {"hot aluminium hub",
         [](PressFitInput& in) { in.hub.material = kAluminium, in.hub.serviceTemperature = 80.0; }, 0, 0.0552,
         0},
        // Both steel at 100 °C grow alike: nothing lost.
        {"both warm, equal α",
         [](PressFitInput& in) { in.hub.serviceTemperature = 100.0, in.shaft.serviceTemperature = 100.0; }, 0,
         0, 0},
        // The shaft alone at 70 °C: −40·11e-6·50 = −0.022 mm, a gain.
        {"hot shaft", [](PressFitInput& in) { in.shaft.serviceTemperature = 70.0; }, 0, -0.022, 0},
        // 6000 1/min: ω = 628.3185 /s, ΔU = 7850·ω²·3.3·0.04·0.08²/(16·210e9) m = 7.791912e-4 mm.
        {"speed", [](PressFitInput& in) { in.speedRpm = 6000.0; }, 0, 0, 7.791912e-4},
    };
    for (const Case& c : cases) {
        PressFitInput in = Joint();
        c.set(in);
        const PressFitJoint j = Computed(in);
        const PressFitEnd& high = j.ends[1];
        ExpectNear(high.roughnessLossMm, c.roughness, c.name);
        ExpectNear(high.temperatureLossMm, c.temperature, c.name);
        ExpectNear(high.speedLossMm, c.speed, c.name);
        const double effective = 0.042 - c.roughness - c.temperature - c.speed;
        ExpectNear(high.effectiveInterferenceMm, effective, c.name);
        // The hot aluminium hub loses more than the whole interference: no pressure.
        ExpectNear(high.pressureMpa, std::max(effective, 0.0) / (40.0 * j.stiffnessPerMpa), c.name);
        // The same losses at the other end.
        ExpectNear(j.ends[0].effectiveInterferenceMm, 0.021 - c.roughness - c.temperature - c.speed, c.name);
    }
}

TEST(PressFit, LimitsOfTheHub) {
    // A hub without end (Da = 10⁶·D) is a plate with a hole: K = (1 + ν)/E + (1 − ν)/E = 2/E,
    // p = U·E/(2D) = 0.042·210000/80 = 110.25 MPa; at the bore σ_t = p, σ_v = √3·p; nothing outside.
    PressFitInput plate = Joint();
    plate.hubOuterDiameterMm = 40e6;
    const PressFitEnd wide = Computed(plate).ends[1];
    EXPECT_NEAR(wide.pressureMpa, 110.25, 1e-6);
    EXPECT_NEAR(wide.hub.tangentialMpa, 110.25, 1e-6);
    EXPECT_NEAR(wide.hub.equivalentMpa, std::sqrt(3.0) * 110.25, 1e-6);
    EXPECT_NEAR(wide.hubOutsideTangentialMpa, 0.0, 1e-6);

    // A ring 0.2 thick (Da = 40.4): (1 + Q²)/(1 − Q²) = 100.5, so the ring takes nearly the whole
    // interference and its hoop stress is nearly E·U/D = 210000·0.08/40 = 420 MPa (less by
    // (0.3 + 0.7)/(100.5 + 1) ≈ 1 %): above the strength 345 MPa, warned of.
    PressFitInput ring = Joint();
    ring.hubOuterDiameterMm = 40.4;
    ring.maximumInterferenceMm = 0.08;
    const PressFitEnd thin = Computed(ring).ends[1];
    EXPECT_NEAR(thin.hub.tangentialMpa, 420.0 * 100.5 / 101.5, 0.05);
    EXPECT_TRUE(thin.hub.belowMinimumSafety);
    EXPECT_FALSE(thin.shaft.belowMinimumSafety);
    ring.minimumSafety = 0.5;
    EXPECT_FALSE(Computed(ring).ends[1].hub.belowMinimumSafety);
}

TEST(PressFit, NoPressureAndNoInterference) {
    // Interference 0.003 to 0.0045 mm, 0.4·(5 + 5) μm = 0.004 flattened: the minimum end keeps
    // −0.001 mm and presses nothing, the maximum 0.0005 mm.
    PressFitInput in = Joint();
    in.minimumInterferenceMm = 0.003;
    in.maximumInterferenceMm = 0.0045;
    in.hub.roughnessRzUm = 5.0;
    in.shaft.roughnessRzUm = 5.0;
    const PressFitJoint j = Computed(in);
    EXPECT_TRUE(j.ends[0].noPressure);
    EXPECT_EQ(j.ends[0].pressureMpa, 0.0);
    EXPECT_EQ(j.ends[0].torqueCapacityNm, 0.0);
    EXPECT_FALSE(std::signbit(j.ends[0].hub.radialMpa) || std::signbit(j.ends[0].shaft.tangentialMpa));
    EXPECT_FALSE(j.ends[0].hub.safety);
    EXPECT_FALSE(j.ends[1].noPressure);
    ExpectNear(j.ends[1].effectiveInterferenceMm, 0.0005, "U_w max");

    // A clearance pair (φ25 H7/g6: clearance 0.007 to 0.041 mm) has no joint at all.
    PressFitInput clearance = Joint();
    SetInterferenceFromFit(clearance, 25.0, FitResult{0.041, 0.007});
    EXPECT_EQ(clearance.maximumInterferenceMm, -0.007);
    auto result = ComputePressFit(clearance);
    ASSERT_TRUE(std::holds_alternative<PressFitResult>(result));
    EXPECT_FALSE(std::get<PressFitResult>(result).joint);
}

TEST(PressFit, CoolingTheShaftBeyondLiquidNitrogen) {
    // S = 0: t = 20 − 0.1/(11e-6·40) = −207.27 °C, below −196; with S = 0.04, −298.2 °C, below absolute zero.
    PressFitInput in = Joint();
    in.maximumInterferenceMm = 0.1;
    in.mountingClearanceMm = 0.0;
    PressFitJoint j = Computed(in);
    EXPECT_NEAR(j.coolShaftTemperature, -207.2727, 1e-4);
    EXPECT_TRUE(j.coolingBelowLiquidNitrogen);
    EXPECT_FALSE(j.coolingBelowAbsoluteZero);
    in.mountingClearanceMm.reset();
    in.roomTemperature = 25.0;
    j = Computed(in);
    EXPECT_NEAR(j.shrinkHubTemperature, 25.0 + 0.14 / 0.00044, 1e-9);
    EXPECT_TRUE(j.coolingBelowAbsoluteZero);
}

TEST(PressFit, BadInputIsRefusedWithItsFieldAndNothingIsComputed) {
    using F = PressFitField;
    using W = PressFitFault;
    struct Case {
        void (*set)(PressFitInput&);
        PressFitProblem problem;
    };
    const Case cases[] = {
        {[](PressFitInput& in) { in.hubOuterDiameterMm = 40.0; }, {F::HubOuterDiameter, W::NotAboveJoint}},
        {[](PressFitInput& in) { in.hubOuterDiameterMm = 30.0; }, {F::HubOuterDiameter, W::NotAboveJoint}},
        {[](PressFitInput& in) { in.shaftBoreMm = 40.0; }, {F::ShaftBore, W::NotBelowJoint}},
        {[](PressFitInput& in) { in.shaftBoreMm = -1.0; }, {F::ShaftBore, W::Negative}},
        {[](PressFitInput& in) { in.lengthMm = 0.0; }, {F::Length, W::NotPositive}},
        {[](PressFitInput& in) { in.friction = -0.1; }, {F::Friction, W::NotPositive}},
        {[](PressFitInput& in) { in.pressFriction = 0.0; }, {F::PressFriction, W::NotPositive}},
        {[](PressFitInput& in) { in.hub.material.poissonRatio = 0.5; },
         {F::HubPoissonRatio, W::PoissonOutOfRange}},
        {[](PressFitInput& in) { in.shaft.material.poissonRatio = 0.0; },
         {F::ShaftPoissonRatio, W::PoissonOutOfRange}},
        {[](PressFitInput& in) { in.shaft.material.elasticModulusGpa = 0.0; },
         {F::ShaftElasticModulus, W::NotPositive}},
        {[](PressFitInput& in) { in.jointDiameterMm = nan; }, {F::JointDiameter, W::NotFinite}},
        {[](PressFitInput& in) { in.hubOuterDiameterMm = inf; }, {F::HubOuterDiameter, W::NotFinite}},
        {[](PressFitInput& in) { in.maximumInterferenceMm = inf; }, {F::MaximumInterference, W::NotFinite}},
        {[](PressFitInput& in) { in.minimumInterferenceMm = 0.05; },
         {F::MaximumInterference, W::MinimumAboveMaximum}},
        {[](PressFitInput& in) { in.hub.roughnessRzUm = -1.0; }, {F::HubRoughness, W::Negative}},
        {[](PressFitInput& in) { in.shaft.serviceTemperature = -300.0; },
         {F::ShaftTemperature, W::BelowAbsoluteZero}},
        {[](PressFitInput& in) { in.speedRpm = nan; }, {F::Speed, W::NotFinite}},
        {[](PressFitInput& in) { in.hub.material.expansionPerKelvin = 0.0; },
         {F::HubExpansion, W::NotPositive}},
        {[](PressFitInput& in) { in.hub.material.strengthMpa = -5.0; }, {F::HubStrength, W::NotPositive}},
        // Each value sound, the pressure beyond the range of double.
        {[](PressFitInput& in) { in.maximumInterferenceMm = 1e307; }, {F::Result, W::BeyondNumbers}},
    };
    for (const Case& c : cases) {
        PressFitInput in = Joint();
        c.set(in);
        const auto result = ComputePressFit(in);
        const PressFitProblem* problem = std::get_if<PressFitProblem>(&result);
        ASSERT_TRUE(problem) << static_cast<int>(c.problem.field);
        EXPECT_EQ(*problem, c.problem) << static_cast<int>(c.problem.field);
    }
    // All problems, in the order of the fields.
    PressFitInput both = Joint();
    both.lengthMm = -1.0;
    both.hubOuterDiameterMm = 10.0;
    const std::vector<PressFitProblem> expected = {{F::HubOuterDiameter, W::NotAboveJoint},
                                                   {F::Length, W::NotPositive}};
    EXPECT_EQ(CheckPressFitInput(both), expected);
    EXPECT_EQ(PressFitProblemText(expected[0], both), "ハブ外径ははめあい径 40 mm より大きくしてください");
    EXPECT_EQ(PressFitProblemText(expected[1], both), "はめあい長さは 0 より大きい値にしてください");
    EXPECT_TRUE(CheckPressFitInput(Joint()).empty());
}

}  // namespace
}  // namespace tolvo
