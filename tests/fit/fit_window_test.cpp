// tolvo-fit and the window agree: the same setting typed into the window's
// model and asked of tolvo-fit gives the same texts, every one of them.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/iso286_table.h"
#include "core/number_text.h"
#include "core/texts_ja.h"
#include "platform/help_folders.h"
#include "tests/fit/run_program.h"
#include "tools/driver/recording_host.h"
#include "ui/dialog_templates.h"
#include "ui/main_model.h"

namespace tolvo {
namespace {

using namespace main_dialog;

struct Panel {
    int deviation, tolerance, limits, mean;
};
constexpr Panel kHolePanel{kHoleDeviation, kHoleTolerance, kHoleLimitSizes, kHoleMeanValue};
constexpr Panel kShaftPanel{kShaftDeviation, kShaftTolerance, kShaftLimitSizes, kShaftMeanValue};

class WindowAgreement : public ::testing::Test {
  protected:
    WindowAgreement() : model(host, noHelp) {}

    // Gives the control the focus, as a click does, for the action that follows.
    MainModel& On(int id) {
        model.OnFocus(id);
        return model;
    }
    const std::string& Text(int id) const { return model.Controls().At(id).text; }

    // What tolvo-fit prints for a feature, from the window's boxes.
    std::string FeatureLines(const std::string& head, FeatureKind kind, const Panel& p) const {
        return head + "\n" + "  " + std::string(ja::kBasicSizeLabel) + std::string(ja::kPhi) +
               FormatG(model.Feature(kind).basicSize) + std::string(ja::kMillimetres) + "\n" + "  " +
               std::string(ja::kDeviationLabel) + Text(p.deviation) + "\n" + "  " +
               std::string(ja::kToleranceLabel) + Text(p.tolerance) + "\n" + "  " +
               std::string(ja::kLimitsLabel) + Text(p.limits) + "\n" + "  " + std::string(ja::kMeanLabel) +
               Text(p.mean) + "\n";
    }
    std::string WindowText(const std::string& holeHead, const std::string& shaftHead) const {
        return FeatureLines(holeHead, FeatureKind::Hole, kHolePanel) +
               FeatureLines(shaftHead, FeatureKind::Shaft, kShaftPanel) + Text(kFitKindLabel) + "\n" + "  " +
               Text(kFirstFitCaption) + " " + Text(kFirstFitAmount) + "\n" + "  " + Text(kSecondFitCaption) +
               " " + Text(kSecondFitAmount) + "\n" + "  " + std::string(ja::kMeanFitLabel) + Text(kMeanFit) +
               "\n";
    }

