// The calculation sheet of the main window as it stands: its inputs, the
// report's lines, the diagram's features, and the sections other windows add.
#pragma once

#include <string>
#include <vector>

#include "core/calculation_sheet.h"
#include "ui/main_model.h"
#include "ui/press_fit_model.h"
#include "ui/service_model.h"

namespace tolvo {

SheetSource SheetSourceOf(const MainModel& model, std::string date, std::vector<SheetSection> further = {});

// The sections the operating conditions' and the joint's dialogs add while
// they are open (none for a closed one) and show results, in that order.
std::vector<SheetSection> CompanionSheetSections(const ServiceModel* service, const PressFitModel* pressFit);

}  // namespace tolvo
