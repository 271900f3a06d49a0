#include "core/service_conditions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tolvo {
namespace {

// 25 H7/k6 as the fit evaluation gives it.
const FitNumbers kH7k6{25.021, 25.0, 25.015, 25.002, {0.019, -0.015}, 0.002};

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

ServiceInput WithAlphas(double hole, double shaft) {
    ServiceInput input;
    input.hole.overrides.expansionPerKelvin = hole;
    input.shaft.overrides.expansionPerKelvin = shaft;
    return input;
}

// Both at 70 °C, hole α 20e-6 (factor 1.001), shaft α 10e-6 (1.0005): means
// 25.0105·1.001 = 25.0355105 and 25.0085·1.0005 = 25.02100425, the clearance's
// mean 14.50625 μm; σ 3.5·1.001 = 3.5035 and 2.166667·1.0005 = 2.16775, σ =
// 4.119909 μm; P(< 0) = Φ(−14.50625 / 4.119909) = 2.149516e-4.
TEST(ServiceConditions, GivesTheStatisticsAtTemperature) {
    ServiceInput input = WithAlphas(20e-6, 10e-6);
    input.hole.temperature = input.shaft.temperature = 70.0;
    input.statistics = true;
    const auto result = EvaluateService(kH7k6, input);
    ASSERT_TRUE(std::holds_alternative<ServiceResult>(result));
    const ServiceResult& r = std::get<ServiceResult>(result);
    ASSERT_TRUE(r.atTemperature);
    EXPECT_NEAR(r.atTemperature->amounts.meanClearance, 0.01450625, 1e-9);
    ASSERT_EQ(r.statistics.size(), 1u);
    const ClearanceStatistics& s = r.statistics[0].statistics;
    EXPECT_NEAR(s.mean, 0.01450625, 1e-9);
    EXPECT_NEAR(s.sigma * 1000.0, 4.119909, 1e-6);
    EXPECT_NEAR(s.interference, 2.149516e-4, 1e-9);
    EXPECT_EQ(PercentText(s.interference), "0.0215 %");
    EXPECT_DOUBLE_EQ(s.worstLow, r.atTemperature->amounts.minimumClearance);

    // Over 20..70 °C the tightest is at 20 °C (mean 2 μm), the loosest at 70 °C.
    input.hole.range = input.shaft.range = TemperatureRange{20.0, 70.0};
    const auto overResult = EvaluateService(kH7k6, input);
    const ServiceResult& over = std::get<ServiceResult>(overResult);
    ASSERT_EQ(over.statistics.size(), 2u);
    EXPECT_EQ(over.statistics[0].at, (TemperaturePoint{20.0, 20.0}));
    EXPECT_NEAR(over.statistics[0].statistics.mean, 0.002, 1e-12);
    EXPECT_NEAR(over.statistics[1].statistics.interference, s.interference, 1e-15);
    EXPECT_FALSE(over.atTemperature);
}

TEST(ServiceConditions, TakesTheMaterialsAlphaUnlessOneIsGiven) {
    ServiceInput input;
    input.hole.material = FindMaterial("aluminium");
    input.shaft.material = FindMaterial("steel");
    input.shaft.overrides.expansionPerKelvin = 12e-6;
    const auto result = EvaluateService(kH7k6, input);
    const ServiceResult& r = std::get<ServiceResult>(result);
    EXPECT_EQ(r.holeExpansion, 23.6e-6);
    EXPECT_EQ(r.shaftExpansion, 12e-6);
}

TEST(ServiceConditions, RefusesWhatIsMeaninglessAndWorksNothingOut) {
    struct Case {
        const char* name;
        void (*change)(ServiceInput&);
        ServiceError error;
    };
    const Case cases[] = {
        {"NoAlphaAwayFrom20",
         [](ServiceInput& in) { in.hole.temperature = 80.0; },
         {ServiceProblem::ExpansionMissing, FeatureKind::Hole, 80.0}},
        {"NoAlphaOverARange",
         [](ServiceInput& in) {
             in.shaft.range = TemperatureRange{20.0, 21.0};
         },
         {ServiceProblem::ExpansionMissing, FeatureKind::Shaft, 21.0}},
        {"ZeroAlpha",
         [](ServiceInput& in) { in.hole.overrides.expansionPerKelvin = 0.0; },
         {ServiceProblem::ExpansionOutOfRange, FeatureKind::Hole, 0.0}},
        {"NegativeAlpha",
         [](ServiceInput& in) { in.shaft.overrides.expansionPerKelvin = -1e-6; },
         {ServiceProblem::ExpansionOutOfRange, FeatureKind::Shaft, -1e-6}},
        {"NanAlpha",
         [](ServiceInput& in) { in.shaft.overrides.expansionPerKelvin = kNan; },
         {ServiceProblem::ExpansionOutOfRange, FeatureKind::Shaft, kNan}},
        {"BelowAbsoluteZero",
         [](ServiceInput& in) { in.shaft.temperature = -273.16; },
         {ServiceProblem::TemperatureOutOfRange, FeatureKind::Shaft, -273.16}},
        {"RangeBelowAbsoluteZero",
         [](ServiceInput& in) {
             in.hole.range = TemperatureRange{20.0, -300.0};
         },
         {ServiceProblem::TemperatureOutOfRange, FeatureKind::Hole, -300.0}},
        {"InfiniteTemperature",
         [](ServiceInput& in) { in.hole.temperature = kInf; },
         {ServiceProblem::TemperatureOutOfRange, FeatureKind::Hole, kInf}},
        {"ZeroCp",
         [](ServiceInput& in) {
             in.statistics = true;
             in.shaft.spread.cp = 0.0;
         },
         {ServiceProblem::CpOutOfRange, FeatureKind::Shaft, 0.0}},
        {"NanCp",
         [](ServiceInput& in) {
             in.statistics = true;
             in.hole.spread.cp = kNan;
         },
         {ServiceProblem::CpOutOfRange, FeatureKind::Hole, kNan}},
        {"InfiniteShift",
         [](ServiceInput& in) {
             in.statistics = true;
             in.hole.spread.shiftMicrometres = -kInf;
         },
         {ServiceProblem::ShiftOutOfRange, FeatureKind::Hole, -kInf}},
        {"WantedReversed",
         [](ServiceInput& in) {
             in.statistics = true;
             in.wanted = ClearanceRange{0.02, 0.01};
         },
         {ServiceProblem::WantedReversed, std::nullopt, 0.02}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ServiceInput input;
        c.change(input);
        const auto result = EvaluateService(kH7k6, input);
        ASSERT_TRUE(std::holds_alternative<ServiceError>(result));
        const ServiceError& e = std::get<ServiceError>(result);
        EXPECT_EQ(e.problem, c.error.problem);
        EXPECT_EQ(e.feature, c.error.feature);
        EXPECT_TRUE(e.value == c.error.value || (std::isnan(e.value) && std::isnan(c.error.value)))
            << e.value;
    }
    // The window's messages name the part and the value.
    ServiceInput hot;
    hot.hole.temperature = 80.0;
    EXPECT_EQ(ServiceErrorText(std::get<ServiceError>(EvaluateService(kH7k6, hot)), hot),
              "穴は 80 °C ですが、材料も線膨張係数 α も指定されていません");
    ServiceInput reversed;
    reversed.statistics = true;
    reversed.wanted = ClearanceRange{0.02, 0.01};
    EXPECT_EQ(ServiceErrorText(std::get<ServiceError>(EvaluateService(kH7k6, reversed)), reversed),
              "すきまの下限 0.02 mm が上限 0.01 mm を上回っています");
    // At 20 °C no α is needed; exactly −273.15 °C is a temperature.
    ServiceInput cold = WithAlphas(11.7e-6, 11.7e-6);
    cold.hole.temperature = kAbsoluteZero;
    EXPECT_TRUE(std::holds_alternative<ServiceResult>(EvaluateService(kH7k6, cold)));
    EXPECT_TRUE(std::holds_alternative<ServiceResult>(EvaluateService(kH7k6, ServiceInput{})));
}

}  // namespace
}  // namespace tolvo
