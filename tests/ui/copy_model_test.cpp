#include "ui/copy_model.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/ui/recording_host.h"
#include "ui/main_model.h"

namespace tolvo {
namespace {

using testing::RecordingHost;

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
    EXPECT_EQ(dialog.Controls().At(1003).text, "Tolvo  Ver 1.10");
    EXPECT_EQ(dialog.Controls().At(1004).text, "穴");
    EXPECT_EQ(dialog.Controls().At(1005).text, "軸");
    EXPECT_TRUE(dialog.Controls().At(1061).checked);
    EXPECT_FALSE(dialog.Controls().At(1067).checked);
    EXPECT_EQ(dialog.Focus(), 1003);
    EXPECT_EQ(dialog.TakeSelectAllRequest(), 1003);
    EXPECT_EQ(dialog.Options(), DefaultReportOptions());
    EXPECT_FALSE(dialog.Result().has_value());
}

TEST_F(CopyModelTest, ADisabledTitleKeepsItsTextUntilTheBoxIsTickedAgain) {
    ReportOptions options = DefaultReportOptions();
    options.includeTitle = false;
    options.titleText = "Pump housing";
    CopyModel dialog(host, SomeLines(), options);
    EXPECT_FALSE(dialog.Controls().At(1003).enabled);
    EXPECT_EQ(dialog.Controls().At(1003).text, "Pump housing");
    EXPECT_TRUE(dialog.Preview().starts_with("名称 ： 穴\r\n"));
    dialog.OnEditChanged(1003, "typed while disabled");
    EXPECT_EQ(dialog.Controls().At(1003).text, "Pump housing");
    dialog.OnClicked(1061);
    EXPECT_TRUE(dialog.Controls().At(1003).enabled);
    EXPECT_TRUE(dialog.Preview().starts_with("Pump housing\r\n\r\n名称 ： 穴\r\n"));
}

TEST_F(CopyModelTest, RebuildsThePreviewOnEveryKeystrokeAndClick) {
    CopyModel dialog(host, SomeLines(), DefaultReportOptions());
    dialog.OnEditChanged(1004, "穴A");
    EXPECT_NE(dialog.Preview().find("名称 ： 穴A\r\n"), std::string::npos);
    dialog.OnEditChanged(1004, "穴AB");
    EXPECT_NE(dialog.Preview().find("名称 ： 穴AB\r\n"), std::string::npos);
    dialog.OnClicked(1067);
    EXPECT_NE(dialog.Preview().find("基準寸法 ： 40 mm\r\n許容差 ： ±0.3 mm ( 中級 )"), std::string::npos);
    EXPECT_NE(dialog.Preview().find("基準寸法 ： φ40 mm\r\n許容差 ： +0.02 / -0.01 mm\r\n"),
              std::string::npos);
    dialog.OnClicked(1054);
    EXPECT_FALSE(dialog.Controls().At(1004).enabled);
    EXPECT_EQ(dialog.Preview().find("穴AB"), std::string::npos);
    // the preview cannot be typed into
    const std::string preview = dialog.Preview();
    dialog.OnEditChanged(1006, "edited");
    EXPECT_EQ(dialog.Preview(), preview);
}

TEST_F(CopyModelTest, CopiesExactlyThePreview) {
    CopyModel dialog(host, SomeLines(), DefaultReportOptions());
    for (int id :
         {1061, 1054, 1065, 1055, 1052, 1051, 1053, 1060, 1066, 1056, 1058, 1057, 1059, 1062, 1063, 1064}) {
        dialog.OnClicked(id);
    }
    EXPECT_EQ(dialog.Preview(), "\r\n\r\n");
    dialog.OnClicked(CopyModel::kCopyButton);
    ASSERT_EQ(host.clipboard.size(), 1u);
    EXPECT_EQ(host.clipboard[0], "\r\n\r\n");
    EXPECT_EQ(dialog.Result(), true);
    dialog.OnClicked(1061);  // nothing happens after the end
    EXPECT_FALSE(dialog.Controls().At(1061).checked);
}

TEST_F(CopyModelTest, EnterCopiesUnlessTheCancelButtonHasTheFocus) {
    {
        CopyModel dialog(host, SomeLines(), DefaultReportOptions());
        dialog.OnFocus(1004);
        dialog.OnEnter();
        EXPECT_EQ(dialog.Result(), true);
        EXPECT_EQ(host.clipboard.size(), 1u);
    }
    {
        CopyModel dialog(host, SomeLines(), DefaultReportOptions());
        dialog.OnFocus(CopyModel::kCancelButton);
        dialog.OnEnter();
        EXPECT_EQ(dialog.Result(), false);
    }
    {
        CopyModel dialog(host, SomeLines(), DefaultReportOptions());
        dialog.OnEscape();
        EXPECT_EQ(dialog.Result(), false);
        dialog.OnClicked(CopyModel::kCopyButton);
        EXPECT_EQ(dialog.Result(), false);
    }
    EXPECT_EQ(host.clipboard.size(), 1u);
}

// ---- the copy command of the main window ----

class CopyCommandTest : public ::testing::Test {
  protected:
    CopyCommandTest() : model(host, {}) {}
    void Fill25H7g6() {
        model.OnSliderPosition(1004, 4);
        model.OnSliderPosition(1005, 2);
        model.OnSliderPosition(1085, 3);
        model.OnSliderPosition(1086, 1);
        model.OnEditChanged(1003, "25.0");
    }
    RecordingHost host;
    MainModel model;
};

TEST_F(CopyCommandTest, RefusesWhenThereIsNoFit) {
    model.OnClicked(MainModel::kCopyButton);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "クリップボードへコピーする内容が不足しています．");
    EXPECT_EQ(host.messages[0].caption, "Tolvo  Ver 1.10");
    EXPECT_EQ(host.copyDialogs, 0);
}

