#include "core/zone_diagram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/texts_ja.h"

namespace tolvo {
namespace {

// Limit sizes from deviations in μm, as the table gives them for 25 mm.
ZoneFeature Iso(double basic, std::string name, double upperUm, double lowerUm) {
    ZoneFeature f;
    f.basicSize = basic;
    f.upperLimit = basic + upperUm / 1000.0;
    f.lowerLimit = basic + lowerUm / 1000.0;
    f.mode = ToleranceMode::FitClass;
    f.className = std::move(name);
    return f;
}

ZoneFeature Free(double basic, double upperUm, double lowerUm) {
    ZoneFeature f = Iso(basic, "", upperUm, lowerUm);
    f.mode = ToleranceMode::Free;
    return f;
}

const ZoneFeature kH7 = Iso(25, "H7", 21, 0);

std::string Caption(std::string_view caption, std::string_view amount) {
    return std::string(caption) + " " + std::string(amount) + " μm";
}

struct FitCase {
    const char* name;
    ZoneFeature shaft;
    FitKind kind;
    std::string shaftUpperText;
    std::string shaftLowerText;
    double maximumClearanceUm;  // hole upper - shaft lower
    double minimumClearanceUm;  // hole lower - shaft upper
    std::string maximumText;
    std::string minimumText;
};

TEST(ZoneDiagram, ZonesLabelsAndSpansOfTheThreeKindsOfFit) {
    const std::vector<FitCase> cases = {
        {"H7/g6", Iso(25, "g6", -7, -20), FitKind::Clearance, "-7 μm", "-20 μm", 41, 7,
         Caption(ja::kMaxClearanceCaption, "41"), Caption(ja::kMinClearanceCaption, "7")},
        {"H7/k6", Iso(25, "k6", 15, 2), FitKind::Transition, "+15 μm", "+2 μm", 19, -15,
         Caption(ja::kMaxClearanceCaption, "19"), Caption(ja::kMaxInterferenceCaption, "15")},
        {"H7/p6", Iso(25, "p6", 35, 22), FitKind::Interference, "+35 μm", "+22 μm", -1, -35,
         Caption(ja::kMinInterferenceCaption, "1"), Caption(ja::kMaxInterferenceCaption, "35")},
        {"H7/h6", Iso(25, "h6", 0, -13), FitKind::Clearance, "0 μm", "-13 μm", 34, 0,
         Caption(ja::kMaxClearanceCaption, "34"), Caption(ja::kMinClearanceCaption, "0")},
    };
    for (const FitCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ZoneScene scene = BuildZoneScene({kH7, c.shaft});
        ASSERT_EQ(scene.zones.size(), 2u);
        const ZoneRect& hole = scene.zones[0];
        const ZoneRect& shaft = scene.zones[1];
        EXPECT_EQ(hole.kind, FeatureKind::Hole);
        EXPECT_EQ(hole.upperUm, 21.0);
        EXPECT_EQ(hole.lowerUm, 0.0);
        EXPECT_EQ(hole.label.text, "H7");
        EXPECT_EQ(hole.upperText.text, "+21 μm");
        EXPECT_EQ(hole.lowerText.text, "0 μm");
        EXPECT_EQ(shaft.kind, FeatureKind::Shaft);
        EXPECT_EQ(shaft.label.text, c.shaft.className);
        EXPECT_EQ(shaft.upperText.text, c.shaftUpperText);
        EXPECT_EQ(shaft.lowerText.text, c.shaftLowerText);
        EXPECT_LT(hole.right, shaft.left);  // hole left, shaft right
        EXPECT_FALSE(hole.isLine || shaft.isLine);
        EXPECT_EQ(scene.fitKind, c.kind);
        EXPECT_EQ(scene.fitKindText, FitKindText(c.kind));
        ASSERT_EQ(scene.spans.size(), 2u);
        EXPECT_EQ(scene.spans[0].clearanceUm, c.maximumClearanceUm);
        EXPECT_EQ(scene.spans[1].clearanceUm, c.minimumClearanceUm);
        EXPECT_EQ(scene.spans[0].text, c.maximumText);
        EXPECT_EQ(scene.spans[1].text, c.minimumText);
        // Without a break the drawn positions are the deviations themselves.
        EXPECT_TRUE(scene.breaks.empty());
        EXPECT_EQ(scene.zeroY, 0.0);
        EXPECT_EQ(hole.top, 21.0);
        EXPECT_EQ(shaft.bottom, shaft.lowerUm);
        EXPECT_EQ(scene.spans[0].from, shaft.lowerUm);
        EXPECT_EQ(scene.spans[0].to, 21.0);
        EXPECT_EQ(scene.zeroLabel.text, "φ25 mm");
        EXPECT_TRUE(scene.note.empty());
    }
}

bool IsRoundStep(double step) {
    const double decade = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    const double mantissa = step / decade;
    return std::fabs(mantissa - 1) < 1e-9 || std::fabs(mantissa - 2) < 1e-9 || std::fabs(mantissa - 5) < 1e-9;
}

struct ScaleCase {
    const char* name;
    ZoneDiagramInput input;
    double step;  // the tick step expected
};

// The zones (with the zero line and any break) fill 60 to 90 % of the height;
// ticks are round, in order, inside the range, never inside a break's gap.
TEST(ZoneDiagram, ScaleFillsMostOfTheHeightWithRoundTicks) {
    const std::vector<ScaleCase> cases = {
        {"H7/g6: -20..21 in 54.7", {kH7, Iso(25, "g6", -7, -20)}, 10},
        {"H7/p6: 0..35 in 46.7", {kH7, Iso(25, "p6", 35, 22)}, 10},
        {"tiny: -0.5..0.3", {Free(1, 0.3, 0), Free(1, -0.2, -0.5)}, 0.2},
        {"large: IT18 at 3150 mm", {Iso(3150, "H18", 33000, 0), Iso(3150, "h18", 0, -33000)}, 20000},
        {"hole only, far above zero", {Iso(25, "A9", 352, 300), std::nullopt}, 50},
        {"break: H7 against -300..-321", {kH7, Free(25, -300, -321)}, 20},
        {"neither", {std::nullopt, std::nullopt}, 5},
    };
    for (const ScaleCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ZoneScene scene = BuildZoneScene(c.input);
        double low = scene.zeroY, high = scene.zeroY;
        for (const ZoneRect& z : scene.zones) low = std::min(low, z.bottom), high = std::max(high, z.top);
        const double height = scene.top - scene.bottom;
        ASSERT_GT(height, 0.0);
        if (high > low) {
            EXPECT_GE((high - low) / height, 0.6);
            EXPECT_LE((high - low) / height, 0.9);
        }
        EXPECT_LE(scene.bottom, low);
        EXPECT_GE(scene.top, high);
        EXPECT_DOUBLE_EQ(scene.tickStepUm, c.step);
        EXPECT_TRUE(IsRoundStep(scene.tickStepUm));
        EXPECT_GE(scene.ticks.size(), 3u);
        EXPECT_LE(scene.ticks.size(), 12u);
        for (std::size_t i = 0; i < scene.ticks.size(); ++i) {
            const ZoneTick& t = scene.ticks[i];
            EXPECT_GE(t.y, scene.bottom);
            EXPECT_LE(t.y, scene.top);
            const double k = t.valueUm / scene.tickStepUm;
            EXPECT_NEAR(k, std::round(k), 1e-6) << t.valueUm;
            if (i > 0) {
                EXPECT_GT(t.y, scene.ticks[i - 1].y);
                EXPECT_GT(t.valueUm, scene.ticks[i - 1].valueUm);
            }
            for (const ZoneBreak& b : scene.breaks)
                EXPECT_FALSE(t.valueUm > b.belowUm && t.valueUm < b.aboveUm);
        }
    }
}

TEST(ZoneDiagram, TickTextsAndTheZeroTick) {
    const ZoneScene scene = BuildZoneScene({kH7, Iso(25, "g6", -7, -20)});
    std::vector<std::string> texts;
    for (const ZoneTick& t : scene.ticks) texts.push_back(t.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"-20", "-10", "0", "10", "20"}));
    EXPECT_EQ(scene.unit.text, "μm");
}

