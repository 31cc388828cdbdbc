// The whole road of a test through the program. The first two bytes choose the analysis
// options and the reader, the rest is the input file. A file that reads and passes the
// editor's check ("Close && Analyze") is analysed with the run the programs call, and every
// text the program can make from that run is built: the quick and full reports, the results
// and companion files, the item statistics file, the 0/1 and ALT exports, the editor's
// comma-delimited exports, the grade reports, the quick views, the chart series, the
// Spearman-Brown calculator and the input file saved beside the results.
//
// Beyond "no crash": no statistic of the run is NaN or infinite, no printed number is "nan",
// "inf" or a negative zero ("-0", "-0.0", "-0.00", ...), and the reports hold one line per
// examinee and per item where they should. The texts a user typed are made free of "n" and
// "-" before the run, so that whatever is found there was printed by the program.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "core/analysis/analysis_run.h"
#include "core/charts/bar_charts.h"
#include "core/charts/histogram.h"
#include "core/diagnostics/item_diagnostics.h"
#include "core/diagnostics/regrade_report.h"
#include "core/diagnostics/regrade_session.h"
#include "core/export/report_html.h"
#include "core/export/report_model.h"
#include "core/export/results_json.h"
#include "core/input/comma_exports.h"
#include "core/input/editor_actions.h"
#include "core/input/input_file_reader.h"
#include "core/input/input_file_writer.h"
#include "core/input/legacy_readers.h"
#include "core/reports/data_exports.h"
#include "core/reports/grade_reports.h"
#include "core/reports/item_stats_file.h"
#include "core/reports/quick_view_texts.h"
#include "core/reports/results_files.h"
#include "core/settings/spearman_brown.h"
#include "core/text/errors.h"
#include "core/text/format.h"