    RecordingHost host;
    const FolderHelpSearch noHelp{{}, "tolvo"};
    MainModel model;
};

TEST_F(WindowAgreement, FitClassesH7g6) {
    On(kHoleBasicSize).OnEditChanged(kHoleBasicSize, "25");
    On(kHoleLetterSlider).OnSliderPosition(kHoleLetterSlider, 4);    // H
    On(kHoleGradeSlider).OnSliderPosition(kHoleGradeSlider, 2);      // 7
    On(kShaftLetterSlider).OnSliderPosition(kShaftLetterSlider, 3);  // g
    On(kShaftGradeSlider).OnSliderPosition(kShaftGradeSlider, 1);    // 6
    ASSERT_EQ(Text(kFitKindLabel), "すきまばめ");
    const fit_test::ProgramRun run = fit_test::RunFit({"25", "H7/g6"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, WindowText("穴 ( H7 )", "軸 ( g6 )"));
}

TEST_F(WindowAgreement, FitClassesJS7k6AtTheLargestSeedSize) {
    On(kHoleBasicSize).OnEditChanged(kHoleBasicSize, "120");
    On(kHoleLetterSlider).OnSliderPosition(kHoleLetterSlider, 5);    // JS
    On(kHoleGradeSlider).OnSliderPosition(kHoleGradeSlider, 2);      // 7
    On(kShaftLetterSlider).OnSliderPosition(kShaftLetterSlider, 6);  // k
    On(kShaftGradeSlider).OnSliderPosition(kShaftGradeSlider, 1);    // 6
    ASSERT_EQ(Text(kFitKindLabel), "中間ばめ");
    const fit_test::ProgramRun run = fit_test::RunFit({"120", "JS7/k6"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, WindowText("穴 ( JS7 )", "軸 ( k6 )"));
}

TEST_F(WindowAgreement, GeneralClassAgainstFreeDeviationsOnTheirOwnSizes) {
    On(kSameBasicSize).OnClicked(kSameBasicSize);  // the shaft gets a size of its own
    host.TakeMessages();
    On(kHoleBasicSize).OnEditChanged(kHoleBasicSize, "55.5");
    On(kShaftBasicSize).OnEditChanged(kShaftBasicSize, "55.25");
    On(kHoleGeneralRadio).OnClicked(kHoleGeneralRadio);
    On(kHoleClassScroll);
    for (int i = 0; i < 2; ++i) {
        model.OnClassScroll(kHoleClassScroll, ScrollCode::LineDown);
        model.OnClassScroll(kHoleClassScroll, ScrollCode::EndScroll);
    }
    ASSERT_EQ(Text(kHoleClassLabel), "粗級");
    On(kShaftFreeRadio).OnClicked(kShaftFreeRadio);
    On(kShaftFreeFirst).OnEditChanged(kShaftFreeFirst, "-0.013");
    On(kShaftFreeSecond).OnEditChanged(kShaftFreeSecond, "+0.0205");
    ASSERT_NE(Text(kFitKindLabel), "");
    EXPECT_TRUE(host.TakeMessages().empty());
    const fit_test::ProgramRun run = fit_test::RunFit({"55.5", "GEN:c/-0.013,+0.0205", "55.25"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, WindowText("穴 ( 粗級 )", "軸"));
}

// The whole ISO 286 range in the window (MainModel::SetFullRange) against
// tolvo-fit, which always reads the whole range. A side is an ISO class as the
// window names it, a general tolerance class ("GEN:" and the number of steps
// down from 精級), or free deviations ("FREE:upper,lower").
struct WholeRangeCase {
    const char* size;
    const char* hole;
    const char* shaft;
    std::vector<std::string> arguments;  // of tolvo-fit
    const char* holeHead;
    const char* shaftHead;
};

class WholeRangeAgreement : public WindowAgreement, public ::testing::WithParamInterface<WholeRangeCase> {
  protected:
    // Sets one panel to a side of the case, as a user does.
    void SetSide(const FeaturePanel& p, FeatureKind kind, const std::string& side) {
        if (side.starts_with("GEN:")) {
            On(p.generalRadio).OnClicked(p.generalRadio);
            On(p.classScroll);
            for (int i = 0; i < std::stoi(side.substr(4)); ++i) {
                model.OnClassScroll(p.classScroll, ScrollCode::LineDown);
                model.OnClassScroll(p.classScroll, ScrollCode::EndScroll);
            }
        } else if (side.starts_with("FREE:")) {
            const std::size_t comma = side.find(',');
            On(p.freeRadio).OnClicked(p.freeRadio);
            On(p.freeFirst).OnEditChanged(p.freeFirst, side.substr(5, comma - 5));
            On(p.freeSecond).OnEditChanged(p.freeSecond, side.substr(comma + 1));
        } else {
            const std::optional<iso286::ToleranceClass> c = iso286::ParseClassName(side);
            ASSERT_TRUE(c && c->kind == kind) << side;
            On(p.letterSlider).OnSliderPosition(p.letterSlider, c->letterIndex);
            On(p.gradeSlider).OnSliderPosition(p.gradeSlider, c->gradeIndex);
        }
    }
};

TEST_P(WholeRangeAgreement, TheSameTextsAsTheWindow) {
    const WholeRangeCase& c = GetParam();
    model.SetFullRange(true);
    On(kHoleBasicSize).OnEditChanged(kHoleBasicSize, c.size);
    SetSide(main_dialog::kHolePanel, FeatureKind::Hole, c.hole);
    SetSide(main_dialog::kShaftPanel, FeatureKind::Shaft, c.shaft);
    ASSERT_TRUE(host.TakeMessages().empty());  // every class of the table is defined at its size
    ASSERT_NE(Text(kFitKindLabel), "");
    const fit_test::ProgramRun run = fit_test::RunFit(c.arguments);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, WindowText(c.holeHead, c.shaftHead));
}

INSTANTIATE_TEST_SUITE_P(
    WholeRange, WholeRangeAgreement,
    ::testing::Values(WholeRangeCase{"400", "H7", "s6", {"400", "H7/s6"}, "穴 ( H7 )", "軸 ( s6 )"},
                      // tolvo-fit reads a js on the hole's side as JS
                      WholeRangeCase{"12", "JS5", "h01", {"12", "JS5/h01"}, "穴 ( JS5 )", "軸 ( h01 )"},
                      WholeRangeCase{"2500", "D11", "h11", {"2500", "D11/h11"}, "穴 ( D11 )", "軸 ( h11 )"},
                      WholeRangeCase{"0.5", "H1", "js01", {"0.5", "H1/js01"}, "穴 ( H1 )", "軸 ( js01 )"},
                      WholeRangeCase{"3150", "G7", "h6", {"3150", "G7/h6"}, "穴 ( G7 )", "軸 ( h6 )"},
                      WholeRangeCase{"2", "ZC11", "a11", {"2", "ZC11/a11"}, "穴 ( ZC11 )", "軸 ( a11 )"},
                      WholeRangeCase{"400", "GEN:1", "s6", {"400", "GEN:m/s6"}, "穴 ( 中級 )", "軸 ( s6 )"},
                      WholeRangeCase{
                          "10", "FREE:+0.1,0", "zc11", {"10", "+0.1,0/zc11"}, "穴", "軸 ( zc11 )"}));

}  // namespace
}  // namespace tolvo
