// The fit finder dialog over the main window, both driven through their
// public user actions as a user drives them.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/fit_finder.h"
#include "core/iso286_table.h"
#include "core/messages.h"
#include "platform/help_folders.h"
#include "tools/driver/recording_host.h"
#include "ui/finder_model.h"
#include "ui/main_model.h"

namespace tolvo {
namespace {

using namespace finder_dialog;
namespace md = main_dialog;

constexpr FeatureKind kHole = FeatureKind::Hole;
constexpr FeatureKind kShaft = FeatureKind::Shaft;

iso286::ToleranceClass Class(const char* name) {
    return *iso286::ParseClassName(name);
}

// The class a main-window feature in fit mode shows, in the whole system's letters and grades.
iso286::ToleranceClass MainClass(const MainModel& main, FeatureKind kind) {
    const FeatureState& s = main.Feature(kind);
    return *main.Classes().ClassAt(kind, s.letterIndex, s.gradeIndex);
}

class FinderModelTest : public ::testing::Test {
  protected:
    FinderModelTest() : main(host, noHelp) { main.OnEditChanged(md::kHoleBasicSize, "25"); }

    FinderModel& Open() {
        finder.emplace(main);
        return *finder;
    }
    void Set(int id, const std::string& text) {
        finder->OnFocus(id);
        finder->OnEditChanged(id, text);
    }
    void Want(const std::string& minimum, const std::string& maximum) {
        Set(kWantedMinimum, minimum);
        Set(kWantedMaximum, maximum);
    }
    // Moves a main-window panel's sliders to a seed class such as "H7".
    void MainSeedClass(const char* name) {
        const iso286::ToleranceClass c = Class(name);
        const FeaturePanel& p = c.kind == kHole ? md::kHolePanel : md::kShaftPanel;
        main.OnSliderPosition(p.letterSlider, *ClassicRange().LetterPosition(c.letterIndex));
        main.OnSliderPosition(p.gradeSlider, *ClassicRange().GradePosition(c.gradeIndex));
    }
    std::vector<FoundFit> RowFits() const {
        std::vector<FoundFit> fits;
        for (const FinderRow& r : finder->Rows())
            if (r.fit) fits.push_back(*r.fit);
        return fits;
    }
    // What the finder must list: the ranked fits, then the misses.
    static std::vector<FoundFit> Expected(const FitRequirement& r) {
        const FitSearch search = FindFits(r);
        EXPECT_EQ(search.problem, FinderProblem::None);
        std::vector<FoundFit> fits(
            search.fits.begin(),
            search.fits.begin() + std::min<std::size_t>(search.fits.size(), FinderModel::kListedFits));
        for (const FitMiss& m : search.misses) fits.push_back(m.fit);
        return fits;
    }
    const std::string& Text(int id) const { return finder->Controls().At(id).text; }

