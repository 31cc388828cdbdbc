#pragma once
// Small scored tests for the report and export tests: a workspace filled as the check and
// a plain scoring would leave it, without running the analysis engine.

#include <cmath>
#include <string>
#include <vector>

#include "core/input/editor_document.h"
#include "core/settings/grade_lookup.h"
#include "core/workspace/workspace.h"

namespace jrv::testing {

struct FixtureSpec {
  std::string title = "Unit Quiz";
  std::string comments = "Period 2";
  int label_length = 6;
  std::string key;                 // one digit per item
  std::string include;             // empty: all "Y"
  std::string options;             // empty: all "4"
  std::vector<std::string> lines;  // label + one digit per item (+ two PC digits)
  // Alternative answers: item -> extra accepted digits.
  std::vector<std::pair<int, std::string>> alternatives;
  bool pc = false;
  int pc_points = 0;
  double mc_points = 1.0;
  int grade_scheme = 0;  // 0 none, 5 the A-F scale
};

inline std::pair<Workspace, EditorDocument> scored_workspace(const FixtureSpec& s) {
  Workspace ws;
  EditorDocument doc;
  const int k = static_cast<int>(s.key.size());
  const int n = static_cast<int>(s.lines.size());
  ws.title = s.title;
  ws.comments = s.comments;
  ws.num_items = k;
  ws.num_cases = n;
  ws.label_length = s.label_length;
  ws.answer_key = ws.answer_key_typed = s.key;
  ws.include_codes = s.include.empty() ? std::string(static_cast<std::size_t>(k), 'Y') : s.include;
  ws.option_counts = s.options.empty() ? std::string(static_cast<std::size_t>(k), '4') : s.options;
  ws.pc_enabled = s.pc;
  ws.pc_points = s.pc_points;
  ws.mc_points = s.mc_points;
  ws.reports.banner_lines = {"JRV Test Analysis (version 6.65)", "Classroom item analysis",
                             "for teachers"};
  ws.included_count = 0;
  for (int j = 1; j <= k; ++j) {
    const auto uj = static_cast<std::size_t>(j);
    ws.key_values[uj] = s.key[uj - 1] - '0';
    ws.option_values[uj] = ws.option_counts[uj - 1] - '0';
    const char c = ws.include_codes[uj - 1];
    ws.include_flags[uj] = (c == 'Y' || c == 'y' || c == ' ') ? 1 : (c == 'A' || c == 'a') ? 2 : 0;
    if (ws.include_flags[uj] != 0) ++ws.included_count;
    ws.correct_answers[uj].fill(ws.key_values[uj]);
    ws.items[uj].item_number = j;
    ws.items[uj].key_value = ws.key_values[uj];
    ws.items[uj].include_flag = ws.include_flags[uj];
  }
  for (const auto& [item, extra] : s.alternatives) {
    AltAnswerGrid::Row row{};
    row[0] = std::to_string(item);
    row[1] = std::string(1, ws.option_counts[static_cast<std::size_t>(item) - 1]);
    row[2] = std::to_string(ws.key_values[static_cast<std::size_t>(item)]);
    for (std::size_t e = 0; e < extra.size(); ++e) {
      row[3 + e] = std::string(1, extra[e]);
      ws.correct_answers[static_cast<std::size_t>(item)][2 + e] = extra[e] - '0';
    }
    doc.alternatives.rows.push_back(row);
    ++ws.alt_item_count;
  }
  ws.responses.assign(static_cast<std::size_t>(n), ResponseRow{});
  ws.case_pc_points.assign(static_cast<std::size_t>(n), 0);
  ws.cases.assign(static_cast<std::size_t>(n), Case_Record{});
  auto correct = [&](int j, int r) {
    const auto& slots = ws.correct_answers[static_cast<std::size_t>(j)];
    if (ws.key_values[static_cast<std::size_t>(j)] == 9) return true;
    for (int q = 1; q <= 9; ++q)
      if (slots[static_cast<std::size_t>(q)] == r) return true;
    return false;
  };
  if (s.grade_scheme == 5) {
    ws.grade_scale.grade_category_count = 5;
    const char* labels[] = {"", "A   ", "B   ", "C   ", "D   ", "F   "};
    for (int c = 1; c <= 5; ++c)
      ws.grade_scale.grade_labels[static_cast<std::size_t>(c)] = labels[c];
    const double mins[] = {0, 90, 80, 70, 60};
    for (int c = 1; c <= 4; ++c) {
      ws.grade_scale.grade_minimums[static_cast<std::size_t>(c)] = mins[c];
      doc.grades.percents[static_cast<std::size_t>(c)] = std::to_string(static_cast<int>(mins[c]));
    }
    doc.grades.scheme = GradeScheme::five;
  }
  ws.stats.total_possible = k * s.mc_points + s.pc_points;
  std::vector<int> correct_count(static_cast<std::size_t>(k) + 1, 0);
  std::vector<double> scores;
  for (int i = 1; i <= n; ++i) {
    const auto ui = static_cast<std::size_t>(i);
    const std::string& line = s.lines[ui - 1];
    auto& c = ws.cases[ui];
    c.case_number = i;
    c.label = line.substr(0, static_cast<std::size_t>(s.label_length));
    for (int j = 1; j <= k; ++j) {
      const char ch = line[static_cast<std::size_t>(s.label_length + j - 1)];
      const int r = (ch >= '0' && ch <= '8') ? ch - '0' : 9;
      ws.responses[ui][static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(r);
      if (correct(j, r)) {
        ++correct_count[static_cast<std::size_t>(j)];
        if (ws.include_flags[static_cast<std::size_t>(j)] != 0) ++c.raw_score;
      }
    }
    if (s.pc) {
      const auto pos = static_cast<std::size_t>(s.label_length + k);
      c.pc_score = line.size() >= pos + 2 ? std::stoi(line.substr(pos, 2)) : 0;
      ws.case_pc_points[ui] = c.pc_score;
    }
    c.mc_score = c.raw_score;
    c.percent_score = 100.0 * c.raw_score / ws.included_count;
    c.total_score = s.pc ? c.mc_score * s.mc_points + c.pc_score : c.raw_score;
    c.total_percent = s.pc ? 100.0 * c.total_score / ws.stats.total_possible : 0;
    c.grade = grade_letter(ws.grade_scale, c.percent_score, true);
    c.total_grade = s.pc ? grade_letter(ws.grade_scale, c.total_percent, true) : "";
    scores.push_back(s.pc ? c.total_score : c.raw_score);
  }
  for (int j = 1; j <= k; ++j)
    ws.items[static_cast<std::size_t>(j)].difficulty =
        n ? static_cast<double>(correct_count[static_cast<std::size_t>(j)]) / n : 0;
  double mean = 0, var = 0, lo = 1e9, hi = -1e9;
  for (double x : scores) mean += x, lo = std::min(lo, x), hi = std::max(hi, x);
  mean /= n ? n : 1;
  for (double x : scores) var += (x - mean) * (x - mean);
  var /= n ? n : 1;
  auto sorted = scores;
  std::sort(sorted.begin(), sorted.end());
  const double median = sorted.empty() ? 0 : sorted[sorted.size() / 2];
  auto& st = ws.stats;
  (s.pc ? st.mean_total : st.mean_score) = mean;
  (s.pc ? st.sd_total : st.sd_score) = std::sqrt(var);
  (s.pc ? st.min_total : st.min_score) = lo;
  (s.pc ? st.max_total : st.max_score) = hi;
  (s.pc ? st.median_total : st.median_score) = median;
  ws.analysed = true;
  return {std::move(ws), std::move(doc)};
}

// A response string of `k` digits where item j answers `pattern[(j-1) % size]`.
inline std::string cycle(const std::string& pattern, int k) {
  std::string s;
  for (int j = 0; j < k; ++j) s += pattern[static_cast<std::size_t>(j) % pattern.size()];
  return s;
}

}  // namespace jrv::testing
