#include "ui/main_model.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/messages.h"
#include "tests/ui/recording_host.h"

namespace tolvo {
namespace {

using testing::RecordingHost;

constexpr FeatureKind kHole = FeatureKind::Hole;
constexpr FeatureKind kShaft = FeatureKind::Shaft;

std::string Msg(FeatureKind kind, SettingMessage message) {
    return SettingMessageText(kind, message);
}

// Drives the model as a user does: a click or a keystroke goes where the
// focus is, exactly as in the window.
class MainModelTest : public ::testing::Test {
  protected:
    MainModelTest() : model(host, HelpSearch{{}, "tolvo"}) {}

    // One keystroke per character, each into the edit that has the focus then.
    void Type(int id, const std::string& text) {
        model.OnFocus(id);
        for (char c : text) {
            const int target = model.Focus();
            model.OnEditChanged(target, model.Controls().At(target).text + c);
        }
    }
    void Set(int id, const std::string& text) {
        model.OnFocus(id);
        model.OnEditChanged(id, text);
    }
    void Click(int id) {
        model.OnFocus(id);
        model.OnClicked(id);
    }
    void Slide(int id, int position) {
        model.OnFocus(id);
        model.OnSliderPosition(id, position);
    }
    void Scroll(int id, ScrollCode code) {
        model.OnFocus(id);
        model.OnClassScroll(id, code);
        model.OnClassScroll(id, ScrollCode::EndScroll);
    }
    const std::string& Text(int id) const { return model.Controls().At(id).text; }
    bool Enabled(int id) const { return model.Controls().At(id).enabled; }
    bool Checked(int id) const { return model.Controls().At(id).checked; }
    int Position(int id) const { return model.Controls().At(id).position; }
    std::vector<std::string> FeatureTexts(FeatureKind kind) const {
        if (kind == kHole) return {Text(1009), Text(1010), Text(1008), Text(1016)};
        return {Text(1114), Text(1115), Text(1113), Text(1039)};
    }
    std::vector<std::string> FitTexts() const {
        return {Text(1057), Text(1007), Text(1014), Text(1013), Text(1015), Text(1041)};
    }
    // Both panels apart: the shaft no longer follows the hole.
    void SeparateShaft() {
        Click(MainModel::kSameBasicSize);
        host.TakeMessages();
    }

