#include "core/charts/bar_charts.h"

#include <algorithm>
#include <vector>

#include "core/text/format.h"

namespace jrv {

ChartSeries score_bar_chart(const Workspace& ws) {
  ChartSeries chart;
  chart.title = "Bar Chart for Scores";
  chart.bar_width_percent = 70;
  chart.value_marks = false;
  const auto low = round_half_even(ws.stats.min_score);
  const auto high = round_half_even(ws.stats.max_score);
  if (high < low) return chart;
  std::vector<int> counts(high - low + 1, 0);
  for (int e = 1; e <= ws.num_cases && e <= static_cast<int>(ws.cases.size()); ++e) {
    const auto s = ws.cases[e].raw_score;
    if (s >= low && s <= high) ++counts[s - low];
  }
  for (auto s = low; s <= high; ++s)
    chart.bars.push_back({int_str(s), static_cast<double>(counts[s - low])});
  return chart;
}

ChartSeries grade_bar_chart(const Workspace& ws) {
  ChartSeries chart;
  chart.title = "Bar Chart for Letter Grades";
  chart.bar_width_percent = 70;
  chart.value_marks = true;
  const int categories = std::min(ws.grade_scale.grade_category_count, kMaxGradeCategories);
  for (int c = categories; c >= 1; --c)
    chart.bars.push_back({ws.grade_scale.grade_labels[c], double(ws.stats.grade_counts[c])});
  return chart;
}

}  // namespace jrv
