#include <filesystem>
#include <iostream>
#include <sstream>

#include "cli/analyze_args.h"
#include "cli/commands.h"
#include "cli/load.h"
#include "core/analysis/analysis_run.h"
#include "core/diagnostics/item_diagnostics.h"
#include "core/export/gradebook.h"
#include "core/export/results_json.h"
#include "core/input/input_file_writer.h"
#include "core/process/exit_now.h"
#include "core/reports/data_exports.h"
#include "core/reports/grade_reports.h"
#include "core/reports/item_stats_file.h"
#include "core/reports/results_files.h"
#include "core/settings/grade_window.h"
#include "core/settings/option_dialogs.h"
#include "core/text/text_file.h"

namespace jrv::cli {

namespace {

constexpr const char* kUsage =
    "usage: jrv-cli analyze INPUT.jrv [-o RESULTS.txt] [--save LIST] [options]\n"
    "  --save LIST            comma list of exm,itm,opt,rpt,jrv,item-stats,01-data,alt,\n"
    "                         gradebook,xlsx\n"
    "                         (default exm,itm,opt,jrv)\n"
    "  --sort-examinees none|label|score\n"
    "  --sort-items number|difficulty|discrimination|pbis|adjpbis\n"
    "  --bands raw|percent|letters\n"
    "  --groups TOP,BOTTOM    --criteria PLO,PHI,D,R,A\n"
    "  --no-problems --absolute-grades --hide-labels --no-grades-on-reports\n"
    "  --grades FILE          --max-options 5|8\n"
    "  --json OUT.json        every statistic of the run with the item diagnostics\n";

int usage_error(const std::string& error) {
  std::cerr << "jrv-cli analyze: " << error << "\n" << kUsage;
  return 2;
}

// Splits "a,b,c" into exactly `n` texts, or nothing.
std::optional<std::vector<std::string>> split(const std::string& text, std::size_t n) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  std::string part;
  while (std::getline(in, part, ',')) parts.push_back(part);
  if (!text.empty() && text.back() == ',') parts.emplace_back();
  if (parts.size() != n) return std::nullopt;
  return parts;
}

bool report(const CheckResult& check) {
  print_messages(std::cerr, check.messages);
  return check.ok();
}

// The option windows and menu items, in the order a user would set them after loading.
// Returns 0, or the exit status of a refused setting.
int apply_options(const AnalyzeArgs& a, EditorDocument& doc, Workspace& ws) {
  auto& opt = ws.options;
  if (a.grades_file) {
    const Lines lines = read_lines(*a.grades_file);
    if (!report(read_grade_settings_into_scale(lines, doc.grades, ws.grade_scale, opt, true)))
      return 1;
    if (!report(confirm_grades(doc.grades, ws.grade_scale))) return 1;
  }
  if (a.groups) {
    const auto parts = split(*a.groups, 2);
    if (!parts) return usage_error("--groups needs TOP,BOTTOM");
    const GroupWindowFields window{(*parts)[0], (*parts)[1]};
    if (!report(confirm_group_percentages(window, opt))) return 1;
    doc.groups = window;
  }
  if (a.no_problems) opt.suggest_problem_items = false;
  if (a.criteria) {
    const auto parts = split(*a.criteria, 5);
    if (!parts) return usage_error("--criteria needs PLO,PHI,D,R,A");
    ProblemCriteriaFields window;
    open_problem_criteria(window, opt);
    window.plo = (*parts)[0], window.phi = (*parts)[1], window.d = (*parts)[2];
    window.r = (*parts)[3], window.a = (*parts)[4];
    if (!report(confirm_problem_criteria(window, opt))) return 1;
  }
  if (a.absolute_grades) opt.round_grade_percent = false;
  // Hiding the labels lists the examinees by score, unless a sort is named as well.
  if (a.hide_labels) {
    opt.hide_labels = true;
    opt.examinee_sort = ExamineeSort::by_score;
  }
  if (a.examinee_sort) opt.examinee_sort = *a.examinee_sort;
  if (a.item_sort) opt.item_sort = *a.item_sort;
  if (a.bands) opt.band_units = *a.bands;
  if (a.no_grades_on_reports) ws.print_grades_on_reports = false;
  return 0;
}

void print_quick_reports(const Workspace& ws) {
  for (const auto& l : ws.reports.quick_examinee) std::cout << l << "\n";
  std::cout << "\n";
  for (const auto& l : ws.reports.quick_items) std::cout << l << "\n";
}

// "Save Results && Selected Output", then the exports named in --save. Returns the status.
int save_outputs(const AnalyzeArgs& a, EditorDocument& doc, Workspace& ws) {
  const std::filesystem::path results = a.output;
  const SaveList& s = a.save;
  int status = 0;
  save_results(ws, results, {.exm = s.exm, .itm = s.itm, .opt = s.opt});
  if (s.rpt && !report(save_grade_reports(ws, doc, companion_path(results, ".rpt")))) status = 1;
  ws.auto_save_input = s.jrv;
  const SaveResult copy =
      save_input_file(companion_path(results, ".jrv"), doc, ws, InputSave::automatic_copy);
  if (!report(copy.check)) status = 1;

  // The exports are named after the test, which now carries the results file's name.
  const std::string base = results.stem().string();
  const std::filesystem::path folder = results.parent_path();
  if (s.item_stats) save_item_stats(ws, folder, base);
  if (s.right_wrong_data) save_right_wrong_data(ws, base, folder);
  if (s.alt) {
    ws.alt_file_ok = true;  // naming the export is choosing "Set ALT file OK"
    save_alt_files(ws, doc, base, folder);
  }
  if (s.gradebook || s.xlsx) {
    // The roster an import wrote beside the test gives the uncut names.
    const auto roster = read_roster(roster_path_for(a.input));
    if (s.gradebook) save_gradebook(ws, folder / (base + "_gradebook.csv"), roster);
    if (s.xlsx) save_results_workbook(ws, folder / (base + ".xlsx"), roster);
  }
  return status;
}

}  // namespace

int load_and_analyse(const AnalyzeArgs& a, EditorDocument& doc, Workspace& ws) {
  if (a.max_options) ws.max_options = *a.max_options;
  const LoadResult load = load_test(a.input, doc, ws);
  print_messages(std::cerr, load.messages);
  if (!load.loaded) return 1;
  if (const int status = apply_options(a, doc, ws); status != 0) return status;
  run_analysis(ws, doc);
  print_messages(std::cerr, ws.reports.messages);
  return 0;
}

int analyze(const Args& args) {
  for (const auto& a : args)
    if (a == "-h" || a == "--help") {
      std::cout << kUsage;
      return 0;
    }
  std::string error;
  const auto parsed = parse_analyze_args(args, error);
  if (!parsed) return usage_error(error);
  const AnalyzeArgs& a = *parsed;

  EditorDocument doc;
  Workspace ws;
  if (const int status = load_and_analyse(a, doc, ws); status != 0) return status;
  // Only a run that asks for them pays for the diagnostics.
  if (!a.json.empty()) write_bytes(a.json, results_json(ws, diagnose(ws)));
  if (a.output.empty()) {
    print_quick_reports(ws);
    process::exit_without_teardown(0);
  }
  process::exit_without_teardown(save_outputs(a, doc, ws));
}

}  // namespace jrv::cli
