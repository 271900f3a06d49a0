#include "core/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace tolvo {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct ParseCase {
    const char* text;
    double expected;
};

class ParseNumberTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberTest, ReadsTheLeadingDecimalNumberOnly) {
    const ParseCase& c = GetParam();
    EXPECT_EQ(ParseNumber(c.text), c.expected) << "text: \"" << c.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, ParseNumberTest,
    ::testing::Values(ParseCase{"25", 25}, ParseCase{"", 0}, ParseCase{"abc", 0}, ParseCase{"0x10", 0},
                      ParseCase{"inf", 0}, ParseCase{"-infinity", 0}, ParseCase{"nan", 0},
                      ParseCase{"NAN(1)", 0}, ParseCase{"1e", 1}, ParseCase{"1e+", 1}, ParseCase{"1e-x", 1},
                      ParseCase{"-.5", -0.5}, ParseCase{"+.5", 0.5}, ParseCase{"  7mm", 7},
                      ParseCase{"1.5.2", 1.5}, ParseCase{".", 0}, ParseCase{"-", 0}, ParseCase{"+-1", 0},
                      ParseCase{"- 1", 0}, ParseCase{"\t\n\v\f\r 2", 2}, ParseCase{"1.", 1},
                      ParseCase{"1E3", 1000}, ParseCase{"2.5e-3", 0.0025}, ParseCase{"1,5", 1},
                      ParseCase{"0,5", 0}, ParseCase{"1e400", kInf}, ParseCase{"-1e400", -kInf},
                      ParseCase{"0.000000000000000000000000000001e330", 1e300}, ParseCase{"1e-400", 0},
                      ParseCase{"120.0000000000000001", 120}));

// What a Japanese input method types, read as its ASCII forms; and how much
// of the text the number is.
struct ReadCase {
    const char* text;
    double value;
    const char* number;  // as typed
    bool whole;
};

class ReadNumberTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumberTest, ReadsFullWidthFormsAndTellsWhetherTheNumberIsTheWholeText) {
    const ReadCase& c = GetParam();
    const NumberReading r = ReadNumber(c.text);
    EXPECT_EQ(r.value, c.value) << "text: \"" << c.text << "\"";
    EXPECT_EQ(r.number, c.number) << "text: \"" << c.text << "\"";
    EXPECT_EQ(r.whole, c.whole) << "text: \"" << c.text << "\"";
    EXPECT_EQ(ParseNumber(c.text), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumberTest,
    ::testing::Values(
        // whole numbers
        ReadCase{"25", 25, "25", true}, ReadCase{"  -2.5e1\t\n", -25, "-2.5e1", true},
        ReadCase{"1.", 1, "1.", true}, ReadCase{".5", 0.5, ".5", true},
        ReadCase{"1e400", kInf, "1e400", true}, ReadCase{"２５．５", 25.5, "２５．５", true},
        ReadCase{"２5.５", 25.5, "２5.５", true}, ReadCase{"－１．５ｅ２", -150, "－１．５ｅ２", true},
        ReadCase{"＋３Ｅ－１", 0.3, "＋３Ｅ－１", true},
        ReadCase{"０１２３４５６７８９", 123456789, "０１２３４５６７８９", true},
        ReadCase{"　２５　", 25, "２５", true},
        ReadCase{"\xE3\x80\x80"
                 "5",
                 5, "5", true},
        // blank texts are whole: nothing was typed that is not read
        ReadCase{"", 0, "", true}, ReadCase{"   ", 0, "", true}, ReadCase{"　 \t", 0, "", true},
        // a number read from only part of the text
        ReadCase{"25,5", 25, "25", false}, ReadCase{"2x5", 2, "2", false},
        ReadCase{"２５ｘ", 25, "２５", false}, ReadCase{"２５，５", 25, "２５", false},
        ReadCase{"２　５", 2, "２", false}, ReadCase{"1e", 1, "1", false}, ReadCase{"２ｅ＋", 2, "２", false},
        ReadCase{"1.5.2", 1.5, "1.5", false}, ReadCase{"0x10", 0, "0", false},
        ReadCase{"-25 mm", -25, "-25", false},
        // no number at all
        ReadCase{"abc", 0, "", false}, ReadCase{"-", 0, "", false}, ReadCase{"．", 0, "", false},
        ReadCase{"ｅ５", 0, "", false}, ReadCase{"inf", 0, "", false},
        // other full-width characters and broken UTF-8 end the number like any other character
        ReadCase{"\xEF\xBC\x8C"
                 "5",
                 0, "", false},
        ReadCase{"5\xEF\xBC", 5, "5", false}, ReadCase{"\xEF", 0, "", false}));

TEST(TrimBlanks, DropsAsciiAndIdeographicSpacesAtBothEndsOnly) {
    struct Case {
        std::string_view text;
        std::string_view trimmed;
    };
    const Case cases[] = {
        {"", ""},
        {"　", ""},
        {"　　 \t", ""},
        {"\r\n\v\f", ""},
        {"　25.01　", "25.01"},
        {" 25　01 ", "25　01"},
        {"ｘ", "ｘ"},
        {"\xE3\x80", "\xE3\x80"},  // a cut ideographic space is no blank
        {"\xC2\xA0", "\xC2\xA0"},  // nor is the no-break space, which C's isspace passes over
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TrimBlanks(c.text), c.trimmed) << "text: \"" << c.text << "\"";
        EXPECT_EQ(IsBlankText(c.text), c.trimmed.empty()) << "text: \"" << c.text << "\"";
    }
}

