#include "core/fit_evaluation.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/feature_evaluation.h"
#include "core/fit_table.h"
#include "core/general_table.h"

namespace tolvo {
namespace {

// A feature evaluated in fit mode at a basic size, as the window leaves it.
FeatureState FitFeature(FeatureKind kind, const std::string& size, int letter, int grade) {
    FeatureState state;
    state.sizeStep = *iso286::ClassifySizeStep(std::stod(size));
    const FeatureInputs inputs{
        size, ToleranceMode::FitClass, letter, *ClassicRange().GradePosition(grade + 1), "", ""};
    return EvaluateFeature(kind, state, inputs).state;
}

FeatureState FreeFeature(const std::string& size, const std::string& first, const std::string& second) {
    const FeatureInputs inputs{size, ToleranceMode::Free, 0, 0, first, second};
    return EvaluateFeature(FeatureKind::Shaft, FeatureState{}, inputs).state;
}

constexpr int kH = 4, kG = 3, kHShaft = 4, kK = 6, kP = 9, kJS = 5;

struct FitCase {
    const char* name;
    FitKind kind;
    FeatureState hole;
    FeatureState shaft;
    FitTexts expected;
};

class FitTextsTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitTextsTest, ClassifiesTheFitAndWritesItsSixTexts) {
    const FitCase& c = GetParam();
    const FitEvaluation e = EvaluateFit(c.hole, c.shaft);
    EXPECT_EQ(e.kind, c.kind);
    EXPECT_EQ(e.texts.kind, c.expected.kind);
    EXPECT_EQ(e.texts.firstCaption, c.expected.firstCaption);
    EXPECT_EQ(e.texts.firstAmount, c.expected.firstAmount);
    EXPECT_EQ(e.texts.secondCaption, c.expected.secondCaption);
    EXPECT_EQ(e.texts.secondAmount, c.expected.secondAmount);
    EXPECT_EQ(e.texts.meanFit, c.expected.meanFit);
    EXPECT_TRUE(e.numbers.has_value());
}

const FeatureState kHole25H7 = FitFeature(FeatureKind::Hole, "25", kH, 7);

INSTANTIATE_TEST_SUITE_P(
    Kinds, FitTextsTest,
    ::testing::Values(FitCase{"H7g6",
                              FitKind::Clearance,
                              kHole25H7,
                              FitFeature(FeatureKind::Shaft, "25", kG, 6),
                              {"すきまばめ", "最大すきま ：", "0.041 mm", "最小すきま ：", "0.007 mm",
                               "0.024 mm ＜すきま＞ )"}},
                      // the hole's lower limit is the shaft's upper limit: still a clearance fit
                      FitCase{"H7h6",
                              FitKind::Clearance,
                              kHole25H7,
                              FitFeature(FeatureKind::Shaft, "25", kHShaft, 6),
                              {"すきまばめ", "最大すきま ：", "0.034 mm", "最小すきま ：", "0 mm",
                               "0.017 mm ＜すきま＞ )"}},
                      FitCase{"H7k6",
                              FitKind::Transition,
                              kHole25H7,
                              FitFeature(FeatureKind::Shaft, "25", kK, 6),
                              {"中間ばめ", "最大すきま ：", "0.019 mm", "最大しめしろ ：", "0.015 mm",
                               "0.002 mm ＜すきま＞ )"}},
                      FitCase{"H7p6",
                              FitKind::Interference,
                              kHole25H7,
                              FitFeature(FeatureKind::Shaft, "25", kP, 6),
                              {"しまりばめ", "最大しめしろ ：", "0.035 mm", "最小しめしろ ：", "0.001 mm",
                               "0.018 mm ＜しめしろ＞ )"}},
                      // maximum clearance exactly 0 with a negative minimum is an interference fit
                      FitCase{"line",
                              FitKind::Interference,
                              kHole25H7,
                              FreeFeature("25", "0.021", "0.05"),
                              {"しまりばめ", "最大しめしろ ：", "0.05 mm", "最小しめしろ ：", "0 mm",
                               "0.025 mm ＜しめしろ＞ )"}},
                      // JS7 with js6: the mean sizes agree, the difference rounds to (negative) zero
                      FitCase{"JS7js6",
                              FitKind::Transition,
                              FitFeature(FeatureKind::Hole, "40", kJS, 7),
                              FitFeature(FeatureKind::Shaft, "40", kJS, 6),
                              {"中間ばめ", "最大すきま ：", "0.0205 mm", "最大しめしろ ：", "0.0205 mm",
                               "0 mm )"}},
                      // different basic sizes are not refused
                      FitCase{"25and30",
                              FitKind::Interference,
                              kHole25H7,
                              FitFeature(FeatureKind::Shaft, "30", kHShaft, 6),
                              {"しまりばめ", "最大しめしろ ：", "5 mm", "最小しめしろ ：", "4.966 mm",
                               "4.983 mm ＜しめしろ＞ )"}},
                      // amounts of 1000 mm or more keep the micrometre "%g" would drop
                      FitCase{"over1000",
                              FitKind::Interference,
                              FitFeature(FeatureKind::Hole, "120", kH, 7),
                              FreeFeature("1205", "1", "0"),
                              {"しまりばめ", "最大しめしろ ：", "1086 mm", "最小しめしろ ：", "1084.965 mm",
                               "1085.4825 mm ＜しめしろ＞ )"}},
                      // amounts below 1e-4 mm come in exponent form
                      FitCase{"tiny",
                              FitKind::Clearance,
                              FreeFeature("10", "0.00005", "0"),
                              FreeFeature("10", "0", "-0.00002"),
                              {"すきまばめ", "最大すきま ：", "7e-05 mm", "最小すきま ：", "0 mm",
                               "3.5e-05 mm ＜すきま＞ )"}}),
    [](const ::testing::TestParamInfo<FitCase>& info) { return std::string(info.param.name); });

TEST(EvaluateFit, StoresTheRoundedLimitSizesAndTheSignedClearances) {
    const FitEvaluation e = EvaluateFit(kHole25H7, FitFeature(FeatureKind::Shaft, "25", kK, 6));
    ASSERT_TRUE(e.numbers.has_value());
    EXPECT_EQ(e.numbers->holeUpperLimit, 25.021);
    EXPECT_EQ(e.numbers->holeLowerLimit, 25.0);
    EXPECT_EQ(e.numbers->shaftUpperLimit, 25.015);
    EXPECT_EQ(e.numbers->shaftLowerLimit, 25.002);
    EXPECT_NEAR(e.numbers->result.maximumClearance, 0.019, 1e-12);
    EXPECT_NEAR(e.numbers->result.minimumClearance, -0.015, 1e-12);
}

TEST(EvaluateFit, KeepsTheMeanClearanceItsTextIsWrittenFrom) {
    // H7 / k6 at 25 mm: means 25.0105 and 25.0085.
    const FitEvaluation clearance = EvaluateFit(kHole25H7, FitFeature(FeatureKind::Shaft, "25", kK, 6));
    ASSERT_TRUE(clearance.numbers.has_value());
    EXPECT_EQ(clearance.numbers->meanClearance, 0.002);
    EXPECT_EQ(clearance.texts.meanFit, "0.002 mm ＜すきま＞ )");
    // Free shaft +0.03 / +0.02 at 25 mm: mean 25.025, an interference of 0.0145.
    const FitEvaluation interference = EvaluateFit(kHole25H7, FreeFeature("25", "0.03", "0.02"));
    ASSERT_TRUE(interference.numbers.has_value());
    EXPECT_EQ(interference.numbers->meanClearance, -0.0145);
    EXPECT_EQ(interference.texts.meanFit, "0.0145 mm ＜しめしろ＞ )");
}

TEST(EvaluateFit, TreatsLimitSizesThatAgreeToSixDecimalsAsEqual) {
    FeatureState hole = kHole25H7;
    FeatureState shaft = FreeFeature("25", "0", "-0.013");
    hole.lowerLimit = 25.0;
    shaft.upperLimit = 25.0 + 3e-12;  // differs from 25 in the last bits only
    const FitEvaluation e = EvaluateFit(hole, shaft);
    ASSERT_TRUE(e.numbers.has_value());
    EXPECT_EQ(e.numbers->result.minimumClearance, 0.0);
    EXPECT_EQ(e.texts.kind, "すきまばめ");
    EXPECT_EQ(e.texts.secondAmount, "0 mm");
}

TEST(EvaluateFit, ShowsPlaceholdersWhenThereIsNoClearanceAndNoInterference) {
    const FitEvaluation e = EvaluateFit(FreeFeature("30", "", ""), FreeFeature("30", "0", "0"));
    EXPECT_EQ(e.texts, FitPlaceholders());
    EXPECT_EQ(e.texts.meanFit, "- )");
    ASSERT_TRUE(e.numbers.has_value());
    EXPECT_EQ(e.numbers->result.maximumClearance, 0.0);
    EXPECT_EQ(e.numbers->result.minimumClearance, 0.0);
}

TEST(EvaluateFit, ShowsPlaceholdersAndChangesNothingWithoutTwoEvaluatedFeatures) {
    const FeatureState shaft = FitFeature(FeatureKind::Shaft, "25", kG, 6);
    FeatureState noSize = kHole25H7;  // evaluated at 25 before, size now emptied
    noSize.basicSize = 0.0;
    FeatureState negative = kHole25H7;  // size now -25: no fit from the old limit sizes
    negative.basicSize = -25.0;
    FeatureState undefinedCell = kHole25H7;  // last evaluation met an undefined cell
    undefinedCell.hasLimits = false;
    const FeatureState neverEvaluated;
    for (const FeatureState& hole : {noSize, negative, undefinedCell, neverEvaluated}) {
        EXPECT_EQ(EvaluateFit(hole, shaft).texts, FitPlaceholders());
        EXPECT_FALSE(EvaluateFit(hole, shaft).numbers.has_value());
        EXPECT_EQ(EvaluateFit(shaft, hole).texts, FitPlaceholders());
        EXPECT_FALSE(EvaluateFit(shaft, hole).numbers.has_value());
    }
}

TEST(EvaluateFit, ReportsNoFitKindWheneverItShowsThePlaceholders) {
    const FeatureState shaft = FitFeature(FeatureKind::Shaft, "25", kG, 6);
    FeatureState noSize = kHole25H7;
    noSize.basicSize = 0.0;
    const FitEvaluation none[] = {EvaluateFit(noSize, shaft), EvaluateFit(shaft, FeatureState{}),
                                  EvaluateFit(FreeFeature("30", "", ""), FreeFeature("30", "0", "0"))};
    for (const FitEvaluation& e : none) {
        EXPECT_EQ(e.kind, FitKind::None);
        EXPECT_EQ(e.texts, FitPlaceholders());
    }
}

TEST(FitKind, GivesTheLabelTextAndColoursOfEachKind) {
    struct Look {
        FitKind kind;
        const char* text;
        std::optional<LabelColors> colors;
    };
    const Look looks[] = {
        {FitKind::Clearance, "すきまばめ", LabelColors{{255, 255, 255}, {0, 0, 255}}},
        {FitKind::Transition, "中間ばめ", LabelColors{{0, 0, 0}, {255, 255, 0}}},
        {FitKind::Interference, "しまりばめ", LabelColors{{255, 255, 255}, {255, 0, 0}}},
        {FitKind::None, "", std::nullopt},
    };
    for (const Look& look : looks) {
        EXPECT_EQ(FitKindText(look.kind), look.text);
        EXPECT_EQ(FitKindColors(look.kind), look.colors) << look.text;
    }
}

}  // namespace
}  // namespace tolvo
