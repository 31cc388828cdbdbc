#pragma once
// Text-to-number conversion of typed fields. Leading and trailing blanks are allowed, as in
// a typed field; anything else that is not a number fails.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace jrv {

// A 32-bit decimal integer with an optional sign, or nothing.
std::optional<std::int32_t> parse_int(std::string_view text);

// A finite decimal number ("2.5", "-1", ".5", "1e3"), or nothing.
std::optional<double> parse_double(std::string_view text);

// The same, throwing ConversionError with "'abc' is not a valid integer value" or
// "'abc' is not a valid floating point value".
std::int32_t to_int(std::string_view text);
double to_double(std::string_view text);

// A count that a reader or writer loops over or indexes a table with: an integer from 0 to
// `max`, else ConversionError naming it ("'150' is not a valid number of items (0 to 100)").
std::int32_t to_count(std::string_view text, std::int32_t max, std::string_view what);

// Text without leading and trailing blanks (space and tab).
std::string_view trim(std::string_view text);

}  // namespace jrv
