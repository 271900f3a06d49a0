// Scenes and pixel probes shared by the Win32 diagram's tests.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "core/zone_diagram.h"
#include "ui/win32/gdi_canvas.h"

namespace tolvo::win32 {

inline ZoneFeature IsoFeature(std::string name, double upperUm, double lowerUm) {
    return {25.0, 25.0 + upperUm / 1000.0, 25.0 + lowerUm / 1000.0, ToleranceMode::FitClass, std::move(name),
            0};
}

// 25 mm H7/g6 (a clearance) and H7/p6 (an interference).
inline ZoneDiagramInput ClearanceInput() {
    return {IsoFeature("H7", 21, 0), IsoFeature("g6", -7, -20)};
}
inline ZoneDiagramInput InterferenceInput() {
    return {IsoFeature("H7", 21, 0), IsoFeature("p6", 35, 22)};
}

// The first and last rows in which the colour runs over at least 8 pixels:
// a zone's extent, whatever else is drawn in its colour.
struct Rows {
    int top = -1;
    int bottom = -1;
};
inline Rows RowsOf(const DibPicture& picture, std::uint32_t colour) {
    Rows rows;
    for (int y = 0; y < picture.Height(); ++y) {
        int run = 0, longest = 0;
        for (int x = 0; x < picture.Width(); ++x) {
            run = picture.Pixel(x, y) == colour ? run + 1 : 0;
            if (run > longest) longest = run;
        }
        if (longest < 8) continue;
        if (rows.top < 0) rows.top = y;
        rows.bottom = y;
    }
    return rows;
}

}  // namespace tolvo::win32
