// Common engineering materials with the five numbers the service
// computations need: stiffness, lateral contraction, thermal expansion,
// strength and density. The values are typical, near room temperature, for
// the grade named with each material; a designer should use the supplier's
// figures, and every use also takes values given directly (MaterialOverrides).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tolvo {

struct MaterialProperties {
    double elasticModulusGpa = 0.0;   // E
    double poissonRatio = 0.0;        // ν
    double expansionPerKelvin = 0.0;  // α, linear, 1/K
    double strengthMpa = 0.0;         // yield or 0.2 % proof strength (tensile strength where brittle)
    double densityKgPerM3 = 0.0;      // ρ
    friend bool operator==(const MaterialProperties&, const MaterialProperties&) = default;
};

struct Material {
    std::string_view key;           // the command line's name: "steel", "pom"
    std::string_view grade;         // the grade the values are for: "S45C", "A6061-T6"
    std::string_view japaneseName;  // from core/texts_ja.h
    std::string_view englishName;
    // Grey cast iron has no yield point: its strength is the tensile strength,
    // and a safety against it means fracture, not yielding.
    bool brittle = false;
    MaterialProperties properties;
};

// The table, in the order a list shows it (steels first).
std::span<const Material> Materials();

// By key, English name or grade, any case; none for an unknown name.
const Material* FindMaterial(std::string_view name);

// The keys, comma-separated, for a message that lists what is known.
std::string MaterialKeyList();

// Values given directly; each one given replaces the material's.
struct MaterialOverrides {
    std::optional<double> elasticModulusGpa;
    std::optional<double> poissonRatio;
    std::optional<double> expansionPerKelvin;
    std::optional<double> strengthMpa;
    std::optional<double> densityKgPerM3;
};

MaterialProperties WithOverrides(const MaterialProperties& base, const MaterialOverrides& overrides);

}  // namespace tolvo
