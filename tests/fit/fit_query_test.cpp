// The parser of tolvo-fit's command line and batch lines, called directly.
#include "tools/fit/query.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tools/fit/options.h"

namespace tolvo::fit {
namespace {

struct NumberCase {
    const char* text;
    bool whole;
};

class WholeNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(WholeNumber, AcceptsOnlyANumberFromEndToEnd) {
    EXPECT_EQ(IsWholeNumber(GetParam().text), GetParam().whole) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WholeNumber,
    ::testing::Values(NumberCase{"25", true}, NumberCase{"+0.02", true}, NumberCase{"-.5", true},
                      NumberCase{"5.", true}, NumberCase{"1e3", true}, NumberCase{"1E-3", true},
                      NumberCase{"", false}, NumberCase{"-", false}, NumberCase{".", false},
                      NumberCase{"25x", false}, NumberCase{"2,5", false}, NumberCase{" 25", false},
                      NumberCase{"25 ", false}, NumberCase{"1e", false}, NumberCase{"1e+", false},
                      NumberCase{"0x10", false}, NumberCase{"inf", false}, NumberCase{"nan", false},
                      NumberCase{"２５", false}));

Query MustParse(std::string_view line) {
    auto parsed = ParseQueryLine(line);
    if (auto* e = std::get_if<Error>(&parsed)) ADD_FAILURE() << line << ": " << e->message;
    return std::holds_alternative<Query>(parsed) ? std::get<Query>(parsed) : Query{};
}

TEST(QueryLine, ReadsAHoleClassInUpperCaseAndAShaftClassInLowerCase) {
    const Query q = MustParse("12 JS5/h01");
    EXPECT_EQ(q.hole.kind, SideKind::IsoClass);
    EXPECT_EQ(q.hole.isoClass.kind, FeatureKind::Hole);
    EXPECT_EQ(iso286::FormatClassName(q.hole.isoClass), "JS5");
    EXPECT_EQ(iso286::FormatClassName(q.shaft.isoClass), "h01");
    EXPECT_EQ(q.shaftSizeText, "12");
}

TEST(QueryLine, ReadsGeneralClassesByLetterAndByName) {
    const char* names[][2] = {{"f", "精級"}, {"m", "中級"}, {"c", "粗級"}, {"v", "極粗級"}};
    for (int c = 0; c < 4; ++c) {
        for (const char* name : names[c]) {
            const Query q = MustParse(std::string("30 GEN:") + name + "/GEN:" + name);
            EXPECT_EQ(q.hole.kind, SideKind::General) << name;
            EXPECT_EQ(q.hole.generalClass, c) << name;
            EXPECT_EQ(q.shaft.generalClass, c) << name;
        }
    }
}

TEST(QueryLine, KeepsFreeDeviationsAsWrittenAndTheShaftSize) {
    const Query q = MustParse("  30\t-0.01,+0.02/h7   31.5  ");
    EXPECT_EQ(q.hole.kind, SideKind::Free);
    EXPECT_EQ(q.hole.firstText, "-0.01");
    EXPECT_EQ(q.hole.secondText, "+0.02");
    EXPECT_EQ(q.holeSizeText, "30");
    EXPECT_EQ(q.shaftSizeText, "31.5");
}

TEST(QueryLine, RefusesTwoCommasAndTwoSlashes) {
    EXPECT_TRUE(std::holds_alternative<Error>(ParseQueryLine("25 0.1,0.2,0.3/h7")));
    EXPECT_TRUE(std::holds_alternative<Error>(ParseQueryLine("25 H7/g6/h6")));
    EXPECT_TRUE(std::holds_alternative<Error>(ParseQueryLine("25 GEN:/h7")));
}

TEST(QueryLine, SkipsBlankAndCommentLinesOnly) {
    EXPECT_TRUE(IsSkippedLine(""));
    EXPECT_TRUE(IsSkippedLine(" \t\r"));
    EXPECT_TRUE(IsSkippedLine("  # 25 H7/g6"));
    EXPECT_FALSE(IsSkippedLine("25 H7/g6 # note"));
}

std::variant<Options, Error> Parse(std::vector<std::string_view> args) {
    return ParseCommandLine(args);
}

TEST(CommandLine, TakesOptionsAnywhereAndWordsInOrder) {
    const auto parsed = Parse({"25", "--json", "H7/g6", "--lang=en"});
    ASSERT_TRUE(std::holds_alternative<Options>(parsed));
    const Options& o = std::get<Options>(parsed);
    EXPECT_EQ(o.action, Action::Query);
    EXPECT_TRUE(o.json);
    EXPECT_EQ(o.language, Language::English);
    EXPECT_EQ(o.words, (std::vector<std::string>{"25", "H7/g6"}));
}

TEST(CommandLine, TakesANegativeSizeAsAWordSoThatItsRangeIsReported) {
    const auto parsed = Parse({"-5", "H7/g6"});
    ASSERT_TRUE(std::holds_alternative<Options>(parsed));
    EXPECT_EQ(std::get<Options>(parsed).words.front(), "-5");
}

TEST(CommandLine, ReadsBatchAndTable) {
    const auto batch = Parse({"--batch", "-"});
    ASSERT_TRUE(std::holds_alternative<Options>(batch));
    EXPECT_EQ(std::get<Options>(batch).action, Action::Batch);
    EXPECT_EQ(std::get<Options>(batch).batchFile, "-");
    const auto table = Parse({"--table", "--json"});
    ASSERT_TRUE(std::holds_alternative<Options>(table));
    EXPECT_EQ(std::get<Options>(table).action, Action::Table);
    EXPECT_TRUE(std::holds_alternative<Error>(Parse({"--batch"})));
    EXPECT_TRUE(std::holds_alternative<Error>(Parse({"--batch", "f", "--table"})));
    EXPECT_TRUE(std::holds_alternative<Error>(Parse({"--lang"})));
}

// A command line on which each option does what it says: the option's
// values, and the rest of the line. Every option of the table needs one.
struct OptionUse {
    std::vector<std::string_view> values;
    std::vector<std::string_view> rest;
};

const std::vector<std::string_view> kQueryLine = {"25", "H7/g6"};
const std::vector<std::string_view> kFindLine = {"--find", "25", "0", "0.1"};
const std::vector<std::string_view> kMeasuredLine = {"25", "H7/g6", "--measured", "25", "25"};
const std::vector<std::string_view> kNotationLine = {"25", "H7/g6", "--notation", "class"};
const std::vector<std::string_view> kStatsLine = {"25", "H7/g6", "--stats"};
const std::vector<std::string_view> kPressLine = {"--press", "40",       "H7/s6", "--hub-od",
                                                  "80",      "--length", "30"};

const std::map<std::string_view, OptionUse> kOptionUses = {
    {"--json", {{}, kQueryLine}},
    {"--lang", {{"en"}, kQueryLine}},
    {"--svg", {{"zones.svg"}, kQueryLine}},
    {"--sheet", {{"sheet.svg"}, kQueryLine}},
    {"--batch", {{"queries.txt"}, {}}},
    {"--table", {{}, {}}},
    {"--find", {{}, {"25", "0", "0.1"}}},
    {"--basis", {{"shaft"}, kFindLine}},
    {"--hole", {{"H7"}, kFindLine}},
    {"--shaft", {{"h6"}, kFindLine}},
    {"--full-range", {{}, kFindLine}},
    {"--limit", {{"3"}, kFindLine}},
    {"--measured", {{"25.01", "24.99,24.98"}, kQueryLine}},
    {"--want", {{"0", "0.1"}, kMeasuredLine}},
    {"--press", {{}, {"40", "H7/s6", "--hub-od", "80", "--length", "30"}}},
    {"--interference", {{"0.02", "0.05"}, {"--press", "40", "--hub-od", "80", "--length", "30"}}},
    {"--hub-od", {{"80"}, {"--press", "40", "H7/s6", "--length", "30"}}},
    {"--length", {{"30"}, {"--press", "40", "H7/s6", "--hub-od", "80"}}},
    {"--shaft-bore", {{"10"}, kPressLine}},
    {"--mu", {{"0.12"}, kPressLine}},
    {"--mu-press", {{"0.08"}, kPressLine}},
    {"--hub-material", {{"aluminium"}, kPressLine}},
    {"--shaft-material", {{"SUS304"}, kPressLine}},
    {"--hub-e", {{"70"}, kPressLine}},
    {"--shaft-e", {{"200"}, kPressLine}},
    {"--hub-nu", {{"0.33"}, kPressLine}},
    {"--shaft-nu", {{"0.29"}, kPressLine}},
    {"--hub-yield", {{"250"}, kPressLine}},
    {"--shaft-yield", {{"800"}, kPressLine}},
    {"--hub-alpha", {{"23e-6"}, kPressLine}},
    {"--rz-hub", {{"6.3"}, kPressLine}},
    {"--rz-shaft", {{"4"}, kPressLine}},
    {"--smoothing", {{"0.8"}, kPressLine}},
    {"--rpm", {{"3000"}, kPressLine}},
    {"--room-temperature", {{"25"}, kPressLine}},
    {"--hub-temperature", {{"80"}, kPressLine}},
    {"--mounting-clearance", {{"0.02"}, kPressLine}},
    {"--hole-material", {{"aluminium"}, kQueryLine}},
    {"--hole-alpha", {{"23.6e-6"}, kQueryLine}},
    {"--shaft-alpha", {{"11.7e-6"}, kQueryLine}},
    {"--temperature", {{"80"}, kQueryLine}},
    {"--hole-temperature", {{"20"}, kQueryLine}},
    {"--shaft-temperature", {{"-40"}, kQueryLine}},
    {"--temperature-range", {{"20", "80"}, kQueryLine}},
    {"--hole-temperature-range", {{"20", "60"}, kQueryLine}},
    {"--shaft-temperature-range", {{"80", "20"}, kQueryLine}},
    {"--stats", {{}, kQueryLine}},
    {"--cp", {{"1.33"}, kStatsLine}},
    {"--hole-cp", {{"2"}, kStatsLine}},
    {"--shaft-cp", {{"0.5"}, kStatsLine}},
    {"--hole-shift", {{"-2"}, kStatsLine}},
    {"--shaft-shift", {{"1.5"}, kStatsLine}},
    {"--distribution", {{"uniform"}, kStatsLine}},
    {"--materials", {{}, {}}},
    {"--help", {{}, kQueryLine}},
    {"--version", {{}, kQueryLine}},
    {"--notation", {{"limits"}, kQueryLine}},
    {"--diameter-sign", {{"dia"}, kNotationLine}},
};

// A line of each mode, for an option that has no effect there.
const std::vector<std::pair<ModeSet, std::vector<std::string_view>>> kModeLines = {
    {kQueryMode, kQueryLine},       {kMeasuredMode, kMeasuredLine},
    {kBatchMode, {"--batch", "-"}}, {kTableMode, {"--table"}},
    {kFindMode, kFindLine},         {kNotationMode, kNotationLine},
    {kPressMode, kPressLine},       {kMaterialsMode, {"--materials"}},
};

std::vector<std::string_view> With(std::vector<std::string_view> line, std::string_view option,
                                   const std::vector<std::string_view>& values) {
    line.push_back(option);
    line.insert(line.end(), values.begin(), values.end());
    return line;
}

std::string ManPage() {
    std::ifstream in(TOLVO_FIT_MAN_PAGE, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// "--full-range" as the man page writes it: "\-\-full\-range".
std::string Roff(std::string_view name) {
    std::string escaped;
    for (char c : name) escaped += c == '-' ? std::string("\\-") : std::string(1, c);
    return escaped;
}

class OptionTableEntry : public ::testing::TestWithParam<OptionSpec> {};

TEST_P(OptionTableEntry, IsListedReadInBothFormsAndRefusedTwiceOrWithoutEffect) {
    const OptionSpec& option = GetParam();
    const std::string name(option.name);
    const std::string help = OptionHelp();
    EXPECT_TRUE(help.starts_with("  " + name + " ") || help.find("\n  " + name + " ") != std::string::npos ||
                help.find("\n  " + name + "\n") != std::string::npos)
        << help;
    const std::string man = ManPage();
    ASSERT_FALSE(man.empty()) << TOLVO_FIT_MAN_PAGE;
    const std::string entry = Roff(name);
    EXPECT_TRUE(man.find(".TP\n.B " + entry + "\n") != std::string::npos ||
                man.find(".TP\n.BR " + entry + " ") != std::string::npos)
        << name << " has no entry in the man page";

    const auto use = kOptionUses.find(option.name);
    ASSERT_NE(use, kOptionUses.end()) << name << " needs a command line in this test";
    const std::vector<std::string_view> line = With(use->second.rest, option.name, use->second.values);
    const auto parsed = Parse(line);
    ASSERT_TRUE(std::holds_alternative<Options>(parsed)) << std::get<Error>(parsed).message;
    const Options& read = std::get<Options>(parsed);
    if (read.action == Action::Help || read.action == Action::Version) return;  // answered at once
    const auto without = Parse(use->second.rest);
    if (const Options* before = std::get_if<Options>(&without)) {
        EXPECT_NE(read, *before) << name << " read nothing";
    }

    if (!use->second.values.empty()) {
        std::vector<std::string_view> joinedLine = use->second.rest;
        const std::string joined = name + "=" + std::string(use->second.values[0]);
        joinedLine.push_back(joined);
        joinedLine.insert(joinedLine.end(), use->second.values.begin() + 1, use->second.values.end());
        const auto parsedJoined = Parse(joinedLine);
        ASSERT_TRUE(std::holds_alternative<Options>(parsedJoined)) << std::get<Error>(parsedJoined).message;
        EXPECT_EQ(std::get<Options>(parsedJoined), read) << joined;
        const auto missing = Parse({option.name});
        ASSERT_TRUE(std::holds_alternative<Error>(missing));
        EXPECT_EQ(std::get<Error>(missing).message, name + " needs " + std::string(option.needs));
    } else {
        const auto valued = Parse(With(use->second.rest, name + "=1", {}));
        ASSERT_TRUE(std::holds_alternative<Error>(valued)) << name << "=1";
        EXPECT_EQ(std::get<Error>(valued).message, name + " takes no value");
    }

    const auto twice = Parse(With(line, option.name, use->second.values));
    ASSERT_TRUE(std::holds_alternative<Error>(twice)) << name << " twice";
    EXPECT_EQ(std::get<Error>(twice).message, name + " is given twice");

    for (const auto& [mode, modeLine] : kModeLines) {
        // Choosing another mode is not an option without effect: it is that mode.
        if ((option.modes & mode) || (option.selects && mode == kQueryMode)) continue;
        const auto refused = Parse(With(modeLine, option.name, use->second.values));
        ASSERT_TRUE(std::holds_alternative<Error>(refused)) << name << " in mode " << mode;
        EXPECT_NE(std::get<Error>(refused).message.find(name), std::string::npos)
            << std::get<Error>(refused).message;
    }
}

// A name given to two rows would reach only the first: one row an option,
// whatever modes share it (--shaft-material: the joint and the fit in service).
TEST(OptionTable, NamesEachOptionOnce) {
    std::set<std::string_view> names;
    for (const OptionSpec& option : OptionTable()) EXPECT_TRUE(names.insert(option.name).second) << option.name;
}

INSTANTIATE_TEST_SUITE_P(Options, OptionTableEntry, ::testing::ValuesIn(OptionTable()),
                         [](const ::testing::TestParamInfo<OptionSpec>& info) {
                             std::string name;
                             for (char c : info.param.name) name += c == '-' ? "" : std::string(1, c);
                             return name;
                         });

TEST(Quoting, ShowsControlCharactersAndBadBytesAndCutsLongTextsBetweenCharacters) {
    EXPECT_EQ(Quoted("a\nb\x7f"), "a?b?");
    const std::string longText = std::string(39, 'x') + "μμ";
    EXPECT_EQ(Quoted(longText), std::string(39, 'x') + "μ...");
    EXPECT_EQ(Quoted("H\xff"
                     "7\xe3\x81"),
              "H?7??");  // bytes that are not UTF-8
    EXPECT_EQ(Quoted("穴"), "穴");
}

}  // namespace
}  // namespace tolvo::fit
