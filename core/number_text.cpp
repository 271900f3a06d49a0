#include "core/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace tolvo {
namespace {

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The span of the leading number by the grammar above, without its sign.
struct NumberSpan {
    bool negative = false;
    std::string_view body;  // digits, point and exponent; empty when there is no number
    // Decimal exponent of the first significant digit, used only to tell an
    // overflow from an underflow when the value is out of range.
    long long magnitude = 0;
};

NumberSpan ScanNumber(std::string_view text) {
    NumberSpan span;
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i])) ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        span.negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    long long integerDigits = 0;
    long long leadingFractionZeros = 0;
    bool significantSeen = false;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        if (text[i] != '0') significantSeen = true;
        if (significantSeen) ++integerDigits;
        ++digits;
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            if (!significantSeen) {
                if (text[i] == '0') {
                    ++leadingFractionZeros;
                } else {
                    significantSeen = true;
                }
            }
            ++digits;
            ++i;
        }
    }
    if (digits == 0) return span;  // no number: not even "." or "-" alone
    std::size_t end = i;
    long long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            negativeExponent = text[j] == '-';
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) {
                if (exponent < 1'000'000'000) exponent = exponent * 10 + (text[j] - '0');
                ++j;
            }
            if (negativeExponent) exponent = -exponent;
            end = j;
        }
        // "1e" or "1e+" : the exponent is not part of the number
    }
    span.body = text.substr(start, end - start);
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

double ParseNumber(std::string_view text) {
    const NumberSpan span = ScanNumber(text);
    if (span.body.empty()) return 0.0;
    double value = 0.0;
    // from_chars reads in the "C" conventions whatever the locale is.
    const auto result = std::from_chars(span.body.data(), span.body.data() + span.body.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        value = span.magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (result.ec != std::errc{}) {
        return 0.0;
    }
    return span.negative ? -value : value;
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
    std::string fixed = FormatFixed(value, 4);
    if (!std::isfinite(value) || FormatFixed(ParseNumber(g), 4) == fixed) return g;
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
