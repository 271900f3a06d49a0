// The tooltips of the main window's controls: what each input control takes
// (units, range) and what the fit-kind label shows. The model keeps them in
// its control states, following the range of classes; while an input edit
// computes with only the leading part of its text, the views show
// PartialNumberTooltip instead.
#pragma once

#include <string>
#include <string_view>

#include "core/fit_table.h"
#include "ui/control_states.h"

namespace tolvo {

// Gives every input control of the main window, the general-class labels and
// the fit-kind label their tooltips for the range of classes.
void SetMainDialogTooltips(ControlStates& controls, const ClassRange& range);

// The tooltip of an input edit whose number was read from only the leading
// part of its text: readAs is that part ("25" for "25,5").
std::string PartialNumberTooltip(std::string_view readAs);

}  // namespace tolvo
