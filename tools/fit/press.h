// tolvo-fit --press: the interference-fit joint of a pair (SIZE HOLE/SHAFT)
// or of a given interference (SIZE --interference MIN MAX), computed by
// core/press_fit.h, written as text or JSON.
#pragma once

#include <optional>
#include <string>
#include <variant>

#include "core/materials.h"
#include "core/press_fit.h"
#include "tools/fit/query.h"

namespace tolvo::fit {

// The words and the options a joint needs, when the command line is read.
std::optional<Error> CheckPressWords(const Options& options);

struct PressReport {
    PressFitInput input;
    PressFitResult result;
    const Material* hubMaterial = nullptr;
    const Material* shaftMaterial = nullptr;
    std::string pairText;  // "H7/s6" as given; empty with --interference
};

// The joint, or why it cannot be computed (a bad pair, a value out of its range).
std::variant<PressReport, Error> EvaluatePress(const Options& options);

std::string WritePressText(const PressReport& report, Language language);
// One JSON object on one line.
std::string WritePressJson(const PressReport& report);

// 0 for a joint, 1 when there is none: no interference, or no pressure at
// either end.
int PressExitStatus(const PressReport& report);

}  // namespace tolvo::fit
