// tolvo-fit's fit in service as a user runs it: at temperature, over a range,
// as the parts spread, and the materials table.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <string>
#include <vector>

#include "core/materials.h"
#include "tests/fit/run_program.h"

namespace tolvo::fit_test {
namespace {

struct ServiceCase {
    const char* name;
    std::vector<std::string> query;  // the plain query, whose output comes first unchanged
    std::vector<std::string> service;
    std::vector<std::string> lines;  // lines the service blocks hold
};

// Worked by hand:
// - aluminium (α 23.6e-6) round steel (11.7e-6) at 80 °C: hole factor
//   1.001416, 25.021 → 25.056430, 25 → 25.0354; shaft factor 1.000702,
//   24.993 → 25.010545, 24.98 → 24.997536; max 0.058894, min 0.024855, mean
//   0.041874 mm.
// - hole α 10e-6, shaft α 20e-6 warming 20 → 120 °C: min = 0.007 − 0.00024986·Δ
//   is zero at Δ = 28.0157, 48.0157 °C.
// - 40 GEN:m (39.7 .. 40.3) / +0.1,+0.1 (40 .. 40.1), hole Cp 2, shaft shifted
//   −5 μm: σ 0.6/12 = 0.05 and 0.1/6 = 0.016667, σ = 0.052705; mean 40 −
//   40.045 = −0.045: P(< 0) = Φ(0.045 / 0.052705) = 0.80340.
// - 25 H7/k6: mean 0.002, σ 0.0041164: P(< 0) = 31.4 %, P(> 0.015) =
//   Φ(−13 / 4.1164) = 0.000794.
// - 25 H7/s6: mean −0.031, z = 7.53: P(> 0) = 2.5e-14; uniform, the clearance
//   lies from −0.048 to −0.014: certain interference.
const ServiceCase kServiceCases[] = {
    {"AluminiumRoundSteelAt80",
     {"25", "H7/g6"},
     {"--hole-material", "aluminium", "--shaft-material", "steel", "--temperature", "80"},
     {"使用温度 ： 穴 80 °C、軸 80 °C",
      "  穴 ： アルミニウム合金・展伸材 (A6061-T6)、α 23.6e-6 1/K ： φ25.0354 ～ 25.0564 mm",
      "  軸 ： 炭素鋼 (S45C)、α 11.7e-6 1/K ： φ24.9975 ～ 25.0105 mm", "  すきまばめ",
      "  最大すきま ： 0.0589 mm", "  最小すきま ： 0.0249 mm",
      "  中央値換算の勘合 ： 0.0419 mm ＜すきま＞"}},
    {"WarmingTurnsClearanceIntoTransition",
     {"--lang", "en", "25", "H7/g6"},
     {"--hole-alpha", "10e-6", "--shaft-alpha", "20e-6", "--temperature-range", "20", "120"},
     {"over the temperatures: hole 20 ～ 120 °C, shaft 20 ～ 120 °C (together)",
      "  at the start:       clearance fit", "  at the end:         transition fit",
      "  min clearance is zero at hole 48.0157 °C, shaft 48.0157 °C",
      "  the fit changes kind within the range"}},
    {"GeneralAndFreeSidesWithCpAndShift",
     {"--lang", "en", "40", "GEN:m/+0.1,+0.1"},
     {"--stats", "--hole-cp", "2", "--shaft-shift", "-5"},
     {"statistics: normal distribution, hole Cp 2 shift 0 μm, shaft Cp 1 shift -5 μm (hole 20 °C, shaft 20 °C)",
      "  mean clearance:     -0.045 mm", "  σ:                  0.0527 mm",
      "  worst case:         -0.4 ～ 0.3 mm", "  interference:       80.3 %",
      "  clearance:          19.7 %"}},
    {"WantedTails",
     {"--lang", "en", "25", "H7/k6"},
     {"--stats", "--want", "0", "0.015"},
     {"  interference:       31.4 %", "  below 0 mm:  31.4 %", "  above 0.015 mm:  0.0794 %"}},
    {"FarTail",
     {"25", "H7/s6"},
     {"--stats"},
     {"  すきまになる確率 ： < 0.001 %", "  しめしろになる確率 ： > 99.999 %"}},
    {"UniformCertainInterference",
     {"25", "H7/s6"},
     {"--stats", "--distribution", "uniform"},
     {"  すきまになる確率 ： 0 %", "  しめしろになる確率 ： 100 %", "  最悪値 ： -0.048 ～ -0.014 mm"}},
};

TEST(FitService, AddsItsBlocksAfterTheQuerysOwnOutput) {
    for (const ServiceCase& c : kServiceCases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args = c.query;
        args.insert(args.end(), c.service.begin(), c.service.end());
        const ProgramRun plain = RunFit(c.query);
        const ProgramRun run = RunFit(args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        ASSERT_TRUE(run.out.starts_with(plain.out)) << run.out;
        const std::string added = "\n" + run.out.substr(plain.out.size());
        for (const std::string& line : c.lines) {
            EXPECT_NE(added.find("\n" + line + "\n"), std::string::npos) << line << "\nin:" << added;
        }
        EXPECT_EQ(run.out.find("inf"), std::string::npos);
        EXPECT_EQ(run.out.find("nan"), std::string::npos);
    }
}

QJsonObject Parsed(const std::string& text) {
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text));
    EXPECT_TRUE(document.isObject()) << text;
    return document.object();
}

// Lengths in mm, temperatures in °C, probabilities as fractions.
TEST(FitService, WritesItsJsonInsideTheQuerysObject) {
    const ProgramRun run = RunFit({"--json", "25", "H7/k6", "--stats", "--want", "0", "0.015", "--hole-alpha",
                                   "20e-6", "--shaft-alpha", "10e-6", "--temperature-range", "20", "70"});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject o = Parsed(run.out);
    EXPECT_EQ(o["fit"].toObject()["meanClearance"].toDouble(), 0.002);
    const QJsonObject service = o["service"].toObject();
    EXPECT_TRUE(service["atTemperature"].isNull());
    const QJsonObject range = service["overRange"].toObject();
    EXPECT_EQ(range["coupling"].toString(), "together");
    EXPECT_EQ(range["end"].toObject()["shaft"].toObject()["upperLimit"].toDouble(), 25.0275075);
    const QJsonArray statistics = service["statistics"].toArray();
    ASSERT_EQ(statistics.size(), 2);
    // Tightest first: at 20 °C, 31.4 % interference; at 70 °C (mean 0.01450625) 0.0215 %.
    EXPECT_NEAR(statistics[0].toObject()["interference"].toDouble(), 0.3135312, 1e-7);
    EXPECT_EQ(statistics[1].toObject()["meanClearance"].toDouble(), 0.01450625);
    EXPECT_NEAR(statistics[1].toObject()["interference"].toDouble(), 2.149516e-4, 1e-10);
    EXPECT_EQ(service["hole"].toObject()["rangeC"].toObject()["toC"].toDouble(), 70.0);
}

TEST(FitService, ListsTheMaterialsWithBothNamesAndTheFiveValues) {
    const ProgramRun text = RunFit({"--lang", "en", "--materials"});
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.out.find(
                  "steel | S45C | 炭素鋼 (S45C) | carbon steel | E 206 GPa | ν 0.3 | α 11.7e-6 1/K | 345 MPa "
                  "yield or 0.2 % proof | 7850 kg/m³\n"),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("| 250 MPa tensile |"),
              std::string::npos);  // grey cast iron breaks, it does not yield
    const ProgramRun json = RunFit({"--json", "--materials"});
    std::size_t lines = 0;
    for (std::size_t at = 0; at < json.out.size(); at = json.out.find('\n', at) + 1) {
        const QJsonObject m = Parsed(json.out.substr(at, json.out.find('\n', at) - at));
        EXPECT_EQ(FindMaterial(m["key"].toString().toStdString())->properties.densityKgPerM3,
                  m["densityKgPerM3"].toDouble());
        ++lines;
    }
    EXPECT_EQ(lines, Materials().size());
}

}  // namespace
}  // namespace tolvo::fit_test
