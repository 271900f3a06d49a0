#include "core/callout_parse.h"

#include <array>
#include <cmath>

#include "core/general_table.h"
#include "core/number_text.h"
#include "core/texts_ja.h"
#include "core/utf8.h"

namespace tolvo {
namespace {

// The text with the full-width ASCII forms an input method types ("Ｈ７",
// "／", "２５") as ASCII and the ideographic space as a blank.
std::string AsciiForms(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const utf8::Sequence s = utf8::Decode(text, i);
        const char32_t code = HalfWidthForm(s.code);
        if (s.wellFormed || code != utf8::kReplacement) {
            utf8::Encode(code, out);
        } else {
            out += text[i];  // a stray byte stays as it is, and matches nothing
        }
        i += s.length;
    }
    return out;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The longest run at the front of a text whose characters pass a test, taken off it.
template <typename Test>
std::string_view TakeWhile(std::string_view& text, Test test) {
    std::size_t n = 0;
    while (n < text.size() && test(text[n])) ++n;
    const std::string_view run = text.substr(0, n);
    text.remove_prefix(n);
    return run;
}

void SkipBlanks(std::string_view& text) {
    TakeWhile(text, IsBlank);
}

// A class written as letters and digits, "H7", "zc11".
std::optional<iso286::ToleranceClass> TakeClass(std::string_view& text) {
    std::string_view rest = text;
    const std::string_view letters = TakeWhile(rest, IsAsciiLetter);
    const std::string_view digits = TakeWhile(rest, IsDigit);
    if (letters.empty() || digits.empty()) return std::nullopt;
    const auto c = iso286::ParseClassName(text.substr(0, letters.size() + digits.size()));
    if (c) text = rest;
    return c;
}

}  // namespace

std::optional<TypedFitClass> MatchTypedFitClass(const ClassRange& range, std::string_view typed) {
    std::string text = AsciiForms(typed);
    for (char& c : text) c = Lower(c);
    std::string_view rest = text;
    const std::string_view letters = TakeWhile(rest, IsAsciiLetter);
    const std::string_view digits = TakeWhile(rest, IsDigit);
    if (letters.empty() || !rest.empty()) return std::nullopt;

    std::optional<TypedFitClass> match;
    for (int l = 0; l < range.LetterCount() && !match; ++l) {
        const std::string_view name =
            iso286::LetterName(FeatureKind::Shaft, range.ClassAt(FeatureKind::Shaft, l, 0)->letterIndex);
        if (digits.empty() ? name.starts_with(letters) : name == letters) match = TypedFitClass{l, {}};
    }
    if (!match || digits.empty()) return match;
    for (const bool whole : {true, false}) {
        for (int g = 0; g < range.GradeCount() && !match->gradePosition; ++g) {
            const std::string_view name =
                iso286::GradeName(range.ClassAt(FeatureKind::Shaft, 0, g)->gradeIndex);
            if (whole ? name == digits : name.starts_with(digits)) match->gradePosition = g;
        }
    }
    if (!match->gradePosition) return std::nullopt;
    return match;
}

std::optional<int> MatchTypedGeneralClass(std::string_view typed) {
    // The letters of JIS B0405's classes, in the order of GeneralClass.
    constexpr std::string_view kClassLetters = "fmcv";
    const std::string text = AsciiForms(typed);
    if (text.size() == 1) {
        if (const std::size_t at = kClassLetters.find(Lower(text[0])); at != std::string_view::npos)
            return static_cast<int>(at);
    }
    for (int c = 0; c < kGeneralClassCount && !text.empty(); ++c) {
        if (GeneralClassName(c).starts_with(text)) return c;
    }
    return std::nullopt;
}

std::optional<Callout> ParseCallout(std::string_view pasted) {
    const std::string text = AsciiForms(pasted);
    std::string_view rest = text;
    SkipBlanks(rest);
    for (std::string_view sign : ja::kDiameterSigns) {
        if (rest.starts_with(sign)) {
            rest.remove_prefix(sign.size());
            SkipBlanks(rest);
            break;
        }
    }
    Callout callout;
    if (!rest.empty() && IsDigit(rest.front())) {
        std::string_view sizeText = rest;
        std::size_t length = TakeWhile(rest, IsDigit).size();
        if (rest.starts_with('.') && rest.size() > 1 && IsDigit(rest[1])) {
            rest.remove_prefix(1);
            length += 1 + TakeWhile(rest, IsDigit).size();
        }
        sizeText = sizeText.substr(0, length);
        const double size = ParseNumber(sizeText);
        if (!(size > 0.0) || !std::isfinite(size)) return std::nullopt;
        callout.basicSize = std::string(sizeText);
        SkipBlanks(rest);
    }
    const auto first = TakeClass(rest);
    if (!first) return std::nullopt;
    SkipBlanks(rest);
    std::optional<iso286::ToleranceClass> second;
    if (rest.starts_with('/')) {
        rest.remove_prefix(1);
        SkipBlanks(rest);
        second = TakeClass(rest);
        // A pair is the hole's class over the shaft's.
        if (!second || first->kind != FeatureKind::Hole || second->kind != FeatureKind::Shaft)
            return std::nullopt;
        SkipBlanks(rest);
    }
    if (!rest.empty()) return std::nullopt;
    (first->kind == FeatureKind::Hole ? callout.hole : callout.shaft) = first;
    if (second) callout.shaft = second;
    return callout;
}

}  // namespace tolvo
