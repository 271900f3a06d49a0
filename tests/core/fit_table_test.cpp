#include "core/fit_table.h"

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <string>
#include <vector>

namespace tolvo {
namespace {

// Standard tolerances of ISO 286-1, typed here again so that the table is
// checked against a second source. Rows IT5..IT12, columns the size ranges
// up to 3, 6, 10, 18, 30, 50, 80 and 120 mm.
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

const ClassRange& kClassic = ClassicRange();

// The letter's position on the classic slice's slider; -1 where it has none.
int LetterIndexOf(FeatureKind kind, const std::string& name) {
    const std::optional<int> letter = iso286::FindLetter(kind, name);
    return letter ? kClassic.LetterPosition(*letter).value_or(-1) : -1;
}

std::string_view LetterName(FeatureKind kind, int position) {
    return iso286::LetterName(kind, kClassic.ClassAt(kind, position, 0)->letterIndex);
}

int GradeNumber(int position) {
    return std::stoi(
        std::string(iso286::GradeName(kClassic.ClassAt(FeatureKind::Hole, 0, position)->gradeIndex)));
}

// The classic size range (0..7) of a size step up to 120 mm.
int SizeRangeOf(int step) {
    constexpr double kUpperBounds[] = {3, 6, 10, 18, 30, 50, 80, 120};
    int range = 0;
    while (kUpperBounds[range] < iso286::SizeStepBounds(step).upTo) ++range;
    return range;
}

// The steps the classic slice offers: up to 120 mm.
std::vector<int> ClassicSteps() {
    std::vector<int> steps;
    for (int step = 0; step <= *iso286::ClassifySizeStep(120); ++step) steps.push_back(step);
    return steps;
}

class FitTableCellTest : public ::testing::TestWithParam<CellCase> {};

TEST_P(FitTableCellTest, GivesTheDeviationsOfTheStandard) {
    const CellCase& c = GetParam();
    const int letter = LetterIndexOf(c.kind, c.letter);
    ASSERT_GE(letter, 0) << c.letter;
    const std::optional<int> step = iso286::ClassifySizeStep(c.basicSize);
    ASSERT_TRUE(step.has_value());
    const std::optional<Deviations> cell = kClassic.Cell(c.kind, letter, c.grade - 5, *step);
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
        CellCase{H, 3, "K", 9, 0, -25}, CellCase{H, 2, "N", 9, -4, -29}, CellCase{H, 1.01, "N", 9, -4, -29},
        CellCase{H, 50, "N", 10, 0, -100}, CellCase{H, 8, "JS", 7, 7.5, -7.5},
        CellCase{S, 2, "js", 9, 12.5, -12.5}, CellCase{S, 50, "h", 12, 0, -250},
        CellCase{H, 20, "K", 6, 2, -11}, CellCase{H, 5, "M", 8, 2, -16}, CellCase{H, 40, "M", 9, -9, -71},
        CellCase{H, 12, "N", 7, -5, -23}, CellCase{H, 40, "P", 7, -17, -42},
        CellCase{H, 40, "P", 8, -26, -65}, CellCase{S, 20, "k", 6, 15, 2}, CellCase{S, 20, "k", 8, 33, 0},
        CellCase{H, 4, "D", 5, 35, 30}, CellCase{H, 2, "K", 8, 0, -14}, CellCase{H, 100, "P", 12, -37, -387},
        CellCase{S, 100, "p", 12, 387, 37}, CellCase{S, 0.3, "d", 5, -20, -24}));

TEST(FitTable, EveryDefinedCellSpansExactlyTheStandardTolerance) {
    for (FeatureKind kind : {H, S}) {
        for (int step : ClassicSteps()) {
            for (int letter = 0; letter < kClassic.LetterCount(); ++letter) {
                for (int g = 0; g < kClassic.GradeCount(); ++g) {
                    const std::optional<Deviations> cell = kClassic.Cell(kind, letter, g, step);
                    if (!cell) continue;
                    SCOPED_TRACE(std::string(LetterName(kind, letter)) + std::to_string(GradeNumber(g)) +
                                 " step " + std::to_string(step));
                    EXPECT_GE(cell->upper, cell->lower);
                    EXPECT_EQ(cell->upper - cell->lower, kExpectedIT[g][SizeRangeOf(step)]);
                }
            }
        }
    }
}

// K above grade 8 over 3 mm (JIS B0401-2) and N above grade 8 up to 1 mm
// (JIS B0401-1); nothing else up to 120 mm, and nothing at all beyond.
TEST(FitTable, ExactlyTheHoleK9To12Over3mmAndN9To12UpTo1mmAreUndefined) {
    int undefined = 0;
    for (FeatureKind kind : {H, S}) {
        for (int step = 0; step < iso286::kSizeStepCount; ++step) {
            const iso286::SizeStep bounds = iso286::SizeStepBounds(step);
            for (int letter = 0; letter < kClassic.LetterCount(); ++letter) {
                for (int g = 0; g < kClassic.GradeCount(); ++g) {
                    const bool defined = kClassic.Cell(kind, letter, g, step).has_value();
                    const bool above8 = kind == H && GradeNumber(g) >= 9;
                    const bool expectUndefined =
                        bounds.upTo > 120 ||
                        (above8 && LetterName(kind, letter) == "K" && bounds.over >= 3) ||
                        (above8 && LetterName(kind, letter) == "N" && bounds.upTo <= 1);
                    EXPECT_EQ(defined, !expectUndefined)
                        << LetterName(kind, letter) << GradeNumber(g) << " step " << step;
                    if (!defined && bounds.upTo <= 120) ++undefined;
                }
            }
        }
    }
    EXPECT_EQ(undefined, 4 * 12 + 4);  // K over 12 steps from 3 to 120 mm, N at the step up to 1 mm
}

TEST(FitTable, HoleAndShaftOfTheSameLetterMirrorEachOtherForDToH) {
    // EI of D..H is -es of d..h: D10/d10 are symmetric about the basic size.
    for (int step : ClassicSteps()) {
        for (int letter = 0; letter <= 4; ++letter) {
            for (int g = 0; g < kClassic.GradeCount(); ++g) {
                const std::optional<Deviations> hole = kClassic.Cell(H, letter, g, step);
                const std::optional<Deviations> shaft = kClassic.Cell(S, letter, g, step);
                ASSERT_TRUE(hole && shaft) << LetterName(H, letter) << GradeNumber(g) << " step " << step;
                EXPECT_EQ(hole->lower, -shaft->upper);
                EXPECT_EQ(hole->upper, -shaft->lower);
            }
        }
    }
}

TEST(FitTable, NamesEachLetterOnceTheHoleInCapitalsTheShaftInSmallLetters) {
    for (int i = 0; i < kClassic.LetterCount(); ++i) {
        const std::string hole(LetterName(H, i));
        std::string lowered = hole;
        for (char& ch : lowered) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        EXPECT_EQ(LetterName(S, i), lowered) << i;
        EXPECT_EQ(LetterIndexOf(H, hole), i) << hole;
    }
}

// Every classic cell is the whole table's cell of the same class: the slice
// offers D..P / d..p, IT5..IT12 up to 120 mm and reads nothing of its own.
TEST(ClassicSlice, IsTheWholeTableOnEveryClassicCell) {
    const char* const kHoleLetters[] = {"D", "E", "F", "G", "H", "JS", "K", "M", "N", "P"};
    ASSERT_EQ(kClassic.LetterCount(), 10);
    ASSERT_EQ(kClassic.GradeCount(), 8);
    int compared = 0;
    for (FeatureKind kind : {H, S}) {
        for (int l = 0; l < kClassic.LetterCount(); ++l) {
            for (int g = 0; g < kClassic.GradeCount(); ++g) {
                const iso286::ToleranceClass c = *kClassic.ClassAt(kind, l, g);
                EXPECT_EQ(iso286::LetterName(H, c.letterIndex), kHoleLetters[l]);
                EXPECT_EQ(iso286::GradeName(c.gradeIndex), std::to_string(g + 5));
                EXPECT_EQ(kClassic.LetterPosition(c.letterIndex), l);
                EXPECT_EQ(kClassic.GradePosition(c.gradeIndex), g);
                for (int range = 0; range < 8; ++range) {
                    for (int step : ClassicSteps()) {
                        if (SizeRangeOf(step) != range) continue;
                        EXPECT_EQ(kClassic.Cell(kind, l, g, step),
                                  iso286::Lookup(kind, c.letterIndex, c.gradeIndex, step))
                            << iso286::FormatClassName(c) << " step " << step;
                    }
                    ++compared;
                }
            }
        }
    }
    EXPECT_EQ(compared, 1280);
    EXPECT_FALSE(kClassic.ClassAt(H, 10, 0));
    EXPECT_FALSE(kClassic.ClassAt(H, 0, 8));
    EXPECT_FALSE(kClassic.ClassAt(H, -1, 0));
    EXPECT_FALSE(kClassic.Offers(*iso286::ParseClassName("J7")));
    EXPECT_FALSE(kClassic.Offers(*iso286::ParseClassName("H4")));
    EXPECT_FALSE(kClassic.Cell(H, 4, 2, *iso286::ClassifySizeStep(120.5)));
    EXPECT_FALSE(kClassic.Cell(H, 4, 2, iso286::kSizeStepCount));
}

// What each range does with a class the standard leaves undefined at a size.
TEST(ClassRange, MovesAnUndefinedClassToTheNearestDefinedGradeOrHasNone) {
    using Outcome = CellCheck::Outcome;
    struct Case {
        FitClassRange range;
        const char* className;
        double size;
        Outcome outcome;
        const char* nearestGrade;  // for OtherGrade
        bool kRule;
        bool nRule;
    };
    const Case cases[] = {
        {FitClassRange::Seed, "K12", 3, Outcome::Defined, "", false, false},
        {FitClassRange::Seed, "K12", 3.01, Outcome::OtherGrade, "8", true, false},
        {FitClassRange::Seed, "K9", 10, Outcome::OtherGrade, "8", true, false},
        {FitClassRange::Seed, "K8", 10, Outcome::Defined, "", false, false},
        {FitClassRange::Seed, "K12", 1, Outcome::Defined, "", false, false},
        {FitClassRange::Seed, "M12", 10, Outcome::Defined, "", false, false},
        {FitClassRange::Seed, "N10", 1, Outcome::OtherGrade, "8", false, true},
        {FitClassRange::Seed, "N12", 0.5, Outcome::OtherGrade, "8", false, true},
        {FitClassRange::Seed, "N9", 0.0001, Outcome::OtherGrade, "8", false, true},
        {FitClassRange::Seed, "N10", 1.01, Outcome::Defined, "", false, false},
        {FitClassRange::Seed, "N8", 1, Outcome::Defined, "", false, false},
        {FitClassRange::Seed, "n9", 1, Outcome::Defined, "", false, false},
        {FitClassRange::Seed, "P12", 1, Outcome::Defined, "", false, false},
        {FitClassRange::Seed, "K12", 500, Outcome::OtherGrade, "8", true, false},
        {FitClassRange::Whole, "K12", 10, Outcome::OtherGrade, "8", true, false},
        {FitClassRange::Whole, "N9", 1, Outcome::OtherGrade, "8", false, true},
        {FitClassRange::Whole, "J9", 10, Outcome::OtherGrade, "8", false, false},
        {FitClassRange::Whole, "a9", 1, Outcome::NoGrade, "", false, false},
        {FitClassRange::Whole, "H7", 3000, Outcome::Defined, "", false, false},
    };
    for (const Case& c : cases) {
        const ClassRange& range = RangeOf(c.range);
        const iso286::ToleranceClass tc = *iso286::ParseClassName(c.className);
        const int letter = *range.LetterPosition(tc.letterIndex);
        const int grade = *range.GradePosition(tc.gradeIndex);
        const CellCheck check = range.Check(tc.kind, letter, grade, *iso286::ClassifySizeStep(c.size));
        SCOPED_TRACE(std::string(c.className) + " at " + std::to_string(c.size));
        EXPECT_EQ(check.outcome, c.outcome);
        EXPECT_EQ(check.kRule, c.kRule);
        EXPECT_EQ(check.nRule, c.nRule);
        if (c.outcome == Outcome::OtherGrade) {
            EXPECT_EQ(
                iso286::GradeName(range.ClassAt(tc.kind, letter, check.nearestGradePosition)->gradeIndex),
                c.nearestGrade);
        }
    }
}

}  // namespace
}  // namespace tolvo
