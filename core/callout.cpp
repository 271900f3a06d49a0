#include "core/callout.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "core/general_table.h"
#include "core/texts_ja.h"

namespace tolvo {
namespace {

constexpr std::array kStyles = {CalloutStyle::Class, CalloutStyle::ClassDeviations, CalloutStyle::Deviations,
                                CalloutStyle::Limits};
constexpr std::array<std::string_view, kStyles.size()> kStyleNames = {"class", "class-deviations",
                                                                      "deviations", "limits"};
static_assert(std::size(ja::kCalloutStyleTexts) == kStyles.size(), "one menu text per style");
constexpr std::array kSigns = {DiameterSign::Phi, DiameterSign::Dia, DiameterSign::None};
constexpr std::array<std::string_view, kSigns.size()> kSignNames = {"phi", "dia", "none"};
constexpr std::array<std::string_view, kSigns.size()> kSignTexts = {ja::kPhi, ja::kDiameterSignDia, ""};
static_assert(std::size(ja::kDiameterSignTexts) == kSigns.size(), "one menu text per sign");
// The class letters of JIS B0405: 精級 f, 中級 m, 粗級 c, 極粗級 v.
constexpr std::array<std::string_view, kGeneralClassCount> kGeneralLetters = {"f", "m", "c", "v"};

// Numbers past this many digits are no drawing's, and the sums below stay
// far from the int64 limits.
constexpr std::int64_t kLargestUnits = 999'999'999'999'999'999;  // 18 digits
constexpr int kMostDecimals = 18;

// An exact decimal: units / 10^decimals.
struct Decimal {
    std::int64_t units = 0;
    int decimals = 0;
};

std::optional<Decimal> Checked(Decimal d) {
    if (d.units > kLargestUnits || d.units < -kLargestUnits || d.decimals > kMostDecimals)
        return std::nullopt;
    return d;
}

// The same value with more decimals; none when it no longer fits.
std::optional<Decimal> Rescaled(Decimal d, int decimals) {
    for (; d.decimals < decimals; ++d.decimals) {
        if (d.units > kLargestUnits / 10 || d.units < -kLargestUnits / 10) return std::nullopt;
        d.units *= 10;
    }
    return d;
}

Decimal Trimmed(Decimal d) {
    while (d.decimals > 0 && d.units % 10 == 0) {
        d.units /= 10;
        --d.decimals;
    }
    return d;
}

// The decimal a double was written as: its shortest text that reads back as
// the same double ("0.0215" for 0.0215), which for a number typed with up to
// fifteen significant digits is exactly what was typed.
std::optional<Decimal> FromDouble(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    if (value == 0.0) return Decimal{};
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
    if (error != std::errc{}) return std::nullopt;
    const std::string_view written(text, static_cast<std::size_t>(end - text));
    const std::size_t e = written.find('e');
    const bool negative = written.front() == '-';
    std::int64_t units = 0;
    int digits = 0;
    for (char c : written.substr(negative ? 1 : 0, e - (negative ? 1 : 0))) {
        if (c < '0' || c > '9') continue;
        units = units * 10 + (c - '0');  // at most 17 digits
        ++digits;
    }
    int exponent = 0;
    const std::string_view exponentText = written.substr(e + 1);
    const char* from = exponentText.data() + (exponentText.front() == '+' ? 1 : 0);
    std::from_chars(from, exponentText.data() + exponentText.size(), exponent);
    Decimal d{negative ? -units : units, digits - 1 - exponent};
    if (d.decimals < 0) {
        const std::optional<Decimal> whole = Rescaled({d.units, 0}, -d.decimals);
        // Rescaled counts decimals up from 0: the units are now the whole number.
        if (!whole) return std::nullopt;
        d = {whole->units, 0};
    }
    return Checked(Trimmed(d));
}

// A deviation of the table, in hundredths of a micrometre as the table keeps
// it (the double it answers is that whole number divided by 100, exactly
// recovered here), as mm.
Decimal FromTableMicrometres(double micrometres) {
    return Trimmed({static_cast<std::int64_t>(std::llround(micrometres * 100.0)), 5});
}

// The digits of |units| with `decimals` of them after the point.
std::string Digits(Decimal d) {
    std::string text = std::to_string(d.units < 0 ? -d.units : d.units);
    if (d.decimals == 0) return text;
    const std::size_t decimals = static_cast<std::size_t>(d.decimals);
    if (text.size() <= decimals) text.insert(0, decimals + 1 - text.size(), '0');
    text.insert(text.size() - decimals, 1, '.');
    return text;
}

std::string SignedNumber(Decimal d) {
    return (d.units < 0 ? "-" : "") + Digits(d);
}

// "+0.021", "0", "-0.020", with `decimals` after the point unless zero.
std::string DeviationText(Decimal d, int decimals) {
    if (d.units == 0) return "0";
    return (d.units > 0 ? "+" : "-") + Digits(*Rescaled(d, decimals));
}

std::optional<FeatureCallout> Describe(const CalloutSource& s, Decimal upper, Decimal lower) {
    const std::optional<Decimal> size = FromDouble(s.basicSize);
    if (!size || size->units <= 0) return std::nullopt;
    FeatureCallout callout;
    callout.basicSize = Digits(*size);
    // Both deviations with as many decimals as the finer needs; a zero has none.
    int decimals = 0;
    for (const Decimal& d : {upper, lower}) {
        if (d.units != 0) decimals = std::max(decimals, d.decimals);
    }
    const std::optional<Decimal> up = Rescaled(upper, decimals);
    const std::optional<Decimal> low = Rescaled(lower, decimals);
    if (!up || !low) return std::nullopt;
    CalloutDeviations& deviations = callout.deviations;
    if (up->units > 0 && up->units == -low->units) {
        deviations.symmetric = true;
        deviations.upper = std::string(ja::kPlusMinus) + Digits(upper);
    } else {
        deviations.upper = DeviationText(upper, decimals);
        deviations.lower = DeviationText(lower, decimals);
    }
    // Both limits with the decimals of the deviations or of the size, the more.
    const int limitDecimals = std::max(decimals, size->decimals);
    const std::optional<Decimal> base = Rescaled(*size, limitDecimals);
    const std::optional<Decimal> upLimit = Rescaled(*up, limitDecimals);
    const std::optional<Decimal> lowLimit = Rescaled(*low, limitDecimals);
    if (!base || !upLimit || !lowLimit) return std::nullopt;
    const std::optional<Decimal> upperLimit = Checked({base->units + upLimit->units, limitDecimals});
    const std::optional<Decimal> lowerLimit = Checked({base->units + lowLimit->units, limitDecimals});
    if (!upperLimit || !lowerLimit) return std::nullopt;
    callout.upperLimit = SignedNumber(*upperLimit);
    callout.lowerLimit = SignedNumber(*lowerLimit);
    return callout;
}

template <typename T, std::size_t N>
std::optional<T> FindByName(const std::array<T, N>& values, const std::array<std::string_view, N>& names,
                            std::string_view name) {
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i] == name) return values[i];
    }
    return std::nullopt;
}

}  // namespace

