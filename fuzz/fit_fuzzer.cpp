// Fuzzes tolvo-fit's parser of command lines and batch lines: the first line
// of the input is a command line (words split at blanks), every further line
// a batch query. Whatever they hold, the parser answers a value or one short
// printable line of UTF-8; every query it accepts evaluates to a result or
// such an error, and every result writes as one line of strict JSON.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "tests/replay/strict_json.h"
#include "tools/fit/query.h"
#include "tools/fit/result.h"
#include "tools/fit/writers.h"

namespace tolvo::fit {
namespace {

[[noreturn]] void Broken(const char* what, std::string_view detail) {
    std::fprintf(stderr, "invariant broken: %s: %.*s\n", what,
                 static_cast<int>(std::min<std::size_t>(detail.size(), 300)), detail.data());
    std::abort();
}

void CheckError(const Error& error) {
    constexpr std::size_t kLongest = 300;
    const std::string& m = error.message;
    if (m.empty() || m.size() > kLongest || !strict_json::IsUtf8(m)) Broken("an error is not short UTF-8", m);
    for (const char c : m) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            Broken("an error holds a control character", m);
    }
}

void CheckQuery(const std::variant<Query, Error>& parsed) {
    if (const auto* e = std::get_if<Error>(&parsed)) return CheckError(*e);
    const auto result = Evaluate(std::get<Query>(parsed));
    if (const auto* e = std::get_if<Error>(&result)) return CheckError(*e);
    const Result& r = std::get<Result>(result);
    const std::string json = WriteJson(r);
    if (json.back() != '\n' || json.find('\n') != json.size() - 1 ||
        !strict_json::IsJson(std::string_view(json).substr(0, json.size() - 1))) {
        Broken("a result is not one line of JSON", json);
    }
    for (Language language : {Language::Japanese, Language::English}) {
        const std::string line = WriteTextLine(r, language);
        if (line.find('\n') != line.size() - 1 || !strict_json::IsUtf8(line))
            Broken("a text line is broken", line);
        if (!strict_json::IsUtf8(WriteText(r, language))) Broken("a text is not UTF-8", line);
    }
}

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        const std::size_t end = std::min(line.find(' ', i), line.size());
        if (end > i) words.push_back(line.substr(i, end - i));
        i = end + 1;
    }
    return words;
}

}  // namespace
}  // namespace tolvo::fit

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tolvo::fit;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t firstEnd = std::min(input.find('\n'), input.size());
    const std::vector<std::string_view> args = Words(input.substr(0, firstEnd));
    const auto options = ParseCommandLine(args);
    if (const auto* e = std::get_if<Error>(&options)) {
        CheckError(*e);
    } else if (std::get<Options>(options).action == Action::Query) {
        CheckQuery(ParseQuery(std::span<const std::string>(std::get<Options>(options).words)));
    }
    std::size_t start = firstEnd + 1;
    while (start < input.size()) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        const std::string_view line = input.substr(start, end - start);
        if (!IsSkippedLine(line)) CheckQuery(ParseQueryLine(line));
        start = end + 1;
    }
    return 0;
}
