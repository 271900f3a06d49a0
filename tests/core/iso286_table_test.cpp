#include "core/iso286_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace tolvo {

// Internal linkage: other test files may print cells their own way.
[[maybe_unused]] static void PrintTo(const Deviations& cell, std::ostream* out) {
    *out << cell.upper << " / " << cell.lower;
}

namespace iso286 {
namespace {

constexpr FeatureKind kKinds[] = {FeatureKind::Hole, FeatureKind::Shaft};

std::string ClassText(FeatureKind kind, int letter, int grade, int step) {
    const SizeStep bounds = SizeStepBounds(step);
    return FormatClassName({kind, letter, grade}) + " over " + std::to_string(bounds.over) + " up to " +
           std::to_string(bounds.upTo);
}

std::optional<Deviations> LookupAt(const ToleranceClass& c, double basicSize) {
    const std::optional<int> step = ClassifySizeStep(basicSize);
    if (!step) return std::nullopt;
    return Lookup(c.kind, c.letterIndex, c.gradeIndex, *step);
}

struct PublishedCell {
    const char* className;
    double basicSize;
    std::optional<Deviations> expected;
};

void PrintTo(const PublishedCell& c, std::ostream* out) {
    *out << c.className << " at " << c.basicSize << " mm";
}

class Iso286PublishedCellTest : public ::testing::TestWithParam<PublishedCell> {};

TEST_P(Iso286PublishedCellTest, AgreesWithThePublishedTables) {
    const PublishedCell& c = GetParam();
    const std::optional<ToleranceClass> parsed = ParseClassName(c.className);
    ASSERT_TRUE(parsed) << c.className;
    ASSERT_TRUE(ClassifySizeStep(c.basicSize)) << c.basicSize;
    EXPECT_EQ(LookupAt(*parsed, c.basicSize), c.expected) << c.className << " at " << c.basicSize << " mm";
}

// The cells that published tables print, including the sizes on both sides
// of a step bound (1 and 1.5, 24 and 24.5 mm).
INSTANTIATE_TEST_SUITE_P(
    Cells, Iso286PublishedCellTest,
    ::testing::Values(
        PublishedCell{"H7", 25, Deviations{21, 0}}, PublishedCell{"g6", 25, Deviations{-7, -20}},
        PublishedCell{"p6", 25, Deviations{35, 22}}, PublishedCell{"K7", 20, Deviations{6, -15}},
        PublishedCell{"M6", 280, Deviations{-9, -41}}, PublishedCell{"M6", 250, Deviations{-8, -37}},
        PublishedCell{"N9", 5, Deviations{0, -30}}, PublishedCell{"N9", 2, Deviations{-4, -29}},
        PublishedCell{"N9", 1, std::nullopt}, PublishedCell{"K9", 3, Deviations{0, -25}},
        PublishedCell{"K9", 5, std::nullopt}, PublishedCell{"JS9", 12, Deviations{21.5, -21.5}},
        PublishedCell{"js01", 2, Deviations{0.15, -0.15}}, PublishedCell{"A13", 330, Deviations{2090, 1200}},
        PublishedCell{"E8", 100, Deviations{126, 72}}, PublishedCell{"R10", 25, Deviations{-28, -112}},
        PublishedCell{"f9", 300, Deviations{-56, -186}}, PublishedCell{"a11", 1, std::nullopt},
        PublishedCell{"a11", 1.5, Deviations{-270, -330}}, PublishedCell{"h14", 1, std::nullopt},
        PublishedCell{"t6", 24, std::nullopt}, PublishedCell{"t6", 24.5, Deviations{54, 41}},
        PublishedCell{"cd6", 12, Deviations{-70, -81}}, PublishedCell{"ef6", 20, Deviations{-28, -41}},
        PublishedCell{"J7", 170, Deviations{26, -14}}, PublishedCell{"j8", 3, Deviations{8, -6}},
        PublishedCell{"j8", 4, std::nullopt}));

TEST(Iso286Table, EveryDefinedCellSpansTheStandardToleranceOfItsGradeAndStep) {
    for (FeatureKind kind : kKinds) {
        for (int letter = 0; letter < kLetterCount; ++letter) {
            for (int grade = 0; grade < kGradeCount; ++grade) {
                for (int step = 0; step < kSizeStepCount; ++step) {
                    const std::optional<Deviations> cell = Lookup(kind, letter, grade, step);
                    if (!cell) continue;
                    SCOPED_TRACE(ClassText(kind, letter, grade, step));
                    const std::optional<double> tolerance = StandardTolerance(grade, step);
                    ASSERT_TRUE(tolerance);
                    EXPECT_GE(cell->upper, cell->lower);
                    EXPECT_NEAR(cell->upper - cell->lower, *tolerance, 1e-9);
                }
            }
        }
    }
}

TEST(Iso286Table, JsCellsAreSymmetricAndExactToTheHundredth) {
    for (FeatureKind kind : kKinds) {
        const int js = *FindLetter(kind, kind == FeatureKind::Hole ? "JS" : "js");
        for (int grade = 0; grade < kGradeCount; ++grade) {
            for (int step = 0; step < kSizeStepCount; ++step) {
                const std::optional<Deviations> cell = Lookup(kind, js, grade, step);
                const std::optional<double> tolerance = StandardTolerance(grade, step);
                SCOPED_TRACE(ClassText(kind, js, grade, step));
                ASSERT_EQ(cell.has_value(), tolerance.has_value());
                if (!cell) continue;
                EXPECT_EQ(cell->upper, -cell->lower);
                EXPECT_EQ(cell->upper, *tolerance / 2);
            }
        }
    }
}

TEST(Iso286Table, DefinesExactlyTheCellsTheStandardCounts) {
    int defined = 0;
    int undefined = 0;
    for (FeatureKind kind : kKinds) {
        for (int letter = 0; letter < kLetterCount; ++letter) {
            for (int grade = 0; grade < kGradeCount; ++grade) {
                for (int step = 0; step < kSizeStepCount; ++step) {
                    (Lookup(kind, letter, grade, step) ? defined : undefined) += 1;
                }
            }
        }
    }
    EXPECT_EQ(defined, 31565);
    EXPECT_EQ(undefined, 15475);
}

// M6 over 250 up to 315 mm is -9 instead of -ei + Δ = -20 + 9 = -11, over the
// whole main step and for that grade only.
INSTANTIATE_TEST_SUITE_P(M6Over250UpTo315, Iso286PublishedCellTest,
                         ::testing::Values(PublishedCell{"M6", 250, Deviations{-8, -37}},
                                           PublishedCell{"M6", 250.5, Deviations{-9, -41}},
                                           PublishedCell{"M6", 280.5, Deviations{-9, -41}},
                                           PublishedCell{"M6", 315, Deviations{-9, -41}},
                                           PublishedCell{"M6", 315.5, Deviations{-10, -46}},
                                           PublishedCell{"M5", 280, Deviations{-13, -36}},
                                           PublishedCell{"M7", 280, Deviations{0, -52}}));

// The K, M, N and P to ZC rules around their bounds: Δ only from IT3, K and N without Δ over
// 500 mm, K1 over 500 mm, N over IT8, P to ZC without Δ over IT7.
INSTANTIATE_TEST_SUITE_P(
    DeltaRules, Iso286PublishedCellTest,
    ::testing::Values(
        PublishedCell{"K3", 25, Deviations{-0.5, -4.5}}, PublishedCell{"K8", 25, Deviations{10, -23}},
        PublishedCell{"K1", 600, Deviations{0, -9}}, PublishedCell{"K8", 600, Deviations{0, -110}},
        PublishedCell{"M2", 2, Deviations{-2, -3.2}}, PublishedCell{"M9", 25, Deviations{-8, -60}},
        PublishedCell{"M8", 600, Deviations{-26, -136}}, PublishedCell{"N8", 25, Deviations{-3, -36}},
        PublishedCell{"N10", 25, Deviations{0, -84}}, PublishedCell{"N10", 600, Deviations{-44, -324}},
        PublishedCell{"N1", 600, Deviations{-44, -53}}, PublishedCell{"P7", 25, Deviations{-14, -35}},
        PublishedCell{"P8", 25, Deviations{-22, -55}}, PublishedCell{"S3", 25, Deviations{-33.5, -37.5}},
        PublishedCell{"ZC7", 450, Deviations{-2377, -2440}},
        PublishedCell{"T7", 2000, Deviations{-1350, -1500}}, PublishedCell{"k3", 25, Deviations{4, 0}},
        PublishedCell{"k8", 25, Deviations{33, 0}}, PublishedCell{"k5", 600, Deviations{32, 0}},
        PublishedCell{"j6", 25, Deviations{9, -4}}, PublishedCell{"j5", 500, Deviations{7, -20}},
        PublishedCell{"J8", 10, Deviations{12, -10}}, PublishedCell{"h01", 500, Deviations{0, -4}},
        PublishedCell{"a9", 500, Deviations{-1650, -1805}}));

// Cells that no rule gives, by the reason the standard leaves them out.
INSTANTIATE_TEST_SUITE_P(
    UndefinedByRule, Iso286PublishedCellTest,
    ::testing::Values(PublishedCell{"H01", 500.5, std::nullopt}, PublishedCell{"h0", 3000, std::nullopt},
                      PublishedCell{"H18", 0.5, std::nullopt}, PublishedCell{"K2", 25, std::nullopt},
                      PublishedCell{"M01", 4, std::nullopt}, PublishedCell{"N2", 499, std::nullopt},
                      PublishedCell{"ZC1", 100, std::nullopt}, PublishedCell{"K9", 600, std::nullopt},
                      PublishedCell{"N12", 0.1, std::nullopt}, PublishedCell{"j4", 25, std::nullopt},
                      PublishedCell{"j9", 25, std::nullopt}, PublishedCell{"j6", 501, std::nullopt},
                      PublishedCell{"J5", 25, std::nullopt}, PublishedCell{"J9", 25, std::nullopt},
                      PublishedCell{"J7", 501, std::nullopt}, PublishedCell{"B11", 0.5, std::nullopt},
                      PublishedCell{"cd7", 50.5, std::nullopt}, PublishedCell{"FG7", 60, std::nullopt},
                      PublishedCell{"v6", 14, std::nullopt}, PublishedCell{"Y7", 18, std::nullopt},
                      PublishedCell{"x6", 501, std::nullopt}, PublishedCell{"C11", 501, std::nullopt}));

struct LetterAtSize {
    const char* letter;
    double basicSize;
    bool hasGrades;
};

void PrintTo(const LetterAtSize& c, std::ostream* out) {
    *out << c.letter << " at " << c.basicSize << " mm";
}

class Iso286LetterRangeTest : public ::testing::TestWithParam<LetterAtSize> {};

TEST_P(Iso286LetterRangeTest, LetterHasGradesOnlyWhereItsDeviationExists) {
    const LetterAtSize& c = GetParam();
    const std::optional<int> step = ClassifySizeStep(c.basicSize);
    ASSERT_TRUE(step);
    for (FeatureKind kind : kKinds) {
        std::string name = c.letter;
        for (char& ch : name) ch = kind == FeatureKind::Hole ? std::toupper(ch) : std::tolower(ch);
        const int letter = *FindLetter(kind, name);
        int grades = 0;
        for (int grade = 0; grade < kGradeCount; ++grade)
            grades += Lookup(kind, letter, grade, *step) ? 1 : 0;
        EXPECT_EQ(grades > 0, c.hasGrades) << name << " at " << c.basicSize << " mm: " << grades << " grades";
    }
}

INSTANTIATE_TEST_SUITE_P(Gaps, Iso286LetterRangeTest,
                         ::testing::Values(LetterAtSize{"t", 24, false}, LetterAtSize{"t", 24.5, true},
                                           LetterAtSize{"v", 14, false}, LetterAtSize{"v", 14.5, true},
                                           LetterAtSize{"y", 18, false}, LetterAtSize{"y", 18.5, true},
                                           LetterAtSize{"a", 1, false}, LetterAtSize{"b", 1.01, true},
                                           LetterAtSize{"cd", 50, true}, LetterAtSize{"cd", 50.5, false},
                                           LetterAtSize{"ef", 51, false}, LetterAtSize{"fg", 60, false},
                                           LetterAtSize{"j", 500, true}, LetterAtSize{"j", 500.5, false},
                                           LetterAtSize{"v", 500, true}, LetterAtSize{"v", 501, false},
                                           LetterAtSize{"zc", 3150, false}, LetterAtSize{"u", 3150, true},
                                           LetterAtSize{"c", 500.5, false}, LetterAtSize{"d", 3150, true},
                                           LetterAtSize{"k", 3150, true}));

TEST(Iso286SizeSteps, ClassifySizesOutsideTheSystemAsNone) {
    for (double size : {0.0, -1.0, -0.0, 3150.0001, 4000.0, std::numeric_limits<double>::infinity(),
                        std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_EQ(ClassifySizeStep(size), std::nullopt) << size;
    }
}

TEST(Iso286SizeSteps, AreContiguousFromZeroTo3150AndIncludeTheirUpperBound) {
    EXPECT_EQ(SizeStepBounds(0).over, 0.0);
    EXPECT_EQ(SizeStepBounds(0).upTo, 1.0);
    EXPECT_EQ(SizeStepBounds(1).upTo, 3.0);
    EXPECT_EQ(SizeStepBounds(kSizeStepCount - 1).upTo, kLargestBasicSize);
    for (int step = 0; step < kSizeStepCount; ++step) {
        const SizeStep bounds = SizeStepBounds(step);
        EXPECT_LT(bounds.over, bounds.upTo);
        if (step > 0) {
            EXPECT_EQ(bounds.over, SizeStepBounds(step - 1).upTo);
        }
        EXPECT_EQ(ClassifySizeStep(bounds.upTo), step);
        EXPECT_EQ(ClassifySizeStep(std::nextafter(bounds.over, bounds.upTo)), step);
    }
}

TEST(Iso286ClassNames, EveryClassFormatsAndParsesBack) {
    for (FeatureKind kind : kKinds) {
        for (int letter = 0; letter < kLetterCount; ++letter) {
            for (int grade = 0; grade < kGradeCount; ++grade) {
                const ToleranceClass c{kind, letter, grade};
                const std::string name = FormatClassName(c);
                EXPECT_EQ(name,
                          std::string(iso286::LetterName(kind, letter)) + std::string(GradeName(grade)));
                EXPECT_EQ(ParseClassName(name), c) << name;
            }
        }
    }
}

struct ClassNameCase {
    const char* name;
    FeatureKind kind;
    const char* letter;
    const char* grade;
};

void PrintTo(const ClassNameCase& c, std::ostream* out) {
    *out << c.name;
}

class Iso286ClassNameTest : public ::testing::TestWithParam<ClassNameCase> {};

TEST_P(Iso286ClassNameTest, ParsesIntoKindLetterAndGrade) {
    const ClassNameCase& c = GetParam();
    const std::optional<ToleranceClass> parsed = ParseClassName(c.name);
    ASSERT_TRUE(parsed) << c.name;
    EXPECT_EQ(parsed->kind, c.kind) << c.name;
    EXPECT_EQ(iso286::LetterName(parsed->kind, parsed->letterIndex), c.letter) << c.name;
    EXPECT_EQ(GradeName(parsed->gradeIndex), c.grade) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Names, Iso286ClassNameTest,
                         ::testing::Values(ClassNameCase{"H7", FeatureKind::Hole, "H", "7"},
                                           ClassNameCase{"zc11", FeatureKind::Shaft, "zc", "11"},
                                           ClassNameCase{"h01", FeatureKind::Shaft, "h", "01"},
                                           ClassNameCase{"g0", FeatureKind::Shaft, "g", "0"},
                                           ClassNameCase{"JS5", FeatureKind::Hole, "JS", "5"},
                                           ClassNameCase{"js18", FeatureKind::Shaft, "js", "18"},
                                           ClassNameCase{"ZC11", FeatureKind::Hole, "ZC", "11"},
                                           ClassNameCase{"CD10", FeatureKind::Hole, "CD", "10"},
                                           ClassNameCase{"J6", FeatureKind::Hole, "J", "6"}));

TEST(Iso286ClassNames, RejectMalformedNames) {
    for (const char* name : {"",    "H",   "7",   "01",  "Js7", "jS7", "Hh7", "H07",  "H00",  "H19", "H-1",
                             "H+7", "h 7", " h7", "h7 ", "I7",  "ZD5", "h7x", "CDE7", "h1.5", "H７"}) {
        EXPECT_EQ(ParseClassName(name), std::nullopt) << '"' << name << '"';
    }
}

}  // namespace
}  // namespace iso286
}  // namespace tolvo
