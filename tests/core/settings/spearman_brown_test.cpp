#include "core/settings/spearman_brown.h"

#include <gtest/gtest.h>

namespace jrv {
namespace {

const char* kNotNumeric = "Reliability must a numeric value between 0.0 and 1.0";
const char* kOutOfRange =
    "Reliability must a numeric value between 0.0 and 0.99 -- note that if desired reliability "
    "is 1.0, the formula results in an undefined value.";

TEST(SpearmanBrown, OpeningResetsTheDesiredValueAndEmptiesResults) {
  double desired = 0.6;
  const SpearmanBrownFields f = open_spearman_brown(0.6, 40, desired);
  EXPECT_EQ(desired, 0.8);
  EXPECT_EQ(f.sbrel, "0.800");
  EXPECT_EQ(f.rel_out, "0.600");
  EXPECT_EQ(f.current, "40");
  EXPECT_EQ(f.moreitems, "");
  EXPECT_EQ(f.multiplier, "");
  EXPECT_EQ(f.totalitems, "");
  EXPECT_FALSE(f.more_fewer_visible);
}

TEST(SpearmanBrown, LongerTest) {
  const auto out = spearman_brown_for_text(0.60, 40, "0.80");
  EXPECT_TRUE(out.check.ok());
  EXPECT_EQ(out.fields.multiplier, "2.67");
  EXPECT_EQ(out.fields.moreitems, "67");
  EXPECT_EQ(out.fields.more_fewer, "more");
  EXPECT_TRUE(out.fields.more_fewer_visible);
  EXPECT_EQ(out.fields.totalitems, "107");
  EXPECT_EQ(out.fields.sbrel, "0.800");
}

TEST(SpearmanBrown, ShorterTest) {
  const auto out = spearman_brown_for_text(0.75, 40, ".5");
  EXPECT_TRUE(out.check.ok());
  EXPECT_EQ(out.fields.multiplier, "0.33");
  EXPECT_EQ(out.fields.moreitems, "27");
  EXPECT_EQ(out.fields.more_fewer, "fewer");
  EXPECT_EQ(out.fields.totalitems, "13");
  EXPECT_EQ(out.fields.sbrel, "0.500");
}

TEST(SpearmanBrown, ItemCountRoundsHalfToEven) {
  // 10 items, L = 1.25 -> 12.5 items -> 12.
  const auto p = spearman_brown_prophecy(0.8, 10, 5.0 / 6.0);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->total, 12);
  EXPECT_EQ(p->change, 2);
  const auto same = spearman_brown_for_text(0.5, 30, "0.5");
  EXPECT_EQ(same.fields.moreitems, "0");
  EXPECT_EQ(same.fields.more_fewer, "more");
  EXPECT_EQ(same.fields.multiplier, "1.00");
}

TEST(SpearmanBrown, DesiredOutOfRangeStopsWithoutResults) {
  for (const char* text : {"1.0", "0.995", "-0.1"}) {
    const auto out = spearman_brown_for_text(0.6, 40, text);
    ASSERT_EQ(out.check.messages.size(), 1u) << text;
    EXPECT_EQ(out.check.messages[0], kOutOfRange) << text;
    EXPECT_EQ(out.check.focus, "txt_sbrel");
    EXPECT_EQ(out.fields.totalitems, "") << text;
    EXPECT_EQ(out.desired, 0.8) << text;  // the refused value is not kept
  }
  EXPECT_TRUE(spearman_brown_for_text(0.6, 40, "0.99").check.ok());
  EXPECT_TRUE(spearman_brown_for_text(0.6, 40, "0").check.ok());
}

TEST(SpearmanBrown, NonNumericTextGoesOnWithThePreviousValue) {
  double desired = 0;
  SpearmanBrownFields f = open_spearman_brown(0.6, 40, desired);
  f.sbrel = "0.9";
  ASSERT_TRUE(calculate_spearman_brown(0.6, 40, f, desired).ok());
  EXPECT_EQ(desired, 0.9);
  f.sbrel = "abc";
  const CheckResult r = calculate_spearman_brown(0.6, 40, f, desired);
  EXPECT_FALSE(r.failed);  // a command goes on to print the result too
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(r.messages[0], kNotNumeric);
  EXPECT_EQ(r.focus, "txt_sbrel");
  EXPECT_EQ(f.sbrel, "0.900");
  EXPECT_EQ(f.multiplier, "6.00");
  EXPECT_EQ(f.totalitems, "240");
}

TEST(SpearmanBrown, KrTwentyWithoutAUsefulFactorIsNotCalculated) {
  for (double kr20 : {0.0, -0.2, 1.0}) {
    const auto out = spearman_brown_for_text(kr20, 40, "0.8");
    ASSERT_EQ(out.check.messages.size(), 1u) << kr20;
    EXPECT_EQ(out.check.messages[0], "Spearman-Brown Prophecy cannot be calculated");
    EXPECT_EQ(out.fields.moreitems, "");
    EXPECT_EQ(out.fields.multiplier, "");
    EXPECT_EQ(out.fields.totalitems, "");
    EXPECT_FALSE(out.fields.more_fewer_visible);
  }
  EXPECT_FALSE(spearman_brown_prophecy(1e-300, 100, 0.9));
}

// The calculator and the full results show one number: L and the desired value are rounded
// once (0.354699 is 0.35, not 0.355 and then 0.36; 0.01049 is 0.010, not 0.0105 then 0.011).
TEST(SpearmanBrown, RoundsOnceLikeTheReport) {
  const auto out = spearman_brown_for_text(0.918548, 40, "0.8");
  EXPECT_EQ(out.fields.multiplier, "0.35");
  EXPECT_EQ(spearman_brown_for_text(0.6, 40, "0.01049").fields.sbrel, "0.010");
  EXPECT_EQ(spearman_brown_for_text(0.6, 40, "0.5").fields.multiplier, "0.67");
}

}  // namespace
}  // namespace jrv
