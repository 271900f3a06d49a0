#include "core/utf8.h"

namespace tolvo::utf8 {
namespace {

// The smallest code point each length may encode; anything below is overlong.
constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
constexpr char32_t kLargest = 0x10FFFF;

constexpr bool IsSurrogate(char32_t code) {
    return code >= 0xD800 && code <= 0xDFFF;
}

}  // namespace

Sequence Decode(std::string_view text, std::size_t i) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) [[likely]]
        return {lead, 1, true};
    const Sequence stray{kReplacement, 1, false};
    const std::size_t length = AnnouncedLength(lead);
    if (length == 1 || length > text.size() - i) return stray;
    // The lead byte holds 7 - length bits of the code point: 5, 4 or 3.
    char32_t code = lead & (0x7Fu >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char byte = static_cast<unsigned char>(text[i + k]);
        if (!IsContinuation(byte)) return stray;
        code = (code << 6) | (byte & 0x3Fu);
    }
    if (code < kSmallest[length] || code > kLargest || IsSurrogate(code)) return stray;
    return {code, length, true};
}

void Encode(char32_t code, std::string& out) {
    if (code > kLargest || IsSurrogate(code)) code = kReplacement;
    if (code < 0x80) {
        out += static_cast<char>(code);
        return;
    }
    const std::size_t length = code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
    constexpr unsigned char kLeadBits[] = {0, 0, 0xC0, 0xE0, 0xF0};
    out += static_cast<char>(kLeadBits[length] | (code >> (6 * (length - 1))));
    for (std::size_t k = length - 1; k-- > 0;) out += static_cast<char>(0x80 | ((code >> (6 * k)) & 0x3F));
}

bool IsValid(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const Sequence s = Decode(text, i);
        if (!s.wellFormed) return false;
        i += s.length;
    }
    return true;
}

std::size_t Count(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); i += Decode(text, i).length) ++count;
    return count;
}

std::u16string ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Sequence s = Decode(text, i);
        i += s.length;
        if (s.code >= 0x10000) {
            const char32_t v = s.code - 0x10000;
            out += static_cast<char16_t>(0xD800 + (v >> 10));
            out += static_cast<char16_t>(0xDC00 + (v & 0x3FF));
        } else {
            out += static_cast<char16_t>(s.code);
        }
    }
    return out;
}

std::string FromUtf16(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t unit = text[i];
        if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            Encode(0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00), out);
            ++i;
        } else {
            Encode(unit, out);  // a lone surrogate is written as U+FFFD
        }
    }
    return out;
}

}  // namespace tolvo::utf8
