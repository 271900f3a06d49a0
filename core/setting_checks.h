// The checks that keep a feature inside what the tables of JIS B0401 and
// JIS B0405 define. Each is a pure test of one feature's current settings;
// the window decides what to show and how to correct.
#pragma once

#include "core/feature.h"

namespace tolvo {

// Fit mode over 120 mm: the fit table ends there. With the whole ISO 286
// range, fit mode over 3150 mm, where the standard ends.
bool FitSizeLimitFails(double basicSize, ToleranceMode mode, FitClassRange range = FitClassRange::Seed);
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

// Hole only, in fit mode: the grades of the letter for which the fit table has
// no cell at this size (JIS B0401-2 defines no K above grade 8 over 3 mm).
GradeRuleOutcome KGradeRule(double basicSize, ToleranceMode mode, int letterIndex, int gradeIndex);
// Hole only, in fit mode: the grades of the letter that the fit table bars at
// this size (JIS B0401-1 forbids N above grade 8 over 0 up to 1 mm).
GradeRuleOutcome NGradeRule(double basicSize, ToleranceMode mode, int letterIndex, int gradeIndex);

// General mode with 極粗級 where the general table has no cell for it (up to 3 mm).
bool VeryCoarseClassFails(int generalSizeRange, int generalClass, ToleranceMode mode);
// General mode with 精級 where the general table has no cell for it (over 2000 mm).
bool FineClassFails(int generalSizeRange, int generalClass, ToleranceMode mode);

// With the whole ISO 286 range, what the standard answers for a class at a
// size step: the cell is defined, or its letter has other grades there (the
// nearest one, the finer on a tie), or the letter has no grade there at all.
struct WholeCellCheck {
    enum class Outcome { Defined, OtherGrade, NoGrade };
    Outcome outcome = Outcome::Defined;
    int nearestGrade = 0;  // for OtherGrade: the whole-range grade index to move to
    // For OtherGrade: the hole's K above IT8 over 3 mm or N above IT8 up to
    // 1 mm, which keep the seed range's own K and N messages.
    bool kRule = false;
    bool nRule = false;
};
// Indexes must be in range.
WholeCellCheck CheckWholeCell(FeatureKind kind, int letterIndex, int gradeIndex, int sizeStep);

// A smaller limit size of zero or below deserves a warning (nothing is refused).
bool NonPositiveLimitWarningDue(double lowerLimit);

}  // namespace tolvo
