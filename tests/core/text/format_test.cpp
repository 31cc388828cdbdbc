#include "core/text/format.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <iomanip>
#include <random>
#include <vector>

#include "core/text/convert.h"
#include "core/text/errors.h"

namespace jrv {
namespace {

TEST(Fixed, RoundsHalfAwayFromZeroOnTheShortestDecimal) {
  EXPECT_EQ(fixed(0.125, 2), "0.13");
  EXPECT_EQ(fixed(2.675, 2), "2.68");
  EXPECT_EQ(fixed(-2.675, 2), "-2.68");
  EXPECT_EQ(fixed(0.0005, 3), "0.001");
  EXPECT_EQ(fixed(9.9996, 3), "10.000");
  EXPECT_EQ(fixed(99.5, 0), "100");
  EXPECT_EQ(fixed(1234567.891, 1), "1234567.9");
  EXPECT_EQ(fixed(1e-20, 3), "0.000");
  EXPECT_EQ(fixed(123456789012.0, 2), "123456789012.00");
}

// The rule spelled out on the digits: the shortest round-trip decimal form of x, rounded
// half away from zero at `decimals` places. fixed() takes shortcuts; it must agree.
std::string fixed_by_digits(double x, int decimals) {
  std::array<char, 400> buf;
  const auto end =
      std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(x), std::chars_format::fixed)
          .ptr;
  std::string digits(buf.data(), end);
  if (digits.find('.') == std::string::npos) digits += '.';
  const auto dot = digits.find('.');
  digits.append(static_cast<std::size_t>(decimals) + 1, '0');
  const bool up = digits[dot + 1 + static_cast<std::size_t>(decimals)] >= '5';
  std::string kept =
      "0" + digits.substr(0, dot) + digits.substr(dot + 1, static_cast<std::size_t>(decimals));
  for (std::size_t i = kept.size(); up && i-- > 0;) {
    if (kept[i] == '9') {
      kept[i] = '0';
    } else {
      ++kept[i];
      break;
    }
  }
  const std::size_t int_digits = kept.size() - static_cast<std::size_t>(decimals);
  std::string whole = kept.substr(0, int_digits);
  whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
  std::string out = whole;
  if (decimals > 0) out += "." + kept.substr(int_digits);
  const bool zero = kept.find_first_not_of('0') == std::string::npos;
  return (std::signbit(x) && !zero ? "-" : "") + out;
}

TEST(Fixed, AgreesWithRoundingTheShortestDigitsEverywhere) {
  std::mt19937_64 rng(17);
  std::vector<double> values;
  // Halves and near-halves at every place, where the binary value and the shortest
  // decimal can fall on different sides.
  for (int d = 0; d <= 7; ++d) {
    const double unit = std::pow(10.0, -d);
    for (int k = 0; k < 1000; ++k) {
      const double half = (static_cast<double>(rng() % 2000000) + 0.5) * unit;
      double v = half;
      for (int step = 0; step < 3; ++step) v = std::nextafter(v, 0.0);
      for (int step = 0; step < 7; ++step, v = std::nextafter(v, 1e300)) values.push_back(v);
    }
  }
  // Ordinary values of every size a report prints, and the edges of the quick path.
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int k = 0; k < 20000; ++k) values.push_back(std::pow(10.0, unit(rng) * 20 - 8));
  for (double edge : {999999999.4, 999999999.5, 1e9, 99999999.95, 9999999.995, 0.0, 5e-7})
    values.push_back(edge);
  for (const double v : values) {
    for (int d = 0; d <= 7; ++d) {
      for (const double x : {v, -v}) {
        const std::string want = fixed_by_digits(x, d);
        const std::string got = fixed(x, d);
        if (got != want) {
          ADD_FAILURE() << "fixed(" << std::setprecision(17) << x << ", " << d
                        << ")\n  got:  " << got << "\n  want: " << want;
          return;
        }
      }
    }
  }
}

