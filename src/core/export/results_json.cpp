#include "core/export/results_json.h"

#include <nlohmann/json.hpp>

namespace jrv {

namespace {

// Keys keep the order written here, which reads as the reports do.
using json = nlohmann::ordered_json;

// Labels and grades are padded to their columns; a reader of the file wants the text.
std::string trimmed(const std::string& s) {
  return s.substr(0, s.find_last_not_of(' ') + 1);
}

json interval(const std::optional<Interval>& i) {
  return i ? json::array({i->low, i->high}) : json(nullptr);
}

json correlation(double r) {
  return r == kNotComputable ? json(nullptr) : json(r);
}

json test_json(const DiagnosticsResult& d) {
  const TestStatistics& s = d.stats;
  json t = {{"title", d.title},
            {"examinees", d.examinees},
            {"items", d.items},
            {"included_items", d.included_items},
            {"mean", s.mean_score},
            {"sd", s.sd_score},
            {"variance", s.variance_score},
            {"median", s.median_score},
            {"min", s.min_score},
            {"max", s.max_score},
            {"skewness", s.skewness},
            {"kurtosis", s.kurtosis},
            {"kr20", s.kr20},
            {"kr20_ci95", interval(d.kr20_ci95)},
            {"kr20_ci90", interval(d.kr20_ci90)},
            {"kr21", s.kr21},
            {"sem", s.sem_kr20},
            {"sem_kr21", s.sem_kr21},
            {"split_half_first_second", s.split_half_first_second},
            {"split_half_odd_even", s.split_half_odd_even},
            {"mean_difficulty", s.mean_difficulty},
            {"sd_difficulty", s.sd_difficulty},
            {"mean_discrimination", s.mean_discrimination},
            {"mean_point_biserial", s.mean_point_biserial},
            {"mean_adjusted_point_biserial", s.mean_adj_point_biserial},
            {"upper_group_size", s.high_group_size},
            {"lower_group_size", s.low_group_size},
            {"upper_group_min_score", s.high_group_min},
            {"lower_group_max_score", s.low_group_max},
            {"problem_items", s.problem_item_count},
            {"flagged_items", d.flagged_count()},
            {"score_group_sizes", d.groups.sizes}};
  return t;
}

json item_json(const ItemDiagnostics& d) {
  const ItemRecord& r = d.record;
  json item = {{"item", d.item}, {"included", d.included}, {"key", r.key_value}};
  if (!d.included) return item;
  item.update({{"option_count", r.option_count},
               {"correct_count", r.correct_count},
               {"difficulty", r.difficulty},
               {"discrimination", r.discrimination},
               {"upper_proportion_correct", r.high_p},
               {"lower_proportion_correct", r.low_p},
               {"point_biserial", correlation(r.point_biserial)},
               {"biserial", r.biserial},
               {"adjusted_point_biserial", correlation(r.adj_point_biserial)},
               {"adjusted_biserial", r.adj_biserial},
               {"mean_score_correct", r.mean_score_correct},
               {"mean_if_deleted", r.mean_if_deleted},
               {"variance_if_deleted", r.variance_if_deleted},
               {"kr20_if_deleted", r.kr20_if_deleted},
               {"sem_if_deleted", r.sem_if_deleted},
               {"problem", r.problem}});
  json flags = json::array(), reasons = json::array();
  for (const auto& f : d.flags) {
    flags.push_back(flag_key(f.flag));
    reasons.push_back({{"flag", flag_key(f.flag)}, {"reason", f.reason}});
  }
  item["flags"] = flags;
  item["flag_reasons"] = reasons;
  json options = json::array();
  for (const auto& o : d.options)
    options.push_back({{"option", o.option},
                       {"keyed", o.keyed},
                       {"count", o.count},
                       {"proportion", o.proportion},
                       {"mean_score", o.mean_score},
                       {"rest_point_biserial", o.rest_point_biserial},
                       {"upper", o.upper},
                       {"lower", o.lower},
                       {"quintiles", o.groups}});
  item["options"] = options;
  return item;
}

json examinee_json(const Workspace& ws, const Case_Record& c) {
  const bool graded = ws.grade_scale.grade_category_count > 0;
  auto grade = [&](const std::string& g) { return graded ? json(trimmed(g)) : json(nullptr); };
  json e = {{"label", trimmed(c.label)},
            {"raw_score", c.raw_score},
            {"percent", c.percent_score},
            {"grade", grade(ws.pc_enabled ? c.total_grade : c.grade)},
            {"rank", c.rank}};
  if (ws.pc_enabled)
    e.update({{"partial_credit_points", c.pc_score},
              {"total_score", c.total_score},
              {"total_percent", c.total_percent}});
  return e;
}

}  // namespace

std::string results_json(const Workspace& ws, const DiagnosticsResult& diagnostics) {
  json items = json::array();
  for (const auto& d : diagnostics.item_list) items.push_back(item_json(d));
  // Examinees in input order, whatever order the table was left in.
  std::vector<const Case_Record*> cases(static_cast<std::size_t>(std::max(ws.num_cases, 0)));
  for (std::size_t i = 1; i <= cases.size(); ++i) {
    const auto& c = ws.cases[i];
    const auto at = static_cast<std::size_t>(c.case_number);
    cases[at >= 1 && at <= cases.size() ? at - 1 : i - 1] = &c;
  }
  json examinees = json::array();
  for (const auto* c : cases)
    if (c) examinees.push_back(examinee_json(ws, *c));
  const json doc = {{"test", test_json(diagnostics)}, {"items", items}, {"examinees", examinees}};
  // A label that is not UTF-8 must not lose the whole document.
  return doc.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

}  // namespace jrv