struct BreakCase {
    const char* name;
    double shaftUpperUm;  // the shaft is 21 μm tall, below an H7 hole (0..21)
    bool broken;
};

// "Far" is a gap wider than kZoneBreakRatio times the taller zone.
TEST(ZoneDiagram, FarApartZonesBreakTheScale) {
    const std::vector<BreakCase> cases = {
        {"gap 84 = 4 x 21: drawn to scale", -84, false},
        {"gap 85: broken", -85, true},
        {"gap 300: broken", -300, true},
        {"gap 7: to scale", -7, false},
    };
    for (const BreakCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ZoneScene scene = BuildZoneScene({kH7, Free(25, c.shaftUpperUm, c.shaftUpperUm - 21)});
        ASSERT_EQ(scene.zones.size(), 2u);
        const ZoneRect& shaft = scene.zones[1];
        EXPECT_EQ(shaft.upperUm, c.shaftUpperUm);
        EXPECT_EQ(scene.breaks.size(), c.broken ? 1u : 0u);
        EXPECT_EQ(scene.zeroY, 0.0);
        EXPECT_EQ(scene.zones[0].top, 21.0);
        EXPECT_DOUBLE_EQ(shaft.top - shaft.bottom, 21.0);  // zones always to scale
        if (c.broken) {
            // The gap is drawn as the taller zone's height on each side of the break.
            EXPECT_DOUBLE_EQ(shaft.top, -42.0);
            EXPECT_DOUBLE_EQ(scene.breaks[0].y, -21.0);
            EXPECT_DOUBLE_EQ(scene.breaks[0].belowUm, c.shaftUpperUm + 21);
            EXPECT_DOUBLE_EQ(scene.breaks[0].aboveUm, -21.0);
            // The span keeps its true amount although it is drawn shorter.
            EXPECT_DOUBLE_EQ(scene.spans[1].clearanceUm, -c.shaftUpperUm);
            EXPECT_DOUBLE_EQ(scene.spans[1].to - scene.spans[1].from, 42.0);
            for (const ZoneTick& t : scene.ticks)
                EXPECT_GE(std::fabs(t.y - scene.breaks[0].y), 10.5) << t.text;
        } else {
            EXPECT_EQ(shaft.top, c.shaftUpperUm);
        }
    }
}

