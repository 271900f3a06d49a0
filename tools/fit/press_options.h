// What --press reads from the command line, as values: each option's number
// once checked to be a finite number, the materials by their table entries.
// What the numbers must be besides (Da > D, 0 < ν < 0.5, ...) the joint's own
// check says (core/press_fit.h).
#pragma once

#include <optional>

#include "core/materials.h"
#include "core/press_fit.h"

namespace tolvo::fit {

struct PressOptions {
    std::optional<double> interferenceMin;  // --interference MIN MAX, mm; none: from the pair
    std::optional<double> interferenceMax;
    std::optional<double> hubOuterDiameter;  // --hub-od, mm (needed)
    std::optional<double> length;            // --length, mm (needed)
    std::optional<double> shaftBore;         // --shaft-bore, mm; none: a solid shaft
    std::optional<double> friction;          // --mu
    std::optional<double> pressFriction;     // --mu-press
    const Material* hubMaterial = nullptr;   // --hub-material; none: carbon steel
    const Material* shaftMaterial = nullptr;
    // Values that replace the material's.
    std::optional<double> hubModulus;  // --hub-e, GPa
    std::optional<double> shaftModulus;
    std::optional<double> hubPoisson;  // --hub-nu
    std::optional<double> shaftPoisson;
    std::optional<double> hubStrength;  // --hub-yield, MPa
    std::optional<double> shaftStrength;
    std::optional<double> hubExpansion;  // --hub-alpha, 1/K
    std::optional<double> hubRoughness;  // --rz-hub, μm
    std::optional<double> shaftRoughness;
    std::optional<Smoothing> smoothing;    // --smoothing 0.4|0.8
    std::optional<double> speed;           // --rpm, 1/min
    std::optional<double> hubTemperature;  // --hub-temperature, °C in service; none: 20 °C
    std::optional<double> shaftTemperature;
    std::optional<double> roomTemperature;
    std::optional<double> mountingClearance;

    bool operator==(const PressOptions&) const = default;
};

}  // namespace tolvo::fit
