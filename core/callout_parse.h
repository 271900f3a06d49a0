// What the user types on a class control and what a pasted fit callout says:
// "g6" typed on a letter slider, "m" on the general-class scroll bar,
// "φ25 H7/g6" from a drawing.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/fit_table.h"
#include "core/iso286_table.h"

namespace tolvo {

// The slider positions a text typed on a feature's letter or grade slider
// names in a range, as a list box selects by typing: the letters (either case)
// select the first of the range's letters whose name starts with them ("j" is
// JS, which comes before J); once digits follow, the letters must name a
// letter and the digits its grade: the grade named, else the first whose name
// starts with them ("j7" is J7, "h0" IT0, "h01" IT01). Full-width forms count
// as their ASCII ones. None when the range offers no such class.
struct TypedFitClass {
    int letterPosition = 0;
    std::optional<int> gradePosition;  // none while only letters are typed
    friend constexpr bool operator==(const TypedFitClass&, const TypedFitClass&) = default;
};
std::optional<TypedFitClass> MatchTypedFitClass(const ClassRange& range, std::string_view typed);

// The general class a text typed on its scroll bar names: the class's letter
// of JIS B0405 (f, m, c, v, either case) or the start of its name ("精",
// "極粗級"). None for any other text.
std::optional<int> MatchTypedGeneralClass(std::string_view typed);

// A fit callout as drawings write it: an optional diameter sign ("φ", "Ø",
// "⌀"), an optional basic size in mm, then a hole's class, a shaft's class, or
// both as "H7/g6" (blanks between the parts are free; full-width forms count
// as their ASCII ones): "φ25 H7/g6", "25H7/g6", "Ø25 H7", "g6".
struct Callout {
    std::optional<std::string> basicSize;  // the size as the size edit takes it, "25.5"
    std::optional<iso286::ToleranceClass> hole;
    std::optional<iso286::ToleranceClass> shaft;
    friend bool operator==(const Callout&, const Callout&) = default;
};
// None for a text that is not such a callout, and for a size of zero.
std::optional<Callout> ParseCallout(std::string_view text);

}  // namespace tolvo
