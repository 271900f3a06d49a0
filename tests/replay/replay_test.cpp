#include "tools/replay/replay.h"
#include "core/messages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/version.h"
#include "platform/help_folders.h"
#include "tests/fit/run_program.h"
#include "tests/replay/strict_json.h"

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
    for (std::string line; std::getline(lines, line);) {
        EXPECT_TRUE(strict_json::IsJson(line)) << "not JSON in UTF-8: " << line.substr(0, 200);
        outcome.dumps.push_back(line);
    }
    outcome.errors = errors.str();
    return outcome;
}

std::string Repeated(const std::string& part, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i) text += part;
    return text;
}

const std::string kReplacement = "\xEF\xBF\xBD";  // U+FFFD

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
    EXPECT_TRUE(Contains(o.dumps.at(0), R"("1017":{"text":"12 mm and more","partial":true,"enabled":true})"));
    EXPECT_TRUE(Contains(o.dumps.at(0), R"("1090":{"text":"-0.5 x","partial":true,"enabled":true})"));
    EXPECT_TRUE(Contains(o.dumps.at(0), R"("1114":{"text":"0 / -0.5 mm","enabled":true})"));
}

TEST(Replay, MarksAnInputEditWhoseTextIsNotWhollyTheNumberReadFromIt) {
    const Outcome o = Replay(
        "type 1003 25,5\ndump\nback 1003 2\ndump\nset 1003 \xEF\xBC\x92\xEF\xBC\x95\xEF\xBD\x98\n"
        "click 1002\nset 1011 abc\nset 1012  2.5 \ndump\n");
    ASSERT_EQ(o.status, 0) << o.errors;
    // the shaft's size mirrors the hole's, and is marked the same
    EXPECT_TRUE(Contains(o.dumps.at(0), R"("1003":{"text":"25,5","partial":true,"enabled":true})"))
        << o.dumps.at(0);
    EXPECT_TRUE(Contains(o.dumps.at(0), R"("1017":{"text":"25,5","partial":true,"enabled":false})"));
    // computed as 25 mm all the same
    EXPECT_TRUE(Contains(o.dumps.at(0), R"("1009":{"text":"74 / 65 μm","enabled":true})"));
    EXPECT_TRUE(Contains(o.dumps.at(1), R"("1003":{"text":"25","enabled":true})"));
    EXPECT_TRUE(Contains(o.dumps.at(1), R"("1017":{"text":"25","enabled":false})"));
    EXPECT_TRUE(Contains(o.dumps.at(2),
                         "\"1003\":{\"text\":\"\xEF\xBC\x92\xEF\xBC\x95\xEF\xBD\x98\","
                         "\"partial\":true,\"enabled\":true}"));
    EXPECT_TRUE(Contains(o.dumps.at(2), R"("1011":{"text":"abc","partial":true,"enabled":true})"));
    EXPECT_TRUE(Contains(o.dumps.at(2), R"("1012":{"text":" 2.5 ","enabled":true})"));
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
        R"("log":[{"message":"軸の設定エラー：120mmを超える寸法のJISはめあい公差を Tolvo はサポートしていません.","caption":")" +
            std::string(ja::kMessageCaption) + R"("},{"message":"穴の設定エラー)"));
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
    EXPECT_TRUE(Contains(o.dumps.at(0), R"("1017":{"text":"a\"b\\c\tdump","partial":true,"enabled":true})"))
        << o.dumps.at(0);
    const Outcome invalid = Replay("set 1003 \xff\x01\ndump\n");
    ASSERT_EQ(invalid.status, 0);
    EXPECT_TRUE(Contains(invalid.dumps.at(0),
                         "\"1003\":{\"text\":\"\xEF\xBF\xBD\\u0001\",\"partial\":true,\"enabled\":true}"));
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
    EXPECT_TRUE(
        Contains(o.dumps.at(0), R"("copyDialog":{"controls":{"1":{"enabled":true},"2":{"enabled":true},)"
                                R"("1003":{"text":")" +
                                    std::string(ja::kMessageCaption) + R"(","enabled":true},)"));
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
        BadEvent{"type 1003 25\nclick 57671\ndlg click 1061\ndlg type 1003 x\n", 4, "disabled"},
        // IDs, counts and positions are decimal; only a system command may be hex too.
        BadEvent{"click --1000\n", 1, "expected a control ID"},
        BadEvent{"click 0x3e8\n", 1, "expected a control ID"},
        BadEvent{"focus -1003\n", 1, "expected a control ID"},
        BadEvent{"slide 1004 --5\n", 1, "expected a slider position"},
        BadEvent{"slide 1004 0x5\n", 1, "expected a slider position"},
        BadEvent{"back 1003 --1\n", 1, "expected a count"},
        BadEvent{"back 1003 0x1\n", 1, "expected a count"},
        BadEvent{"back 1003 -1\n", 1, "a count cannot be negative"},
        BadEvent{"syscommand --16\n", 1, "expected a system command"},
        BadEvent{"syscommand 0x-10\n", 1, "expected a system command"},
        BadEvent{"syscommand -0x10\n", 1, "expected a system command"},
        BadEvent{"dump extra\n", 1, "\"dump\" takes nothing after it"},
        BadEvent{"type 1003 25\nclick 57671\ndump extra\n", 3, "\"dump\" takes nothing after it"},
        BadEvent{"about extra\n", 1, "\"about\" takes nothing after it"},
        BadEvent{"option full-range\n", 1, "on or off"}, BadEvent{"option full-range yes\n", 1, "on or off"},
        BadEvent{"option zoom on\n", 1, "unknown option"}, BadEvent{"option zone-diagram\n", 1, "on or off"},
        BadEvent{"option zone-diagram 1\n", 1, "on or off"},
        // the callout's command and options
        BadEvent{"copy-callout now\n", 1, "\"copy-callout\" takes nothing after it"},
        BadEvent{"option callout-style Class\n", 1, "class, class-deviations, deviations or limits"},
        BadEvent{"option callout-style\n", 1, "class, class-deviations, deviations or limits"},
        BadEvent{"option diameter-sign on\n", 1, "phi, dia or none"},
        BadEvent{"option full-range on\nslide 1004 28\nclick 1002\nslide 1004 3\n", 4, "disabled"},
        // the finder dialog
        BadEvent{"fnd type 2301 0.01\n", 1, "no finder dialog is open"},
        BadEvent{"finder\n", 1, "finder takes open"},
        BadEvent{"finder open\nfnd jump\n", 2, "unknown finder event"},
        BadEvent{"finder open\nfnd click 2313\n", 2, "not a button"},
        BadEvent{"finder open\nfnd choose 0\n", 2, "no row 0"},
        BadEvent{"type 1003 25\nfinder open\nfnd set 2301 0.001\nfnd set 2302 0.0015\nfnd choose 0\n", 5,
                 "row 0 holds no pair"},
        BadEvent{"finder open\nfnd close\nfnd click 2305\n", 3, "no finder dialog is open"},
        BadEvent{"type 1003 25\nclick 57671\nfinder open\n", 3, "copy dialog is open"}));

