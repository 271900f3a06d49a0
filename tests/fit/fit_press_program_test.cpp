// tolvo-fit --press as a user runs it: the joint's report, its JSON, its
// refusals and its exit status.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <string>
#include <vector>

#include "tests/fit/run_program.h"

namespace tolvo {
namespace {

using fit_test::ProgramRun;
using fit_test::RunFit;

const std::vector<std::string> kJoint = {"--hub-od", "80", "--length", "30"};

std::vector<std::string> Joint(std::vector<std::string> args) {
    args.insert(args.end(), kJoint.begin(), kJoint.end());
    return args;
}

QJsonObject Json(const ProgramRun& run) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out;
    return document.object();
}

// φ40 H7/s6: H7 0/+25 μm, s6 +43/+59 μm, so 0.018 to 0.059 mm of interference. Steel
// (E 206 GPa, ν 0.3) in a φ80 hub: K = (5/3 + 0.3 + 1 − 0.3)/206000 = (8/3)/206000 = 1.2945e-5,
// p = U·206000·3/320: 34.7625 and 113.944 MPa; hub σ_t = 5p/3, σ_v = 7p/3, outside 2p/3;
// safeties 345/σ_v: 4.25335 and 1.29763, 345/p: 9.92449 and 3.02781; π·0.1·p·30·40: 13105.2 and
// 42955.8 N, times 0.02 m: 262.103 and 859.116 N·m. Shrinking: 20 + (0.059 + 0.04)/(11.7e-6·40)
// = 231.5 °C; cooling 20 − 211.5 = −191.5 °C.
TEST(FitPress, ReportsTheJointOfAPair) {
    const ProgramRun run = RunFit(Joint({"--lang", "en", "40", "H7/s6", "--press"}));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(
        run.out,
        "press fit φ40 mm H7/s6 (elastic, DIN 7190-1)\n"
        "  hub: carbon steel (S45C), outside φ80 mm: E 206 GPa, ν 0.3, α 1.17e-05 /K, yield 345 MPa\n"
        "  shaft: carbon steel (S45C), solid: E 206 GPa, ν 0.3, α 1.17e-05 /K, yield 345 MPa\n"
        "  length 30 mm, μ 0.1, μe 0.1, K 1.2945e-05 /MPa\n"
        "at the minimum / maximum interference (the capacities hold at the minimum, the press-in force "
        "is the maximum's):\n"
        "  interference:              0.018 / 0.059 mm\n"
        "  effective interference:    0.018 / 0.059 mm\n"
        "  joint pressure:            34.7625 / 113.944 MPa\n"
        "  hub bore, tangential:      57.9375 / 189.906 MPa\n"
        "  hub bore, radial:          -34.7625 / -113.944 MPa\n"
        "  hub bore, equivalent:      81.1125 / 265.869 MPa\n"
        "  hub outside, tangential:   23.175 / 75.9625 MPa\n"
        "  shaft, tangential:         -34.7625 / -113.944 MPa\n"
        "  shaft, radial:             -34.7625 / -113.944 MPa\n"
        "  shaft, equivalent:         34.7625 / 113.944 MPa\n"
        "  hub safety:                4.25335 / 1.29763\n"
        "  shaft safety:              9.92449 / 3.02781\n"
        "  torque capacity:           262.103 / 859.116 N·m\n"
        "  axial capacity:            13105.2 / 42955.8 N\n"
        "  press-in force:            13105.2 / 42955.8 N\n"
        "shrink fitting: the hub heated to 231.5 °C, or the shaft cooled to -191.5 °C (room 20 °C, "
        "mounting clearance 0.04 mm)\n"
        "note: elastic only: where a safety is below 1 the part yields and these numbers no longer hold\n");
    EXPECT_EQ(run.err, "");
    // The same joint in Japanese, the default.
    const ProgramRun japanese = RunFit(Joint({"40", "H7/s6", "--press"}));
    for (const char* line :
         {"  軸 ： 炭素鋼 (S45C)、中実 ： E 206 GPa、ν 0.3、α 1.17e-05 /K、降伏点 345 MPa\n",
          "  面圧 ： 34.7625 / 113.944 MPa\n", "  ハブの安全率 ： 4.25335 / 1.29763\n",
          "  圧入力 ： 13105.2 / 42955.8 N\n",
          "焼きばめ ： ハブを 231.5 °C に加熱、または軸を -191.5 °C に冷却 （室温 20 °C、"
          "はめ込みすきま 0.04 mm）\n"})
        EXPECT_NE(japanese.out.find(line), std::string::npos) << line << japanese.out;
}

TEST(FitPress, JsonNamesItsUnitsAndAnySideGivesTheInterference) {
    const QJsonObject iso = Json(RunFit(Joint({"--json", "40", "H7/s6", "--press"})));
    EXPECT_EQ(iso["minimumInterference_mm"].toDouble(), 0.018);
    EXPECT_EQ(iso["maximumInterference_mm"].toDouble(), 0.059);
    const QJsonObject high = iso["joint"].toObject()["maximum"].toObject();
    EXPECT_NEAR(high["pressure_MPa"].toDouble(), 113.94375, 1e-9);
    EXPECT_NEAR(high["pressInForce_N"].toDouble(), 42955.78, 0.01);
    EXPECT_NEAR(iso["joint"].toObject()["shrinkHubTemperature_C"].toDouble(), 231.538, 1e-3);
    // The same limits as free deviations: the same joint.
    const QJsonObject free = Json(RunFit(Joint({"--json", "40", "+0.025,0/+0.059,+0.043", "--press"})));
    EXPECT_EQ(free["joint"], iso["joint"]);
    // A general class (JIS B0405 f: ±0.15 mm at 40) on a free shaft +0.2 to +0.3: 0.05 to 0.45 mm.
    const QJsonObject general = Json(RunFit(Joint({"--json", "40", "GEN:f/+0.3,+0.2", "--press"})));
    EXPECT_EQ(general["minimumInterference_mm"].toDouble(), 0.05);
    EXPECT_EQ(general["maximumInterference_mm"].toDouble(), 0.45);
    // Given directly, μe 0.2 doubles the press-in force.
    const QJsonObject given = Json(
        RunFit(Joint({"--json", "--press", "40", "--interference", "0.018", "0.059", "--mu-press", "0.2"})));
    EXPECT_NEAR(given["joint"].toObject()["maximum"].toObject()["pressInForce_N"].toDouble(), 2 * 42955.78,
                0.02);
    EXPECT_TRUE(given["pair"].isNull());
}

TEST(FitPress, ClearanceGivesNoInterferenceAndNoNumbers) {
    // φ25 H7/g6: clearance 0.007 to 0.041 mm.
    const ProgramRun text = RunFit(Joint({"--lang", "en", "25", "H7/g6", "--press"}));
    EXPECT_EQ(text.status, 1);
    EXPECT_NE(text.out.find("warning: no interference: the maximum interference is -0.007 mm"),
              std::string::npos)
        << text.out;
    for (const char* result : {"pressure", "safety", "capacity", "shrink"})
        EXPECT_EQ(text.out.find(result), std::string::npos) << text.out;
    const ProgramRun json = RunFit(Joint({"--json", "25", "H7/g6", "--press"}));
    EXPECT_EQ(json.status, 1);
    const QJsonObject o = Json(json);
    EXPECT_TRUE(o["joint"].isNull());
    EXPECT_EQ(o["warnings"].toArray().first().toString(), "noInterference");
}

TEST(FitPress, WarnsOfWhatTheNumbersCannotCarry) {
    struct Case {
        std::vector<std::string> args;
        std::string warning;
    };
    const Case cases[] = {
        // H7/k6 at 40: −0.023 to 0.018 mm, no pressure at the minimum.
        {{"40", "H7/k6"},
         "warning: at the minimum interference the effective interference is -0.023 mm: no pressure"},
        // A grey cast iron hub (E 110 GPa, ν 0.26, tensile strength 250 MPa): K = 1.92667/110000 +
        // 0.7/206000 = 2.09132e-5, p = 0.45/(40·K) = 537.93 MPa, σ_v = 7p/3 = 1255.2 MPa, safety
        // 0.1992, cut to 0.19 (a safety below its minimum is never rounded up to it).
        {{"--press", "40", "--interference", "0.05", "0.45", "--hub-material", "grey-iron"},
         "warning: the hub's safety 0.19 against its tensile strength is below 1: a brittle hub may crack"},
        // Steel: p = 0.45·206000·3/320 = 869.06 MPa, σ_v = 7p/3 = 2027.8 MPa, 345/2027.8 = 0.17.
        {{"--press", "40", "--interference", "0.05", "0.45"},
         "warning: the hub's safety 0.17 is below 1: it yields, and these elastic numbers do not hold"},
        // 20 − (0.065 + 0.04)/(11.7e-6·40) = 20 − 224.4 = −204.4 °C.
        {{"--press", "40", "--interference", "0.02", "0.065"},
         "warning: cooling the shaft to -204.4 °C is below -196 °C: liquid nitrogen does not reach it"},
        {{"--press", "40", "--interference", "0.02", "0.05", "--rpm", "3000"},
         "note: the loss by speed is an approximation"},
        {{"40", "H7/s6", "--rz-hub", "6.3", "--rz-shaft", "4", "--smoothing", "0.8"},
         "  loss by roughness:         0.00824 / 0.00824 mm\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        if (args[0] != "--press") args.push_back("--press");
        args.insert(args.begin(), {"--lang", "en"});
        const ProgramRun run = RunFit(Joint(args));
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find(c.warning), std::string::npos) << run.out;
    }
    const ProgramRun japanese = RunFit(Joint({"--press", "40", "--interference", "0.05", "0.45"}));
    EXPECT_NE(japanese.out.find("警告 ： ハブの安全率 0.17 が 1 を下回ります"), std::string::npos)
        << japanese.out;
}

TEST(FitPress, BadInputIsRefusedAndNothingIsWritten) {
    struct Case {
        std::vector<std::string> args;  // after --press 40 H7/s6 --length 30
        std::string message;
    };
    const Case cases[] = {
        {{"--hub-od", "40"}, "--hub-od must be above the joint diameter 40 mm"},
        {{"--hub-od", "80", "--shaft-bore", "40"}, "--shaft-bore must be below the joint diameter 40 mm"},
        {{"--hub-od", "80", "--shaft-bore", "-1"}, "--shaft-bore must not be below 0"},
        {{"--hub-od", "80", "--mu", "0"}, "--mu must be above 0"},
        {{"--hub-od", "80", "--hub-nu", "0.5"}, "--hub-nu must be above 0 and below 0.5"},
        {{"--hub-od", "80", "--shaft-nu", "-0.1"}, "--shaft-nu must be above 0 and below 0.5"},
        {{"--hub-od", "80", "--shaft-e", "0"}, "--shaft-e must be above 0"},
        {{"--hub-od", "1e999"}, "--hub-od \"1e999\" is beyond the range of numbers"},
        {{"--hub-od", "80", "--rz-hub", "nan"}, "--rz-hub needs a roughness Rz in micrometres, not \"nan\""},
        {{"--hub-od", "80", "--hub-material", "wood"}, "--hub-material \"wood\" is not a material: steel, "},
        {{"--hub-od", "80", "--smoothing", "0.5"}, "--smoothing needs 0.4 or 0.8, not \"0.5\""},
        {{"--hub-od", "80", "--room-temperature", "-300"}, "--room-temperature is below absolute zero"},
        {{}, "--press needs --hub-od D and --length L"},
        {{"--hub-od", "80", "--interference", "0.02", "0.05"}, "--interference gives the interference: no "},
        {{"--hub-od", "80", "--svg", "x.svg"}, "--press and --svg cannot be used together"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"--press", "40", "H7/s6", "--length", "30"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const ProgramRun run = RunFit(args);
        EXPECT_EQ(run.status, 2) << c.message;
        EXPECT_EQ(run.out, "") << c.message;
        EXPECT_EQ(run.err.find("tolvo-fit: " + c.message), 0u) << run.err;
    }
    const ProgramRun length = RunFit({"--press", "40", "H7/s6", "--hub-od", "80", "--length", "-3"});
    EXPECT_EQ(length.err, "tolvo-fit: --length must be above 0\n");
    const ProgramRun sizes = RunFit(Joint({"--press", "40", "H7/s6", "41"}));
    EXPECT_EQ(sizes.err, "tolvo-fit: a joint has one diameter: no SHAFT_SIZE with --press\n");
    const ProgramRun huge = RunFit(Joint({"--press", "1e999", "--interference", "0.01", "0.02"}));
    EXPECT_EQ(huge.err, "tolvo-fit: SIZE is beyond the range of numbers\n");
    EXPECT_EQ(huge.status, 2);
}

}  // namespace
}  // namespace tolvo
