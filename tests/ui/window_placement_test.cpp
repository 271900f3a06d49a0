// Where the finder and the zone diagram open beside the calculator.
#include "ui/window_placement.h"

#include <gtest/gtest.h>

#include <vector>

namespace tolvo {
namespace {

constexpr ScreenRect kScreen{0, 0, 1920, 1040};
constexpr int kGap = kBesideGap;

bool Overlap(const ScreenRect& a, const ScreenRect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

TEST(PlaceBeside, TakesTheFirstSideWithRoomRightLeftBelowAboveAndStaysOnTheScreen) {
    struct Case {
        const char* what;
        ScreenRect calculator;
        int width;
        int height;
        ScreenRect screen;
        ScreenPoint at;
        bool clear;  // whether it can keep off the calculator
    };
    const Case cases[] = {
        {"room on the right", {100, 100, 700, 560}, 640, 730, kScreen, {808, 100}, true},
        {"right full: left", {1200, 100, 700, 560}, 640, 730, kScreen, {1200 - kGap - 640, 100}, true},
        {"level tops, moved up to fit", {100, 500, 700, 500}, 640, 730, kScreen, {808, 1040 - 730}, true},
        {"no room left or right: below", {400, 0, 1100, 400}, 640, 600, kScreen, {400, 408}, true},
        {"only above", {400, 500, 1100, 540}, 640, 480, kScreen, {400, 500 - kGap - 480}, true},
        {"a screen not at the origin",
         {2000, 50, 700, 560},
         640,
         730,
         {1920, 0, 1600, 900},
         {2708, 50},
         true},
        {"no room anywhere: the roomiest side, on the screen",
         {300, 200, 1300, 640},
         640,
         730,
         kScreen,
         {1280, 200},
         false},
        {"larger than the screen: its top left corner", {0, 0, 800, 600}, 3000, 2000, kScreen, {0, 0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ScreenPoint at = PlaceBeside(c.calculator, c.width, c.height, c.screen);
        EXPECT_EQ(at, c.at);
        const ScreenRect window{at.x, at.y, c.width, c.height};
        if (c.clear) {
            EXPECT_FALSE(Overlap(window, c.calculator));
            EXPECT_TRUE(at.x >= c.screen.x && at.y >= c.screen.y &&
                        at.x + c.width <= c.screen.x + c.screen.width &&
                        at.y + c.height <= c.screen.y + c.screen.height);
        }
    }
}

TEST(RememberedOnScreen, KeepsAPositionOnSomeScreenAndDropsOneOffEveryScreen) {
    const std::vector<ScreenRect> screens = {kScreen, {1920, 0, 1280, 1024}};
    struct Case {
        std::optional<ScreenPoint> remembered;
        bool kept;
    };
    const Case cases[] = {
        {std::nullopt, false},         {ScreenPoint{100, 100}, true},     {ScreenPoint{2500, 900}, true},
        {ScreenPoint{-639, 0}, true},  {ScreenPoint{-640, 0}, false},     {ScreenPoint{0, 1040}, false},
        {ScreenPoint{3200, 0}, false}, {ScreenPoint{100, -10000}, false}, {ScreenPoint{2147483647, 0}, false},
    };
    for (const Case& c : cases) {
        const auto kept = RememberedOnScreen(c.remembered, 640, 480, screens);
        EXPECT_EQ(kept.has_value(), c.kept)
            << (c.remembered ? c.remembered->x : 0) << "," << (c.remembered ? c.remembered->y : 0);
        if (kept) {
            EXPECT_EQ(*kept, *c.remembered);
        }
    }
}

}  // namespace
}  // namespace tolvo