TEST(ZoneDiagram, ShaftOfAnotherBasicSizeIsDrawnAgainstTheHoles) {
    const ZoneScene scene = BuildZoneScene({kH7, Iso(30, "g6", -7, -20)});
    ASSERT_EQ(scene.zones.size(), 2u);
    EXPECT_EQ(scene.zones[1].upperUm, 4993.0);
    EXPECT_EQ(scene.zones[1].lowerUm, 4980.0);
    EXPECT_EQ(scene.zones[1].upperText.text, "+4993 μm");
    EXPECT_EQ(scene.breaks.size(), 1u);
    EXPECT_NE(scene.note.find("φ30 mm"), std::string::npos);
    EXPECT_NE(scene.note.find("φ25 mm"), std::string::npos);
    EXPECT_EQ(scene.fitKind, FitKind::Interference);
    EXPECT_EQ(scene.zeroLabel.text, "φ25 mm");
}

struct LineCase {
    const char* name;
    ZoneDiagramInput input;
    std::vector<bool> lines;  // per zone
    FitKind kind;
};

TEST(ZoneDiagram, ZeroToleranceIsALine) {
    const std::vector<LineCase> cases = {
        {"free 0,0 shaft under H7", {kH7, Free(25, 0, 0)}, {false, true}, FitKind::Clearance},
        {"free +0.01,+0.01 hole over h6",
         {Free(25, 10, 10), Iso(25, "h6", 0, -13)},
         {true, false},
         FitKind::Clearance},
        {"two lines at zero: no fit", {Free(25, 0, 0), Free(25, 0, 0)}, {true, true}, FitKind::None},
        {"two lines apart", {Free(25, 10, 10), Free(25, -5, -5)}, {true, true}, FitKind::Clearance},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ZoneScene scene = BuildZoneScene(c.input);
        ASSERT_EQ(scene.zones.size(), c.lines.size());
        for (std::size_t i = 0; i < c.lines.size(); ++i) {
            const ZoneRect& z = scene.zones[i];
            EXPECT_EQ(z.isLine, c.lines[i]);
            EXPECT_EQ(z.isLine, z.top == z.bottom);
            EXPECT_EQ(z.lowerText.text.empty(), z.isLine);  // one deviation text for a line
            EXPECT_FALSE(z.upperText.text.empty());
        }
        EXPECT_EQ(scene.fitKind, c.kind);
        EXPECT_EQ(scene.spans.size(), c.kind == FitKind::None ? 0u : 2u);
        EXPECT_GT(scene.top - scene.bottom, 0.0);
    }
}

