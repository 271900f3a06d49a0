#include "core/clearance_statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace tolvo {
namespace {

// 25 H7/k6: hole 25.000 .. 25.021, shaft 25.002 .. 25.015.
const PairLimits kH7k6{25.021, 25.0, 25.015, 25.002};
// 25 H7/s6: shaft 25.035 .. 25.048, an interference fit.
const PairLimits kH7s6{25.021, 25.0, 25.048, 25.035};

struct Worked {
    const char* name;
    PairLimits limits;
    SpreadInput input;
    double mean;   // μm
    double sigma;  // μm
    double interference;
    const char* interferenceText;
    double clearance;
    const char* clearanceText;
};

// Normal, Cp 1: σ_hole = 21/6 = 3.5 μm, σ_shaft = 13/6 = 2.16667 μm, the
// clearance's mean 25.0105 − 25.0085 = 2 μm and σ = √(3.5² + 2.16667²) =
// 4.116363 μm; P(< 0) = Φ(−2 / 4.116363) = Φ(−0.485866) = 0.3135312.
// Cp 1.33 (hole) and 1.67 (shaft) with the shaft shifted +3 μm: σ 2.631579
// and 1.297405, σ = 2.934019, mean 2 − 3 = −1 μm: P(< 0) = Φ(1 / 2.934019) =
// 0.6333840.
// H7/s6: mean 25.0105 − 25.0415 = −31 μm, z = 31 / 4.116363 = 7.530919:
// P(> 0) = ½·erfc(7.530919 / √2) = 2.519205e-14, far below 0.001 %.
// Uniform, Cp 1: hole over 21 μm, shaft over 13 μm (p = 13, q = 21); the
// clearance from −15 to 19 μm. P(< 0): d = 15 lies between p and q:
// (15 − 6.5) / 21 = 0.4047619; P(> 0): d = 19: (19 − 6.5) / 21 = 0.5952381;
// σ² = (10.5² + 6.5²) / 3 = 50.83333, σ = 7.129750 μm.
const Worked kWorked[] = {
    {"NormalH7k6", kH7k6, {}, 2.0, 4.116363, 0.3135312, "31.4 %", 0.6864688, "68.6 %"},
    {"NormalCpAndShift",
     kH7k6,
     {{1.33, 0.0}, {1.67, 3.0}, SizeDistribution::Normal, {}},
     -1.0,
     2.934019,
     0.6333840,
     "63.3 %",
     0.3666160,
     "36.7 %"},
    {"NormalFarTail",
     kH7s6,
     {},
     -31.0,
     4.116363,
     1.0 - 2.519205e-14,
     "> 99.999 %",
     2.519205e-14,
     "< 0.001 %"},
    {"UniformH7k6",
     kH7k6,
     {{}, {}, SizeDistribution::Uniform, {}},
     2.0,
     7.129750,
     0.4047619,
     "40.5 %",
     0.5952381,
     "59.5 %"},
};

TEST(ClearanceStatistics, MatchesTheWorkedCases) {
    for (const Worked& c : kWorked) {
        SCOPED_TRACE(c.name);
        const ClearanceStatistics s = StatisticsOf(c.limits, c.input);
        EXPECT_NEAR(s.mean * 1000.0, c.mean, 1e-6);
        EXPECT_NEAR(s.sigma * 1000.0, c.sigma, 1e-6);
        EXPECT_NEAR(s.statisticalLow, s.mean - 3.0 * s.sigma, 1e-12);
        EXPECT_NEAR(s.interference, c.interference, 1e-7);
        EXPECT_NEAR(s.clearance / c.clearance, 1.0, 1e-6);  // relative: far tails too
        EXPECT_EQ(PercentText(s.interference), c.interferenceText);
        EXPECT_EQ(PercentText(s.clearance), c.clearanceText);
        EXPECT_DOUBLE_EQ(s.worstLow, c.limits.holeLower - c.limits.shaftUpper);
        EXPECT_DOUBLE_EQ(s.worstHigh, c.limits.holeUpper - c.limits.shaftLower);
    }
}

// Uniform H7/k6 with 10 to 18 μm wanted: below 10 μm d = 25 lies past q on the
// upper quadratic piece, 1 − (34 − 25)² / (2·13·21) = 1 − 81/546 = 0.8516484;
// above 18 μm e = 19 − 18 = 1 on the far one: 1² / 546 = 0.0018315.
TEST(ClearanceStatistics, GivesTheTailsOutsideAWantedRange) {
    const SpreadInput input{{}, {}, SizeDistribution::Uniform, ClearanceRange{0.010, 0.018}};
    const ClearanceStatistics s = StatisticsOf(kH7k6, input);
    EXPECT_NEAR(s.belowWanted, 0.8516484, 1e-7);
    EXPECT_NEAR(s.aboveWanted, 1.0 / 546.0, 1e-9);
    EXPECT_EQ(ProbabilityAbove(s, 0.019), 0.0);
    EXPECT_EQ(ProbabilityBelow(s, -0.015), 0.0);
}

// Cp ≠ 1, shifts both ways and a wanted range, sampled: every probability
// within four standard errors of the sampled fraction.
TEST(ClearanceStatistics, AgreesWithAMonteCarloRunOfTheParts) {
    constexpr int kSamples = 1'000'000;
    const SpreadInput base{{1.33, -2.0}, {0.8, 1.5}, SizeDistribution::Normal, ClearanceRange{0.002, 0.006}};
    for (SizeDistribution distribution : {SizeDistribution::Normal, SizeDistribution::Uniform}) {
        SCOPED_TRACE(distribution == SizeDistribution::Normal ? "normal" : "uniform");
        SpreadInput input = base;
        input.distribution = distribution;
        const ClearanceStatistics s = StatisticsOf(kH7k6, input);
        std::mt19937_64 random(22);
        auto sampler = [&](const SizeSpread& spread) {
            if (distribution == SizeDistribution::Normal) {
                return std::normal_distribution<double>(spread.mean, spread.sigma)(random);
            }
            return std::uniform_real_distribution<double>(spread.low, spread.high)(random);
        };
        int interference = 0, below = 0, above = 0;
        double sum = 0.0, squares = 0.0;
        for (int k = 0; k < kSamples; ++k) {
            const double c = sampler(s.hole) - sampler(s.shaft);
            interference += c < 0.0;
            below += c < 0.002;
            above += c > 0.006;
            sum += c;
            squares += c * c;
        }
        auto expectWithin = [&](double p, int count) {
            const double standardError = std::sqrt(p * (1.0 - p) / kSamples);
            EXPECT_NEAR(static_cast<double>(count) / kSamples, p, 4.0 * standardError);
        };
        expectWithin(s.interference, interference);
        expectWithin(s.belowWanted, below);
        expectWithin(s.aboveWanted, above);
        const double mean = sum / kSamples;
        EXPECT_NEAR(mean, s.mean, 4.0 * s.sigma / std::sqrt(kSamples));
        EXPECT_NEAR(std::sqrt(squares / kSamples - mean * mean), s.sigma, 0.005 * s.sigma);
        EXPECT_NEAR(s.interference + s.clearance, 1.0, 1e-12);
    }
}

TEST(ClearanceStatistics, WritesPercentagesWithThreeDigitsAndNoFalseCertainty) {
    struct Case {
        double probability;
        const char* text;
    };
    for (const Case& c : {Case{0.3135312, "31.4 %"}, Case{0.0, "0 %"}, Case{1.0, "100 %"},
                          Case{0.0000123, "0.00123 %"}, Case{9.99e-6, "< 0.001 %"}, Case{1e-300, "< 0.001 %"},
                          Case{0.9996, "99.96 %"}, Case{0.999989, "99.999 %"}, Case{1.0 - 1e-9, "> 99.999 %"},
                          Case{0.5, "50.0 %"}, Case{0.0999996, "10.0 %"}, Case{0.00001, "0.00100 %"},
                          Case{0.0000999996, "0.0100 %"}, Case{0.4699999, "47.0 %"}}) {
        EXPECT_EQ(PercentText(c.probability), c.text) << c.probability;
    }
}

// Exact sizes give a certain clearance; zero tolerances never divide by zero.
TEST(ClearanceStatistics, TakesAZeroToleranceAsAnExactSize) {
    const PairLimits exact{25.01, 25.01, 25.0, 25.0};
    for (SizeDistribution distribution : {SizeDistribution::Normal, SizeDistribution::Uniform}) {
        const ClearanceStatistics s = StatisticsOf(exact, {{}, {}, distribution, {}});
        EXPECT_EQ(s.sigma, 0.0);
        EXPECT_EQ(s.interference, 0.0);
        EXPECT_EQ(s.clearance, 1.0);
    }
    const ClearanceStatistics oneExact =
        StatisticsOf({25.02, 25.0, 25.0, 25.0}, {{}, {}, SizeDistribution::Uniform, {}});
    EXPECT_NEAR(ProbabilityBelow(oneExact, 0.005), 0.25, 1e-12);
}

}  // namespace
}  // namespace tolvo
