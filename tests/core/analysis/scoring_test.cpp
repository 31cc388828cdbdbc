#include "core/analysis/scoring.h"

#include <gtest/gtest.h>

#include "core/analysis/analysis_fixture.h"
#include "core/analysis/analysis_run.h"

namespace jrv {
namespace {

using testing::load;
using testing::TestDefinition;

// Item 1 key 1; item 2 excluded; item 3 key 9; item 4 key 3 with 4 also accepted; item 5
// keyed 0.
TestDefinition mixed_rules() {
  TestDefinition t;
  t.key = "12930";
  t.include = "YNYAY";
  t.alternatives = {{3, 4}};
  t.lines = {"12 30", "22 4 ", "1 152"};
  return t;
}

TEST(Scoring, CorrectnessFollowsKeyAlternativesKeyNineAndExclusion) {
  Workspace ws = load(mixed_rules());
  score_examinees(ws);
  const auto& c = ws.cases;
  EXPECT_EQ(c[1].raw_score, 4);  // missing answer on the key-9 item still counts
  EXPECT_EQ(c[2].raw_score, 2);  // alternative 4 accepted; missing on key 0 is wrong
  EXPECT_EQ(c[3].raw_score, 2);  // 5 is not among the accepted answers
  EXPECT_DOUBLE_EQ(c[1].percent_score, 100.0);
  EXPECT_DOUBLE_EQ(c[2].percent_score, 50.0);
  EXPECT_EQ(c[1].mc_score, 4);
  EXPECT_EQ(c[1].grade, "");
}

TEST(Scoring, HalvesSplitAtTheMiddlePositionAndCountExcludedPositions) {
  Workspace ws = load(mixed_rules());
  score_examinees(ws);
  const auto& c = ws.cases;
  // Five items: positions 1-2 are the first half, 3-5 the second; odd positions 1, 3, 5.
  EXPECT_EQ(std::make_pair(c[1].first_half_score, c[1].second_half_score), std::make_pair(1, 3));
  EXPECT_EQ(std::make_pair(c[1].odd_score, c[1].even_score), std::make_pair(3, 1));
  EXPECT_EQ(std::make_pair(c[2].first_half_score, c[2].second_half_score), std::make_pair(0, 2));
  EXPECT_EQ(std::make_pair(c[3].odd_score, c[3].even_score), std::make_pair(2, 0));
}

GradeScale five_letters() {
  GradeScale g;
  g.grade_category_count = 5;
  const char* labels[] = {"A   ", "B   ", "C   ", "D   ", "F   "};
  for (int c = 1; c <= 5; ++c) g.grade_labels[static_cast<std::size_t>(c)] = labels[c - 1];
  const double mins[] = {90, 80, 70, 60};
  for (int c = 1; c <= 4; ++c) g.grade_minimums[static_cast<std::size_t>(c)] = mins[c - 1];
  return g;
}

// Two items worth 50.5 each and up to 99 partial-credit points: 200 possible, so that
// totals of 179 and 177 are 89.5 % and 88.5 %.
Workspace partial_credit_test() {
  TestDefinition t;
  t.key = "11";
  t.lines = {"11", "11", "10", "00"};
  t.pc_points = {78, 76, 99, 0};
  Workspace ws = load(t);
  ws.pc_enabled = true;
  ws.mc_points = 50.5;
  ws.pc_points = 99;
  ws.grade_scale = five_letters();
  return ws;
}

TEST(Scoring, PartialCreditTotalsAndPercentages) {
  Workspace ws = partial_credit_test();
  score_examinees(ws);
  EXPECT_DOUBLE_EQ(ws.stats.total_possible, 200.0);
  EXPECT_EQ(ws.cases[1].pc_score, 78);
  EXPECT_DOUBLE_EQ(ws.cases[1].total_score, 179.0);
  EXPECT_DOUBLE_EQ(ws.cases[1].total_percent, 89.5);
  EXPECT_DOUBLE_EQ(ws.cases[3].total_score, 149.5);
  EXPECT_DOUBLE_EQ(ws.cases[3].percent_score, 50.0);
  // With partial credit the grade goes to total_grade only.
  EXPECT_EQ(ws.cases[1].grade, "");
}

TEST(Scoring, GradesRoundHalvesToEvenOnlyWhenAsked) {
  Workspace ws = partial_credit_test();
  score_examinees(ws);
  EXPECT_EQ(ws.cases[1].total_grade, "A   ");  // 89.5 -> 90
  EXPECT_EQ(ws.cases[2].total_grade, "B   ");  // 88.5 -> 88
  EXPECT_EQ(ws.cases[4].total_grade, "F   ");  // 0
  EXPECT_EQ(ws.stats.grade_counts[1], 1);
  EXPECT_EQ(ws.stats.grade_counts[2], 1);

  ws.options.round_grade_percent = false;
  score_examinees(ws);
  EXPECT_EQ(ws.cases[1].total_grade, "B   ");
  EXPECT_EQ(ws.stats.grade_counts[1], 0);
  EXPECT_EQ(ws.stats.grade_counts[2], 2);
}

TEST(Scoring, ARepeatedRunGivesTheSameCountsAndClearsOldResults) {
  Workspace ws = partial_credit_test();
  ws.pc_enabled = false;
  compute_analysis(ws, 0.27, 0.27);
  const auto first = ws.stats.grade_counts;
  ws.cases[2].band95_low_letter = "ZZ";
  compute_analysis(ws, 0.27, 0.27);
  EXPECT_EQ(ws.stats.grade_counts, first);
  EXPECT_EQ(first[1], 2);  // 100 %
  EXPECT_EQ(first[5], 2);  // 50 % and 0 %
  EXPECT_EQ(ws.cases[1].grade, "A   ");
  EXPECT_NE(ws.cases[2].band95_low_letter, "ZZ");
}

}  // namespace
}  // namespace jrv