TEST(ZoneDiagram, OneFeatureAloneHasNoFitMarks) {
    const ZoneScene hole = BuildZoneScene({kH7, std::nullopt});
    ASSERT_EQ(hole.zones.size(), 1u);
    EXPECT_EQ(hole.zones[0].kind, FeatureKind::Hole);
    EXPECT_EQ(hole.fitKind, FitKind::None);
    EXPECT_TRUE(hole.fitKindText.empty());
    EXPECT_TRUE(hole.spans.empty());

    // A shaft alone is drawn against its own basic size.
    const ZoneScene shaft = BuildZoneScene({std::nullopt, Iso(40, "g6", -9, -25)});
    ASSERT_EQ(shaft.zones.size(), 1u);
    EXPECT_EQ(shaft.zones[0].kind, FeatureKind::Shaft);
    EXPECT_EQ(shaft.zones[0].upperUm, -9.0);
    EXPECT_EQ(shaft.zeroLabel.text, "φ40 mm");
    EXPECT_TRUE(shaft.spans.empty());
    EXPECT_TRUE(shaft.note.empty());
}

TEST(ZoneDiagram, NeitherFeatureLeavesTheZeroLineAlone) {
    const ZoneScene scene = BuildZoneScene({});
    EXPECT_TRUE(scene.zones.empty());
    EXPECT_TRUE(scene.spans.empty());
    EXPECT_TRUE(scene.breaks.empty());
    EXPECT_TRUE(scene.zeroLabel.text.empty());
    EXPECT_EQ(scene.zeroY, 0.0);
    EXPECT_LT(scene.bottom, 0.0);
    EXPECT_GT(scene.top, 0.0);
}

TEST(ZoneDiagram, FeaturesWithoutFiniteLimitsAreLeftOut) {
    const double inf = std::numeric_limits<double>::infinity();
    ZoneFeature bad = Iso(25, "g6", -7, -20);
    bad.upperLimit = inf;
    ZoneFeature zeroSize = Iso(25, "g6", -7, -20);
    zeroSize.basicSize = 0;
    for (const ZoneFeature& shaft : {bad, zeroSize}) {
        const ZoneScene scene = BuildZoneScene({kH7, shaft});
        ASSERT_EQ(scene.zones.size(), 1u);
        EXPECT_TRUE(scene.spans.empty());
        EXPECT_TRUE(std::isfinite(scene.top) && std::isfinite(scene.bottom));
    }
}

struct LabelCase {
    ZoneFeature feature;
    std::string label;
    std::string upperText;
};

TEST(ZoneDiagram, LabelsNameTheModeAndTheDeviationsToTheMicrometre) {
    ZoneFeature medium = Iso(30, "", 200, -200);
    medium.mode = ToleranceMode::General;
    medium.generalClass = 1;
    const std::vector<LabelCase> cases = {
        {Iso(25, "H7", 21, 0), "H7", "+21 μm"},       {medium, "中級", "+200 μm"},
        {Free(30, 20, -10), "自由入力", "+20 μm"},    {Free(1, 0.3, 0), "自由入力", "+0.3 μm"},
        {Free(3150, 1.5, -1), "自由入力", "+1.5 μm"},
    };
    for (const LabelCase& c : cases) {
        SCOPED_TRACE(c.label + " " + c.upperText);
        const ZoneScene scene = BuildZoneScene({c.feature, std::nullopt});
        ASSERT_EQ(scene.zones.size(), 1u);
        EXPECT_EQ(ZoneLabel(c.feature), c.label);
        EXPECT_EQ(scene.zones[0].label.text, c.label);
        EXPECT_EQ(scene.zones[0].upperText.text, c.upperText);
    }
}

// Every number a scene holds, and every text it shows.
std::vector<double> NumbersOf(const ZoneScene& s) {
    std::vector<double> n{s.bottom, s.top, s.axisX, s.tickStepUm, s.zeroY, s.unit.y, s.zeroLabel.y};
    for (const ZoneTick& t : s.ticks) n.insert(n.end(), {t.valueUm, t.y});
    for (const ZoneBreak& b : s.breaks) n.insert(n.end(), {b.y, b.belowUm, b.aboveUm});
    for (const ZoneRect& z : s.zones) {
        n.insert(n.end(), {z.upperUm, z.lowerUm, z.top, z.bottom, z.label.y, z.upperText.y, z.lowerText.y});
    }
    for (const ZoneSpan& p : s.spans) n.insert(n.end(), {p.fromUm, p.toUm, p.from, p.to, p.clearanceUm});
    return n;
}

