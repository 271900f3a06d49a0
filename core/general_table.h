// General tolerances for linear dimensions of JIS B0405 (table 1): four
// classes over eight size ranges from 0.5 mm to 4000 mm.
#pragma once

#include <optional>
#include <string_view>

namespace tolvo {

inline constexpr int kGeneralClassCount = 4;
inline constexpr int kGeneralSizeRangeCount = 8;

enum GeneralClass : int { kFineClass = 0, kMediumClass = 1, kCoarseClass = 2, kVeryCoarseClass = 3 };

// The permissible deviation t in mm (the feature gets +t / -t); none for the
// two cells the standard leaves empty (精級 over 2000 mm, 極粗級 up to 3 mm).
// Indexes must be in range.
std::optional<double> GeneralTableLookup(int generalClass, int generalSizeRange);

// 0 up to 3 mm (every smaller size too), 1 up to 6, 2 up to 30, 3 up to 120,
// 4 up to 400, 5 up to 1000, 6 up to 2000, 7 up to 4000 (bounds included).
// A size above 4000 keeps the previous range.
int ClassifyGeneralSizeRange(double basicSize, int previousRange);

// "精級", "中級", "粗級", "極粗級".
std::string_view GeneralClassName(int generalClass);

}  // namespace tolvo
