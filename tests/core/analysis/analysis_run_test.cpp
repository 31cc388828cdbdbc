#include "core/analysis/analysis_run.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/analysis/analysis_fixture.h"
#include "core/analysis/large_test.h"
#include "core/analysis/sorting.h"

namespace jrv {
namespace {

using testing::by_scores;
using testing::load;

TEST(AnalysisRun, FillsTheBannerAndUsesTheTypedGroupPercentages) {
  Workspace ws = load(by_scores({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 9));
  EditorDocument doc;
  doc.groups.top = "50";
  doc.groups.bottom = "abc";  // left so by Cancel: 27 for this run
  run_analysis(ws, doc);
  EXPECT_TRUE(ws.analysed);
  EXPECT_EQ(ws.reports.banner_lines[0], "JRV: Orvandel (version 6.65)");
  EXPECT_FALSE(ws.reports.banner_lines[1].empty());
  EXPECT_FALSE(ws.reports.banner_lines[2].empty());
  EXPECT_EQ(ws.stats.high_group_size, 5);  // Round(10 * .50)
  EXPECT_EQ(ws.stats.low_group_size, 3);   // Round(10 * .27)
  EXPECT_EQ(doc.groups.bottom, "abc");
}

TEST(AnalysisRun, StartsFromAnyOrderAndEndsInInputAndItemOrder) {
  Workspace ws = load(by_scores({3, 1, 2, 2, 0, 3}, 3));
  ws.options.examinee_sort = ExamineeSort::by_score;
  ws.options.item_sort = ItemSort::difficulty;
  Workspace reference = ws;
  compute_analysis(reference, 0.27, 0.27);

  sort_cases_by_score(ws);
  ws.items[1].difficulty = 0.9;  // a stale value that would reorder the items
  sort_items(ws, ItemSort::difficulty);
  run_analysis(ws, EditorDocument{});
  for (int i = 1; i <= ws.num_cases; ++i) {
    const auto iu = static_cast<std::size_t>(i);
    EXPECT_EQ(ws.cases[iu].case_number, i);
    EXPECT_EQ(ws.cases[iu], reference.cases[iu]) << "examinee " << i;
  }
  for (int j = 1; j <= ws.num_items; ++j)
    EXPECT_EQ(ws.items[static_cast<std::size_t>(j)].item_number, j);
  EXPECT_EQ(ws.stats, reference.stats);
}

bool finite(double x) {
  return std::isfinite(x);
}

TEST(AnalysisRun, AFullSizeTestGivesFiniteValuesEverywhere) {
  Workspace ws = testing::make_large_test();
  run_analysis(ws, EditorDocument{});
  const auto& s = ws.stats;
  for (double v :
       {s.mean_score, s.variance_score, s.sd_score, s.skewness, s.kurtosis, s.mean_difficulty,
        s.mean_discrimination, s.mean_point_biserial, s.mean_adj_point_biserial, s.kr20, s.kr21,
        s.sem_kr20, s.sem_kr21, s.split_half_first_second, s.split_half_odd_even})
    EXPECT_TRUE(finite(v));
  EXPECT_GT(s.kr20, 0.8);
  EXPECT_LE(s.high_group_size + s.low_group_size, ws.num_cases);
  EXPECT_GE(s.high_group_size, 2700);
  for (int j = 1; j <= ws.num_items; ++j) {
    const auto& it = ws.items[static_cast<std::size_t>(j)];
    if (it.include_flag == 0) continue;
    for (double v :
         {it.difficulty, it.discrimination, it.point_biserial, it.biserial, it.adj_point_biserial,
          it.adj_biserial, it.kr20_if_deleted, it.sem_if_deleted, it.variance_if_deleted})
      ASSERT_TRUE(finite(v)) << "item " << j;
    int counted = 0;
    for (std::size_t k = 1; k <= kOptionSlots; ++k) counted += it.option_count_total[k];
    EXPECT_LE(counted, ws.num_cases);
    EXPECT_GT(counted, ws.num_cases * 9 / 10);
  }
}

}  // namespace
}  // namespace jrv
