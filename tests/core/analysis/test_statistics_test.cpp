#include "core/analysis/test_statistics.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/analysis/analysis_fixture.h"
#include "core/analysis/analysis_run.h"

namespace jrv {
namespace {

using testing::by_scores;
using testing::load;
using testing::TestDefinition;

// Scores 4, 3, 2, 1, 0 on four items of difficulty .6 .8 .4 .2.
TestDefinition five_examinees() {
  TestDefinition t;
  t.key = "1234";
  t.lines = {"1234", "1231", "1211", "2211", "2111"};
  return t;
}

Workspace analysed(TestDefinition t, double upper = 0.27, double lower = 0.27) {
  Workspace ws = load(t);
  compute_analysis(ws, upper, lower);
  return ws;
}

TEST(TestStatistics, DistributionAndReliabilityOfAHandWorkedTest) {
  const Workspace ws = analysed(five_examinees());
  const auto& s = ws.stats;
  EXPECT_DOUBLE_EQ(s.mean_score, 2.0);
  EXPECT_DOUBLE_EQ(s.variance_score, 2.0);
  EXPECT_DOUBLE_EQ(s.sd_score, std::sqrt(2.0));
  EXPECT_EQ(s.median_position, 3);
  EXPECT_DOUBLE_EQ(s.median_score, 2.0);
  EXPECT_DOUBLE_EQ(s.min_score, 0.0);
  EXPECT_DOUBLE_EQ(s.max_score, 4.0);
  EXPECT_NEAR(s.skewness, 0.0, 1e-12);
  EXPECT_NEAR(s.kurtosis, -1.3, 1e-12);
  EXPECT_NEAR(s.kr20, 0.8, 1e-12);      // 4/3 * (2 - 0.8) / 2
  EXPECT_NEAR(s.kr21, 2.0 / 3, 1e-12);  // 4/3 * (2 - 4 * .25) / 2
  EXPECT_NEAR(s.sem_kr20, std::sqrt(2.0) * std::sqrt(0.2), 1e-12);
  EXPECT_NEAR(s.sem_kr21, std::sqrt(2.0 / 3), 1e-12);
  // Ranks by ascending score; the table is back in input order.
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(ws.cases[static_cast<std::size_t>(i)].case_number, i);
    EXPECT_EQ(ws.cases[static_cast<std::size_t>(i)].rank, 6 - i);
  }
}

TEST(TestStatistics, EvenCountMedianAndPartialCreditTotals) {
  TestDefinition t = by_scores({1, 4, 2, 3}, 4);
  t.pc_points = {10, 0, 3, 1};
  Workspace ws = load(t);
  ws.pc_enabled = true;
  ws.pc_points = 10;
  ws.mc_points = 2.0;
  compute_analysis(ws, 0.27, 0.27);
  const auto& s = ws.stats;
  // Totals 12, 8, 7, 7. The selection sort puts the tied 7s as examinees 4, 3, and the
  // median of the raw scores is read at the middle positions of this total order (2 and 4).
  EXPECT_DOUBLE_EQ(s.median_score, 3.0);
  EXPECT_DOUBLE_EQ(s.median_total, 7.5);
  EXPECT_DOUBLE_EQ(s.mean_total, 8.5);
  EXPECT_DOUBLE_EQ(s.min_total, 7.0);
  EXPECT_DOUBLE_EQ(s.max_total, 12.0);
  EXPECT_DOUBLE_EQ(s.variance_total, (49 + 49 + 64 + 144 - 34.0 * 34 / 4) / 4);
  EXPECT_EQ(ws.cases[1].total_rank, 4);
  EXPECT_EQ(ws.cases[2].total_rank, 3);
  EXPECT_EQ(ws.cases[3].total_rank, 2);
  EXPECT_EQ(ws.cases[4].total_rank, 1);
}

TEST(TestStatistics, TiedScoresAtTheBoundariesAllJoinTheirGroup) {
  // Ten examinees, nU = nL = Round(2.7) = 3: the third lowest is 2 and the third highest 4.
  const Workspace ws = analysed(by_scores({4, 2, 0, 5, 2, 4, 3, 1, 2, 4}, 5));
  const auto& s = ws.stats;
  EXPECT_EQ(s.low_group_max, 2);
  EXPECT_EQ(s.high_group_min, 4);
  EXPECT_EQ(s.low_group_size, 5);
  EXPECT_EQ(s.high_group_size, 4);
  // Tied scores share the rank of the first of their run.
  const int expected_rank[] = {7, 3, 1, 10, 3, 7, 6, 2, 3, 7};
  for (int i = 1; i <= 10; ++i)
    EXPECT_EQ(ws.cases[static_cast<std::size_t>(i)].rank, expected_rank[i - 1]) << "examinee " << i;
}

TEST(TestStatistics, OverlappingBoundariesMoveApartUntilTheGroupsAreDisjoint) {
  // The third lowest and the third highest are both 1: the boundaries become 0 and 2.
  const Workspace ws = analysed(by_scores({1, 1, 1, 1, 1, 1, 1, 1, 2, 2}, 3));
  EXPECT_EQ(ws.stats.low_group_max, 0);
  EXPECT_EQ(ws.stats.high_group_min, 2);
  EXPECT_EQ(ws.stats.low_group_size, 0);
  EXPECT_EQ(ws.stats.high_group_size, 2);
}

TEST(TestStatistics, GroupSharesThatRoundToNobodyLeaveEmptyGroups) {
  // N = 1: Round(0.27) = 0 for both groups.
  Workspace ws = analysed(by_scores({2}, 3));
  EXPECT_DOUBLE_EQ(ws.stats.median_score, 2.0);
  EXPECT_EQ(ws.stats.high_group_size, 0);
  EXPECT_EQ(ws.stats.low_group_size, 0);
  EXPECT_EQ(ws.stats.high_group_min, 4);  // k + 1
  EXPECT_EQ(ws.stats.low_group_max, -1);
  EXPECT_EQ(ws.cases[1].rank, 1);
  // A group of 0 % by choice; the whole class as the other group.
  ws = analysed(by_scores({0, 1, 2, 3}, 3), 0.0, 1.0);
  EXPECT_EQ(ws.stats.high_group_size, 0);
  EXPECT_EQ(ws.stats.low_group_size, 4);
}

TEST(TestStatistics, UndefinedStatisticsAreZeroNeverNan) {
  // Everyone equal: zero variance, both groups empty after the boundaries separate.
  Workspace ws = analysed(by_scores({2, 2, 2}, 4));
  const auto& s = ws.stats;
  EXPECT_EQ(s.variance_score, 0.0);
  EXPECT_EQ(s.skewness, 0.0);
  EXPECT_EQ(s.kurtosis, 0.0);
  EXPECT_EQ(s.kr20, 0.0);
  EXPECT_EQ(s.kr21, 0.0);
  EXPECT_EQ(s.sem_kr20, 0.0);
  EXPECT_EQ(s.high_group_size + s.low_group_size, 0);
  EXPECT_EQ(s.split_half_first_second, 0.0);
  // k = 1.
  ws = analysed(by_scores({0, 1, 1, 0, 1}, 1));
  EXPECT_EQ(ws.stats.kr20, 0.0);
  EXPECT_EQ(ws.stats.kr21, 0.0);
  EXPECT_DOUBLE_EQ(ws.stats.sem_kr20, ws.stats.sd_score);
}

TEST(TestStatistics, BandsAreClampedAndCarryGradeLetters) {
  Workspace ws = load(five_examinees());
  ws.grade_scale.grade_category_count = 2;
  ws.grade_scale.grade_labels[1] = "Pass";
  ws.grade_scale.grade_labels[2] = "Fail";
  ws.grade_scale.grade_minimums[1] = 60;
  compute_analysis(ws, 0.27, 0.27);
  const double sem = ws.stats.sem_kr20;  // about 0.632
  const auto& top = ws.cases[1];         // score 4 of 4
  EXPECT_DOUBLE_EQ(top.band68_high_raw, 4.0);
  EXPECT_DOUBLE_EQ(top.band95_high_pct, 100.0);
  EXPECT_DOUBLE_EQ(top.band68_low_raw, 4.0 - sem);
  EXPECT_DOUBLE_EQ(top.band95_low_pct, (4.0 - 2 * sem) / 4 * 100);
  const auto& bottom = ws.cases[5];  // score 0
  EXPECT_DOUBLE_EQ(bottom.band95_low_raw, 0.0);
  EXPECT_DOUBLE_EQ(bottom.band68_low_pct, 0.0);
  EXPECT_DOUBLE_EQ(bottom.band68_high_pct, sem / 4 * 100);
  // Letters from the unrounded percentages, cut to two characters.
  EXPECT_EQ(top.band95_low_letter, "Pa");           // 68.4 %
  EXPECT_EQ(ws.cases[3].band68_high_letter, "Pa");  // (2 + 0.632) / 4 = 65.8 %
  EXPECT_EQ(ws.cases[3].band68_low_letter, "Fa");
}

TEST(TestStatistics, SplitHalfCorrelations) {
  // Halves (1-2 / 3-4) and odd/even positions of four examinees.
  TestDefinition t;
  t.key = "1111";
  t.lines = {"1111", "1100", "1010", "0000"};
  const Workspace ws = analysed(t);
  // first/second: (2,2) (2,0) (1,1) (0,0); odd/even: (2,2) (1,1) (2,0) (0,0).
  // Both: N = 4, sums 5 and 3, squares 9 and 5, products 5: (20 - 15) / sqrt(11 * 11).
  EXPECT_NEAR(ws.stats.split_half_first_second, 5.0 / 11, 1e-12);
  EXPECT_NEAR(ws.stats.split_half_odd_even, 5.0 / 11, 1e-12);
  EXPECT_EQ(pearson_from_sums(3, 3, 6, 3, 12, 6), 0.0);  // one side without spread
}

}  // namespace
}  // namespace jrv
