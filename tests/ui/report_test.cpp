#include "ui/report.h"
#include "core/messages.h"

#include <gtest/gtest.h>

#include <string>

namespace tolvo {
namespace {

// The texts on screen for hole 25 H7 and shaft 25 g6.
ReportLines H7g6Lines() {
    const std::string holeSuffix = FitClassSuffix("H", 7);
    const std::string shaftSuffix = FitClassSuffix("g", 6);
    const FeatureReportSource hole{
        25.0, holeSuffix, "21 / 0 μm", "21 μm", "φ25.0000 ～ 25.0210 mm", "φ25.0105 ± 0.0105 mm  ）"};
    const FeatureReportSource shaft{
        25.0, shaftSuffix, "-7 / -20 μm", "13 μm", "φ24.9800 ～ 24.9930 mm", "φ24.9865 ± 0.0065 mm  ）"};
    const FitReportSource fit{"すきまばめ",    "最大すきま ：", "0.041 mm",
                              "最小すきま ：", "0.007 mm",      "0.024 mm ＜すきま＞ )"};
    return BuildReportLines(hole, shaft, fit);
}

ReportOptions NothingIncluded() {
    ReportOptions o = DefaultReportOptions();
    o.includeTitle = o.includeFitKind = o.includeFitAmounts = o.includeMeanFit = false;
    for (FeatureReportOptions* f : {&o.hole, &o.shaft}) {
        f->includeName = f->includeBasicSize = f->includeDeviation = f->includeTolerance = false;
        f->includeLimits = f->includeMean = false;
    }
    return o;
}

TEST(Report, WithTheDefaultsListsEverythingOnScreen) {
    EXPECT_EQ(AssembleReport(H7g6Lines(), DefaultReportOptions()),
              std::string(ja::kMessageCaption) +
                  "\r\n"
                  "\r\n"
                  "名称 ： 穴\r\n"
                  "基準寸法 ： φ25 mm\r\n"
                  "許容差 ： 21 / 0 μm ( H7 )\r\n"
                  "公差 ： 21 μm\r\n"
                  "許容寸法 ： φ25.0000 ～ 25.0210 mm\r\n"
                  "( 中央値換算 ： φ25.0105 ± 0.0105 mm  ）\r\n"
                  "\r\n"
                  "名称 ： 軸\r\n"
                  "基準寸法 ： φ25 mm\r\n"
                  "許容差 ： -7 / -20 μm ( g6 )\r\n"
                  "公差 ： 13 μm\r\n"
                  "許容寸法 ： φ24.9800 ～ 24.9930 mm\r\n"
                  "( 中央値換算 ： φ24.9865 ± 0.0065 mm  ）\r\n"
                  "\r\n"
                  "すきまばめ\r\n"
                  "最大すきま ： 0.041 mm\r\n"
                  "最小すきま ： 0.007 mm\r\n"
                  "( 中央値換算の勘合 ： 0.024 mm ＜すきま＞ )");
}

TEST(Report, KeepsItsTwoFixedLineEndsWhateverIsLeftOut) {
    EXPECT_EQ(AssembleReport(H7g6Lines(), NothingIncluded()), "\r\n\r\n");
    ReportOptions meanFitOnly = NothingIncluded();
    meanFitOnly.includeMeanFit = true;
    EXPECT_EQ(AssembleReport(H7g6Lines(), meanFitOnly),
              "\r\n\r\n( 中央値換算の勘合 ： 0.024 mm ＜すきま＞ )");
    ReportOptions emptyTitle = NothingIncluded();
    emptyTitle.includeTitle = true;
    emptyTitle.titleText = "";
    emptyTitle.shaft.includeName = true;
    emptyTitle.shaft.nameText = "shaft A";
    EXPECT_EQ(AssembleReport(H7g6Lines(), emptyTitle), "\r\n\r\n\r\n名称 ： shaft A\r\n\r\n");
}

TEST(Report, KeepsTheOrderOfAFeaturesLinesWhicheverAreIncluded) {
    ReportOptions o = NothingIncluded();
    o.hole.includeMean = o.hole.includeDeviation = o.hole.includeTolerance = true;
    EXPECT_EQ(
        AssembleReport(H7g6Lines(), o),
        "許容差 ： 21 / 0 μm ( H7 )\r\n公差 ： 21 μm\r\n( 中央値換算 ： φ25.0105 ± 0.0105 mm  ）\r\n\r\n\r\n");
}

TEST(Report, LeavesOutThePhiOfOneFeatureOnly) {
    ReportOptions o = DefaultReportOptions();
    o.hole.omitPhi = true;
    const std::string report = AssembleReport(H7g6Lines(), o);
    EXPECT_NE(report.find("\r\n基準寸法 ： 25 mm\r\n許容差 ： 21 / 0 μm ( H7 )\r\n"), std::string::npos);
    EXPECT_NE(
        report.find("\r\n許容寸法 ： 25.0000 ～ 25.0210 mm\r\n( 中央値換算 ： 25.0105 ± 0.0105 mm  ）\r\n"),
        std::string::npos);
    EXPECT_NE(report.find("基準寸法 ： φ25 mm\r\n許容差 ： -7 / -20 μm"), std::string::npos);
    EXPECT_NE(report.find("許容寸法 ： φ24.9800"), std::string::npos);
}

TEST(OmitPhi, CutsTwoCodePage932BytesAfterTheLabel) {
    struct Case {
        const char* line;
        const char* expected;
    };
    const Case cases[] = {
        {"基準寸法 ： φ25 mm", "基準寸法 ： 25 mm"},
        {"許容寸法 ： φ39.99 ～ 40.02 mm", "許容寸法 ： 39.99 ～ 40.02 mm"},
        {"( 中央値換算 ： φ40 ± 0.3 mm  ）", "( 中央値換算 ： 40 ± 0.3 mm  ）"},
        // a placeholder loses its two single-byte characters " -"
        {"許容寸法 ：  -", "許容寸法 ： "},
        {"( 中央値換算 ：  - ）", "( 中央値換算 ：  ）"},
        // only the lines that begin with φ are cut
        {"許容差 ： 21 / 0 μm ( H7 )", "許容差 ： 21 / 0 μm ( H7 )"},
    };
    for (const Case& c : cases) EXPECT_EQ(OmitPhi(c.line), c.expected) << c.line;
}

TEST(Report, WritesBasicSizesWithG) {
    const FeatureReportSource typed25{25.0, "", "", "", "", ""};
    EXPECT_EQ(BuildFeatureReportLines(typed25).basicSize, "基準寸法 ： φ25 mm");
    const FeatureReportSource small{0.0001234567, "", "", "", "", ""};
    EXPECT_EQ(BuildFeatureReportLines(small).basicSize, "基準寸法 ： φ0.000123457 mm");
    const FeatureReportSource tiny{1e-5, "", "", "", "", ""};
    EXPECT_EQ(BuildFeatureReportLines(tiny).basicSize, "基準寸法 ： φ1e-05 mm");
}

TEST(Report, NamesTheClassAfterTheDeviation) {
    EXPECT_EQ(FitClassSuffix("H", 7), " ( H7 )");
    EXPECT_EQ(FitClassSuffix("js", 6), " ( js6 )");
    EXPECT_EQ(FitClassSuffix("P", 12), " ( P12 )");
    EXPECT_EQ(GeneralClassSuffix("中級"), " ( 中級 )");
    EXPECT_EQ(GeneralClassSuffix("極粗級"), " ( 極粗級 )");
}

}  // namespace
}  // namespace tolvo
