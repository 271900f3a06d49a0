#include "core/callout_parse.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "core/general_table.h"

namespace tolvo {
namespace {

// "25 H7 g6", "- H7 -", or "refused": what a callout sets, in one line.
std::string Described(const std::optional<Callout>& callout) {
    if (!callout) return "refused";
    const auto name = [](const std::optional<iso286::ToleranceClass>& c) {
        return c ? iso286::FormatClassName(*c) : std::string("-");
    };
    return callout->basicSize.value_or("-") + ' ' + name(callout->hole) + ' ' + name(callout->shaft);
}

struct CalloutCase {
    std::string_view text;
    std::string_view read;
};

TEST(ParseCalloutTest, ReadsTheSizeAndEachSidesClassOrRefuses) {
    const CalloutCase cases[] = {
        {"φ25 H7/g6", "25 H7 g6"},
        {"25H7/g6", "25 H7 g6"},
        {"Ø25 H7", "25 H7 -"},
        {"⌀25 g6", "25 - g6"},
        {"ø 12.5 JS7 / js6", "12.5 JS7 js6"},
        {"∅0.8h01", "0.8 - h01"},
        {"ϕ3150 ZC18/a9", "3150 ZC18 a9"},
        {"  H7/g6\n", "- H7 g6"},
        {"zc11", "- - zc11"},
        {"φ２５　Ｈ７／ｇ６", "25 H7 g6"},  // full-width, as an input method types
        {"φ25\tH7 /g6 ", "25 H7 g6"},
        {"", "refused"},
        {"φ25", "refused"},       // no class
        {"25 H7/", "refused"},    // the shaft's class missing
        {"25 g6/H7", "refused"},  // the shaft over the hole
        {"25 H7/G6", "refused"},  // two holes
        {"25 h7/g6", "refused"},  // two shafts
        {"25 Js7", "refused"},    // mixed case names no letter
        {"25 H19", "refused"},    // no such grade
        {"25 I7", "refused"},     // no such letter
        {"0 H7", "refused"},      // no basic size
        {"-25 H7", "refused"},
        {"25mm H7", "refused"},
        {"25 H7/g6 fit", "refused"},
        {"φφ25 H7", "refused"},
        {"25 H7\ng6", "refused"},
        {"25 \xC3 H7", "refused"},  // a stray byte
        {"25 H7/g6\xFF", "refused"},
    };
    for (const CalloutCase& c : cases) {
        EXPECT_EQ(Described(ParseCallout(c.text)), c.read) << c.text;
    }
}

// "D5" for a slider class, "D" while only the letter is named, "none".
std::string Described(const ClassRange& range, const std::optional<TypedFitClass>& typed) {
    if (!typed) return "none";
    const int grade = typed->gradePosition.value_or(0);
    const iso286::ToleranceClass c = *range.ClassAt(FeatureKind::Hole, typed->letterPosition, grade);
    std::string name(iso286::LetterName(FeatureKind::Hole, c.letterIndex));
    if (typed->gradePosition) name += iso286::GradeName(c.gradeIndex);
    return name;
}

struct TypedCase {
    bool whole;
    std::string_view typed;
    std::string_view selected;
};

TEST(MatchTypedFitClassTest, SelectsTheFirstClassTheTypedTextStarts) {
    const TypedCase cases[] = {
        {false, "g", "G"},     {false, "g6", "G6"},     {false, "G6", "G6"},   {false, "ｇ６", "G6"},
        {false, "j", "JS"},    {false, "js", "JS"},     {false, "js7", "JS7"}, {false, "j7", "none"},
        {false, "h1", "H10"},  {false, "h12", "H12"},   {false, "p", "P"},     {false, "a", "none"},
        {false, "h4", "none"}, {false, "zc11", "none"}, {false, "7", "none"},  {false, "h7x", "none"},
        {false, "", "none"},   {false, "h 7", "none"},  {true, "c", "C"},      {true, "cd", "CD"},
        {true, "z", "Z"},      {true, "zc11", "ZC11"},  {true, "h0", "H0"},    {true, "h01", "H01"},
        {true, "h1", "H1"},    {true, "h19", "none"},   {true, "i", "none"},   {true, "x", "X"},
        {true, "j", "JS"},     {true, "j7", "J7"},
    };
    for (const TypedCase& c : cases) {
        const ClassRange& range = c.whole ? WholeRange() : ClassicRange();
        EXPECT_EQ(Described(range, MatchTypedFitClass(range, c.typed)), c.selected) << c.typed;
    }
}

TEST(MatchTypedGeneralClassTest, NamesAClassByItsLetterOrName) {
    const std::pair<std::string_view, std::optional<int>> cases[] = {
        {"f", kFineClass},   {"M", kMediumClass},          {"c", kCoarseClass},  {"ｖ", kVeryCoarseClass},
        {"精", kFineClass},  {"極粗級", kVeryCoarseClass}, {"粗", kCoarseClass}, {"級", std::nullopt},
        {"x", std::nullopt}, {"fm", std::nullopt},         {"", std::nullopt},
    };
    for (const auto& [typed, generalClass] : cases)
        EXPECT_EQ(MatchTypedGeneralClass(typed), generalClass) << typed;
}

}  // namespace
}  // namespace tolvo
