#include "core/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "core/utf8.h"

namespace tolvo {

char32_t HalfWidthForm(char32_t code) {
    if (code == U'\u3000') return U' ';
    if (code >= U'\uFF01' && code <= U'\uFF5E') return code - 0xFEE0;
    return code;
}

namespace {

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The ASCII character of the number grammar that a full-width form stands
// for, or '\0'.
char NumberCharacterOf(char32_t code) {
    const char32_t half = HalfWidthForm(code);
    if (half == code) return '\0';  // not a full-width form
    const char ascii = static_cast<char>(half);
    if (ascii == ' ') return ' ';
    const bool inGrammar =
        IsDigit(ascii) || ascii == '.' || ascii == '-' || ascii == '+' || ascii == 'e' || ascii == 'E';
    return inGrammar ? ascii : '\0';
}

// One character of the text as the number grammar sees it: its ASCII form
// and its length in bytes. Bytes of other characters stand for themselves
// and match nothing in the grammar.
struct Unit {
    char c;
    std::size_t length;
};

// Reads a text unit by unit; past the end it gives '\0' of length 0.
class Units {
  public:
    explicit Units(std::string_view text) : text_(text) {}
    Unit At(std::size_t i) const {
        if (i >= text_.size()) return {'\0', 0};
        if (static_cast<unsigned char>(text_[i]) < 0x80) [[likely]]
            return {text_[i], 1};
        const utf8::Sequence s = utf8::Decode(text_, i);
        if (const char ascii = NumberCharacterOf(s.code); ascii != '\0') {
            folded_ = true;
            return {ascii, s.length};
        }
        return {text_[i], 1};
    }
    // Whether a full-width form has been met so far.
    bool Folded() const { return folded_; }

