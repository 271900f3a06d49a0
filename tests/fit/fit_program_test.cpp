// tolvo-fit as a user runs it: outputs, errors, batches and the table.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <locale>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/iso286_table.h"
#include "core/messages.h"
#include "core/version.h"
#include "tests/fit/run_program.h"

#ifndef _WIN32
#include <poll.h>
#include <unistd.h>
#endif

namespace tolvo {
namespace {

using fit_test::ProgramRun;
using fit_test::RunFit;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

QJsonObject ParseObject(const std::string& text) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << text;
    EXPECT_TRUE(document.isObject()) << text;
    return document.object();
}

struct Example {
    const char* name;
    std::vector<std::string> args;
    std::string out;
};

// Worked out by hand from the tables of ISO 286-2 and JIS B0405.
const Example kExamples[] = {
    {"H7g6_Japanese",
     {"25", "H7/g6"},
     "穴 ( H7 )\n"
     "  基準寸法 ： φ25 mm\n"
     "  許容差 ： 21 / 0 μm\n"
     "  公差 ： 21 μm\n"
     "  許容寸法 ： φ25.0000 ～ 25.0210 mm\n"
     "  ( 中央値換算 ： φ25.0105 ± 0.0105 mm  ）\n"
     "軸 ( g6 )\n"
     "  基準寸法 ： φ25 mm\n"
     "  許容差 ： -7 / -20 μm\n"
     "  公差 ： 13 μm\n"
     "  許容寸法 ： φ24.9800 ～ 24.9930 mm\n"
     "  ( 中央値換算 ： φ24.9865 ± 0.0065 mm  ）\n"
     "すきまばめ\n"
     "  最大すきま ： 0.041 mm\n"
     "  最小すきま ： 0.007 mm\n"
     "  ( 中央値換算の勘合 ： 0.024 mm ＜すきま＞ )\n"},
    {"H7s6_English",
     {"--lang", "en", "400", "H7/s6"},
     "hole H7\n"
     "  basic size:   φ400 mm\n"
     "  deviations:   57 / 0 μm\n"
     "  tolerance:    57 μm\n"
     "  limit sizes:  φ400.0000 ～ 400.0570 mm\n"
     "  mean size:    φ400.0285 ± 0.0285 mm\n"
     "shaft s6\n"
     "  basic size:   φ400 mm\n"
     "  deviations:   244 / 208 μm\n"
     "  tolerance:    36 μm\n"
     "  limit sizes:  φ400.2080 ～ 400.2440 mm\n"
     "  mean size:    φ400.2260 ± 0.018 mm\n"
     "interference fit\n"
     "  max interference: 0.244 mm\n"
     "  min interference: 0.151 mm\n"
     "  mean sizes:       0.1975 mm interference\n"},
    {"JS5h01_Json",
     {"--json", "12", "JS5/h01"},
     R"({"hole":{"size":12,"class":"JS5","upper":4,"lower":-4,"unit":"um","upperLimit":12.004,)"
     R"("lowerLimit":11.996,"tolerance":8},"shaft":{"size":12,"class":"h01","upper":0,"lower":-0.5,)"
     R"("unit":"um","upperLimit":12,"lowerLimit":11.9995,"tolerance":0.5},"fit":{"kind":"transition",)"
     R"("maxClearance":0.0045,"minClearance":-0.004,"meanClearance":0.00025}})"
     "\n"},
    {"GeneralAndFreeWithAShaftSize_Json",
     {"--json", "30", "GEN:中級/-0.01,+0.02", "30.5"},
     R"({"hole":{"size":30,"class":"GEN:m","upper":0.2,"lower":-0.2,"unit":"mm","upperLimit":30.2,)"
     R"("lowerLimit":29.8,"tolerance":0.4},"shaft":{"size":30.5,"class":null,"upper":0.02,"lower":-0.01,)"
     R"("unit":"mm","upperLimit":30.52,"lowerLimit":30.49,"tolerance":0.03},"fit":{"kind":"interference",)"
     R"("maxClearance":-0.29,"minClearance":-0.72,"meanClearance":-0.505}})"
     "\n"},
    {"GeneralAndFree_Japanese",
     {"40", "GEN:m/+0.1,+0.1"},
     "穴 ( 中級 )\n"
     "  基準寸法 ： φ40 mm\n"
     "  許容差 ： ±0.3 mm\n"
     "  公差 ： 0.6 mm\n"
     "  許容寸法 ： φ39.7 ～ 40.3 mm\n"
     "  ( 中央値換算 ： φ40 ± 0.3 mm  ）\n"
     "軸\n"
     "  基準寸法 ： φ40 mm\n"
     "  許容差 ： +0.1 / 0 mm\n"
     "  公差 ： 0.1 mm\n"
     "  許容寸法 ： φ40 ～ 40.1 mm\n"
     "  ( 中央値換算 ： φ40.05 ± 0.05 mm  ）\n"
     "中間ばめ\n"
     "  最大すきま ： 0.3 mm\n"
     "  最大しめしろ ： 0.4 mm\n"
     "  ( 中央値換算の勘合 ： 0.05 mm ＜しめしろ＞ )\n"},
    {"NoFit_Json",
     {"--json", "25", "0,0/0,0"},
     R"({"hole":{"size":25,"class":null,"upper":0,"lower":0,"unit":"mm","upperLimit":25,"lowerLimit":25,)"
     R"("tolerance":0},"shaft":{"size":25,"class":null,"upper":0,"lower":0,"unit":"mm","upperLimit":25,)"
     R"("lowerLimit":25,"tolerance":0},"fit":{"kind":null,"maxClearance":0,"minClearance":0,"meanClearance":0}})"
     "\n"},
    {"NoFit_English",
     {"--lang=en", "25", "0,0/0,0"},
     "hole\n"
     "  basic size:   φ25 mm\n"
     "  deviations:   0 / 0 mm\n"
     "  tolerance:    0 mm\n"
     "  limit sizes:  φ25 ～ 25 mm\n"
     "  mean size:    φ25 ± 0 mm\n"
     "shaft\n"
     "  basic size:   φ25 mm\n"
     "  deviations:   0 / 0 mm\n"
     "  tolerance:    0 mm\n"
     "  limit sizes:  φ25 ～ 25 mm\n"
     "  mean size:    φ25 ± 0 mm\n"
     "no fit (no clearance and no interference)\n"},
};

class FitExample : public ::testing::TestWithParam<Example> {};

TEST_P(FitExample, PrintsTheWorkedOutResult) {
    const Example& e = GetParam();
    const ProgramRun run = RunFit(e.args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, e.out);
    if (e.out.starts_with("{")) {
        const QJsonObject o = ParseObject(run.out);
        for (const char* feature : {"hole", "shaft"}) {
            const QJsonObject f = o[feature].toObject();
            for (const char* key : {"size", "upper", "lower", "upperLimit", "lowerLimit", "tolerance"}) {
                EXPECT_TRUE(f[key].isDouble()) << feature << "." << key;
            }
            EXPECT_TRUE(f["class"].isString() || f["class"].isNull());
            EXPECT_TRUE(f["unit"].toString() == "um" || f["unit"].toString() == "mm");
        }
        const QJsonObject fit = o["fit"].toObject();
        EXPECT_TRUE(fit["kind"].isString() || fit["kind"].isNull());
        EXPECT_EQ(fit.size(), 4);
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, FitExample, ::testing::ValuesIn(kExamples),
                         [](const ::testing::TestParamInfo<Example>& info) {
                             return std::string(info.param.name);
                         });

struct Failure {
    const char* name;
    std::vector<std::string> args;
    std::string err;
};

const Failure kFailures[] = {
    {"UndefinedCell", {"20", "H7/t6"}, "t6 is not defined at 20 mm (ISO 286-1)"},
    {"UndefinedHoleCell", {"5", "K9/h9"}, "K9 is not defined at 5 mm (ISO 286-1)"},
    {"ZeroSize", {"0", "H7/g6"}, "hole size 0 mm is out of range: an ISO 286 class is over 0 up to 3150 mm"},
    {"NegativeShaftSize",
     {"25", "H7/g6", "-3"},
     "shaft size -3 mm is out of range: an ISO 286 class is over 0 up to 3150 mm"},
    {"InfiniteSize",
     {"1e400", "H7/g6"},
     "hole size \"1e400\" is out of range: an ISO 286 class is over 0 up to 3150 mm"},
    {"InfiniteFreeSize",
     {"25", "H7/+0.1,0", "1e400"},
     "shaft size \"1e400\" is out of range: a size with free deviations is over 0 up to 1000000 mm"},
    {"FreeSizeOverAMillion",
     {"1000000.5", "+0.1,0/g6"},
     "hole size 1000000.5 mm is out of range: a size with free deviations is over 0 up to 1000000 mm"},
    {"InfiniteWantedSearch",
     {"--find", "25", "-1e400", "1e400", "--json"},
     "minimum clearance \"-1e400\" is out of range: a clearance is from -1000000 to 1000000 mm"},
    {"InfiniteSearchSize",
     {"--find", "1e400", "0", "1"},
     "size \"1e400\" is out of range: a search is over 0 up to 3150 mm"},
    {"InfiniteWantedMeasured",
     {"25", "H7/g6", "--measured", "25.01", "24.99", "--want", "0", "1e400"},
     "--want \"1e400\" is out of range: a clearance is from -1000000 to 1000000 mm"},
    {"MeasuredJustOverAMillion",
     {"25", "H7/g6", "--measured", "25.01", "1000000.001"},
     "--measured size \"1000000.001\" is out of range: a measured size is over 0 up to 1000000 mm"},
    {"MeasuredNegative",
     {"25", "H7/g6", "--measured", "-25.01", "24.99"},
     "--measured size \"-25.01\" is out of range: a measured size is over 0 up to 1000000 mm"},
    {"SwappedPair",
     {"25", "p6/H7"},
     "\"p6/H7\": a hole class is upper case and a shaft class lower case (HOLE/SHAFT): H7/p6 swaps the sides, "
     "P6/h7 keeps them"},
    {"HoleInLowerCase",
     {"12", "js5/h01"},
     "\"js5/h01\": a hole class is upper case and a shaft class lower case (HOLE/SHAFT): JS5/h01"},
    {"ShaftInUpperCase",
     {"25", "H7/G6"},
     "\"H7/G6\": a hole class is upper case and a shaft class lower case (HOLE/SHAFT): H7/g6"},
    {"WrongCaseBesideAControlCharacter",  // the side left as typed is quoted too
     {"25", "1e2\x01-1e308/ZC18"},
     "\"1e2?-1e308/ZC18\": a hole class is upper case and a shaft class lower case (HOLE/SHAFT): 1e2?-1e308/zc18"},
    {"FixedHoleInLowerCase",
     {"--find", "25", "0", "0.1", "--hole", "h7"},
     "hole class \"h7\" is a shaft class: a hole class is upper case and a shaft class lower case (the hole H7)"},
    {"FixedShaftEmpty",
     {"--find", "25", "0", "0.1", "--shaft", ""},
     "--shaft needs a class: H7, GEN:m or +0.02,-0.01"},
    {"FixedHoleUnknown",
     {"--find", "25", "0", "0.1", "--hole", "Q7"},
     "hole class \"Q7\" is not an ISO 286 class (a letter A to ZC and a grade 01 to 18, as H7), a general class "
     "(GEN:m) or deviations (+0.02,-0.01)"},
    {"UnknownShortOption", {"-x", "25", "H7/g6"}, "unknown option \"-x\" (see --help)"},
    {"BatchFolder", {"--batch", "."}, "cannot read \".\": it is a folder"},
    {"SvgOfABadMeasurement",
     {"--svg", "never.svg", "25", "H7/g6", "--measured", "1e400", "25"},
     "--measured size \"1e400\" is out of range: a measured size is over 0 up to 1000000 mm"},
    {"IsoSizeOver3150",
     {"3150.5", "H7/g6"},
     "hole size 3150.5 mm is out of range: an ISO 286 class is over 0 up to 3150 mm"},
    {"GeneralSizeUnderHalf",
     {"0.4", "GEN:m/h7"},
     "hole size 0.4 mm is out of range: a general class is from 0.5 up to 4000 mm (JIS B0405)"},
    {"GeneralSizeOver4000",
     {"20", "H7/GEN:c", "4000.5"},
     "shaft size 4000.5 mm is out of range: a general class is from 0.5 up to 4000 mm (JIS B0405)"},
    {"FineOver2000", {"2500", "GEN:f/h7"}, "GEN:精級 is not defined at 2500 mm (JIS B0405)"},
    {"VeryCoarseUpTo3", {"3", "H7/GEN:極粗級"}, "GEN:極粗級 is not defined at 3 mm (JIS B0405)"},
    {"TrailingGarbage", {"25x", "H7/g6"}, "size \"25x\" is not a number in mm"},
    {"CommaDecimal", {"25", "H7/g6", "2,5"}, "shaft size \"2,5\" is not a number in mm"},
    {"UnknownClass",
     {"25", "Q7/g6"},
     "hole class \"Q7\" is not an ISO 286 class (a letter A to ZC and a grade 01 to 18, as H7), a general class "
     "(GEN:m) or deviations (+0.02,-0.01)"},
    {"UnknownGrade",
     {"25", "H7/g19"},
     "shaft class \"g19\" is not an ISO 286 class (a letter A to ZC and a grade 01 to 18, as H7), a general class "
     "(GEN:m) or deviations (+0.02,-0.01)"},
    {"NoSlash", {"25", "H7g6"}, "\"H7g6\" is not HOLE/SHAFT (one slash between the two sides, as H7/g6)"},
    {"EmptyShaft", {"25", "H7/"}, "the shaft side of HOLE/SHAFT is empty"},
    {"BadGeneral",
     {"25", "GEN:x/g6"},
     "hole class \"GEN:x\" is not a general class (GEN:f, GEN:m, GEN:c, GEN:v or GEN:精級, GEN:中級, GEN:粗級, "
     "GEN:極粗級)"},
    {"BadFree",
     {"25", "H7/+0.02,abc"},
     "shaft deviations \"+0.02,abc\": \"abc\" is not a number in mm (write them as +0.02,-0.01)"},
    {"FreeBeyondDouble", {"25", "1e308,-1e308/g6"}, "hole limit sizes are beyond the range of numbers"},
    {"TooManyWords", {"25", "H7/g6", "25", "9"}, "too many words after SHAFT_SIZE: \"9\""},
    {"MissingQuery", {"--json"}, "missing SIZE HOLE/SHAFT, as 25 H7/g6 (see --help)"},
    {"UnknownOption", {"--colour", "25", "H7/g6"}, "unknown option \"--colour\" (see --help)"},
    {"BadLanguage", {"--lang", "fr", "25", "H7/g6"}, "--lang \"fr\" is not a language: en or ja"},
    {"TableWithQuery", {"--table", "25"}, "--table takes no query: \"25\""},
    {"SvgWithoutFile", {"25", "H7/g6", "--svg"}, "--svg needs a file"},
    {"SvgWithBatch", {"--svg", "x.svg", "--batch", "-"}, "--batch and --svg cannot be used together"},
    {"SvgUnwritable",
     {"--svg", "/nonexistent/zones.svg", "25", "H7/g6"},
     "cannot write \"/nonexistent/zones.svg\""},
    {"SvgWithFind",
     {"--find", "25", "0", "0.1", "--svg", "x.svg"},
     "--find and --svg cannot be used together"},
    {"LangWithTable", {"--table", "--lang=en"}, "--table and --lang cannot be used together"},
    {"OptionGivenTwice", {"--lang=en", "25", "H7/g6", "--lang", "ja"}, "--lang is given twice"},
    {"SvgToAFolder", {"--svg", ".", "25", "H7/g6"}, "cannot write \".\": it is a folder"},
    {"SvgToADevice",
     {"--svg", "/dev/null", "25", "H7/g6"},
     "cannot write \"/dev/null\": it is not a regular file (a device or a pipe)"},
    {"SvgOfABadQuery", {"--svg", "never.svg", "20", "H7/t6"}, "t6 is not defined at 20 mm (ISO 286-1)"},
    {"UnreadableBatch", {"--batch", "/nonexistent/queries.txt"}, "cannot read \"/nonexistent/queries.txt\""},
    // The calculation sheet.
    {"SheetWithoutFile", {"25", "H7/g6", "--sheet"}, "--sheet needs a file"},
    {"SheetToAFolder", {"--sheet", ".", "25", "H7/g6"}, "cannot write \".\": it is a folder"},
    {"SheetOfABadQuery", {"--sheet", "never.svg", "20", "H7/t6"}, "t6 is not defined at 20 mm (ISO 286-1)"},
    {"SheetWithTable", {"--table", "--sheet", "never.svg"}, "--table and --sheet cannot be used together"},
    {"NotationUnknownStyle",
     {"25", "H7/g6", "--notation", "Class"},
     "--notation needs class, class-deviations, deviations, limits or all, not \"Class\""},
    {"NotationUnknownSign",
     {"25", "H7/g6", "--notation", "class", "--diameter-sign", "D"},
     "--diameter-sign needs phi, dia or none, not \"D\""},
    {"DiameterSignWithoutNotation",
     {"25", "H7/g6", "--diameter-sign", "dia"},
     "--diameter-sign is used with --notation STYLE"},
    {"NotationWithMeasured",
     {"25", "H7/g6", "--notation", "class", "--measured", "25", "25"},
     "--measured and --notation cannot be used together"},
    {"NotationBeyondExactDigits",
     {"25", "+1e20,0/g6", "--notation", "class"},
     "the hole's callout would take more digits than it can write exactly"},
    // The fit in service: refused before anything is worked out or written.
    {"UnknownMaterial",
     {"25", "H7/g6", "--shaft-material", "wood"},
     "--shaft-material \"wood\" is not a material: steel, alloy-steel, stainless, grey-iron, ductile-iron, "
     "aluminium, cast-aluminium, brass, bronze, copper, titanium, pom, pa6"},
    {"NoExpansionAwayFrom20",
     {"--svg", "never.svg", "25", "H7/g6", "--shaft-material", "steel", "--temperature", "80"},
     "the hole is not at 20 °C but has no material or α: give --hole-material NAME or --hole-alpha PER_K"},
    {"ZeroAlpha",
     {"25", "H7/g6", "--hole-alpha", "0"},
     "hole α 0 1/K is out of range: α is over 0 up to 0.001 1/K"},
    {"AlphaNotANumber",
     {"25", "H7/g6", "--shaft-alpha", "nan"},
     "--shaft-alpha \"nan\" is not an expansion coefficient in 1/K (as 11.7e-6)"},
    {"BelowAbsoluteZero",
     {"25", "H7/g6", "--hole-material", "pom", "--temperature-range", "-300", "20"},
     "hole temperature -300 °C is out of range: a temperature is from -273.15 up to 10000 °C"},
    {"InfiniteTemperature",
     {"25", "H7/g6", "--shaft-temperature", "1e400"},
     "--shaft-temperature \"1e400\" is out of range: a temperature is from -273.15 up to 10000 °C"},
    {"ZeroCp",
     {"25", "H7/g6", "--stats", "--shaft-cp", "0"},
     "shaft Cp 0 is out of range: Cp is from 0.01 up to 100"},
    {"CpWithoutStats", {"25", "H7/g6", "--cp", "1.33"}, "--cp is used with --stats"},
    {"WantWithoutStats",
     {"25", "H7/g6", "--want", "0", "0.01"},
     "--want is used with --measured HOLES SHAFTS or --stats"},
    {"TemperatureAndRange",
     {"25", "H7/g6", "--hole-temperature", "30", "--hole-temperature-range", "20", "40"},
     "--hole-temperature and --hole-temperature-range cannot be used together"},
};

class FitFailure : public ::testing::TestWithParam<Failure> {};

TEST_P(FitFailure, SaysWhatIsWrongOnOneLineAndPrintsNothing) {
    const Failure& f = GetParam();
    const ProgramRun run = RunFit(f.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "tolvo-fit: " + f.err + "\n");
    EXPECT_FALSE(std::filesystem::exists("never.svg"));  // a command that fails writes no file
}

INSTANTIATE_TEST_SUITE_P(Errors, FitFailure, ::testing::ValuesIn(kFailures),
                         [](const ::testing::TestParamInfo<Failure>& info) {
                             return std::string(info.param.name);
                         });

std::string WriteTemporary(const std::string& name, const std::string& text) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() / name;
    std::ofstream(file, std::ios::binary) << text;
    return file.string();
}

TEST(FitBatch, AnswersEachQueryLineAtItsPlaceBadLinesWithTheirNumberAndExitsWithOne) {
    const std::string file = WriteTemporary("tolvo-fit-batch-mixed.txt",
                                            "# parts list\n"
                                            "25 H7/g6\n"
                                            "\n"
                                            "20 H7/t6\n"
                                            "   # indented comment\n"
                                            "400\tH7/s6\r\n"
                                            "25 H7\n"
                                            "12 JS5/h01\n"
                                            "12 js5/h01\n" +
                                                std::string(70000, '9') + "\n");
    const std::string longLine = "the line is longer than 65536 bytes";
    const std::string wrongCase =
        "\"js5/h01\": a hole class is upper case and a shaft class lower case (HOLE/SHAFT): JS5/h01";
    const struct {
        std::vector<std::string> args;
        std::string line4, line7, line9, line10;  // the records of the bad lines
    } formats[] = {
        {{"--json", "--batch", file},
         R"j({"line":4,"error":"t6 is not defined at 20 mm (ISO 286-1)"})j",
         R"j({"line":7,"error":"\"H7\" is not HOLE/SHAFT (one slash between the two sides, as H7/g6)"})j",
         R"j({"line":9,"error":"\"js5/h01\": a hole class is upper case and a shaft class lower case (HOLE/SHAFT): JS5/h01"})j",
         R"j({"line":10,"error":")j" + longLine + "\"}"},
        {{"--lang", "en", "--batch", file},
         "line 4: t6 is not defined at 20 mm (ISO 286-1)",
         "line 7: \"H7\" is not HOLE/SHAFT (one slash between the two sides, as H7/g6)",
         "line 9: " + wrongCase,
         "line 10: " + longLine},
    };
    for (const auto& format : formats) {
        const ProgramRun run = RunFit(format.args);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err,
                  "tolvo-fit: line 4: t6 is not defined at 20 mm (ISO 286-1)\n"
                  "tolvo-fit: line 7: \"H7\" is not HOLE/SHAFT (one slash between the two sides, as H7/g6)\n"
                  "tolvo-fit: line 9: " +
                      wrongCase + "\ntolvo-fit: line 10: " + longLine + "\n");
        const std::vector<std::string> lines = Lines(run.out);
        ASSERT_EQ(lines.size(), 7u) << run.out;
        EXPECT_EQ(lines[1], format.line4);
        EXPECT_EQ(lines[3], format.line7);
        EXPECT_EQ(lines[5], format.line9);
        EXPECT_EQ(lines[6], format.line10);
        // Each result is the one the single query gives.
        for (const auto& [at, query] : {std::pair{0, "25 H7/g6"}, {2, "400 H7/s6"}, {4, "12 JS5/h01"}}) {
            std::vector<std::string> args = {"--json"};
            std::istringstream words(query);
            for (std::string word; words >> word;) args.push_back(word);
            if (format.args[0] == "--json") {
                EXPECT_EQ(lines[at] + "\n", RunFit(args).out) << query;
            } else {
                EXPECT_FALSE(lines[at].starts_with("line ")) << lines[at];
            }
        }
    }
}

