// The checks that keep a feature inside what the tables of JIS B0401 and
// JIS B0405 define. Each is a pure test of one feature's current settings;
// the window decides what to show and how to correct.
#pragma once

#include "core/feature.h"
#include "core/fit_table.h"

namespace tolvo {

// Fit mode over the range's largest basic size: 120 mm for the classic
// slice, 3150 mm, where the standard ends, for the whole ISO 286 system.
bool FitSizeLimitFails(double basicSize, ToleranceMode mode, const ClassRange& range = ClassicRange());
// General mode over 0 and under 0.5 mm: JIS B0405 wants such tolerances given
// one by one.
bool GeneralSizeLowerLimitFails(double basicSize, ToleranceMode mode);
// General mode over 4000 mm: JIS B0405 defines nothing there.
bool GeneralSizeUpperLimitFails(double basicSize, ToleranceMode mode);

// General mode with 極粗級 where the general table has no cell for it (up to 3 mm).
bool VeryCoarseClassFails(int generalSizeRange, int generalClass, ToleranceMode mode);
// General mode with 精級 where the general table has no cell for it (over 2000 mm).
bool FineClassFails(int generalSizeRange, int generalClass, ToleranceMode mode);

// A smaller limit size of zero or below deserves a warning (nothing is refused).
bool NonPositiveLimitWarningDue(double lowerLimit);

}  // namespace tolvo