namespace {

using jrv::Lines;

[[noreturn]] void fail(std::string_view what, std::string_view line) {
  std::fprintf(stderr, "whole road: %.*s\n  [%.*s]\n", static_cast<int>(what.size()), what.data(),
               static_cast<int>(line.size()), line.data());
  std::abort();
}

// The option bytes: examinee sort, item sort and band units in the first; hidden labels,
// rounding of grades, problem items, grades on reports, 5 or 8 options and the reader
// (version 6 most often, else 3, 4 or 5) in the second.
struct Choices {
  jrv::ExamineeSort examinee_sort;
  jrv::ItemSort item_sort;
  jrv::BandUnits bands;
  bool hide_labels, round_grades, problems, grades_on_reports;
  int max_options;
  int version;
};

Choices choices(std::uint8_t a, std::uint8_t b) {
  Choices c{};
  c.examinee_sort = static_cast<jrv::ExamineeSort>(a % 3);
  c.item_sort = static_cast<jrv::ItemSort>(1 + (a >> 2) % 5);
  c.bands = static_cast<jrv::BandUnits>((a >> 5) % 3);
  c.hide_labels = (b & 1) != 0;
  c.round_grades = (b & 2) == 0;
  c.problems = (b & 4) == 0;
  c.grades_on_reports = (b & 8) == 0;
  c.max_options = (b & 16) != 0 ? 5 : 8;
  const int reader = b >> 5;
  c.version = reader < 5 ? 6 : reader - 2;
  return c;
}

// Typed text without "n", "N" and "-": a response, key or include character keeps its
// meaning ("m" is as unknown as "n", "_" as "-"), and labels and titles can no longer spell
// "nan", "inf" or a negative zero.
void clean(std::string& s) {
  for (char& c : s) {
    if (c == 'n' || c == 'N') c = 'm';
    if (c == '-') c = '_';
  }
}

void clean_typed_texts(jrv::EditorDocument& doc, jrv::Workspace& ws) {
  auto& e = doc.editor;
  for (auto* s : {&e.title, &e.comments, &e.answer_key, &e.include, &e.missing_data}) clean(*s);
  for (auto& line : e.data_lines) clean(line);
  for (auto& label : doc.grades.labels) clean(label);
  for (auto& percent : doc.grades.percents) clean(percent);  // shown as typed ("Pass= -0")
  for (auto& label : ws.grade_scale.grade_labels) clean(label);
  for (auto& name : ws.content_area_names) clean(name);
  for (auto& name : ws.cognitive_level_names) clean(name);
  for (auto& name : doc.spec_table.content_names) clean(name);
  for (auto& name : doc.spec_table.skill_names) clean(name);
}

bool letter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool digit(char c) {
  return c >= '0' && c <= '9';
}

// "nan" or "inf" standing as a word, or a minus sign before a number that is all zeros.
// Runs over every line of every text, so it is kept out of the coverage tracing.
__attribute__((no_sanitize("coverage"))) void check_numbers(std::string_view line) {
  const std::size_t n = line.size();
  for (std::size_t i = 0; i + 3 <= n; ++i) {
    const char c = static_cast<char>(line[i] | 0x20);
    if (c != 'n' && c != 'i') continue;
    const char a = static_cast<char>(line[i + 1] | 0x20), b = static_cast<char>(line[i + 2] | 0x20);
    const bool spelled = c == 'n' ? a == 'a' && b == 'n' : a == 'n' && b == 'f';
    if (spelled && (i == 0 || !letter(line[i - 1])) && (i + 3 == n || !letter(line[i + 3])))
      fail("a number printed as nan or inf", line);
  }
  for (std::size_t i = 0; i + 1 < n; ++i) {
    if (line[i] != '-' || !(digit(line[i + 1]) || line[i + 1] == '.')) continue;
    if (i > 0 && (digit(line[i - 1]) || line[i - 1] == '.')) continue;  // "(3.3-8.7)"
    std::size_t end = i + 1;
    bool nonzero = false, any_digit = false;
    while (end < n && (digit(line[end]) || line[end] == '.')) {
      nonzero |= digit(line[end]) && line[end] != '0';
      any_digit |= digit(line[end]);
      ++end;
    }
    if (any_digit && !nonzero) fail("a negative zero", line);
  }
}

void check_lines(const Lines& lines) {
  for (const auto& l : lines) check_numbers(l);
}

void check_finite(double x, const char* what) {
  if (!std::isfinite(x)) fail(what, std::to_string(x));
}

// Every statistic of the run, before any formatting hides a NaN as 0 or an infinity as a
// long row of digits.
void check_statistics(const jrv::Workspace& ws) {
  const auto& s = ws.stats;
  for (double x : {s.mean_score,
                   s.variance_score,
                   s.sd_score,
                   s.min_score,
                   s.max_score,
                   s.median_score,
                   s.skewness,
                   s.kurtosis,
                   s.total_possible,
                   s.mean_total,
                   s.variance_total,
                   s.sd_total,
                   s.min_total,
                   s.max_total,
                   s.median_total,
                   s.skewness_total,
                   s.kurtosis_total,
                   s.mean_difficulty,
                   s.variance_difficulty,
                   s.sd_difficulty,
                   s.mean_correct_count,
                   s.variance_correct_count,
                   s.sd_correct_count,
                   s.mean_discrimination,
                   s.mean_point_biserial,
                   s.mean_adj_point_biserial,
                   s.kr20,
                   s.kr21,
                   s.sem_kr20,
                   s.sem_kr21,
                   s.split_half_first_second,
                   s.split_half_odd_even})
    check_finite(x, "a test statistic is not finite");
  for (int j = 1; j <= ws.num_items; ++j) {
    const auto& it = ws.items[j];
    for (double x :
         {it.difficulty, it.discrimination, it.point_biserial, it.biserial, it.high_p, it.low_p,
          it.mean_score_correct, it.kr20_if_deleted, it.mean_if_deleted, it.variance_if_deleted,
          it.adj_point_biserial, it.sem_if_deleted, it.adj_biserial})
      check_finite(x, "an item statistic is not finite");
    for (int k = 1; k <= jrv::kOptionSlots; ++k)
      for (double x : {it.option_prop_total[k], it.option_prop_high[k], it.option_prop_low[k]})
        check_finite(x, "an option proportion is not finite");
  }
  for (int i = 1; i <= ws.num_cases; ++i) {
    const auto& c = ws.cases[i];
    for (double x : {c.total_score, c.percent_score, c.total_percent, c.band68_high_raw,
                     c.band68_low_raw, c.band95_high_raw, c.band95_low_raw, c.band68_high_pct,
                     c.band68_low_pct, c.band95_high_pct, c.band95_low_pct})
      check_finite(x, "an examinee's score or band is not finite");
  }
}

std::size_t count_starting(const Lines& lines, std::string_view start) {
  std::size_t n = 0;
  for (const auto& l : lines) n += l.rfind(start, 0) == 0;
  return n;
}

// Column rules under a listing's heading: dashes and blanks only ("-- ----- -------").
bool rule(const std::string& line) {
  return line.find("--") != std::string::npos && line.find_first_not_of("- ") == std::string::npos;
}

// The lines of a listing: after its column rules, up to the first line of "=" only.
std::size_t listing_length(const Lines& lines) {
  std::size_t i = 0;
  while (i < lines.size() && !rule(lines[i])) ++i;
  std::size_t n = 0;
  // A label may begin with "=", a listing line never is all "=".
  auto banner = [](const std::string& l) {
    return !l.empty() && l.find_first_not_of('=') == std::string::npos;
  };
  for (++i; i < lines.size() && !banner(lines[i]); ++i) ++n;
  return n;
}

void expect_count(std::size_t actual, std::size_t expected, const char* what) {
  if (actual != expected)
    fail(what, std::to_string(actual) + " lines, expected " + std::to_string(expected));
}

// One line per examinee and per item where a report lists them.
void check_line_counts(const jrv::Workspace& ws, const Lines& item_stats, const Lines& zero_one,
                       const Lines& raw, const Lines& grade_reports, bool grade_reports_made) {
  const auto cases = static_cast<std::size_t>(ws.num_cases);
  const auto included = static_cast<std::size_t>(ws.included_count);
  expect_count(listing_length(ws.reports.quick_examinee), cases,
               "quick examinee results: one line per examinee");
  expect_count(listing_length(ws.reports.quick_items), included,
               "quick item analysis: one line per included item");
  expect_count(item_stats.size(), 1 + included, "item statistics file: header + included items");
  expect_count(zero_one.size(), 1 + cases, "0/1 data file: header + examinees");
  expect_count(raw.size(), 2 + cases, "raw export: header, key + examinees");
  if (grade_reports_made)
    expect_count(count_starting(grade_reports, "Individual Grade Report for: "), cases,
                 "grade reports: one report per examinee");
}

// The outputs beside the classical reports: the item diagnostics, the JSON of the run (it
// must parse, and hold one entry per item and per examinee), the HTML report, and a regrade
// of the item `pick` chooses, which must analyse and compare without a fault.
void later_texts(const jrv::Workspace& ws, const jrv::EditorDocument& doc, std::uint8_t pick) {
  const jrv::DiagnosticsResult d = jrv::diagnose(ws);
  for (const auto& item : d.item_list) {
    for (const auto& o : item.options) {
      for (double x : {o.proportion, o.mean_score, o.rest_point_biserial, o.upper, o.lower})
        check_finite(x, "an option statistic");
      for (double x : o.groups) check_finite(x, "a score-group proportion");
    }
  }
  for (const auto& ci : {d.kr20_ci95, d.kr20_ci90}) {
    if (ci) {
      check_finite(ci->low, "a reliability interval");
      check_finite(ci->high, "a reliability interval");
    }
  }

  const std::string json_text = jrv::results_json(ws, d);
  const auto json = nlohmann::json::parse(json_text, nullptr, false);
  if (json.is_discarded()) fail("the JSON does not parse", json_text.substr(0, 200));
  expect_count(json["items"].size(), static_cast<std::size_t>(ws.num_items), "JSON items");
  expect_count(json["examinees"].size(), static_cast<std::size_t>(ws.num_cases), "JSON examinees");

  const jrv::ReportModel model = jrv::build_report(ws, d, "8 December 2026");
  check_lines(jrv::split_lines(jrv::report_html(model).html));

  if (ws.num_items < 1) return;
  const int item = 1 + pick % ws.num_items;
  jrv::RegradeSession session(doc, ws);
  const jrv::ItemDecision decision{
      (pick & 0x80) != 0 ? jrv::DecisionKind::drop : jrv::DecisionKind::credit, item, 0};
  if (session.decide(decision)) return;  // refused: nothing to regrade
  const jrv::Regrade r = session.result();
  if (!r.check.failed) {
    check_statistics(r.workspace);
    check_lines(jrv::regrade_summary_lines(r.comparison));
  }
  session.undo();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const Choices c = choices(data[0], data[1]);
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);

