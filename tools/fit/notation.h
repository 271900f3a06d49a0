// tolvo-fit's --notation and --diameter-sign: a query's callouts as a drawing
// writes them (core/callout.h), in one style or all.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "core/callout.h"
#include "tools/fit/options.h"
#include "tools/fit/query.h"
#include "tools/fit/result.h"

namespace tolvo::fit {

// The option table's handlers: "--notation class|class-deviations|deviations|limits|all"
// and "--diameter-sign phi|dia|none".
std::optional<Error> ReadNotation(const OptionSpec& option, std::span<const std::string_view> values,
                                  Options& options);
std::optional<Error> ReadDiameterSign(const OptionSpec& option, std::span<const std::string_view> values,
                                      Options& options);

// The pair's callout in the one style asked for, or one line per style
// ("class: φ25H7/g6") for all; as JSON one object with a member per style,
// each with the hole's, the shaft's and the pair's callout. An error where a
// feature's values take more digits than a callout writes exactly.
std::variant<std::string, Error> WriteNotation(const Result& result, const Options& options);

// A feature's callout; none where its values take more digits than a callout writes exactly.
std::optional<FeatureCallout> CalloutOf(const FeatureResult& f);

}  // namespace tolvo::fit
