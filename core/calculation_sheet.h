// The calculation sheet: one A4 page (portrait) that files a pair's
// calculation: title, date and Tolvo's version, the inputs, every result the
// main window shows (the copied report's own lines), the callouts, the
// tolerance-zone diagram as vector, and any further sections a dialog adds.
// It is laid out once on a canvas; the printer, the PDF and the SVG draw the
// same layout.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/callout.h"
#include "core/canvas.h"
#include "core/feature.h"
#include "core/report_lines.h"
#include "core/zone_diagram.h"

namespace tolvo {

// The page in units of a quarter millimetre: 210 × 297 mm.
inline constexpr double kSheetUnitMm = 0.25;
inline constexpr double kSheetWidth = 840.0;
inline constexpr double kSheetHeight = 1188.0;

// A titled block of rows; a row too wide for the page is set smaller, down
// to kSheetSmallestShare of its size, and beyond that broken into lines.
struct SheetSection {
    std::string title;
    std::vector<std::string> rows;
    friend bool operator==(const SheetSection&, const SheetSection&) = default;
};
inline constexpr double kSheetSmallestShare = 0.75;

// How one feature's deviations are given, as its controls or its query say.
struct SheetFeatureInput {
    FeatureKind kind = FeatureKind::Hole;
    double basicSize = 0.0;  // mm
    ToleranceMode mode = ToleranceMode::FitClass;
    std::string className;  // fit class: "H7"
    int generalClass = 0;   // general: 0..3
    std::string freeFirst;  // free: the two deviations as typed, in mm
    std::string freeSecond;
};

struct SheetSource {
    std::string date;  // as it is to be printed, "2026-12-08"
    SheetFeatureInput hole;
    SheetFeatureInput shaft;
    ReportLines results;
    std::vector<std::string> callouts;  // none: the sheet has no callout section
    ZoneDiagramInput zones;
    std::vector<SheetSection> further;  // the sections of other dialogs, in order
};

struct CalculationSheet {
    std::string title;
    std::string date;     // "作成日 ： 2026-12-08"
    std::string version;  // "Tolvo  Ver 1.10"
    SheetSection inputs;
    SheetSection hole;  // the results, side by side
    SheetSection shaft;
    SheetSection fit;
    std::optional<SheetSection> callouts;
    std::string zonesTitle;
    ZoneScene zones;
    std::vector<SheetSection> further;
};

// The pair's callouts in every style, one row each, a row that another style
// already wrote left out.
std::vector<std::string> SheetCalloutRows(const FeatureCallout& hole, const FeatureCallout& shaft,
                                          DiameterSign sign);

// "穴 ： 基準寸法 φ25 mm　公差域クラス H7".
std::string SheetInputRow(const SheetFeatureInput& input);
// A dialog's section from its report lines ("\r\n" or "\n" between them); none for no lines.
std::optional<SheetSection> SheetSectionFromLines(std::string title, std::string_view lines);

CalculationSheet BuildCalculationSheet(const SheetSource& source);

// Draws the page into (0, 0) .. (kSheetWidth, kSheetHeight) of the canvas,
// white paper first; nothing is drawn outside it.
void PaintCalculationSheet(const CalculationSheet& sheet, Canvas& canvas);

// The page as an SVG document: width="210mm" height="297mm", its viewBox in
// the sheet's units.
std::string WriteCalculationSheetSvg(const CalculationSheet& sheet);

}  // namespace tolvo
