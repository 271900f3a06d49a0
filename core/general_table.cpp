#include "core/general_table.h"

#include <array>
#include <cassert>

#include "core/texts_ja.h"

namespace tolvo {
namespace {

constexpr std::nullopt_t kEmpty = std::nullopt;

constexpr std::array<std::array<std::optional<double>, kGeneralSizeRangeCount>, kGeneralClassCount>
    kGeneralTable = {{
        {0.05, 0.05, 0.1, 0.15, 0.2, 0.3, 0.5, kEmpty},
        {0.1, 0.1, 0.2, 0.3, 0.5, 0.8, 1.2, 2},
        {0.2, 0.3, 0.5, 0.8, 1.2, 2, 3, 4},
        {kEmpty, 0.5, 1, 1.5, 2.5, 4, 6, 8},
    }};

constexpr std::array<double, kGeneralSizeRangeCount> kGeneralRangeUpperBounds = {3,   6,    30,   120,
                                                                                 400, 1000, 2000, 4000};

static_assert(ja::kGeneralClassNames.size() == kGeneralClassCount);

}  // namespace

std::optional<double> GeneralTableLookup(int generalClass, int generalSizeRange) {
    assert(generalClass >= 0 && generalClass < kGeneralClassCount);
    assert(generalSizeRange >= 0 && generalSizeRange < kGeneralSizeRangeCount);
    return kGeneralTable[generalClass][generalSizeRange];
}

int ClassifyGeneralSizeRange(double basicSize, int previousRange) {
    for (int range = 0; range < kGeneralSizeRangeCount; ++range) {
        if (basicSize <= kGeneralRangeUpperBounds[range]) return range;
    }
    return previousRange;
}

std::string_view GeneralClassName(int generalClass) {
    return ja::kGeneralClassNames[generalClass];
}

}  // namespace tolvo
