// The window with the whole ISO 286 range switched on, through MainModel's
// public interface as a user drives it.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/iso286_table.h"
#include "core/messages.h"
#include "tests/ui/model_fixture.h"

namespace tolvo {
namespace {

using namespace main_dialog;

constexpr FeatureKind kHole = FeatureKind::Hole;
constexpr FeatureKind kShaft = FeatureKind::Shaft;

using model_test::PanelOf;

class FullRangeTest : public model_test::MainModelFixture {
  protected:
    FullRangeTest() { model.SetFullRange(true); }

    void SeparateShaft() { Click(kSameBasicSize); }
    std::string ClassText(FeatureKind kind) const { return Text(PanelOf(kind).classText); }
};

TEST_F(FullRangeTest, SpansTwentyEightLettersAndTwentyGrades) {
    for (FeatureKind kind : {kHole, kShaft}) {
        const FeaturePanel& p = PanelOf(kind);
        EXPECT_EQ(model.Controls().At(p.letterSlider).maximum, 27);
        EXPECT_EQ(model.Controls().At(p.gradeSlider).maximum, 19);
        EXPECT_EQ(Text(p.wholeLetterMarks.front()), kind == kHole ? "A" : "a");
        EXPECT_EQ(Text(p.wholeLetterMarks.back()), kind == kHole ? "ZC" : "zc");
        EXPECT_EQ(Text(p.wholeGradeMarks.front()), "01");
        EXPECT_EQ(Text(p.wholeGradeMarks.back()), "18");
    }
    // The seed's D5 / d5 of a fresh window, in the whole range's positions.
    EXPECT_EQ(ClassText(kHole), "D5");
    EXPECT_EQ(ClassText(kShaft), "d5");
}

TEST_F(FullRangeTest, A400mmPressFitH7s6) {
    SelectClass(kHole, "H7");
    SelectClass(kShaft, "s6");
    Set(kHoleBasicSize, "400");
    EXPECT_TRUE(host.TakeMessages().empty());
    EXPECT_EQ(Text(kHoleDeviation), "57 / 0 μm");
    EXPECT_EQ(Text(kHoleLimitSizes), "φ400.0000 ～ 400.0570 mm");
    EXPECT_EQ(Text(kShaftDeviation), "244 / 208 μm");
    EXPECT_EQ(Text(kShaftTolerance), "36 μm");
    EXPECT_EQ(Text(kFitKindLabel), "しまりばめ");
    EXPECT_EQ(Text(kFirstFitAmount), "0.244 mm");
    EXPECT_EQ(Text(kSecondFitAmount), "0.151 mm");
    EXPECT_EQ(ClassText(kHole), "H7");
    EXPECT_EQ(ClassText(kShaft), "s6");
}

TEST_F(FullRangeTest, GaugeClassesKeepTheirTenthsOfAMicrometre) {
    SelectClass(kHole, "H1");
    SelectClass(kShaft, "js01");
    Set(kHoleBasicSize, "2");
    EXPECT_EQ(Text(kHoleDeviation), "0.8 / 0 μm");
    EXPECT_EQ(Text(kShaftDeviation), "0.15 / -0.15 μm");
    EXPECT_EQ(Text(kShaftTolerance), "0.3 μm");
    EXPECT_EQ(Text(kShaftLimitSizes), "φ1.9998 ～ 2.0002 mm");
}

TEST_F(FullRangeTest, FitModeEndsAt3150mmWithItsOwnMessage) {
    SelectClass(kHole, "H7");
    SelectClass(kShaft, "g6");
    Set(kHoleBasicSize, "3150");
    EXPECT_TRUE(host.TakeMessages().empty());
    EXPECT_EQ(Text(kHoleDeviation), "210 / 0 μm");
    Set(kHoleBasicSize, "3150.01");
    EXPECT_EQ(host.TakeMessages(),
              (std::vector<std::string>{SettingMessageText(kShaft, SettingMessage::FitSizeOver3150),
                                        SettingMessageText(kHole, SettingMessage::FitSizeOver3150)}));
    EXPECT_TRUE(Checked(kHoleFreeRadio));
    EXPECT_TRUE(Checked(kShaftFreeRadio));
    EXPECT_EQ(model.Focus(), kHoleFreeFirst);
}

TEST_F(FullRangeTest, Over120mmIsRefusedAgainOnceTheOptionIsOff) {
    Set(kHoleBasicSize, "400");
    EXPECT_TRUE(host.TakeMessages().empty());
    model.SetFullRange(false);
    EXPECT_EQ(host.TakeMessages(),
              (std::vector<std::string>{SettingMessageText(kHole, SettingMessage::FitSizeOver120),
                                        SettingMessageText(kShaft, SettingMessage::FitSizeOver120)}));
    EXPECT_TRUE(Checked(kHoleFreeRadio));
    EXPECT_TRUE(Checked(kShaftFreeRadio));
}

// A class set with no size, then a basic size at which its cell is undefined.
// The tooltips follow the range: what the sliders and the size edits take.
TEST_F(FullRangeTest, TooltipsSayWhatTheRangeOffers) {
    struct Row {
        int id;
        const char* classic;
        const char* whole;
    };
    const Row rows[] = {
        {kHoleBasicSize, "JISはめあい公差では120mm以下、", "JISはめあい公差では3150mm以下、"},
        {kShaftBasicSize, "JISはめあい公差では120mm以下、", "JISはめあい公差では3150mm以下、"},
        {kHoleFitRadio, "（基準寸法120mm以下）", "（基準寸法3150mm以下）"},
        {kShaftFitRadio, "（基準寸法120mm以下）", "（基準寸法3150mm以下）"},
        {kHoleLetterSlider, "穴の基礎となる寸法許容差の記号：D～P（←→キーで一つずつ）",
         "穴の基礎となる寸法許容差の記号：A～ZC（←→キーで一つずつ）"},
        {kShaftLetterSlider, "軸の基礎となる寸法許容差の記号：d～p（←→キーで一つずつ）",
         "軸の基礎となる寸法許容差の記号：a～zc（←→キーで一つずつ）"},
        {kHoleGradeSlider, "穴の公差等級：5級～12級（←→キーで一つずつ）\nKは3mmを超える",
         "穴の公差等級：01級～18級（←→キーで一つずつ）\nKは3mmを超える"},
        {kShaftGradeSlider, "軸の公差等級：5級～12級（←→キーで一つずつ）",
         "軸の公差等級：01級～18級（←→キーで一つずつ）"},
        {kHoleFreeFirst, "穴の寸法許容差の一方 (mm)", "穴の寸法許容差の一方 (mm)"},
    };
    for (bool whole : {false, true}) {
        model.SetFullRange(whole);
        for (const Row& row : rows) {
            const std::string& tooltip = model.Controls().At(row.id).tooltip;
            EXPECT_NE(tooltip.find(whole ? row.whole : row.classic), std::string::npos)
                << row.id << ": " << tooltip;
            if (std::string_view(row.classic) != row.whole) {
                EXPECT_EQ(tooltip.find(whole ? row.classic : row.whole), std::string::npos) << row.id;
            }
        }
    }
}

struct UndefinedCellCase {
    FeatureKind kind;
    const char* className;
    const char* size;
    // What the feature has afterwards: the corrected class, or none for free input.
    std::optional<std::string> correctedClass;
    std::string message;  // the whole text
};

std::string GradeMoved(FeatureKind kind, const char* className, const char* grade) {
    return UndefinedClassMessageText(kind, className, grade);
}

class UndefinedCellTest : public FullRangeTest, public ::testing::WithParamInterface<UndefinedCellCase> {};

TEST_P(UndefinedCellTest, MovesToTheNearestGradeOrToFreeInput) {
    const UndefinedCellCase& c = GetParam();
    if (c.kind == kShaft) SeparateShaft();
    SelectClass(c.kind, c.className);
    host.TakeMessages();
    const FeaturePanel& p = PanelOf(c.kind);
    Set(p.basicSize, c.size);
    EXPECT_EQ(host.TakeMessages(), std::vector<std::string>{c.message});
    if (c.correctedClass) {
        EXPECT_TRUE(Checked(p.fitRadio));
        EXPECT_EQ(ClassText(c.kind), *c.correctedClass);
        EXPECT_EQ(Position(p.gradeSlider), iso286::ParseClassName(*c.correctedClass)->gradeIndex);
        EXPECT_NE(Text(p.deviation), " -");
    } else {
        EXPECT_TRUE(Checked(p.freeRadio));
        EXPECT_FALSE(Enabled(p.letterSlider));
        EXPECT_EQ(model.Focus(), p.freeFirst);
    }
}

INSTANTIATE_TEST_SUITE_P(
    WholeRange, UndefinedCellTest,
    ::testing::Values(
        // the seed's own K and N messages, grade 8 their answer
        UndefinedCellCase{kHole, "K12", "5", "K8", SettingMessageText(kHole, SettingMessage::KGrade)},
        UndefinedCellCase{kHole, "K9", "600", "K8", SettingMessageText(kHole, SettingMessage::KGrade)},
        UndefinedCellCase{kHole, "N18", "1", "N8", SettingMessageText(kHole, SettingMessage::NGrade)},
        // no Δ below IT3 between 3 and 500 mm
        UndefinedCellCase{kHole, "K1", "5", "K3", GradeMoved(kHole, "K1", "3")},
        UndefinedCellCase{kHole, "N01", "400", "N3", GradeMoved(kHole, "N01", "3")},
        UndefinedCellCase{kHole, "ZC2", "10", "ZC3", GradeMoved(kHole, "ZC2", "3")},
        // no IT01 and IT0 over 500 mm, no IT14 to IT18 up to 1 mm
        UndefinedCellCase{kHole, "H01", "600", "H1", GradeMoved(kHole, "H01", "1")},
        UndefinedCellCase{kHole, "A14", "1", std::nullopt, UndefinedLetterMessageText(kHole, "A")},
        UndefinedCellCase{kHole, "JS16", "0.5", "JS13", GradeMoved(kHole, "JS16", "13")},
        UndefinedCellCase{kShaft, "h14", "1", "h13", GradeMoved(kShaft, "h14", "13")},
        UndefinedCellCase{kShaft, "g0", "501", "g1", GradeMoved(kShaft, "g0", "1")},
        // J and j exist in a few grades only
        UndefinedCellCase{kHole, "J11", "20", "J8", GradeMoved(kHole, "J11", "8")},
        UndefinedCellCase{kHole, "J01", "20", "J6", GradeMoved(kHole, "J01", "6")},
        UndefinedCellCase{kShaft, "j8", "4", "j7", GradeMoved(kShaft, "j8", "7")},
        UndefinedCellCase{kShaft, "j12", "2", "j8", GradeMoved(kShaft, "j12", "8")},
        // letters with no grade at all at the size
        UndefinedCellCase{kShaft, "t6", "24", std::nullopt, UndefinedLetterMessageText(kShaft, "t")},
        UndefinedCellCase{kHole, "T7", "20", std::nullopt, UndefinedLetterMessageText(kHole, "T")},
        UndefinedCellCase{kShaft, "v7", "14", std::nullopt, UndefinedLetterMessageText(kShaft, "v")},
        UndefinedCellCase{kHole, "Y8", "18", std::nullopt, UndefinedLetterMessageText(kHole, "Y")},
        UndefinedCellCase{kShaft, "a11", "1", std::nullopt, UndefinedLetterMessageText(kShaft, "a")},
        UndefinedCellCase{kHole, "B11", "0.8", std::nullopt, UndefinedLetterMessageText(kHole, "B")},
        UndefinedCellCase{kShaft, "cd6", "60", std::nullopt, UndefinedLetterMessageText(kShaft, "cd")},
        UndefinedCellCase{kHole, "EF7", "51", std::nullopt, UndefinedLetterMessageText(kHole, "EF")},
        UndefinedCellCase{kShaft, "fg5", "100", std::nullopt, UndefinedLetterMessageText(kShaft, "fg")},
        UndefinedCellCase{kHole, "J7", "501", std::nullopt, UndefinedLetterMessageText(kHole, "J")},
        UndefinedCellCase{kShaft, "j6", "600", std::nullopt, UndefinedLetterMessageText(kShaft, "j")},
        UndefinedCellCase{kShaft, "zc9", "501", std::nullopt, UndefinedLetterMessageText(kShaft, "zc")},
        UndefinedCellCase{kHole, "V7", "2000", std::nullopt, UndefinedLetterMessageText(kHole, "V")},
        UndefinedCellCase{kShaft, "c11", "600", std::nullopt, UndefinedLetterMessageText(kShaft, "c")}));

TEST_F(FullRangeTest, TheGradeSliderMovesOffAnUndefinedGrade) {
    SeparateShaft();
    Set(kShaftBasicSize, "10");
    SelectClass(kShaft, "j6");
    host.TakeMessages();
    Slide(kShaftGradeSlider, *iso286::FindGrade("9"));
    EXPECT_EQ(host.TakeMessages(), std::vector<std::string>{GradeMoved(kShaft, "j9", "7")});
    EXPECT_EQ(ClassText(kShaft), "j7");
    EXPECT_EQ(Text(kShaftDeviation), "10 / -5 μm");  // j7 over 6 up to 10 mm
}

TEST_F(FullRangeTest, TheLetterSliderOntoALetterWithoutGradesSwitchesToFreeInput) {
    SeparateShaft();
    Set(kShaftBasicSize, "20");
    host.TakeMessages();
    Slide(kShaftLetterSlider, *iso286::FindLetter(kShaft, "t"));
    EXPECT_EQ(host.TakeMessages(), std::vector<std::string>{UndefinedLetterMessageText(kShaft, "t")});
    EXPECT_TRUE(Checked(kShaftFreeRadio));
}

TEST_F(FullRangeTest, TheFitRadioChecksTheCellAgain) {
    SelectClass(kHole, "K12");
    Click(kHoleFreeRadio);
    Set(kHoleBasicSize, "5");
    host.TakeMessages();
    Click(kHoleFitRadio);
    EXPECT_EQ(host.TakeMessages(),
              std::vector<std::string>{SettingMessageText(kHole, SettingMessage::KGrade)});
    EXPECT_EQ(ClassText(kHole), "K8");
}

TEST_F(FullRangeTest, GreysTheGradesThatDoNotExistForTheLetterAndSize) {
    SeparateShaft();
    SelectClass(kShaft, "j6");
    Set(kShaftBasicSize, "10");
    std::vector<std::string> enabled;
    for (int g = 0; g < iso286::kGradeCount; ++g) {
        if (Enabled(kShaftWholeGradeMarks[g])) enabled.emplace_back(iso286::GradeName(g));
    }
    EXPECT_EQ(enabled, (std::vector<std::string>{"5", "6", "7"}));
    // The hole's K over 3 mm: IT3 to IT8.
    SelectClass(kHole, "K7");
    Set(kHoleBasicSize, "5");
    enabled.clear();
    for (int g = 0; g < iso286::kGradeCount; ++g) {
        if (Enabled(kHoleWholeGradeMarks[g])) enabled.emplace_back(iso286::GradeName(g));
    }
    EXPECT_EQ(enabled, (std::vector<std::string>{"3", "4", "5", "6", "7", "8"}));
    Click(kHoleGeneralRadio);
    for (int id : kHoleWholeGradeMarks) EXPECT_FALSE(Enabled(id));
    EXPECT_FALSE(Enabled(kHoleClassText));
}

// The seed range and back: where the other range has the letter and grade
// they stay, otherwise the nearest (the earlier letter, the finer grade, on
// a tie).
struct MappingCase {
    FeatureKind kind;
    const char* wholeClass;
    const char* seedLetter;
    int seedGrade;
};

class RangeSwitchTest : public FullRangeTest, public ::testing::WithParamInterface<MappingCase> {};

TEST_P(RangeSwitchTest, OffTakesTheNearestSeedClassAndOnKeepsIt) {
    const MappingCase& c = GetParam();
    SelectClass(c.kind, c.wholeClass);
    model.SetFullRange(false);
    const FeatureState& s = model.Feature(c.kind);
    const iso286::ToleranceClass seed = *ClassicRange().ClassAt(c.kind, s.letterIndex, s.gradeIndex);
    EXPECT_EQ(iso286::LetterName(c.kind, seed.letterIndex), c.seedLetter);
    EXPECT_EQ(iso286::GradeName(seed.gradeIndex), std::to_string(c.seedGrade));
    EXPECT_EQ(Position(PanelOf(c.kind).letterSlider), s.letterIndex);
    EXPECT_EQ(model.Controls().At(PanelOf(c.kind).letterSlider).maximum, 9);
    model.SetFullRange(true);
    EXPECT_EQ(ClassText(c.kind), c.seedLetter + std::to_string(c.seedGrade));
}

INSTANTIATE_TEST_SUITE_P(
    WholeRange, RangeSwitchTest,
    ::testing::Values(MappingCase{kHole, "H7", "H", 7}, MappingCase{kShaft, "js5", "js", 5},
                      MappingCase{kShaft, "zc11", "p", 11}, MappingCase{kHole, "A1", "D", 5},
                      MappingCase{kHole, "EF9", "E", 9}, MappingCase{kShaft, "fg6", "f", 6},
                      MappingCase{kHole, "J7", "JS", 7}, MappingCase{kShaft, "r18", "p", 12},
                      MappingCase{kShaft, "cd01", "d", 5}));

TEST_F(FullRangeTest, SwitchingKeepsH7g6AndItsNumbers) {
    SelectClass(kHole, "H7");
    SelectClass(kShaft, "g6");
    Set(kHoleBasicSize, "25");
    const std::string hole = Text(kHoleDeviation);
    model.SetFullRange(false);
    EXPECT_EQ(Text(kHoleDeviation), hole);
    EXPECT_EQ(Text(kShaftDeviation), "-7 / -20 μm");
    model.SetFullRange(true);
    EXPECT_EQ(ClassText(kHole), "H7");
    EXPECT_EQ(ClassText(kShaft), "g6");
    EXPECT_TRUE(host.TakeMessages().empty());
}

TEST_F(FullRangeTest, TheReportNamesEveryClass) {
    SelectClass(kHole, "ZC11");
    SelectClass(kShaft, "h01");
    Set(kHoleBasicSize, "2");
    std::string report;
    host.copyDialogUser = [&report](CopyModel& dialog) { report = dialog.Preview(); };
    model.OnClicked(kCopyButton);
    EXPECT_NE(report.find("許容差 ： -60 / -120 μm ( ZC11 )\r\n"), std::string::npos) << report;
    EXPECT_NE(report.find("許容差 ： 0 / -0.3 μm ( h01 )\r\n"), std::string::npos) << report;
}

}  // namespace
}  // namespace tolvo