TEST(Replay, TheFinderDumpBeginsWithTheFirstFinderEventAndFollowsTheMainWindow) {
    const Outcome o = Replay(
        "type 1003 25\ndump\nfinder open\nfnd type 2301 0.01\nfnd type 2302 0.04\ndump\n"
        "fnd choose 0\nclick 1084\nfnd click 2307\ndump\nfnd close\ndump\n");
    ASSERT_EQ(o.status, 0) << o.errors;
    ASSERT_EQ(o.dumps.size(), 4u);
    EXPECT_FALSE(Contains(o.dumps[0], "finder"));
    // The finder's own opt-in adds no main-window extension.
    EXPECT_FALSE(Contains(o.dumps[1], "\"2100\""));
    EXPECT_FALSE(Contains(o.dumps[1], "fullRange"));
    EXPECT_TRUE(
        Contains(o.dumps[1], R"("ended":null,"finder":{"controls":{"2300":{"text":"25","enabled":true},)"))
        << o.dumps[1];
    EXPECT_TRUE(Contains(o.dumps[1], R"("rows":[{"text":")")) << o.dumps[1];
    EXPECT_TRUE(Contains(o.dumps[1], R"(,"choosable":true})")) << o.dumps[1];
    EXPECT_TRUE(Contains(o.dumps[1], R"(],"focus":2302}})")) << o.dumps[1];
    // The first row, H5/f5, is in the main window; the fixed shaft is what it shows.
    EXPECT_TRUE(Contains(o.dumps[2], R"("1014":{"text":"0.038 mm","enabled":true})")) << o.dumps[2];
    EXPECT_TRUE(Contains(o.dumps[2], R"("2307":{"checked":true,"enabled":true})")) << o.dumps[2];
    EXPECT_TRUE(
        Contains(o.dumps[2], R"({"text":"　 H5 / f5　すきまばめ　0.02 ～ 0.038 mm","choosable":true})"))
        << o.dumps[2];
    EXPECT_TRUE(o.dumps[3].ends_with(R"("ended":null,"finder":null})")) << o.dumps[3];
}

TEST(Replay, ReadsASystemCommandInDecimalOrHexAndANegativeSliderPosition) {
    const Outcome o = Replay("syscommand 16\nsyscommand 0x10\nslide 1004 5\nslide 1004 -5\ndump\n");
    ASSERT_EQ(o.status, 0) << o.errors;
    EXPECT_TRUE(Contains(o.dumps.at(0), R"("log":[{"about":true},{"about":true}])")) << o.dumps.at(0);
    EXPECT_TRUE(Contains(o.dumps.at(0), R"("1004":{"pos":0,"min":0,"max":9,"enabled":true})"));
}

// ---- the whole ISO 286 range ----

TEST(Replay, TheExtendedDumpBeginsWithTheFirstOption) {
    const Outcome o = Replay("dump\noption full-range off\ndump\noption full-range on\ndump\n");
    ASSERT_EQ(o.status, 0) << o.errors;
    ASSERT_EQ(o.dumps.size(), 3u);
    EXPECT_FALSE(Contains(o.dumps[0], "\"2100\""));
    EXPECT_FALSE(Contains(o.dumps[0], "fullRange"));
    EXPECT_TRUE(o.dumps[1].ends_with(R"("ended":null,"fullRange":false,"zoneDiagram":null})")) << o.dumps[1];
    EXPECT_TRUE(Contains(o.dumps[1], R"("2100":{"text":"","enabled":false})"));
    EXPECT_TRUE(o.dumps[2].ends_with(R"("ended":null,"fullRange":true,"zoneDiagram":null})")) << o.dumps[2];
    EXPECT_TRUE(Contains(o.dumps[2], R"("1004":{"pos":4,"min":0,"max":27,"enabled":true})")) << o.dumps[2];
    EXPECT_TRUE(Contains(o.dumps[2], R"("2100":{"text":"D5","enabled":true})")) << o.dumps[2];
    EXPECT_TRUE(Contains(o.dumps[2], R"("2102":{"text":"A","enabled":true})")) << o.dumps[2];
    EXPECT_TRUE(Contains(o.dumps[2], R"("2197":{"text":"18","enabled":true})")) << o.dumps[2];
    // The command buttons are no extension: they are in every dump.
    for (const std::string& d : o.dumps) EXPECT_TRUE(Contains(d, R"("57670":{"enabled":true})")) << d;
}

TEST(Replay, SlidesOverTheWholeRange) {
    const Outcome o = Replay("option full-range on\nslide 1085 27\nslide 1086 19\nslide 1086 40\ndump\n");
    ASSERT_EQ(o.status, 0) << o.errors;
    EXPECT_TRUE(Contains(o.dumps.at(0), R"("1086":{"pos":19,"min":0,"max":19,"enabled":true})"))
        << o.dumps[0];
    EXPECT_TRUE(Contains(o.dumps.at(0), R"("2101":{"text":"zc18","enabled":true})")) << o.dumps[0];
}

// Switching the option on and off again leaves the seed range's window as a
// script that only said "off" has it.
class RangeRoundTripTest : public ::testing::TestWithParam<const char*> {};

TEST_P(RangeRoundTripTest, LeavesTheSeedDumpUnchanged) {
    const std::string events = GetParam();
    const Outcome once = Replay("option full-range off\n" + events + "dump\n");
    const Outcome before = Replay("option full-range on\noption full-range off\n" + events + "dump\n");
    const Outcome after = Replay("option full-range off\n" + events +
                                 "option full-range on\noption full-range off\nkey enter\ndump\n");
    const Outcome enter = Replay("option full-range off\n" + events + "key enter\ndump\n");
    ASSERT_EQ(once.status, 0) << once.errors;
    ASSERT_EQ(before.status, 0) << before.errors;
    ASSERT_EQ(after.status, 0) << after.errors;
    EXPECT_EQ(before.dumps, once.dumps);
    // Each switch re-evaluates as Enter does: the texts and states are Enter's.
    ASSERT_EQ(after.dumps.size(), 1u);
    ASSERT_EQ(enter.dumps.size(), 1u);
    EXPECT_EQ(after.dumps[0].substr(0, after.dumps[0].find("\"log\"")),
              enter.dumps[0].substr(0, enter.dumps[0].find("\"log\"")));
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, RangeRoundTripTest,
    ::testing::Values("", "type 1003 25\nslide 1004 4\nslide 1005 2\nslide 1085 3\nslide 1086 1\n",
                      "click 1038\nslide 1004 6\nslide 1005 7\ntype 1003 10\n",
                      "type 1003 50\nclick 1001\nclick 1089\ntype 1090 0.1\n",
                      "slide 1004 9\nslide 1005 7\ntype 1003 100\nclick 1087\nscroll 1088 down\n"));

TEST(Replay, AScriptFileThatCannotBeReadIsAnError) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::filesystem::path missing = folder / "tolvo-replay-test-no-such-script";
    for (const auto& [path, reason] :
         {std::pair{folder, std::string("is a folder")}, std::pair{missing, std::string("cannot read")}}) {
        std::ostringstream out;
        std::ostringstream errors;
        const FolderHelpSearch noHelp({}, "tolvo");
        EXPECT_EQ(RunReplayFile(path, out, errors, noHelp), 2) << path;
        EXPECT_TRUE(errors.str().starts_with("tolvo-replay: cannot read ")) << errors.str();
        EXPECT_TRUE(Contains(errors.str(), reason)) << errors.str();
        EXPECT_EQ(out.str(), "");
    }
}

