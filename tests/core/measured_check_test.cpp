#include "core/measured_check.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace tolvo {
namespace {

// 25 H7/g6 as the window's evaluation leaves the limit sizes: 25 + 21 * 0.001
// is not exactly 25.021, nor 25 - 20 * 0.001 exactly 24.98.
const PairLimits kH7g6{25 + 21 * 0.001, 25 + 0 * 0.001, 25 + -7 * 0.001, 25 + -20 * 0.001};

struct PartCase {
    double size;
    MeasuredPlace place;
    double outsideBy;  // μm
};

TEST(MeasuredCheck, PlacesEachPartInsideOnOrOutsideItsLimits) {
    const std::vector<PartCase> holes = {
        {25.012, MeasuredPlace::Inside, 0},
        {25.021, MeasuredPlace::Inside, 0},
        {25.0, MeasuredPlace::Inside, 0},
        {25.0210004, MeasuredPlace::Inside, 0},  // 25.021000 at six decimals
        {25.022, MeasuredPlace::AboveUpper, 1},
        {24.9995, MeasuredPlace::BelowLower, 0.5},
        {25.0215, MeasuredPlace::AboveUpper, 0.5},
    };
    const std::vector<PartCase> shafts = {
        {24.985, MeasuredPlace::Inside, 0},     {24.993, MeasuredPlace::Inside, 0},
        {24.98, MeasuredPlace::Inside, 0},      {24.979, MeasuredPlace::BelowLower, 1},
        {24.995, MeasuredPlace::AboveUpper, 2},
    };
    std::vector<double> holeSizes, shaftSizes;
    for (const PartCase& c : holes) holeSizes.push_back(c.size);
    for (const PartCase& c : shafts) shaftSizes.push_back(c.size);
    const MeasuredCheck check = CheckMeasured(kH7g6, holeSizes, shaftSizes, std::nullopt);
    ASSERT_EQ(check.holes.size(), holes.size());
    ASSERT_EQ(check.shafts.size(), shafts.size());
    for (std::size_t k = 0; k < holes.size(); ++k) {
        EXPECT_EQ(check.holes[k].place, holes[k].place) << holes[k].size;
        EXPECT_NEAR(check.holes[k].outsideBy, holes[k].outsideBy, 1e-9) << holes[k].size;
    }
    for (std::size_t k = 0; k < shafts.size(); ++k) {
        EXPECT_EQ(check.shafts[k].place, shafts[k].place) << shafts[k].size;
        EXPECT_NEAR(check.shafts[k].outsideBy, shafts[k].outsideBy, 1e-9) << shafts[k].size;
    }
    EXPECT_FALSE(check.allGood);
    EXPECT_EQ(check.pairs.size(), holes.size() * shafts.size());
    for (const MeasuredPair& p : check.pairs) EXPECT_FALSE(p.meetsWanted.has_value());
}

TEST(MeasuredCheck, GivesTheClearanceOfEveryHoleWithEveryShaft) {
    const std::vector<double> holes = {25.012, 25.003};
    const std::vector<double> shafts = {24.985, 25.005};
    const MeasuredCheck check = CheckMeasured(kH7g6, holes, shafts, ClearanceRange{0.010, 0.030});
    ASSERT_EQ(check.pairs.size(), 4u);
    struct Expected {
        int hole, shaft;
        double clearance;
        bool meets;
    };
    const Expected expected[] = {
        {0, 0, 0.027, true},   // a clearance of 27 μm
        {0, 1, 0.007, false},  // 7 μm: below the wanted minimum
        {1, 0, 0.018, true},
        {1, 1, -0.002, false},  // an interference of 2 μm
    };
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(check.pairs[k].hole, expected[k].hole);
        EXPECT_EQ(check.pairs[k].shaft, expected[k].shaft);
        EXPECT_EQ(check.pairs[k].clearance, expected[k].clearance) << k;
        EXPECT_EQ(check.pairs[k].meetsWanted, expected[k].meets) << k;
    }
    EXPECT_EQ(check.shafts[1].place, MeasuredPlace::AboveUpper);
    EXPECT_FALSE(check.allGood);
}

TEST(MeasuredCheck, PartsOnTheLimitsAndPairsOnTheWantedEndsAreGood) {
    // The loosest and the tightest measured pair: 25.021 - 24.98 and 25 - 24.993.
    const std::vector<double> holes = {25.021, 25.0};
    const std::vector<double> shafts = {24.98, 24.993};
    const MeasuredCheck check = CheckMeasured(kH7g6, holes, shafts, ClearanceRange{0.007, 0.041});
    for (const MeasuredPair& p : check.pairs) EXPECT_EQ(p.meetsWanted, true) << p.clearance;
    EXPECT_TRUE(check.allGood);
    EXPECT_EQ(check.pairs[0].clearance, 0.041);
    EXPECT_EQ(check.pairs[3].clearance, 0.007);
    // One nanometre tighter a wanted range and the extreme pairs miss it.
    const MeasuredCheck tighter = CheckMeasured(kH7g6, holes, shafts, ClearanceRange{0.007001, 0.040999});
    EXPECT_EQ(tighter.pairs[0].meetsWanted, false);
    EXPECT_EQ(tighter.pairs[3].meetsWanted, false);
    EXPECT_EQ(tighter.pairs[1].meetsWanted, true);
    EXPECT_FALSE(tighter.allGood);
}

TEST(MeasuredCheck, PairsOneToOneOnlyWhenAskedAndTheListsAreAsLong) {
    using Pairs = std::vector<std::pair<int, int>>;
    const struct {
        MeasuredPairing pairing;
        std::size_t holes;
        std::size_t shafts;
        Pairs pairs;  // hole, shaft
    } cases[] = {
        {MeasuredPairing::OneToOneWhenEqual, 3, 3, {{0, 0}, {1, 1}, {2, 2}}},
        {MeasuredPairing::OneToOneWhenEqual, 2, 3, {{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}, {1, 2}}},
        {MeasuredPairing::OneToOneWhenEqual, 0, 2, {}},
        {MeasuredPairing::EveryCombination, 2, 2, {{0, 0}, {0, 1}, {1, 0}, {1, 1}}},
    };
    for (const auto& c : cases) {
        const std::vector<double> holes(c.holes, 25.010), shafts(c.shafts, 24.990);
        const MeasuredCheck check = CheckMeasured(kH7g6, holes, shafts, std::nullopt, c.pairing);
        EXPECT_EQ(MeasuredPairCount(c.holes, c.shafts, c.pairing), c.pairs.size());
        Pairs found;
        for (const MeasuredPair& p : check.pairs) found.emplace_back(p.hole, p.shaft);
        EXPECT_EQ(found, c.pairs) << c.holes << " holes, " << c.shafts << " shafts";
    }
}

}  // namespace
}  // namespace tolvo
