#include "ui/copy_model.h"
#include "core/messages.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/help_folders.h"
#include "tools/driver/recording_host.h"
#include "ui/main_model.h"

namespace tolvo {
namespace {

ReportLines SomeLines() {
    const std::string holeSuffix = GeneralClassSuffix("中級");
    const FeatureReportSource hole{40.0,     holeSuffix,         "±0.3 mm",
                                   "0.6 mm", "φ39.7 ～ 40.3 mm", "φ40 ± 0.3 mm  ）"};
    const FeatureReportSource shaft{
        40.0, "", "+0.02 / -0.01 mm", "0.03 mm", "φ39.99 ～ 40.02 mm", "φ40.005 ± 0.015 mm  ）"};
    const FitReportSource fit{"中間ばめ", "最大すきま ：", "0.31 mm", "最大しめしろ ：", "0.32 mm", "0 mm )"};
    return BuildReportLines(hole, shaft, fit);
}

class CopyModelTest : public ::testing::Test {
  protected:
    RecordingHost host;
};

TEST_F(CopyModelTest, OpensWithThePreviewOfTheOptionsAndTheFocusOnTheTitle) {
    CopyModel dialog(host, SomeLines(), DefaultReportOptions());
    EXPECT_EQ(dialog.Preview(), AssembleReport(SomeLines(), DefaultReportOptions()));
    EXPECT_EQ(dialog.Controls().At(copy_dialog::kTitleEdit).text, ja::kMessageCaption);
    EXPECT_EQ(dialog.Controls().At(copy_dialog::kHoleNameEdit).text, "穴");
    EXPECT_EQ(dialog.Controls().At(copy_dialog::kShaftNameEdit).text, "軸");
    EXPECT_TRUE(dialog.Controls().At(copy_dialog::kIncludeTitle).checked);
    EXPECT_FALSE(dialog.Controls().At(copy_dialog::kHoleOmitPhi).checked);
    EXPECT_EQ(dialog.Focus(), copy_dialog::kTitleEdit);
    EXPECT_EQ(dialog.TakeSelectAllRequest(), copy_dialog::kTitleEdit);
    EXPECT_EQ(dialog.Options(), DefaultReportOptions());
    EXPECT_FALSE(dialog.Result().has_value());
}

TEST_F(CopyModelTest, ADisabledTitleKeepsItsTextUntilTheBoxIsTickedAgain) {
    ReportOptions options = DefaultReportOptions();
    options.includeTitle = false;
    options.titleText = "Pump housing";
    CopyModel dialog(host, SomeLines(), options);
    EXPECT_FALSE(dialog.Controls().At(copy_dialog::kTitleEdit).enabled);
    EXPECT_EQ(dialog.Controls().At(copy_dialog::kTitleEdit).text, "Pump housing");
    EXPECT_TRUE(dialog.Preview().starts_with("名称 ： 穴\r\n"));
    dialog.OnEditChanged(copy_dialog::kTitleEdit, "typed while disabled");
    EXPECT_EQ(dialog.Controls().At(copy_dialog::kTitleEdit).text, "Pump housing");
    dialog.OnClicked(copy_dialog::kIncludeTitle);
    EXPECT_TRUE(dialog.Controls().At(copy_dialog::kTitleEdit).enabled);
    EXPECT_TRUE(dialog.Preview().starts_with("Pump housing\r\n\r\n名称 ： 穴\r\n"));
}

TEST_F(CopyModelTest, RebuildsThePreviewOnEveryKeystrokeAndClick) {
    CopyModel dialog(host, SomeLines(), DefaultReportOptions());
    dialog.OnEditChanged(copy_dialog::kHoleNameEdit, "穴A");
    EXPECT_NE(dialog.Preview().find("名称 ： 穴A\r\n"), std::string::npos);
    dialog.OnEditChanged(copy_dialog::kHoleNameEdit, "穴AB");
    EXPECT_NE(dialog.Preview().find("名称 ： 穴AB\r\n"), std::string::npos);
    dialog.OnClicked(copy_dialog::kHoleOmitPhi);
    EXPECT_NE(dialog.Preview().find("基準寸法 ： 40 mm\r\n許容差 ： ±0.3 mm ( 中級 )"), std::string::npos);
    EXPECT_NE(dialog.Preview().find("基準寸法 ： φ40 mm\r\n許容差 ： +0.02 / -0.01 mm\r\n"),
              std::string::npos);
    dialog.OnClicked(copy_dialog::kIncludeHoleName);
    EXPECT_FALSE(dialog.Controls().At(copy_dialog::kHoleNameEdit).enabled);
    EXPECT_EQ(dialog.Preview().find("穴AB"), std::string::npos);
    // the preview cannot be typed into
    const std::string preview = dialog.Preview();
    dialog.OnEditChanged(copy_dialog::kPreviewEdit, "edited");
    EXPECT_EQ(dialog.Preview(), preview);
}

TEST_F(CopyModelTest, CopiesExactlyThePreview) {
    CopyModel dialog(host, SomeLines(), DefaultReportOptions());
    for (int id :
         {copy_dialog::kIncludeTitle, copy_dialog::kIncludeHoleName, copy_dialog::kIncludeHoleBasicSize,
          copy_dialog::kIncludeHoleDeviation, copy_dialog::kIncludeHoleTolerance,
          copy_dialog::kIncludeHoleLimits, copy_dialog::kIncludeHoleMean, copy_dialog::kIncludeShaftName,
          copy_dialog::kIncludeShaftBasicSize, copy_dialog::kIncludeShaftDeviation,
          copy_dialog::kIncludeShaftTolerance, copy_dialog::kIncludeShaftLimits,
          copy_dialog::kIncludeShaftMean, copy_dialog::kIncludeFitKind, copy_dialog::kIncludeFitAmounts,
          copy_dialog::kIncludeMeanFit}) {
        dialog.OnClicked(id);
    }
    EXPECT_EQ(dialog.Preview(), "\r\n\r\n");
    dialog.OnClicked(copy_dialog::kCopyButton);
    ASSERT_EQ(host.ClipboardTexts().size(), 1u);
    EXPECT_EQ(host.ClipboardTexts()[0], "\r\n\r\n");
    EXPECT_EQ(dialog.Result(), true);
    dialog.OnClicked(copy_dialog::kIncludeTitle);  // nothing happens after the end
    EXPECT_FALSE(dialog.Controls().At(copy_dialog::kIncludeTitle).checked);
}

TEST_F(CopyModelTest, EnterCopiesUnlessTheCancelButtonHasTheFocus) {
    {
        CopyModel dialog(host, SomeLines(), DefaultReportOptions());
        dialog.OnFocus(copy_dialog::kHoleNameEdit);
        dialog.OnEnter();
        EXPECT_EQ(dialog.Result(), true);
        EXPECT_EQ(host.ClipboardTexts().size(), 1u);
    }
    {
        CopyModel dialog(host, SomeLines(), DefaultReportOptions());
        dialog.OnFocus(copy_dialog::kCancelButton);
        dialog.OnEnter();
        EXPECT_EQ(dialog.Result(), false);
    }
    {
        CopyModel dialog(host, SomeLines(), DefaultReportOptions());
        dialog.OnEscape();
        EXPECT_EQ(dialog.Result(), false);
        dialog.OnClicked(copy_dialog::kCopyButton);
        EXPECT_EQ(dialog.Result(), false);
    }
    EXPECT_EQ(host.ClipboardTexts().size(), 1u);
}

// ---- the copy command of the main window ----

class CopyCommandTest : public ::testing::Test {
  protected:
    CopyCommandTest() : model(host, noHelp) {}
    void Fill25H7g6() {
        model.OnSliderPosition(main_dialog::kHoleLetterSlider, 4);
        model.OnSliderPosition(main_dialog::kHoleGradeSlider, 2);
        model.OnSliderPosition(main_dialog::kShaftLetterSlider, 3);
        model.OnSliderPosition(main_dialog::kShaftGradeSlider, 1);
        model.OnEditChanged(main_dialog::kHoleBasicSize, "25.0");
    }
    RecordingHost host;
    const FolderHelpSearch noHelp{{}, "tolvo"};
    MainModel model;
};

TEST_F(CopyCommandTest, RefusesWhenThereIsNoFit) {
    model.OnClicked(main_dialog::kCopyButton);
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].text, "クリップボードへコピーする内容が不足しています．");
    EXPECT_EQ(host.Messages()[0].caption, ja::kMessageCaption);
    EXPECT_EQ(host.copyDialogs, 0);
}