  private:
    std::string_view text_;
    mutable bool folded_ = false;
};

// The span of the leading number by the grammar above.
struct NumberSpan {
    bool negative = false;
    std::size_t begin = 0;        // the sign or first character of the number
    std::size_t end = 0;          // one past it; begin == end when there is no number
    std::size_t digitsBegin = 0;  // after the sign: digits, point and exponent
    bool folded = false;          // full-width forms may be among them
    bool zero = true;             // no digit but 0
    // Decimal exponent of the first significant digit, used only to tell an
    // overflow from an underflow when the value is out of range.
    long long magnitude = 0;
};

bool IsBlank(Unit u) {
    return u.length > 0 && IsCSpace(u.c);
}

NumberSpan ScanNumber(std::string_view text) {
    const Units units(text);
    NumberSpan span;
    std::size_t i = 0;
    while (IsBlank(units.At(i))) i += units.At(i).length;
    span.begin = span.end = i;
    if (const Unit u = units.At(i); u.c == '+' || u.c == '-') {
        span.negative = u.c == '-';
        i += u.length;
    }
    span.digitsBegin = i;
    long long integerDigits = 0;
    long long leadingFractionZeros = 0;
    bool significantSeen = false;
    std::size_t digits = 0;
    for (Unit u = units.At(i); IsDigit(u.c); u = units.At(i)) {
        if (!significantSeen && u.c == '0') {
            ++digits;
            i += u.length;
            continue;
        }
        significantSeen = true;
        // The run of ASCII digits that follows, the common case, at full speed.
        std::size_t run = i + u.length;
        while (run < text.size() && IsDigit(text[run])) ++run;
        const std::size_t count = 1 + (run - i - u.length);
        integerDigits += static_cast<long long>(count);
        digits += count;
        i = run;
    }
    if (const Unit point = units.At(i); point.c == '.') {
        i += point.length;
        for (Unit u = units.At(i); IsDigit(u.c); u = units.At(i)) {
            if (!significantSeen) {
                if (u.c == '0') {
                    ++leadingFractionZeros;
                } else {
                    significantSeen = true;
                }
            }
            ++digits;
            i += u.length;
        }
    }
    if (digits == 0) return span;  // no number: not even "." or "-" alone
    std::size_t end = i;
    long long exponent = 0;
    if (const Unit e = units.At(i); e.c == 'e' || e.c == 'E') {
        std::size_t j = i + e.length;
        bool negativeExponent = false;
        if (const Unit sign = units.At(j); sign.c == '+' || sign.c == '-') {
            negativeExponent = sign.c == '-';
            j += sign.length;
        }
        if (IsDigit(units.At(j).c)) {
            for (Unit u = units.At(j); IsDigit(u.c); u = units.At(j)) {
                if (exponent < 1'000'000'000) exponent = exponent * 10 + (u.c - '0');
                j += u.length;
            }
            if (negativeExponent) exponent = -exponent;
            end = j;
        }
        // "1e" or "1e+" : the exponent is not part of the number
    }
    span.end = end;
    span.folded = units.Folded();
    span.zero = !significantSeen;
    span.magnitude = (integerDigits > 0 ? integerDigits - 1 : -leadingFractionZeros - 1) + exponent;
    return span;
}

std::string ToChars(double value, std::chars_format format, int precision) {
    // Fixed notation of the largest double needs 309 digits before the point.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    if (result.ec != std::errc{}) return {};
    return std::string(buffer, result.ptr);
}

}  // namespace

NumberReading ReadNumber(std::string_view text) {
    const NumberSpan span = ScanNumber(text);
    NumberReading reading;
    reading.number = text.substr(span.begin, span.end - span.begin);
    const Units units(text);
    std::size_t rest = span.end;
    while (IsBlank(units.At(rest))) rest += units.At(rest).length;
    reading.whole = rest == text.size() && (span.end > span.begin || span.begin == text.size());
    if (span.end == span.begin) return reading;
    // from_chars reads the ASCII forms, in the "C" conventions whatever the
    // locale is.
    std::string_view body = text.substr(span.digitsBegin, span.end - span.digitsBegin);
    std::string folded;
    if (span.folded) {
        for (std::size_t k = 0; k < body.size();) {
            const Unit u = Units(body).At(k);
            folded += u.c;
            k += u.length;
        }
        body = folded;
    }
    double value = 0.0;
    // Beyond these magnitudes the value is plainly out of range, which spares
    // reading a long run of digits again.
    constexpr long long kAboveLargest = 309;    // 1e309 > 1.8e308
    constexpr long long kBelowSmallest = -325;  // 1e-325 rounds to 0
    if (span.zero) {
        value = 0.0;
    } else if (span.magnitude >= kAboveLargest) {
        value = std::numeric_limits<double>::infinity();
    } else if (span.magnitude <= kBelowSmallest) {
        value = 0.0;
    } else if (const auto result =
                   std::from_chars(body.data(), body.data() + body.size(), value, std::chars_format::general);
               result.ec == std::errc::result_out_of_range) {
        value = span.magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (result.ec != std::errc{}) {
        return reading;
    }
    reading.value = span.negative ? -value : value;
    return reading;
}

bool IsBlankText(std::string_view text) {
    return TrimBlanks(text).empty();
}

std::string_view TrimBlanks(std::string_view text) {
    const Units units(text);
    std::size_t begin = 0;
    while (IsBlank(units.At(begin))) begin += units.At(begin).length;
    // The last blank before the end, found forwards: a trailing "　" is three
    // bytes that cannot be told apart from the end alone.
    std::size_t end = begin;
    for (std::size_t i = begin; i < text.size();) {
        const Unit u = units.At(i);
        i += u.length;
        if (!IsBlank(u)) end = i;
    }
    return text.substr(begin, end - begin);
}

double ParseNumber(std::string_view text) {
    return ReadNumber(text).value;
}

std::string FormatG(double value) {
    return ToChars(value, std::chars_format::general, 6);
}

std::string FormatSignedG(double value) {
    std::string text = FormatG(value);
    if (text.empty() || text.front() != '-') text.insert(text.begin(), '+');
    return text;
}

std::string FormatFixed(double value, int decimals) {
    return ToChars(value, std::chars_format::fixed, decimals);
}

std::string FormatGKeepingFourDecimals(double value) {
    std::string g = FormatG(value);
    // Half a unit of the fourth decimal; a hair less, so that the binary
    // neighbours of an exact half (1000.00005) count as exactly half.
    constexpr double kVisible = 0.00005 * (1 - 1e-9);
    if (!std::isfinite(value) || std::fabs(ParseNumber(g) - value) < kVisible) return g;
    std::string fixed = FormatFixed(value, 4);
    fixed.erase(fixed.find_last_not_of('0') + 1);
    if (fixed.back() == '.') fixed.pop_back();
    if (fixed == "-0") fixed = "0";  // a negative value that rounds to zero
    return fixed;
}

double RoundToSixDecimals(double value) {
    return ParseNumber(FormatFixed(value, 6));
}

std::string FormatText(std::string_view format, std::initializer_list<FormatArg> args) {
    std::string out;
    out.reserve(format.size() + 16 * args.size());
    auto next = args.begin();
    std::size_t i = 0;
    while (i < format.size()) {
        const char c = format[i];
        if (c != '%' || i + 1 >= format.size()) {
            out += c;
            ++i;
            continue;
        }
        // Recognise one conversion starting at i.
        std::size_t j = i + 1;
        if (format[j] == '%') {
            out += '%';
            i = j + 1;
            continue;
        }
        bool sign = false;
        int decimals = 6;
        if (format[j] == '+') {
            sign = true;
            ++j;
        }
        if (j + 1 < format.size() && format[j] == '.' && IsDigit(format[j + 1])) {
            decimals = format[j + 1] - '0';
            j += 2;
        }
        const char conversion = j < format.size() ? format[j] : '\0';
        const std::string_view written = format.substr(i, j + 1 - i);
        const bool haveArg = next != args.end();
        if (conversion == 's' && haveArg && std::holds_alternative<std::string_view>(*next)) {
            out += std::get<std::string_view>(*next++);
        } else if (conversion == 'g' && haveArg && std::holds_alternative<double>(*next)) {
            const double v = std::get<double>(*next++);
            out += sign ? FormatSignedG(v) : FormatG(v);
        } else if (conversion == 'f' && haveArg && std::holds_alternative<double>(*next)) {
            out += FormatFixed(std::get<double>(*next++), decimals);
        } else {
            out += written;
        }
        i = j + 1;
    }
    return out;
}

}  // namespace tolvo
