// The diagram's one layout on a canvas that measures texts as told: the
// footer's texts keep their columns or are packed to fit, nothing leaves the
// numbers, and hatching stays inside its box.
#include "core/zone_paint.h"

#include "core/svg_canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace tolvo {
namespace {

// Every text is perByte pixels wide for each of its bytes.
class MeasuringCanvas : public Canvas {
  public:
    explicit MeasuringCanvas(double perByte) : perByte_(perByte) {}
    struct Placed {
        std::string text;
        double x;
        double y;
    };
    void Line(CanvasPoint from, CanvasPoint to, const Pen&) override {
        points.insert(points.end(), {from, to});
    }
    void Rect(const CanvasBox& box, const Colour&, const Pen&) override { rects.push_back(box); }
    void Text(std::string_view text, CanvasPoint at, const CanvasFont&, CanvasAlign, const Colour&) override {
        texts.push_back({std::string(text), at.x, at.y});
        points.push_back(at);
    }
    double TextWidth(std::string_view text, const CanvasFont&) override {
        return perByte_ * static_cast<double>(text.size());
    }

    std::vector<CanvasPoint> points;
    std::vector<CanvasBox> rects;
    std::vector<Placed> texts;

  private:
    double perByte_;
};

ZoneFeature Iso(std::string name, double upperUm, double lowerUm) {
    return {25.0, 25.0 + upperUm / 1000.0, 25.0 + lowerUm / 1000.0, ToleranceMode::FitClass, std::move(name),
            0};
}

TEST(ZonePaint, FooterTextsKeepTheirColumnsOrArePackedToFitTheBox) {
    const ZoneScene scene = BuildZoneScene({Iso("H7", 21, 0), Iso("g6", -7, -20)});
    ASSERT_EQ(scene.spans.size(), 2u);
    const ZoneStyle style;
    const double em = style.font.size;
    struct Case {
        double perByte;
        double boxWidth;
        bool onColumns;
    };
    const std::vector<Case> cases = {
        {1.0, 640.0, true},   // narrow texts, a wide box
        {1.0, 300.0, false},  // the columns would leave the box
        {6.0, 520.0, false},  // so would wider texts
        {9.0, 2000.0, true},  // the kind wider than its column pushes the spans along
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.perByte * 1000 + c.boxWidth);
        const CanvasBox box{10.0, 20.0, c.boxWidth, 400.0};
        const double x = box.left + scene.axisX / kZoneLayoutWidth * box.width;
        MeasuringCanvas canvas(c.perByte);
        PaintZoneScene(scene, canvas, box, style);
        auto width = [&](const std::string& text) { return c.perByte * static_cast<double>(text.size()); };
        std::vector<MeasuringCanvas::Placed> footer;
        for (const auto& t : canvas.texts) {
            if (t.text == scene.fitKindText || t.text == scene.spans[0].text || t.text == scene.spans[1].text)
                footer.push_back(t);
        }
        ASSERT_EQ(footer.size(), 3u);
        EXPECT_EQ(footer[0].text, scene.fitKindText);
        EXPECT_EQ(footer[0].x, x);
        for (const auto& t : footer) EXPECT_EQ(t.y, footer[0].y);
        EXPECT_LT(footer[0].y, box.Bottom());
        // The kind's label box, the last rectangle, holds its text; each text starts an em or more after the
        // last.
        const CanvasBox& label = canvas.rects.back();
        EXPECT_LE(label.left, footer[0].x);
        EXPECT_GE(label.Right(), footer[0].x + width(footer[0].text));
        EXPECT_GE(footer[1].x, label.Right() + em);
        EXPECT_GE(footer[2].x, footer[1].x + width(footer[1].text) + em);
        if (c.onColumns) {
            EXPECT_DOUBLE_EQ(footer[1].x, std::max(x + kZoneKindColumnEm * em, label.Right() + em));
            EXPECT_DOUBLE_EQ(footer[2].x,
                             footer[1].x + std::max(kZoneSpanColumnEm * em, width(footer[1].text) + em));
        } else {
            EXPECT_DOUBLE_EQ(footer[1].x, label.Right() + em);
            EXPECT_DOUBLE_EQ(footer[2].x, footer[1].x + width(footer[1].text) + em);
            EXPECT_LE(footer[2].x + width(footer[2].text), box.Right() - em);
        }
    }
}

TEST(ZonePaint, EveryPositionIsANumberInAnyBox) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<ZoneDiagramInput> inputs = {{},
                                                  {Iso("H7", 21, 0), Iso("p6", 35, 22)},
                                                  {Iso("H7", 21, 0), Iso("x", nan, 0)},
                                                  {Iso("H7", 21, 0), Iso("a", -300, -320)}};
    for (const CanvasBox box : {CanvasBox{0, 0, 640, 400}, CanvasBox{0, 0, 1, 1}, CanvasBox{5, 5, 0, 0}}) {
        for (const ZoneDiagramInput& input : inputs) {
            MeasuringCanvas canvas(7.0);
            PaintZoneScene(BuildZoneScene(input), canvas, box, ZoneStyle());
            ASSERT_FALSE(canvas.rects.empty());  // the background at least
            for (const CanvasPoint& p : canvas.points) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
            for (const CanvasBox& r : canvas.rects)
                EXPECT_TRUE(std::isfinite(r.left + r.top + r.width + r.height));
        }
    }
}

