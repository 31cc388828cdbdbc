#pragma once
// The score histogram's bins.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/charts/chart_series.h"
#include "core/workspace/workspace.h"

namespace jrv {

struct HistogramBins {
  int start_count = 0;              // b0: round(sqrt(N)) + 1, limited to 3..35
  int count = 0;                    // b: grown until the bins reach the highest score
  int width = 0;                    // w, in score points
  std::vector<double> edges;        // e0..eb
  std::vector<std::string> labels;  // midpoint of each bin, no decimals
  std::vector<int> counts;          // examinees per bin
  bool operator==(const HistogramBins&) const = default;
};

// Bins over `scores` from `min_score` to `max_score` (the lowest and highest score).
HistogramBins histogram_bins(std::span<const std::int32_t> scores, double min_score,
                             double max_score);

// "Histogram for Scores" over the raw scores of the last analysis.
ChartSeries score_histogram(const Workspace& ws);

}  // namespace jrv
