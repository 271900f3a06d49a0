// One layout, two back ends: the diagram drawn as SVG and with QPainter gets
// the same calls with the same geometry, and each back end draws what it was
// told.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <string>
#include <vector>

#include "core/zone_svg.h"
#include "ui/qt/qpainter_canvas.h"

namespace tolvo {
namespace {

// Passes every call on to a back end and writes it down.
class RecordingCanvas : public Canvas {
  public:
    enum class Kind { Line, Rect, Text };
    struct Call {
        Kind kind;
        std::vector<double> geometry;  // the points, or the box
        std::string text;
        Colour colour;      // the stroke, the fill or the text's
        double size = 0.0;  // the pen's width or the font's size
    };

    explicit RecordingCanvas(Canvas& back) : back_(back) {}
    void Line(CanvasPoint from, CanvasPoint to, const Pen& pen) override {
        calls.push_back(
            {Kind::Line, {from.x, from.y, to.x, to.y, pen.dash, pen.gap}, {}, pen.colour, pen.width});
        back_.Line(from, to, pen);
    }
    void Rect(const CanvasBox& box, const Colour& fill, const Pen& pen) override {
        calls.push_back({Kind::Rect, {box.left, box.top, box.width, box.height}, {}, fill, pen.width});
        back_.Rect(box, fill, pen);
    }
    void Text(std::string_view text, CanvasPoint at, const CanvasFont& font, CanvasAlign align,
              const Colour& colour) override {
        calls.push_back(
            {Kind::Text, {at.x, at.y, static_cast<double>(align)}, std::string(text), colour, font.size});
        back_.Text(text, at, font, align, colour);
    }
    double TextWidth(std::string_view text, const CanvasFont& font) override {
        return back_.TextWidth(text, font);
    }

    std::vector<Call> calls;

  private:
    Canvas& back_;
};

ZoneFeature Feature(ToleranceMode mode, std::string name, double upperUm, double lowerUm) {
    return {25.0, 25.0 + upperUm / 1000.0, 25.0 + lowerUm / 1000.0, mode, std::move(name), 0};
}

struct SceneCase {
    const char* name;
    ZoneDiagramInput input;
};

const std::vector<SceneCase> kScenes = {
    {"25 H7/g6",
     {Feature(ToleranceMode::FitClass, "H7", 21, 0), Feature(ToleranceMode::FitClass, "g6", -7, -20)}},
    {"25 H7/p6",
     {Feature(ToleranceMode::FitClass, "H7", 21, 0), Feature(ToleranceMode::FitClass, "p6", 35, 22)}},
    {"free, a zero-width shaft",
     {Feature(ToleranceMode::Free, "", 30, 10), Feature(ToleranceMode::Free, "", 0, 0)}},
};

const RecordingCanvas::Call* FindRect(const std::vector<RecordingCanvas::Call>& calls, const Colour& fill) {
    for (const auto& c : calls) {
        if (c.kind == RecordingCanvas::Kind::Rect && c.colour == fill) return &c;
    }
    return nullptr;
}

// The first and last rows in which the colour runs over at least 8 pixels.
std::pair<int, int> RowsOf(const QImage& image, const Colour& c) {
    const QRgb wanted = qRgb(c.red, c.green, c.blue);
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y) {
        int run = 0, longest = 0;
        for (int x = 0; x < image.width(); ++x) {
            run = image.pixel(x, y) == wanted ? run + 1 : 0;
            longest = std::max(longest, run);
        }
        if (longest < 8) continue;
        if (first < 0) first = y;
        last = y;
    }
    return {first, last};
}

std::string Px(double v) {
    return QString::number(std::round(v * 10.0) / 10.0 + 0.0, 'f', 1).toStdString();
}

TEST(ZoneCanvas, SvgAndQPainterGetOneLayoutAndDrawIt) {
    const ZoneStyle style;
    const CanvasBox box{0.0, 0.0, kZoneSvgWidth, kZoneSvgHeight};
    for (const SceneCase& c : kScenes) {
        SCOPED_TRACE(c.name);
        const ZoneScene scene = BuildZoneScene(c.input);
        ASSERT_EQ(scene.zones.size(), 2u);

        SvgCanvas svg(kZoneSvgWidth, kZoneSvgHeight, kZoneSvgFontFamily, style.font);
        RecordingCanvas svgCalls(svg);
        PaintZoneScene(scene, svgCalls, box, style);
        const std::string document = svg.Finish();
        EXPECT_EQ(document, WriteZoneSvg(scene));

        QImage image(kZoneSvgWidth, kZoneSvgHeight, QImage::Format_RGB32);
        QPainter painter(&image);
        QPainterCanvas qpainter(painter, QApplication::font());
        RecordingCanvas qpainterCalls(qpainter);
        PaintZoneScene(scene, qpainterCalls, box, style);
        painter.end();

        ASSERT_EQ(svgCalls.calls.size(), qpainterCalls.calls.size());
        for (std::size_t i = 0; i < svgCalls.calls.size(); ++i) {
            const auto& a = svgCalls.calls[i];
            const auto& b = qpainterCalls.calls[i];
            EXPECT_EQ(a.kind, b.kind) << i;
            EXPECT_EQ(a.text, b.text) << i;
            EXPECT_EQ(a.colour, b.colour) << i;
            EXPECT_EQ(a.size, b.size) << i;
            ASSERT_EQ(a.geometry.size(), b.geometry.size()) << i;
            for (std::size_t k = 0; k < a.geometry.size(); ++k)
                EXPECT_NEAR(a.geometry[k], b.geometry[k], 1e-9) << i;
        }

        // The hole's rectangle: where the SVG says, and where QPainter filled it.
        const RecordingCanvas::Call* hole = FindRect(svgCalls.calls, style.holeFill);
        ASSERT_NE(hole, nullptr);
        const double top = hole->geometry[1], bottom = hole->geometry[1] + hole->geometry[3];
        EXPECT_NE(document.find("<rect x=\"" + Px(hole->geometry[0]) + "\" y=\"" + Px(top) + "\" width=\"" +
                                Px(hole->geometry[2]) + "\" height=\"" + Px(hole->geometry[3]) +
                                "\" fill=\"" + std::string(kZoneHoleFill) + "\""),
                  std::string::npos);
        const auto [first, last] = RowsOf(image, style.holeFill);
        EXPECT_NEAR(first, top, 2.0);
        EXPECT_NEAR(last, bottom, 2.0);

        // A zero tolerance is a thick line of the outline's colour, not a rectangle.
        const bool shaftIsLine = scene.zones[1].isLine;
        EXPECT_EQ(FindRect(svgCalls.calls, style.shaftFill) == nullptr, shaftIsLine);
        if (shaftIsLine) {
            bool drawn = false;
            for (const auto& call : svgCalls.calls) {
                if (call.kind != RecordingCanvas::Kind::Line || !(call.colour == style.shaftStroke)) continue;
                drawn = true;
                EXPECT_EQ(call.size, 3.0);
                EXPECT_EQ(call.geometry[1], call.geometry[3]);  // level
                const int y = static_cast<int>(call.geometry[1]);
                const int x = static_cast<int>((call.geometry[0] + call.geometry[2]) / 2);
                EXPECT_EQ(image.pixel(x, y),
                          qRgb(style.shaftStroke.red, style.shaftStroke.green, style.shaftStroke.blue));
            }
            EXPECT_TRUE(drawn);
        }
    }
}

}  // namespace
}  // namespace tolvo
