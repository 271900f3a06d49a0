// Every text a user reads lives in a catalogue: a string literal with
// characters beyond ASCII anywhere else in the product's sources, or an
// English phrase in tolvo-fit's, is a text that escaped one.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Literal {
    int line;
    std::string text;
};

bool BeyondAscii(std::string_view literal) {
    for (std::size_t at = 0; at < literal.size(); ++at) {
        if (static_cast<unsigned char>(literal[at]) >= 0x80) return true;
        if (literal[at] != '\\') continue;
        ++at;  // the escaped character
        if (at < literal.size() && (literal[at] == 'u' || literal[at] == 'U')) return true;
    }
    return false;
}

bool IdentifierChar(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

// Two words of letters with a blank between them: "is not", " mm clearance".
bool EnglishPhrase(std::string_view literal) {
    const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    for (std::size_t at = 1; at + 1 < literal.size(); ++at) {
        if (literal[at] == ' ' && letter(literal[at - 1]) && letter(literal[at + 1])) return true;
    }
    return false;
}

// The string literals of a C++ source that `matches` picks, passing over
// comments and character literals.
std::vector<Literal> Literals(std::string_view source, bool (*matches)(std::string_view)) {
    std::vector<Literal> found;
    int line = 1;
    const auto advance = [&](std::size_t from, std::size_t to) {
        line += static_cast<int>(std::count(source.begin() + from, source.begin() + to, '\n'));
    };
    std::size_t at = 0;
    while (at < source.size()) {
        const std::string_view rest = source.substr(at);
        std::size_t end = at + 1;
        if (rest.starts_with("//")) {
            end = std::min(source.find('\n', at), source.size());
        } else if (rest.starts_with("/*")) {
            end = std::min(source.find("*/", at + 2), source.size() - 2) + 2;
        } else if (rest[0] == '\'' && (at == 0 || !IdentifierChar(source[at - 1]))) {
            end = at + 1;
            while (end < source.size() && source[end] != '\'') end += source[end] == '\\' ? 2 : 1;
            end = std::min(end + 1, source.size());
        } else if (rest[0] == '"') {
            const int startLine = line;
            if (at > 0 && source[at - 1] == 'R') {
                const std::size_t open = source.find('(', at);
                const std::string close = ")" + std::string(source.substr(at + 1, open - at - 1)) + "\"";
                end = std::min(source.find(close, open), source.size()) + close.size();
            } else {
                end = at + 1;
                while (end < source.size() && source[end] != '"' && source[end] != '\n')
                    end += source[end] == '\\' ? 2 : 1;
                end = std::min(end + 1, source.size());
            }
            const std::string_view literal = source.substr(at, end - at);
            if (matches(literal)) found.push_back({startLine, std::string(literal)});
        }
        advance(at, std::min(end, source.size()));
        at = end;
    }
    return found;
}

// The literals with characters beyond ASCII (or universal character names).
std::vector<Literal> NonAsciiLiterals(std::string_view source) {
    return Literals(source, BeyondAscii);
}

TEST(LiteralTexts, OnlyEnglishPhrasesAreFound) {
    const struct {
        std::string_view source;
        std::size_t found;
    } cases[] = {
        {"auto a = \"is not a number\";", 1},
        {"auto a = \" mm clearance\";", 1},
        {"auto a = \"hole\"; // \"a b\"", 0},
        {"auto a = \" | \"; auto b = \"25 mm\";", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(Literals(c.source, EnglishPhrase).size(), c.found) << c.source;
}

TEST(LiteralTexts, OnlyStringLiteralsBeyondAsciiAreFound) {
    struct Case {
        std::string_view source;
        std::vector<int> lines;  // of the literals found
    };
    const Case cases[] = {
        {"auto a = \"穴\";", {1}},
        {"auto a = \"hole\";\nauto b = \"軸\";", {2}},
        {"// \"穴\" in a comment\nint a;", {}},
        {"/* \"穴\"\n \"軸\" */ auto b = \"φ\";", {2}},
        {"char q = '\"'; auto s = \"穴\";", {1}},
        {"auto r = R\"(\n\"穴\" )\";", {1}},
        {"auto e = \"\\\"穴\\\"\";", {1}},
        {"auto u = \"\\u7A74\";", {1}},
        {"auto j = \"\\\\u00\";", {}},
        {"int n = 1'000; auto s = \"ok\"; // ' \"穴\"", {}},
    };
    for (const Case& c : cases) {
        std::vector<int> lines;
        for (const Literal& literal : NonAsciiLiterals(c.source)) lines.push_back(literal.line);
        EXPECT_EQ(lines, c.lines) << c.source;
    }
}

// The catalogues, and the files whose literals beyond ASCII are no user text.
struct Allowed {
    std::string_view path;
    std::string_view reason;
};
constexpr Allowed kAllowed[] = {
    {"core/texts_ja.h", "the Japanese catalogue"},
    {"ui/dialog_templates.cpp", "each dialog template is the catalogue of its dialog's texts"},
    {"tools/fit/texts.h", "the command line's catalogue (its English help names the Japanese class names)"},
    {"ui/qt/fonts.cpp", "font family names, looked up and never shown"},
    {"tools/replay/replay.cpp", "the mark of a cut text in the developers' dump"},
};

TEST(LiteralTexts, UserTextsLiveInTheCatalogues) {
    const std::filesystem::path root = TOLVO_SOURCE_DIR;
    std::vector<std::string> strays;
    for (const char* folder : {"core", "ui", "tools", "app", "platform"}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root / folder)) {
            const std::filesystem::path& path = entry.path();
            if (path.extension() != ".cpp" && path.extension() != ".h") continue;
            const std::string relative = path.lexically_relative(root).generic_string();
            if (std::any_of(std::begin(kAllowed), std::end(kAllowed),
                            [&](const Allowed& a) { return a.path == relative; }))
                continue;
            std::ifstream file(path, std::ios::binary);
            std::stringstream text;
            text << file.rdbuf();
            for (const Literal& literal : NonAsciiLiterals(text.str()))
                strays.push_back(relative + ":" + std::to_string(literal.line) + ": " + literal.text);
        }
    }
    std::sort(strays.begin(), strays.end());
    std::string listed;
    for (const std::string& stray : strays) listed += stray + "\n";
    EXPECT_TRUE(strays.empty()) << "texts outside the catalogues (core/texts_ja.h, tools/fit/texts.h):\n"
                                << listed;
}

// Where tolvo-fit's sources may hold English phrases: from the first line
// holding `from` to the first line after it that ends with ";".
struct AllowedPhrases {
    std::string_view path;
    std::string_view from;
    std::string_view reason;
};
constexpr AllowedPhrases kAllowedPhrases[] = {
    {"tools/fit/options.cpp", "constexpr std::array kOptions",
     "the option table is the options' catalogue: what each needs and its help line"},
    {"tools/fit/options.cpp", "static_assert(", "a message to the developer when building"},
};

TEST(LiteralTexts, TolvoFitsEnglishTextsLiveInItsCatalogue) {
    const std::filesystem::path root = TOLVO_SOURCE_DIR;
    std::vector<std::string> strays;
    for (const auto& entry : std::filesystem::directory_iterator(root / "tools/fit")) {
        const std::filesystem::path& path = entry.path();
        const std::string relative = path.lexically_relative(root).generic_string();
        if ((path.extension() != ".cpp" && path.extension() != ".h") || relative == "tools/fit/texts.h")
            continue;
        std::ifstream file(path, std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        std::string source = text.str();
        for (const AllowedPhrases& allowed : kAllowedPhrases) {
            if (allowed.path != relative) continue;
            const std::size_t from = source.find(allowed.from);
            ASSERT_NE(from, std::string::npos) << relative << ": " << allowed.from;
            const std::size_t to = std::min(source.find(";\n", from), source.size());
            // Blanked out, the lines kept so that the others keep their numbers.
            for (std::size_t at = from; at < to; ++at) {
                if (source[at] != '\n') source[at] = ' ';
            }
        }
        for (const Literal& literal : Literals(source, EnglishPhrase))
            strays.push_back(relative + ":" + std::to_string(literal.line) + ": " + literal.text);
    }
    std::sort(strays.begin(), strays.end());
    std::string listed;
    for (const std::string& stray : strays) listed += stray + "\n";
    EXPECT_TRUE(strays.empty()) << "English texts outside tools/fit/texts.h:\n" << listed;
}

TEST(LiteralTexts, EveryAllowedFileExists) {
    for (const Allowed& allowed : kAllowed)
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(TOLVO_SOURCE_DIR) / allowed.path))
            << allowed.path << ": " << allowed.reason;
}

}  // namespace
