#include "core/text/format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace jrv {

namespace {

// Shortest round-trip digits of |x| as a plain decimal string (no exponent).
std::string plain_decimal(double ax) {
  std::array<char, 64> buf{};
  auto [end, ec] =
      std::to_chars(buf.data(), buf.data() + buf.size(), ax, std::chars_format::scientific);
  std::string_view sci(buf.data(), static_cast<std::size_t>(end - buf.data()));
  // sci looks like "d.ddde+XX" or "de-XX".
  auto epos = sci.find('e');
  std::string mant;
  for (char c : sci.substr(0, epos))
    if (c != '.') mant.push_back(c);
  int exp10 = 0;
  std::from_chars(sci.data() + epos + 1 + (sci[epos + 1] == '+' ? 1 : 0), sci.data() + sci.size(),
                  exp10);
  // Value is 0.mant * 10^(exp10+1).
  int point = exp10 + 1;  // digits before the decimal point
  std::string out;
  if (point <= 0) {
    out = "0." + std::string(static_cast<std::size_t>(-point), '0') + mant;
  } else if (point >= static_cast<int>(mant.size())) {
    out = mant + std::string(static_cast<std::size_t>(point) - mant.size(), '0');
  } else {
    out = mant.substr(0, static_cast<std::size_t>(point)) + "." +
          mant.substr(static_cast<std::size_t>(point));
  }
  return out;
}

constexpr std::array<std::uint64_t, 7> kPowersOfTen = {1, 10, 100, 1000, 10000, 100000, 1000000};

// |x| * 10^decimals rounded half away from zero, straight from the binary value, when that
// is sure to be what rounding its shortest decimal form gives: the two differ by less
// than 1e-6 at this size, so only a value that close to a half is left to the digits
// (2.675 is stored just below 2.675, and its shortest form rounds up).
std::optional<std::uint64_t> quick_scaled(double x, std::size_t decimals) {
  if (decimals >= kPowersOfTen.size()) return std::nullopt;
  const double y = std::fabs(x) * static_cast<double>(kPowersOfTen[decimals]);
  if (!(y < 1e9)) return std::nullopt;                     // also NaN and infinities
  const auto whole = static_cast<std::uint64_t>(y);        // y >= 0: truncation is the floor
  const double fraction = y - static_cast<double>(whole);  // exact
  if (std::fabs(fraction - 0.5) < 1e-6) return std::nullopt;
  return whole + (fraction > 0.5 ? 1 : 0);
}

// Writes `scaled` / 10^decimals with exactly `decimals` decimals at `p` (at most 32 bytes);
// returns the end.
char* write_scaled(char* p, bool negative, std::uint64_t scaled, std::size_t decimals) {
  if (negative && scaled != 0) *p++ = '-';
  const std::uint64_t unit = kPowersOfTen[decimals];
  p = std::to_chars(p, p + 24, scaled / unit).ptr;
  if (decimals > 0) {
    *p++ = '.';
    std::uint64_t fraction = scaled % unit;
    for (std::size_t k = decimals; k-- > 0; fraction /= 10)
      p[k] = static_cast<char>('0' + fraction % 10);
    p += decimals;
  }
  return p;
}

// Rounds the shortest round-trip digits of x: the rule itself, for what quick_scaled leaves.
std::string fixed_from_digits(double x, std::size_t d) {
  if (std::isnan(x)) x = 0.0;
  if (std::isinf(x)) x = x > 0 ? 1e300 : -1e300;
  const bool negative = std::signbit(x);
  // The shortest round-trip digits in plain notation; reports format many numbers, so the
  // work stays in one stack buffer.
  // Beyond 1e15 plain notation would print the exact binary value instead of the shortest.
  std::array<char, 512> buf;  // only the written part is read
  std::string large;
  std::string_view digits;
  if (std::fabs(x) < 1e15) {
    const auto [end, ec] =
        std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(x), std::chars_format::fixed);
    digits = std::string_view(buf.data(), static_cast<std::size_t>(end - buf.data()));
  } else {
    large = plain_decimal(std::fabs(x));
    digits = large;
  }
  const auto dot = digits.find('.');
  const std::string_view ipart = digits.substr(0, dot);
  const std::string_view fpart =
      dot == std::string_view::npos ? std::string_view() : digits.substr(dot + 1);

