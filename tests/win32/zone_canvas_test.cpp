// The diagram on GDI: the Japanese face is found, texts are measured in it,
// and the zones land in the pixels where the layout puts them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "core/texts_ja.h"
#include "core/zone_svg.h"
#include "tests/win32/zone_test_support.h"
#include "ui/win32/japanese_faces.h"
#include "ui/win32/zone_window.h"

namespace tolvo::win32 {
namespace {

TEST(ZoneFaces, ThePreferredInstalledFaceElseTheJapaneseFaceBestForLabels) {
    const std::vector<InstalledFace> windows = {{L"Arial", false, false, true},
                                                {L"@MS Gothic", true, true, false},
                                                {L"MS Gothic", true, true, false},
                                                {L"meiryo ui", true, false, true}};
    const std::vector<InstalledFace> wine = {
        {L"Noto Sans Mono CJK JP", true, true, true}, {L"Noto Sans CJK HK", true, false, true},
        {L"Noto Serif CJK JP", true, false, false},   {L"Noto Sans CJK JP", true, false, true},
        {L"@Noto Sans CJK JP", true, false, true},    {L"Tahoma", false, false, true}};
    struct Case {
        const char* name;
        std::vector<InstalledFace> installed;
        std::vector<std::wstring> preferred;
        std::wstring chosen;
    } cases[] = {
        {"the first preferred one installed, any case", windows, JapaneseUiFaceCandidates(), L"meiryo ui"},
        {"the template's face before the list", windows, {L"Arial", L"MS Gothic"}, L"Arial"},
        {"no preferred face: the proportional sans-serif one named for Japanese", wine,
         JapaneseUiFaceCandidates(), L"Noto Sans CJK JP"},
        {"no Japanese face at all", {{L"Tahoma", false, false, true}}, JapaneseUiFaceCandidates(), L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ChooseFace(c.installed, c.preferred), c.chosen);
    }
}

TEST(ZoneFaces, AJapaneseFaceIsInstalledAndItsFullWidthCharactersTakeAnEm) {
    ASSERT_FALSE(JapaneseUiFace().empty());
    DibPicture picture(8, 8);
    ASSERT_TRUE(picture.Valid());
    for (double scale : {1.0, 2.0}) {
        GdiCanvas canvas(picture.Dc(), JapaneseUiFace(), scale);
        // "すきまばめ": five full-width characters, wider than any fallback's boxes would be narrow.
        EXPECT_NEAR(canvas.TextWidth(ja::kClearanceFit, CanvasFont{13.0}), 5 * 13.0, 1.0) << scale;
        EXPECT_EQ(canvas.TextWidth("", CanvasFont{13.0}), 0.0);
    }
}

// Where the layout puts each zone, as the canvas is told.
class ZoneBoxes : public Canvas {
  public:
    explicit ZoneBoxes(Canvas& back) : back_(back) {}
    void Line(CanvasPoint from, CanvasPoint to, const Pen& pen) override { back_.Line(from, to, pen); }
    void Rect(const CanvasBox& box, const Colour& fill, const Pen& pen) override {
        if (pen.width > 0.0) boxes.push_back({box, fill});
        back_.Rect(box, fill, pen);
    }
    void Text(std::string_view text, CanvasPoint at, const CanvasFont& font, CanvasAlign align,
              const Colour& colour) override {
        back_.Text(text, at, font, align, colour);
    }
    double TextWidth(std::string_view text, const CanvasFont& font) override {
        return back_.TextWidth(text, font);
    }
    std::vector<std::pair<CanvasBox, Colour>> boxes;

