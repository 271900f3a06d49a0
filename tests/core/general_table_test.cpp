#include "core/general_table.h"

#include <gtest/gtest.h>

#include <optional>

#include "core/iso286_table.h"

namespace tolvo {
namespace {

struct RangeCase {
    double size;
    int previous;
    int expected;
};

class GeneralSizeRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(GeneralSizeRangeTest, ClassifiesOverTheLowerBoundUpToTheUpper) {
    const RangeCase& c = GetParam();
    EXPECT_EQ(ClassifyGeneralSizeRange(c.size, c.previous), c.expected) << c.size;
}

INSTANTIATE_TEST_SUITE_P(Bounds, GeneralSizeRangeTest,
                         ::testing::Values(RangeCase{0.5, 4, 0}, RangeCase{3, 4, 0}, RangeCase{3.5, 4, 1},
                                           RangeCase{0, 4, 0}, RangeCase{-1, 4, 0}, RangeCase{0.2, 4, 0},
                                           RangeCase{6, 0, 1}, RangeCase{8, 0, 2}, RangeCase{25, 0, 2},
                                           RangeCase{30, 0, 2}, RangeCase{30.5, 0, 3}, RangeCase{120, 0, 3},
                                           RangeCase{121, 0, 4}, RangeCase{400, 0, 4}, RangeCase{1000, 0, 5},
                                           RangeCase{1500, 0, 6}, RangeCase{2000, 0, 6},
                                           RangeCase{2500, 0, 7}, RangeCase{4000, 0, 7},
                                           RangeCase{4000.5, 2, 2}, RangeCase{1e12, 5, 5}));

TEST(GeneralSizeRange, IsSeparateFromTheFitSizeStep) {
    EXPECT_EQ(ClassifyGeneralSizeRange(8, 0), 2);
    EXPECT_EQ(iso286::ClassifySizeStep(8), 3);
    EXPECT_EQ(ClassifyGeneralSizeRange(25, 0), 2);
    EXPECT_EQ(iso286::ClassifySizeStep(25), 7);
}

struct ValueCase {
    int generalClass;
    double size;
    std::optional<double> expected;
};

class GeneralTableValueTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(GeneralTableValueTest, GivesThePermissibleDeviationOfJisB0405) {
    const ValueCase& c = GetParam();
    EXPECT_EQ(GeneralTableLookup(c.generalClass, ClassifyGeneralSizeRange(c.size, 0)), c.expected)
        << GeneralClassName(c.generalClass) << " at " << c.size;
}

INSTANTIATE_TEST_SUITE_P(Values, GeneralTableValueTest,
                         ::testing::Values(ValueCase{kMediumClass, 50, 0.3}, ValueCase{kCoarseClass, 2500, 4},
                                           ValueCase{kVeryCoarseClass, 4, 0.5},
                                           ValueCase{kFineClass, 1500, 0.5}, ValueCase{kFineClass, 1, 0.05},
                                           ValueCase{kFineClass, 5, 0.05}, ValueCase{kFineClass, 10, 0.1},
                                           ValueCase{kFineClass, 100, 0.15}, ValueCase{kFineClass, 200, 0.2},
                                           ValueCase{kFineClass, 500, 0.3}, ValueCase{kMediumClass, 2, 0.1},
                                           ValueCase{kMediumClass, 3000, 2},
                                           ValueCase{kMediumClass, 1200, 1.2},
                                           ValueCase{kCoarseClass, 1, 0.2}, ValueCase{kCoarseClass, 700, 2},
                                           ValueCase{kVeryCoarseClass, 20, 1},
                                           ValueCase{kVeryCoarseClass, 4000, 8},
                                           // the two cells the standard leaves empty
                                           ValueCase{kFineClass, 3000, std::nullopt},
                                           ValueCase{kVeryCoarseClass, 2, std::nullopt}));

TEST(GeneralTable, ValuesGrowWithTheSizeAndTheClass) {
    for (int c = 0; c < kGeneralClassCount; ++c) {
        double previous = 0;
        for (int r = 0; r < kGeneralSizeRangeCount; ++r) {
            const std::optional<double> t = GeneralTableLookup(c, r);
            if (!t) continue;
            EXPECT_GE(*t, previous) << "class " << c << " range " << r;
            previous = *t;
            const std::optional<double> finer = c > 0 ? GeneralTableLookup(c - 1, r) : std::nullopt;
            if (finer) {
                EXPECT_GT(*t, *finer) << "class " << c << " range " << r;
            }
        }
    }
}

TEST(GeneralTable, LeavesExactlyFineOver2000AndVeryCoarseUpTo3mmEmpty) {
    int empty = 0;
    for (int c = 0; c < kGeneralClassCount; ++c) {
        for (int r = 0; r < kGeneralSizeRangeCount; ++r) {
            const bool expectEmpty =
                (GeneralClassName(c) == "精級" && r == ClassifyGeneralSizeRange(3000, -1)) ||
                (GeneralClassName(c) == "極粗級" && r == ClassifyGeneralSizeRange(2, -1));
            EXPECT_EQ(GeneralTableLookup(c, r).has_value(), !expectEmpty) << "class " << c << " range " << r;
            if (!GeneralTableLookup(c, r)) ++empty;
        }
    }
    EXPECT_EQ(empty, 2);
}

}  // namespace
}  // namespace tolvo
