#include "core/text/convert.h"

#include <charconv>
#include <cmath>
#include <string>

#include "core/text/errors.h"

namespace jrv {

std::string_view trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::optional<std::int32_t> parse_int(std::string_view text) {
  std::string_view t = trim(text);
  if (!t.empty() && t.front() == '+') t.remove_prefix(1);
  if (t.empty() || t.front() == '+') return std::nullopt;
  std::int32_t value = 0;
  auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
  if (ec != std::errc() || ptr != t.data() + t.size()) return std::nullopt;
  return value;
}

std::optional<double> parse_double(std::string_view text) {
  std::string_view t = trim(text);
  if (!t.empty() && t.front() == '+') t.remove_prefix(1);
  if (t.empty() || t.front() == '+') return std::nullopt;
  // from_chars would take "inf" and "nan"; a typed number never means those.
  for (char c : t)
    if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == 'e' || c == 'E'))
      return std::nullopt;
  double value = 0;
  auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
  if (ec != std::errc() || ptr != t.data() + t.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::int32_t to_int(std::string_view text) {
  if (auto v = parse_int(text)) return *v;
  throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
}

double to_double(std::string_view text) {
  if (auto v = parse_double(text)) return *v;
  throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
}

std::int32_t to_count(std::string_view text, std::int32_t max, std::string_view what) {
  const std::int32_t n = to_int(text);
  if (n < 0 || n > max)
    throw ConversionError("'" + std::string(text) + "' is not a valid " + std::string(what) +
                          " (0 to " + std::to_string(max) + ")");
  return n;
}

}  // namespace jrv