  private:
    Canvas& back_;
};

TEST(ZoneGdiCanvas, ZonesAreFilledWhereTheLayoutPutsThemAboveOrBelowEachOther) {
    const ZoneStyle style;
    struct Case {
        const char* name;
        ZoneDiagramInput input;
        double scale;
        bool holeAbove;
    } cases[] = {
        {"H7/g6, a clearance: the hole above the shaft", ClearanceInput(), 1.0, true},
        {"H7/p6, an interference: the shaft above the hole", InterferenceInput(), 1.0, false},
        {"H7/g6 at twice the pixels", ClearanceInput(), 2.0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DibPicture picture(static_cast<int>(kZoneSvgWidth * c.scale),
                           static_cast<int>(kZoneSvgHeight * c.scale));
        ASSERT_TRUE(picture.Valid());
        std::vector<std::pair<CanvasBox, Colour>> boxes;
        {
            GdiCanvas gdi(picture.Dc(), JapaneseUiFace(), c.scale);
            ZoneBoxes recorder(gdi);
            PaintZoneScene(BuildZoneScene(c.input), recorder, {0, 0, kZoneSvgWidth, kZoneSvgHeight}, style);
            boxes = recorder.boxes;
        }
        GdiFlush();
        EXPECT_EQ(picture.Pixel(1, 1), PixelOf(style.background));
        Rows rows[2];
        for (int i = 0; i < 2; ++i) {
            const Colour fill = i == 0 ? style.holeFill : style.shaftFill;
            auto box =
                std::find_if(boxes.begin(), boxes.end(), [&](const auto& b) { return b.second == fill; });
            ASSERT_NE(box, boxes.end());
            // The fill inside the outline, and the outline's colour on the box's edge.
            const CanvasBox& b = box->first;
            const int middleX = static_cast<int>((b.left + b.width / 2) * c.scale);
            EXPECT_EQ(picture.Pixel(middleX, static_cast<int>((b.top + b.height / 2) * c.scale)),
                      PixelOf(fill));
            EXPECT_EQ(picture.Pixel(middleX, static_cast<int>(std::lround(b.top * c.scale))),
                      PixelOf(i == 0 ? style.holeStroke : style.shaftStroke));
            rows[i] = RowsOf(picture, PixelOf(fill));
            // The fill shows inside the outline (1.5 pixels, centred on the edge), give or take a rounding.
            EXPECT_NEAR(rows[i].top, b.top * c.scale, 2.5 * c.scale);
            EXPECT_NEAR(rows[i].bottom, b.Bottom() * c.scale, 2.5 * c.scale);
        }
        if (c.holeAbove) {
            EXPECT_LT(rows[0].bottom, rows[1].top);
        } else {
            EXPECT_LT(rows[1].bottom, rows[0].top);
        }
    }
}

TEST(ZoneGdiCanvas, DashesHatchingAndColoursFallWhereTheOtherBackEndsPutThem) {
    const Colour ink{0, 0, 0}, paper{255, 255, 255};
    struct Sample {
        int x, y;
        std::uint32_t colour;
    };
    struct Case {
        const char* name;
        double scale;
        std::function<void(Canvas&)> draw;
        std::vector<Sample> samples;
    } cases[] = {
        {"dashes laid from the line's start: 3 drawn, 2 skipped",
         1.0,
         [&](Canvas& c) {
             c.Line({0, 10}, {20, 10}, Pen{ink, 1.0, 3.0, 2.0});
         },
         {{1, 10, 0x000000}, {3, 10, 0xFFFFFF}, {4, 10, 0xFFFFFF}, {5, 10, 0x000000}, {8, 10, 0xFFFFFF}}},
        {"dashes in canvas pixels at twice the pixels",
         2.0,
         [&](Canvas& c) {
             c.Line({0, 10}, {20, 10}, Pen{ink, 1.0, 3.0, 2.0});
         },
         {{5, 20, 0x000000}, {7, 20, 0xFFFFFF}, {11, 20, 0x000000}}},
        {"a colour not opaque mixed with the paper",
         1.0,
         [&](Canvas& c) {
             c.Line({0, 10}, {20, 10}, Pen{Colour{0, 0, 0, 0.5}, 3.0});
         },
         {{10, 10, 0x808080}}},
        {"hatching rising at 45 degrees, cut at the box",
         1.0,
         [&](Canvas& c) {
             c.Hatch({0, 0, 20, 20}, Pen{ink, 1.0}, 10.0);
         },
         {{5, 5, 0x000000}, {15, 15, 0x000000}, {2, 2, 0xFFFFFF}, {25, 5, 0xFFFFFF}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DibPicture picture(static_cast<int>(40 * c.scale), static_cast<int>(40 * c.scale));
        {
            GdiCanvas canvas(picture.Dc(), JapaneseUiFace(), c.scale, paper);
            canvas.Rect({0, 0, 40, 40}, paper, Pen{paper, 0.0});
            c.draw(canvas);
        }
        GdiFlush();
        for (const Sample& s : c.samples) EXPECT_EQ(picture.Pixel(s.x, s.y), s.colour) << s.x << "," << s.y;
    }
}

TEST(ZoneGdiCanvas, TextIsAntiAliased) {
    DibPicture picture(120, 30);
    {
        GdiCanvas canvas(picture.Dc(), JapaneseUiFace());
        canvas.Rect({0, 0, 120, 30}, {255, 255, 255}, Pen{});
        canvas.Text(ja::kClearanceFit, {4, 20}, CanvasFont{13.0}, CanvasAlign::Start, {0, 0, 0});
    }
    GdiFlush();
    int ink = 0, between = 0;
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            const std::uint32_t p = picture.Pixel(x, y);
            ink += p == 0x000000;
            between += p != 0x000000 && p != 0xFFFFFF;
        }
    }
    EXPECT_GT(ink, 0);
    EXPECT_GT(between, ink / 2);
}

}  // namespace
}  // namespace tolvo::win32