  jrv::EditorDocument doc;
  jrv::Workspace ws;
  ws.max_options = c.max_options;
  const jrv::OpenResult opened =
      c.version == 6 ? jrv::read_input_lines(jrv::split_lines(bytes), doc, ws)
                     : jrv::read_legacy_lines(c.version, jrv::split_lines(bytes), doc, ws);
  if (!opened.read) return 0;
  clean_typed_texts(doc, ws);

  // "Close && Analyze"; a second press goes on past the reminder about include codes.
  jrv::EditorExit exit =
      jrv::leave_editor(doc, ws, jrv::EditorExitButton::close_and_analyze, "fuzz.jrv");
  if (!exit.accepted && !exit.check.failed)
    exit = jrv::leave_editor(doc, ws, jrv::EditorExitButton::close_and_analyze, "fuzz.jrv");
  if (!exit.accepted) return 0;

  auto& o = ws.options;
  o.examinee_sort = c.examinee_sort;
  o.item_sort = c.item_sort;
  o.band_units = c.bands;
  o.hide_labels = c.hide_labels;
  o.round_grade_percent = c.round_grades;
  o.suggest_problem_items = c.problems;
  ws.print_grades_on_reports = c.grades_on_reports;

  jrv::run_analysis(ws, doc);
  check_statistics(ws);
  check_lines(ws.reports.quick_examinee);
  check_lines(ws.reports.quick_items);
  check_lines(ws.reports.full_results);

