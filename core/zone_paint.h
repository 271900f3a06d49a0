// The zone diagram's scene laid out on a canvas: where the scale, its ticks,
// the zones, the dimension lines and every text go for a given box and
// style. Every picture of the diagram (the window, a copied or saved PNG, the
// SVG) is this one layout drawn by a different back end.
#pragma once

#include <optional>
#include <string_view>

#include "core/canvas.h"
#include "core/zone_diagram.h"

namespace tolvo {

// Okabe-Ito orange and sky blue, darkened to a contrast of 3:1 or more
// against white paper, with darker outlines: told apart with every common
// kind of colour blindness, and readable on white and on dark grey.
inline constexpr std::string_view kZoneHoleFill = "#C47F00";
inline constexpr std::string_view kZoneHoleStroke = "#8A5F00";
inline constexpr std::string_view kZoneShaftFill = "#2E86C1";
inline constexpr std::string_view kZoneShaftStroke = "#1B6A99";
// The transition fit's bars: its label's pure yellow is lost on white paper.
inline constexpr std::string_view kZoneTransitionSpan = "#A68000";

// Colours and sizes in pixels. The defaults are the exported look: dark ink
// on white, whatever the desktop's theme.
struct ZoneStyle {
    Colour background{255, 255, 255};
    Colour ink = ColourFromHex("#222222");
    Colour guide = ColourFromHex("#888888");  // the dashed lines from the zones to the dimension lines
    Colour holeFill = ColourFromHex(kZoneHoleFill);
    Colour holeStroke = ColourFromHex(kZoneHoleStroke);
    Colour shaftFill = ColourFromHex(kZoneShaftFill);
    Colour shaftStroke = ColourFromHex(kZoneShaftStroke);
    Colour transitionSpan = ColourFromHex(kZoneTransitionSpan);
    CanvasFont font{13.0};
    CanvasFont noteFont{11.0};
    double lineHeight = 19.0;    // of a footer line
    double topMargin = 40.0;     // the labels above the highest zone and the unit
    double bottomMargin = 26.0;  // the texts below the lowest zone
    double textGap = 4.0;
    double tickLength = 5.0;
    double breakGap = 4.0;  // half the axis's gap at a break
};

// The footer's texts start on columns of these many ems, so that the
// pictures of different fits line up; a wider text pushes the next one along.
// A line that would not end an em inside the box that way is packed
// instead, an em apart.
inline constexpr double kZoneKindColumnEm = 8.0;
inline constexpr double kZoneSpanColumnEm = 14.0;

// The colour of the dimension lines of a kind of fit: the fit label's
// background, a transition's in the style's own; none without a fit.
std::optional<Colour> ZoneSpanColour(FitKind kind, const ZoneStyle& style);

// Draws the scene into the box, its background first.
void PaintZoneScene(const ZoneScene& scene, Canvas& canvas, const CanvasBox& box, const ZoneStyle& style);

}  // namespace tolvo
