// The tolerance-zone diagram as a scene: the zero line at the hole's basic
// size, the two zones, the clearance or interference between them and a
// scale, as plain data. The Qt view paints it and tolvo-fit writes it as SVG,
// so both show the same geometry and the same texts.
//
// Coordinates: x in layout units from 0 (left) to kZoneLayoutWidth (right);
// y in "drawn micrometres", growing upwards. Without a break in the scale y is
// the deviation from the hole's basic size in μm; a break compresses a large
// empty gap, so every element also keeps its true value in μm.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/feature.h"
#include "core/fit_evaluation.h"

namespace tolvo {

// One feature that has limit sizes to draw.
struct ZoneFeature {
    double basicSize = 0.0;   // mm
    double upperLimit = 0.0;  // mm
    double lowerLimit = 0.0;  // mm
    ToleranceMode mode = ToleranceMode::FitClass;
    std::string className;  // FitClass: "H7", "g6"
    int generalClass = 0;   // General: 0..3, 精級 .. 極粗級
};

// What the operating-conditions dialog adds to the diagram while it is open and computed.
struct ZoneServiceOverlay {
    double holeUpperLimit = 0.0,
           holeLowerLimit = 0.0;  // mm, the hole's limit sizes at its operating temperature
    double shaftUpperLimit = 0.0, shaftLowerLimit = 0.0;     // mm, the shaft's at its own
    double holeTemperature = 20.0, shaftTemperature = 20.0;  // °C, for the labels
    // mm: mean − 3σ and mean + 3σ of the clearance (at temperature when temperatures are set); none: no
    // statistics
    std::optional<std::array<double, 2>> clearanceBand;
    friend bool operator==(const ZoneServiceOverlay&, const ZoneServiceOverlay&) = default;
};

// Each feature is none while it shows placeholders.
struct ZoneDiagramInput {
    std::optional<ZoneFeature> hole;
    std::optional<ZoneFeature> shaft;
    std::optional<ZoneServiceOverlay> service = std::nullopt;  // none: the scene exactly as today
};

inline constexpr double kZoneLayoutWidth = 100.0;

enum class TextAlign { Start, Middle, End };    // horizontal, about the anchor
enum class TextPlace { Above, Center, Below };  // vertical, about the anchor

// A text placed at a point; the renderer keeps a small gap for Above/Below.
struct ZoneText {
    std::string text;
    double x = 0.0;
    double y = 0.0;
    TextAlign align = TextAlign::Start;
    TextPlace place = TextPlace::Center;
};

struct ZoneRect {
    FeatureKind kind = FeatureKind::Hole;
    double left = 0.0;
    double right = 0.0;
    double upperUm = 0.0;  // deviations from the hole's basic size
    double lowerUm = 0.0;
    double top = 0.0;  // drawn positions of upperUm and lowerUm
    double bottom = 0.0;
    bool isLine = false;  // a zero tolerance: drawn as a line at top
    ZoneText label;       // "H7", "中級", "自由入力", centred above the zone
    ZoneText upperText;   // "+21 μm", beside the top edge, outside the pair
    ZoneText lowerText;   // "0 μm", beside the bottom edge; empty for a line
};

// The maximum or minimum clearance (or interference) as a dimension line from
// a shaft limit to a hole limit.
struct ZoneSpan {
    double x = 0.0;
    double fromUm = 0.0;  // the shaft limit
    double toUm = 0.0;    // the hole limit
    double from = 0.0;    // drawn positions
    double to = 0.0;
    double clearanceUm = 0.0;  // toUm - fromUm; negative: an interference
    std::string text;          // "最大すきま ： 41 μm"
};

struct ZoneTick {
    double valueUm = 0.0;
    double y = 0.0;
    std::string text;  // "-20"
};

// Where the scale skips a gap: drawn at y, the true values just below and
// just above.
struct ZoneBreak {
    double y = 0.0;
    double belowUm = 0.0;
    double aboveUm = 0.0;
};

// The clearance's statistical range (mean ± 3σ) as a band measured up from
// the shaft's mean size at temperature: where the hole's size falls in 99.7 %
// of pairs, seen from the mean shaft.
struct ZoneBand {
    double left = 0.0;
    double right = 0.0;
    double lowUm = 0.0;  // deviations from the hole's basic size
    double highUm = 0.0;
    double bottom = 0.0;  // drawn positions
    double top = 0.0;
    ZoneText label;  // "±3σ", above the band
};

struct ZoneScene {
    double bottom = 0.0;  // the drawn vertical range
    double top = 0.0;
    double axisX = 0.0;  // the scale's vertical line
    std::vector<ZoneTick> ticks;
    double tickStepUm = 0.0;  // 1, 2 or 5 × 10^n
    ZoneText unit;            // "μm" above the scale
    std::vector<ZoneBreak> breaks;
    double zeroY = 0.0;           // the zero line, from axisX to kZoneLayoutWidth
    ZoneText zeroLabel;           // "φ25 mm"; empty without a hole
    std::vector<ZoneRect> zones;  // hole first; only the features given
    FitKind fitKind = FitKind::None;
    std::string fitKindText;      // "すきまばめ"; empty without a fit
    std::vector<ZoneSpan> spans;  // two with a fit, else none
    std::string note;             // the shaft drawn against another basic size, or ja::kZoneNotToScale
    // While the operating conditions are shown: each part's zone at its
    // temperature, outlined beside its 20 °C zone (hole first, labelled with
    // the temperature), the clearance's ±3σ band, and a footer line saying so.
    std::vector<ZoneRect> serviceZones;
    std::optional<ZoneBand> clearanceBand;
    std::string serviceNote;
    // False when a limit lies too far from the zero line to be drawn: then
    // the scene holds nothing but the note, no scale, zero line or zone.
    bool toScale = true;
};

// A limit or basic size this many μm or more from zero is not drawn: its
// texts would need an exponent, and its limits no longer keep the nanometre.
inline constexpr double kZoneMaxDrawnUm = 1e8;  // 100 m
// From this many μm on, deviations, amounts and the scale are written in mm.
inline constexpr double kZoneMillimetreTextUm = 1e4;

// The zone's name: the class ("H7"), the general class ("中級") or "自由入力".
std::string ZoneLabel(const ZoneFeature& feature);

// The scale fills kZoneFill of the height with the zones, the zero line and
// any breaks; a gap wider than kZoneBreakRatio times the taller zone (at
// least 1 μm) becomes a break with kZoneBreakKeep times that height on each
// side of it, and no tick within half that height of the break.
inline constexpr double kZoneFill = 0.75;
inline constexpr double kZoneBreakRatio = 4.0;
inline constexpr double kZoneBreakKeep = 1.0;

ZoneScene BuildZoneScene(const ZoneDiagramInput& input);

// The name proposed for a saved diagram: "25_H7-g6.svg"; "GEN-m" for a general
// class, "free" for free deviations; the shaft's basic size before its class
// when it differs ("25_H7-30_g6.svg"). Without a feature: "zones.svg".
std::string ProposedZoneFileName(const ZoneDiagramInput& input, std::string_view extension);

}  // namespace tolvo
