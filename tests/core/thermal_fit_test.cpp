#include "core/thermal_fit.h"

#include <gtest/gtest.h>

#include <optional>

namespace tolvo {
namespace {

constexpr double kNanometre = 1e-6;  // mm

// 25 H7/g6 at 20 °C: hole 25.000 .. 25.021, shaft 24.980 .. 24.993.
const PairLimits kH7g6{25.021, 25.0, 24.993, 24.980};

struct AtTemperatures {
    const char* name;
    FeatureHeat hole;
    FeatureHeat shaft;
    double maximum;
    double minimum;
    double mean;
    FitKind kind;
};

// Worked by hand:
// - both 70 °C, hole α 20e-6, shaft α 10e-6: factors 1.001 and 1.0005; hole
//   25.021·1.001 = 25.046021, 25·1.001 = 25.025; shaft 24.993·1.0005 =
//   25.0054965, 24.98·1.0005 = 24.99249; max 25.046021 − 24.99249 = 0.053531,
//   min 25.025 − 25.0054965 = 0.0195035, mean their average 0.03651725.
// - hole 20 °C, shaft 70 °C, both α 11.7e-6: shaft factor 1.000585; shaft
//   24.993 + 24.993·0.000585 = 25.007620905, 24.98 + 0.0146133 = 24.9946133;
//   max 25.021 − 24.9946133 = 0.0263867, min 25 − 25.007620905 = −0.007620905:
//   the clearance fit has become a transition fit.
// - 20 °C: exactly the limits' fit, 0.041 / 0.007 / 0.024.
const AtTemperatures kAtTemperatures[] = {
    {"BothAt70", {20e-6, 70.0}, {10e-6, 70.0}, 0.053531, 0.0195035, 0.03651725, FitKind::Clearance},
    {"HotShaftInCoolHousing",
     {11.7e-6, 20.0},
     {11.7e-6, 70.0},
     0.0263867,
     -0.007620905,
     0.009382898,
     FitKind::Transition},
    {"Reference", {11.7e-6, 20.0}, {23.6e-6, 20.0}, 0.041, 0.007, 0.024, FitKind::Clearance},
};

TEST(ThermalFit, ExpandsEachPartFromTwentyDegreesAtItsOwnTemperature) {
    for (const AtTemperatures& c : kAtTemperatures) {
        SCOPED_TRACE(c.name);
        const ThermalFit fit = FitAtTemperatures(kH7g6, c.hole, c.shaft);
        EXPECT_NEAR(fit.amounts.maximumClearance, c.maximum, kNanometre);
        EXPECT_NEAR(fit.amounts.minimumClearance, c.minimum, kNanometre);
        EXPECT_NEAR(fit.amounts.meanClearance, c.mean, kNanometre);
        EXPECT_EQ(fit.amounts.kind, c.kind);
    }
    const PairLimits reference = FitAtTemperatures(kH7g6, {11.7e-6, 20.0}, {23.6e-6, 20.0}).limits;
    EXPECT_EQ(reference.holeUpper, kH7g6.holeUpper);
    EXPECT_EQ(reference.shaftLower, kH7g6.shaftLower);
    // H7/h6 of one material stays line to line when warm.
    const PairLimits h7h6{25.021, 25.0, 25.0, 24.987};
    EXPECT_EQ(FitAtTemperatures(h7h6, {11.7e-6, 95.0}, {11.7e-6, 95.0}).amounts.kind, FitKind::Clearance);
}

struct OverRange {
    const char* name;
    TemperatureRange hole;
    TemperatureRange shaft;
    RangeCoupling coupling;
    ClearanceExtreme lowestMinimum;
    ClearanceExtreme highestMaximum;
    std::optional<TemperaturePoint> minimumZero;
    bool kindChanges;
};

// Hole α 10e-6, shaft α 20e-6 (a light-alloy shaft in a steel hole), 25 H7/g6.
// min(Δ) = 25·(1 + 10e-6·Δ) − 24.993·(1 + 20e-6·Δ) = 0.007 − 0.00024986·Δ for a
// shared Δ = t − 20: zero at Δ = 0.007 / 0.00024986 = 28.015689, t = 48.015689;
// at 120 °C min = 0.007 − 0.024986 = −0.017986. max(Δ) = 0.041 − 0.00024939·Δ
// stays above zero to 120 °C (zero at 184 °C); its highest, 0.041, at 20 °C.
// Each its own range, hole 20..60 and shaft 20..100: the lowest min is at the
// corner (hole 20, shaft 100): 0.007 − 24.993·0.0016 = −0.0329888; along the
// warm-up path th = 20 + 40u, ts = 20 + 80u: min(u) = 0.007 + 0.01u −
// 0.0399888u, zero at u = 0.007 / 0.0299888 = 0.2334205: hole 29.33682 °C,
// shaft 38.67364 °C.
const OverRange kOverRanges[] = {
    {"Warming",
     {20, 120},
     {20, 120},
     RangeCoupling::Together,
     {-0.017986, {120, 120}},
     {0.041, {20, 20}},
     TemperaturePoint{48.015689, 48.015689},
     true},
    {"Cooling",
     {120, 20},
     {120, 20},
     RangeCoupling::Together,
     {-0.017986, {120, 120}},
     {0.041, {20, 20}},
     TemperaturePoint{48.015689, 48.015689},
     true},
    {"StaysClearance",
     {20, 40},
     {20, 40},
     RangeCoupling::Together,
     {0.0020028, {40, 40}},
     {0.041, {20, 20}},
     std::nullopt,
     false},
    {"EachItsOwn",
     {20, 60},
     {20, 100},
     RangeCoupling::Independent,
     {-0.0329888, {20, 100}},
     {0.041 + 25.021 * 10e-6 * 40, {60, 20}},
     TemperaturePoint{29.33682, 38.67364},
     true},
};

TEST(ThermalFit, FindsTheExtremesAndWhereTheMinimumClearancePassesZero) {
    for (const OverRange& c : kOverRanges) {
        SCOPED_TRACE(c.name);
        const ThermalRange r = FitOverTemperatures(kH7g6, 10e-6, c.hole, 20e-6, c.shaft, c.coupling);
        EXPECT_NEAR(r.minimum.lowest.clearance, c.lowestMinimum.clearance, kNanometre);
        EXPECT_EQ(r.minimum.lowest.at, c.lowestMinimum.at);
        EXPECT_NEAR(r.maximum.highest.clearance, c.highestMaximum.clearance, kNanometre);
        EXPECT_EQ(r.maximum.highest.at, c.highestMaximum.at);
        ASSERT_EQ(r.minimum.zeroAt.has_value(), c.minimumZero.has_value());
        if (c.minimumZero) {
            EXPECT_NEAR(r.minimum.zeroAt->hole, c.minimumZero->hole, 1e-5);
            EXPECT_NEAR(r.minimum.zeroAt->shaft, c.minimumZero->shaft, 1e-5);
            // The clearance there is zero indeed.
            const FeatureHeat hole{10e-6, r.minimum.zeroAt->hole};
            const FeatureHeat shaft{20e-6, r.minimum.zeroAt->shaft};
            EXPECT_NEAR(FitAtTemperatures(kH7g6, hole, shaft).amounts.minimumClearance, 0.0, 1e-12);
        }
        EXPECT_FALSE(r.maximum.zeroAt);
        EXPECT_EQ(r.kindChanges, c.kindChanges);
        EXPECT_EQ(r.minimum.changesSign, c.kindChanges);
    }
}

}  // namespace
}  // namespace tolvo