TEST_F(CopyCommandTest, CopiesTheTextsOnScreen) {
    Fill25H7g6();
    host.copyDialogUser = [](CopyModel& dialog) { dialog.OnClicked(copy_dialog::kCopyButton); };
    model.OnClicked(main_dialog::kCopyButton);
    ASSERT_EQ(host.ClipboardTexts().size(), 1u);
    const std::string report = host.ClipboardTexts()[0];
    EXPECT_TRUE(report.starts_with(std::string(ja::kMessageCaption) +
                                   "\r\n\r\n名称 ： 穴\r\n基準寸法 ： φ25 mm\r\n"
                                   "許容差 ： 21 / 0 μm ( H7 )\r\n"))
        << report;
    EXPECT_NE(report.find("許容差 ： -7 / -20 μm ( g6 )\r\n"), std::string::npos);
    EXPECT_TRUE(
        report.ends_with("\r\nすきまばめ\r\n最大すきま ： 0.041 mm\r\n最小すきま ： 0.007 mm\r\n"
                         "( 中央値換算の勘合 ： 0.024 mm ＜すきま＞ )"));
}

TEST_F(CopyCommandTest, NamesTheGeneralClassAndNothingForFreeInput) {
    Fill25H7g6();
    model.OnClicked(main_dialog::kHoleGeneralRadio);
    model.OnClicked(main_dialog::kShaftFreeRadio);
    std::string report;
    host.copyDialogUser = [&report](CopyModel& dialog) { report = dialog.Preview(); };
    model.OnClicked(main_dialog::kCopyButton);
    EXPECT_NE(report.find("許容差 ： ±0.1 mm ( 精級 )\r\n"), std::string::npos) << report;
    EXPECT_NE(report.find("許容差 ： 0 / 0 mm\r\n"), std::string::npos) << report;
}