TEST(ReadNumber, ReadsAMillionFullWidthDigitsAsHuge) {
    std::string text;
    for (int i = 0; i < 1'000'000; ++i) text += "\xEF\xBC\x99";
    const NumberReading r = ReadNumber(text);
    EXPECT_EQ(r.value, kInf);
    EXPECT_TRUE(r.whole);
    EXPECT_EQ(r.number.size(), text.size());
}

TEST(ParseNumber, KeepsTheSignOfZero) {
    EXPECT_TRUE(std::signbit(ParseNumber("-0")));
    EXPECT_TRUE(std::signbit(ParseNumber("-1e-400")));
    EXPECT_FALSE(std::signbit(ParseNumber("0")));
}

TEST(ParseNumber, OverflowsToInfinityForHugeDigitStrings) {
    EXPECT_EQ(ParseNumber(std::string(400, '9')), kInf);
    EXPECT_EQ(ParseNumber("-" + std::string(400, '9') + ".5"), -kInf);
    EXPECT_EQ(ParseNumber("0." + std::string(400, '0') + "1"), 0.0);
}

// The C library in the "C" locale is the reference wherever the text starts
// with a decimal number (it also reads hex, inf and nan, which we refuse).
TEST(ParseNumber, AgreesWithStrtodOnDecimalTexts) {
    std::mt19937 random(12345);
    const std::string alphabet = "0123456789.eE+- m";
    std::vector<std::string> texts = {"1e-310",
                                      "4.9e-324",
                                      "2.2250738585072014e-308",
                                      "1.7976931348623157e308",
                                      "0.1",
                                      "123456789012345678901234567890",
                                      "9007199254740993"};
    for (int n = 0; n < 20000; ++n) {
        std::string text;
        const int length = 1 + static_cast<int>(random() % 12);
        for (int i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        char* end = nullptr;
        double expected = std::strtod(text.c_str(), &end);
        // No conversion gives zero; Windows' C library returns it negative after a "-".
        if (end == text.c_str()) expected = 0.0;
        const double actual = ParseNumber(text);
        if (std::isnan(expected)) continue;
        EXPECT_EQ(actual, expected) << "text: \"" << text << "\"";
        EXPECT_EQ(std::signbit(actual), std::signbit(expected)) << "text: \"" << text << "\"";
    }
}

struct FormatCase {
    double value;
    const char* g;
    const char* signedG;
    const char* fixed4;
};

class FormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatTest, WritesAsPrintfInTheCLocale) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatG(c.value), c.g);
    EXPECT_EQ(FormatSignedG(c.value), c.signedG);
    EXPECT_EQ(FormatFixed(c.value, 4), c.fixed4);
}

