#include "tools/replay/replay.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "platform/help_folders.h"

namespace tolvo {
namespace {

struct Outcome {
    int status;
    std::vector<std::string> dumps;  // one per "dump"
    std::string errors;
};

Outcome Replay(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream errors;
    Outcome outcome;
    const FolderHelpSearch noHelp({}, "tolvo");
    outcome.status = RunReplay(in, out, errors, noHelp);
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) outcome.dumps.push_back(line);
    outcome.errors = errors.str();
    return outcome;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(Replay, DumpsEveryControlInAscendingIdsThenTheWindowsState) {
    const Outcome o = Replay("dump\n");
    ASSERT_EQ(o.status, 0);
    ASSERT_EQ(o.dumps.size(), 1u);
    const std::string& d = o.dumps.at(0);
    EXPECT_TRUE(
        d.starts_with(R"({"controls":{"1":{"enabled":true},"1000":{"checked":true,"enabled":true},)"
                      R"("1001":{"checked":false,"enabled":true},"1002":{"checked":false,"enabled":true},)"
                      R"("1003":{"text":"","enabled":true},"1004":{"pos":0,"min":0,"max":9,"enabled":true},)"
                      R"("1005":{"pos":0,"min":0,"max":7,"enabled":true},)"))
        << d;
    EXPECT_TRUE(Contains(d, R"("1016":{"text":" - ）","enabled":true})"));
    EXPECT_TRUE(Contains(d, R"("1017":{"text":"","enabled":false})"));
    EXPECT_TRUE(Contains(d, R"("1038":{"checked":true,"enabled":true})"));
    EXPECT_TRUE(Contains(d, R"("1042":{"enabled":false})"));
    EXPECT_TRUE(Contains(d, R"("1044":{"text":"精級","enabled":false})"));
    EXPECT_TRUE(Contains(d, R"("1057":{"text":"","enabled":true})"));
    EXPECT_TRUE(d.ends_with(R"("57670":{"enabled":true},"57671":{"enabled":true}},)"
                            R"("focus":1003,"fitColors":null,"log":[],"copyDialog":null,"ended":null})"))
        << d;
}

TEST(Replay, SkipsCommentsAndBlankLinesAndTakesTheRestOfTheLineAsText) {
    const Outcome o = Replay(
        "# a comment\n"
        "\n"
        "   \n"
        "click 1038\n"
        "set 1017 12 mm and more\n"
        "click 1089\n"
        "type 1090 \n"
        "type 1090 -0.5 x\n"
        "dump\n");
    ASSERT_EQ(o.status, 0) << o.errors;
    EXPECT_TRUE(Contains(o.dumps.at(0), R"("1017":{"text":"12 mm and more","enabled":true})"));
    EXPECT_TRUE(Contains(o.dumps.at(0), R"("1090":{"text":"-0.5 x","enabled":true})"));
    EXPECT_TRUE(Contains(o.dumps.at(0), R"("1114":{"text":"0 / -0.5 mm","enabled":true})"));
}

TEST(Replay, SendsEachKeystrokeToTheEditThatHasTheFocusAtThatMoment) {
    const Outcome o = Replay("type 1003 1500\ndump\n");
    ASSERT_EQ(o.status, 0) << o.errors;
    const std::string& d = o.dumps.at(0);
    EXPECT_TRUE(Contains(d, R"("1003":{"text":"150","enabled":true})"));
    EXPECT_TRUE(Contains(d, R"("1011":{"text":"0","enabled":true})"));
    EXPECT_TRUE(Contains(d, R"("focus":1011)"));
    EXPECT_TRUE(Contains(
        d,
        R"("log":[{"message":"軸の設定エラー：120mmを超える寸法のJISはめあい公差を Tolvo はサポートしていません.","caption":"Tolvo  Ver 1.10"},{"message":"穴の設定エラー)"));
}

TEST(Replay, BackspacesChangeOnlyWhatIsThere) {
    const Outcome o =
        Replay("click 1002\ntype 1011 0.25\nback 1011 2\ndump\nback 1011 9\ndump\nback 1011\ndump\n");
    ASSERT_EQ(o.status, 0) << o.errors;
    EXPECT_TRUE(Contains(o.dumps.at(0), R"("1011":{"text":"0.","enabled":true})"));
    EXPECT_TRUE(Contains(o.dumps.at(1), R"("1011":{"text":"","enabled":true})"));
    EXPECT_TRUE(Contains(o.dumps.at(2), R"("1011":{"text":"","enabled":true})"));
}

TEST(Replay, EscapesTextsForJson) {
    const Outcome o = Replay("click 1038\nset 1017 a\"b\\c\tdump\ndump\n");
    ASSERT_EQ(o.status, 0) << o.errors;
    EXPECT_TRUE(Contains(o.dumps.at(0), R"("1017":{"text":"a\"b\\c\tdump","enabled":true})"))
        << o.dumps.at(0);
    const Outcome invalid = Replay("set 1003 \xff\x01\ndump\n");
    ASSERT_EQ(invalid.status, 0);
    EXPECT_TRUE(
        Contains(invalid.dumps.at(0), "\"1003\":{\"text\":\"\xEF\xBF\xBD\\u0001\",\"enabled\":true}"));
}

TEST(Replay, ReportsTheFitKindLabelsColours) {
    const Outcome o = Replay("slide 1004 4\nslide 1005 2\nslide 1085 9\nslide 1086 1\ntype 1003 25\ndump\n");
    ASSERT_EQ(o.status, 0) << o.errors;
    EXPECT_TRUE(Contains(o.dumps.at(0), R"("fitColors":{"text":"#ffffff","background":"#ff0000"})"));
}

TEST(Replay, ClicksAnArrowOfTheClassScrollBarAsStepAndRelease) {
    const Outcome o = Replay(
        "click 1001\nset 1003 2\nscroll 1042 down\nscroll 1042 down\ndump\nscroll 1042 down\ndump\n"
        "vscroll 1042 linedown\ndump\n");
    ASSERT_EQ(o.status, 0) << o.errors;
    EXPECT_TRUE(Contains(o.dumps.at(0), R"("1044":{"text":"粗級","enabled":true})"));
    EXPECT_TRUE(Contains(o.dumps.at(1), R"("1044":{"text":"粗級","enabled":true})"));
    EXPECT_TRUE(
        Contains(o.dumps.at(1),
                 R"("log":[{"message":"穴の設定エラー：JIS普通公差は使用できません．\n0.5mm以上で3mm以下)"));
    EXPECT_TRUE(Contains(o.dumps.at(2), R"("1044":{"text":"極粗級","enabled":true})"));
    EXPECT_TRUE(Contains(o.dumps.at(2), R"("log":[])"));
}

TEST(Replay, RunsTheCopyDialogUntilItEnds) {
    const Outcome o = Replay(
        "type 1003 25\n"
        "click 57671\n"
        "dump\n"
        "dlg click 1061\n"
        "dlg type 1004 A\n"
        "dlg click 1\n"
        "dump\n"
        "about\n"
        "click 1\n"
        "dump\n");
    ASSERT_EQ(o.status, 0) << o.errors;
    ASSERT_EQ(o.dumps.size(), 3u);
    EXPECT_TRUE(Contains(o.dumps.at(0),
                         R"("copyDialog":{"controls":{"1":{"enabled":true},"2":{"enabled":true},)"
                         R"("1003":{"text":"Tolvo  Ver 1.10","enabled":true},)"));
    EXPECT_TRUE(Contains(o.dumps.at(0), R"(,"focus":1003},"ended":null})"));
    EXPECT_TRUE(Contains(o.dumps.at(1), R"("log":[{"clipboard":"名称 ： 穴A\r\n基準寸法 ： φ25 mm\r\n)"));
    EXPECT_TRUE(Contains(o.dumps.at(1), R"("copyDialog":null)"));
    EXPECT_TRUE(Contains(o.dumps.at(2), R"("log":[{"about":true}])"));
    EXPECT_TRUE(Contains(o.dumps.at(2), R"("ended":"ok")"));
}

TEST(Replay, AScriptMayEndWithTheCopyDialogOpen) {
    EXPECT_EQ(Replay("type 1003 25\nclick 57671\ndlg click 1061\n").status, 0);
}

struct BadEvent {
    const char* script;
    int line;
    const char* reason;
};

class ReplayErrorTest : public ::testing::TestWithParam<BadEvent> {};

TEST_P(ReplayErrorTest, StopsWithStatus2AndSaysWhichLine) {
    const BadEvent& bad = GetParam();
    const Outcome o = Replay(bad.script);
    EXPECT_EQ(o.status, 2);
    EXPECT_TRUE(o.errors.starts_with("tolvo-replay: line " + std::to_string(bad.line) + ": ")) << o.errors;
    EXPECT_TRUE(Contains(o.errors, bad.reason)) << o.errors;
}

INSTANTIATE_TEST_SUITE_P(
    Events, ReplayErrorTest,
    ::testing::Values(
        BadEvent{"type 1017 5\n", 1, "disabled"}, BadEvent{"dump\ntype 1009 5\n", 2, "read-only"},
        BadEvent{"click 4242\n", 1, "no control 4242"}, BadEvent{"jump 1003\n", 1, "unknown event"},
        BadEvent{"dlg click 1\n", 1, "no copy dialog"}, BadEvent{"click 1044\n", 1, "not a button"},
        BadEvent{"click 1001\nslide 1004 3\n", 2, "disabled"}, BadEvent{"slide 1004 x\n", 1, "expected"},
        BadEvent{"scroll 1042 down\n", 1, "disabled"}, BadEvent{"key space\n", 1, "unknown key"},
        BadEvent{"focus 1030\n", 1, "cannot take the focus"},
        BadEvent{"key escape\n# ended\ntype 1003 1\n", 3, "ended"},
        BadEvent{"type 1003 25\nclick 57671\ntype 1003 1\n", 3, "copy dialog is open"},
        BadEvent{"type 1003 25\nclick 57671\ndlg type 1006 x\n", 3, "read-only"},
        BadEvent{"type 1003 25\nclick 57671\ndlg click 1061\ndlg type 1003 x\n", 4, "disabled"}));

}  // namespace
}  // namespace tolvo
