// The calculation sheet of the main window as it stands: its inputs, the
// report's lines, the diagram's features, and the sections other windows add.
#pragma once

#include <string>
#include <vector>

#include "core/calculation_sheet.h"
#include "ui/main_model.h"

namespace tolvo {

SheetSource SheetSourceOf(const MainModel& model, std::string date, std::vector<SheetSection> further = {});

}  // namespace tolvo
