#include "core/analysis/analysis_run.h"

#include "core/analysis/item_statistics.h"
#include "core/analysis/options_counts.h"
#include "core/analysis/report_texts.h"
#include "core/analysis/response_columns.h"
#include "core/analysis/response_tally.h"
#include "core/analysis/scoring.h"
#include "core/analysis/sorting.h"
#include "core/analysis/test_statistics.h"
#include "core/settings/option_dialogs.h"
#include "core/workspace/identity.h"

namespace jrv {

void compute_analysis(Workspace& ws, double upper_fraction, double lower_fraction) {
  int included = 0;
  for (int j = 1; j <= std::min(ws.num_items, kMaxItems); ++j)
    included += ws.include_flags[static_cast<std::size_t>(j)] != 0;
  ws.included_count = included;

  sort_cases_by_input_order(ws);
  sort_items(ws, ItemSort::item_number);

  // Scoring and the tally read the responses item by item.
  const ResponseColumns columns(ws);
  score_examinees(ws, columns);
  const auto order = score_rank_order(ws);
  compute_score_distribution(ws, order);
  form_groups(ws, upper_fraction, lower_fraction, order);
  // One pass over the responses serves the item statistics and the option counts.
  const ResponseTally tally = tally_responses(ws, columns);
  const ItemPassValues pass = compute_item_statistics(ws, tally);
  compute_kr20(ws);
  compute_item_deleted_statistics(ws, pass);
  compute_reliability_and_bands(ws);
  mark_problem_items(ws);
  count_options(ws, tally);
}

void run_analysis(Workspace& ws, const EditorDocument& doc) {
  ws.reports.banner_lines = identification_lines();
  ws.reports.quick_examinee.clear();
  ws.reports.quick_items.clear();
  ws.reports.full_results.clear();
  const GroupPercents groups = group_percents_for_run(doc.groups);
  compute_analysis(ws, groups.upper / 100.0, groups.lower / 100.0);
  write_report_texts(ws, doc);
  ws.analysed = true;
}

}  // namespace jrv
