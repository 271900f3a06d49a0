// Fuzzes the reading and writing of numbers against the C library in the "C"
// locale, while the process runs under a decimal-comma locale as a user's may.
#include <locale.h>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "core/number_text.h"
#include "core/utf8.h"

namespace {

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return c;
}

// A Japanese input method's full-width forms of the number's characters
// (U+FF01..U+FF5E are ASCII plus 0xFEE0) and the ideographic space, as ASCII.
std::string FoldedFullWidth(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const tolvo::utf8::Sequence s = tolvo::utf8::Decode(text, i);
        const bool fullWidth = s.code >= 0xFF01 && s.code <= 0xFF5E;
        const char ascii = s.code == 0x3000 ? ' ' : fullWidth ? static_cast<char>(s.code - 0xFEE0) : '\0';
        if (ascii != '\0' && std::strchr(" 0123456789.+-eE", ascii) != nullptr) {
            out += ascii;
        } else {
            out.append(text.substr(i, s.length));
        }
        i += s.length;
    }
    return out;
}

// The C library's reading of the same grammar: it also reads hexadecimal
// numbers, "inf" and "nan", so it gets only the leading run of characters a
// decimal number can be made of.
double Reference(std::string_view typed) {
    const std::string folded = FoldedFullWidth(typed);
    const std::string_view text = folded;
    std::size_t end = 0;
    while (end < text.size() && text[end] != '\0' && std::strchr(" \t\n\v\f\r", text[end]) != nullptr) ++end;
    while (end < text.size() && text[end] != '\0' && std::strchr("0123456789.eE+-", text[end]) != nullptr)
        ++end;
    const std::string prefix(text.substr(0, end));
    return strtod_l(prefix.c_str(), nullptr, CLocale());
}

std::string CFormat(const char* format, double value) {
    const locale_t previous = uselocale(CLocale());
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, value);
    uselocale(previous);
    return buffer;
}

bool SameDouble(double a, double b) {
    return (a == b && std::signbit(a) == std::signbit(b)) || (a != a && b != b);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::setlocale(LC_ALL, "de_DE.UTF-8");  // when installed: numbers must not notice
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double parsed = tolvo::ParseNumber(text);
    const double expected = Reference(text);
    if (!SameDouble(parsed, expected)) {
        std::fprintf(stderr, "ParseNumber: %.17g, C library: %.17g\n", parsed, expected);
        std::abort();
    }
    if (tolvo::FormatG(parsed) != CFormat("%g", parsed) ||
        tolvo::FormatSignedG(parsed) != CFormat("%+g", parsed) ||
        tolvo::FormatFixed(parsed, 4) != CFormat("%.4f", parsed) ||
        tolvo::FormatFixed(parsed, 6) != CFormat("%f", parsed)) {
        std::fprintf(stderr, "formats differ for %.17g\n", parsed);
        std::abort();
    }
    return 0;
}
