// UTF-8 as RFC 3629 defines it: the one walker over the texts Tolvo reads,
// shows and writes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tolvo::utf8 {

// The character that stands in for bytes that are not UTF-8.
inline constexpr char32_t kReplacement = U'\uFFFD';

constexpr bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the sequence a lead byte announces by its high bits; 1 for an
// ASCII byte and for one that leads nothing (a continuation byte, 0xF8..0xFF).
// Says nothing about whether the sequence is well formed.
constexpr std::size_t AnnouncedLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead >> 5) == 0x6) return 2;
    if ((lead >> 4) == 0xE) return 3;
    if ((lead >> 3) == 0x1E) return 4;
    return 1;
}

// One character read from a text.
struct Sequence {
    char32_t code = kReplacement;  // kReplacement where the bytes are not UTF-8
    std::size_t length = 0;        // the bytes it takes: 1 for a byte that starts no well-formed sequence
    bool wellFormed = false;
};

// The character at text[i] (i < text.size()). An overlong form, a surrogate, a
// code point above U+10FFFF, a sequence cut short and a stray byte are not
// well formed: that first byte is read alone.
Sequence Decode(std::string_view text, std::size_t i);

// Appends the character; a surrogate or a value above U+10FFFF, which no
// UTF-8 text holds, is written as kReplacement.
void Encode(char32_t code, std::string& out);

// Whether the whole text is well-formed UTF-8.
bool IsValid(std::string_view text);

// The characters of a text; each byte that starts no well-formed sequence
// counts as one.
std::size_t Count(std::string_view text);

// UTF-16, as the Win32 calls take and give texts. Bytes that are not UTF-8
// become U+FFFD, as does a lone surrogate coming back: a window never shows
// or hands on half a character.
std::u16string ToUtf16(std::string_view text);
std::string FromUtf16(std::u16string_view text);

}  // namespace tolvo::utf8
