#include "core/zone_svg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tolvo {
namespace {

ZoneFeature Feature(std::string name, double upperUm, double lowerUm) {
    ZoneFeature f;
    f.basicSize = 25;
    f.upperLimit = 25 + upperUm / 1000;
    f.lowerLimit = 25 + lowerUm / 1000;
    f.className = std::move(name);
    return f;
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

TEST(ZoneSvg, EscapesTheFiveXmlCharactersAndDropsControls) {
    struct Case {
        std::string in;
        std::string out;
    };
    const std::vector<Case> cases = {
        {"H7", "H7"},
        {"a<b>&\"'", "a&lt;b&gt;&amp;&quot;&apos;"},
        {"自由入力 μm", "自由入力 μm"},
        {std::string("x\x01y\x1fz"), "xyz"},
    };
    for (const Case& c : cases) EXPECT_EQ(EscapeXml(c.in), c.out);
}

TEST(ZoneSvg, WritesEveryTextAndBothZoneColoursOfTheScene) {
    const ZoneScene scene = BuildZoneScene({Feature("H7", 21, 0), Feature("g6", -7, -20)});
    const std::string svg = WriteZoneSvg(scene, 640, 400);
    EXPECT_TRUE(svg.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg "));
    EXPECT_TRUE(svg.ends_with("</svg>\n"));
    EXPECT_NE(svg.find("width=\"640\" height=\"400\""), std::string::npos);
    EXPECT_EQ(Count(svg, "fill=\"#C47F00\""), 1u);    // the hole
    EXPECT_EQ(Count(svg, "fill=\"#2E86C1\""), 1u);    // the shaft
    EXPECT_EQ(Count(svg, "stroke=\"#0000FF\""), 2u);  // the two spans in the clearance colour
    EXPECT_NE(svg.find("sans-serif"), std::string::npos);
    std::vector<std::string> texts = {scene.unit.text, scene.zeroLabel.text, scene.fitKindText};
    for (const ZoneTick& t : scene.ticks) texts.push_back(t.text);
    for (const ZoneRect& z : scene.zones)
        texts.insert(texts.end(), {z.label.text, z.upperText.text, z.lowerText.text});
    for (const ZoneSpan& s : scene.spans) texts.push_back(s.text);
    for (const std::string& t : texts)
        EXPECT_NE(svg.find(">" + EscapeXml(t) + "</text>"), std::string::npos) << t;
}

TEST(ZoneSvg, ColoursFollowTheKindOfFitAndLinesAreStrokes) {
    struct Case {
        ZoneFeature shaft;
        std::string spanColour;
        std::size_t shaftRects;
    };
    const std::vector<Case> cases = {
        {Feature("k6", 15, 2), "stroke=\"#A68000\"", 1},
        {Feature("p6", 35, 22), "stroke=\"#FF0000\"", 1},
        {Feature("", 0, 0), "stroke=\"#0000FF\"", 0},  // a zero tolerance: a line, no rectangle
    };
    for (const Case& c : cases) {
        const std::string svg = WriteZoneSvg(BuildZoneScene({Feature("H7", 21, 0), c.shaft}));
        EXPECT_EQ(Count(svg, c.spanColour), 2u) << c.spanColour;
        EXPECT_EQ(Count(svg, "fill=\"#2E86C1\""), c.shaftRects);
    }
}

TEST(ZoneSvg, EmptySceneAndTinySizesStillMakeADocument) {
    const std::string svg = WriteZoneSvg(BuildZoneScene({}), 1, 1);
    EXPECT_NE(svg.find("width=\"200\" height=\"160\""), std::string::npos);
    EXPECT_EQ(Count(svg, "<rect"), 1u);  // the background only
    EXPECT_EQ(svg.find("nan"), std::string::npos);
    EXPECT_EQ(svg.find("inf"), std::string::npos);
}

}  // namespace
}  // namespace tolvo
