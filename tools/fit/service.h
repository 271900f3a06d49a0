// tolvo-fit's fit in service: a query's pair at its operating temperatures,
// over a range of temperatures and as the parts spread (core/service_conditions.h),
// and --materials, the materials table. The option rows are in the option
// table (options.cpp); their handlers and checks are here.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "core/service_conditions.h"
#include "tools/fit/options.h"
#include "tools/fit/query.h"
#include "tools/fit/result.h"

namespace tolvo::fit {

// The handlers of the service options' rows.
std::optional<Error> ReadHoleMaterial(const OptionSpec&, std::span<const std::string_view>, Options&);
std::optional<Error> ReadShaftMaterial(const OptionSpec&, std::span<const std::string_view>, Options&);
std::optional<Error> ReadHoleAlpha(const OptionSpec&, std::span<const std::string_view>, Options&);
std::optional<Error> ReadShaftAlpha(const OptionSpec&, std::span<const std::string_view>, Options&);
std::optional<Error> ReadTemperature(const OptionSpec&, std::span<const std::string_view>, Options&);
std::optional<Error> ReadHoleTemperature(const OptionSpec&, std::span<const std::string_view>, Options&);
std::optional<Error> ReadShaftTemperature(const OptionSpec&, std::span<const std::string_view>, Options&);
std::optional<Error> ReadTemperatureRange(const OptionSpec&, std::span<const std::string_view>, Options&);
std::optional<Error> ReadHoleTemperatureRange(const OptionSpec&, std::span<const std::string_view>, Options&);
std::optional<Error> ReadShaftTemperatureRange(const OptionSpec&, std::span<const std::string_view>,
                                               Options&);
std::optional<Error> ReadStats(const OptionSpec&, std::span<const std::string_view>, Options&);
std::optional<Error> ReadCp(const OptionSpec&, std::span<const std::string_view>, Options&);
std::optional<Error> ReadHoleCp(const OptionSpec&, std::span<const std::string_view>, Options&);
std::optional<Error> ReadShaftCp(const OptionSpec&, std::span<const std::string_view>, Options&);
std::optional<Error> ReadHoleShift(const OptionSpec&, std::span<const std::string_view>, Options&);
std::optional<Error> ReadShaftShift(const OptionSpec&, std::span<const std::string_view>, Options&);
std::optional<Error> ReadDistribution(const OptionSpec&, std::span<const std::string_view>, Options&);

// Any service option given (--materials is a mode of its own).
bool HasServiceOptions(const Options& options);

// What a plain query's options say together: a per-part temperature and
// range of one part, --cp without --stats, --want without --stats.
std::optional<Error> CheckServiceOptions(const Options& options);

// The service options as the core's input (the materials are found when read).
ServiceInput ServiceInputOf(const Options& options);

struct ServiceReport {
    ServiceInput input;
    ServiceResult result;
    bool thermal = false;  // a material, α or temperature was given: show the fit at temperature
};

// The query's result in service; a value out of range is refused with its range.
std::variant<ServiceReport, Error> EvaluateServiceReport(const Result& result, const Options& options);

// Blocks after the query's own text, each line ended by "\n".
std::string WriteServiceText(const ServiceReport& report, Language language);
// The query's JSON object with ,"service":{...} before its closing brace.
std::string WriteServiceJson(std::string resultJson, const ServiceReport& report);

// --materials: the table, one material a line (JSON: one object a line).
std::string WriteMaterials(bool json, Language language);

}  // namespace tolvo::fit
