#include "core/setting_checks.h"

#include "core/general_table.h"

namespace tolvo {
namespace {

constexpr double kGeneralTableMinSize = 0.5;
constexpr double kGeneralTableMaxSize = 4000.0;

// A general class rule fails where the table has no cell for the class.
bool ClassRuleFails(int rulesClass, int generalSizeRange, int generalClass, ToleranceMode mode) {
    return mode == ToleranceMode::General && generalClass == rulesClass && generalSizeRange >= 0 &&
           generalSizeRange < kGeneralSizeRangeCount && !GeneralTableLookup(generalClass, generalSizeRange);
}

}  // namespace

bool FitSizeLimitFails(double basicSize, ToleranceMode mode, const ClassRange& range) {
    return basicSize > range.LargestBasicSize() && mode == ToleranceMode::FitClass;
}

bool GeneralSizeLowerLimitFails(double basicSize, ToleranceMode mode) {
    return basicSize > 0.0 && basicSize < kGeneralTableMinSize && mode == ToleranceMode::General;
}

bool GeneralSizeUpperLimitFails(double basicSize, ToleranceMode mode) {
    return basicSize > kGeneralTableMaxSize && mode == ToleranceMode::General;
}

bool VeryCoarseClassFails(int generalSizeRange, int generalClass, ToleranceMode mode) {
    return ClassRuleFails(kVeryCoarseClass, generalSizeRange, generalClass, mode);
}

bool FineClassFails(int generalSizeRange, int generalClass, ToleranceMode mode) {
    return ClassRuleFails(kFineClass, generalSizeRange, generalClass, mode);
}

bool NonPositiveLimitWarningDue(double lowerLimit) {
    return lowerLimit <= 0.0;
}

}  // namespace tolvo