std::vector<std::string> TextsOf(const ZoneScene& s) {
    std::vector<std::string> t{s.unit.text, s.zeroLabel.text, s.fitKindText, s.note};
    for (const ZoneTick& k : s.ticks) t.push_back(k.text);
    for (const ZoneRect& z : s.zones) t.insert(t.end(), {z.label.text, z.upperText.text, z.lowerText.text});
    for (const ZoneSpan& p : s.spans) t.push_back(p.text);
    return t;
}

struct ExtremeCase {
    const char* name;
    ZoneDiagramInput input;
    bool toScale;
    std::string holeUpperText;  // empty: not checked
    std::string maximumSpanText;
};

// Deviations in mm, as typed into the free deviation boxes.
ZoneFeature FreeMm(double basic, double upperMm, double lowerMm) {
    ZoneFeature f = Free(basic, 0, 0);
    f.upperLimit = basic + upperMm;
    f.lowerLimit = basic + lowerMm;
    return f;
}

TEST(ZoneDiagram, ExtremeDeviationsGiveNumbersAndTextsOrSayTheyCannotBeDrawn) {
    const ZoneFeature g6 = Iso(25, "g6", -7, -20);
    const std::vector<ExtremeCase> cases = {
        {"hole +0.01 / -1e308 mm", {FreeMm(25, 0.01, -1e308), g6}, false, "", ""},
        {"hole +1e308 / -1e308 mm", {FreeMm(25, 1e308, -1e308), std::nullopt}, false, "", ""},
        {"shaft -1e300 mm", {kH7, FreeMm(25, -1e300, -1e300)}, false, "", ""},
        {"hole +1e-300 mm", {FreeMm(25, 1e-300, 0), g6}, true, "0 μm", "最大すきま ： 20 μm"},
        {"hole +2474.52 mm", {FreeMm(25, 2474.52, 0), g6}, true, "+2474.52 mm", "最大すきま ： 2474.54 mm"},
        {"hole +4000.99 mm over a shaft -0.0001 mm",
         {FreeMm(25, 4000.99, 0), FreeMm(25, -0.0001, -0.0001)},
         true,
         "+4000.99 mm",
         "最大すきま ： 4000.9901 mm"},
        {"hole 99999.9 mm", {FreeMm(25, 99999.9, 99999.9), g6}, true, "+99999.9 mm", ""},
        {"shaft of a basic size of 1e308 mm", {kH7, FreeMm(1e308, 0, -0.01)}, false, "", ""},
    };
    for (const ExtremeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ZoneScene scene = BuildZoneScene(c.input);
        for (double n : NumbersOf(scene)) EXPECT_TRUE(std::isfinite(n)) << n;
        for (const std::string& text : TextsOf(scene)) {
            for (const char* bad : {"inf", "nan", "e+", "e-"})
                EXPECT_EQ(text.find(bad), std::string::npos) << text;
        }
        EXPECT_EQ(scene.toScale, c.toScale);
        if (!c.toScale) {
            EXPECT_EQ(scene.note, ja::kZoneNotToScale);
            EXPECT_TRUE(scene.zones.empty() && scene.spans.empty() && scene.ticks.empty() &&
                        scene.breaks.empty());
            continue;
        }
        ASSERT_FALSE(scene.zones.empty());
        if (!c.holeUpperText.empty()) {
            EXPECT_EQ(scene.zones[0].upperText.text, c.holeUpperText);
        }
        if (!c.maximumSpanText.empty()) {
            ASSERT_EQ(scene.spans.size(), 2u);
            EXPECT_EQ(scene.spans[0].text, c.maximumSpanText);
        }
    }
}

// Ticks far from zero, or stepping by millimetres, are written in mm under an "mm" unit.
TEST(ZoneDiagram, TheScaleIsInMillimetresForLargeValues) {
    struct Case {
        ZoneDiagramInput input;
        std::string unit;
        std::string tick;  // one of the ticks
    };
    const std::vector<Case> cases = {
        {{kH7, Iso(25, "g6", -7, -20)}, "μm", "-10"},
        {{FreeMm(25, 40, 0), std::nullopt}, "mm", "40"},
        {{FreeMm(25, 5000.0015, 5000.001), std::nullopt}, "mm", "5000.0015"},
    };
    for (const Case& c : cases) {
        const ZoneScene scene = BuildZoneScene(c.input);
        SCOPED_TRACE(c.tick);
        EXPECT_EQ(scene.unit.text, c.unit);
        std::vector<std::string> ticks;
        for (const ZoneTick& t : scene.ticks) ticks.push_back(t.text);
        EXPECT_NE(std::find(ticks.begin(), ticks.end(), c.tick), ticks.end())
            << testing::PrintToString(ticks);
    }
}

