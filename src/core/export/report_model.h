#pragma once
// The shareable report's content, built once from a run and its diagnostics; the HTML
// and the PDF are two renderings of this one value.

#include <string>
#include <vector>

#include "core/charts/chart_series.h"
#include "core/diagnostics/item_diagnostics.h"
#include "core/workspace/workspace.h"

namespace jrv {

struct ReportFact {
  std::string label, value;
  bool operator==(const ReportFact&) const = default;
};

struct ReportModel {
  std::string title, comments, date;
  std::vector<ReportFact> summary;       // N, items, mean, SD, KR-20 with its interval, SEM, ...
  ChartSeries histogram;                 // the score histogram of the run
  std::vector<ItemDiagnostics> items;    // the included items, by number
  std::vector<ItemDiagnostics> flagged;  // those with a flag, by number
  ScoreGroups groups;
  bool operator==(const ReportModel&) const = default;
};

// `date` is printed as given.
ReportModel build_report(const Workspace& ws, const DiagnosticsResult& diagnostics,
                         const std::string& date);

}  // namespace jrv