TEST_F(CopyCommandTest, KeepsTheOptionsOnlyAfterCopy) {
    Fill25H7g6();
    host.copyDialogUser = [](CopyModel& dialog) {
        dialog.OnEditChanged(copy_dialog::kTitleEdit, "Bearing seat");
        dialog.OnClicked(copy_dialog::kIncludeFitAmounts);
        dialog.OnClicked(copy_dialog::kCancelButton);
    };
    model.OnClicked(main_dialog::kCopyButton);
    EXPECT_EQ(model.Report(), DefaultReportOptions());
    EXPECT_TRUE(host.ClipboardTexts().empty());

    host.copyDialogUser = [](CopyModel& dialog) {
        dialog.OnEditChanged(copy_dialog::kTitleEdit, "Bearing seat");
        dialog.OnClicked(copy_dialog::kIncludeFitAmounts);
        dialog.OnClicked(copy_dialog::kCopyButton);
    };
    model.OnClicked(main_dialog::kCopyButton);
    EXPECT_EQ(model.Report().titleText, "Bearing seat");
    EXPECT_FALSE(model.Report().includeFitAmounts);

    ReportOptions seen;
    host.copyDialogUser = [&seen](CopyModel& dialog) {
        seen = dialog.Options();
        dialog.OnEscape();
    };
    model.OnClicked(main_dialog::kCopyButton);
    EXPECT_EQ(seen.titleText, "Bearing seat");
    EXPECT_FALSE(seen.includeFitAmounts);
    EXPECT_EQ(host.copyDialogs, 3);
}

// ---- the callout as a drawing writes it ----

// Each style and sign of 25 H7/g6 as the copy-callout command copies it, then
// with the shaft in general tolerance and the hole in free input.
TEST_F(CopyCommandTest, CopiesTheCalloutInTheChosenStyleAndSign) {
    model.OnCopyCallout();
    ASSERT_EQ(host.Messages().size(), 1u);  // nothing to copy yet
    EXPECT_EQ(host.Messages()[0].text, ja::kNothingToCopyMessage);
    Fill25H7g6();
    const struct {
        CalloutOptions options;
        std::string_view copied;
    } cases[] = {
        {{}, "φ25H7/g6"},
        {{CalloutStyle::ClassDeviations, DiameterSign::Dia}, "⌀25H7(+0.021/0) ⌀25g6(-0.007/-0.020)"},
        {{CalloutStyle::Deviations, DiameterSign::Phi}, "φ25 +0.021/0 φ25 -0.007/-0.020"},
        {{CalloutStyle::Limits, DiameterSign::None}, "25.021/25.000 24.993/24.980"},
    };
    for (const auto& c : cases) {
        model.SetCalloutOptions(c.options);
        model.OnCopyCallout();
        ASSERT_FALSE(host.ClipboardTexts().empty());
        EXPECT_EQ(host.ClipboardTexts().back(), c.copied);
    }
    model.SetCalloutOptions({});
    model.OnClicked(main_dialog::kShaftGeneralRadio);
    model.OnCopyCallout();
    EXPECT_EQ(host.ClipboardTexts().back(), "φ25H7 φ25 ±0.1 (JIS B 0405-f)");
    model.OnClicked(main_dialog::kHoleFreeRadio);
    model.OnEditChanged(main_dialog::kHoleFreeFirst, "0.1");
    model.OnEditChanged(main_dialog::kHoleFreeSecond, "-0.05");
    model.OnCopyCallout();
    EXPECT_EQ(host.ClipboardTexts().back(), "φ25 +0.10/-0.05 φ25 ±0.1 (JIS B 0405-f)");
    EXPECT_EQ(host.Messages().size(), 1u);
}

// The copy dialog's callout line is off at first, so that the report is the
// one it always was, and follows the mean fit when ticked.
TEST_F(CopyCommandTest, TheCopyDialogOffersTheCalloutLine) {
    Fill25H7g6();
    model.SetCalloutOptions({CalloutStyle::ClassDeviations, DiameterSign::Phi});
    std::string before;
    host.copyDialogUser = [&before](CopyModel& dialog) {
        EXPECT_FALSE(dialog.Controls().At(copy_dialog::kIncludeCallout).checked);
        before = dialog.Preview();
        dialog.OnClicked(copy_dialog::kIncludeCallout);
        dialog.OnClicked(copy_dialog::kCopyButton);
    };
    model.OnClicked(main_dialog::kCopyButton);
    ASSERT_EQ(host.ClipboardTexts().size(), 1u);
    EXPECT_EQ(before.find("はめあい記号"), std::string::npos);
    EXPECT_EQ(host.ClipboardTexts()[0], before + "\r\nはめあい記号 ： φ25H7(+0.021/0) φ25g6(-0.007/-0.020)");
    EXPECT_TRUE(model.Report().includeCallout);
}

}  // namespace
}  // namespace tolvo
