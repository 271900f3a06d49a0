// tolvo-fit: the calculator on the command line. Exit status 0 on success,
// 1 when a batch had a bad line, a measured part or pair is not good or a
// joint (--press) has no interference or no pressure, 2 on
// any other error (nothing on standard output then and no file written, but
// for the lines a batch answered before its input failed).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "core/json_writer.h"
#include "core/text_fill.h"
#include "core/version.h"
#include "core/zone_svg.h"
#include "platform/file_writer.h"
#include "tools/fit/find.h"
#include "tools/fit/notation.h"
#include "tools/fit/options.h"
#include "tools/fit/press.h"
#include "tools/fit/query.h"
#include "tools/fit/result.h"
#include "tools/fit/service.h"
#include "tools/fit/sheet.h"
#include "tools/fit/texts.h"
#include "tools/fit/writers.h"

namespace {

using namespace tolvo::fit;

using en::kProgram;
using tolvo::FillIn;

int Fail(std::string_view message) {
    std::cerr << kProgram << message << '\n';
    return 2;
}

std::string Write(const Result& result, const Options& options, bool oneLine) {
    if (options.json) return WriteJson(result);
    return oneLine ? WriteTextLine(result, options.language) : WriteText(result, options.language);
}

// Why a file was not written, after its name; nothing where the name says
// enough (its folder is missing or closed).
std::string_view WhyNotWritten(tolvo::FileWriteProblem problem) {
    switch (problem) {
        case tolvo::FileWriteProblem::None:
        case tolvo::FileWriteProblem::CannotCreate:
            return {};
        case tolvo::FileWriteProblem::Folder:
            return en::kWhyFolder;
        case tolvo::FileWriteProblem::NotRegularFile:
            return en::kWhyNotRegularFile;
        case tolvo::FileWriteProblem::ReadOnly:
            return en::kWhyReadOnly;
        case tolvo::FileWriteProblem::WriteFailed:
            return en::kWhyWriteFailed;
        case tolvo::FileWriteProblem::CannotReplace:
            return en::kWhyCannotReplace;
    }
    return {};
}

// Standard output, written as results are computed, so that a long batch
// holds one result at a time.
class Output {
  public:
    void Write(std::string_view text) {
        failed_ = failed_ || std::fwrite(text.data(), 1, text.size(), stdout) != text.size();
    }
    void Flush() { failed_ = failed_ || std::fflush(stdout) != 0; }
    bool Failed() const { return failed_; }

