#include "ui/window_placement.h"

#include <algorithm>
#include <array>

namespace tolvo {
namespace {

// The start of a span of `length` within [low, low + room), kept there as far as it goes.
int Within(int start, int length, int low, int room) {
    return std::max(low, std::min(start, low + room - length));
}

// In 64 bits: a remembered corner may be anywhere an int goes.
bool Overlap(const ScreenRect& a, const ScreenRect& b) {
    const auto before = [](long long start, long long length, long long other) {
        return start < other + length;
    };
    return before(a.x, b.width, b.x) && before(b.x, a.width, a.x) && before(a.y, b.height, b.y) &&
           before(b.y, a.height, a.y);
}

}  // namespace

ScreenPoint PlaceBeside(const ScreenRect& calculator, int width, int height, const ScreenRect& screen) {
    const ScreenRect& c = calculator;
    const ScreenRect& s = screen;
    struct Side {
        int room;  // on the screen beyond the gap
        int needed;
        ScreenPoint at;
    };
    const int level = Within(c.y, height, s.y, s.height);
    const int aligned = Within(c.x, width, s.x, s.width);
    const std::array<Side, 4> sides = {{
        {s.x + s.width - (c.x + c.width + kBesideGap), width, {c.x + c.width + kBesideGap, level}},
        {c.x - kBesideGap - s.x, width, {c.x - kBesideGap - width, level}},
        {s.y + s.height - (c.y + c.height + kBesideGap), height, {aligned, c.y + c.height + kBesideGap}},
        {c.y - kBesideGap - s.y, height, {aligned, c.y - kBesideGap - height}},
    }};
    for (const Side& side : sides) {
        if (side.room >= side.needed) return side.at;
    }
    const Side& roomiest = *std::max_element(sides.begin(), sides.end(),
                                             [](const Side& a, const Side& b) { return a.room < b.room; });
    return {Within(roomiest.at.x, width, s.x, s.width), Within(roomiest.at.y, height, s.y, s.height)};
}

std::optional<ScreenPoint> RememberedOnScreen(std::optional<ScreenPoint> remembered, int width, int height,
                                              std::span<const ScreenRect> screens) {
    if (!remembered) return std::nullopt;
    const ScreenRect window{remembered->x, remembered->y, width, height};
    for (const ScreenRect& screen : screens) {
        if (Overlap(window, screen)) return remembered;
    }
    return std::nullopt;
}

}  // namespace tolvo
