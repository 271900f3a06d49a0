// The operating-conditions dialog over the main window, both driven through
// their public user actions as a user drives them.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/help_folders.h"
#include "tools/driver/recording_host.h"
#include "ui/copy_model.h"
#include "ui/main_model.h"
#include "ui/service_model.h"

namespace tolvo {
namespace {

using namespace service_dialog;
namespace md = main_dialog;
constexpr std::size_t kAluminium =
    5;  // A6061-T6 in the material table, α 23.6e-6 /K; steel S45C α 11.7e-6 /K

class ServiceModelTest : public ::testing::Test {
  protected:
    ServiceModelTest() : main(host, noHelp) {
        main.OnEditChanged(md::kHoleBasicSize, "25");
        main.OnSliderPosition(md::kHoleLetterSlider, 4);   // H
        main.OnSliderPosition(md::kHoleGradeSlider, 2);    // 7
        main.OnSliderPosition(md::kShaftLetterSlider, 3);  // g
        main.OnSliderPosition(md::kShaftGradeSlider, 1);   // 6
        dialog.emplace(main);
    }
    void Set(int id, const std::string& text) {
        dialog->OnFocus(id);
        dialog->OnEditChanged(id, text);
    }
    void Aluminium() {
        for (std::size_t k = 0; k < kAluminium; ++k)
            dialog->OnClassScroll(kHoleMaterialScroll, ScrollCode::LineDown);
    }
    const std::string& Text(int id) const { return dialog->Controls().At(id).text; }