#ifndef _WIN32
// Reads standard output until a line ends, waiting at most ten seconds.
std::string ReadOneLine(int fd) {
    std::string line;
    while (line.empty() || line.back() != '\n') {
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, 10000) != 1) break;
        char c = 0;
        if (read(fd, &c, 1) != 1) break;
        line += c;
    }
    return line;
}

TEST(FitBatch, AnswersEachLineOfAPipeBeforeTheNextArrives) {
    int in[2], out[2];
    ASSERT_EQ(pipe(in), 0);
    ASSERT_EQ(pipe(out), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        dup2(in[0], 0);
        dup2(out[1], 1);
        for (int fd : {in[0], in[1], out[0], out[1]}) close(fd);
        execl(TOLVO_FIT_PROGRAM, TOLVO_FIT_PROGRAM, "--json", "--batch", "-", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    const auto send = [&](std::string_view text) {
        EXPECT_EQ(write(in[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
    };
    send("25 H7/g6\n");
    EXPECT_TRUE(ReadOneLine(out[0]).starts_with("{\"hole\":"));
    send("# a comment, then a bad line\n25 H7/q6\n");
    EXPECT_TRUE(ReadOneLine(out[0]).starts_with("{\"line\":3,\"error\":"));
    close(in[1]);
    EXPECT_EQ(ReadOneLine(out[0]), "");
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
}
#endif

TEST(FitBatch, ReadsStandardInputAndExitsWithZeroWhenEveryLineIsGood) {
    const std::string file =
        WriteTemporary("tolvo-fit-batch-good.txt", "25 H7/g6\n# done\n40 GEN:m/+0.1,+0.1\n");
    const ProgramRun run = RunFit({"--batch", "-"}, file);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0],
              "穴 ( H7 ) | 基準寸法 ： φ25 mm | 許容差 ： 21 / 0 μm | 公差 ： 21 μm | "
              "許容寸法 ： φ25.0000 ～ 25.0210 mm | ( 中央値換算 ： φ25.0105 ± 0.0105 mm  ） | "
              "軸 ( g6 ) | 基準寸法 ： φ25 mm | 許容差 ： -7 / -20 μm | 公差 ： 13 μm | "
              "許容寸法 ： φ24.9800 ～ 24.9930 mm | ( 中央値換算 ： φ24.9865 ± 0.0065 mm  ） | "
              "すきまばめ | 最大すきま ： 0.041 mm | 最小すきま ： 0.007 mm | "
              "( 中央値換算の勘合 ： 0.024 mm ＜すきま＞ )");
    EXPECT_TRUE(lines[1].starts_with("穴 ( 中級 ) | ")) << lines[1];
    EXPECT_TRUE(
        lines[1].ends_with(" | 中間ばめ | 最大すきま ： 0.3 mm | 最大しめしろ ： 0.4 mm | "
                           "( 中央値換算の勘合 ： 0.05 mm ＜しめしろ＞ )"))
        << lines[1];
}

TEST(FitTable, ListsEveryCellOfTheCoreTableExactly) {
    const ProgramRun run = RunFit({"--table"});
    ASSERT_EQ(run.status, 0);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(iso286::kCellCount));
    int defined = 0;
    std::size_t row = 0;
    for (FeatureKind kind : {FeatureKind::Hole, FeatureKind::Shaft}) {
        for (int letter = 0; letter < iso286::kLetterCount; ++letter) {
            for (int grade = 0; grade < iso286::kGradeCount; ++grade) {
                for (int step = 0; step < iso286::kSizeStepCount; ++step) {
                    std::istringstream in(lines[row++]);
                    in.imbue(std::locale::classic());
                    std::string kindName, letterName, gradeName, upper;
                    double over = 0, upTo = 0;
                    in >> kindName >> letterName >> gradeName >> over >> upTo >> upper;
                    EXPECT_EQ(kindName, kind == FeatureKind::Hole ? "hole" : "shaft");
                    EXPECT_EQ(letterName, iso286::LetterName(kind, letter));
                    EXPECT_EQ(gradeName, iso286::GradeName(grade));
                    EXPECT_EQ(over, iso286::SizeStepBounds(step).over);
                    EXPECT_EQ(upTo, iso286::SizeStepBounds(step).upTo);
                    const std::optional<Deviations> cell = iso286::Lookup(kind, letter, grade, step);
                    if (!cell) {
                        EXPECT_EQ(upper, "undefined") << lines[row - 1];
                        continue;
                    }
                    ++defined;
                    double lower = NAN;
                    in >> lower;
                    // The shortest text that reads back as the very double of the core table.
                    EXPECT_EQ(std::stod(upper), cell->upper) << lines[row - 1];
                    EXPECT_EQ(lower, cell->lower) << lines[row - 1];
                }
            }
        }
    }
    EXPECT_EQ(defined, 31565);
}

TEST(FitTable, WritesOneJsonObjectPerCell) {
    const ProgramRun run = RunFit({"--json", "--table"});
    ASSERT_EQ(run.status, 0);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(iso286::kCellCount));
    int defined = 0;
    for (const std::string& line : lines) {
        const QJsonObject cell = ParseObject(line);
        ASSERT_EQ(cell.size(), 7) << line;
        if (cell["upper"].isNull()) {
            EXPECT_TRUE(cell["lower"].isNull()) << line;
            continue;
        }
        ++defined;
        EXPECT_GE(cell["upper"].toDouble(), cell["lower"].toDouble()) << line;
    }
    EXPECT_EQ(defined, 31565);
    // H7 over 18 up to 24 mm.
    EXPECT_EQ(RunFit({"--table"}).out.find("hole H 7 18 24 21 0\n") != std::string::npos, true);
}

// What a run says besides its result: the window's warnings, the verdict and
// exit status of a measured-parts check, an output that cannot be written.
struct Outcome {
    const char* name;
    std::vector<std::string> args;
    std::string output;  // a redirection of standard output; empty: collected
    int status;
    std::string outEnd;  // what standard output ends with
    std::string err;
};

const std::string kShaftWarning = SettingMessageText(FeatureKind::Shaft, SettingMessage::NonPositiveLimit);

const Outcome kOutcomes[] = {
    {"NonPositiveLimitWarns", {"0.05", "H7/d11"}, "", 0, "＜すきま＞ )\n" + kShaftWarning + "\n", ""},
    {"NonPositiveLimitWarnsInJson",
     {"--json", "0.05", "H7/d11"},
     "",
     0,
     "},\"warnings\":[\"" + kShaftWarning + "\"]}\n",
     ""},
    {"NonPositiveLimitWarnsInABatchLine",
     {"--lang", "en", "--batch", "-"},
     "",
     0,
     " clearance | " + kShaftWarning + "\n",
     ""},
    {"MeasuredPartOutside",
     {"25", "H7/g6", "--measured", "25.022", "24.985"},
     "",
     1,
     "\n判定 ： 不良（許容寸法外の部品 1 / 2）\n",
     ""},
    {"MeasuredPairMisses",
     {"--lang", "en", "25", "H7/g6", "--measured", "25.01", "24.99", "--want", "0", "0.01"},
     "",
     1,
     "\nverdict: not good: parts outside their limits 0 / 2, pairs missing the wanted clearance 1 / 1\n",
     ""},
    {"MeasuredAllGood",
     {"25", "H7/g6", "--measured", "25.01", "24.99", "--want", "0.01", "0.03"},
     "",
     0,
     "  条件内\n判定 ： 良（すべての部品が許容寸法内、すべての組合せが条件内）\n",
     ""},
    {"MeasuredJsonNotGood",
     {"--json", "25", "H7/g6", "--measured", "25", "24.994"},
     "",
     1,
     "\"allGood\":false}\n",
     ""},
    {"OutputToAFullDisk", {"25", "H7/g6"}, ">/dev/full", 2, "", "tolvo-fit: cannot write the output\n"},
    {"OutputClosed", {"--help"}, ">&-", 2, "", "tolvo-fit: cannot write the output\n"},
};

class FitOutcome : public ::testing::TestWithParam<Outcome> {};

TEST_P(FitOutcome, ExitsWithItsStatusAndSaysSo) {
    const Outcome& o = GetParam();
    // The batch reads one line that warns; the others read no input.
    const std::string input =
        o.args.back() == "-" ? WriteTemporary("tolvo-fit-batch-warning.txt", "0.05 H7/d11\n") : "";
    const ProgramRun run = RunFit(o.args, input, o.output);
    EXPECT_EQ(run.status, o.status);
    EXPECT_TRUE(run.out.ends_with(o.outEnd)) << run.out;
    EXPECT_EQ(run.out.find("inf"), std::string::npos) << run.out;
    EXPECT_EQ(run.err, o.err);
}

INSTANTIATE_TEST_SUITE_P(Outcomes, FitOutcome, ::testing::ValuesIn(kOutcomes),
                         [](const ::testing::TestParamInfo<Outcome>& info) {
                             return std::string(info.param.name);
                         });

// --notation: the callouts as a drawing writes them, worked out by hand.
TEST(FitNotation, PrintsTheCalloutsOfEachStyleAsTextAndJson) {
    const Example cases[] = {
        {"class", {"25", "H7/g6", "--notation", "class"}, "φ25H7/g6\n"},
        {"all",
         {"30", "GEN:m/-0.01,+0.02", "--notation", "all", "--diameter-sign", "dia"},
         "class: ⌀30 ±0.2 (JIS B 0405-m) ⌀30 +0.02/-0.01\n"
         "class-deviations: ⌀30 ±0.2 (JIS B 0405-m) ⌀30 +0.02/-0.01\n"
         "deviations: ⌀30 ±0.2 (JIS B 0405-m) ⌀30 +0.02/-0.01\n"
         "limits: ⌀30.2/29.8 (JIS B 0405-m) ⌀30.02/29.99\n"},
        {"four decimals", {"2", "JS01/h01", "--notation", "deviations"}, "φ2 ±0.00015 φ2 0/-0.0003\n"},
        {"json",
         {"--json", "1250", "H7/g6", "--notation", "limits", "--diameter-sign", "none"},
         R"({"diameterSign":"none","limits":{"hole":"1250.105/1250.000","shaft":"1249.972/1249.906",)"
         R"("pair":"1250.105/1250.000 1249.972/1249.906"}})"
         "\n"},
        {"json all",
         {"--json", "25", "H7/g6", "--notation=all"},
         R"j({"diameterSign":"phi","class":{"hole":"φ25H7","shaft":"φ25g6","pair":"φ25H7/g6"},)j"
         R"j("class-deviations":{"hole":"φ25H7(+0.021/0)","shaft":"φ25g6(-0.007/-0.020)",)j"
         R"j("pair":"φ25H7(+0.021/0) φ25g6(-0.007/-0.020)"},"deviations":{"hole":"φ25 +0.021/0",)j"
         R"j("shaft":"φ25 -0.007/-0.020","pair":"φ25 +0.021/0 φ25 -0.007/-0.020"},)j"
         R"j("limits":{"hole":"φ25.021/25.000","shaft":"φ24.993/24.980","pair":"φ25.021/25.000 φ24.993/24.980"}})j"
         "\n"},
    };
    for (const Example& c : cases) {
        const ProgramRun run = RunFit(c.args);
        EXPECT_EQ(run.status, 0) << c.name << ": " << run.err;
        EXPECT_EQ(run.out, c.out) << c.name;
        if (c.out.starts_with("{")) {
            EXPECT_TRUE(ParseObject(run.out)["diameterSign"].isString()) << c.name;
        }
    }
}

TEST(FitProgram, AnswersHelpAndVersion) {
    const ProgramRun help = RunFit({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("Usage: tolvo-fit ")) << help.out;
    const ProgramRun version = RunFit({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "tolvo-fit " TOLVO_VERSION "\n");
}

}  // namespace
}  // namespace tolvo

namespace tolvo::fit_test {
namespace {

// The diagram goes to its file; what the query prints stays what it was.
TEST(FitSvg, WritesTheDiagramAndLeavesStandardOutputAsItWas) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("tolvo-fit-zones-" + std::to_string(std::random_device()()) + ".svg");
    std::filesystem::remove(file);
    for (const std::vector<std::string>& query :
         {std::vector<std::string>{"25", "H7/g6"}, std::vector<std::string>{"--json", "25", "H7/p6", "30"}}) {
        std::vector<std::string> withSvg = {"--svg", file.string()};
        withSvg.insert(withSvg.end(), query.begin(), query.end());
        const ProgramRun plain = RunFit(query);
        const ProgramRun run = RunFit(withSvg);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, plain.out);
        const std::string svg = ReadFile(file);
        EXPECT_TRUE(svg.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
        EXPECT_TRUE(svg.ends_with("</svg>\n"));
        EXPECT_NE(svg.find(">" + query[query.size() == 2 ? 1 : 2].substr(0, 2) + "</text>"),
                  std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(file.string() + ".tmp"));
    }
    std::filesystem::remove(file);
}

// The member names of JSON text: each string that a colon follows.
std::set<std::string> JsonKeys(std::string_view json) {
    std::set<std::string> keys;
    for (std::size_t colon = json.find("\":"); colon != std::string_view::npos;
         colon = json.find("\":", colon + 1)) {
        const std::size_t open = json.rfind('"', colon - 1);
        if (open != std::string_view::npos && json[colon - 1] != '\\')
            keys.insert(std::string(json.substr(open + 1, colon - open - 1)));
    }
    return keys;
}

// A man page's reader finds each member the program writes in bold.
TEST(FitManPage, NamesEveryJsonMemberOfEachOutput) {
    std::ifstream in(TOLVO_FIT_MAN_PAGE, std::ios::binary);
    const std::string man((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(man.empty()) << TOLVO_FIT_MAN_PAGE;
    const std::filesystem::path batch = std::filesystem::temp_directory_path() /
                                        ("tolvo-fit-keys-" + std::to_string(std::random_device()()) + ".txt");
    std::ofstream(batch) << "25 H7/g6\n25 H7/x\n";
    const std::vector<std::string> runs[] = {
        {"--json", "0.01", "+0.001,0/-0.02,-0.03"},  // a query with a warning
        {"--json", "--batch", batch.string()},       // a result and an error record
        {"--json", "--table"},
        {"--json", "--find", "25", "0.010", "0.040"},
        {"--json", "0.01", "+0.001,0/0,-0.02", "--measured", "0.01", "0.005", "--want", "0.001", "0.04"},
        {"--json", "25", "H7/g6", "--notation", "all"},
        {"--json", "25", "H7/k6", "--stats", "--want", "0", "0.015", "--hole-material", "aluminium",
         "--shaft-alpha", "11e-6", "--temperature-range", "20", "70"},
        {"--json", "25", "H7/k6", "--stats", "--temperature", "60", "--hole-material", "steel",
         "--shaft-material", "steel"},
        {"--json", "--materials"},
    };
    std::size_t found = 0;
    for (const std::vector<std::string>& args : runs) {
        const ProgramRun run = RunFit(args);
        // Every line of the table has the same members.
        const std::set<std::string> keys = JsonKeys(std::string_view(run.out).substr(0, 4096));
        EXPECT_FALSE(keys.empty()) << args[1] << ": " << run.err;
        for (const std::string& key : keys) {
            ++found;
            const bool bold = man.find("\\fB" + key + "\\fR") != std::string::npos ||
                              man.find(".B " + key + "\n") != std::string::npos ||
                              man.find(".BR " + key + " ") != std::string::npos ||
                              man.find("\", \" " + key + "\n") != std::string::npos;
            EXPECT_TRUE(bold) << "\"" << key << "\" (" << args[1] << ", " << args.back()
                              << ") is not named in the man page";
        }
    }
    EXPECT_GE(found, 40u);
    std::filesystem::remove(batch);
}

}  // namespace
}  // namespace tolvo::fit_test
