// The zone diagram's scene written as an SVG document (UTF-8, its own white
// background), the same picture the window's view paints.
#pragma once

#include <string>
#include <string_view>

#include "core/zone_diagram.h"

namespace tolvo {

// Okabe-Ito orange and sky blue, with darker outlines: told apart with every
// common kind of colour blindness, and readable on white and on dark grey.
// The window's view paints with the same colours.
inline constexpr std::string_view kZoneHoleFill = "#E69F00";
inline constexpr std::string_view kZoneHoleStroke = "#8A5F00";
inline constexpr std::string_view kZoneShaftFill = "#56B4E9";
inline constexpr std::string_view kZoneShaftStroke = "#1B6A99";

inline constexpr int kZoneSvgWidth = 640;
inline constexpr int kZoneSvgHeight = 400;

// A whole SVG document of the given size in pixels, ended by "\n". Sizes
// below a small minimum are raised to it.
std::string WriteZoneSvg(const ZoneScene& scene, int width = kZoneSvgWidth, int height = kZoneSvgHeight);

// Text made safe for XML character data and attribute values.
std::string EscapeXml(std::string_view text);

}  // namespace tolvo
