// tolvo-fit's options, each declared once in one table: its name, its
// argument, the modes it has an effect in, its help line and its handler.
// ParseCommandLine (query.h) reads a command line through it, --help lists it.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "tools/fit/query.h"

namespace tolvo::fit {

// What a command line asks for, as a set of bits: an option has an effect in
// some modes only, and given in another it is refused.
using ModeSet = unsigned;
inline constexpr ModeSet kQueryMode = 1u << 0;     // SIZE HOLE/SHAFT [SHAFT_SIZE]
inline constexpr ModeSet kMeasuredMode = 1u << 1;  // a query with --measured
inline constexpr ModeSet kBatchMode = 1u << 2;
inline constexpr ModeSet kTableMode = 1u << 3;
inline constexpr ModeSet kFindMode = 1u << 4;
inline constexpr ModeSet kNotationMode = 1u << 5;  // a query with --notation (notation.h)
inline constexpr ModeSet kPressMode = 1u << 6;     // --press: the interference-fit joint
inline constexpr ModeSet kEveryMode =
    kQueryMode | kMeasuredMode | kBatchMode | kTableMode | kFindMode | kNotationMode | kPressMode;

struct OptionSpec;
// Reads the option's values into the options; an error names what is wrong.
using OptionHandler = std::optional<Error> (*)(const OptionSpec& option,
                                               std::span<const std::string_view> values, Options& options);

struct OptionSpec {
    std::string_view name;      // "--svg"
    std::string_view argument;  // as --help shows it: "FILE", "MIN MAX"; empty: none
    int valueCount;             // the words it reads (0, 1 or 2); the first may follow '=': --lang=en
    ModeSet modes;              // where it has an effect
    ModeSet selects;            // the mode it chooses (--batch, --find, ...); 0: none
    OptionHandler read;         // nullptr: being given is all it says
    std::string_view needs;     // what its value is, for "--svg needs a file"
    std::string_view help;      // its line in --help (wrapped there)
};

// Every option, in the order --help lists them.
std::span<const OptionSpec> OptionTable();

// The option list of --help, one entry per option of the table.
std::string OptionHelp();

}  // namespace tolvo::fit