    RecordingHost host;
    const FolderHelpSearch noHelp{{}, "tolvo"};
    MainModel main;
    std::optional<ServiceModel> dialog;
};

// 25 H7/g6: hole 25.000/25.021, shaft 24.980/24.993. An aluminium hole at t:
// L·(1 + 23.6e-6·(t − 20)); a steel shaft L·(1 + 11.7e-6·(t − 20)).
// At 80 °C: hole 25.0354/25.05643, shaft 24.997536/25.010545; the minimum
// clearance 25.0354 − 25.010545 = 0.024855, the maximum 0.058894. σ at 80 °C:
// hole 0.02103/6, shaft 0.013009/6, √(0.003505² + 0.002168²) = 0.004121.
TEST_F(ServiceModelTest, TheResultsFollowEachInputAndTheMainWindow) {
    EXPECT_EQ(Text(kKind), "すきまばめ");  // at 20 °C as at the bench
    EXPECT_EQ(Text(kMinimumClearance), "0.007 mm ＜すきま＞");
    Aluminium();
    EXPECT_EQ(Text(kHoleMaterial), "アルミニウム合金・展伸材 (A6061-T6)");
    struct Case {
        int id;
        std::string text;
        int shown;
        std::string expected;
    };
    const Case cases[] = {
        {kHoleTemperature, "80", kHoleLimits, "φ25.0354 ～ 25.0564"},
        {kShaftTemperature, "80", kShaftLimits, "φ24.9975 ～ 25.0105"},
        {kShaftTemperature, "80", kMinimumClearance, "0.0249 mm ＜すきま＞"},
        {kShaftTemperature, "80", kMaximumClearance, "0.0589 mm ＜すきま＞"},
        {kShaftTemperature, "80", StatisticsResult(0, 1), "0.00412"},
        // Cp 2 halves the hole's σ: √(0.0017525² + 0.002168²) = 0.002788.
        {kHoleCp, "2", StatisticsResult(0, 1), "0.00279"},
        // A shift of +10 μm of the hole's centre moves the mean clearance by as much: 0.0419 + 0.010.
        {kHoleShift, "10", StatisticsResult(0, 0), "0.0519"},
        // α typed over: 11.7e-6 as the shaft's, both grow alike, the fit nearly as at 20 °C.
        {kHoleExpansion, "11.7e-6", kMinimumClearance, "0.007 mm ＜すきま＞"},
    };
    for (const Case& c : cases) {
        Set(c.id, c.text);
        EXPECT_EQ(Text(c.shown), c.expected) << c.id << " " << c.text;
        EXPECT_TRUE(Text(kMessage).empty()) << Text(kMessage);
    }
    // Shaft p6 (+22/+35 μm) in the main window: an interference at 20 °C; the dialog follows.
    Set(kHoleExpansion, "");
    main.OnSliderPosition(md::kShaftLetterSlider, 9);
    dialog->Refresh();
    // At 80 °C the shaft is 25.039565/25.052575: 25.0354 − 25.052575 = −0.017175, 25.05643 − 25.039565 =
    // +0.016865.
    EXPECT_EQ(Text(kKind), "中間ばめ");
}

// Each input refused names itself on the message line; nothing is computed,
// the typed text stays, and the diagram and the report get nothing.
TEST_F(ServiceModelTest, BadInputIsRefusedWithAMessageAndNothingComputed) {
    struct Case {
        int id;
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {kHoleTemperature, "-300", "穴の温度 -300 °C は範囲外です（-273.15 ～ 10000 °C）"},
        {kShaftCp, "0", "軸の Cp 0 は範囲外です（0.01 ～ 100）"},
        {kHoleExpansion, "-1e-6", ""},
        {kShaftTemperature, "x", ""},
        {kHoleCp, "", "穴の Cpを入力してください"},
        {kWantedMinimum, "0.01", "望むすきまは下限と上限の両方を入力してください"},
    };
    for (const Case& c : cases) {
        const std::string before = Text(c.id);
        Set(c.id, c.text);
        EXPECT_FALSE(Text(kMessage).empty()) << c.text;
        if (!c.message.empty()) {
            EXPECT_EQ(Text(kMessage), c.message);
        }
        EXPECT_EQ(Text(c.id), c.text);
        EXPECT_TRUE(Text(kKind).empty() && Text(StatisticsResult(0, 0)).empty()) << c.text;
        EXPECT_FALSE(dialog->Overlay().has_value());
        EXPECT_TRUE(dialog->ReportText().empty());
        Set(c.id, before);
        EXPECT_TRUE(Text(kMessage).empty()) << Text(kMessage);
    }
    // A main window with placeholders gives no pair.
    main.OnEditChanged(md::kHoleBasicSize, "");
    dialog->Refresh();
    EXPECT_EQ(Text(kMessage), "主画面のはめあいが求められていません");
}

// Over −40 to 80 °C, H7/m6 (+8/+21 μm) with the aluminium hole turns from an
// interference to a transition: at −40 °C (Δ −60) the hole's upper limit
// 25.021·(1 − 23.6e-6·60) = 24.98557 is below the shaft's lower 25.008·(1 −
// 11.7e-6·60) = 24.990444, so every pair interferes there.
TEST_F(ServiceModelTest, ARangeFindsWhereTheFitTurnsAndTheReportAndDiagramCarryIt) {
    Aluminium();
    main.OnSliderPosition(md::kShaftLetterSlider, 7);  // m
    dialog->Refresh();
    dialog->OnClicked(kRange);
    EXPECT_FALSE(dialog->Controls().At(kHoleTemperature).enabled);
    Set(kRangeFrom, "-40");
    EXPECT_EQ(Text(kStartKind), "しまりばめ");
    EXPECT_EQ(Text(kEndKind), "中間ばめ");
    EXPECT_EQ(Text(kKindChanges), "範囲内ではめあいの種類が変わる");
    // The maximum clearance 25.021(1 + 23.6e-6Δ) − 25.008(1 + 11.7e-6Δ) = 0.013 + 297.9e-6·Δ... is zero
    // where Δ = −0.013/(25.021·23.6e-6 − 25.008·11.7e-6) = −0.013/0.00029790 = −43.64: at −23.64 °C.
    EXPECT_EQ(Text(kZeroAt[0]), "穴 -23.6385 °C、軸 -23.6385 °C");
    EXPECT_EQ(Text(kZeroAt[1]), "-");
    dialog->OnClicked(kUniform);
    EXPECT_TRUE(dialog->Controls().At(kUniform).checked && !dialog->Controls().At(kNormal).checked);
    // The overlay is drawn where the range ends, with the band at that end.
    const std::optional<ZoneServiceOverlay> overlay = main.ZoneInput().service;
    ASSERT_TRUE(overlay.has_value());
    EXPECT_DOUBLE_EQ(overlay->holeTemperature, 80.0);
    EXPECT_NEAR(overlay->holeLowerLimit, 25.0354, 1e-9);
    EXPECT_TRUE(overlay->clearanceBand.has_value());
    // The copy dialog offers the lines, and they end the report when asked for.
    CopyModel copy(host, main.CurrentReportLines(), main.Report());
    EXPECT_TRUE(copy.Controls().At(copy_dialog::kIncludeService).enabled);
    copy.OnClicked(copy_dialog::kIncludeService);
    const std::string preview = copy.Controls().At(copy_dialog::kPreviewEdit).text;
    EXPECT_NE(preview.find("\r\n使用条件 ： 穴 アルミニウム合金・展伸材 (A6061-T6)、軸 炭素鋼 (S45C)\r\n"),
              std::string::npos);
    EXPECT_NE(preview.find("  範囲内ではめあいの種類が変わる\r\n"), std::string::npos);
    // Closed: nothing more for the report or the diagram.
    dialog->OnEscape();
    EXPECT_TRUE(dialog->Closed());
    EXPECT_TRUE(main.CurrentReportLines().service.empty());
    EXPECT_FALSE(main.ZoneInput().service.has_value());
}

}  // namespace
}  // namespace tolvo