TEST(Fixed, NeverPrintsANegativeZero) {
  EXPECT_EQ(fixed(-0.0, 2), "0.00");
  EXPECT_EQ(fixed(-0.004, 2), "0.00");
  EXPECT_EQ(fixed(-0.005, 2), "-0.01");
}

TEST(Fixed, UndefinedValuesPrintAsZeroNotNan) {
  EXPECT_EQ(fixed(std::numeric_limits<double>::quiet_NaN(), 3), "0.000");
}

TEST(General, ShortestForm) {
  EXPECT_EQ(general(0.2), "0.2");
  EXPECT_EQ(general(2.5), "2.5");
  EXPECT_EQ(general(1.0), "1");
  EXPECT_EQ(general(27.0), "27");
  EXPECT_EQ(general(-1.0), "-1");
  EXPECT_EQ(general(0.0), "0");
  EXPECT_EQ(general(1e20), "1E20");
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(round_half_even(0.5), 0);
  EXPECT_EQ(round_half_even(1.5), 2);
  EXPECT_EQ(round_half_even(2.5), 2);
  EXPECT_EQ(round_half_even(-2.5), -2);
  EXPECT_EQ(round_half_even(88.5), 88);
  EXPECT_EQ(round_half_even(89.5), 90);
  EXPECT_EQ(round_half_even(2.75), 3);
}

TEST(Align, PadsOnTheLeftOrRight) {
  EXPECT_EQ(right("7", 3), "  7");
  EXPECT_EQ(right(1234, 3), "1234");
  EXPECT_EQ(left("ab", 4), "ab  ");
}

// A line written in place reads as the same pieces joined from the string functions, past
// any room reserved, with numbers on both sides of the quick path (halves, huge, NaN) and
// labels wider in bytes than in characters.
TEST(LineWriter, WritesWhatTheStringFunctionsJoin) {
  const double numbers[] = {0.0, -0.0,  0.125, 2.675, -0.004, 99.995,
                            1e9, -3e15, 1e300, NAN,   12.345, 999999999.5};
  const std::string_view labels[] = {"", "ab", "Jos\u00e9", "\u0416\u0416\u0416\u0416\u0416\u0416"};
  std::string expected, line;
  for (std::size_t round = 0; round < 3; ++round) {
    line.assign(round == 1 ? "before " : "");  // the writer appends to what is there
    expected = line;
    {
      LineWriter w(line);
      for (const auto label : labels) {
        w.left(label, 5);
        expected += left(label, 5);
        for (const double x : numbers) {
          for (int d = 0; d <= 3; ++d) {
            w.fixed(x, d);
            expected += fixed(x, d);
            w.text('|');
            expected += '|';
          }
          w.right(static_cast<std::int64_t>(round * 1000 + 7), 6);
          expected += right(static_cast<std::int64_t>(round * 1000 + 7), 6);
          w.blanks(round);
          expected.append(round, ' ');
          w.text(", ");
          expected += ", ";
        }
      }
    }
    ASSERT_EQ(line, expected) << "round " << round;
  }
}

TEST(Convert, IntegersAndNumbersAsTyped) {
  EXPECT_EQ(parse_int("12"), 12);
  EXPECT_EQ(parse_int(" -3 "), -3);
  EXPECT_EQ(parse_int("+4"), 4);
  EXPECT_FALSE(parse_int("1.5"));
  EXPECT_FALSE(parse_int(""));
  EXPECT_FALSE(parse_int("99999999999"));
  EXPECT_EQ(parse_double("2.5"), 2.5);
  EXPECT_EQ(parse_double(".5"), 0.5);
  EXPECT_FALSE(parse_double("inf"));
  EXPECT_FALSE(parse_double("nan"));
  EXPECT_FALSE(parse_double("abc"));
  try {
    to_int("abc");
    FAIL() << "no exception";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
  }
}

}  // namespace
}  // namespace jrv
