// The checks that keep a feature inside what the tables of JIS B0401 and
// JIS B0405 define. Each is a pure test of one feature's current settings;
// the window decides what to show and how to correct.
#pragma once

#include "core/feature.h"

namespace tolvo {

// Fit mode over 120 mm: the fit table ends there.
bool FitSizeLimitFails(double basicSize, ToleranceMode mode);
// General mode over 0 and under 0.5 mm: JIS B0405 wants such tolerances given
// one by one.
bool GeneralSizeLowerLimitFails(double basicSize, ToleranceMode mode);
// General mode over 4000 mm: JIS B0405 defines nothing there.
bool GeneralSizeUpperLimitFails(double basicSize, ToleranceMode mode);

enum class GradeRuleOutcome {
    NotApplicable,
    Restricted,  // the size and letter forbid grades above 8; the grade is 8 or finer
    Violated,    // the size and letter forbid grades above 8 and the grade is above 8
};

// Hole only. JIS B0401-2 defines no K above grade 8 over 3 mm.
GradeRuleOutcome KGradeRule(double basicSize, ToleranceMode mode, int letterIndex, int gradeIndex);
// Hole only. JIS B0401-1 forbids N above grade 8 up to 1 mm (sizes over 0).
GradeRuleOutcome NGradeRule(double basicSize, ToleranceMode mode, int letterIndex, int gradeIndex);

// 極粗級 is undefined up to 3 mm (general size range 0).
bool VeryCoarseClassFails(int generalSizeRange, int generalClass, ToleranceMode mode);
// 精級 is undefined over 2000 mm (general size range 7).
bool FineClassFails(int generalSizeRange, int generalClass, ToleranceMode mode);

// A smaller limit size of zero or below deserves a warning (nothing is refused).
bool NonPositiveLimitWarningDue(double lowerLimit);

}  // namespace tolvo
