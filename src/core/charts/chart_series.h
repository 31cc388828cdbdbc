#pragma once
// What one chart shows: a title, the bars of its single series, and how they are drawn.
// The chart window only paints these.

#include <string>
#include <vector>

namespace jrv {

struct ChartBar {
  std::string label;
  double value = 0;
  bool operator==(const ChartBar&) const = default;
};

struct ChartSeries {
  std::string title;
  int bar_width_percent = 70;
  bool value_marks = false;  // print each bar's value on it
  std::vector<ChartBar> bars;
  bool operator==(const ChartSeries&) const = default;
};

}  // namespace jrv
