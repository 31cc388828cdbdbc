#pragma once
// Round numbers on the charts' axes: the count axis ticks at 1, 2, 5, 10, 20, 50, ... steps,
// and a long row of score bars labels only the scores at such a step, so labels never
// crowd into each other.

#include <string>
#include <vector>

#include "core/charts/chart_series.h"

namespace jrv {

// The smallest of 1, 2, 5, 10, 20, 50, ... that covers `span` in at most `max_steps` steps.
long long round_step(double span, int max_steps);

// The count axis: from 0 to `top` = `step` * `intervals`, room above the tallest bar.
struct CountAxis {
  double top = 1;
  double step = 1;
  int intervals = 1;
  bool operator==(const CountAxis&) const = default;
};
CountAxis count_axis(double highest, int max_intervals = 10);

// The bar labels as shown: all of them when at most `max_shown` bars; otherwise only the
// whole numbers that are a multiple of a round step (the others empty). Labels that are not
// whole numbers (grade names) are always shown.
std::vector<std::string> shown_bar_labels(const std::vector<ChartBar>& bars, int max_shown);

}  // namespace jrv
