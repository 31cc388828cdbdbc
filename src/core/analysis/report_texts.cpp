#include "core/analysis/report_texts.h"

#include "core/analysis/full_report.h"
#include "core/analysis/quick_examinee_report.h"
#include "core/analysis/quick_item_report.h"
#include "core/analysis/sorting.h"

namespace jrv {

void write_report_texts(Workspace& ws, const EditorDocument& doc) {
  auto& r = ws.reports;
  r.messages.clear();

  sort_cases_by_input_order(ws);
  if (ws.options.examinee_sort == ExamineeSort::by_label) sort_cases_by_label(ws);
  if (ws.options.examinee_sort == ExamineeSort::by_score) sort_cases_by_score(ws);
  sort_items(ws, ws.options.item_sort);

  r.quick_examinee = quick_examinee_lines(ws, doc.grades);
  r.quick_items = quick_item_lines(ws);
  r.full_results = full_results_lines(ws, doc, r.messages);
}

}  // namespace jrv
