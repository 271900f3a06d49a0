#include "core/zone_svg.h"

#include <algorithm>

namespace tolvo {
namespace {

constexpr int kMinimumWidth = 200;
constexpr int kMinimumHeight = 160;

}  // namespace

std::string WriteZoneSvg(const ZoneScene& scene, int width, int height) {
    width = std::max(width, kMinimumWidth);
    height = std::max(height, kMinimumHeight);
    const ZoneStyle style;
    SvgCanvas canvas(width, height, kZoneSvgFontFamily, style.font);
    PaintZoneScene(scene, canvas, {0.0, 0.0, static_cast<double>(width), static_cast<double>(height)}, style);
    return canvas.Finish();
}

}  // namespace tolvo
