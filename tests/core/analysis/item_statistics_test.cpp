#include "core/analysis/item_statistics.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/analysis/analysis_fixture.h"
#include "core/analysis/analysis_run.h"
#include "core/analysis/large_test.h"
#include "core/analysis/scoring.h"

namespace jrv {
namespace {

using testing::load;
using testing::TestDefinition;

Workspace analysed(const TestDefinition& t) {
  Workspace ws = load(t);
  compute_analysis(ws, 0.27, 0.27);
  return ws;
}

// Scores 4, 3, 2, 1, 0 on four items of difficulty .6 .8 .4 .2.
TestDefinition five_examinees() {
  TestDefinition t;
  t.key = "1234";
  t.lines = {"1234", "1231", "1211", "2211", "2111"};
  return t;
}

// Scores 5, 3, 2, 2; item 1 has p = .5, item 5 is answered by everyone, item 6 by nobody.
TestDefinition with_extremes() {
  TestDefinition t;
  t.key = "111111";
  t.lines = {"111112", "011012", "100012", "001012"};
  return t;
}

TEST(ItemStatistics, DifficultyGroupsAndCorrelationsOfAHandWorkedTest) {
  const Workspace ws = analysed(five_examinees());
  const auto& it = ws.items;
  EXPECT_EQ(it[1].correct_count, 3);
  EXPECT_DOUBLE_EQ(it[1].difficulty, 0.6);
  EXPECT_EQ(it[2].correct_count, 4);
  // One examinee in each group (Round(1.35) = 1): the top answers all, the bottom none.
  for (int j = 1; j <= 4; ++j) {
    EXPECT_EQ(it[static_cast<std::size_t>(j)].high_correct, 1) << "item " << j;
    EXPECT_EQ(it[static_cast<std::size_t>(j)].low_correct, 0) << "item " << j;
    EXPECT_DOUBLE_EQ(it[static_cast<std::size_t>(j)].discrimination, 1.0) << "item " << j;
  }
  EXPECT_DOUBLE_EQ(it[1].mean_score_correct, 3.0);
  EXPECT_DOUBLE_EQ(it[3].mean_score_correct, 3.5);
  EXPECT_NEAR(it[1].point_biserial, std::sqrt(0.75), 1e-12);  // 1/sqrt2 * sqrt(.6/.4)
  EXPECT_NEAR(it[2].point_biserial, std::sqrt(0.5), 1e-12);
  EXPECT_NEAR(it[3].point_biserial, std::sqrt(0.75), 1e-12);
  EXPECT_NEAR(it[4].point_biserial, std::sqrt(0.5), 1e-12);
  // Biserials above 1 are cut to 1.
  EXPECT_EQ(it[1].biserial, 1.0);
  const auto& s = ws.stats;
  EXPECT_DOUBLE_EQ(s.mean_difficulty, 0.5);
  EXPECT_NEAR(s.variance_difficulty, 0.05, 1e-12);
  EXPECT_DOUBLE_EQ(s.mean_correct_count, 2.5);
  EXPECT_DOUBLE_EQ(s.variance_correct_count, 1.25);
  EXPECT_DOUBLE_EQ(s.mean_discrimination, 1.0);
  EXPECT_NEAR(s.mean_point_biserial, (std::sqrt(0.75) + std::sqrt(0.5)) / 2, 1e-12);
}

TEST(ItemStatistics, ItemDeletedValues) {
  const Workspace ws = analysed(five_examinees());
  const auto& a = ws.items[1];
  // Without item 1 the scores are 3 2 1 1 0.
  EXPECT_DOUBLE_EQ(a.mean_if_deleted, 1.4);
  EXPECT_NEAR(a.variance_if_deleted, 1.04, 1e-12);
  EXPECT_NEAR(a.kr20_if_deleted, 1.5 * (1.04 - 0.56) / 1.04, 1e-12);
  EXPECT_NEAR(a.sem_if_deleted, std::sqrt(0.32), 1e-12);
  // The correlation of item 1 with the rest score: cov .36 / (sd .4899 * sd 1.0198).
  EXPECT_NEAR(a.adj_point_biserial, 0.36 / std::sqrt(0.24 * 1.04), 1e-12);
  EXPECT_NEAR(ws.stats.kr20, 0.8, 1e-12);
}

TEST(ItemStatistics, EveryoneAndNobodyCorrect) {
  const Workspace ws = analysed(with_extremes());
  const auto& all = ws.items[5];
  EXPECT_EQ(all.point_biserial, kNotComputable);
  EXPECT_EQ(all.adj_point_biserial, kNotComputable);
  EXPECT_EQ(all.biserial, 0.0);
  const auto& none = ws.items[6];
  EXPECT_EQ(none.difficulty, 0.0);
  EXPECT_EQ(none.mean_score_correct, 0.0);
  EXPECT_EQ(none.point_biserial, 0.0);
  EXPECT_EQ(none.biserial, 0.0);
  EXPECT_EQ(none.adj_biserial, 0.0);
  // The marker stays out of the means: five of the six items count.
  double sum = 0, sum_adj = 0;
  for (std::size_t j : {1, 2, 3, 4, 6}) {
    sum += ws.items[j].point_biserial;
    sum_adj += ws.items[j].adj_point_biserial;
  }
  EXPECT_NEAR(ws.stats.mean_point_biserial, sum / 5, 1e-12);
  EXPECT_NEAR(ws.stats.mean_adj_point_biserial, sum_adj / 5, 1e-12);
  EXPECT_NEAR(ws.stats.kr20, 0.5, 1e-12);  // 6/5 * (1.5 - .875) / 1.5
}

TEST(ItemStatistics, BiserialFromTheOrdinateAtTheDifficulty) {
  const Workspace ws = analysed(with_extremes());
  const auto& it = ws.items[1];  // p = .5 (z = 0), scores of the correct 5 and 2
  EXPECT_DOUBLE_EQ(it.difficulty, 0.5);
  EXPECT_NEAR(it.point_biserial, 0.5 / std::sqrt(1.5), 1e-12);
  EXPECT_NEAR(it.biserial, 0.5 * 2.50662827463 * it.point_biserial, 1e-12);
  EXPECT_EQ(it.low_correct, 1);  // the low group holds both examinees with 2
  EXPECT_DOUBLE_EQ(it.low_p, 0.5);
  EXPECT_DOUBLE_EQ(it.discrimination, 0.5);
}

TEST(ItemStatistics, ProblemMarksFollowTheCriteria) {
  Workspace ws = load(with_extremes());
  compute_analysis(ws, 0.27, 0.27);
  EXPECT_TRUE(ws.items[5].problem);  // p > .9 and the marker
  EXPECT_TRUE(ws.items[6].problem);  // p < .2
  int marked = 0;
  for (std::size_t j = 1; j <= 6; ++j) marked += ws.items[j].problem;
  EXPECT_EQ(ws.stats.problem_item_count, marked);

  // The "remove" values switch every test off, the marker test included.
  ws.options.crit_difficulty_low = 0.0;
  ws.options.crit_difficulty_high = 1.0;
  ws.options.crit_discrimination = -1.0;
  ws.options.crit_point_biserial = -1.0;
  ws.options.crit_adj_point_biserial = -1.0;
  compute_analysis(ws, 0.27, 0.27);
  EXPECT_EQ(ws.stats.problem_item_count, 0);

  // Only the marker test: criteria that pass everything else still catch it.
  ws.options.crit_point_biserial = -0.99;
  compute_analysis(ws, 0.27, 0.27);
  EXPECT_EQ(ws.stats.problem_item_count, 1);
  EXPECT_TRUE(ws.items[5].problem);

  ws = load(with_extremes());
  ws.options.suggest_problem_items = false;
  compute_analysis(ws, 0.27, 0.27);
  EXPECT_EQ(ws.stats.problem_item_count, 0);
}

TEST(ItemStatistics, ExcludedItemsKeepTheirValuesAndLeaveK) {
  TestDefinition t = five_examinees();
  t.include = "YYNY";
  Workspace ws = load(t);
  ws.items[3].difficulty = 0.123;
  ws.items[3].point_biserial = -0.5;
  compute_analysis(ws, 0.27, 0.27);
  EXPECT_EQ(ws.items[3].difficulty, 0.123);
  EXPECT_EQ(ws.items[3].point_biserial, -0.5);
  EXPECT_FALSE(ws.items[3].problem);
  EXPECT_EQ(ws.included_count, 3);
  // Scores without item 3: 3 2 2 1 0.
  EXPECT_DOUBLE_EQ(ws.stats.mean_score, 1.6);
  EXPECT_DOUBLE_EQ(ws.stats.mean_difficulty, (0.6 + 0.8 + 0.2) / 3);
}

TEST(ItemStatistics, ZeroSpreadGivesDefinedCorrelations) {
  // Equal scores with different right answers: no score spread, both groups empty.
  TestDefinition t;
  t.key = "11";
  t.lines = {"12", "21", "12"};
  const Workspace ws = analysed(t);
  for (std::size_t j = 1; j <= 2; ++j) {
    const auto& it = ws.items[j];
    EXPECT_EQ(it.point_biserial, 0.0);
    EXPECT_EQ(it.high_p, 0.0);
    EXPECT_EQ(it.low_p, 0.0);
    EXPECT_EQ(it.discrimination, 0.0);
    EXPECT_FALSE(std::isnan(it.adj_point_biserial));
    EXPECT_FALSE(std::isnan(it.adj_biserial));
    EXPECT_FALSE(std::isnan(it.kr20_if_deleted));
    EXPECT_FALSE(std::isnan(it.sem_if_deleted));
  }
  // k = 2: the KR-20 without an item is undefined and left 0.
  EXPECT_EQ(ws.items[1].kr20_if_deleted, 0.0);
}

}  // namespace
}  // namespace jrv

