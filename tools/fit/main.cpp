// tolvo-fit: the calculator on the command line. Exit status 0 on success,
// 1 when a batch had a bad line, 2 on any other error (nothing on standard
// output then).
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "core/version.h"
#include "core/zone_svg.h"
#include "platform/file_writer.h"
#include "tools/fit/find.h"
#include "tools/fit/options.h"
#include "tools/fit/query.h"
#include "tools/fit/result.h"
#include "tools/fit/texts.h"
#include "tools/fit/writers.h"

namespace {

using namespace tolvo::fit;

using en::kSynopsis;

constexpr std::string_view kExamples =
    "\n"
    "Examples: tolvo-fit 25 H7/g6    tolvo-fit --json 400 H7/s6    tolvo-fit 30 GEN:m/+0.02,-0.01\n"
    "          tolvo-fit --find 25 0.010 0.040    tolvo-fit 25 H7/g6 --measured 25.012 24.985\n";

constexpr std::string_view kProgram = "tolvo-fit: ";

int Fail(std::string_view message) {
    std::cerr << kProgram << message << '\n';
    return 2;
}

std::string Write(const Result& result, const Options& options, bool oneLine) {
    if (options.json) return WriteJson(result);
    return oneLine ? WriteTextLine(result, options.language) : WriteText(result, options.language);
}

bool ReadAll(const std::string& file, std::string& text) {
    if (file == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        return !std::cin.bad();
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) return false;
    text = std::move(buffer).str();
    return true;
}

// Why a file was not written, after its name; nothing where the name says
// enough (its folder is missing or closed).
std::string_view WhyNotWritten(tolvo::FileWriteProblem problem) {
    switch (problem) {
        case tolvo::FileWriteProblem::None:
        case tolvo::FileWriteProblem::CannotCreate:
            return {};
        case tolvo::FileWriteProblem::Folder:
            return "it is a folder";
        case tolvo::FileWriteProblem::NotRegularFile:
            return "it is not a regular file (a device or a pipe)";
        case tolvo::FileWriteProblem::ReadOnly:
            return "it is read-only";
        case tolvo::FileWriteProblem::WriteFailed:
            return "writing it failed (is the disk full?); the old file is as it was";
        case tolvo::FileWriteProblem::CannotReplace:
            return "the old file could not be replaced";
    }
    return {};
}

int RunBatch(const Options& options, std::string& out) {
    std::string text;
    if (!ReadAll(options.batchFile, text)) return Fail("cannot read \"" + Quoted(options.batchFile) + "\"");
    bool anyFailed = false;
    std::size_t lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string_view line(text.data() + start, end - start);
        start = end + 1;
        ++lineNumber;
        if (IsSkippedLine(line)) continue;
        auto query = ParseQueryLine(line);
        auto result = std::holds_alternative<Query>(query)
                          ? Evaluate(std::get<Query>(query))
                          : std::variant<Result, Error>(std::get<Error>(query));
        if (auto* e = std::get_if<Error>(&result)) {
            std::cerr << kProgram << "line " << lineNumber << ": " << e->message << '\n';
            anyFailed = true;
            continue;
        }
        out += Write(std::get<Result>(result), options, true);
    }
    return anyFailed ? 1 : 0;
}

int Run(const Options& options, std::string& out) {
    switch (options.action) {
        case Action::Help:
            out = std::string(kSynopsis) + OptionHelp() + std::string(kExamples);
            return 0;
        case Action::Version:
            out = "tolvo-fit " TOLVO_VERSION "\n";
            return 0;
        case Action::Table:
            out = WriteTable(options.json);
            return 0;
        case Action::Batch:
            return RunBatch(options, out);
        case Action::Find: {
            auto report = Find(options);
            if (auto* e = std::get_if<Error>(&report)) return Fail(e->message);
            const FindReport& r = std::get<FindReport>(report);
            out = options.json ? WriteFindJson(r, options.find.limit)
                               : WriteFindText(r, options.language, options.find.limit);
            return 0;
        }
        case Action::Query:
            break;
    }
    auto query = ParseQuery(std::span<const std::string>(options.words));
    if (auto* e = std::get_if<Error>(&query)) return Fail(e->message);
    auto result = Evaluate(std::get<Query>(query));
    if (auto* e = std::get_if<Error>(&result)) return Fail(e->message);
    if (!options.svgFile.empty()) {
        const std::string svg =
            tolvo::WriteZoneSvg(tolvo::BuildZoneScene(DiagramInput(std::get<Result>(result))));
        const tolvo::FileWriteProblem problem = tolvo::WriteFileReplacing(options.svgFile, svg);
        if (problem != tolvo::FileWriteProblem::None) {
            const std::string_view why = WhyNotWritten(problem);
            return Fail("cannot write \"" + Quoted(options.svgFile) + "\"" + (why.empty() ? "" : ": ") +
                        std::string(why));
        }
    }
    if (options.measured.given) {
        auto report = CheckParts(std::get<Result>(std::move(result)), options.measured);
        if (auto* e = std::get_if<Error>(&report)) return Fail(e->message);
        const MeasuredReport& r = std::get<MeasuredReport>(report);
        out = options.json ? WriteMeasuredJson(r) : WriteMeasuredText(r, options.language);
        return 0;
    }
    out = Write(std::get<Result>(result), options, false);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // UTF-8 bytes and "\n" line ends as they are, on every system.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    auto options = ParseCommandLine(args);
    if (auto* e = std::get_if<Error>(&options)) return Fail(e->message);
    std::string out;
    const int status = Run(std::get<Options>(options), out);
    if (status == 2) return status;
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) {
        return Fail("cannot write the output");
    }
    return status;
}
