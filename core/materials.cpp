#include "core/materials.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "core/texts_ja.h"

namespace tolvo {
namespace {

// Sources, for the typical values below:
// - E, ν, α and ρ of the metals: ASM Handbook, Vol. 1 "Properties and
//   Selection: Irons, Steels, and High-Performance Alloys" and Vol. 2
//   "Nonferrous Alloys and Special-Purpose Materials" (ASM International,
//   1990), typical values at 20 °C; for the cast irons ISO 185 and ISO 1083
//   (informative annexes on mechanical and physical properties).
// - Strengths: the minimum yield or 0.2 % proof strength of the JIS grade
//   (JIS G 4051 S45C normalized, JIS G 4053 SCM440 quenched and tempered,
//   JIS G 4303 SUS304 solution treated, JIS G 5502 FCD450-10, JIS H 4040
//   A6061-T6, JIS H 5202 AC4C-T6 (typical, the standard gives tensile
//   strength only), JIS H 3250 C3604 (typical, half hard), JIS H 5120 CAC406
//   (typical, the standard gives tensile strength only), JIS H 3100 C1100-O
//   (typical), ASTM B348 Grade 5 for Ti-6Al-4V; the tensile strength of
//   JIS G 5501 FC250 for grey cast iron.
// - POM (copolymer) and PA6 (dry as moulded): typical values of the
//   producers' data sheets as collected in the Kunststoff-Taschenbuch
//   (Saechtling, 31st edition, Hanser 2013); PA6 loses about half its
//   stiffness and strength when conditioned (moist).
constexpr std::array kMaterials = {
    Material{"steel",
             "S45C",
             ja::kMaterialCarbonSteel,
             "carbon steel",
             false,
             {206.0, 0.30, 11.7e-6, 345.0, 7850.0}},
    Material{"alloy-steel",
             "SCM440",
             ja::kMaterialAlloySteel,
             "alloy steel, quenched and tempered",
             false,
             {206.0, 0.30, 11.2e-6, 835.0, 7850.0}},
    Material{"stainless",
             "SUS304",
             ja::kMaterialStainlessSteel,
             "austenitic stainless steel",
             false,
             {193.0, 0.29, 17.3e-6, 205.0, 7930.0}},
    Material{"grey-iron",
             "FC250",
             ja::kMaterialGreyIron,
             "grey cast iron",
             true,
             {110.0, 0.26, 10.5e-6, 250.0, 7250.0}},
    Material{"ductile-iron",
             "FCD450",
             ja::kMaterialDuctileIron,
             "spheroidal graphite cast iron",
             false,
             {169.0, 0.275, 11.5e-6, 280.0, 7100.0}},
    Material{"aluminium",
             "A6061-T6",
             ja::kMaterialWroughtAluminium,
             "aluminium alloy, wrought",
             false,
             {68.9, 0.33, 23.6e-6, 245.0, 2700.0}},
    Material{"cast-aluminium",
             "AC4C-T6",
             ja::kMaterialCastAluminium,
             "aluminium casting alloy",
             false,
             {72.4, 0.33, 21.5e-6, 185.0, 2680.0}},
    Material{"brass", "C3604", ja::kMaterialBrass, "brass", false, {97.0, 0.34, 20.5e-6, 250.0, 8500.0}},
    Material{"bronze", "CAC406", ja::kMaterialBronze, "bronze", false, {83.0, 0.34, 18.0e-6, 117.0, 8830.0}},
    Material{"copper", "C1100", ja::kMaterialCopper, "copper", false, {117.0, 0.34, 17.0e-6, 69.0, 8890.0}},
    Material{"titanium",
             "Ti-6Al-4V",
             ja::kMaterialTitanium,
             "titanium alloy",
             false,
             {114.0, 0.34, 8.6e-6, 880.0, 4430.0}},
    Material{"pom", "POM", ja::kMaterialPom, "polyacetal (POM)", false, {2.8, 0.35, 110e-6, 65.0, 1410.0}},
    Material{
        "pa6", "PA6", ja::kMaterialPa6, "polyamide 6 (PA6), dry", false, {2.8, 0.39, 80e-6, 80.0, 1130.0}},
};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::span<const Material> Materials() {
    return kMaterials;
}

const Material* FindMaterial(std::string_view name) {
    for (const Material& m : kMaterials) {
        if (SameIgnoringCase(name, m.key) || SameIgnoringCase(name, m.grade) ||
            SameIgnoringCase(name, m.englishName))
            return &m;
    }
    return nullptr;
}

std::string MaterialKeyList() {
    std::string list;
    for (const Material& m : kMaterials) {
        if (!list.empty()) list += ", ";
        list += m.key;
    }
    return list;
}

MaterialProperties WithOverrides(const MaterialProperties& base, const MaterialOverrides& overrides) {
    return {overrides.elasticModulusGpa.value_or(base.elasticModulusGpa),
            overrides.poissonRatio.value_or(base.poissonRatio),
            overrides.expansionPerKelvin.value_or(base.expansionPerKelvin),
            overrides.strengthMpa.value_or(base.strengthMpa),
            overrides.densityKgPerM3.value_or(base.densityKgPerM3)};
}

}  // namespace tolvo