struct FileNameCase {
    ZoneDiagramInput input;
    const char* extension;
    const char* name;
};

TEST(ZoneDiagram, ProposedFileNames) {
    ZoneFeature medium = Iso(30, "", 200, -200);
    medium.mode = ToleranceMode::General;
    medium.generalClass = 1;
    const std::vector<FileNameCase> cases = {
        {{kH7, Iso(25, "g6", -7, -20)}, "svg", "25_H7-g6.svg"},
        {{kH7, Iso(25, "p6", 35, 22)}, "png", "25_H7-p6.png"},
        {{medium, Free(30, 20, -10)}, "svg", "30_GEN-m-free.svg"},
        {{kH7, Iso(30, "g6", -7, -20)}, "svg", "25_H7-30_g6.svg"},
        {{Iso(25.5, "H7", 21, 0), std::nullopt}, "svg", "25.5_H7.svg"},
        {{std::nullopt, Iso(25, "g6", -7, -20)}, "svg", "25_g6.svg"},
        {{}, "svg", "zones.svg"},
    };
    for (const FileNameCase& c : cases) EXPECT_EQ(ProposedZoneFileName(c.input, c.extension), c.name);
}

}  // namespace
}  // namespace tolvo

namespace tolvo {
namespace {

// The operating conditions' overlay: each part's zone at temperature beside
// its own, the scale taking them in, the ±3σ band measured up from the mean
// shaft at temperature; a limit too far out leaves the overlay out, and the
// 20 °C zones then keep their width.
TEST(ZoneDiagram, TheZonesAtTemperatureAndTheBandBesideThe20DegreeZones) {
    // 25 H7/g6, an aluminium hole and a steel shaft at 80 °C (see the operating-conditions tests).
    ZoneServiceOverlay overlay{
        25.05643, 25.0354, 25.010545, 24.997536, 80.0, 80.0, std::array<double, 2>{0.0295102, 0.0542385}};
    const ZoneScene scene = BuildZoneScene({kH7, Iso(25, "g6", -7, -20), overlay});
    ASSERT_EQ(scene.serviceZones.size(), 2u);
    const ZoneRect& hole = scene.serviceZones[0];
    const ZoneRect& shaft = scene.serviceZones[1];
    EXPECT_DOUBLE_EQ(hole.upperUm, 56.43);
    EXPECT_DOUBLE_EQ(hole.lowerUm, 35.4);
    EXPECT_DOUBLE_EQ(shaft.upperUm, 10.545);
    EXPECT_DOUBLE_EQ(shaft.lowerUm, -2.464);
    EXPECT_EQ(hole.label.text, "80 °C");
    // Side by side, not over each other: the 20 °C zones give way.
    EXPECT_LE(scene.zones[0].right, hole.left);
    EXPECT_LE(shaft.right, scene.zones[1].left);
    EXPECT_GE(scene.top, hole.top);  // the scale reaches the outline's top
    ASSERT_TRUE(scene.clearanceBand.has_value());
    // The shaft's mean at temperature 4.0405 μm plus the range.
    EXPECT_NEAR(scene.clearanceBand->lowUm, 4.0405 + 29.5102, 1e-3);
    EXPECT_NEAR(scene.clearanceBand->highUm, 4.0405 + 54.2385, 1e-3);
    EXPECT_NE(scene.serviceNote.find("29.5 μm ～ 54.2 μm"), std::string::npos) << scene.serviceNote;

    const ZoneScene plain = BuildZoneScene({kH7, Iso(25, "g6", -7, -20)});
    overlay.holeUpperLimit = std::numeric_limits<double>::infinity();
    const ZoneScene refused = BuildZoneScene({kH7, Iso(25, "g6", -7, -20), overlay});
    for (const ZoneScene* s : {&plain, &refused}) {
        EXPECT_TRUE(s->serviceZones.empty() && !s->clearanceBand && s->serviceNote.empty());
        EXPECT_EQ(s->zones[0].right, plain.zones[0].right);
    }
}

}  // namespace
}  // namespace tolvo
