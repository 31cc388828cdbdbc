#include "core/analysis/options_counts.h"

#include <gtest/gtest.h>

#include "core/analysis/analysis_fixture.h"
#include "core/analysis/analysis_run.h"

namespace jrv {
namespace {

using testing::load;
using testing::TestDefinition;

TEST(OptionsCounts, WholeUpperAndLowerGroupCounts) {
  TestDefinition t;
  t.key = "12";
  t.options = "34";
  // Scores 2, 1, 0, 0: one examinee above, the two zeros below.
  t.lines = {"12", "1 ", "31", "24"};
  Workspace ws = load(t);
  compute_analysis(ws, 0.27, 0.27);
  const auto& a = ws.items[1];
  EXPECT_EQ(a.option_count_total, (OptionCounts{0, 2, 1, 1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(a.option_count_high, (OptionCounts{0, 1, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(a.option_count_low, (OptionCounts{0, 0, 1, 1, 0, 0, 0, 0, 0}));
  EXPECT_DOUBLE_EQ(a.option_prop_total[1], 0.5);
  EXPECT_DOUBLE_EQ(a.option_prop_high[1], 1.0);
  EXPECT_DOUBLE_EQ(a.option_prop_low[3], 0.5);
  // The missing answer is counted nowhere.
  const auto& b = ws.items[2];
  EXPECT_EQ(b.option_count_total, (OptionCounts{0, 1, 1, 0, 1, 0, 0, 0, 0}));
  EXPECT_DOUBLE_EQ(b.option_prop_total[4], 0.25);
}

TEST(OptionsCounts, RightWrongModeUsesTwoSlots) {
  TestDefinition t;
  t.key = "11";
  t.options = "22";
  t.lines = {"11", "10", "00", "0 "};
  Workspace ws = load(t);
  ws.right_wrong_mode = true;
  ws.items[2].option_prop_total[5] = 0.7;  // left over from an earlier run
  compute_analysis(ws, 0.27, 0.27);
  EXPECT_EQ(ws.items[1].option_count_total, (OptionCounts{0, 2, 2, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(ws.items[2].option_count_total, (OptionCounts{0, 1, 2, 0, 0, 0, 0, 0, 0}));
  EXPECT_DOUBLE_EQ(ws.items[2].option_prop_total[2], 0.5);
  EXPECT_EQ(ws.items[2].option_prop_total[5], 0.0);
}

TEST(OptionsCounts, EmptyGroupsGiveZeroProportionsAndExcludedItemsNoCounts) {
  TestDefinition t;
  t.key = "111";
  t.include = "YYN";
  t.lines = {"121", "211", "122"};  // everyone scores 1: both groups end up empty
  Workspace ws = load(t);
  ws.items[3].option_count_total[1] = 5;
  compute_analysis(ws, 0.27, 0.27);
  EXPECT_EQ(ws.stats.high_group_size, 0);
  EXPECT_EQ(ws.items[1].option_count_total[1], 2);
  EXPECT_EQ(ws.items[1].option_count_high[1], 0);
  EXPECT_EQ(ws.items[1].option_prop_high[1], 0.0);
  EXPECT_EQ(ws.items[1].option_prop_low[2], 0.0);
  EXPECT_EQ(ws.items[3].option_count_total, OptionCounts{});
}

}  // namespace
}  // namespace jrv
