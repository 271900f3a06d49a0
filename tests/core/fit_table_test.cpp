#include "core/fit_table.h"

#include <gtest/gtest.h>

#include <cctype>
#include <limits>
#include <optional>
#include <string>

namespace tolvo {
namespace {

// Standard tolerances of ISO 286-1, typed here again so that the table is
// checked against a second source. Rows IT5..IT12, columns the size ranges.
constexpr int kExpectedIT[8][8] = {
    {4, 5, 6, 8, 9, 11, 13, 15},           {6, 8, 9, 11, 13, 16, 19, 22},
    {10, 12, 15, 18, 21, 25, 30, 35},      {14, 18, 22, 27, 33, 39, 46, 54},
    {25, 30, 36, 43, 52, 62, 74, 87},      {40, 48, 58, 70, 84, 100, 120, 140},
    {60, 75, 90, 110, 130, 160, 190, 220}, {100, 120, 150, 180, 210, 250, 300, 350},
};

struct CellCase {
    FeatureKind kind;
    double basicSize;
    const char* letter;
    int grade;
    double upper;
    double lower;
};

int LetterIndexOf(FeatureKind kind, const std::string& name) {
    for (int i = 0; i < kLetterCount; ++i) {
        if (LetterName(kind, i) == name) return i;
    }
    return -1;
}

class FitTableCellTest : public ::testing::TestWithParam<CellCase> {};

TEST_P(FitTableCellTest, GivesTheDeviationsOfTheStandard) {
    const CellCase& c = GetParam();
    const int letter = LetterIndexOf(c.kind, c.letter);
    ASSERT_GE(letter, 0) << c.letter;
    const int range = ClassifyFitSizeRange(c.basicSize, -1);
    const std::optional<Deviations> cell = FitTableLookup(c.kind, range, letter, c.grade - kFirstGrade);
    ASSERT_TRUE(cell.has_value()) << c.letter << c.grade << " at " << c.basicSize << " mm";
    EXPECT_EQ(*cell, (Deviations{c.upper, c.lower}))
        << c.letter << c.grade << " at " << c.basicSize << " mm: " << cell->upper << " / " << cell->lower;
}

constexpr FeatureKind H = FeatureKind::Hole;
constexpr FeatureKind S = FeatureKind::Shaft;

INSTANTIATE_TEST_SUITE_P(
    Cells, FitTableCellTest,
    ::testing::Values(
        // the cases every designer knows by heart (ISO 286-2, 18 to 30 mm)
        CellCase{H, 25, "H", 7, 21, 0}, CellCase{S, 25, "g", 6, -7, -20}, CellCase{S, 25, "f", 7, -20, -41},
        CellCase{S, 25, "h", 6, 0, -13}, CellCase{S, 25, "k", 6, 15, 2}, CellCase{S, 25, "m", 6, 21, 8},
        CellCase{S, 25, "n", 6, 28, 15}, CellCase{S, 25, "p", 6, 35, 22}, CellCase{S, 25, "js", 6, 6.5, -6.5},
        CellCase{S, 25, "e", 9, -40, -92}, CellCase{S, 25, "d", 9, -65, -117},
        CellCase{S, 25, "h", 11, 0, -130}, CellCase{H, 25, "F", 8, 53, 20}, CellCase{H, 25, "E", 9, 92, 40},
        CellCase{H, 25, "D", 10, 149, 65}, CellCase{H, 25, "K", 7, 6, -15}, CellCase{H, 25, "M", 7, 0, -21},
        CellCase{H, 25, "N", 7, -7, -28}, CellCase{H, 25, "P", 7, -14, -35},
        CellCase{H, 25, "P", 6, -18, -31}, CellCase{H, 25, "G", 7, 28, 7},
        // edge cases of the cell rules
        CellCase{H, 3, "K", 9, 0, -25}, CellCase{H, 2, "N", 9, -4, -29}, CellCase{H, 1, "N", 9, -4, -29},
        CellCase{H, 50, "N", 10, 0, -100}, CellCase{H, 8, "JS", 7, 7.5, -7.5},
        CellCase{S, 2, "js", 9, 12.5, -12.5}, CellCase{S, 50, "h", 12, 0, -250},
        CellCase{H, 20, "K", 6, 2, -11}, CellCase{H, 5, "M", 8, 2, -16}, CellCase{H, 40, "M", 9, -9, -71},
        CellCase{H, 12, "N", 7, -5, -23}, CellCase{H, 40, "P", 7, -17, -42},
        CellCase{H, 40, "P", 8, -26, -65}, CellCase{S, 20, "k", 6, 15, 2}, CellCase{S, 20, "k", 8, 33, 0},
        CellCase{H, 4, "D", 5, 35, 30}, CellCase{H, 2, "K", 8, 0, -14}, CellCase{H, 100, "P", 12, -37, -387},
        CellCase{S, 100, "p", 12, 387, 37}, CellCase{S, 0.3, "d", 5, -20, -24}));

TEST(FitTable, EveryDefinedCellSpansExactlyTheStandardTolerance) {
    for (FeatureKind kind : {H, S}) {
        for (int range = 0; range < kFitSizeRangeCount; ++range) {
            for (int letter = 0; letter < kLetterCount; ++letter) {
                for (int g = 0; g < kGradeCount; ++g) {
                    const std::optional<Deviations> cell = FitTableLookup(kind, range, letter, g);
                    if (!cell) continue;
                    SCOPED_TRACE(std::string(LetterName(kind, letter)) + std::to_string(GradeNumber(g)) +
                                 " range " + std::to_string(range));
                    EXPECT_GE(cell->upper, cell->lower);
                    EXPECT_EQ(cell->upper - cell->lower, kExpectedIT[g][range]);
                }
            }
        }
    }
}

TEST(FitTable, ExactlyTheHoleK9To12CellsOver3mmAreUndefined) {
    int undefined = 0;
    for (FeatureKind kind : {H, S}) {
        for (int range = 0; range < kFitSizeRangeCount; ++range) {
            for (int letter = 0; letter < kLetterCount; ++letter) {
                for (int g = 0; g < kGradeCount; ++g) {
                    const bool defined = FitTableLookup(kind, range, letter, g).has_value();
                    const bool expectUndefined =
                        kind == H && LetterName(kind, letter) == "K" && GradeNumber(g) >= 9 && range >= 1;
                    EXPECT_EQ(defined, !expectUndefined)
                        << LetterName(kind, letter) << GradeNumber(g) << " range " << range;
                    if (!defined) ++undefined;
                }
            }
        }
    }
    EXPECT_EQ(undefined, 28);
}

TEST(FitTable, HoleAndShaftOfTheSameLetterMirrorEachOtherForDToH) {
    // EI of D..H is -es of d..h: D10/d10 are symmetric about the basic size.
    for (int range = 0; range < kFitSizeRangeCount; ++range) {
        for (int letter = 0; letter <= 4; ++letter) {
            for (int g = 0; g < kGradeCount; ++g) {
                const std::optional<Deviations> hole = FitTableLookup(H, range, letter, g);
                const std::optional<Deviations> shaft = FitTableLookup(S, range, letter, g);
                ASSERT_TRUE(hole && shaft) << LetterName(H, letter) << GradeNumber(g) << " range " << range;
                EXPECT_EQ(hole->lower, -shaft->upper);
                EXPECT_EQ(hole->upper, -shaft->lower);
            }
        }
    }
}

struct RangeCase {
    double size;
    int previous;
    int expected;
};

class FitSizeRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(FitSizeRangeTest, ClassifiesOverTheLowerBoundUpToTheUpper) {
    const RangeCase& c = GetParam();
    EXPECT_EQ(ClassifyFitSizeRange(c.size, c.previous), c.expected) << c.size;
}

INSTANTIATE_TEST_SUITE_P(Bounds, FitSizeRangeTest,
                         ::testing::Values(RangeCase{3, 5, 0}, RangeCase{3.01, 5, 1}, RangeCase{0, 5, 0},
                                           RangeCase{-4, 5, 0}, RangeCase{0.3, 5, 0}, RangeCase{6, 0, 1},
                                           RangeCase{6.0000001, 0, 2}, RangeCase{10, 0, 2},
                                           RangeCase{18, 0, 3}, RangeCase{18.5, 0, 4}, RangeCase{30, 0, 4},
                                           RangeCase{50, 0, 5}, RangeCase{80, 0, 6}, RangeCase{80.001, 0, 7},
                                           RangeCase{120, 0, 7}, RangeCase{120.5, 4, 4}, RangeCase{1e9, 2, 2},
                                           RangeCase{std::numeric_limits<double>::infinity(), 6, 6},
                                           RangeCase{-std::numeric_limits<double>::infinity(), 6, 0}));

TEST(FitTable, NamesEachLetterOnceTheHoleInCapitalsTheShaftInSmallLetters) {
    for (int i = 0; i < kLetterCount; ++i) {
        const std::string hole(LetterName(H, i));
        std::string lowered = hole;
        for (char& ch : lowered) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        EXPECT_EQ(LetterName(S, i), lowered) << i;
        EXPECT_EQ(LetterIndexOf(H, hole), i) << hole;
    }
}

TEST(FitTable, BarsHoleNAboveGrade8OverZeroUpTo1mmOnly) {
    struct Case {
        FeatureKind kind;
        double basicSize;
        const char* letter;
        int grade;
        bool barred;
    };
    const Case cases[] = {
        {H, 1, "N", 9, true},       {H, 0.5, "N", 12, true}, {H, 0.0001, "N", 10, true},
        {H, 1.0001, "N", 9, false}, {H, 0, "N", 9, false},   {H, -1, "N", 9, false},
        {H, 1, "N", 8, false},      {H, 1, "M", 9, false},   {H, 1, "P", 12, false},
        {S, 1, "n", 9, false},      {H, 10, "K", 9, false},
    };
    for (const Case& c : cases) {
        const int letter = LetterIndexOf(c.kind, c.letter);
        ASSERT_GE(letter, 0) << c.letter;
        EXPECT_EQ(FitCellBarredAt(c.kind, c.basicSize, letter, c.grade - kFirstGrade), c.barred)
            << c.letter << c.grade << " at " << c.basicSize << " mm";
    }
}

TEST(FitTable, BarsOnlyCellsThatExist) {
    // A barred cell narrows a defined cell's size range; an undefined cell
    // needs no bar. Sizes on both sides of every bound, and inside each range.
    for (double size : {-1.0, 0.0, 0.5, 1.0, 1.5, 3.0, 5.0, 8.0, 15.0, 25.0, 40.0, 70.0, 100.0, 120.0}) {
        const int range = ClassifyFitSizeRange(size, -1);
        for (FeatureKind kind : {H, S}) {
            for (int letter = 0; letter < kLetterCount; ++letter) {
                for (int g = 0; g < kGradeCount; ++g) {
                    if (!FitCellBarredAt(kind, size, letter, g)) continue;
                    EXPECT_TRUE(FitTableLookup(kind, range, letter, g).has_value())
                        << LetterName(kind, letter) << GradeNumber(g) << " at " << size;
                }
            }
        }
    }
}

}  // namespace
}  // namespace tolvo
