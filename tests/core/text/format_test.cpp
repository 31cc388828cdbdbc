#include "core/text/format.h"

#include <gtest/gtest.h>

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
