#pragma once
// Number formatting for report lines. Every report, file and field goes through these,
// so that a number prints the same way wherever it appears.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "core/text/encoding.h"

namespace jrv {

// Fixed-point with `decimals` decimals, no thousands separator. Rounds half away from zero
// on the shortest round-trip decimal form of x (0.125 -> "0.13", 2.675 -> "2.68"), and a value
// that rounds to zero never carries a minus sign.
std::string fixed(double x, int decimals);

// The same digits appended to `out`: a report line built piece by piece needs no temporaries.
void append_fixed(std::string& out, double x, int decimals);

// Shortest general notation: "0.2", "2.5", "1", "27".
std::string general(double x);

// Round to the nearest integer, a half going to the even neighbour.
std::int64_t round_half_even(double x);

// Decimal integer.
std::string int_str(std::int64_t n);

// Report columns count characters, not bytes: "Jos\u00e9" is four columns wide.

// `s` preceded by blanks up to `width` characters (unchanged when already as wide).
std::string right(std::string_view s, std::size_t width);
std::string right(std::int64_t n, std::size_t width);
void append_right(std::string& out, std::int64_t n, std::size_t width);

// `s` followed by blanks up to `width` characters.
std::string left(std::string_view s, std::size_t width);
void append_left(std::string& out, std::string_view s, std::size_t width);

// `count` copies of `c`.
inline std::string repeat(char c, std::size_t count) {
  return std::string(count, c);
}

// Builds a report line in place: each piece is copied into room made ahead in the string, so
// a line of many numbers needs no temporaries. The string has its final length once the
// writer is gone. The pieces format as the functions above do.
class LineWriter {
 public:
  explicit LineWriter(std::string& line) : line_(line), used_(line.size()) {}
  ~LineWriter() { line_.resize(used_); }
  LineWriter(const LineWriter&) = delete;
  LineWriter& operator=(const LineWriter&) = delete;

  void text(std::string_view s) {
    std::memcpy(room(s.size()), s.data(), s.size());
    used_ += s.size();
  }
  void text(char c) {
    *room(1) = c;
    ++used_;
  }
  void blanks(std::size_t count) {
    std::memset(room(count), ' ', count);
    used_ += count;
  }
  void fixed(double x, int decimals);
  void right(std::int64_t n, std::size_t width);
  void left(std::string_view s, std::size_t width);

 private:
  char* room(std::size_t count) {
    if (used_ + count > line_.size()) grow(count);
    return line_.data() + used_;
  }
  void grow(std::size_t count);

  std::string& line_;
  std::size_t used_;
};

// At most the first `count` characters of `s`, never splitting a character.
inline std::string cut(std::string_view s, std::size_t count) {
  return std::string(cut_chars(s, count));
}

}  // namespace jrv
