// The zone diagram's scene written as an SVG document (UTF-8, its own white
// background): the one layout of the diagram, in the exported look.
#pragma once

#include <string>

#include "core/svg_canvas.h"
#include "core/zone_diagram.h"
#include "core/zone_paint.h"

namespace tolvo {

inline constexpr int kZoneSvgWidth = 640;
inline constexpr int kZoneSvgHeight = 400;

// A generic family last, Japanese faces before it for the labels.
inline constexpr std::string_view kZoneSvgFontFamily =
    "'Noto Sans CJK JP', 'Source Han Sans JP', 'Yu Gothic UI', 'Yu Gothic', Meiryo, 'Hiragino Sans', sans-serif";

// A whole SVG document of the given size in pixels, ended by "\n". Sizes
// below a small minimum are raised to it.
std::string WriteZoneSvg(const ZoneScene& scene, int width = kZoneSvgWidth, int height = kZoneSvgHeight);

}  // namespace tolvo
