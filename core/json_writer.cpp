#include "core/json_writer.h"

#include <cassert>
#include <charconv>
#include <cmath>

#include "core/number_text.h"
#include "core/utf8.h"

namespace tolvo::json {

bool AppendEscaped(std::string& out, std::string_view text, Quotes quotes, std::size_t limit) {
    static constexpr char kHex[] = "0123456789abcdef";
    const bool escapeQuotes = quotes == Quotes::Escaped;
    const std::size_t start = out.size();
    for (std::size_t i = 0; i < text.size();) {
        if (out.size() - start >= limit) return true;
        const utf8::Sequence s = utf8::Decode(text, i);
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (!s.wellFormed) {
            utf8::Encode(utf8::kReplacement, out);
        } else if (escapeQuotes && c == '"') {
            out += "\\\"";
        } else if (escapeQuotes && c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c == 0x7F) {
            out += "\\u00";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        } else {
            out.append(text.substr(i, s.length));
        }
        i += s.length;
    }
    return false;
}

void AppendString(std::string& out, std::string_view text) {
    out += '"';
    AppendEscaped(out, text);
    out += '"';
}

std::string Number(double value, Digits digits) {
    assert(std::isfinite(value) && "JSON has no infinity nor NaN");
    if (!std::isfinite(value)) return "null";
    if (digits == Digits::Six) return FormatG(value);
    if (value == 0.0) return "0";
    char buffer[32];  // the longest shortest form of a double takes 24
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, written.ptr);
}

void AppendNumber(std::string& out, double value, Digits digits) {
    out += Number(value, digits);
}

}  // namespace tolvo::json