namespace jrv {
namespace {

// The item and option counts come from one tally of the responses by code; counted here
// examinee by examinee instead, on a large test with alternatives, a key-9 item and
// excluded items, after a run that left the items sorted by difficulty.
TEST(ItemStatistics, CountsAgreeWithADirectCountWhateverTheItemOrder) {
  Workspace ws = testing::make_large_test(600, 60, 5);
  ws.options.item_sort = ItemSort::difficulty;
  run_analysis(ws, EditorDocument{});
  compute_analysis(ws, 0.27, 0.27);
  const CorrectCodes codes(ws);
  const auto& st = ws.stats;
  for (int j = 1; j <= ws.num_items; ++j) {
    const auto& it = ws.items[static_cast<std::size_t>(j)];
    const auto item = static_cast<std::size_t>(it.item_number);
    if (it.include_flag == 0) continue;
    int correct = 0, high = 0, low = 0;
    OptionCounts chosen{};
    for (int i = 1; i <= ws.num_cases; ++i) {
      const auto& c = ws.cases[static_cast<std::size_t>(i)];
      const std::uint8_t code = ws.responses[static_cast<std::size_t>(c.case_number)][item];
      if (code >= 1 && code <= kOptionSlots) ++chosen[code];
      if (!codes.correct(item, code)) continue;
      ++correct;
      high += c.raw_score >= st.high_group_min;
      low += c.raw_score <= st.low_group_max;
    }
    EXPECT_EQ(it.correct_count, correct) << "item " << item;
    EXPECT_EQ(it.high_correct, high) << "item " << item;
    EXPECT_EQ(it.low_correct, low) << "item " << item;
    EXPECT_EQ(it.option_count_total, chosen) << "item " << item;
  }
}

}  // namespace
}  // namespace jrv
