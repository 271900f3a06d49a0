// Where a window of its own (the finder, the zone diagram) opens: beside the
// calculator, never over it while the screen has room on some side. Pure, so
// that every view places its windows alike.
#pragma once

#include <optional>
#include <span>

namespace tolvo {

struct ScreenRect {
    int x = 0;  // pixels, the left and top edges
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

struct ScreenPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// The gap between the calculator and a window beside it.
inline constexpr int kBesideGap = 8;

// The top left corner for a window of width x height beside the calculator's
// frame, on a screen whose available area is `screen`: to its right, else to
// its left (top edges level), else below it, else above it (left edges
// level), the first side where the window fits; moved along that side to
// stay on the screen. Where it fits on no side, the side with the most room,
// and the window kept on the screen as far as it goes.
ScreenPoint PlaceBeside(const ScreenRect& calculator, int width, int height, const ScreenRect& screen);

// A remembered top left corner, when a window of width x height there would
// lie at least partly on one of the screens' available areas.
std::optional<ScreenPoint> RememberedOnScreen(std::optional<ScreenPoint> remembered, int width, int height,
                                              std::span<const ScreenRect> screens);

}  // namespace tolvo