// The built program: its exit status when it answers at once, and when what
// it prints cannot be written. It is run through a POSIX shell, which a
// Windows build under Wine does not have.
#if !defined(_WIN32)
TEST(ReplayProgram, ExitsWithTwoWhenTheOutputCannotBeWrittenAndZeroForHelp) {
    const std::string script =
        (std::filesystem::temp_directory_path() / "tolvo-replay-test-dump.txt").string();
    std::ofstream(script, std::ios::binary) << "dump\n";
    const struct {
        std::vector<std::string> args;
        std::string output;
        int status;
        std::string outStart;
        std::string err;
    } runs[] = {
        {{"--help"}, "", 0, "usage: tolvo-replay [SCRIPT]\n", ""},
        {{"--version"}, "", 0, "tolvo-replay " TOLVO_VERSION "\n", ""},
        {{script}, "", 0, "{", ""},
        {{script}, ">/dev/full", 2, "", "tolvo-replay: cannot write the output\n"},
        {{}, ">&-", 2, "", "tolvo-replay: cannot write the output\n"},
        {{"--help"}, ">/dev/full", 2, "", "tolvo-replay: cannot write the output\n"},
    };
    for (const auto& r : runs) {
        const fit_test::ProgramRun run = fit_test::RunProgram(TOLVO_REPLAY_PROGRAM, r.args, script, r.output);
        EXPECT_EQ(run.status, r.status) << r.output << " " << run.err;
        EXPECT_TRUE(run.out.starts_with(r.outStart)) << run.out;
        EXPECT_EQ(run.err, r.err);
    }
    std::filesystem::remove(script);
}
#endif