std::span<const CalloutStyle> CalloutStyles() {
    return kStyles;
}

std::string_view CalloutStyleName(CalloutStyle style) {
    return kStyleNames[static_cast<std::size_t>(style)];
}

std::optional<CalloutStyle> FindCalloutStyle(std::string_view name) {
    return FindByName(kStyles, kStyleNames, name);
}

std::span<const DiameterSign> DiameterSigns() {
    return kSigns;
}

std::string_view DiameterSignName(DiameterSign sign) {
    return kSignNames[static_cast<std::size_t>(sign)];
}

std::optional<DiameterSign> FindDiameterSign(std::string_view name) {
    return FindByName(kSigns, kSignNames, name);
}

std::string_view DiameterSignText(DiameterSign sign) {
    return kSignTexts[static_cast<std::size_t>(sign)];
}

std::string CalloutDeviations::Text() const {
    return symmetric ? upper : upper + "/" + lower;
}

std::optional<FeatureCallout> DescribeCallout(const CalloutSource& s) {
    switch (s.mode) {
        case ToleranceMode::FitClass: {
            const iso286::ToleranceClass& c = s.toleranceClass;
            const std::optional<int> step = iso286::ClassifySizeStep(s.basicSize);
            if (!step || c.letterIndex < 0 || c.letterIndex >= iso286::kLetterCount || c.gradeIndex < 0 ||
                c.gradeIndex >= iso286::kGradeCount)
                return std::nullopt;
            const std::optional<Deviations> cell = iso286::Lookup(c.kind, c.letterIndex, c.gradeIndex, *step);
            if (!cell) return std::nullopt;
            auto callout = Describe(s, FromTableMicrometres(cell->upper), FromTableMicrometres(cell->lower));
            if (callout) callout->className = iso286::FormatClassName(c);
            return callout;
        }
        case ToleranceMode::General: {
            if (s.generalClass < 0 || s.generalClass >= kGeneralClassCount || s.generalSizeRange < 0 ||
                s.generalSizeRange >= kGeneralSizeRangeCount)
                return std::nullopt;
            const std::optional<double> t = GeneralTableLookup(s.generalClass, s.generalSizeRange);
            const std::optional<Decimal> d = t ? FromDouble(*t) : std::nullopt;
            if (!d) return std::nullopt;
            auto callout = Describe(s, *d, {-d->units, d->decimals});
            if (callout) {
                callout->note = std::string(ja::kGeneralToleranceNote) +
                                std::string(kGeneralLetters[static_cast<std::size_t>(s.generalClass)]);
            }
            return callout;
        }
        case ToleranceMode::Free: {
            const std::optional<Decimal> upper = FromDouble(s.freeUpper);
            const std::optional<Decimal> lower = FromDouble(s.freeLower);
            if (!upper || !lower) return std::nullopt;
            return Describe(s, *upper, *lower);
        }
    }
    return std::nullopt;
}

std::string CalloutSizeText(const FeatureCallout& f, DiameterSign sign) {
    return std::string(DiameterSignText(sign)) + f.basicSize;
}

std::string CalloutText(const FeatureCallout& f, CalloutStyle style, DiameterSign sign) {
    std::string text;
    if (style == CalloutStyle::Limits) {
        text = std::string(DiameterSignText(sign)) + f.upperLimit + "/" + f.lowerLimit;
    } else if (style == CalloutStyle::Class && !f.className.empty()) {
        text = CalloutSizeText(f, sign) + f.className;
    } else if (style == CalloutStyle::ClassDeviations && !f.className.empty()) {
        text = CalloutSizeText(f, sign) + f.className + "(" + f.deviations.Text() + ")";
    } else {
        text = CalloutSizeText(f, sign) + " " + f.deviations.Text();
    }
    if (!f.note.empty()) text += " (" + f.note + ")";
    return text;
}

std::string PairCalloutText(const FeatureCallout& hole, const FeatureCallout& shaft, CalloutStyle style,
                            DiameterSign sign) {
    if (style == CalloutStyle::Class && !hole.className.empty() && !shaft.className.empty() &&
        hole.basicSize == shaft.basicSize) {
        return CalloutSizeText(hole, sign) + hole.className + "/" + shaft.className;
    }
    return CalloutText(hole, style, sign) + " " + CalloutText(shaft, style, sign);
}

}  // namespace tolvo