TEST(CanvasHatch, StrokesRiseAt45DegreesInsideTheBoxSpacingApart) {
    struct Case {
        CanvasBox box;
        double spacing;
        std::size_t strokes;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<Case> cases = {
        {{0, 0, 10, 10}, 5, 3},      // x + y = 5, 10, 15
        {{100, 50, 40, 10}, 10, 4},  // c from 160 to 190
        {{0, 0, 10, 10}, 20, 0},     // wider than the box
        {{0, 0, 10, 10}, 0, 0},     {{0, 0, 10, 10}, -3, 0},         {{0, 0, -10, 10}, 2, 0},
        {{0, 0, 10, nan}, 2, 0},    {{0, 0, 1e9, 1e9}, 1e-3, 10000},  // capped
    };
    for (const Case& c : cases) {
        const std::vector<HatchStroke> strokes = HatchStrokes(c.box, c.spacing);
        EXPECT_EQ(strokes.size(), c.strokes) << c.spacing;
        for (std::size_t i = 0; i < strokes.size() && i < 100; ++i) {
            const HatchStroke& s = strokes[i];
            for (const CanvasPoint& p : {s.from, s.to}) {
                EXPECT_GE(p.x, c.box.left);
                EXPECT_LE(p.x, c.box.Right());
                EXPECT_GE(p.y, c.box.top);
                EXPECT_LE(p.y, c.box.Bottom());
            }
            EXPECT_LT(s.from.x, s.to.x);
            EXPECT_NEAR(s.from.x + s.from.y, s.to.x + s.to.y, 1e-9);  // rising to the right
            const double c0 = c.box.left + c.box.top;
            EXPECT_NEAR(s.from.x + s.from.y - c0, static_cast<double>(i + 1) * c.spacing, 1e-6);
        }
    }
}

// The SVG back end's estimates of the texts' widths, each text kept with its box.
class BoxRecordingCanvas : public SvgCanvas {
  public:
    BoxRecordingCanvas() : SvgCanvas(1, 1, "sans-serif", CanvasFont{}) {}
    struct Placed {
        std::string text;
        CanvasBox box;
    };
    void Text(std::string_view text, CanvasPoint at, const CanvasFont& font, CanvasAlign align,
              const Colour&) override {
        const double width = TextWidth(text, font);
        const double share = align == CanvasAlign::Middle ? 0.5 : align == CanvasAlign::End ? 1.0 : 0.0;
        texts.push_back(
            {std::string(text), {at.x - share * width, at.y - 0.8 * font.size, width, font.size}});
    }
    std::vector<Placed> texts;
};

bool Overlap(const CanvasBox& a, const CanvasBox& b) {
    return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

ZoneFeature FreeMm(double upperMm, double lowerMm) {
    return {25.0, 25.0 + upperMm, 25.0 + lowerMm, ToleranceMode::Free, "", 0};
}

TEST(ZonePaint, EveryTextLiesInsideThePictureAndTheUnitClearsTheTicks) {
    const std::vector<ZoneDiagramInput> inputs = {
        {Iso("H7", 21, 0), Iso("g6", -7, -20)},           {FreeMm(2474.52, -0.0001), Iso("g6", -7, -20)},
        {Iso("H7", 21, 0), FreeMm(-4000.99, -4000.9901)}, {FreeMm(0.01, -1e308), Iso("g6", -7, -20)},
        {FreeMm(99999.9, -99999.9), FreeMm(-0.3, -0.3)},
    };
    const std::vector<CanvasBox> boxes = {{0, 0, 640, 400}, {0, 0, 480, 320}, {0, 0, 320, 240}};
    for (const ZoneDiagramInput& input : inputs) {
        const ZoneScene scene = BuildZoneScene(input);
        for (const CanvasBox& box : boxes) {
            SCOPED_TRACE(box.width);
            BoxRecordingCanvas canvas;
            PaintZoneScene(scene, canvas, box, ZoneStyle());
            ASSERT_FALSE(canvas.texts.empty());
            for (const auto& t : canvas.texts) {
                EXPECT_GE(t.box.left, box.left) << t.text;
                EXPECT_LE(t.box.Right(), box.Right()) << t.text;
                EXPECT_GE(t.box.top, box.top) << t.text;
                EXPECT_LE(t.box.Bottom(), box.Bottom()) << t.text;
            }
            for (const auto& unit : canvas.texts) {
                if (unit.text != scene.unit.text) continue;
                for (const ZoneTick& tick : scene.ticks) {
                    for (const auto& t : canvas.texts) {
                        if (t.text == tick.text) {
                            EXPECT_FALSE(Overlap(unit.box, t.box)) << t.text;
                        }
                    }
                }
            }
        }
    }
}

// WCAG 2 relative luminance of an sRGB colour.
double Luminance(const Colour& c) {
    auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
}

TEST(ZonePaint, ZoneAndSpanColoursOfTheExportedLookKeep3To1AgainstWhite) {
    const ZoneStyle style;
    std::vector<Colour> colours = {style.holeFill, style.holeStroke, style.shaftFill, style.shaftStroke};
    for (FitKind kind : {FitKind::Clearance, FitKind::Transition, FitKind::Interference}) {
        const std::optional<Colour> span = ZoneSpanColour(kind, style);
        ASSERT_TRUE(span.has_value());
        colours.push_back(*span);
    }
    EXPECT_FALSE(ZoneSpanColour(FitKind::None, style).has_value());
    const double white = Luminance(style.background);
    for (const Colour& c : colours) {
        SCOPED_TRACE(testing::Message() << c.red << "," << c.green << "," << c.blue);
        EXPECT_GE((white + 0.05) / (Luminance(c) + 0.05), 3.0);
    }
}

}  // namespace
}  // namespace tolvo
