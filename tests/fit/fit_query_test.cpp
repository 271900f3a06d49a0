// The parser of tolvo-fit's command line and batch lines, called directly.
#include "tools/fit/query.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

TEST(QueryLine, ReadsEachSideInTheCaseOfItsFeature) {
    const Query q = MustParse("12 js5/H01");
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