    RecordingHost host;
    MainModel model;
};

const std::vector<std::string> kFeaturePlaceholders = {" -", " -", " -", " - ）"};
const std::vector<std::string> kFitPlaceholders = {"", "- ：", "-", "- ：", "-", "- )"};

TEST_F(MainModelTest, StartsInFitModeWithPlaceholdersAndTheFocusInTheHolesSize) {
    EXPECT_EQ(model.Focus(), 1003);
    EXPECT_TRUE(Checked(1000));
    EXPECT_TRUE(Checked(1084));
    EXPECT_FALSE(Checked(1001) || Checked(1002) || Checked(1087) || Checked(1089));
    EXPECT_TRUE(Checked(1038));
    EXPECT_FALSE(Enabled(1017));
    EXPECT_EQ(Text(1017), "");
    for (int slider : {1004, 1005, 1085, 1086}) EXPECT_EQ(Position(slider), 0);
    EXPECT_EQ(model.Controls().At(1004).maximum, 9);
    EXPECT_EQ(model.Controls().At(1086).maximum, 7);
    EXPECT_EQ(Text(1044), "精級");
    EXPECT_EQ(Text(1117), "精級");
    EXPECT_EQ(FeatureTexts(kHole), kFeaturePlaceholders);
    EXPECT_EQ(FeatureTexts(kShaft), kFeaturePlaceholders);
    EXPECT_EQ(FitTexts(), kFitPlaceholders);
    EXPECT_FALSE(model.FitKindLabelColors().has_value());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(model.Report(), DefaultReportOptions());
}

TEST_F(MainModelTest, OneKeystrokeEvaluatesTheShaftTheHoleAndTheFit) {
    Slide(1004, 4);  // H
    Slide(1005, 2);  // 7
    Slide(1085, 3);  // g
    Slide(1086, 1);  // 6
    Type(1003, "2");
    EXPECT_EQ(Text(1009), "10 / 0 μm");
    EXPECT_EQ(Text(1114), "-2 / -8 μm");
    Type(1003, "5");
    EXPECT_EQ(Text(1017), "25");
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
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(MainModelTest, FitModeOver120SwitchesToFreeInputAndTakesTheFocusThere) {
    SeparateShaft();
    Type(1003, "15");
    EXPECT_TRUE(host.messages.empty());
    Type(1003, "0");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, "Tolvo  Ver 1.10");
    EXPECT_EQ(host.messages[0].text, Msg(kHole, SettingMessage::FitSizeOver120));
    EXPECT_TRUE(Checked(1002));
    EXPECT_FALSE(Checked(1000) || Checked(1001));
    EXPECT_EQ(FeatureTexts(kHole),
              (std::vector<std::string>{"0 / 0 mm", "0 mm", "φ150 ～ 150 mm", "φ150 ± 0 mm  ）"}));
    EXPECT_EQ(model.Focus(), 1011);
    EXPECT_TRUE(Enabled(1011));
    EXPECT_FALSE(Enabled(1004));
    // further keystrokes go into the free-input edit
    Type(model.Focus(), "1");
    EXPECT_EQ(Text(1011), "1");
    EXPECT_EQ(Text(1003), "150");
}

TEST_F(MainModelTest, Exactly120StaysInFitMode) {
    SeparateShaft();
    Type(1003, "120");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(Checked(1000));
    EXPECT_EQ(Text(1009), "135 / 120 μm");  // D5 over 80 up to 120 mm
}

TEST_F(MainModelTest, WithTheSameBasicSizeTheShaftsMessageComesFirst) {
    Type(1003, "1500");
    EXPECT_EQ(host.TakeMessages(), (std::vector<std::string>{Msg(kShaft, SettingMessage::FitSizeOver120),
                                                             Msg(kHole, SettingMessage::FitSizeOver120)}));
    EXPECT_EQ(Text(1003), "150");
    EXPECT_EQ(Text(1017), "150");
    EXPECT_EQ(Text(1011), "0");  // the last keystroke went where the focus had moved
    EXPECT_TRUE(Checked(1002));
    EXPECT_TRUE(Checked(1089));
}

TEST_F(MainModelTest, HoleKAboveGrade8Over3mmIsRefusedAndSetToGrade8) {
    Slide(1004, 6);  // K
    Slide(1005, 7);  // 12
    Type(1003, "1");
    EXPECT_TRUE(host.messages.empty());
    Type(1003, "0");
    EXPECT_EQ(host.TakeMessages(), std::vector<std::string>{Msg(kHole, SettingMessage::KGrade)});
    EXPECT_EQ(Position(1005), 3);
    EXPECT_EQ(model.Feature(kHole).gradeIndex, 3);
    EXPECT_EQ(Text(1009), "6 / -16 μm");  // K8 over 6 up to 10 mm
    for (int mark : {1034, 1035, 1036, 1037}) EXPECT_FALSE(Enabled(mark)) << mark;
    for (int mark : {1047, 1043, 1032, 1033}) EXPECT_TRUE(Enabled(mark)) << mark;
    // the shaft's grade marks are never greyed
    for (int mark : {1107, 1108, 1109, 1110}) EXPECT_TRUE(Enabled(mark)) << mark;
}

TEST_F(MainModelTest, HoleK12IsAllowedAt3mm) {
    Slide(1004, 6);
    Slide(1005, 7);
    Type(1003, "3");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(Text(1009), "0 / -100 μm");
    EXPECT_TRUE(Enabled(1037));
}

TEST_F(MainModelTest, HoleNAboveGrade8UpTo1mmIsRefused) {
    Slide(1004, 8);  // N
    Slide(1005, 5);  // 10
    Type(1003, "2");
    EXPECT_TRUE(host.messages.empty());
    Set(1003, "0");
    EXPECT_TRUE(host.messages.empty());
    Set(1003, "1");
    EXPECT_EQ(host.TakeMessages(), std::vector<std::string>{Msg(kHole, SettingMessage::NGrade)});
    EXPECT_EQ(Position(1005), 3);
    Slide(1005, 4);  // grade 9 at 1 mm, moved by the slider
    EXPECT_EQ(host.TakeMessages(), std::vector<std::string>{Msg(kHole, SettingMessage::NGrade)});
    EXPECT_EQ(Position(1005), 3);
    Set(1003, "0.5");
    EXPECT_TRUE(host.messages.empty());  // grade 8 now: restricted, not violated
    for (int mark : {1034, 1035, 1036, 1037}) EXPECT_FALSE(Enabled(mark)) << mark;
}

TEST_F(MainModelTest, MovingTheLetterOntoKRefusesGrade11AndBackOntoHFreesIt) {
    Slide(1005, 6);  // 11
    Type(1003, "20");
    Slide(1004, 6);  // K
    EXPECT_EQ(host.TakeMessages(), std::vector<std::string>{Msg(kHole, SettingMessage::KGrade)});
    EXPECT_EQ(Position(1005), 3);
    EXPECT_EQ(Text(1009), "10 / -23 μm");  // K8 over 18 up to 30 mm
    EXPECT_FALSE(Enabled(1037));
    Slide(1004, 4);  // H
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(Enabled(1037));
}

TEST_F(MainModelTest, TheShaftHasNoGradeRules) {
    SeparateShaft();
    Slide(1085, 6);  // k
    Slide(1086, 7);  // 12
    Set(1017, "50");
    Slide(1085, 8);  // n
    Set(1017, "1");
    EXPECT_TRUE(host.messages.empty());
    for (int mark : {1107, 1108, 1109, 1110}) EXPECT_TRUE(Enabled(mark));
    EXPECT_EQ(Position(1086), 7);
}

TEST_F(MainModelTest, GeneralModeUnderHalfAMillimetreSwitchesToFreeAndKeepsTheFit) {
    SeparateShaft();
    Set(1017, "25");
    Type(1003, "25");
    Click(1001);
    const std::vector<std::string> fitBefore = FitTexts();
    ASSERT_NE(fitBefore[0], "");
    host.TakeMessages();
    Set(1003, "0.3");
    EXPECT_EQ(host.TakeMessages(), std::vector<std::string>{Msg(kHole, SettingMessage::GeneralSizeUnder05)});
    EXPECT_TRUE(Checked(1002));
    EXPECT_EQ(FeatureTexts(kHole), kFeaturePlaceholders);
    EXPECT_EQ(FitTexts(), fitBefore);
    EXPECT_EQ(model.Focus(), 1011);
    EXPECT_TRUE(Enabled(1011));
    EXPECT_FALSE(Enabled(1042));
    // fit mode afterwards works with the size range of 0.3 mm
    Click(1000);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(Text(1009), "24 / 20 μm");  // D5 up to 3 mm
}

TEST_F(MainModelTest, GeneralModeLimitsAreHalfAMillimetreAnd4000) {
    Click(1001);
    Set(1003, "0.5");
    EXPECT_TRUE(host.TakeMessages().empty());
    EXPECT_EQ(Text(1009), "±0.05 mm");
    Set(1003, "0");
    EXPECT_TRUE(host.TakeMessages().empty());
    EXPECT_EQ(FeatureTexts(kHole), kFeaturePlaceholders);
    Set(1003, "4000");  // passes the limit, but 精級 is not defined there
    EXPECT_EQ(host.TakeMessages(), (std::vector<std::string>{Msg(kShaft, SettingMessage::FitSizeOver120),
                                                             Msg(kHole, SettingMessage::FineClass)}));
    EXPECT_EQ(Text(1044), "中級");
    EXPECT_EQ(Text(1009), "±2 mm");
    Set(1003, "5000");
    EXPECT_EQ(host.TakeMessages(), std::vector<std::string>{Msg(kHole, SettingMessage::GeneralSizeOver4000)});
    EXPECT_TRUE(Checked(1002));
}

TEST_F(MainModelTest, VeryCoarseClassUpTo3mmIsCorrectedWithAMessageWhenTheSizeChanges) {
    Click(1001);
    Set(1003, "10");
    for (int i = 0; i < 3; ++i) Scroll(1042, ScrollCode::LineDown);
    EXPECT_EQ(Text(1044), "極粗級");
    EXPECT_EQ(Text(1009), "±1 mm");
    host.TakeMessages();
    Set(1003, "2");
    EXPECT_EQ(host.TakeMessages(), std::vector<std::string>{Msg(kHole, SettingMessage::VeryCoarseClass)});
    EXPECT_EQ(Text(1044), "粗級");
    EXPECT_EQ(model.Feature(kHole).generalClass, 2);
    EXPECT_EQ(Text(1009), "±0.2 mm");
    // an emptied size counts as 0, which lies in the first range
    Set(1003, "10");
    Scroll(1042, ScrollCode::LineDown);
    host.TakeMessages();
    Set(1003, "");
    EXPECT_EQ(host.TakeMessages(), std::vector<std::string>{Msg(kHole, SettingMessage::VeryCoarseClass)});
    EXPECT_EQ(Text(1044), "粗級");
}

TEST_F(MainModelTest, TheGeneralRadioCorrectsAnUndefinedClassSilently) {
    Set(1003, "3000");
    host.TakeMessages();  // fit mode over 120 mm: free input now
    Click(1001);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(Text(1044), "中級");
    EXPECT_EQ(Text(1009), "±2 mm");
}

TEST_F(MainModelTest, AClassStepOntoAnUndefinedClassIsReportedOnceAtTheRelease) {
    Click(1001);
    Set(1003, "2");
    Scroll(1042, ScrollCode::LineDown);
    Scroll(1042, ScrollCode::LineDown);
    EXPECT_EQ(Text(1044), "粗級");
    host.TakeMessages();
    for (int click = 0; click < 2; ++click) {
        model.OnClassScroll(1042, ScrollCode::LineDown);
        EXPECT_TRUE(host.messages.empty());
        EXPECT_EQ(Text(1044), "極粗級");  // the label already shows the step
        model.OnClassScroll(1042, ScrollCode::EndScroll);
        EXPECT_EQ(host.TakeMessages(), std::vector<std::string>{Msg(kHole, SettingMessage::VeryCoarseClass)});
        EXPECT_EQ(Text(1044), "粗級");
        EXPECT_EQ(Text(1009), "±0.2 mm");
    }
}

TEST_F(MainModelTest, TheClassStaysBetweenFineAndVeryCoarse) {
    Click(1087);
    SeparateShaft();
    Set(1017, "100");
    for (int i = 0; i < 6; ++i) Scroll(1088, ScrollCode::LineUp);
    EXPECT_EQ(Text(1117), "精級");
    for (int i = 0; i < 9; ++i) Scroll(1088, ScrollCode::LineDown);
    EXPECT_EQ(Text(1117), "極粗級");
    EXPECT_EQ(Text(1114), "±1.5 mm");
    model.OnClassScroll(1088, ScrollCode::PageUp);
    EXPECT_EQ(Text(1117), "極粗級");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(MainModelTest, AnUndefinedClassReachedByARawStepShowsPlaceholdersNotMarkers) {
    SeparateShaft();
    Set(1017, "2");
    Click(1001);
    Set(1003, "2");
    Scroll(1042, ScrollCode::LineDown);
    Scroll(1042, ScrollCode::LineDown);
    ASSERT_EQ(FitTexts()[0], "中間ばめ");
    model.OnClassScroll(1042, ScrollCode::LineDown);  // no release follows
    model.OnEnter();
    EXPECT_EQ(FeatureTexts(kHole), kFeaturePlaceholders);
    EXPECT_EQ(FitTexts(), kFitPlaceholders);
    for (const ControlState& c : model.Controls().All())
        EXPECT_EQ(c.text.find("999"), std::string::npos) << c.id;
}

TEST_F(MainModelTest, ALowerLimitSizeOfZeroOrBelowIsWarnedAfterEachEvaluation) {
    Slide(1004, 9);  // P
    Slide(1005, 2);  // 7
    Set(1003, "0.01");
    // the shaft (d5) evaluates first
    EXPECT_EQ(host.TakeMessages(), (std::vector<std::string>{Msg(kShaft, SettingMessage::NonPositiveLimit),
                                                             Msg(kHole, SettingMessage::NonPositiveLimit)}));
    EXPECT_EQ(Text(1008), "φ-0.0060 ～ 0.0040 mm");
    // a slider reporting its unchanged position re-evaluates nothing
    Slide(1005, 2);
    EXPECT_TRUE(host.messages.empty());
    // Enter re-evaluates both, and the warnings come again
    model.OnFocus(1);
    model.OnEnter();
    EXPECT_EQ(host.TakeMessages().size(), 2u);
    EXPECT_FALSE(model.Ended().has_value());
    EXPECT_EQ(Text(1003), "0.01");
}

TEST_F(MainModelTest, AShaftSliderReevaluatesTheHoleFirst) {
    SeparateShaft();
    Slide(1004, 9);
    Set(1003, "0.01");
    Set(1017, "40");
    host.TakeMessages();
    Slide(1085, 4);
    EXPECT_EQ(host.TakeMessages(), std::vector<std::string>{Msg(kHole, SettingMessage::NonPositiveLimit)});
    EXPECT_EQ(Text(1114), "0 / -11 μm");
}

struct EnableCase {
    int radio;
    bool fit;
    bool general;
    bool free;
};

class PanelEnableTest : public MainModelTest, public ::testing::WithParamInterface<EnableCase> {};

TEST_P(PanelEnableTest, EnablesOnlyTheControlsOfTheSelectedMode) {
    const EnableCase& c = GetParam();
    const bool hole = c.radio < 1084;
    Click(c.radio);
    const std::vector<int> fitControls =
        hole ? std::vector<int>{1004, 1005, 1030, 1031, 1020, 1029, 1047, 1033, 1034, 1037}
             : std::vector<int>{1085, 1086, 1111, 1112, 1095, 1104, 1121, 1106, 1107, 1110};
    const std::vector<int> generalControls =
        hole ? std::vector<int>{1044, 1042} : std::vector<int>{1117, 1088};
    const std::vector<int> freeControls =
        hole ? std::vector<int>{1011, 1012, 1018, 1019} : std::vector<int>{1090, 1091, 1116, 1093};
    for (int id : fitControls) EXPECT_EQ(Enabled(id), c.fit) << id;
    for (int id : generalControls) EXPECT_EQ(Enabled(id), c.general) << id;
    for (int id : freeControls) EXPECT_EQ(Enabled(id), c.free) << id;
    // the radios, the size edit and the results stay as they are
    for (int id : {1000, 1001, 1002, 1084, 1087, 1089, 1003, 1009, 1114}) EXPECT_TRUE(Enabled(id)) << id;
}

INSTANTIATE_TEST_SUITE_P(
    Modes, PanelEnableTest,
    ::testing::Values(EnableCase{1000, true, false, false}, EnableCase{1001, false, true, false},
                      EnableCase{1002, false, false, true}, EnableCase{1084, true, false, false},
                      EnableCase{1087, false, true, false}, EnableCase{1089, false, false, true}));

TEST_F(MainModelTest, TheFreeRadioMovesTheFocusToTheFirstEntry) {
    Click(1089);
    EXPECT_EQ(model.Focus(), 1090);
    SeparateShaft();
    Set(1017, "40");
    Type(1090, "-0.01");
    Type(1091, "+0.02");
    EXPECT_EQ(Text(1114), "+0.02 / -0.01 mm");
}

TEST_F(MainModelTest, UncheckingTheSameSizeBoxFreesTheShaftsEditAndRecheckingCopiesTheHoles) {
    Type(1003, "25");
    const std::vector<std::string> shaft = FeatureTexts(kShaft);
    Click(1038);
    EXPECT_TRUE(Enabled(1017));
    EXPECT_EQ(model.Focus(), 1017);
    EXPECT_EQ(model.TakeSelectAllRequest(), 1017);
    EXPECT_FALSE(model.TakeSelectAllRequest().has_value());
    EXPECT_EQ(FeatureTexts(kShaft), shaft);
    Set(1017, "30");
    Type(1003, "0");  // 250: the shaft does not follow
    EXPECT_EQ(Text(1017), "30");
    host.TakeMessages();
    Set(1003, "40");
    Click(1038);
    EXPECT_FALSE(Enabled(1017));
    EXPECT_EQ(Text(1017), "40");
    EXPECT_EQ(Text(1114), "-80 / -91 μm");  // d5 over 30 up to 50 mm
}

TEST_F(MainModelTest, ANegativeBasicSizeGivesNoFit) {
    SeparateShaft();
    Set(1017, "25");
    Set(1003, "25");
    ASSERT_EQ(FitTexts()[0], "すきまばめ");  // D5 with d5
    Set(1003, "-25");
    EXPECT_EQ(FeatureTexts(kHole), kFeaturePlaceholders);
    EXPECT_EQ(FitTexts(), kFitPlaceholders);
}

TEST_F(MainModelTest, EscapeTheCloseCommandAndTheExitButtonEndTheWindow) {
    {
        RecordingHost h;
        MainModel m(h, {});
        m.OnEscape();
        EXPECT_EQ(m.Ended(), EndResult::Cancel);
        m.OnEditChanged(1003, "25");  // nothing happens after the end
        EXPECT_EQ(m.Controls().At(1003).text, "");
    }
    {
        RecordingHost h;
        MainModel m(h, {});
        m.OnSystemCommand(0xF060);
        EXPECT_EQ(m.Ended(), EndResult::Cancel);
    }
    Click(1);
    EXPECT_EQ(model.Ended(), EndResult::Ok);
}

TEST_F(MainModelTest, SystemCommands0x10To0x1FOpenTheAboutBox) {
    model.OnSystemCommand(0x10);
    model.OnSystemCommand(0x1F);
    model.OnSystemCommand(0x20);
    model.OnSystemCommand(0xF010);  // move
    EXPECT_EQ(host.aboutBoxes, 2);
    EXPECT_FALSE(model.Ended().has_value());
}

TEST_F(MainModelTest, UserActionsOnControlsThatCannotTakeThemAreIgnored) {
    model.OnEditChanged(1017, "99");  // disabled
    model.OnEditChanged(1009, "99");  // read-only
    model.OnEditChanged(4242, "99");  // no such control
    model.OnClicked(4242);
    model.OnSliderPosition(1005, 99);
    EXPECT_EQ(Position(1005), 7);                     // clamped to the slider's range
    model.OnClassScroll(1042, ScrollCode::LineDown);  // disabled in fit mode
    EXPECT_EQ(Text(1017), "");
    EXPECT_EQ(Text(1009), " -");
    EXPECT_EQ(Text(1044), "精級");
    model.OnFocus(1044);  // a static takes no focus
    model.OnFocus(1017);  // nor a disabled edit
    EXPECT_EQ(model.Focus(), 1003);
}

// ---- help ----

class HelpTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root = std::filesystem::temp_directory_path() /
               ("tolvo-help-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        for (const char* name : {"bin", "share", "work"}) std::filesystem::create_directories(root / name);
        search = {{root / "bin", root / "share", root / "work"}, "tolvo"};
    }
    void TearDown() override { std::filesystem::remove_all(root); }
    void PutDocument(const char* folder) { std::ofstream(root / folder / "Tolvo.html") << "<html></html>"; }

    std::filesystem::path root;
    HelpSearch search;
    RecordingHost host;
};

TEST_F(HelpTest, OpensTheFirstDocumentFoundInSearchOrder) {
    PutDocument("share");
    PutDocument("work");
    MainModel model(host, search);
    model.OnHelp();
    ASSERT_EQ(host.opened.size(), 1u);
    EXPECT_EQ(host.opened[0], root / "share" / "Tolvo.html");
    PutDocument("bin");
    model.OnClicked(MainModel::kHelpButton);
    ASSERT_EQ(host.opened.size(), 2u);
    EXPECT_EQ(host.opened[1], root / "bin" / "Tolvo.html");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(HelpTest, SaysWhereToPutTheDocumentWhenItIsMissingOrCannotBeOpened) {
    const std::string expected =
        "エラー：Tolvo.htmlが見つかりません．\nヘルプファイルはtolvoと同じフォルダに保存して下さい．";
    MainModel model(host, search);
    model.OnHelp();
    EXPECT_TRUE(host.opened.empty());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, expected);
    EXPECT_EQ(host.messages[0].caption, "Tolvo  Ver 1.10");
    PutDocument("work");
    host.openSucceeds = false;
    model.OnHelp();
    EXPECT_EQ(host.opened.size(), 1u);
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[1].text, expected);
}

}  // namespace
}  // namespace tolvo
