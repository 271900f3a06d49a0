// A strict check of what tolvo-replay prints: one JSON value (RFC 8259, no
// extensions) in well-formed UTF-8 (no overlong forms, no surrogates, nothing
// above U+10FFFF). Shared by the replay tests and the replay fuzzer.
#pragma once

#include <cstddef>
#include <string_view>

namespace tolvo::strict_json {

// The length of the well-formed UTF-8 sequence at text[i], or 0 when none starts there.
inline std::size_t Utf8SequenceAt(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;  // the range of the second byte, narrowed where the lead needs it
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // overlong
        if (lead == 0xED) high = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;   // overlong
        if (lead == 0xF4) high = 0x8F;  // above U+10FFFF
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    if (byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
    }
    return length;
}

inline bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceAt(text, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    // The whole text is exactly one value, with optional white space around it.
    bool WholeValue() {
        SkipSpace();
        if (!Value(0)) return false;
        SkipSpace();
        return i_ == text_.size();
    }

  private:
    static constexpr int kDeepest = 64;

    bool AtEnd() const { return i_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[i_]; }
    bool Take(char c) {
        if (Peek() != c || AtEnd()) return false;
        ++i_;
        return true;
    }
    bool TakeWord(std::string_view word) {
        if (text_.substr(i_, word.size()) != word) return false;
        i_ += word.size();
        return true;
    }
    void SkipSpace() {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r')) ++i_;
    }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    static bool IsHex(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

    bool Value(int depth) {
        if (AtEnd()) return false;
        switch (Peek()) {
            case '{':
                return Object(depth + 1);
            case '[':
                return Array(depth + 1);
            case '"':
                return String();
            case 't':
                return TakeWord("true");
            case 'f':
                return TakeWord("false");
            case 'n':
                return TakeWord("null");
            default:
                return Number();
        }
    }

    bool Object(int depth) {
        if (depth > kDeepest) return false;
        Take('{');
        SkipSpace();
        if (Take('}')) return true;
        for (;;) {
            SkipSpace();
            if (Peek() != '"' || !String()) return false;
            SkipSpace();
            if (!Take(':')) return false;
            SkipSpace();
            if (!Value(depth)) return false;
            SkipSpace();
            if (Take('}')) return true;
            if (!Take(',')) return false;
        }
    }

    bool Array(int depth) {
        if (depth > kDeepest) return false;
        Take('[');
        SkipSpace();
        if (Take(']')) return true;
        for (;;) {
            SkipSpace();
            if (!Value(depth)) return false;
            SkipSpace();
            if (Take(']')) return true;
            if (!Take(',')) return false;
        }
    }

    bool String() {
        Take('"');
        while (!AtEnd()) {
            const unsigned char c = static_cast<unsigned char>(text_[i_]);
            if (c == '"') {
                ++i_;
                return true;
            }
            if (c < 0x20) return false;
            if (c == '\\') {
                ++i_;
                if (AtEnd()) return false;
                const char e = text_[i_++];
                if (e == 'u') {
                    // A surrogate must be half of a pair.
                    const long unit = Hex4();
                    if (unit < 0 || (unit >= 0xDC00 && unit <= 0xDFFF)) return false;
                    if (unit >= 0xD800 && unit <= 0xDBFF) {
                        if (!TakeWord("\\u")) return false;
                        const long low = Hex4();
                        if (low < 0xDC00 || low > 0xDFFF) return false;
                    }
                } else if (std::string_view("\"\\/bfnrt").find(e) == std::string_view::npos) {
                    return false;
                }
                continue;
            }
            const std::size_t length = Utf8SequenceAt(text_, i_);
            if (length == 0) return false;
            i_ += length;
        }
        return false;
    }

    // Four hex digits as a number, or -1.
    long Hex4() {
        long value = 0;
        for (int k = 0; k < 4; ++k) {
            if (AtEnd() || !IsHex(Peek())) return -1;
            const char c = text_[i_++];
            value = value * 16 + (IsDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10);
        }
        return value;
    }

    bool Number() {
        Take('-');
        if (Take('0')) {
            // no leading zeros
        } else if (IsDigit(Peek())) {
            while (IsDigit(Peek())) ++i_;
        } else {
            return false;
        }
        if (Take('.')) {
            if (!IsDigit(Peek())) return false;
            while (IsDigit(Peek())) ++i_;
        }
        if (Take('e') || Take('E')) {
            if (!Take('+')) Take('-');
            if (!IsDigit(Peek())) return false;
            while (IsDigit(Peek())) ++i_;
        }
        return true;
    }

    std::string_view text_;
    std::size_t i_ = 0;
};

// One JSON value in well-formed UTF-8.
inline bool IsJson(std::string_view text) {
    return IsUtf8(text) && Parser(text).WholeValue();
}

}  // namespace tolvo::strict_json
