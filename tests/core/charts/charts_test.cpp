#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "core/charts/axis_ticks.h"
#include "core/charts/bar_charts.h"
#include "core/charts/histogram.h"

namespace jrv {
namespace {

Workspace with_scores(const std::vector<int>& scores) {
  Workspace ws;
  ws.num_cases = static_cast<int>(scores.size());
  ws.cases.resize(scores.size());
  for (std::size_t e = 0; e < scores.size(); ++e) ws.cases[e + 1].raw_score = scores[e];
  ws.stats.min_score = *std::min_element(scores.begin(), scores.end());
  ws.stats.max_score = *std::max_element(scores.begin(), scores.end());
  return ws;
}

int total(const HistogramBins& h) {
  return std::accumulate(h.counts.begin(), h.counts.end(), 0);
}

TEST(Histogram, StartingBinCountFollowsTheNumberOfExaminees) {
  struct Case {
    int examinees;
    int b0;
  };
  for (const Case c : {Case{1, 3}, Case{4, 3}, Case{9, 4}, Case{30, 6}, Case{1000, 33},
                       Case{1156, 35}, Case{2000, 35}}) {
    std::vector<std::int32_t> scores(c.examinees);
    for (int e = 0; e < c.examinees; ++e) scores[e] = e % 101;
    const auto h = histogram_bins(scores, 0, c.examinees > 100 ? 100 : c.examinees - 1);
    EXPECT_EQ(h.start_count, c.b0) << c.examinees << " examinees";
    EXPECT_EQ(total(h), c.examinees);
  }
}

TEST(Histogram, ScoresTenToTwentyOfNineExaminees) {
  const std::vector<std::int32_t> scores = {10, 11, 12, 13, 14, 16, 17, 19, 20};
  const auto h = histogram_bins(scores, 10, 20);
  EXPECT_EQ(h.start_count, 4);
  EXPECT_EQ(h.width, 3);  // round(11 / 4 = 2.75)
  EXPECT_EQ(h.count, 4);
  EXPECT_EQ(h.edges, (std::vector<double>{9.5, 12.5, 15.5, 18.5, 21.5}));
  EXPECT_EQ(h.labels, (std::vector<std::string>{"11", "14", "17", "20"}));
  EXPECT_EQ(h.counts, (std::vector<int>{3, 2, 2, 2}));
}

TEST(Histogram, BinsGrowUntilTheyReachTheHighestScore) {
  // 9 examinees from 0 to 25: b0 = 4, w = round(26 / 4 = 6.5) = 6 (half to even);
  // 4 bins reach 24 < 25, so a fifth is added.
  const std::vector<std::int32_t> scores = {0, 3, 6, 9, 12, 15, 18, 24, 25};
  const auto h = histogram_bins(scores, 0, 25);
  EXPECT_EQ(h.width, 6);
  EXPECT_EQ(h.count, 5);
  EXPECT_EQ(h.labels, (std::vector<std::string>{"3", "9", "15", "21", "27"}));
  EXPECT_EQ(h.counts, (std::vector<int>{2, 2, 2, 1, 2}));
}

TEST(Histogram, NarrowRangeAmongManyExamineesStillEnds) {
  // 400 examinees on scores 10..12: the rounded width would be 0 and the bins never reach 12.
  std::vector<std::int32_t> scores(400);
  for (int e = 0; e < 400; ++e) scores[e] = 10 + e % 3;
  const auto h = histogram_bins(scores, 10, 12);
  EXPECT_EQ(h.width, 1);
  EXPECT_EQ(h.count, 21);
  EXPECT_EQ(h.counts[0], 134);
  EXPECT_EQ(h.counts[2], 133);
  EXPECT_EQ(total(h), 400);

  const std::vector<std::int32_t> same(50, 7);
  const auto one = histogram_bins(same, 7, 7);
  EXPECT_EQ(one.labels.front(), "7");
  EXPECT_EQ(one.counts.front(), 50);
}

TEST(Histogram, ChartCarriesTitleAndFullWidthBars) {
  const Workspace ws = with_scores({10, 11, 12, 13, 14, 16, 17, 19, 20});
  const ChartSeries c = score_histogram(ws);
  EXPECT_EQ(c.title, "Histogram for Scores");
  EXPECT_EQ(c.bar_width_percent, 100);
  EXPECT_TRUE(c.value_marks);
  EXPECT_EQ(c.bars, (std::vector<ChartBar>{{"11", 3}, {"14", 2}, {"17", 2}, {"20", 2}}));
}

TEST(ScoreBarChart, OneBarPerScoreFromLowestToHighest) {
  const Workspace ws = with_scores({3, 5, 5, 7});
  const ChartSeries c = score_bar_chart(ws);
  EXPECT_EQ(c.title, "Bar Chart for Scores");
  EXPECT_EQ(c.bar_width_percent, 70);
  EXPECT_FALSE(c.value_marks);
  EXPECT_EQ(c.bars, (std::vector<ChartBar>{{"3", 1}, {"4", 0}, {"5", 2}, {"6", 0}, {"7", 1}}));

  const ChartSeries full = score_bar_chart(with_scores({0, 100}));
  ASSERT_EQ(full.bars.size(), 101u);
  EXPECT_EQ(full.bars.back(), (ChartBar{"100", 1}));
}

TEST(GradeBarChart, CategoriesInReverseScaleOrder) {
  Workspace ws;
  ws.grade_scale.grade_category_count = 3;
  ws.grade_scale.grade_labels[1] = "A   ";
  ws.grade_scale.grade_labels[2] = "B   ";
  ws.grade_scale.grade_labels[3] = "F   ";
  ws.stats.grade_counts[1] = 4;
  ws.stats.grade_counts[2] = 0;
  ws.stats.grade_counts[3] = 2;
  const ChartSeries c = grade_bar_chart(ws);
  EXPECT_EQ(c.title, "Bar Chart for Letter Grades");
  EXPECT_EQ(c.bar_width_percent, 70);
  EXPECT_TRUE(c.value_marks);
  EXPECT_EQ(c.bars, (std::vector<ChartBar>{{"F   ", 2}, {"B   ", 0}, {"A   ", 4}}));

  ws.grade_scale.grade_category_count = 1;
  EXPECT_EQ(grade_bar_chart(ws).bars, (std::vector<ChartBar>{{"A   ", 4}}));
  ws.grade_scale.grade_category_count = 0;
  EXPECT_TRUE(grade_bar_chart(ws).bars.empty());
}

// The count axis of a large test ticks at round numbers with room above the tallest bar.
TEST(ChartAxes, CountTicksAtRoundSteps) {
  EXPECT_EQ(count_axis(0), (CountAxis{1, 1, 1}));
  EXPECT_EQ(count_axis(7), (CountAxis{8, 1, 8}));       // 7.7 -> 8 in steps of 1
  EXPECT_EQ(count_axis(37), (CountAxis{45, 5, 9}));     // 40.7 -> 41 in steps of 5
  EXPECT_EQ(count_axis(187), (CountAxis{250, 50, 5}));  // not 0, 20.6, 41.2, ...
  EXPECT_EQ(count_axis(950), (CountAxis{1200, 200, 6}));
  EXPECT_EQ(round_step(100, 10), 10);
  EXPECT_EQ(round_step(101, 10), 20);
}

// Many score bars name the scores at a round step only; few bars and grade names keep all.
TEST(ChartAxes, ManyScoreBarsShowRoundScoresOnly) {
  std::vector<int> scores;
  for (int s = 0; s <= 100; ++s) scores.push_back(s);
  const ChartSeries bars = score_bar_chart(with_scores(scores));
  const auto shown = shown_bar_labels(bars.bars, 20);
  ASSERT_EQ(shown.size(), 101u);
  std::vector<std::string> named;
  for (const auto& l : shown)
    if (!l.empty()) named.push_back(l);
  EXPECT_EQ(named, (std::vector<std::string>{"0", "10", "20", "30", "40", "50", "60", "70", "80",
                                             "90", "100"}));
  const auto few = std::vector<ChartBar>(bars.bars.begin(), bars.bars.begin() + 20);
  EXPECT_EQ(shown_bar_labels(few, 20)[7], "7");
  std::vector<ChartBar> grades(30, ChartBar{"A", 1});
  EXPECT_EQ(shown_bar_labels(grades, 20)[3], "A");
}

}  // namespace
}  // namespace jrv
