// Fuzzes the tolvo-replay script language itself: whatever a script holds, the
// replay ends with status 0 or 2, every dump is one line of JSON in
// well-formed UTF-8, and an error is one short, printable line.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "platform/help_folders.h"
#include "tests/replay/strict_json.h"
#include "tools/replay/replay.h"

namespace tolvo {
namespace {

[[noreturn]] void Broken(const char* what, std::string_view detail) {
    std::fprintf(stderr, "invariant broken: %s: %.*s\n", what,
                 static_cast<int>(std::min<std::size_t>(detail.size(), 300)), detail.data());
    std::abort();
}

void CheckDumps(std::string_view out) {
    if (!out.empty() && out.back() != '\n') Broken("output does not end with a line break", out);
    while (!out.empty()) {
        const std::size_t end = out.find('\n');
        const std::string_view line = out.substr(0, end);
        if (!line.starts_with("{\"controls\":") || !strict_json::IsJson(line))
            Broken("a dump is not JSON in UTF-8", line);
        out.remove_prefix(end + 1);
    }
}

void CheckErrors(int status, std::string_view errors) {
    if (status == 0) {
        if (!errors.empty()) Broken("a good script wrote an error", errors);
        return;
    }
    constexpr std::size_t kLongest = 300;  // the message and two short excerpts of the script
    if (!errors.starts_with("tolvo-replay: line ") || errors.size() > kLongest || errors.back() != '\n' ||
        errors.find('\n') != errors.size() - 1 || !strict_json::IsUtf8(errors)) {
        Broken("an error is not one short line of UTF-8", errors);
    }
    for (const char c : errors.substr(0, errors.size() - 1)) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            Broken("an error holds a control character", errors);
    }
}

}  // namespace
}  // namespace tolvo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tolvo;
    std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    std::ostringstream errors;
    static const FolderHelpSearch noHelp({}, "tolvo");
    const int status = RunReplay(script, out, errors, noHelp);
    if (status != 0 && status != 2) Broken("status neither 0 nor 2", std::to_string(status));
    CheckDumps(out.str());
    CheckErrors(status, errors.str());
    return 0;
}
