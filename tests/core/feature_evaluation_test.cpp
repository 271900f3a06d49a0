#include "core/feature_evaluation.h"

#include <gtest/gtest.h>

#include <string>

#include "core/fit_table.h"
#include "core/general_table.h"
#include "core/iso286_table.h"
#include "core/number_text.h"

namespace tolvo {
namespace {

// K's position on the classic slice's letter slider (D E F G H JS K ...).
constexpr int kClassicK = 6;

// One feature's controls and class, as the user sets them.
struct Setting {
    ToleranceMode mode;
    int letter = 0;
    int grade = 0;
    int generalClass = 0;
    const char* first = "";
    const char* second = "";
};

Setting Fit(int letter, int gradeIndex) {
    return {ToleranceMode::FitClass, letter, gradeIndex};
}
Setting General(int generalClass) {
    return {ToleranceMode::General, 0, 0, generalClass};
}
Setting Free(const char* first, const char* second) {
    return {ToleranceMode::Free, 0, 0, 0, first, second};
}

// A state whose size ranges belong to the size, as the basic-size handler leaves them.
FeatureState StateFor(double size, int generalClass = 0) {
    FeatureState state;
    state.sizeStep = iso286::ClassifySizeStep(size).value_or(0);
    state.generalSizeRange = ClassifyGeneralSizeRange(size, 0);
    state.generalClass = generalClass;
    return state;
}

FeatureEvaluation Evaluate(FeatureKind kind, const std::string& sizeText, const Setting& s,
                           const FeatureState* previous = nullptr) {
    FeatureState state = previous ? *previous : StateFor(ParseNumber(sizeText), s.generalClass);
    state.generalClass = s.generalClass;
    FeatureInputs inputs{sizeText, s.mode, s.letter, s.grade, s.first, s.second};
    return EvaluateFeature(kind, state, inputs);
}

struct Row40 {
    FeatureKind kind;
    Setting setting;
    FeatureTexts expected;
};

class FeatureTexts40mmTest : public ::testing::TestWithParam<Row40> {};

TEST_P(FeatureTexts40mmTest, WritesTheFourTextsByteForByte) {
    const Row40& row = GetParam();
    const FeatureEvaluation e = Evaluate(row.kind, "40", row.setting);
    ASSERT_TRUE(e.texts.has_value());
    EXPECT_EQ(e.texts->deviation, row.expected.deviation);
    EXPECT_EQ(e.texts->tolerance, row.expected.tolerance);
    EXPECT_EQ(e.texts->limitSizes, row.expected.limitSizes);
    EXPECT_EQ(e.texts->meanValue, row.expected.meanValue);
    EXPECT_TRUE(e.state.hasLimits);
    EXPECT_FALSE(e.nonPositiveLimitWarning);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FeatureTexts40mmTest,
    ::testing::Values(
        Row40{FeatureKind::Hole,
              Fit(4, 2),
              {"25 / 0 μm", "25 μm", "φ40.0000 ～ 40.0250 mm", "φ40.0125 ± 0.0125 mm  ）"}},
        Row40{FeatureKind::Shaft,
              Fit(3, 1),
              {"-9 / -25 μm", "16 μm", "φ39.9750 ～ 39.9910 mm", "φ39.9830 ± 0.008 mm  ）"}},
        Row40{FeatureKind::Hole,
              Fit(5, 2),
              {"12.5 / -12.5 μm", "25 μm", "φ39.9875 ～ 40.0125 mm", "φ40.0000 ± 0.0125 mm  ）"}},
        Row40{FeatureKind::Hole,
              General(kMediumClass),
              {"±0.3 mm", "0.6 mm", "φ39.7 ～ 40.3 mm", "φ40 ± 0.3 mm  ）"}},
        Row40{FeatureKind::Hole,
              Free("-0.01", "+0.02"),
              {"+0.02 / -0.01 mm", "0.03 mm", "φ39.99 ～ 40.02 mm", "φ40.005 ± 0.015 mm  ）"}},
        Row40{FeatureKind::Hole,
              Free("0.1", "0.1"),
              {"+0.1 / 0 mm", "0.1 mm", "φ40 ～ 40.1 mm", "φ40.05 ± 0.05 mm  ）"}},
        Row40{FeatureKind::Hole,
              Free("-0.1", "-0.1"),
              {"0 / -0.1 mm", "0.1 mm", "φ39.9 ～ 40 mm", "φ39.95 ± 0.05 mm  ）"}},
        Row40{FeatureKind::Hole, Free("", ""), {"0 / 0 mm", "0 mm", "φ40 ～ 40 mm", "φ40 ± 0 mm  ）"}},
        // the free entries may come in either order
        Row40{FeatureKind::Hole,
              Free("+0.02", "-0.01"),
              {"+0.02 / -0.01 mm", "0.03 mm", "φ39.99 ～ 40.02 mm", "φ40.005 ± 0.015 mm  ）"}}));

// "%g" keeps six significant digits; where that would change a limit size or
// mean value at the fourth decimal (0.1 μm), free and general modes write
// four decimals instead. Fit mode always writes four.
struct SizedRow {
    const char* size;
    Setting setting;
    FeatureTexts expected;
};

class FeatureTextsKeepFourDecimalsTest : public ::testing::TestWithParam<SizedRow> {};

TEST_P(FeatureTextsKeepFourDecimalsTest, WritesTheFourTextsByteForByte) {
    const SizedRow& row = GetParam();
    const FeatureEvaluation e = Evaluate(FeatureKind::Hole, row.size, row.setting);
    ASSERT_TRUE(e.texts.has_value());
    EXPECT_EQ(e.texts->deviation, row.expected.deviation);
    EXPECT_EQ(e.texts->tolerance, row.expected.tolerance);
    EXPECT_EQ(e.texts->limitSizes, row.expected.limitSizes);
    EXPECT_EQ(e.texts->meanValue, row.expected.meanValue);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, FeatureTextsKeepFourDecimalsTest,
    ::testing::Values(
        SizedRow{"1000",
                 Free("+0.001", "0"),
                 {"+0.001 / 0 mm", "0.001 mm", "φ1000 ～ 1000.001 mm", "φ1000.0005 ± 0.0005 mm  ）"}},
        SizedRow{"123.4567",
                 Free("+0.0004", ""),
                 {"+0.0004 / 0 mm", "0.0004 mm", "φ123.4567 ～ 123.4571 mm", "φ123.4569 ± 0.0002 mm  ）"}},
        // a fifth decimal: "%g" rounds 123.45674 to 123.457, four decimals to 123.4567
        SizedRow{"123.45674",
                 Free("", ""),
                 {"0 / 0 mm", "0 mm", "φ123.4567 ～ 123.4567 mm", "φ123.4567 ± 0 mm  ）"}},
        // 123.45696 is 123.4570 to four decimals, as "%g" writes it: unchanged
        SizedRow{
            "123.45696", Free("", ""), {"0 / 0 mm", "0 mm", "φ123.457 ～ 123.457 mm", "φ123.457 ± 0 mm  ）"}},
        SizedRow{"1234.5678",
                 General(kMediumClass),
                 {"±1.2 mm", "2.4 mm", "φ1233.3678 ～ 1235.7678 mm", "φ1234.5678 ± 1.2 mm  ）"}},
        SizedRow{"3999.9999",
                 General(kCoarseClass),
                 {"±4 mm", "8 mm", "φ3995.9999 ～ 4003.9999 mm", "φ3999.9999 ± 4 mm  ）"}},
        SizedRow{"4000", General(kCoarseClass), {"±4 mm", "8 mm", "φ3996 ～ 4004 mm", "φ4000 ± 4 mm  ）"}},
        // exponent form where "%g" would drop digits, kept where it is exact
        SizedRow{"1234567",
                 Free("0.5", "0"),
                 {"+0.5 / 0 mm", "0.5 mm", "φ1234567 ～ 1234567.5 mm", "φ1234567.25 ± 0.25 mm  ）"}},
        SizedRow{"2e6", Free("", ""), {"0 / 0 mm", "0 mm", "φ2e+06 ～ 2e+06 mm", "φ2e+06 ± 0 mm  ）"}},
        // a negative limit size
        SizedRow{"0.5",
                 Free("-1000.0004", "0"),
                 {"0 / -1000 mm", "1000 mm", "φ-999.5004 ～ 0.5 mm", "φ-499.5002 ± 500.0002 mm  ）"}}));

TEST(EvaluateFeature, StoresTheLimitSizesInMillimetres) {
    const FeatureEvaluation hole = Evaluate(FeatureKind::Hole, "25", Fit(4, 2));  // H7
    EXPECT_DOUBLE_EQ(hole.state.upperLimit, 25.021);
    EXPECT_DOUBLE_EQ(hole.state.lowerLimit, 25.0);
    const FeatureEvaluation free = Evaluate(FeatureKind::Shaft, "40", Free("0.1", "-0.2"));
    EXPECT_DOUBLE_EQ(free.state.upperLimit, 40.1);
    EXPECT_DOUBLE_EQ(free.state.lowerLimit, 39.8);
    EXPECT_EQ(free.state.freeUpper, 0.1);
    EXPECT_EQ(free.state.freeLower, -0.2);
    EXPECT_LE(free.state.lowerLimit, free.state.upperLimit);
}

TEST(EvaluateFeature, ShowsPlaceholdersWithoutAPositiveBasicSizeInEveryMode) {
    FeatureState previous = StateFor(25);
    previous.upperLimit = 25.021;
    previous.lowerLimit = 25.0;
    previous.hasLimits = true;
    previous.letterIndex = 4;
    previous.freeUpper = 0.5;
    for (const char* size : {"", "0", "-5", "abc", "-0", "0x10"}) {
        for (const Setting& s : {Fit(2, 3), General(kCoarseClass), Free("1", "2")}) {
            const FeatureEvaluation e = Evaluate(FeatureKind::Hole, size, s, &previous);
            ASSERT_TRUE(e.texts.has_value());
            EXPECT_EQ(*e.texts, FeaturePlaceholders()) << "size \"" << size << "\"";
            EXPECT_EQ(e.texts->meanValue, " - ）");
            EXPECT_FALSE(e.nonPositiveLimitWarning);
            // only the basic size changes
            EXPECT_EQ(e.state.upperLimit, 25.021);
            EXPECT_EQ(e.state.lowerLimit, 25.0);
            EXPECT_EQ(e.state.letterIndex, 4);
            EXPECT_EQ(e.state.freeUpper, 0.5);
            EXPECT_LE(e.state.basicSize, 0.0);
        }
    }
}

TEST(EvaluateFeature, WritesNothingWhenNoModeIsSelected) {
    FeatureState state = StateFor(40);
    const FeatureEvaluation e =
        EvaluateFeature(FeatureKind::Hole, state, FeatureInputs{"40", std::nullopt, 0, 0, "", ""});
    EXPECT_FALSE(e.texts.has_value());
    EXPECT_EQ(e.state.basicSize, 40.0);
    EXPECT_FALSE(e.state.hasLimits);
}

TEST(EvaluateFeature, WarnsAfterTheTextsWhenTheLowerLimitSizeIsNotPositive) {
    const FeatureEvaluation free = Evaluate(FeatureKind::Hole, "0.05", Free("-0.1", "0"));
    ASSERT_TRUE(free.texts.has_value());
    EXPECT_EQ(free.texts->limitSizes, "φ-0.05 ～ 0.05 mm");
    EXPECT_TRUE(free.nonPositiveLimitWarning);

    const FeatureEvaluation p7 = Evaluate(FeatureKind::Hole, "0.01", Fit(9, 2));  // P7 up to 3 mm: -6 / -16
    ASSERT_TRUE(p7.texts.has_value());
    EXPECT_EQ(p7.texts->limitSizes, "φ-0.0060 ～ 0.0040 mm");
    EXPECT_TRUE(p7.nonPositiveLimitWarning);

    const FeatureEvaluation exactlyZero = Evaluate(FeatureKind::Shaft, "0.1", Free("-0.1", "0"));
    EXPECT_TRUE(exactlyZero.nonPositiveLimitWarning);
    EXPECT_FALSE(Evaluate(FeatureKind::Shaft, "0.1", Free("-0.09", "0")).nonPositiveLimitWarning);
}

TEST(EvaluateFeature, StoresLetterAndGradeOnlyInFitModeAndFreeValuesOnlyInFreeMode) {
    FeatureState previous = StateFor(40);
    previous.letterIndex = 1;
    previous.gradeIndex = 1;
    previous.freeUpper = 0.3;
    previous.freeLower = 0.2;
    const FeatureEvaluation fit =
        Evaluate(FeatureKind::Hole, "40", {ToleranceMode::FitClass, 7, 4, 0, "9", "8"}, &previous);
    EXPECT_EQ(fit.state.letterIndex, 7);
    EXPECT_EQ(fit.state.gradeIndex, 4);
    EXPECT_EQ(fit.state.freeUpper, 0.3);
    const FeatureEvaluation general =
        Evaluate(FeatureKind::Hole, "40", {ToleranceMode::General, 7, 4, 0, "9", "8"}, &previous);
    EXPECT_EQ(general.state.letterIndex, 1);
    EXPECT_EQ(general.state.freeLower, 0.2);
    const FeatureEvaluation free =
        Evaluate(FeatureKind::Hole, "40", {ToleranceMode::Free, 7, 4, 0, "9", "8"}, &previous);
    EXPECT_EQ(free.state.gradeIndex, 1);
    EXPECT_EQ(free.state.freeUpper, 9.0);
    EXPECT_EQ(free.state.freeLower, 8.0);
}

TEST(EvaluateFeature, UsesTheStoredSizeRangeAsItStands) {
    FeatureState state = StateFor(25);  // range over 18 up to 30
    const FeatureEvaluation e =
        EvaluateFeature(FeatureKind::Hole, state, FeatureInputs{"40", Fit(4, 2).mode, 4, 2, "", ""});
    ASSERT_TRUE(e.texts.has_value());
    EXPECT_EQ(e.texts->deviation, "21 / 0 μm");
}

TEST(EvaluateFeature, NeverShowsAValueFromAnUndefinedCell) {
    FeatureState previous = StateFor(10);
    previous.upperLimit = 10.015;
    previous.lowerLimit = 10.0;
    previous.hasLimits = true;
    // hole K11 over 3 mm is not defined by JIS B0401
    const FeatureEvaluation k11 = Evaluate(FeatureKind::Hole, "10", Fit(kClassicK, 6), &previous);
    ASSERT_TRUE(k11.texts.has_value());
    EXPECT_EQ(*k11.texts, FeaturePlaceholders());
    EXPECT_FALSE(k11.state.hasLimits);
    EXPECT_EQ(k11.state.upperLimit, 10.015);
    EXPECT_FALSE(k11.nonPositiveLimitWarning);
    // and neither are 精級 over 2000 mm and 極粗級 up to 3 mm in JIS B0405
    for (const auto& [size, generalClass] :
         {std::pair{"3000", kFineClass}, std::pair{"2", kVeryCoarseClass}}) {
        const FeatureEvaluation e = Evaluate(FeatureKind::Shaft, size, General(generalClass));
        ASSERT_TRUE(e.texts.has_value());
        EXPECT_EQ(*e.texts, FeaturePlaceholders()) << size;
        EXPECT_FALSE(e.state.hasLimits);
    }
    // the same feature comes back as soon as its setting is defined again
    const FeatureEvaluation k8 = Evaluate(FeatureKind::Hole, "10", Fit(kClassicK, 3), &k11.state);
    EXPECT_TRUE(k8.state.hasLimits);
    EXPECT_EQ(k8.texts->deviation, "6 / -16 μm");
}

TEST(EvaluateFeature, ShowsPlaceholdersRatherThanInfinities) {
    for (const Setting& s : {Free("1e400", "0"), Free("0", "-1e400"), Free("1e308", "-1e308")}) {
        const FeatureEvaluation e = Evaluate(FeatureKind::Hole, "40", s);
        ASSERT_TRUE(e.texts.has_value());
        EXPECT_EQ(*e.texts, FeaturePlaceholders()) << s.first << " " << s.second;
        EXPECT_FALSE(e.state.hasLimits);
    }
    const FeatureEvaluation hugeSize = Evaluate(FeatureKind::Hole, "1e400", Free("0.1", "0"));
    EXPECT_EQ(*hugeSize.texts, FeaturePlaceholders());
    EXPECT_FALSE(hugeSize.state.hasLimits);
}

TEST(EvaluateFeature, ReadsTypedNumbersAsAtofDoes) {
    const FeatureEvaluation e = Evaluate(FeatureKind::Hole, " 40mm", Free("1,5", "-.5x"));
    ASSERT_TRUE(e.texts.has_value());
    EXPECT_EQ(e.texts->deviation, "+1 / -0.5 mm");
    EXPECT_EQ(e.texts->limitSizes, "φ39.5 ～ 41 mm");
    // an entry of -0 is a zero deviation
    EXPECT_EQ(Evaluate(FeatureKind::Hole, "40", Free("-0", "0.2")).texts->deviation, "+0.2 / 0 mm");
    EXPECT_EQ(Evaluate(FeatureKind::Hole, "40", Free("-0", "0")).texts->deviation, "0 / 0 mm");
}

TEST(EvaluateFeature, KeepsHalfMicrometresOfJsGrades) {
    const FeatureEvaluation js = Evaluate(FeatureKind::Hole, "8", Fit(5, 2));  // JS7 over 6 up to 10 mm
    ASSERT_TRUE(js.texts.has_value());
    EXPECT_EQ(js.texts->deviation, "7.5 / -7.5 μm");
    EXPECT_EQ(js.texts->tolerance, "15 μm");
    EXPECT_EQ(js.texts->limitSizes, "φ7.9925 ～ 8.0075 mm");
    EXPECT_EQ(js.texts->meanValue, "φ8.0000 ± 0.0075 mm  ）");
}

// The whole ISO 286 system read by the same evaluation: a class named as the
// user writes it, at a basic size, in the window's fit-mode formats.
FeatureEvaluation EvaluateWhole(const std::string& className, const std::string& sizeText) {
    const std::optional<iso286::ToleranceClass> c = iso286::ParseClassName(className);
    EXPECT_TRUE(c.has_value()) << className;
    FeatureState state;
    state.sizeStep = iso286::ClassifySizeStep(ParseNumber(sizeText)).value_or(0);
    FeatureInputs inputs{sizeText, ToleranceMode::FitClass, c->letterIndex, c->gradeIndex, "", ""};
    inputs.range = FitClassRange::Whole;
    return EvaluateFeature(c->kind, state, inputs);
}

struct WholeRow {
    const char* className;
    const char* size;
    FeatureTexts expected;
};

class WholeRangeTexts : public ::testing::TestWithParam<WholeRow> {};

TEST_P(WholeRangeTexts, WriteTheFitModeFormats) {
    const WholeRow& row = GetParam();
    const FeatureEvaluation e = EvaluateWhole(row.className, row.size);
    ASSERT_TRUE(e.texts.has_value());
    EXPECT_EQ(*e.texts, row.expected);
    EXPECT_TRUE(e.state.hasLimits);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, WholeRangeTexts,
    ::testing::Values(
        WholeRow{
            "s6", "400", {"244 / 208 μm", "36 μm", "φ400.2080 ～ 400.2440 mm", "φ400.2260 ± 0.018 mm  ）"}},
        WholeRow{
            "H7", "400", {"57 / 0 μm", "57 μm", "φ400.0000 ～ 400.0570 mm", "φ400.0285 ± 0.0285 mm  ）"}},
        WholeRow{
            "js01", "2", {"0.15 / -0.15 μm", "0.3 μm", "φ1.9998 ～ 2.0002 mm", "φ2.0000 ± 0.00015 mm  ）"}},
        WholeRow{"A13",
                 "330",
                 {"2090 / 1200 μm", "890 μm", "φ331.2000 ～ 332.0900 mm", "φ331.6450 ± 0.445 mm  ）"}},
        // the seed's own classes read the same from either table
        WholeRow{"H7", "40", {"25 / 0 μm", "25 μm", "φ40.0000 ～ 40.0250 mm", "φ40.0125 ± 0.0125 mm  ）"}}));

TEST(EvaluateFeature, ShowsNoValueFromACellTheWholeSystemLeavesUndefined) {
    for (const auto& [className, size] :
         {std::pair{"t6", "24"}, std::pair{"a11", "1"}, std::pair{"N9", "1"}, std::pair{"h14", "0.5"}}) {
        const FeatureEvaluation e = EvaluateWhole(className, size);
        ASSERT_TRUE(e.texts.has_value());
        EXPECT_EQ(*e.texts, FeaturePlaceholders()) << className << " at " << size;
        EXPECT_FALSE(e.state.hasLimits);
    }
}

}  // namespace
}  // namespace tolvo
