#include "core/export/report_model.h"

#include "core/charts/histogram.h"
#include "core/diagnostics/diagnostics_texts.h"
#include "core/text/format.h"

namespace jrv {

ReportModel build_report(const Workspace& ws, const DiagnosticsResult& d, const std::string& date) {
  ReportModel m;
  m.title = d.title.empty() ? "Item analysis" : d.title;
  m.comments = ws.comments;
  m.date = date;
  const TestStatistics& s = d.stats;
  m.summary = {
      {"Examinees", int_str(d.examinees)},
      {"Items",
       int_str(d.included_items) + (d.included_items != d.items ? " of " + int_str(d.items) : "")},
      {"Mean", fixed(s.mean_score, 2)},
      {"Standard deviation", fixed(s.sd_score, 2)},
      {"KR-20", fixed(s.kr20, 3) + " (95 % CI " + interval_text(d.kr20_ci95) + ")"},
      {"SEM", fixed(s.sem_kr20, 2)},
      {"Lowest / median / highest",
       fixed(s.min_score, 0) + " / " + general(s.median_score) + " / " + fixed(s.max_score, 0)},
      {"Mean difficulty", fixed(s.mean_difficulty, 3)},
      {"Flagged items", int_str(d.flagged_count())}};
  m.histogram = score_histogram(ws);
  for (const auto& item : d.item_list) {
    if (!item.included) continue;
    m.items.push_back(item);
    if (!item.flags.empty()) m.flagged.push_back(item);
  }
  m.groups = d.groups;
  return m;
}

}  // namespace jrv
