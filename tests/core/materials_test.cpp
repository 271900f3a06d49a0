#include "core/materials.h"

#include <gtest/gtest.h>

#include <string>

namespace tolvo {
namespace {

// A slip of a decimal place in the table (11.7e-5 for steel's α, 0.03 for a
// Poisson's ratio) lands outside the physical ranges of its kind of material.
TEST(Materials, EveryValueIsPhysicalForItsKind) {
    for (const Material& m : Materials()) {
        SCOPED_TRACE(std::string(m.key));
        const MaterialProperties& p = m.properties;
        const bool plastic = p.densityKgPerM3 < 2000.0;
        EXPECT_GT(p.poissonRatio, 0.2);
        EXPECT_LT(p.poissonRatio, 0.45);
        EXPECT_GE(p.elasticModulusGpa, plastic ? 1.0 : 60.0);
        EXPECT_LE(p.elasticModulusGpa, plastic ? 5.0 : 220.0);
        EXPECT_GE(p.expansionPerKelvin, plastic ? 50e-6 : 8e-6);
        EXPECT_LE(p.expansionPerKelvin, plastic ? 150e-6 : 25e-6);
        EXPECT_GE(p.strengthMpa, 50.0);
        EXPECT_LE(p.strengthMpa, 1200.0);
        EXPECT_GE(p.densityKgPerM3, 1000.0);
        EXPECT_LE(p.densityKgPerM3, 9000.0);
        EXPECT_FALSE(m.japaneseName.empty());
        // No name of one material finds another.
        for (std::string_view name : {m.key, m.grade, m.englishName})
            EXPECT_EQ(FindMaterial(name), &m) << name;
    }
    EXPECT_GE(Materials().size(), 13u);
}

TEST(Materials, FoundByKeyGradeOrEnglishNameInAnyCase) {
    struct Case {
        std::string_view name;
        std::string_view key;  // empty: unknown
    };
    for (const Case& c : {Case{"steel", "steel"}, Case{"S45c", "steel"}, Case{"Carbon Steel", "steel"},
                          Case{"sus304", "stainless"}, Case{"POM", "pom"}, Case{"pa6", "pa6"},
                          Case{"wood", ""}, Case{"", ""}, Case{"steel ", ""}}) {
        const Material* found = FindMaterial(c.name);
        EXPECT_EQ(found ? found->key : std::string_view{}, c.key) << c.name;
    }
    EXPECT_EQ(MaterialKeyList().substr(0, 20), "steel, alloy-steel, ");
}

TEST(Materials, EachGivenValueReplacesTheMaterials) {
    const MaterialProperties steel = FindMaterial("steel")->properties;
    MaterialOverrides given;
    given.expansionPerKelvin = 23e-6;
    given.densityKgPerM3 = 1.0;
    const MaterialProperties p = WithOverrides(steel, given);
    EXPECT_EQ(p.expansionPerKelvin, 23e-6);
    EXPECT_EQ(p.densityKgPerM3, 1.0);
    EXPECT_EQ(p.elasticModulusGpa, steel.elasticModulusGpa);
    EXPECT_EQ(p.poissonRatio, steel.poissonRatio);
    EXPECT_EQ(p.strengthMpa, steel.strengthMpa);
    EXPECT_EQ(WithOverrides(steel, {}), steel);
}

}  // namespace
}  // namespace tolvo
