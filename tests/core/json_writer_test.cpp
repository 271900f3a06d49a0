#include "core/json_writer.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

#include "tests/replay/strict_json.h"

namespace tolvo::json {
namespace {

TEST(JsonString, EscapesQuotesBackslashesAndControlsAndKeepsOtherCharacters) {
    struct Case {
        std::string_view text;
        std::string_view written;
    };
    const Case cases[] = {
        {"", R"("")"},
        {R"(say "H7")", R"("say \"H7\"")"},
        {R"(C:\tolvo)", R"("C:\\tolvo")"},
        {"a\nb\r\nc\td", R"("a\nb\r\nc\td")"},
        {std::string_view("\0\x01\x1F\x7F", 4), R"("\u0000\u0001\u001f\u007f")"},
        {"φ25 ～ 40 μm 穴", R"("φ25 ～ 40 μm 穴")"},
        {"\xF0\x9F\x98\x80", "\"\xF0\x9F\x98\x80\""},
        // each byte that is not UTF-8 becomes U+FFFD
        {"H\xFF"
         "7",
         "\"H\xEF\xBF\xBD"
         "7\""},
        {"\xE3\x81", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},
        {"\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},
        {"\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
    };
    for (const Case& c : cases) {
        std::string out = "[";
        AppendString(out, c.text);
        EXPECT_EQ(out.substr(1), c.written) << c.text;
        EXPECT_TRUE(strict_json::IsJson(out + "]")) << out;
    }
}

TEST(JsonString, EscapingCanKeepQuotesAndStopAfterALimit) {
    struct Case {
        std::string_view text;
        Quotes quotes;
        std::size_t limit;
        std::string_view written;
        bool stopped;
    };
    const Case cases[] = {
        {R"("a\b")", Quotes::Kept, 10, R"("a\b")", false},
        {"tab\there", Quotes::Kept, 10, R"(tab\there)", false},
        {"abcdef", Quotes::Escaped, 3, "abc", true},
        {"abc", Quotes::Escaped, 3, "abc", false},
        // a character is never cut: the one that begins before the limit is whole
        {"ab穴c", Quotes::Escaped, 3, "ab穴", true},
        {"a\nb", Quotes::Escaped, 2, R"(a\n)", true},
    };
    for (const Case& c : cases) {
        std::string out;
        EXPECT_EQ(AppendEscaped(out, c.text, c.quotes, c.limit), c.stopped) << c.text;
        EXPECT_EQ(out, c.written) << c.text;
    }
}

TEST(JsonNumber, ShortestReadsBackAsTheSameDoubleAndSixDigitsIsTheWindowsForm) {
    struct Case {
        double value;
        std::string_view shortest;
        std::string_view six;
    };
    constexpr double kMax = std::numeric_limits<double>::max();
    constexpr double kTiny = std::numeric_limits<double>::denorm_min();
    const Case cases[] = {
        {0.0, "0", "0"},
        {-0.0, "0", "-0"},
        {25.021, "25.021", "25.021"},
        {-0.007, "-0.007", "-0.007"},
        {0.1 + 0.2, "0.30000000000000004", "0.3"},
        {1234567.0, "1234567", "1.23457e+06"},
        {1e-7, "1e-07", "1e-07"},
        {kMax, "1.7976931348623157e+308", "1.79769e+308"},
        {kTiny, "5e-324", "4.94066e-324"},
    };
    for (const Case& c : cases) {
        const std::string shortest = Number(c.value);
        EXPECT_EQ(shortest, c.shortest);
        double back = 1.0;
        std::from_chars(shortest.data(), shortest.data() + shortest.size(), back);
        EXPECT_EQ(back, c.value) << shortest;
        EXPECT_EQ(Number(c.value, Digits::Six), c.six);
        std::string appended = "[";
        AppendNumber(appended, c.value);
        EXPECT_TRUE(strict_json::IsJson(appended + "]")) << appended;
    }
}

TEST(JsonNumber, NonFiniteIsAnAssertedErrorWrittenNullWithoutAssertions) {
    for (double value : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                         std::numeric_limits<double>::quiet_NaN()}) {
        for (Digits digits : {Digits::Shortest, Digits::Six}) {
            EXPECT_DEBUG_DEATH(Number(value, digits), "JSON has no infinity nor NaN");
#ifdef NDEBUG
            EXPECT_EQ(Number(value, digits), "null");
            std::string out;
            AppendNumber(out, value, digits);
            EXPECT_EQ(out, "null");
#endif
        }
    }
}

}  // namespace
}  // namespace tolvo::json