  // The value scaled by 10^d as a digit string, with a leading 0 to take a carry.
  std::string all;
  all.reserve(ipart.size() + d + 4);
  all.push_back('0');
  all.append(ipart);
  all.append(fpart.substr(0, std::min(d, fpart.size())));
  all.append(d > fpart.size() ? d - fpart.size() : 0, '0');
  if (fpart.size() > d && fpart[d] >= '5') {
    std::size_t i = all.size() - 1;
    while (all[i] == '9') all[i--] = '0';
    ++all[i];
  }
  const std::size_t int_digits = all.size() - d;
  std::size_t first = all.find_first_not_of('0');
  if (first == std::string::npos || first >= int_digits) first = int_digits - 1;
  const bool zero = all.find_first_not_of('0') == std::string::npos;
  std::string out;
  out.reserve(all.size() + 2);
  if (negative && !zero) out.push_back('-');
  out.append(all, first, int_digits - first);
  if (d > 0) {
    out.push_back('.');
    out.append(all, int_digits, d);
  }
  return out;
}

}  // namespace

std::string fixed(double x, int decimals) {
  std::string out;
  append_fixed(out, x, decimals);
  return out;
}

void append_fixed(std::string& out, double x, int decimals) {
  const auto d = static_cast<std::size_t>(decimals < 0 ? 0 : decimals);
  if (const auto scaled = quick_scaled(x, d)) {
    std::array<char, 32> buf;
    const char* end = write_scaled(buf.data(), std::signbit(x), *scaled, d);
    out.append(buf.data(), static_cast<std::size_t>(end - buf.data()));
  } else {
    out += fixed_from_digits(x, d);
  }
}

void LineWriter::fixed(double x, int decimals) {
  const auto d = static_cast<std::size_t>(decimals < 0 ? 0 : decimals);
  if (const auto scaled = quick_scaled(x, d)) {
    char* start = room(32);
    used_ += static_cast<std::size_t>(write_scaled(start, std::signbit(x), *scaled, d) - start);
  } else {
    text(fixed_from_digits(x, d));
  }
}

void LineWriter::right(std::int64_t n, std::size_t width) {
  std::array<char, 24> buf;
  const char* end = std::to_chars(buf.data(), buf.data() + buf.size(), n).ptr;
  const auto digits = static_cast<std::size_t>(end - buf.data());
  if (digits < width) blanks(width - digits);
  text(std::string_view(buf.data(), digits));
}

void LineWriter::left(std::string_view s, std::size_t width) {
  text(s);
  const std::size_t n = char_count(s);
  if (n < width) blanks(width - n);
}

void LineWriter::grow(std::size_t count) {
  line_.resize(std::max({line_.capacity(), 2 * line_.size(), used_ + count + 64}));
}

std::string general(double x) {
  if (std::isnan(x) || std::isinf(x)) return "0";
  if (x == 0.0) return "0";
  const double ax = std::fabs(x);
  std::array<char, 64> buf{};
  if (ax >= 1e15 || ax < 1e-4) {
    auto [end, ec] =
        std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::scientific);
    std::string s(buf.data(), end);
    // "1.5e+20" -> "1.5E20", "1e-05" -> "1E-5"
    auto e = s.find('e');
    std::string mant = s.substr(0, e);
    std::string ex = s.substr(e + 1);
    bool neg = ex[0] == '-';
    ex = ex.substr(1);
    ex.erase(0, std::min(ex.find_first_not_of('0'), ex.size() - 1));
    return mant + "E" + (neg ? "-" : "") + ex;
  }
  std::string s = plain_decimal(ax);
  return (x < 0 ? "-" : "") + s;
}

std::int64_t round_half_even(double x) {
  if (std::isnan(x)) return 0;
  return static_cast<std::int64_t>(std::nearbyint(x));
}

std::string int_str(std::int64_t n) {
  return std::to_string(n);
}

std::string right(std::string_view s, std::size_t width) {
  return pad_left(s, width);
}

std::string right(std::int64_t n, std::size_t width) {
  return right(int_str(n), width);
}

void append_right(std::string& out, std::int64_t n, std::size_t width) {
  std::array<char, 24> buf;
  const char* end = std::to_chars(buf.data(), buf.data() + buf.size(), n).ptr;
  const auto digits = static_cast<std::size_t>(end - buf.data());
  if (digits < width) out.append(width - digits, ' ');
  out.append(buf.data(), digits);
}

std::string left(std::string_view s, std::size_t width) {
  return pad_right(s, width);
}

void append_left(std::string& out, std::string_view s, std::size_t width) {
  out += s;
  const std::size_t n = char_count(s);
  if (n < width) out.append(width - n, ' ');
}

}  // namespace jrv
