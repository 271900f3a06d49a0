// The zone diagram's scene written as an SVG document (UTF-8, its own white
// background), the same picture the window's view paints.
#pragma once

#include <string>

#include "core/zone_diagram.h"

namespace tolvo {

inline constexpr int kZoneSvgWidth = 640;
inline constexpr int kZoneSvgHeight = 400;

// A whole SVG document of the given size in pixels, ended by "\n". Sizes
// below a small minimum are raised to it.
std::string WriteZoneSvg(const ZoneScene& scene, int width = kZoneSvgWidth, int height = kZoneSvgHeight);

// Text made safe for XML character data and attribute values.
std::string EscapeXml(std::string_view text);

}  // namespace tolvo
