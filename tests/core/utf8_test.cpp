#include "core/utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "tests/replay/strict_json.h"

namespace tolvo::utf8 {
namespace {

std::string Encoded(char32_t code) {
    std::string out;
    Encode(code, out);
    return out;
}

TEST(Utf8, DecodesWellFormedSequencesAndReadsAnyOtherFirstByteAlone) {
    struct Case {
        std::string_view bytes;
        char32_t code;
        std::size_t length;
        bool wellFormed;
    };
    const Case cases[] = {
        {"A", U'A', 1, true},
        {std::string_view("\0", 1), 0, 1, true},
        {"μm", U'μ', 2, true},
        {"～", U'～', 3, true},
        {"\xF0\x9F\x98\x80", 0x1F600, 4, true},
        {"\xF4\x8F\xBF\xBF", 0x10FFFF, 4, true},
        {"\xEF\xBF\xBD", kReplacement, 3, true},
        // overlong forms of '/', U+07FF and U+FFFF
        {"\xC0\xAF", kReplacement, 1, false},
        {"\xE0\x9F\xBF", kReplacement, 1, false},
        {"\xF0\x8F\xBF\xBF", kReplacement, 1, false},
        // surrogates, alone or paired
        {"\xED\xA0\x80", kReplacement, 1, false},
        {"\xED\xBF\xBF", kReplacement, 1, false},
        // above U+10FFFF, and lead bytes that lead nothing
        {"\xF4\x90\x80\x80", kReplacement, 1, false},
        {"\xF5\x80\x80\x80", kReplacement, 1, false},
        {"\xF8\x88\x80\x80\x80", kReplacement, 1, false},
        {"\xFF", kReplacement, 1, false},
        // cut short by the end, or by a byte that is no continuation
        {"\xE3\x81", kReplacement, 1, false},
        {"\xF0\x9F\x98", kReplacement, 1, false},
        {"\xC3"
         "A",
         kReplacement, 1, false},
        // a stray continuation byte
        {"\x80", kReplacement, 1, false},
    };
    for (const Case& c : cases) {
        const Sequence s = Decode(c.bytes, 0);
        EXPECT_EQ(s.code, c.code) << c.bytes;
        EXPECT_EQ(s.length, c.length) << c.bytes;
        EXPECT_EQ(s.wellFormed, c.wellFormed) << c.bytes;
        EXPECT_EQ(IsValid(c.bytes.substr(0, c.length)), c.wellFormed) << c.bytes;
    }
}

TEST(Utf8, EveryScalarValueEncodesAndDecodesBackAndNothingElseEncodes) {
    for (char32_t code = 0; code <= 0x10FFFF; ++code) {
        if (code == 0xD800) code = 0xE000;
        const std::string bytes = Encoded(code);
        const Sequence s = Decode(bytes, 0);
        ASSERT_TRUE(s.wellFormed && s.code == code && s.length == bytes.size())
            << std::hex << static_cast<unsigned>(code);
    }
    for (char32_t code : {char32_t{0xD800}, char32_t{0xDFFF}, char32_t{0x110000}, char32_t{0xFFFFFFFF}})
        EXPECT_EQ(Encoded(code), "\xEF\xBF\xBD") << std::hex << static_cast<unsigned>(code);
}

// Against the replay tests' own reading of RFC 3629: every lead byte with every
// second byte, the continuations both right and wrong.
TEST(Utf8, AgreesWithAStrictCheckOnEveryLeadAndSecondByte) {
    for (int lead = 0; lead < 256; ++lead) {
        for (int second = 0; second < 256; ++second) {
            for (const std::string_view rest : {"\x80\xBF", "\xBF\x41", ""}) {
                std::string bytes{static_cast<char>(lead), static_cast<char>(second)};
                bytes += rest;
                const Sequence s = Decode(bytes, 0);
                const std::size_t strict = strict_json::Utf8SequenceAt(bytes, 0);
                ASSERT_EQ(s.wellFormed ? s.length : 0, strict) << lead << ' ' << second << ' ' << rest.size();
            }
        }
    }
}

TEST(Utf8, ValidatesAndCountsWholeTexts) {
    struct Case {
        std::string_view text;
        bool valid;
        std::size_t count;
    };
    const Case cases[] = {
        {"", true, 0},
        {"25 mm", true, 5},
        {"φ39.99 ～ 40.02 mm", true, 17},
        {"穴\xE3\x81", false, 3},
        {"\xC0\xAF"
         "x",
         false, 3},
        {"\xED\xA0\x80\xED\xB0\x80", false, 6},
        {"a\xF4\x90\x80\x80", false, 5},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsValid(c.text), c.valid) << c.text;
        EXPECT_EQ(Count(c.text), c.count) << c.text;
    }
}

TEST(Utf8, ConvertsToAndFromUtf16ReplacingWhatIsNoCharacter) {
    struct Case {
        std::string_view utf8;
        std::u16string_view utf16;
        std::string_view back;  // FromUtf16(utf16)
    };
    const Case cases[] = {
        {"", u"", ""},
        {"φ25 ～ 25.02 μm", u"φ25 ～ 25.02 μm", "φ25 ～ 25.02 μm"},
        {"ｸﾘｯﾌﾟﾎﾞｰﾄﾞ", u"ｸﾘｯﾌﾟﾎﾞｰﾄﾞ", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞ"},
        {"\xF0\x9F\x94\xA9", u"\U0001F529", "\xF0\x9F\x94\xA9"},  // beyond the BMP: a surrogate pair
        {"a\xE3\x81", u"a\uFFFD\uFFFD", "a\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToUtf16(c.utf8), c.utf16) << c.utf8;
        EXPECT_EQ(FromUtf16(c.utf16), c.back) << c.utf8;
    }
    // Half a pair, at the end or before another character, is no character.
    EXPECT_EQ(FromUtf16(std::u16string{u'x', char16_t{0xD83D}}), "x\xEF\xBF\xBD");
    EXPECT_EQ(FromUtf16(std::u16string{char16_t{0xDD29}, u'y'}), "\xEF\xBF\xBDy");
}

}  // namespace
}  // namespace tolvo::utf8
