#include "core/charts/histogram.h"

#include <algorithm>
#include <cmath>

#include "core/text/format.h"

namespace jrv {

HistogramBins histogram_bins(std::span<const std::int32_t> scores, double min_score,
                             double max_score) {
  HistogramBins h;
  const double n = static_cast<double>(scores.size());
  h.start_count = std::clamp<int>(static_cast<int>(round_half_even(std::sqrt(n))) + 1, 3, 35);
  h.count = h.start_count;
  // A width of 0 (a narrow score range among many examinees) would never reach the highest
  // score; one point is the narrowest bin that makes sense for whole-number scores.
  h.width = std::max<int>(
      1, static_cast<int>(round_half_even((max_score - min_score + 1) / h.start_count)));
  while (min_score + static_cast<double>(h.width) * h.count < max_score) ++h.count;

  h.edges.resize(h.count + 1);
  h.edges[0] = min_score - 0.5;
  for (int i = 1; i <= h.count; ++i) h.edges[i] = h.edges[i - 1] + h.width;
  for (int i = 1; i <= h.count; ++i)
    h.labels.push_back(fixed((h.edges[i - 1] + h.edges[i]) / 2, 0));

  h.counts.assign(h.count, 0);
  for (const std::int32_t s : scores) {
    // The highest bin whose lower edge is at or below the score (the first for any lower).
    const auto above = std::upper_bound(h.edges.begin(), h.edges.end() - 1, static_cast<double>(s));
    const auto bin = std::max<std::ptrdiff_t>(0, (above - h.edges.begin()) - 1);
    ++h.counts[bin];
  }
  return h;
}

ChartSeries score_histogram(const Workspace& ws) {
  std::vector<std::int32_t> scores;
  scores.reserve(ws.num_cases);
  for (int e = 1; e <= ws.num_cases && e <= static_cast<int>(ws.cases.size()); ++e)
    scores.push_back(ws.cases[e].raw_score);
  const HistogramBins h = histogram_bins(scores, ws.stats.min_score, ws.stats.max_score);

  ChartSeries chart;
  chart.title = "Histogram for Scores";
  chart.bar_width_percent = 100;
  chart.value_marks = true;
  for (int i = 0; i < h.count; ++i) chart.bars.push_back({h.labels[i], double(h.counts[i])});
  return chart;
}

}  // namespace jrv