  check_lines(jrv::results_file_lines(ws));
  check_lines(jrv::examinee_file_lines(ws));
  check_lines(jrv::item_file_lines(ws));
  check_lines(jrv::options_file_lines(ws));
  const Lines stats = jrv::item_stats_lines(ws);
  check_lines(stats);
  const Lines zero_one = jrv::right_wrong_data_lines(ws);
  check_lines(zero_one);
  check_lines(jrv::comma_01_lines(ws));
  const Lines raw = jrv::comma_raw_lines(ws);
  check_lines(raw);
  (void)jrv::alt_data_lines(ws, doc);  // the data lines as typed: not checked
  if (jrv::alt_exceptions_needed(ws)) check_lines(jrv::alt_exception_lines(doc));

  Lines grade_reports;
  const bool grade_reports_made = jrv::check_grade_report_save(ws).ok();
  if (grade_reports_made) {
    grade_reports = jrv::grade_report_file_lines(ws, doc);
    check_lines(grade_reports);
  }
  if (jrv::check_grade_report_view(ws).ok()) check_lines(jrv::grade_report_viewer_lines(ws, doc));
  check_line_counts(ws, stats, zero_one, raw, grade_reports, grade_reports_made);

  const Lines quick_examinees = jrv::quick_view_examinee_lines(ws);
  const Lines quick_items = jrv::quick_view_item_lines(ws);
  check_lines(quick_examinees);
  check_lines(quick_items);
  check_lines(
      jrv::quick_view_save_lines(ws, jrv::ViewerContent::examinee_results, quick_examinees));
  check_lines(jrv::quick_view_save_lines(ws, jrv::ViewerContent::item_analysis, quick_items));
  check_lines(jrv::quick_view_save_lines(ws, jrv::ViewerContent::options_analysis,
                                         jrv::options_file_lines(ws)));

  for (const auto& chart :
       {jrv::score_bar_chart(ws), jrv::grade_bar_chart(ws), jrv::score_histogram(ws)}) {
    for (const auto& bar : chart.bars) {
      check_finite(bar.value, "a chart bar is not finite");
      check_numbers(bar.label);
    }
  }

  const jrv::SpearmanBrownOutcome sb =
      jrv::spearman_brown_for_text(ws.stats.kr20, ws.included_count, "0.8");
  for (const auto* field : {&sb.fields.rel_out, &sb.fields.current, &sb.fields.moreitems,
                            &sb.fields.multiplier, &sb.fields.totalitems})
    check_numbers(*field);

  try {
    (void)jrv::input_file_lines(doc, ws);
  } catch (const jrv::ConversionError&) {
  }

  later_texts(ws, doc, size > 2 ? data[2] : 0);
  return 0;
}
