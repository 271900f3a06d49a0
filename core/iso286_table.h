// The whole ISO 286 system of limits (ISO 286-1/-2:2010, JIS B0401-1/-2:2016):
// 28 fundamental-deviation letters per feature, the grades IT01 to IT18 and
// basic sizes over 0 up to and including 3150 mm.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/feature.h"

namespace tolvo {

// Upper and lower limit deviation in micrometres (ES/EI of a hole, es/ei of a shaft).
struct Deviations {
    double upper;
    double lower;
    friend constexpr bool operator==(const Deviations&, const Deviations&) = default;
};

}  // namespace tolvo

namespace tolvo::iso286 {

// Letters A B C CD D E EF F FG G H JS J K M N P R S T U V X Y Z ZA ZB ZC (a .. zc
// for shafts), grades IT01, IT0, IT1 .. IT18 (index 0, 1, 2 .. 19), both in the
// standard's order.
inline constexpr int kLetterCount = 28;
inline constexpr int kGradeCount = 20;
// The steps that separate every cell rule: the intermediate steps of the
// fundamental deviations, with 0 to 3 mm split at 1 mm.
inline constexpr int kSizeStepCount = 42;
inline constexpr double kLargestBasicSize = 3150.0;
inline constexpr int kCellCount = kFeatureKindCount * kLetterCount * kGradeCount * kSizeStepCount;

// "A".."ZC" for the hole, "a".."zc" for the shaft.
std::string_view LetterName(FeatureKind kind, int letterIndex);
// "01", "0", "1" .. "18".
std::string_view GradeName(int gradeIndex);
std::optional<int> FindLetter(FeatureKind kind, std::string_view name);
std::optional<int> FindGrade(std::string_view name);

// A size step is "over `over`, up to and including `upTo`" (mm).
struct SizeStep {
    double over;
    double upTo;
};
// The step of a basic size in mm; none for sizes <= 0 or over 3150 mm (and NaN).
std::optional<int> ClassifySizeStep(double basicSize);
SizeStep SizeStepBounds(int sizeStep);

// The limit deviations in micrometres of a class at a size step; none where the
// standard defines no such cell. Indexes must be in range.
std::optional<Deviations> Lookup(FeatureKind kind, int letterIndex, int gradeIndex, int sizeStep);
// The standard tolerance IT in micrometres; none where the grade has none
// (IT01 and IT0 over 500 mm, IT14 to IT18 up to 1 mm).
std::optional<double> StandardTolerance(int gradeIndex, int sizeStep);

// A tolerance class: "H7", "zc11", "h01", "JS5". Upper case is a hole, lower
// case a shaft.
struct ToleranceClass {
    FeatureKind kind;
    int letterIndex;
    int gradeIndex;
    friend constexpr bool operator==(const ToleranceClass&, const ToleranceClass&) = default;
};
std::optional<ToleranceClass> ParseClassName(std::string_view name);
std::string FormatClassName(const ToleranceClass& toleranceClass);

}  // namespace tolvo::iso286
