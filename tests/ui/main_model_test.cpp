#include "ui/main_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/messages.h"
#include "tests/ui/model_fixture.h"
#include "tools/driver/user_events.h"

namespace tolvo {
namespace {

using namespace main_dialog;

constexpr FeatureKind kHole = FeatureKind::Hole;
constexpr FeatureKind kShaft = FeatureKind::Shaft;

std::string Msg(FeatureKind kind, SettingMessage message) {
    return SettingMessageText(kind, message);
}

class MainModelTest : public model_test::MainModelFixture {
  protected:
    std::vector<std::string> FeatureTexts(FeatureKind kind) const {
        if (kind == kHole)
            return {Text(kHoleDeviation), Text(kHoleTolerance), Text(kHoleLimitSizes), Text(kHoleMeanValue)};
        return {Text(kShaftDeviation), Text(kShaftTolerance), Text(kShaftLimitSizes), Text(kShaftMeanValue)};
    }
    std::vector<std::string> FitTexts() const {
        return {Text(kFitKindLabel),     Text(kFirstFitCaption), Text(kFirstFitAmount),
                Text(kSecondFitCaption), Text(kSecondFitAmount), Text(kMeanFit)};
    }
    // Both panels apart: the shaft no longer follows the hole.
    void SeparateShaft() {
        Click(kSameBasicSize);
        host.TakeMessages();
    }
};

const std::vector<std::string> kFeaturePlaceholders = {" -", " -", " -", " - ）"};
const std::vector<std::string> kFitPlaceholders = {"", "- ：", "-", "- ：", "-", "- )"};

TEST_F(MainModelTest, StartsInFitModeWithPlaceholdersAndTheFocusInTheHolesSize) {
    EXPECT_EQ(model.Focus(), kHoleBasicSize);
    EXPECT_TRUE(Checked(kHoleFitRadio));
    EXPECT_TRUE(Checked(kShaftFitRadio));
    EXPECT_FALSE(Checked(kHoleGeneralRadio) || Checked(kHoleFreeRadio) || Checked(kShaftGeneralRadio) ||
                 Checked(kShaftFreeRadio));
    EXPECT_TRUE(Checked(kSameBasicSize));
    EXPECT_FALSE(Enabled(kShaftBasicSize));
    EXPECT_EQ(Text(kShaftBasicSize), "");
    for (int slider : {kHoleLetterSlider, kHoleGradeSlider, kShaftLetterSlider, kShaftGradeSlider})
        EXPECT_EQ(Position(slider), 0);
    EXPECT_EQ(model.Controls().At(kHoleLetterSlider).maximum, 9);
    EXPECT_EQ(model.Controls().At(kShaftGradeSlider).maximum, 7);
    EXPECT_EQ(Text(kHoleClassLabel), "精級");
    EXPECT_EQ(Text(kShaftClassLabel), "精級");
    EXPECT_EQ(FeatureTexts(kHole), kFeaturePlaceholders);
    EXPECT_EQ(FeatureTexts(kShaft), kFeaturePlaceholders);
    EXPECT_EQ(FitTexts(), kFitPlaceholders);
    EXPECT_FALSE(model.FitKindLabelColors().has_value());
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_EQ(model.Report(), DefaultReportOptions());
}

TEST_F(MainModelTest, OneKeystrokeEvaluatesTheShaftTheHoleAndTheFit) {
    Slide(kHoleLetterSlider, 4);   // H
    Slide(kHoleGradeSlider, 2);    // 7
    Slide(kShaftLetterSlider, 3);  // g
    Slide(kShaftGradeSlider, 1);   // 6
    Type(kHoleBasicSize, "2");
    EXPECT_EQ(Text(kHoleDeviation), "10 / 0 μm");
    EXPECT_EQ(Text(kShaftDeviation), "-2 / -8 μm");
    Type(kHoleBasicSize, "5");
    EXPECT_EQ(Text(kShaftBasicSize), "25");
    EXPECT_EQ(FeatureTexts(kHole), (std::vector<std::string>{"21 / 0 μm", "21 μm", "φ25.0000 ～ 25.0210 mm",
                                                             "φ25.0105 ± 0.0105 mm  ）"}));
    EXPECT_EQ(FeatureTexts(kShaft),
              (std::vector<std::string>{"-7 / -20 μm", "13 μm", "φ24.9800 ～ 24.9930 mm",
                                        "φ24.9865 ± 0.0065 mm  ）"}));
    EXPECT_EQ(FitTexts(), (std::vector<std::string>{"すきまばめ", "最大すきま ：", "0.041 mm",
                                                    "最小すきま ：", "0.007 mm", "0.024 mm ＜すきま＞ )"}));
    EXPECT_EQ(model.FitKindLabelColors(), (LabelColors{{255, 255, 255}, {0, 0, 255}}));
    EXPECT_NEAR(model.Fit().maximumClearance, 0.041, 1e-12);
    EXPECT_NEAR(model.Fit().minimumClearance, 0.007, 1e-12);
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(MainModelTest, FitModeOver120SwitchesToFreeInputAndTakesTheFocusThere) {
    SeparateShaft();
    Type(kHoleBasicSize, "15");
    EXPECT_TRUE(host.Messages().empty());
    Type(kHoleBasicSize, "0");
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].caption, ja::kMessageCaption);
    EXPECT_EQ(host.Messages()[0].text, Msg(kHole, SettingMessage::FitSizeOver120));
    EXPECT_TRUE(Checked(kHoleFreeRadio));
    EXPECT_FALSE(Checked(kHoleFitRadio) || Checked(kHoleGeneralRadio));
    EXPECT_EQ(FeatureTexts(kHole),
              (std::vector<std::string>{"0 / 0 mm", "0 mm", "φ150 ～ 150 mm", "φ150 ± 0 mm  ）"}));
    EXPECT_EQ(model.Focus(), kHoleFreeFirst);
    EXPECT_TRUE(Enabled(kHoleFreeFirst));
    EXPECT_FALSE(Enabled(kHoleLetterSlider));
    // further keystrokes go into the free-input edit
    Type(model.Focus(), "1");
    EXPECT_EQ(Text(kHoleFreeFirst), "1");
    EXPECT_EQ(Text(kHoleBasicSize), "150");
}

TEST_F(MainModelTest, Exactly120StaysInFitMode) {
    SeparateShaft();
    Type(kHoleBasicSize, "120");
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_TRUE(Checked(kHoleFitRadio));
    EXPECT_EQ(Text(kHoleDeviation), "135 / 120 μm");  // D5 over 80 up to 120 mm
}

TEST_F(MainModelTest, WithTheSameBasicSizeTheShaftsMessageComesFirst) {
    Type(kHoleBasicSize, "1500");
    EXPECT_EQ(host.TakeMessages(), (std::vector<std::string>{Msg(kShaft, SettingMessage::FitSizeOver120),
                                                             Msg(kHole, SettingMessage::FitSizeOver120)}));
    EXPECT_EQ(Text(kHoleBasicSize), "150");
    EXPECT_EQ(Text(kShaftBasicSize), "150");
    EXPECT_EQ(Text(kHoleFreeFirst), "0");  // the last keystroke went where the focus had moved
    EXPECT_TRUE(Checked(kHoleFreeRadio));
    EXPECT_TRUE(Checked(kShaftFreeRadio));
}

TEST_F(MainModelTest, HoleKAboveGrade8Over3mmIsRefusedAndSetToGrade8) {
    Slide(kHoleLetterSlider, 6);  // K
    Slide(kHoleGradeSlider, 7);   // 12
    Type(kHoleBasicSize, "1");
    EXPECT_TRUE(host.Messages().empty());
    Type(kHoleBasicSize, "0");
    EXPECT_EQ(host.TakeMessages(), std::vector<std::string>{Msg(kHole, SettingMessage::KGrade)});
    EXPECT_EQ(Position(kHoleGradeSlider), 3);
    EXPECT_EQ(model.Feature(kHole).gradeIndex, 3);
    EXPECT_EQ(Text(kHoleDeviation), "6 / -16 μm");  // K8 over 6 up to 10 mm
    for (int mark : {kHoleGradeMarks[4], kHoleGradeMarks[5], kHoleGradeMarks[6], kHoleGradeMarks[7]})
        EXPECT_FALSE(Enabled(mark)) << mark;
    for (int mark : {kHoleGradeMarks[0], kHoleGradeMarks[1], kHoleGradeMarks[2], kHoleGradeMarks[3]})
        EXPECT_TRUE(Enabled(mark)) << mark;
    // the shaft's grade marks are never greyed
    for (int mark : {kShaftGradeMarks[4], kShaftGradeMarks[5], kShaftGradeMarks[6], kShaftGradeMarks[7]})
        EXPECT_TRUE(Enabled(mark)) << mark;
}

TEST_F(MainModelTest, HoleK12IsAllowedAt3mm) {
    Slide(kHoleLetterSlider, 6);
    Slide(kHoleGradeSlider, 7);
    Type(kHoleBasicSize, "3");
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_EQ(Text(kHoleDeviation), "0 / -100 μm");
    EXPECT_TRUE(Enabled(kHoleGradeMarks[7]));
}

TEST_F(MainModelTest, HoleNAboveGrade8UpTo1mmIsRefused) {
    Slide(kHoleLetterSlider, 8);  // N
    Slide(kHoleGradeSlider, 5);   // 10
    Type(kHoleBasicSize, "2");
    EXPECT_TRUE(host.Messages().empty());
    Set(kHoleBasicSize, "0");
    EXPECT_TRUE(host.Messages().empty());
    Set(kHoleBasicSize, "1");
    EXPECT_EQ(host.TakeMessages(), std::vector<std::string>{Msg(kHole, SettingMessage::NGrade)});
    EXPECT_EQ(Position(kHoleGradeSlider), 3);
    Slide(kHoleGradeSlider, 4);  // grade 9 at 1 mm, moved by the slider
    EXPECT_EQ(host.TakeMessages(), std::vector<std::string>{Msg(kHole, SettingMessage::NGrade)});
    EXPECT_EQ(Position(kHoleGradeSlider), 3);
    Set(kHoleBasicSize, "0.5");
    EXPECT_TRUE(host.Messages().empty());  // grade 8 now: restricted, not violated
    for (int mark : {kHoleGradeMarks[4], kHoleGradeMarks[5], kHoleGradeMarks[6], kHoleGradeMarks[7]})
        EXPECT_FALSE(Enabled(mark)) << mark;
}

TEST_F(MainModelTest, MovingTheLetterOntoKRefusesGrade11AndBackOntoHFreesIt) {
    Slide(kHoleGradeSlider, 6);  // 11
    Type(kHoleBasicSize, "20");
    Slide(kHoleLetterSlider, 6);  // K
    EXPECT_EQ(host.TakeMessages(), std::vector<std::string>{Msg(kHole, SettingMessage::KGrade)});
    EXPECT_EQ(Position(kHoleGradeSlider), 3);
    EXPECT_EQ(Text(kHoleDeviation), "10 / -23 μm");  // K8 over 18 up to 30 mm
    EXPECT_FALSE(Enabled(kHoleGradeMarks[7]));
    Slide(kHoleLetterSlider, 4);  // H
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_TRUE(Enabled(kHoleGradeMarks[7]));
}

TEST_F(MainModelTest, TheShaftHasNoGradeRules) {
    SeparateShaft();
    Slide(kShaftLetterSlider, 6);  // k
    Slide(kShaftGradeSlider, 7);   // 12
    Set(kShaftBasicSize, "50");
    Slide(kShaftLetterSlider, 8);  // n
    Set(kShaftBasicSize, "1");
    EXPECT_TRUE(host.Messages().empty());
    for (int mark : {kShaftGradeMarks[4], kShaftGradeMarks[5], kShaftGradeMarks[6], kShaftGradeMarks[7]})
        EXPECT_TRUE(Enabled(mark));
    EXPECT_EQ(Position(kShaftGradeSlider), 7);
}

TEST_F(MainModelTest, GeneralModeUnderHalfAMillimetreSwitchesToFreeAndShowsNoFit) {
    SeparateShaft();
    Set(kShaftBasicSize, "25");
    Type(kHoleBasicSize, "25");
    Click(kHoleGeneralRadio);
    const std::vector<std::string> fitBefore = FitTexts();
    ASSERT_NE(fitBefore[0], "");
    host.TakeMessages();
    Set(kHoleBasicSize, "0.3");
    EXPECT_EQ(host.TakeMessages(), std::vector<std::string>{Msg(kHole, SettingMessage::GeneralSizeUnder05)});
    EXPECT_TRUE(Checked(kHoleFreeRadio));
    EXPECT_EQ(FeatureTexts(kHole), kFeaturePlaceholders);
    EXPECT_EQ(FitTexts(), kFitPlaceholders);  // not the fit of the hole's earlier limit sizes
    EXPECT_FALSE(model.Feature(kHole).hasLimits);
    EXPECT_EQ(model.Focus(), kHoleFreeFirst);
    EXPECT_TRUE(Enabled(kHoleFreeFirst));
    EXPECT_FALSE(Enabled(kHoleClassScroll));
    // fit mode afterwards works with the size range of 0.3 mm
    Click(kHoleFitRadio);
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_EQ(Text(kHoleDeviation), "24 / 20 μm");  // D5 up to 3 mm
}

// A general-size refusal ends the handler with the feature's placeholders
// up; the fit must not be worked out from the limit sizes it had before, nor
// be copied.
struct GeneralRefusal {
    const char* name;
    bool shaftFollows;
    std::vector<std::pair<int, std::string>> edits;  // applied in turn after hole general mode
    std::vector<std::string> lastMessages;
};

class GeneralRefusalTest : public MainModelTest, public ::testing::WithParamInterface<GeneralRefusal> {};

TEST_P(GeneralRefusalTest, LeavesTheFitPlaceholdersAndNothingToCopy) {
    const GeneralRefusal& r = GetParam();
    if (!r.shaftFollows) {
        SeparateShaft();
        Set(kShaftBasicSize, "25");
    }
    Click(kHoleGeneralRadio);
    for (std::size_t i = 0; i + 1 < r.edits.size(); ++i) Set(r.edits[i].first, r.edits[i].second);
    ASSERT_NE(Text(kFitKindLabel), "");  // a fit before the refusal
    host.TakeMessages();
    Set(r.edits.back().first, r.edits.back().second);
    EXPECT_EQ(host.TakeMessages(), r.lastMessages);
    EXPECT_TRUE(Checked(kHoleFreeRadio));
    EXPECT_EQ(FeatureTexts(kHole), kFeaturePlaceholders);
    EXPECT_FALSE(model.Feature(kHole).hasLimits);
    EXPECT_EQ(FitTexts(), kFitPlaceholders);
    EXPECT_FALSE(model.FitKindLabelColors().has_value());
    Click(kCopyButton);
    EXPECT_EQ(host.TakeMessages(), std::vector<std::string>{std::string(ja::kNothingToCopyMessage)});
    // the next completed evaluation of the hole brings the fit back
    Set(kHoleBasicSize, "25");
    EXPECT_TRUE(model.Feature(kHole).hasLimits);
}

INSTANTIATE_TEST_SUITE_P(Scripts, GeneralRefusalTest,
                         ::testing::Values(GeneralRefusal{"over_4000_by_overflow",
                                                          false,
                                                          {{kHoleBasicSize, "25"}, {kHoleBasicSize, "1e400"}},
                                                          {Msg(kHole, SettingMessage::GeneralSizeOver4000)}},
                                           GeneralRefusal{"under_half_a_millimetre",
                                                          false,
                                                          {{kHoleBasicSize, "25"}, {kHoleBasicSize, "0.3"}},
                                                          {Msg(kHole, SettingMessage::GeneralSizeUnder05)}},
                                           GeneralRefusal{"following_shaft_refused_first",
                                                          true,
                                                          {{kHoleBasicSize, "25"}, {kHoleBasicSize, "5000"}},
                                                          {Msg(kShaft, SettingMessage::FitSizeOver120),
                                                           Msg(kHole, SettingMessage::GeneralSizeOver4000)}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainModelTest, GeneralModeLimitsAreHalfAMillimetreAnd4000) {
    Click(kHoleGeneralRadio);
    Set(kHoleBasicSize, "0.5");
    EXPECT_TRUE(host.TakeMessages().empty());
    EXPECT_EQ(Text(kHoleDeviation), "±0.05 mm");
    Set(kHoleBasicSize, "0");
    EXPECT_TRUE(host.TakeMessages().empty());
    EXPECT_EQ(FeatureTexts(kHole), kFeaturePlaceholders);
    Set(kHoleBasicSize, "4000");  // passes the limit, but 精級 is not defined there
    EXPECT_EQ(host.TakeMessages(), (std::vector<std::string>{Msg(kShaft, SettingMessage::FitSizeOver120),
                                                             Msg(kHole, SettingMessage::FineClass)}));
    EXPECT_EQ(Text(kHoleClassLabel), "中級");
    EXPECT_EQ(Text(kHoleDeviation), "±2 mm");
    Set(kHoleBasicSize, "5000");
    EXPECT_EQ(host.TakeMessages(), std::vector<std::string>{Msg(kHole, SettingMessage::GeneralSizeOver4000)});
    EXPECT_TRUE(Checked(kHoleFreeRadio));
}

TEST_F(MainModelTest, VeryCoarseClassUpTo3mmIsCorrectedWithAMessageWhenTheSizeChanges) {
    Click(kHoleGeneralRadio);
    Set(kHoleBasicSize, "10");
    for (int i = 0; i < 3; ++i) Scroll(kHoleClassScroll, ScrollCode::LineDown);
    EXPECT_EQ(Text(kHoleClassLabel), "極粗級");
    EXPECT_EQ(Text(kHoleDeviation), "±1 mm");
    host.TakeMessages();
    Set(kHoleBasicSize, "2");
    EXPECT_EQ(host.TakeMessages(), std::vector<std::string>{Msg(kHole, SettingMessage::VeryCoarseClass)});
    EXPECT_EQ(Text(kHoleClassLabel), "粗級");
    EXPECT_EQ(model.Feature(kHole).generalClass, 2);
    EXPECT_EQ(Text(kHoleDeviation), "±0.2 mm");
    // an emptied size counts as 0, which lies in the first range
    Set(kHoleBasicSize, "10");
    Scroll(kHoleClassScroll, ScrollCode::LineDown);
    host.TakeMessages();
    Set(kHoleBasicSize, "");
    EXPECT_EQ(host.TakeMessages(), std::vector<std::string>{Msg(kHole, SettingMessage::VeryCoarseClass)});
    EXPECT_EQ(Text(kHoleClassLabel), "粗級");
}

TEST_F(MainModelTest, TheGeneralRadioCorrectsAnUndefinedClassSilently) {
    Set(kHoleBasicSize, "3000");
    host.TakeMessages();  // fit mode over 120 mm: free input now
    Click(kHoleGeneralRadio);
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_EQ(Text(kHoleClassLabel), "中級");
    EXPECT_EQ(Text(kHoleDeviation), "±2 mm");
}

TEST_F(MainModelTest, AClassStepOntoAnUndefinedClassIsReportedOnceAtTheRelease) {
    Click(kHoleGeneralRadio);
    Set(kHoleBasicSize, "2");
    Scroll(kHoleClassScroll, ScrollCode::LineDown);
    Scroll(kHoleClassScroll, ScrollCode::LineDown);
    EXPECT_EQ(Text(kHoleClassLabel), "粗級");
    host.TakeMessages();
    for (int click = 0; click < 2; ++click) {
        model.OnClassScroll(kHoleClassScroll, ScrollCode::LineDown);
        EXPECT_TRUE(host.Messages().empty());
        EXPECT_EQ(Text(kHoleClassLabel), "極粗級");  // the label already shows the step
        model.OnClassScroll(kHoleClassScroll, ScrollCode::EndScroll);
        EXPECT_EQ(host.TakeMessages(), std::vector<std::string>{Msg(kHole, SettingMessage::VeryCoarseClass)});
        EXPECT_EQ(Text(kHoleClassLabel), "粗級");
        EXPECT_EQ(Text(kHoleDeviation), "±0.2 mm");
    }
}

TEST_F(MainModelTest, TheClassStaysBetweenFineAndVeryCoarse) {
    Click(kShaftGeneralRadio);
    SeparateShaft();
    Set(kShaftBasicSize, "100");
    for (int i = 0; i < 6; ++i) Scroll(kShaftClassScroll, ScrollCode::LineUp);
    EXPECT_EQ(Text(kShaftClassLabel), "精級");
    for (int i = 0; i < 9; ++i) Scroll(kShaftClassScroll, ScrollCode::LineDown);
    EXPECT_EQ(Text(kShaftClassLabel), "極粗級");
    EXPECT_EQ(Text(kShaftDeviation), "±1.5 mm");
    model.OnClassScroll(kShaftClassScroll, ScrollCode::PageUp);
    EXPECT_EQ(Text(kShaftClassLabel), "極粗級");
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(MainModelTest, AnUndefinedClassReachedByARawStepShowsPlaceholdersNotMarkers) {
    SeparateShaft();
    Set(kShaftBasicSize, "2");
    Click(kHoleGeneralRadio);
    Set(kHoleBasicSize, "2");
    Scroll(kHoleClassScroll, ScrollCode::LineDown);
    Scroll(kHoleClassScroll, ScrollCode::LineDown);
    ASSERT_EQ(FitTexts()[0], "中間ばめ");
    model.OnClassScroll(kHoleClassScroll, ScrollCode::LineDown);  // no release follows
    model.OnEnter();
    EXPECT_EQ(FeatureTexts(kHole), kFeaturePlaceholders);
    EXPECT_EQ(FitTexts(), kFitPlaceholders);
    for (const ControlState& c : model.Controls().All())
        EXPECT_EQ(c.text.find("999"), std::string::npos) << c.id;
}

TEST_F(MainModelTest, ALowerLimitSizeOfZeroOrBelowIsWarnedAfterEachEvaluation) {
    Slide(kHoleLetterSlider, 9);  // P
    Slide(kHoleGradeSlider, 2);   // 7
    Set(kHoleBasicSize, "0.01");
    // the shaft (d5) evaluates first
    EXPECT_EQ(host.TakeMessages(), (std::vector<std::string>{Msg(kShaft, SettingMessage::NonPositiveLimit),
                                                             Msg(kHole, SettingMessage::NonPositiveLimit)}));
    EXPECT_EQ(Text(kHoleLimitSizes), "φ-0.0060 ～ 0.0040 mm");
    // a slider reporting its unchanged position re-evaluates nothing
    Slide(kHoleGradeSlider, 2);
    EXPECT_TRUE(host.Messages().empty());
    // Enter re-evaluates both, and the warnings come again
    model.OnFocus(kExitButton);
    model.OnEnter();
    EXPECT_EQ(host.TakeMessages().size(), 2u);
    EXPECT_FALSE(model.Ended().has_value());
    EXPECT_EQ(Text(kHoleBasicSize), "0.01");
}

TEST_F(MainModelTest, AShaftSliderReevaluatesTheHoleFirst) {
    SeparateShaft();
    Slide(kHoleLetterSlider, 9);
    Set(kHoleBasicSize, "0.01");
    Set(kShaftBasicSize, "40");
    host.TakeMessages();
    Slide(kShaftLetterSlider, 4);
    EXPECT_EQ(host.TakeMessages(), std::vector<std::string>{Msg(kHole, SettingMessage::NonPositiveLimit)});
    EXPECT_EQ(Text(kShaftDeviation), "0 / -11 μm");
}

struct EnableCase {
    bool hole;
    int radio;
    bool fit;
    bool general;
    bool free;
};

class PanelEnableTest : public MainModelTest, public ::testing::WithParamInterface<EnableCase> {};

TEST_P(PanelEnableTest, EnablesOnlyTheControlsOfTheSelectedMode) {
    const EnableCase& c = GetParam();
    const bool hole = c.hole;
    Click(c.radio);
    const std::vector<int> fitControls =
        hole ? std::vector<int>{kHoleLetterSlider,  kHoleGradeSlider,    kHoleLetterCaption,
                                kHoleGradeCaption,  kHoleLetterMarks[0], kHoleLetterMarks[9],
                                kHoleGradeMarks[0], kHoleGradeMarks[3],  kHoleGradeMarks[4],
                                kHoleGradeMarks[7]}
             : std::vector<int>{kShaftLetterSlider,  kShaftGradeSlider,    kShaftLetterCaption,
                                kShaftGradeCaption,  kShaftLetterMarks[0], kShaftLetterMarks[9],
                                kShaftGradeMarks[0], kShaftGradeMarks[3],  kShaftGradeMarks[4],
                                kShaftGradeMarks[7]};
    const std::vector<int> generalControls = hole ? std::vector<int>{kHoleClassLabel, kHoleClassScroll}
                                                  : std::vector<int>{kShaftClassLabel, kShaftClassScroll};
    const std::vector<int> freeControls =
        hole ? std::vector<int>{kHoleFreeFirst, kHoleFreeSecond, kHoleFreeFirstUnit, kHoleFreeSecondUnit}
             : std::vector<int>{kShaftFreeFirst, kShaftFreeSecond, kShaftFreeFirstUnit, kShaftFreeSecondUnit};
    for (int id : fitControls) EXPECT_EQ(Enabled(id), c.fit) << id;
    for (int id : generalControls) EXPECT_EQ(Enabled(id), c.general) << id;
    for (int id : freeControls) EXPECT_EQ(Enabled(id), c.free) << id;
    // the radios, the size edit and the results stay as they are
    for (int id : {kHoleFitRadio, kHoleGeneralRadio, kHoleFreeRadio, kShaftFitRadio, kShaftGeneralRadio,
                   kShaftFreeRadio, kHoleBasicSize, kHoleDeviation, kShaftDeviation})
        EXPECT_TRUE(Enabled(id)) << id;
}

INSTANTIATE_TEST_SUITE_P(Modes, PanelEnableTest,
                         ::testing::Values(EnableCase{true, kHoleFitRadio, true, false, false},
                                           EnableCase{true, kHoleGeneralRadio, false, true, false},
                                           EnableCase{true, kHoleFreeRadio, false, false, true},
                                           EnableCase{false, kShaftFitRadio, true, false, false},
                                           EnableCase{false, kShaftGeneralRadio, false, true, false},
                                           EnableCase{false, kShaftFreeRadio, false, false, true}));

TEST_F(MainModelTest, TheFreeRadioMovesTheFocusToTheFirstEntry) {
    Click(kShaftFreeRadio);
    EXPECT_EQ(model.Focus(), kShaftFreeFirst);
    SeparateShaft();
    Set(kShaftBasicSize, "40");
    Type(kShaftFreeFirst, "-0.01");
    Type(kShaftFreeSecond, "+0.02");
    EXPECT_EQ(Text(kShaftDeviation), "+0.02 / -0.01 mm");
}

TEST_F(MainModelTest, UncheckingTheSameSizeBoxFreesTheShaftsEditAndRecheckingCopiesTheHoles) {
    Type(kHoleBasicSize, "25");
    const std::vector<std::string> shaft = FeatureTexts(kShaft);
    Click(kSameBasicSize);
    EXPECT_TRUE(Enabled(kShaftBasicSize));
    EXPECT_EQ(model.Focus(), kShaftBasicSize);
    EXPECT_EQ(model.TakeSelectAllRequest(), kShaftBasicSize);
    EXPECT_FALSE(model.TakeSelectAllRequest().has_value());
    EXPECT_EQ(FeatureTexts(kShaft), shaft);
    Set(kShaftBasicSize, "30");
    Type(kHoleBasicSize, "0");  // 250: the shaft does not follow
    EXPECT_EQ(Text(kShaftBasicSize), "30");
    host.TakeMessages();
    Set(kHoleBasicSize, "40");
    Click(kSameBasicSize);
    EXPECT_FALSE(Enabled(kShaftBasicSize));
    EXPECT_EQ(Text(kShaftBasicSize), "40");
    EXPECT_EQ(Text(kShaftDeviation), "-80 / -91 μm");  // d5 over 30 up to 50 mm
}

TEST_F(MainModelTest, ANegativeBasicSizeGivesNoFit) {
    SeparateShaft();
    Set(kShaftBasicSize, "25");
    Set(kHoleBasicSize, "25");
    ASSERT_EQ(FitTexts()[0], "すきまばめ");  // D5 with d5
    Set(kHoleBasicSize, "-25");
    EXPECT_EQ(FeatureTexts(kHole), kFeaturePlaceholders);
    EXPECT_EQ(FitTexts(), kFitPlaceholders);
}

TEST_F(MainModelTest, EscapeTheCloseCommandAndTheExitButtonEndTheWindow) {
    {
        RecordingHost h;
        MainModel m(h, noHelp);
        m.OnEscape();
        EXPECT_EQ(m.Ended(), EndResult::Cancel);
        m.OnEditChanged(kHoleBasicSize, "25");  // nothing happens after the end
        EXPECT_EQ(m.Controls().At(kHoleBasicSize).text, "");
    }
    {
        RecordingHost h;
        MainModel m(h, noHelp);
        m.OnSystemCommand(0xF060);
        EXPECT_EQ(m.Ended(), EndResult::Cancel);
    }
    Click(kExitButton);
    EXPECT_EQ(model.Ended(), EndResult::Ok);
}

TEST_F(MainModelTest, SystemCommands0x10To0x1FOpenTheAboutBox) {
    model.OnSystemCommand(0x10);
    model.OnSystemCommand(0x1F);
    model.OnSystemCommand(0x20);
    model.OnSystemCommand(0xF010);  // move
    EXPECT_EQ(host.AboutBoxes(), 2);
    EXPECT_FALSE(model.Ended().has_value());
}

TEST_F(MainModelTest, UserActionsOnControlsThatCannotTakeThemAreIgnored) {
    model.OnEditChanged(kShaftBasicSize, "99");  // disabled
    model.OnEditChanged(kHoleDeviation, "99");   // read-only
    constexpr int kNoSuchControl = 4242;
    model.OnEditChanged(kNoSuchControl, "99");
    model.OnClicked(kNoSuchControl);
    model.OnSliderPosition(kHoleGradeSlider, 99);
    EXPECT_EQ(Position(kHoleGradeSlider), 7);                     // clamped to the slider's range
    model.OnClassScroll(kHoleClassScroll, ScrollCode::LineDown);  // disabled in fit mode
    EXPECT_EQ(Text(kShaftBasicSize), "");
    EXPECT_EQ(Text(kHoleDeviation), " -");
    EXPECT_EQ(Text(kHoleClassLabel), "精級");
    model.OnFocus(kHoleClassLabel);  // a static takes no focus
    model.OnFocus(kShaftBasicSize);  // nor a disabled edit
    EXPECT_EQ(model.Focus(), kHoleBasicSize);
}

// ---- help ----

class HelpTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root = std::filesystem::temp_directory_path() /
               ("tolvo-help-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        for (const char* name : {"bin", "share", "work"}) std::filesystem::create_directories(root / name);
        search = FolderHelpSearch({root / "bin", root / "share", root / "work"}, "tolvo");
    }
    void TearDown() override { std::filesystem::remove_all(root); }
    void PutDocument(const char* folder) { std::ofstream(root / folder / "Tolvo.html") << "<html></html>"; }

    std::filesystem::path root;
    FolderHelpSearch search{{}, "tolvo"};
    RecordingHost host;
};

TEST_F(HelpTest, OpensTheFirstDocumentFoundInSearchOrder) {
    PutDocument("share");
    PutDocument("work");
    MainModel model(host, search);
    model.OnHelp();
    ASSERT_EQ(host.OpenedFiles().size(), 1u);
    EXPECT_EQ(host.OpenedFiles()[0], root / "share" / "Tolvo.html");
    PutDocument("bin");
    model.OnClicked(kHelpButton);
    ASSERT_EQ(host.OpenedFiles().size(), 2u);
    EXPECT_EQ(host.OpenedFiles()[1], root / "bin" / "Tolvo.html");
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(HelpTest, SaysWhereToPutTheDocumentWhenItIsMissingOrCannotBeOpened) {
    const std::string expected =
        "エラー：Tolvo.htmlが見つかりません．\nヘルプファイルはtolvoと同じフォルダに保存して下さい．";
    MainModel model(host, search);
    model.OnHelp();
    EXPECT_TRUE(host.OpenedFiles().empty());
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].text, expected);
    EXPECT_EQ(host.Messages()[0].caption, ja::kMessageCaption);
    PutDocument("work");
    host.openSucceeds = false;
    model.OnHelp();
    EXPECT_EQ(host.OpenedFiles().size(), 1u);
    ASSERT_EQ(host.Messages().size(), 2u);
    EXPECT_EQ(host.Messages()[1].text, expected);
}

// While a refusal's message is shown the window has already been mirrored:
// the diagram and the callout then still show the setting the limit sizes
// belong to, never the refused size with the old limits (φ250 drawn with the
// limits of φ25 was seen).
TEST(MainModelMessageTime, DiagramAndCalloutNeverMixANewSettingWithOldLimits) {
    struct Host : RecordingHost {
        const MainModel* model = nullptr;
        std::vector<ZoneDiagramInput> diagrams;
        std::vector<std::optional<std::string>> callouts;
        void ShowMessage(std::string_view caption, std::string_view text) override {
            RecordingHost::ShowMessage(caption, text);
            diagrams.push_back(model->ZoneInput());
            callouts.push_back(model->PairCallout());
        }
    } host;
    const FolderHelpSearch noHelp{{}, "tolvo"};
    MainModel model(host, noHelp);
    host.model = &model;
    model.OnFocus(kHoleBasicSize);
    TypeKeys(model, "25");
    const std::optional<std::string> before = model.PairCallout();
    ASSERT_TRUE(before);
    TypeKeys(model, "0");  // 250: over 120 mm in fit mode, refused on both sides
    ASSERT_FALSE(host.diagrams.empty());
    for (const ZoneDiagramInput& input : host.diagrams) {
        for (const std::optional<ZoneFeature>& f : {input.hole, input.shaft}) {
            if (!f) continue;
            EXPECT_LT(std::abs(f->upperLimit - f->basicSize), 1.0) << f->basicSize;
            EXPECT_LT(std::abs(f->lowerLimit - f->basicSize), 1.0) << f->basicSize;
        }
    }
    for (const std::optional<std::string>& callout : host.callouts) {
        if (callout) {
            EXPECT_EQ(*callout, *before);
        }
    }
}

}  // namespace
}  // namespace tolvo
