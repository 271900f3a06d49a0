// The pieces of JSON text Tolvo's programs write: strings and numbers,
// appended to a string (no I/O). What is written always parses as JSON.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tolvo::json {

enum class Quotes { Escaped, Kept };
enum class Digits { Shortest, Six };

// Appends text as well-formed UTF-8 without raw control characters: a byte
// that starts no well-formed sequence becomes U+FFFD; "\n", "\r" and "\t" are
// written so, the other control characters and DEL as "\u00XX"; quotation
// marks and backslashes are escaped unless `quotes` is Kept. Every other
// character stays as its UTF-8. Stops before the first character that would
// begin once `limit` bytes are written, and tells whether it stopped.
bool AppendEscaped(std::string& out, std::string_view text, Quotes quotes = Quotes::Escaped,
                   std::size_t limit = std::string_view::npos);

// Appends text as a JSON string, in quotation marks.
void AppendString(std::string& out, std::string_view text);

// A finite number in the "C" conventions whatever the locale: by default the
// shortest text that reads back as the same double, a negative zero as "0";
// with Digits::Six, six significant digits as the window shows them ("%g").
// JSON has no infinity nor NaN: a non-finite value is a programming error,
// asserted, and written null where assertions are off.
std::string Number(double value, Digits digits = Digits::Shortest);
void AppendNumber(std::string& out, double value, Digits digits = Digits::Shortest);

}  // namespace tolvo::json
