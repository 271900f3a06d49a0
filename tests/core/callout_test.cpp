#include "core/callout.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "core/general_table.h"

namespace tolvo {
namespace {

CalloutSource Fit(double size, std::string_view className) {
    const auto c = iso286::ParseClassName(className);
    EXPECT_TRUE(c) << className;
    CalloutSource s;
    s.kind = c->kind;
    s.basicSize = size;
    s.toleranceClass = *c;
    return s;
}

CalloutSource General(double size, int generalClass) {
    CalloutSource s;
    s.mode = ToleranceMode::General;
    s.basicSize = size;
    s.generalClass = generalClass;
    s.generalSizeRange = ClassifyGeneralSizeRange(size, 0);
    return s;
}

CalloutSource Free(double size, double upper, double lower) {
    CalloutSource s;
    s.mode = ToleranceMode::Free;
    s.basicSize = size;
    s.freeUpper = upper;
    s.freeLower = lower;
    return s;
}

// Each style of one feature; the deviations' values worked out from the
// standard's tables by hand.
struct StyleCase {
    CalloutSource source;
    DiameterSign sign;
    std::string_view classText;
    std::string_view classDeviations;
    std::string_view deviations;
    std::string_view limits;
};

TEST(CalloutTest, EveryStyleWritesTheExactDecimalsOfTheAwkwardCases) {
    const StyleCase cases[] = {
        {Fit(25, "H7"), DiameterSign::Phi, "φ25H7", "φ25H7(+0.021/0)", "φ25 +0.021/0", "φ25.021/25.000"},
        // both negative, the lower one's zero kept so both have three decimals
        {Fit(25, "g6"), DiameterSign::Phi, "φ25g6", "φ25g6(-0.007/-0.020)", "φ25 -0.007/-0.020",
         "φ24.993/24.980"},
        {Fit(25, "h7"), DiameterSign::Dia, "⌀25h7", "⌀25h7(0/-0.021)", "⌀25 0/-0.021", "⌀25.000/24.979"},
        // equal and opposite, four decimals
        {Fit(25, "JS7"), DiameterSign::None, "25JS7", "25JS7(±0.0105)", "25 ±0.0105", "25.0105/24.9895"},
        // IT01 at a small size: 0.3 μm, and its half
        {Fit(2, "h01"), DiameterSign::Phi, "φ2h01", "φ2h01(0/-0.0003)", "φ2 0/-0.0003", "φ2.0000/1.9997"},
        {Fit(2, "js01"), DiameterSign::Phi, "φ2js01", "φ2js01(±0.00015)", "φ2 ±0.00015", "φ2.00015/1.99985"},
        // over 1000 mm, a size with decimals of its own
        {Fit(1250, "H7"), DiameterSign::Phi, "φ1250H7", "φ1250H7(+0.105/0)", "φ1250 +0.105/0",
         "φ1250.105/1250.000"},
        {Fit(1250, "g6"), DiameterSign::Phi, "φ1250g6", "φ1250g6(-0.028/-0.094)", "φ1250 -0.028/-0.094",
         "φ1249.972/1249.906"},
        {Fit(25.5, "H7"), DiameterSign::Phi, "φ25.5H7", "φ25.5H7(+0.021/0)", "φ25.5 +0.021/0",
         "φ25.521/25.500"},
        // general tolerances with their note, the class letter as in JIS B0405
        {General(25, kMediumClass), DiameterSign::Phi, "φ25 ±0.2 (JIS B 0405-m)", "φ25 ±0.2 (JIS B 0405-m)",
         "φ25 ±0.2 (JIS B 0405-m)", "φ25.2/24.8 (JIS B 0405-m)"},
        {General(2500, kVeryCoarseClass), DiameterSign::None, "2500 ±8 (JIS B 0405-v)",
         "2500 ±8 (JIS B 0405-v)", "2500 ±8 (JIS B 0405-v)", "2508/2492 (JIS B 0405-v)"},
        {General(2, kFineClass), DiameterSign::Dia, "⌀2 ±0.05 (JIS B 0405-f)", "⌀2 ±0.05 (JIS B 0405-f)",
         "⌀2 ±0.05 (JIS B 0405-f)", "⌀2.05/1.95 (JIS B 0405-f)"},
        // free deviations: the same decimals for both, zeros, both negative
        {Free(25, 0.1, -0.05), DiameterSign::Phi, "φ25 +0.10/-0.05", "φ25 +0.10/-0.05", "φ25 +0.10/-0.05",
         "φ25.10/24.95"},
        {Free(25, 0.0, 0.0), DiameterSign::Phi, "φ25 0/0", "φ25 0/0", "φ25 0/0", "φ25/25"},
        {Free(25, -0.01, -0.035), DiameterSign::Phi, "φ25 -0.010/-0.035", "φ25 -0.010/-0.035",
         "φ25 -0.010/-0.035", "φ24.990/24.965"},
        {Free(1000.25, 0.2, -0.2), DiameterSign::Phi, "φ1000.25 ±0.2", "φ1000.25 ±0.2", "φ1000.25 ±0.2",
         "φ1000.45/1000.05"},
        {Free(0.01, 0, -0.05), DiameterSign::Phi, "φ0.01 0/-0.05", "φ0.01 0/-0.05", "φ0.01 0/-0.05",
         "φ0.01/-0.04"},
    };
    for (const StyleCase& c : cases) {
        const std::optional<FeatureCallout> f = DescribeCallout(c.source);
        ASSERT_TRUE(f) << c.classText;
        EXPECT_EQ(CalloutText(*f, CalloutStyle::Class, c.sign), c.classText);
        EXPECT_EQ(CalloutText(*f, CalloutStyle::ClassDeviations, c.sign), c.classDeviations);
        EXPECT_EQ(CalloutText(*f, CalloutStyle::Deviations, c.sign), c.deviations);
        EXPECT_EQ(CalloutText(*f, CalloutStyle::Limits, c.sign), c.limits);
    }
}

TEST(CalloutTest, StackedPiecesAndThePairHoleFirst) {
    const auto h7 = DescribeCallout(Fit(25, "H7"));
    const auto g6 = DescribeCallout(Fit(25, "g6"));
    const auto m = DescribeCallout(General(25, kMediumClass));
    const auto g6At30 = DescribeCallout(Fit(30, "g6"));
    ASSERT_TRUE(h7 && g6 && m && g6At30);
    EXPECT_EQ(CalloutSizeText(*g6, DiameterSign::Phi), "φ25");
    EXPECT_EQ(g6->deviations, (CalloutDeviations{"-0.007", "-0.020", false}));
    EXPECT_EQ(m->deviations, (CalloutDeviations{"±0.2", "", true}));
    EXPECT_EQ(PairCalloutText(*h7, *g6, CalloutStyle::Class, DiameterSign::Phi), "φ25H7/g6");
    EXPECT_EQ(PairCalloutText(*h7, *g6, CalloutStyle::Deviations, DiameterSign::None),
              "25 +0.021/0 25 -0.007/-0.020");
    EXPECT_EQ(PairCalloutText(*h7, *m, CalloutStyle::Class, DiameterSign::Phi),
              "φ25H7 φ25 ±0.2 (JIS B 0405-m)");
    EXPECT_EQ(PairCalloutText(*h7, *g6At30, CalloutStyle::Class, DiameterSign::Phi), "φ25H7 φ30g6");
}

TEST(CalloutTest, NothingIsWrittenWithoutExactValues) {
    EXPECT_FALSE(DescribeCallout(Fit(0, "H7")));
    EXPECT_FALSE(DescribeCallout(Fit(3200, "H7")));  // beyond the table
    EXPECT_FALSE(DescribeCallout(Fit(600, "h01")));  // a cell the standard leaves undefined
    EXPECT_FALSE(DescribeCallout(Free(1e30, 0.1, 0)));
    EXPECT_FALSE(DescribeCallout(Free(25, 1e-30, 0)));
    EXPECT_FALSE(DescribeCallout(General(2, kVeryCoarseClass)));
}

TEST(CalloutTest, NamesReadBackAndNothingElse) {
    for (CalloutStyle style : CalloutStyles()) EXPECT_EQ(FindCalloutStyle(CalloutStyleName(style)), style);
    for (DiameterSign sign : DiameterSigns()) EXPECT_EQ(FindDiameterSign(DiameterSignName(sign)), sign);
    EXPECT_FALSE(FindCalloutStyle("Class"));
    EXPECT_FALSE(FindCalloutStyle("all"));
    EXPECT_FALSE(FindDiameterSign(""));
}

}  // namespace
}  // namespace tolvo