    RecordingHost host;
    const FolderHelpSearch noHelp{{}, "tolvo"};
    MainModel main;
    std::optional<FinderModel> finder;
};

TEST_F(FinderModelTest, OpensOnTheMainWindowsHoleSizeWithHoleBasisAndAskingForTheClearance) {
    Open();
    EXPECT_EQ(Text(kBasicSize), "25");
    EXPECT_TRUE(finder->Controls().At(kHoleBasis).checked);
    EXPECT_FALSE(finder->Controls().At(kWholeRange).checked);
    EXPECT_EQ(finder->Focus(), kWantedMinimum);
    EXPECT_TRUE(finder->Rows().empty());
    EXPECT_NE(Text(kMessage), "");
}

// Each basis radio against the core's search for the same requirement.
struct BasisCase {
    int radio;
    FitBasis basis;
    const char* minimum;
    const char* maximum;
    bool whole;
};

TEST_F(FinderModelTest, RowsAreTheCoresRankedListThenItsMissesForEveryFreeBasis) {
    const BasisCase cases[] = {
        {kHoleBasis, FitBasis::Hole, "0.01", "0.04", false},
        {kShaftBasis, FitBasis::Shaft, "0.01", "0.04", false},
        {kAnyBasis, FitBasis::Any, "0.02", "0.05", false},
        {kHoleBasis, FitBasis::Hole, "-0.035", "-0.001", false},  // an interference
        {kShaftBasis, FitBasis::Shaft, "-0.06", "-0.02", true},
        {kAnyBasis, FitBasis::Any, "0.001", "0.0015", true},  // nothing meets: misses only
    };
    for (const BasisCase& c : cases) {
        SCOPED_TRACE(std::string(c.minimum) + " " + c.maximum);
        Open();
        if (c.whole) finder->OnClicked(kWholeRange);
        finder->OnClicked(c.radio);
        Want(c.minimum, c.maximum);
        FitRequirement r;
        r.basicSize = 25;
        r.wanted = {std::stod(c.minimum), std::stod(c.maximum)};
        r.basis = c.basis;
        r.range = c.whole ? FitClassRange::Whole : FitClassRange::Seed;
        EXPECT_EQ(RowFits(), Expected(r));
        EXPECT_EQ(Text(kMessage), "");
        for (const FoundFit& f : finder->Search().fits) {
            if (c.basis == FitBasis::Hole) {
                EXPECT_EQ(f.hole->letterIndex, *iso286::FindLetter(kHole, "H"));
            }
            if (c.basis == FitBasis::Shaft) {
                EXPECT_EQ(f.shaft->letterIndex, *iso286::FindLetter(kShaft, "h"));
            }
        }
    }
}

TEST_F(FinderModelTest, RowsMarkCommonFitsAndNameClassesKindAndClearances) {
    Open();
    Want("0.005", "0.05");
    ASSERT_FALSE(finder->Rows().empty());
    bool sawCommon = false;
    for (const FinderRow& row : finder->Rows()) {
        if (!row.fit || !row.fit->common) continue;
        sawCommon = true;
        EXPECT_TRUE(row.text.starts_with("◎ ")) << row.text;
    }
    EXPECT_TRUE(sawCommon);
    // H7/g6 at 25 mm: 7 to 41 μm of clearance.
    const auto h7g6 = std::find_if(finder->Rows().begin(), finder->Rows().end(), [](const FinderRow& r) {
        return r.fit && r.fit->hole == Class("H7") && r.fit->shaft == Class("g6");
    });
    ASSERT_NE(h7g6, finder->Rows().end());
    EXPECT_EQ(h7g6->text, "◎ H7 / g6　すきまばめ　0.007 ～ 0.041 mm");
}

TEST_F(FinderModelTest, NothingMeetingListsTheFiveClosestMissesWithHowFarAndWhere) {
    Open();
    Want("0.001", "0.0015");
    const auto& rows = finder->Rows();
    ASSERT_EQ(rows.size(), 2u + kMissCount);
    EXPECT_EQ(rows[0].text, "条件を満たす組合せはありません");
    EXPECT_FALSE(rows[0].fit);
    EXPECT_FALSE(rows[1].fit);
    for (int k = 0; k < kMissCount; ++k) {
        const FitMiss& m = finder->Search().misses[k];
        std::string where;
        if (m.end == MissEnd::BelowMinimum) where = "最小を ";
        if (m.end == MissEnd::AboveMaximum) where = "最大を ";
        if (m.end == MissEnd::Both) where = "最小を ";
        EXPECT_NE(rows[2 + k].text.find("（" + where), std::string::npos) << rows[2 + k].text;
        EXPECT_NE(rows[2 + k].text.find(" μm "), std::string::npos) << rows[2 + k].text;
    }
}

TEST_F(FinderModelTest, AFixedGeneralHoleIsSearchedAgainstAsTheMainWindowHasIt) {
    main.OnClicked(md::kHoleGeneralRadio);
    Open();
    finder->OnClicked(kFixHole);
    Want("-0.2", "0.4");
    FitRequirement r;
    r.basicSize = 25;
    r.wanted = {-0.2, 0.4};
    r.fixedHole = FixFeature(kHole, main.Feature(kHole), ToleranceMode::General, FitClassRange::Seed, "");
    ASSERT_TRUE(r.fixedHole);
    EXPECT_EQ(RowFits(), Expected(r));
    ASSERT_FALSE(finder->Rows().empty());
    EXPECT_NE(finder->Rows()[0].text.find("普通公差 "), std::string::npos) << finder->Rows()[0].text;
}

TEST_F(FinderModelTest, AFixedFreeShaftIsSearchedAgainstAndStaysWhenARowIsChosen) {
    main.OnClicked(md::kShaftFreeRadio);
    main.OnEditChanged(md::kShaftFreeFirst, "-0.01");
    main.OnEditChanged(md::kShaftFreeSecond, "-0.03");
    Open();
    finder->OnClicked(kFixShaft);
    Want("0.01", "0.06");
    FitRequirement r;
    r.basicSize = 25;
    r.wanted = {0.01, 0.06};
    r.fixedShaft = FixFeature(kShaft, main.Feature(kShaft), ToleranceMode::Free, FitClassRange::Seed, "");
    ASSERT_TRUE(r.fixedShaft);
    EXPECT_EQ(RowFits(), Expected(r));
    ASSERT_TRUE(finder->Rows()[0].fit);
    EXPECT_NE(finder->Rows()[0].text.find("/ -0.01/-0.03"), std::string::npos) << finder->Rows()[0].text;

    const FoundFit chosen = *finder->Rows()[0].fit;
    EXPECT_TRUE(finder->OnChooseRow(0));
    EXPECT_TRUE(main.Controls().At(md::kShaftFreeRadio).checked);
    EXPECT_EQ(main.Controls().At(md::kShaftFreeFirst).text, "-0.01");
    EXPECT_EQ(MainClass(main, kHole), *chosen.hole);
    EXPECT_DOUBLE_EQ(main.Fit().minimumClearance, chosen.minimumClearance);
    EXPECT_DOUBLE_EQ(main.Fit().maximumClearance, chosen.maximumClearance);
}

TEST_F(FinderModelTest, AFixedSideMustShareTheBasicSizeAndHaveLimits) {
    Open();
    finder->OnClicked(kFixHole);
    Set(kBasicSize, "30");
    Want("0.01", "0.04");
    EXPECT_EQ(Text(kMessage), "基準寸法が主画面の穴（25 mm）と違います");
    EXPECT_TRUE(finder->Rows().empty());
    main.OnEditChanged(md::kHoleBasicSize, "");
    finder->Refresh();
    EXPECT_EQ(Text(kMessage), "主画面の穴に許容寸法がないため固定できません");
}

TEST_F(FinderModelTest, BadInputShowsAMessageKeepsTheTextAndListsNothing) {
    struct Case {
        int id;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {kWantedMinimum, "0,01", "「0,01」は数値として読めません"},
        {kWantedMaximum, "abc", "「abc」は数値として読めません"},
        {kBasicSize, "25mm", "「25mm」は数値として読めません"},
        {kBasicSize, "200", "基準寸法は 0 を超え 120 mm 以下です（全範囲なら 3150 mm 以下）"},
        {kBasicSize, "0", "基準寸法は 0 を超え 120 mm 以下です（全範囲なら 3150 mm 以下）"},
        {kWantedMinimum, "0.05", "最小のすきまが最大を上回っています"},
        {kBasicSize, "", "基準寸法を入力してください"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Open();
        Want("0.01", "0.04");
        ASSERT_FALSE(finder->Rows().empty());
        Set(c.id, c.text);
        EXPECT_EQ(Text(c.id), c.text);
        EXPECT_EQ(Text(kMessage), c.message);
        EXPECT_TRUE(finder->Rows().empty());
        EXPECT_FALSE(finder->OnChooseRow(0));
    }
}

TEST_F(FinderModelTest, TheWholeRangeBoxSearchesTheWholeSystemOverTheSeedsSizes) {
    Open();
    Set(kBasicSize, "200");
    Want("0.05", "0.2");
    EXPECT_TRUE(finder->Rows().empty());
    finder->OnClicked(kWholeRange);
    EXPECT_EQ(Text(kMessage), "");
    EXPECT_FALSE(finder->Rows().empty());
}

TEST_F(FinderModelTest, ChoosingARowSetsTheMainWindowsModesAndSlidersAsAUserWould) {
    main.OnClicked(md::kShaftGeneralRadio);
    Open();
    Want("0.01", "0.04");
    for (int row : {0, 3}) {
        SCOPED_TRACE(row);
        ASSERT_TRUE(finder->Rows()[row].fit);
        const FoundFit chosen = *finder->Rows()[row].fit;
        EXPECT_TRUE(finder->OnChooseRow(row));
        EXPECT_TRUE(main.Controls().At(md::kHoleFitRadio).checked);
        EXPECT_TRUE(main.Controls().At(md::kShaftFitRadio).checked);
        EXPECT_EQ(MainClass(main, kHole), *chosen.hole);
        EXPECT_EQ(MainClass(main, kShaft), *chosen.shaft);
        EXPECT_EQ(main.Controls().At(md::kFitKindLabel).text, FitKindText(chosen.kind));
        EXPECT_DOUBLE_EQ(main.Fit().minimumClearance, chosen.minimumClearance);
        EXPECT_DOUBLE_EQ(main.Fit().maximumClearance, chosen.maximumClearance);
    }
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_FALSE(finder->OnChooseRow(static_cast<int>(finder->Rows().size())));
}

TEST_F(FinderModelTest, ChoosingMovesTheSlidersInAnOrderThatPassesNoRefusedClass) {
    // From H12 to K7 the letter first would pass K12, which the K rule refuses.
    MainSeedClass("H12");
    Open();
    finder->OnClicked(kAnyBasis);
    Want("-0.02", "0.02");
    const auto k7 = std::find_if(finder->Rows().begin(), finder->Rows().end(),
                                 [](const FinderRow& r) { return r.fit && r.fit->hole == Class("K7"); });
    ASSERT_NE(k7, finder->Rows().end());
    const FoundFit chosen = *k7->fit;
    EXPECT_TRUE(finder->OnChooseRow(static_cast<int>(k7 - finder->Rows().begin())));
    EXPECT_EQ(MainClass(main, kHole), Class("K7"));
    EXPECT_EQ(MainClass(main, kShaft), *chosen.shaft);
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(FinderModelTest, AClassOutsideTheSeedSwitchesTheWholeRangeOn) {
    Open();
    finder->OnClicked(kWholeRange);
    Want("-0.2", "-0.1");
    const auto outside = std::find_if(finder->Rows().begin(), finder->Rows().end(), [](const FinderRow& r) {
        return r.fit && !ClassicRange().LetterPosition(r.fit->shaft->letterIndex);
    });
    ASSERT_NE(outside, finder->Rows().end());
    const FoundFit chosen = *outside->fit;
    ASSERT_EQ(main.Range(), FitClassRange::Seed);
    EXPECT_TRUE(finder->OnChooseRow(static_cast<int>(outside - finder->Rows().begin())));
    EXPECT_EQ(main.Range(), FitClassRange::Whole);
    EXPECT_EQ(main.Controls().At(md::kShaftClassText).text, iso286::FormatClassName(*chosen.shaft));
    EXPECT_EQ(main.Controls().At(md::kHoleClassText).text, iso286::FormatClassName(*chosen.hole));
    EXPECT_DOUBLE_EQ(main.Fit().minimumClearance, chosen.minimumClearance);
}

TEST_F(FinderModelTest, ChoosingAtAnotherSizeTypesItIntoTheMainWindowMessagesIncluded) {
    // The main window's hole in general mode refuses 0.3 mm as a user typing it sees.
    main.OnClicked(md::kHoleGeneralRadio);
    Open();
    Set(kBasicSize, "0.3");
    Want("0.002", "0.02");
    ASSERT_TRUE(finder->Rows()[0].fit);
    const FoundFit chosen = *finder->Rows()[0].fit;
    EXPECT_TRUE(finder->OnChooseRow(0));
    EXPECT_EQ(
        host.TakeMessages(),
        std::vector<std::string>{std::string(SettingMessageText(kHole, SettingMessage::GeneralSizeUnder05))});
    EXPECT_EQ(main.Controls().At(md::kHoleBasicSize).text, "0.3");
    EXPECT_TRUE(main.Controls().At(md::kHoleFitRadio).checked);
    EXPECT_EQ(MainClass(main, kHole), *chosen.hole);
    EXPECT_DOUBLE_EQ(main.Fit().maximumClearance, chosen.maximumClearance);
}

TEST_F(FinderModelTest, MeasuredPartsInsideOnAndOutsideTheLimitsAndEachPairsClearance) {
    MainSeedClass("H7");  // 25.000 to 25.021
    MainSeedClass("g6");  // 24.980 to 24.993
    Open();
    Want("0.01", "0.04");
    Set(kMeasuredHoles, "25.021, 25.03，24.999");
    Set(kMeasuredShafts, "24.993");
    EXPECT_EQ(Text(kMeasuredResults),
              "穴 25.021：範囲内\r\n"
              "穴 25.03：範囲外（上の許容寸法を 9 μm 超える）\r\n"
              "穴 24.999：範囲外（下の許容寸法を 1 μm 下回る）\r\n"
              "軸 24.993：範囲内\r\n"
              "穴 25.021 と軸 24.993：すきま 0.028 mm、条件を満たす\r\n"
              "穴 25.03 と軸 24.993：すきま 0.037 mm、条件を満たす\r\n"
              "穴 24.999 と軸 24.993：すきま 0.006 mm、条件を外れる");
    // Without a wanted range the pairs say nothing of it; an interference is named so.
    Set(kWantedMaximum, "");
    Set(kMeasuredHoles, "24.98");
    EXPECT_EQ(Text(kMeasuredResults),
              "穴 24.98：範囲外（下の許容寸法を 20 μm 下回る）\r\n"
              "軸 24.993：範囲内\r\n"
              "穴 24.98 と軸 24.993：しめしろ 0.013 mm");
}

TEST_F(FinderModelTest, MeasuredSizesThatAreNoNumbersAreNamedAndKept) {
    Open();
    Set(kMeasuredHoles, "25.01, 25,02x");
    EXPECT_EQ(Text(kMeasuredResults), "「02x」は数値として読めません");
    EXPECT_EQ(Text(kMeasuredHoles), "25.01, 25,02x");
    main.OnEditChanged(md::kHoleBasicSize, "");
    Set(kMeasuredHoles, "25.01");
    finder->Refresh();
    EXPECT_EQ(Text(kMeasuredResults), "主画面の穴に許容寸法がありません");
}

TEST_F(FinderModelTest, MeasuredSizesBeyondAKilometreAreRefusedAndIdeographicSpacesAreBlank) {
    MainSeedClass("H7");
    MainSeedClass("g6");
    struct Case {
        int id;
        const char* text;
        const char* message;  // on the measured results for the measured edits
    };
    const Case cases[] = {
        {kMeasuredHoles, "25.01, 1e300", "「1e300」は実測値の範囲（±1000000 mm）を超えています"},
        {kMeasuredShafts, "-1e7", "「-1e7」は実測値の範囲（±1000000 mm）を超えています"},
        {kMeasuredHoles, "1e400", "「1e400」は実測値の範囲（±1000000 mm）を超えています"},
        {kMeasuredHoles, "　25.01　，　", "穴 25.01：範囲内"},
        {kMeasuredShafts, "　", ""},
        {kBasicSize, "　", "基準寸法を入力してください"},
        {kWantedMaximum, "\t　", "欲しいすきまの最小と最大を mm で入力してください（しめしろは負の値）"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Open();
        Want("0.01", "0.04");
        Set(c.id, c.text);
        EXPECT_EQ(Text(c.id), c.text);
        const bool measured = c.id == kMeasuredHoles || c.id == kMeasuredShafts;
        EXPECT_EQ(Text(measured ? kMeasuredResults : kMessage), c.message);
        EXPECT_EQ(finder->Rows().empty(), !measured);
    }
}

TEST_F(FinderModelTest, CloseAndEscapeEndTheDialogAndLaterActionsAreIgnored) {
    for (bool escape : {false, true}) {
        Open();
        if (escape) {
            finder->OnEscape();
        } else {
            finder->OnClicked(kCloseButton);
        }
        EXPECT_TRUE(finder->Closed());
        finder->OnEditChanged(kWantedMinimum, "0.01");
        EXPECT_EQ(Text(kWantedMinimum), "");
    }
}

}  // namespace
}  // namespace tolvo
