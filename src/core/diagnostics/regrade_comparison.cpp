#include "core/diagnostics/regrade_comparison.h"

#include "core/settings/grade_lookup.h"
#include "core/text/convert.h"

namespace jrv {

namespace {

// Table positions by input position, so two tables sorted differently still line up.
std::vector<std::size_t> positions_by_case(const Workspace& ws) {
  std::vector<std::size_t> at(static_cast<std::size_t>(ws.num_cases) + 1, 0);
  for (std::size_t i = 1; i <= static_cast<std::size_t>(ws.num_cases); ++i) {
    const auto n = ws.cases[i].case_number;
    if (n >= 1 && n <= ws.num_cases) at[static_cast<std::size_t>(n)] = i;
  }
  return at;
}

struct Graded {
  std::string letter;
  int category = 0;  // 1 is the highest; 0 without a scale
};

Graded graded(const Workspace& ws, const Case_Record& c) {
  if (ws.grade_scale.grade_category_count == 0) return {};
  const double value = ws.pc_enabled ? c.total_percent : c.percent_score;
  return {std::string(trim(ws.pc_enabled ? c.total_grade : c.grade)),
          grade_category(ws.grade_scale, value, ws.options.round_grade_percent)};
}

}  // namespace

RegradeComparison compare_analyses(const Workspace& before, const Workspace& after) {
  RegradeComparison out;
  const auto& b = before.stats;
  const auto& a = after.stats;
  out.kr20 = {b.kr20, a.kr20};
  out.mean = {b.mean_score, a.mean_score};
  out.sd = {b.sd_score, a.sd_score};
  out.sem = {b.sem_kr20, a.sem_kr20};

  const auto old_at = positions_by_case(before);
  const auto new_at = positions_by_case(after);
  const int n = std::min(before.num_cases, after.num_cases);
  for (int k = 1; k <= n; ++k) {
    const auto oi = old_at[static_cast<std::size_t>(k)];
    const auto ni = new_at[static_cast<std::size_t>(k)];
    if (oi == 0 || ni == 0) continue;
    const auto& o = before.cases[oi];
    const auto& c = after.cases[ni];
    const Graded og = graded(before, o), ng = graded(after, c);
    // Percentages come from the same formula, so equal fractions give equal doubles.
    if (o.raw_score == c.raw_score && o.percent_score == c.percent_score &&
        og.letter == ng.letter && og.category == ng.category)
      continue;
    ExamineeChange e;
    e.case_number = k;
    e.label = c.label;
    e.old_score = o.raw_score;
    e.new_score = c.raw_score;
    e.old_percent = o.percent_score;
    e.new_percent = c.percent_score;
    e.old_grade = og.letter;
    e.new_grade = ng.letter;
    e.grade_step = og.category - ng.category;
    if (e.grade_step > 0) ++out.grades_up;
    if (e.grade_step < 0) ++out.grades_down;
    out.changed.push_back(std::move(e));
  }
  return out;
}

}  // namespace jrv
