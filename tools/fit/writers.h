// tolvo-fit's outputs: a result as text (Japanese or English) or JSON, and
// the lines of the whole ISO 286 table.
#pragma once

#include <string>
#include <string_view>

#include "tools/fit/query.h"
#include "tools/fit/result.h"

namespace tolvo::fit {

// The shortest text that reads back as the same double, in the "C"
// conventions whatever the locale; a negative zero is written "0".
std::string ShortestNumber(double value);

// The head line of a feature: "穴 ( H7 )", "軸 ( 中級 )", "軸"; "hole H7" in English.
std::string FeatureHead(const FeatureResult& f, Language language);

// ",\"warnings\":[...]" with the window's warnings about the pair; empty when
// it has none, so that a result without warnings keeps its members.
std::string WarningsJson(const Result& result);

// A few lines, each ended by "\n"; the window's warnings follow, one a line.
std::string WriteText(const Result& result, Language language);
// The same items on one line (for a batch), separated by " | ", ended by "\n".
std::string WriteTextLine(const Result& result, Language language);
// One JSON object on one line, ended by "\n".
std::string WriteJson(const Result& result);

// Every cell of the whole system, one line each: hole before shaft, letters,
// grades and size steps in the standard's order.
std::string WriteTable(bool json);

}  // namespace tolvo::fit
