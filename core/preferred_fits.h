// The fits JIS B0401 lists as commonly used (常用するはめあい): the hole-basis
// and the shaft-basis lists, each pair with the kind of fit it usually is.
#pragma once

#include <span>
#include <string_view>

#include "core/fit_evaluation.h"
#include "core/iso286_table.h"

namespace tolvo {

enum class CommonFitList { HoleBasis, ShaftBasis };

struct CommonFitEntry {
    CommonFitList list;
    std::string_view hole;  // class names as iso286::ParseClassName reads them
    std::string_view shaft;
    FitKind usualKind;  // the column the pair stands in; its kind at a given size may differ
    bool kindVaries;    // marked in the standard's list as changing kind in some size steps
};

// Both lists in the standard's order: hole basis (H6, H7, H8, H9, H10), then
// shaft basis (h5, h6, h7, h8, h9). A pair in both lists stands twice.
std::span<const CommonFitEntry> CommonFitEntries();

// True when the class is the hole or the shaft of a pair in either list.
bool InCommonFit(const iso286::ToleranceClass& toleranceClass);

// True when the pair stands in either list.
bool IsCommonFit(const iso286::ToleranceClass& hole, const iso286::ToleranceClass& shaft);

}  // namespace tolvo