  private:
    bool failed_ = false;
};

// A batch line's error as its JSON Lines record: {"line":7,"error":"..."}.
std::string WriteBatchErrorJson(std::size_t lineNumber, std::string_view message) {
    std::string out = "{\"line\":" + std::to_string(lineNumber) + ",\"error\":";
    tolvo::json::AppendString(out, message);
    return out + "}\n";
}

// A batch line longer than this is no query; reading it to its end keeps
// nothing of it.
constexpr std::size_t kLongestBatchLine = 64 * 1024;

// Reads the next line, without its '\n', into `line`; false at the end of the
// input. A line beyond kLongestBatchLine is cut there and `tooLong` set.
bool ReadLine(std::streambuf& in, std::string& line, bool& tooLong) {
    line.clear();
    tooLong = false;
    using Traits = std::streambuf::traits_type;
    Traits::int_type c = in.sbumpc();
    if (Traits::eq_int_type(c, Traits::eof())) return false;
    for (; !Traits::eq_int_type(c, Traits::eof()) && Traits::to_char_type(c) != '\n'; c = in.sbumpc()) {
        if (line.size() < kLongestBatchLine) {
            line += Traits::to_char_type(c);
        } else {
            tooLong = true;
        }
    }
    return true;
}

// One output line per query line, in the input's order: its result, or at its
// place an error record with its line number. Each line is written before the
// next is read.
int RunBatch(const Options& options, Output& out) {
    std::ifstream file;
    if (options.batchFile == "-") {
        // Standard input through a buffer of its own, which reads what a pipe
        // holds without waiting for more.
        std::ios::sync_with_stdio(false);
    } else {
        // A folder opens as a stream that reads as empty: a batch of nothing.
        std::error_code error;
        if (std::filesystem::is_directory(options.batchFile, error)) {
            return Fail(FillIn(en::kCannotReadBecause, {Quoted(options.batchFile), en::kWhyFolder}));
        }
        file.open(options.batchFile, std::ios::binary);
        if (!file) return Fail(FillIn(en::kCannotRead, {Quoted(options.batchFile)}));
    }
    std::istream& in = options.batchFile == "-" ? std::cin : file;
    bool anyFailed = false;
    std::size_t lineNumber = 0;
    std::string line;
    bool tooLong = false;
    while (!out.Failed()) {
        // Whoever feeds the input line by line sees each answer before sending the next.
        if (in.rdbuf()->in_avail() <= 0) out.Flush();
        if (!ReadLine(*in.rdbuf(), line, tooLong)) break;
        ++lineNumber;
        if (!tooLong && IsSkippedLine(line)) continue;
        auto query = tooLong ? std::variant<Query, Error>(
                                   Error{FillIn(en::kLineTooLong, {std::to_string(kLongestBatchLine)})})
                             : ParseQueryLine(line);
        auto result = std::holds_alternative<Query>(query)
                          ? Evaluate(std::get<Query>(query))
                          : std::variant<Result, Error>(std::get<Error>(query));
        if (auto* e = std::get_if<Error>(&result)) {
            const std::string lineError = FillIn(en::kLineError, {std::to_string(lineNumber), e->message});
            std::cerr << kProgram << lineError << '\n';
            out.Write(options.json ? WriteBatchErrorJson(lineNumber, e->message) : lineError + "\n");
            anyFailed = true;
            continue;
        }
        out.Write(Write(std::get<Result>(result), options, true));
    }
    if (in.bad()) return Fail(FillIn(en::kCannotRead, {Quoted(options.batchFile)}));
    return anyFailed ? 1 : 0;
}

int Run(const Options& options, Output& out) {
    switch (options.action) {
        case Action::Help:
            out.Write(std::string(en::kSynopsis) + OptionHelp() + std::string(en::kExamples));
            return 0;
        case Action::Version:
            out.Write(FillIn(en::kVersion, {TOLVO_VERSION}));
            return 0;
        case Action::Table:
            out.Write(WriteTable(options.json));
            return 0;
        case Action::Batch:
            return RunBatch(options, out);
        case Action::Materials:
            out.Write(WriteMaterials(options.json, options.language));
            return 0;
        case Action::Find: {
            auto report = Find(options);
            if (auto* e = std::get_if<Error>(&report)) return Fail(e->message);
            const FindReport& r = std::get<FindReport>(report);
            out.Write(options.json ? WriteFindJson(r, options.find.limit)
                                   : WriteFindText(r, options.language, options.find.limit));
            return 0;
        }
        case Action::Press: {
            auto report = EvaluatePress(options);
            if (auto* e = std::get_if<Error>(&report)) return Fail(e->message);
            const PressReport& r = std::get<PressReport>(report);
            out.Write(options.json ? WritePressJson(r) : WritePressText(r, options.language));
            return PressExitStatus(r);
        }
        case Action::Query:
            break;
    }
    auto query = ParseQuery(std::span<const std::string>(options.words));
    if (auto* e = std::get_if<Error>(&query)) return Fail(e->message);
    auto result = Evaluate(std::get<Query>(query));
    if (auto* e = std::get_if<Error>(&result)) return Fail(e->message);
    if (!options.notation.empty()) {
        auto callouts = WriteNotation(std::get<Result>(result), options);
        if (auto* e = std::get_if<Error>(&callouts)) return Fail(e->message);
        out.Write(std::get<std::string>(callouts));
        return 0;
    }
    // Everything is worked out before the diagram is written, so that a
    // command that fails leaves no file behind; the results are written last.
    std::optional<std::variant<MeasuredReport, Error>> measured;
    if (options.measured.given) {
        measured = CheckParts(std::get<Result>(result), options.measured);
        if (auto* e = std::get_if<Error>(&*measured)) return Fail(e->message);
    }
    std::optional<ServiceReport> service;
    if (HasServiceOptions(options)) {
        auto report = EvaluateServiceReport(std::get<Result>(result), options);
        if (auto* e = std::get_if<Error>(&report)) return Fail(e->message);
        service = std::get<ServiceReport>(std::move(report));
    }
    // Each file whole or not at all; a failure ends the command before the results.
    const auto writeFile = [](const std::string& path, std::string_view bytes) -> std::optional<int> {
        const tolvo::FileWriteProblem problem = tolvo::WriteFileReplacing(path, bytes);
        if (problem == tolvo::FileWriteProblem::None) return std::nullopt;
        const std::string_view why = WhyNotWritten(problem);
        return Fail(why.empty() ? FillIn(en::kCannotWrite, {Quoted(path)})
                                : FillIn(en::kCannotWriteBecause, {Quoted(path), why}));
    };
    if (!options.svgFile.empty()) {
        const std::string svg =
            tolvo::WriteZoneSvg(tolvo::BuildZoneScene(DiagramInput(std::get<Result>(result))));
        if (const auto failed = writeFile(options.svgFile, svg)) return *failed;
    }
    if (!options.sheetFile.empty()) {
        const std::string sheet = WriteSheetSvg(std::get<Result>(result), TodayText());
        if (const auto failed = writeFile(options.sheetFile, sheet)) return *failed;
    }
    if (measured) {
        const MeasuredReport& r = std::get<MeasuredReport>(*measured);
        const Sink write = [&out](std::string_view piece) { out.Write(piece); };
        const bool allGood =
            options.json ? WriteMeasuredJson(r, write) : WriteMeasuredText(r, options.language, write);
        return allGood ? 0 : 1;
    }
    const std::string written = Write(std::get<Result>(result), options, false);
    if (!service) {
        out.Write(written);
    } else if (options.json) {
        out.Write(WriteServiceJson(written, *service));
    } else {
        out.Write(written + WriteServiceText(*service, options.language));
    }
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
    Output out;
    const int status = Run(std::get<Options>(options), out);
    if (status == 2) return status;
    out.Flush();
    if (out.Failed()) return Fail(en::kCannotWriteOutput);
    return status;
}
