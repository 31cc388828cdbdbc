#pragma once
// Analysing input files as the desktop program does, and comparing two analyses report by
// report, for the regrade tests.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/analysis/analysis_run.h"
#include "core/diagnostics/item_decisions.h"
#include "core/input/editor_actions.h"
#include "core/input/input_file_reader.h"
#include "core/reports/data_exports.h"
#include "core/reports/grade_reports.h"
#include "core/reports/item_stats_file.h"
#include "core/reports/results_files.h"
#include "core/text/text_file.h"

namespace jrv::testing {

inline constexpr auto rekey = DecisionKind::rekey;
inline constexpr auto accept = DecisionKind::accept;
inline constexpr auto credit = DecisionKind::credit;
inline constexpr auto drop = DecisionKind::drop;

struct Analysed {
  EditorDocument doc;
  Workspace ws;
};

inline std::filesystem::path regrade_fixture(const std::string& name) {
  return std::filesystem::path(JRV_TEST_DATA_DIR) / "regrade" / name;
}

// "Open JRV File" on the lines, "Close && Analyze", then the analysis run.
inline Analysed analyse_lines(const Lines& lines) {
  Analysed a;
  begin_reading(a.doc, a.ws, "test.jrv");
  const OpenResult opened = read_input_lines(lines, a.doc, a.ws);
  EXPECT_TRUE(opened.read);
  const EditorExit exit = leave_editor(a.doc, a.ws, EditorExitButton::close_and_analyze, "");
  EXPECT_TRUE(exit.accepted) << (exit.check.messages.empty() ? "" : exit.check.messages[0]);
  run_analysis(a.ws, a.doc);
  return a;
}

inline Analysed analyse_file(const std::string& name) {
  return analyse_lines(read_lines(regrade_fixture(name)));
}

// Fails with the first line that differs, both texts printed.
inline void expect_same_lines(const std::string& what, const Lines& want, const Lines& got) {
  const std::size_t n = std::min(want.size(), got.size());
  for (std::size_t i = 0; i < n; ++i) {
    if (want[i] == got[i]) continue;
    ADD_FAILURE() << what << ", line " << i + 1 << "\n  want: [" << want[i] << "]\n  got:  ["
                  << got[i] << "]";
    return;
  }
  EXPECT_EQ(want.size(), got.size()) << what << ": line counts differ";
}

// Every statistic, examinee, item and report of two analyses, and the files a user saves.
inline void expect_same_analysis(const Analysed& want, const Workspace& got,
                                 const EditorDocument& got_doc) {
  const Workspace& w = want.ws;
  EXPECT_EQ(w.included_count, got.included_count);
  EXPECT_EQ(w.stats.kr20, got.stats.kr20);
  EXPECT_EQ(w.stats.mean_score, got.stats.mean_score);
  EXPECT_EQ(w.stats.sd_score, got.stats.sd_score);
  EXPECT_TRUE(w.stats == got.stats) << "test statistics differ";
  ASSERT_EQ(w.num_cases, got.num_cases);
  for (int i = 1; i <= w.num_cases; ++i) {
    const auto& a = w.cases[static_cast<std::size_t>(i)];
    const auto& b = got.cases[static_cast<std::size_t>(i)];
    EXPECT_TRUE(a == b) << "examinee " << i << " [" << a.label << "]: score " << a.raw_score
                        << " vs " << b.raw_score << ", grade [" << a.grade << "] vs [" << b.grade
                        << "]";
  }
  for (int j = 1; j <= w.num_items; ++j) {
    const auto ju = static_cast<std::size_t>(j);
    EXPECT_EQ(w.key_values[ju], got.key_values[ju]) << "key of item " << j;
    EXPECT_EQ(w.include_flags[ju], got.include_flags[ju]) << "include flag of item " << j;
    // An excluded item's accepted answers are never read.
    if (w.include_flags[ju] != 0) {
      EXPECT_TRUE(w.correct_answers[ju] == got.correct_answers[ju]) << "answers of item " << j;
    }
    EXPECT_TRUE(w.items[ju] == got.items[ju]) << "statistics of item " << j;
  }
  expect_same_lines("quick examinee results", w.reports.quick_examinee, got.reports.quick_examinee);
  expect_same_lines("quick item analysis", w.reports.quick_items, got.reports.quick_items);
  expect_same_lines("full results", w.reports.full_results, got.reports.full_results);
  expect_same_lines("results file", results_file_lines(w), results_file_lines(got));
  expect_same_lines("examinee file", examinee_file_lines(w), examinee_file_lines(got));
  expect_same_lines("item file", item_file_lines(w), item_file_lines(got));
  expect_same_lines("options file", options_file_lines(w), options_file_lines(got));
  expect_same_lines("item statistics file", item_stats_lines(w), item_stats_lines(got));
  expect_same_lines("0/1 data file", right_wrong_data_lines(w), right_wrong_data_lines(got));
  expect_same_lines("grade reports", grade_report_file_lines(w, want.doc),
                    grade_report_file_lines(got, got_doc));
}

}  // namespace jrv::testing
