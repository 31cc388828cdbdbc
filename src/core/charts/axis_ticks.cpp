#include "core/charts/axis_ticks.h"

#include <algorithm>
#include <cmath>

#include "core/text/convert.h"

namespace jrv {

long long round_step(double span, int max_steps) {
  const int steps = std::max(1, max_steps);
  for (long long decade = 1;; decade *= 10)
    for (long long m : {1, 2, 5})
      if (span <= static_cast<double>(m * decade * steps) || decade > 1'000'000'000'000LL)
        return m * decade;
}

CountAxis count_axis(double highest, int max_intervals) {
  // Room above the tallest bar for its value mark.
  const double wanted = std::max(1.0, std::ceil(std::max(0.0, highest) * 1.1));
  CountAxis a;
  a.step = static_cast<double>(round_step(wanted, max_intervals));
  a.intervals = static_cast<int>(std::ceil(wanted / a.step));
  a.top = a.step * a.intervals;
  return a;
}

std::vector<std::string> shown_bar_labels(const std::vector<ChartBar>& bars, int max_shown) {
  std::vector<std::string> out;
  out.reserve(bars.size());
  for (const auto& b : bars) out.push_back(b.label);
  if (static_cast<int>(bars.size()) <= max_shown) return out;
  const long long step = round_step(static_cast<double>(bars.size()), max_shown);
  for (auto& label : out) {
    const auto v = parse_int(label);
    if (v && *v % step != 0) label.clear();
  }
  return out;
}

}  // namespace jrv
