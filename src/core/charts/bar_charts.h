#pragma once
// The bar charts of the last analysis: examinees per score and per letter grade.

#include "core/charts/chart_series.h"
#include "core/workspace/workspace.h"

namespace jrv {

// "Bar Chart for Scores": one bar per score from the lowest to the highest.
ChartSeries score_bar_chart(const Workspace& ws);

// "Bar Chart for Letter Grades": one bar per category, the lowest category first.
ChartSeries grade_bar_chart(const Workspace& ws);

}  // namespace jrv
