// The tolerance of a feature written as a drawing writes it (JIS Z 8318,
// ISO 14405-1, ISO 129-1): "φ25H7", "φ25H7(+0.021/0)", "φ25 +0.021/0",
// "φ25.021/25.000", and for the pair "φ25H7/g6". Every number is written from
// the exact decimal it stands for, never rounded.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/feature.h"
#include "core/iso286_table.h"

namespace tolvo {

enum class CalloutStyle {
    Class,            // "φ25H7"
    ClassDeviations,  // "φ25H7(+0.021/0)"
    Deviations,       // "φ25 +0.021/0"
    Limits,           // "φ25.021/25.000"
};
// Every style, in the order above.
std::span<const CalloutStyle> CalloutStyles();
// The style's word on a command line, in a script and in the settings:
// "class", "class-deviations", "deviations", "limits".
std::string_view CalloutStyleName(CalloutStyle style);
std::optional<CalloutStyle> FindCalloutStyle(std::string_view name);

enum class DiameterSign {
    Phi,   // "φ" (U+03C6), customary in Japanese drawing texts
    Dia,   // "⌀" (U+2300)
    None,  // a length
};
std::span<const DiameterSign> DiameterSigns();
// "phi", "dia", "none".
std::string_view DiameterSignName(DiameterSign sign);
std::optional<DiameterSign> FindDiameterSign(std::string_view name);
// The sign itself: "φ", "⌀" or nothing.
std::string_view DiameterSignText(DiameterSign sign);

// What the callout reads of an evaluated feature.
struct CalloutSource {
    FeatureKind kind = FeatureKind::Hole;
    ToleranceMode mode = ToleranceMode::FitClass;
    double basicSize = 0.0;                                          // mm, as parsed from its edit
    iso286::ToleranceClass toleranceClass{FeatureKind::Hole, 0, 0};  // fit class mode
    int generalClass = 0;                                            // general mode: 0..3
    int generalSizeRange = 0;                                        // general mode: 0..7
    double freeUpper = 0.0;                                          // free mode, mm, upper >= lower
    double freeLower = 0.0;
};

// The two deviations as written: "+0.021" and "0", "-0.007" and "-0.020",
// or one "±0.2" when they are equal and of opposite sign. A drawing stacks
// upper over lower (symmetric: one line).
struct CalloutDeviations {
    std::string upper;
    std::string lower;  // empty when symmetric
    bool symmetric = false;
    // "+0.021/0", "±0.2".
    std::string Text() const;
    friend bool operator==(const CalloutDeviations&, const CalloutDeviations&) = default;
};

// The pieces every style is written from.
struct FeatureCallout {
    std::string basicSize;  // "25", "1250.5", without a sign
    std::string className;  // "H7"; empty for general and free features
    CalloutDeviations deviations;
    std::string upperLimit;  // "25.021", as many decimals as the lower one
    std::string lowerLimit;  // "25.000"
    std::string note;        // "JIS B 0405-m" for a general tolerance, else empty
    friend bool operator==(const FeatureCallout&, const FeatureCallout&) = default;
};

// None where the feature has no values to write: an undefined cell, a size
// not above zero, a number whose exact decimal takes more digits than a
// drawing could hold (beyond 18 significant digits).
std::optional<FeatureCallout> DescribeCallout(const CalloutSource& source);

// A feature's callout in one style, on one line. A general tolerance is
// followed by its note: "φ25 ±0.2 (JIS B 0405-m)". A feature without a class
// (general, free) writes its deviations in the class styles.
std::string CalloutText(const FeatureCallout& feature, CalloutStyle style, DiameterSign sign);

// The basic size with its sign ("φ25"), what a drawing writes before the
// stacked deviations.
std::string CalloutSizeText(const FeatureCallout& feature, DiameterSign sign);

// The pair: "φ25H7/g6" in the class style when both have a class at the same
// size, else each feature's callout one after the other, the hole first,
// separated by a blank.
std::string PairCalloutText(const FeatureCallout& hole, const FeatureCallout& shaft, CalloutStyle style,
                            DiameterSign sign);

}  // namespace tolvo
