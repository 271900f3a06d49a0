#include "core/canvas.h"

#include <algorithm>
#include <cmath>

namespace tolvo {
namespace {

// A hatch finer than this many strokes is a mistake of the caller, not a picture.
constexpr int kMaxHatchStrokes = 10000;

}  // namespace

std::vector<HatchStroke> HatchStrokes(const CanvasBox& box, double spacing) {
    std::vector<HatchStroke> strokes;
    const bool usable = std::isfinite(box.left) && std::isfinite(box.top) && std::isfinite(box.width) &&
                        std::isfinite(box.height) && box.width > 0.0 && box.height > 0.0 &&
                        std::isfinite(spacing) && spacing > 0.0;
    if (!usable) return strokes;
    // Each stroke is a line x + y = c; c steps from the top left corner to the bottom right one.
    const double first = box.left + box.top;
    const double last = box.Right() + box.Bottom();
    for (int i = 1; i <= kMaxHatchStrokes; ++i) {
        const double c = first + i * spacing;
        if (c >= last) break;
        const double fromX = std::max(box.left, c - box.Bottom());
        const double toX = std::min(box.Right(), c - box.top);
        if (toX > fromX) strokes.push_back({{fromX, c - fromX}, {toX, c - toX}});
    }
    return strokes;
}

void Canvas::Hatch(const CanvasBox& box, const Pen& pen, double spacing) {
    for (const HatchStroke& s : HatchStrokes(box, spacing)) Line(s.from, s.to, pen);
}

}  // namespace tolvo