TEST_F(CopyCommandTest, CopiesTheTextsOnScreen) {
    Fill25H7g6();
    host.copyDialogUser = [](CopyModel& dialog) { dialog.OnClicked(CopyModel::kCopyButton); };
    model.OnClicked(MainModel::kCopyButton);
    ASSERT_EQ(host.clipboard.size(), 1u);
    const std::string& report = host.clipboard[0];
    EXPECT_TRUE(
        report.starts_with("Tolvo  Ver 1.10\r\n\r\n名称 ： 穴\r\n基準寸法 ： φ25 mm\r\n"
                           "許容差 ： 21 / 0 μm ( H7 )\r\n"))
        << report;
    EXPECT_NE(report.find("許容差 ： -7 / -20 μm ( g6 )\r\n"), std::string::npos);
    EXPECT_TRUE(
        report.ends_with("\r\nすきまばめ\r\n最大すきま ： 0.041 mm\r\n最小すきま ： 0.007 mm\r\n"
                         "( 中央値換算の勘合 ： 0.024 mm ＜すきま＞ )"));
}

TEST_F(CopyCommandTest, NamesTheGeneralClassAndNothingForFreeInput) {
    Fill25H7g6();
    model.OnClicked(1001);
    model.OnClicked(1089);
    std::string report;
    host.copyDialogUser = [&report](CopyModel& dialog) { report = dialog.Preview(); };
    model.OnClicked(MainModel::kCopyButton);
    EXPECT_NE(report.find("許容差 ： ±0.1 mm ( 精級 )\r\n"), std::string::npos) << report;
    EXPECT_NE(report.find("許容差 ： 0 / 0 mm\r\n"), std::string::npos) << report;
}

TEST_F(CopyCommandTest, KeepsTheOptionsOnlyAfterCopy) {
    Fill25H7g6();
    host.copyDialogUser = [](CopyModel& dialog) {
        dialog.OnEditChanged(1003, "Bearing seat");
        dialog.OnClicked(1063);
        dialog.OnClicked(CopyModel::kCancelButton);
    };
    model.OnClicked(MainModel::kCopyButton);
    EXPECT_EQ(model.Report(), DefaultReportOptions());
    EXPECT_TRUE(host.clipboard.empty());

    host.copyDialogUser = [](CopyModel& dialog) {
        dialog.OnEditChanged(1003, "Bearing seat");
        dialog.OnClicked(1063);
        dialog.OnClicked(CopyModel::kCopyButton);
    };
    model.OnClicked(MainModel::kCopyButton);
    EXPECT_EQ(model.Report().titleText, "Bearing seat");
    EXPECT_FALSE(model.Report().includeFitAmounts);

    ReportOptions seen;
    host.copyDialogUser = [&seen](CopyModel& dialog) {
        seen = dialog.Options();
        dialog.OnEscape();
    };
    model.OnClicked(MainModel::kCopyButton);
    EXPECT_EQ(seen.titleText, "Bearing seat");
    EXPECT_FALSE(seen.includeFitAmounts);
    EXPECT_EQ(host.copyDialogs, 3);
}

}  // namespace
}  // namespace tolvo
