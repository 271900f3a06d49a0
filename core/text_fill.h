// Catalogue texts with places for values.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tolvo {

// The pattern with "{0}", "{1}", ... replaced by the values of those indices,
// so that a catalogue may put a text's values in the order its language
// needs. Any other character, and a place without a value, is copied as is.
std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace tolvo
