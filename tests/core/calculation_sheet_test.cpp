// The calculation sheet's one layout: everything on the page whatever the
// texts, long rows set smaller or broken but never cut short unseen, and the
// SVG page in millimetres.
#include "core/calculation_sheet.h"

#include <gtest/gtest.h>

#include <string>

#include "core/texts_ja.h"
#include "tests/core/recording_canvas.h"

namespace tolvo {
namespace {

SheetSource Source(const std::string& row, int furtherSections) {
    SheetSource s;
    s.date = "2026-12-08";
    s.hole = {FeatureKind::Hole, 25.0, ToleranceMode::FitClass, "H7", 0, "", ""};
    s.shaft = {FeatureKind::Shaft, 25.0, ToleranceMode::Free, "", 0, row, "-0.02"};
    s.results.hole = {"基準寸法 ： φ25 mm", "許容差 ： +21 / 0 μm ( H7 )", "公差 ： 21 μm", row, "m"};
    s.results.shaft = s.results.hole;
    s.results.fitKind = "すきまばめ";
    s.results.fitAmounts = "最大すきま ： 0.041 mm\r\n" + row;
    s.results.meanFit = "( 中央値換算の勘合 ： 0.024 mm ＜すきま＞ )";
    s.callouts = {row};
    s.zones.hole = ZoneFeature{25.0, 25.021, 25.0, ToleranceMode::FitClass, "H7", 0};
    s.zones.shaft = ZoneFeature{25.0, 24.993, 24.98, ToleranceMode::FitClass, "g6", 0};
    for (int i = 0; i < furtherSections; ++i)
        s.further.push_back({"見出し" + std::to_string(i), {row, row, row}});
    return s;
}

std::string Repeat(std::string_view text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

TEST(CalculationSheet, EveryItemStaysOnThePageWhateverItHolds) {
    struct Case {
        const char* what;
        std::string row;
        int further;
    };
    const Case cases[] = {
        {"short rows", "許容寸法 ： φ25.0210 ～ 25.0000 mm", 0},
        {"a row one and a half pages wide", Repeat("許容寸法φ", 40), 2},
        {"a row of 32767 characters", std::string(32767, '9'), 1},
        {"forty further sections", "許容寸法 ： φ25.0210 ～ 25.0000 mm", 40},
    };
    for (const Case& c : cases) {
        test::RecordingCanvas canvas;
        PaintCalculationSheet(BuildCalculationSheet(Source(c.row, c.further)), canvas);
        ASSERT_FALSE(canvas.texts.empty()) << c.what;
        for (const CanvasBox& b : canvas.boxes) {
            EXPECT_GE(b.left, -0.01) << c.what;
            EXPECT_GE(b.top, -0.01) << c.what;
            EXPECT_LE(b.Right(), kSheetWidth + 0.01) << c.what;
            EXPECT_LE(b.Bottom(), kSheetHeight + 0.01) << c.what;
        }
        EXPECT_TRUE(canvas.Holds(ja::kSheetTitle)) << c.what;
        EXPECT_TRUE(canvas.Holds("H7") && canvas.Holds("g6")) << c.what;  // the diagram's labels
    }
}

// A row a little too wide is set smaller on one line; a longer one is
// broken into lines that together hold it, at most three, the last ending in
// "…" when it goes on.
TEST(CalculationSheet, SetsALongRowSmallerThenBreaksIt) {
    struct Case {
        int repeats;
        std::size_t lines;
        bool whole;
    };
    const Case cases[] = {{1, 1, true}, {30, 1, true}, {45, 2, true}, {400, 3, false}};
    for (const Case& c : cases) {
        const std::string row = "[" + Repeat("φ25", c.repeats) + "]";
        SheetSource s = Source("-", 0);
        s.callouts = {row};
        test::RecordingCanvas canvas;
        PaintCalculationSheet(BuildCalculationSheet(s), canvas);
        // The row's lines are drawn one after the other, from "[" to "]" or "…".
        std::vector<test::RecordingCanvas::Placed> parts;
        for (const auto& t : canvas.texts) {
            if (parts.empty() && !t.text.starts_with("[")) continue;
            if (!parts.empty() && (parts.back().text.ends_with("]") || parts.back().text.ends_with("…")))
                break;
            parts.push_back(t);
        }
        ASSERT_EQ(parts.size(), c.lines) << c.repeats;
        std::string joined;
        for (const auto& p : parts) joined += p.text;
        if (c.whole)
            EXPECT_EQ(joined, row) << c.repeats;
        else
            EXPECT_TRUE(joined.ends_with("…") && row.starts_with(joined.substr(0, joined.size() - 3)));
        EXPECT_GE(parts.front().font.size, 14.0 * kSheetSmallestShare - 1e-9) << c.repeats;
        if (c.repeats > 1) {
            EXPECT_LT(parts.front().font.size, 14.0) << c.repeats;
        }
    }
}

TEST(CalculationSheet, IsAnA4PageInMillimetresAsSvg) {
    const std::string svg = WriteCalculationSheetSvg(BuildCalculationSheet(Source("-", 0)));
    EXPECT_NE(svg.find("width=\"210mm\" height=\"297mm\" viewBox=\"0 0 840 1188\""), std::string::npos);
    EXPECT_NE(svg.find(">はめあい計算書</text>"), std::string::npos);
    EXPECT_TRUE(svg.ends_with("</svg>\n"));
}

}  // namespace
}  // namespace tolvo