// ---- backspaces and typing ----

TEST(Replay, BackspacesBeyondTheTextAreLostAtOnce) {
    // Far more backspaces than there is text: the replay ends, and the edit is empty.
    const Outcome o = Replay(
        "click 1002\ntype 1011 0.25\nback 1011 9223372036854775807\ndump\n"
        "back 1011 4000000000\ndump\ntype 1011 7\ndump\n");
    ASSERT_EQ(o.status, 0) << o.errors;
    ASSERT_EQ(o.dumps.size(), 3u);
    EXPECT_TRUE(Contains(o.dumps.at(0), R"("1011":{"text":"","enabled":true})"));
    EXPECT_TRUE(Contains(o.dumps.at(1), R"("1011":{"text":"","enabled":true})"));
    EXPECT_TRUE(Contains(o.dumps.at(2), R"("1011":{"text":"7","enabled":true})"));
}

TEST(Replay, BackspacesFollowTheFocusWhereAHandlerMovesIt) {
    // "0.3e" reads 0.3 mm, which general tolerances refuse: the hole switches to free input and the focus
    // moves to its first deviation, where the next backspaces go until it is empty; the rest are lost.
    const Outcome o = Replay("click 1002\ntype 1011 12\nclick 1001\nset 1003 0.3e1\nback 1003 5\ndump\n");
    ASSERT_EQ(o.status, 0) << o.errors;
    const std::string& d = o.dumps.at(0);
    EXPECT_TRUE(Contains(d, R"("1003":{"text":"0.3e","partial":true,"enabled":true})")) << d;
    EXPECT_TRUE(Contains(d, R"("1011":{"text":"","enabled":true})")) << d;
    EXPECT_TRUE(Contains(d, R"("1002":{"checked":true,"enabled":true})")) << d;
    EXPECT_TRUE(Contains(d, R"("focus":1011)")) << d;
    EXPECT_TRUE(Contains(d, R"("log":[{"message":"穴の設定エラー：JIS普通公差は使用できません．)")) << d;
}

// The part of a dump that holds one control.
std::string ControlIn(const std::string& dump, int id) {
    const std::string key = "\"" + std::to_string(id) + "\":{";
    const std::size_t start = dump.find(key);
    if (start == std::string::npos) return {};
    return dump.substr(start, dump.find('}', start) - start + 1);
}

TEST(Replay, ABackspaceRemovesTheLastCharacterOrTheLastStrayByte) {
    const std::pair<std::string, std::string> kCases[] = {
        {"25", "2"},
        {"2φ", "2"},
        {"2\xF0\x9F\x98\x80", "2"},    // a four-byte character
        {"2\xFF", "2"},                // a byte that starts nothing
        {"2\xE2\x82", "2\xE2"},        // a character cut short is two stray bytes
        {"\xC3\xA9\x80", "\xC3\xA9"},  // a continuation byte after a whole character
        {"\x80\x80\x80\x80\x80", "\x80\x80\x80\x80"},
        {"1\xED\xA0\x80", "1"},  // a surrogate's bytes are still typed as one keystroke
    };
    for (const auto& [text, expected] : kCases) {
        const Outcome got = Replay("click 1002\nset 1011 " + text + "\nback 1011\ndump\n");
        const Outcome want = Replay("click 1002\nset 1011 " + expected + "\ndump\n");
        ASSERT_EQ(got.status, 0) << got.errors;
        EXPECT_EQ(ControlIn(got.dumps.at(0), 1011), ControlIn(want.dumps.at(0), 1011)) << text;
    }
}

TEST(Replay, Types100000KeystrokesIntoOneEdit) {
    const std::string text = Repeated("aφ\xFF", 33'334);
    const Outcome o = Replay("click 1002\ntype 1011 " + text + "\nback 1011 3\ndump\n");
    ASSERT_EQ(o.status, 0) << o.errors;
    // The edit takes 32767 characters: 10922 triples and an "a"; the backspaces
    // take that "a" and the last triple's stray byte and "φ".
    const std::string shown = Repeated("aφ" + kReplacement, 10'921) + "a";
    EXPECT_EQ(ControlIn(o.dumps.at(0), 1011),
              "\"1011\":{\"text\":\"" + shown + "\",\"partial\":true,\"enabled\":true}");
}

// ---- UTF-8 in dumps and errors ----

TEST(Replay, WritesEveryByteOfAnIllFormedSequenceAsTheReplacementCharacter) {
    const std::pair<std::string, int> kCases[] = {
        {"\xFF", 1},
        {"\xE2\x82", 2},              // cut short
        {"\xED\xA0\x80", 3},          // a surrogate
        {"\xED\xBF\xBF", 3},          // a surrogate
        {"\xC0\x80", 2},              // overlong
        {"\xC1\xBF", 2},              // overlong
        {"\xE0\x80\x80", 3},          // overlong
        {"\xE0\x9F\xBF", 3},          // overlong
        {"\xF0\x8F\xBF\xBF", 4},      // overlong
        {"\xF4\x90\x80\x80", 4},      // above U+10FFFF
        {"\xF5\x80\x80\x80", 4},      // above U+10FFFF
        {"\xF8\x88\x80\x80\x80", 5},  // no such lead byte
    };
    for (const auto& [bytes, replacements] : kCases) {
        const Outcome o = Replay("click 1002\nset 1011 <" + bytes + ">\ndump\n");
        ASSERT_EQ(o.status, 0) << o.errors;
        EXPECT_EQ(ControlIn(o.dumps.at(0), 1011), "\"1011\":{\"text\":\"<" +
                                                      Repeated(kReplacement, replacements) +
                                                      ">\",\"partial\":true,\"enabled\":true}");
    }
}

TEST(Replay, KeepsEveryWellFormedCharacterAsItIs) {
    const std::string kCharacters[] = {
        "\xC2\x80",     "\xDF\xBF",         "\xE0\xA0\x80",     "\xED\x9F\xBF", "\xEE\x80\x80",
        "\xEF\xBF\xBF", "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF", "～",           "φ"};
    for (const std::string& character : kCharacters) {
        const Outcome o = Replay("click 1002\nset 1011 " + character + "\ndump\n");
        ASSERT_EQ(o.status, 0) << o.errors;
        EXPECT_EQ(ControlIn(o.dumps.at(0), 1011),
                  "\"1011\":{\"text\":\"" + character + "\",\"partial\":true,\"enabled\":true}");
    }
}

TEST(Replay, ErrorsAreOneShortLineOfUtf8WhateverTheScriptHolds) {
    const std::string kScripts[] = {
        "jump \xED\xA0\x80\n",
        "click \xC0\x80\n",
        "key \xF5\x80\x80\x80\n",
        std::string("ju\0mp\n", 6),
        std::string("click 10\0\x01\x1B[2J\n", 16),
        "jump " + std::string(1'000'000, 'x') + "\n",
        "click " + std::string(1'000'000, '9') + "\n",
        "back 1003 " + Repeated("\xF0\x9F\x98\x80", 100'000) + "\n",
        "key " + Repeated("\xE2", 100'000) + "\n",
    };
    for (const std::string& script : kScripts) {
        const Outcome o = Replay(script);
        const std::string shown = o.errors.substr(0, 80);
        EXPECT_EQ(o.status, 2) << shown;
        EXPECT_TRUE(o.errors.starts_with("tolvo-replay: line 1: ")) << shown;
        EXPECT_TRUE(strict_json::IsUtf8(o.errors)) << shown;
        EXPECT_LT(o.errors.size(), 300u) << shown;
        EXPECT_EQ(o.errors.find_first_of(std::string("\0\x01\x1B\r\t", 5)), std::string::npos) << shown;
        EXPECT_EQ(o.errors.find('\n'), o.errors.size() - 1) << shown;
    }
}

TEST(Replay, AnErrorShowsAShortTextAsItIs) {
    const Outcome o = Replay("type 1003 25\nkey φ \"x\\y\"\n");
    EXPECT_EQ(o.errors, "tolvo-replay: line 2: unknown key \"φ \"x\\y\"\"\n");
}

// ---- the checker of JSON in UTF-8 that these tests use ----

TEST(StrictJson, AcceptsJsonInWellFormedUtf8Only) {
    const std::pair<std::string, bool> kCases[] = {
        {R"({"a":[1,-0.5e+3,true,false,null,"x\"\u00e9\ud83d\ude00"],"b":{}})", true},
        {" [ ] ", true},
        {"\"φ～\"", true},
        {"", false},
        {"{", false},
        {"[1,]", false},
        {"{\"a\" 1}", false},
        {"01", false},
        {"1.", false},
        {"+1", false},
        {"nul", false},
        {"[1] [2]", false},
        {"\"a\tb\"", false},     // a raw control character
        {R"("\x41")", false},    // no such escape
        {R"("\ud800")", false},  // half a surrogate pair
        {R"("\udc00\ud800")", false},
        {"\"\xFF\"", false},
        {"\"\xED\xA0\x80\"", false},
        {"\"\xC0\x80\"", false},
        {"\"\xF4\x90\x80\x80\"", false},
        {"\"\xE2\x82\"", false},
        {Repeated("[", 65) + Repeated("]", 65), false},  // deeper than any dump
    };
    for (const auto& [text, valid] : kCases) EXPECT_EQ(strict_json::IsJson(text), valid) << text;
}

// ---- the tolerance-zone diagram ----

// 25 mm H7/g6 in the seed range: H = letter 4, grade 7 = 2; g = 3, grade 6 = 1.
const std::string kH7g6At25 = "slide 1004 4\nslide 1005 2\nslide 1085 3\nslide 1086 1\ntype 1003 25\n";

std::string ZoneDiagramPart(const std::string& dump) {
    const std::size_t at = dump.find(",\"zoneDiagram\":");
    return at == std::string::npos ? std::string() : dump.substr(at);
}

TEST(Replay, TheZoneDiagramOptionShowsTheSceneAndHidesItAgain) {
    const Outcome o =
        Replay(kH7g6At25 + "dump\noption zone-diagram on\ndump\noption zone-diagram off\ndump\n" +
               "option zone-diagram off\ndump\n");
    ASSERT_EQ(o.status, 0) << o.errors;
    ASSERT_EQ(o.dumps.size(), 4u);
    EXPECT_FALSE(Contains(o.dumps[0], "zoneDiagram"));
    EXPECT_TRUE(Contains(o.dumps[1], R"("fullRange":false,"zoneDiagram":{)")) << o.dumps[1];
    EXPECT_EQ(ZoneDiagramPart(o.dumps[2]), R"(,"zoneDiagram":null})");
    EXPECT_EQ(o.dumps[3], o.dumps[2]);
    // The option changes nothing else in the window.
    EXPECT_EQ(o.dumps[1].substr(0, o.dumps[1].find(",\"zoneDiagram\":")),
              o.dumps[2].substr(0, o.dumps[2].find(",\"zoneDiagram\":")));
}

TEST(Replay, TheZoneDiagramOfH7g6At25mm) {
    const Outcome o = Replay("option zone-diagram on\n" + kH7g6At25 + "dump\n");
    ASSERT_EQ(o.status, 0) << o.errors;
    EXPECT_EQ(
        ZoneDiagramPart(o.dumps.at(0)),
        R"(,"zoneDiagram":{"zeroLine":"φ25 mm","zones":[)"
        R"({"feature":"hole","label":"H7","upper":21,"lower":0,"upperText":"+21 μm","lowerText":"0 μm"},)"
        R"({"feature":"shaft","label":"g6","upper":-7,"lower":-20,"upperText":"-7 μm","lowerText":"-20 μm"}],)"
        R"("fit":{"kind":"clearance","kindText":"すきまばめ","spans":[)"
        R"({"from":-20,"to":21,"amount":41,"text":"最大すきま ： 41 μm"},)"
        R"({"from":-7,"to":0,"amount":7,"text":"最小すきま ： 7 μm"}]},"note":""}})");
}

TEST(Replay, TheZoneDiagramNamesTheClassInTheWholeRangeToo) {
    // H7/p6 at 25 mm with the whole range's indexes: H = 10, IT7 = 8; p = 16, IT6 = 7.
    const Outcome o = Replay(
        "option full-range on\noption zone-diagram on\nslide 1004 10\nslide 1005 8\nslide 1085 16\n"
        "slide 1086 7\ntype 1003 25\ndump\n");
    ASSERT_EQ(o.status, 0) << o.errors;
    const std::string part = ZoneDiagramPart(o.dumps.at(0));
    EXPECT_TRUE(Contains(part, R"({"feature":"hole","label":"H7","upper":21,"lower":0,)")) << part;
    EXPECT_TRUE(Contains(part, R"({"feature":"shaft","label":"p6","upper":35,"lower":22,)")) << part;
    EXPECT_TRUE(Contains(part, R"("fit":{"kind":"interference",)")) << part;
}

TEST(Replay, TheZoneDiagramDrawsOnlyTheFeatureThatShowsValues) {
    // The shaft's own basic size emptied: only the hole; then general and free.
    const Outcome o = Replay("option zone-diagram on\n" + kH7g6At25 +
                             "click 1038\nset 1017 \ndump\nclick 1001\nclick 1089\nset 1017 25\n"
                             "set 1090 0.01\nset 1091 -0.005\ndump\n");
    ASSERT_EQ(o.status, 0) << o.errors;
    ASSERT_EQ(o.dumps.size(), 2u);
    EXPECT_EQ(
        ZoneDiagramPart(o.dumps[0]),
        R"(,"zoneDiagram":{"zeroLine":"φ25 mm","zones":[)"
        R"({"feature":"hole","label":"H7","upper":21,"lower":0,"upperText":"+21 μm","lowerText":"0 μm"}],)"
        R"("fit":null,"note":""}})");
    const std::string part = ZoneDiagramPart(o.dumps[1]);
    EXPECT_TRUE(Contains(part, R"({"feature":"hole","label":"精級","upper":100,"lower":-100,)")) << part;
    EXPECT_TRUE(Contains(part, R"({"feature":"shaft","label":"自由入力","upper":10,"lower":-5,)")) << part;
    EXPECT_TRUE(Contains(part, R"({"from":10,"to":-100,"amount":-110,"text":"最大しめしろ ： 110 μm"})"))
        << part;
}

TEST(Replay, TheZoneDiagramWithoutValuesIsTheZeroLineAlone) {
    const Outcome o = Replay("option zone-diagram on\ndump\n" + kH7g6At25 + "set 1003 \ndump\n");
    ASSERT_EQ(o.status, 0) << o.errors;
    for (const std::string& d : o.dumps)
        EXPECT_EQ(ZoneDiagramPart(d), R"(,"zoneDiagram":{"zeroLine":"","zones":[],"fit":null,"note":""}})")
            << d;
}

}  // namespace
}  // namespace tolvo
