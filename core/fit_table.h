// The fit tolerance table of ISO 286 / JIS B0401 for basic sizes up to 120 mm:
// ten fundamental-deviation letters per feature and the IT grades 5 to 12.
#pragma once

#include <optional>
#include <string_view>

#include "core/feature.h"

namespace tolvo {

inline constexpr int kFitSizeRangeCount = 8;
inline constexpr int kLetterCount = 10;
inline constexpr int kGradeCount = 8;
inline constexpr int kFirstGrade = 5;
inline constexpr int kFitCellCount = kFeatureKindCount * kFitSizeRangeCount * kLetterCount * kGradeCount;

// Letter indexes that the grade rules name.
inline constexpr int kLetterK = 6;
inline constexpr int kLetterN = 8;
// Grade index of IT8, the finest grade the K and N rules fall back to.
inline constexpr int kGradeIndex8 = 3;

// Upper and lower limit deviation in micrometres (ES/EI of a hole, es/ei of a shaft).
struct Deviations {
    double upper;
    double lower;
    friend constexpr bool operator==(const Deviations&, const Deviations&) = default;
};

// The cell for a feature, size range, letter and grade; none where the
// standard defines no cell (hole K above grade 8 over 3 mm). Indexes must be
// in range.
std::optional<Deviations> FitTableLookup(FeatureKind kind, int fitSizeRange, int letterIndex, int gradeIndex);

// True where a cell exists for its size range but the standard bars it from
// part of that range: JIS B0401-1 forbids hole N above grade 8 for sizes over
// 0 up to 1 mm, while the same cells serve over 1 up to 3 mm. Any index out of
// range gives false.
bool FitCellBarredAt(FeatureKind kind, double basicSize, int letterIndex, int gradeIndex);

// The range of a basic size in mm: 0 up to 3, 1 up to 6, 2 up to 10, 3 up to
// 18, 4 up to 30, 5 up to 50, 6 up to 80, 7 up to 120 (each bound included;
// every size up to 3, zero and negative included, is range 0). A size above
// 120 keeps the previous range.
int ClassifyFitSizeRange(double basicSize, int previousRange);

// "D".."P" for the hole, "d".."p" for the shaft.
std::string_view LetterName(FeatureKind kind, int letterIndex);
int GradeNumber(int gradeIndex);

}  // namespace tolvo
