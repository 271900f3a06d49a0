// A small drawing surface for the program's pictures: lines, rectangles,
// hatching and texts, in pixels from the top left corner, y growing
// downwards. A picture is laid out once against this interface and each back
// end (SVG, QPainter, GDI, a printed page) only draws what it is told, so
// every target shows the same layout. The one thing a layout asks of a back
// end is how wide a text comes out in its fonts.
#pragma once

#include <string_view>
#include <vector>

namespace tolvo {

struct Colour {
    int red = 0;
    int green = 0;
    int blue = 0;
    double alpha = 1.0;  // 0 transparent .. 1 opaque
    friend bool operator==(const Colour&, const Colour&) = default;
};

// "#RRGGBB" (either case); black for anything else.
constexpr Colour ColourFromHex(std::string_view hex) {
    auto digit = [](char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    if (hex.size() != 7 || hex[0] != '#') return {};
    int values[6] = {};
    for (int i = 0; i < 6; ++i) {
        values[i] = digit(hex[static_cast<std::size_t>(i) + 1]);
        if (values[i] < 0) return {};
    }
    return {values[0] * 16 + values[1], values[2] * 16 + values[3], values[4] * 16 + values[5], 1.0};
}

struct CanvasPoint {
    double x = 0.0;
    double y = 0.0;
    friend bool operator==(const CanvasPoint&, const CanvasPoint&) = default;
};

struct CanvasBox {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;
    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
};

// Lines end flat at their end points; a dash pattern is in pixels, none: solid.
struct Pen {
    Colour colour;
    double width = 1.0;
    double dash = 0.0;  // drawn length, 0: solid
    double gap = 0.0;   // skipped length
};

struct CanvasFont {
    double size = 13.0;  // pixels, the em
    bool bold = false;
    friend bool operator==(const CanvasFont&, const CanvasFont&) = default;
};

// Horizontal placement of a text about its anchor.
enum class CanvasAlign { Start, Middle, End };

class Canvas {
  public:
    virtual ~Canvas() = default;

    virtual void Line(CanvasPoint from, CanvasPoint to, const Pen& pen) = 0;
    // Filled with fill; outlined with pen when it has a width above zero.
    virtual void Rect(const CanvasBox& box, const Colour& fill, const Pen& pen) = 0;
    // baseline: the anchor's point on the text's baseline.
    virtual void Text(std::string_view text, CanvasPoint baseline, const CanvasFont& font, CanvasAlign align,
                      const Colour& colour) = 0;
    // The advance of the text in this back end's face of the font, in pixels.
    virtual double TextWidth(std::string_view text, const CanvasFont& font) = 0;

    // Parallel strokes rising at 45° to the right, spacing pixels apart, cut
    // at the box's edges. Drawn as lines, so every back end hatches alike.
    void Hatch(const CanvasBox& box, const Pen& pen, double spacing);
};

// The strokes Canvas::Hatch draws.
struct HatchStroke {
    CanvasPoint from;
    CanvasPoint to;
};
std::vector<HatchStroke> HatchStrokes(const CanvasBox& box, double spacing);

}  // namespace tolvo