INSTANTIATE_TEST_SUITE_P(Formats, FormatTest,
                         ::testing::Values(FormatCase{0.0, "0", "+0", "0.0000"},
                                           FormatCase{-0.0, "-0", "-0", "-0.0000"},
                                           FormatCase{1e-05, "1e-05", "+1e-05", "0.0000"},
                                           FormatCase{0.0001, "0.0001", "+0.0001", "0.0001"},
                                           FormatCase{1234567, "1.23457e+06", "+1.23457e+06", "1234567.0000"},
                                           FormatCase{100000, "100000", "+100000", "100000.0000"},
                                           FormatCase{1e6, "1e+06", "+1e+06", "1000000.0000"},
                                           FormatCase{-0.01, "-0.01", "-0.01", "-0.0100"},
                                           FormatCase{12.5, "12.5", "+12.5", "12.5000"},
                                           FormatCase{39.99175, "39.9918", "+39.9918", "39.9918"},
                                           FormatCase{40.00005, "40.0001", "+40.0001", "40.0001"},
                                           FormatCase{kInf, "inf", "+inf", "inf"},
                                           FormatCase{-kInf, "-inf", "-inf", "-inf"}));

TEST(Format, AgreesWithSnprintfOnManyValues) {
    std::mt19937_64 random(777);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-12, 12);
    std::vector<double> values = {0.1 + 0.2, 25.021,      24.98,    0.5,   2.5,
                                  1e-4,      9.999995e-5, 999999.5, 1e300, -1.7976931348623157e308,
                                  4.9e-324};
    for (int n = 0; n < 20000; ++n) values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
    char buffer[512];
    for (double v : values) {
        std::snprintf(buffer, sizeof buffer, "%g", v);
        EXPECT_EQ(FormatG(v), buffer);
        std::snprintf(buffer, sizeof buffer, "%+g", v);
        EXPECT_EQ(FormatSignedG(v), buffer);
        std::snprintf(buffer, sizeof buffer, "%.4f", v);
        EXPECT_EQ(FormatFixed(v, 4), buffer);
        std::snprintf(buffer, sizeof buffer, "%f", v);
        EXPECT_EQ(FormatFixed(v, 6), buffer);
    }
}

struct FourDecimalsCase {
    double value;
    const char* expected;
};

class FormatGKeepingFourDecimalsTest : public ::testing::TestWithParam<FourDecimalsCase> {};

TEST_P(FormatGKeepingFourDecimalsTest, WritesGUnlessItLosesTheFourthDecimal) {
    const FourDecimalsCase& c = GetParam();
    EXPECT_EQ(FormatGKeepingFourDecimals(c.value), c.expected) << "value " << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, FormatGKeepingFourDecimalsTest,
    ::testing::Values(
        // "%g" is exact enough: byte for byte as before
        FourDecimalsCase{40.0, "40"}, FourDecimalsCase{39.99, "39.99"}, FourDecimalsCase{40.005, "40.005"},
        FourDecimalsCase{0.0, "0"}, FourDecimalsCase{-0.05, "-0.05"}, FourDecimalsCase{1e-05, "1e-05"},
        FourDecimalsCase{0.000123456789, "0.000123457"}, FourDecimalsCase{2e6, "2e+06"},
        FourDecimalsCase{1e300, "1e+300"}, FourDecimalsCase{4000.0, "4000"},
        FourDecimalsCase{123.45696, "123.457"},  // 123.4570 either way
        FourDecimalsCase{1000.00004, "1000"},    // the fifth decimal rounds away
        // "%g" would lose a digit at or above the fourth decimal
        FourDecimalsCase{1000.001, "1000.001"}, FourDecimalsCase{123.4571, "123.4571"},
        FourDecimalsCase{123.45674, "123.4567"}, FourDecimalsCase{1000.00006, "1000.0001"},
        FourDecimalsCase{3999.9999, "3999.9999"}, FourDecimalsCase{4000.0003, "4000.0003"},
        FourDecimalsCase{1234567.0, "1234567"}, FourDecimalsCase{1234567.25, "1234567.25"},
        FourDecimalsCase{-1000.001, "-1000.001"}, FourDecimalsCase{-999.5004, "-999.5004"},
        FourDecimalsCase{100000.5, "100000.5"},
        // "%g" is within a hair of the value even where the two round apart at
        // the fourth decimal: it changes nothing there
        FourDecimalsCase{-0.0000499999999, "-5e-05"}, FourDecimalsCase{0.00045, "0.00045"},
        FourDecimalsCase{-0.75755024232212265, "-0.75755"}));

