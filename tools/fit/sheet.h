// tolvo-fit --sheet FILE: the calculation sheet of a query as an SVG page,
// the same page the window prints, dated today.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/calculation_sheet.h"
#include "tools/fit/options.h"
#include "tools/fit/result.h"

namespace tolvo::fit {

// The option table's handler of --sheet.
std::optional<Error> ReadSheet(const OptionSpec& option, std::span<const std::string_view> values,
                               Options& options);

// What the sheet shows of a result, in the window's Japanese texts.
SheetSource SheetSourceOf(const Result& result, std::string date);

// The page as an SVG document.
std::string WriteSheetSvg(const Result& result, std::string date);

// The local date as "2026-12-08".
std::string TodayText();

}  // namespace tolvo::fit
