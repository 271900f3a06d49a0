// Conversion between numbers and the texts the user types and reads.
//
// Every number in Tolvo passes through these functions, so that what is shown
// never depends on the process locale: Qt adopts the user's locale on start-up,
// and a designer working under de_DE must still see "0.5", not "0,5".
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace tolvo {

// Reads the leading decimal number of a text the way C's atof does in the "C"
// locale: leading white space, an optional sign, digits with an optional
// decimal point (at least one digit), an optional exponent; the rest of the
// text is ignored. A text without such a number gives 0. Hexadecimal numbers,
// "inf" and "nan" are not numbers here and give 0.
//
// A number beyond the range of double gives +infinity or -infinity, as the C
// library does ("1e400" -> inf); one too small to represent gives a zero of
// its sign or the nearest subnormal. Callers therefore see infinities: a basic
// size of inf is "over 120 mm" and "over 4000 mm" like any very large size.
//
// The full-width forms a Japanese input method types are read as their ASCII
// forms: digits "０" to "９", "．", "－", "＋", "ｅ", "Ｅ", and the ideographic
// space "　" as a blank ("２５．５" is 25.5). Any other character ends the
// number, as in C.
double ParseNumber(std::string_view text);

// What ParseNumber reads in a text, and where.
struct NumberReading {
    double value = 0.0;
    // The number's characters as typed (sign, digits, point, exponent,
    // full-width forms included), without the white space before it; empty
    // when the text holds no number.
    std::string_view number;
    // The text is nothing but the number between white space (ASCII or
    // ideographic); a blank text is whole too, a text without a number is not.
    bool whole = true;
};
NumberReading ReadNumber(std::string_view text);

// Blanks are C's white space and the ideographic space "　" an input method
// types: a text of nothing else is blank, as if empty.
bool IsBlankText(std::string_view text);
// The character an input method's full-width form stands for: U+FF01..U+FF5E
// are ASCII 0x21..0x7E, the ideographic space U+3000 a blank; any other
// character is itself.
char32_t HalfWidthForm(char32_t code);
// The text without the blanks at either end.
std::string_view TrimBlanks(std::string_view text);

// printf("%g"): six significant digits, trailing zeros dropped.
std::string FormatG(double value);
// printf("%+g"): as FormatG with a sign always written.
std::string FormatSignedG(double value);
// printf("%.*f"): fixed notation with the given number of decimals.
std::string FormatFixed(double value, int decimals);
// printf("%g"), unless that would change the value at or above the fourth
// decimal place (0.1 μm of a size in millimetres): then fixed notation with
// four decimals, trailing zeros and a trailing point removed ("1000.001",
// where "%g" writes "1000"). "%g" changes the value there when the number it
// writes, read back, is half a unit of the fourth decimal (0.00005) or more
// away from the value: "123.457" stays for 123.45696 but 123.45674 is
// "123.4567", and an exact "%g" text such as "0.00045" is never rounded.
std::string FormatGKeepingFourDecimals(double value);

// Rounds to six decimals the way the fit evaluation always has: written with
// "%f", read back with ParseNumber. Two values that agree to six decimals
// become the same double.
double RoundToSixDecimals(double value);

// A small printf for the display formats, so that each format is kept as one
// piece of text. Supports %g, %+g, %f, %.Nf (N one digit), %s and %%.
// Arguments are consumed in order; a conversion without a matching argument,
// or of the wrong type, is written literally.
using FormatArg = std::variant<double, std::string_view>;
std::string FormatText(std::string_view format, std::initializer_list<FormatArg> args);

}  // namespace tolvo