TEST(FormatGKeepingFourDecimals, NeverDiffersFromTheValueAtTheFourthDecimal) {
    std::mt19937_64 random(4321);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-6, 8);
    for (int n = 0; n < 20000; ++n) {
        const double v = mantissa(random) * std::pow(10.0, exponent(random));
        const std::string text = FormatGKeepingFourDecimals(v);
        const bool gExact = std::fabs(ParseNumber(FormatG(v)) - v) < 0.00005;
        if (gExact) {
            EXPECT_EQ(text, FormatG(v));
        } else {
            // within half a unit of the fourth decimal, plus the double's own rounding
            EXPECT_LE(std::fabs(ParseNumber(text) - v), 0.00005 + std::fabs(v) * 1e-15) << v;
            EXPECT_EQ(text.find('e'), std::string::npos) << v;
            if (text.find('.') != std::string::npos) {
                EXPECT_NE(text.back(), '0') << v;
                EXPECT_NE(text.back(), '.') << v;
            }
        }
    }
}

TEST(RoundToSixDecimals, MakesValuesThatAgreeToSixDecimalsEqual) {
    EXPECT_EQ(RoundToSixDecimals(0.1 + 0.2), RoundToSixDecimals(0.3));
    EXPECT_EQ(RoundToSixDecimals(25.0 - 0.013), RoundToSixDecimals(24.987));
    EXPECT_EQ(RoundToSixDecimals(1.0000004), 1.0);
    EXPECT_EQ(RoundToSixDecimals(1.0000006), 1.000001);
    EXPECT_TRUE(std::signbit(RoundToSixDecimals(-1e-9)));  // "-0.000000" reads back as -0
}

TEST(FormatText, FillsEachConversionInOrder) {
    EXPECT_EQ(FormatText("%g / %g", {25.0, -0.5}), "25 / -0.5");
    EXPECT_EQ(FormatText("[%+g] [%.4f] [%f] [%s]", {0.02, 40.0125, 1.5, std::string_view("x y")}),
              "[+0.02] [40.0125] [1.500000] [x y]");
    EXPECT_EQ(FormatText("100%% %g", {1.0}), "100% 1");
}

TEST(FormatText, WritesAConversionWithoutAMatchingArgumentLiterally) {
    EXPECT_EQ(FormatText("%g and %g", {1.0}), "1 and %g");
    EXPECT_EQ(FormatText("%s", {2.0}), "%s");
    EXPECT_EQ(FormatText("trailing %", {}), "trailing %");
}

// Qt adopts the user's locale; numbers must come out the same under it.
#if defined(_WIN32)
constexpr const char* kDecimalCommaLocale = "German_Germany.1252";
#else
constexpr const char* kDecimalCommaLocale = "de_DE.UTF-8";
#endif

class DecimalCommaLocale : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(std::setlocale(LC_ALL, kDecimalCommaLocale), nullptr)
            << "the " << kDecimalCommaLocale << " locale is missing; tools/setup.sh generates it";
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%g", 0.5);
        ASSERT_STREQ(buffer, "0,5") << "the locale did not take effect";
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(DecimalCommaLocale, NumbersAreStillReadWithADecimalPoint) {
    EXPECT_EQ(ParseNumber("0.5"), 0.5);
    EXPECT_EQ(ParseNumber("-12.25e-1"), -1.225);
    EXPECT_EQ(ParseNumber("0,5"), 0.0);
}

TEST_F(DecimalCommaLocale, NumbersAreStillWrittenWithADecimalPoint) {
    EXPECT_EQ(FormatG(0.5), "0.5");
    EXPECT_EQ(FormatSignedG(0.02), "+0.02");
    EXPECT_EQ(FormatFixed(40.0125, 4), "40.0125");
    EXPECT_EQ(FormatFixed(1234567.5, 6), "1234567.500000");
    EXPECT_EQ(RoundToSixDecimals(0.1 + 0.2), 0.3);
}

}  // namespace
}  // namespace tolvo
