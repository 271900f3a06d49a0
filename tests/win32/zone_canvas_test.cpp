// The diagram on GDI: the Japanese face is found, texts are measured in it,
// and the zones land in the pixels where the layout puts them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

}  // namespace
}  // namespace tolvo::win32
