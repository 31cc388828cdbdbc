#pragma once
// Hand-filled workspaces for the report layout tests and a line-by-line comparison that
// names the first differing line with both texts.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/text/text_file.h"
#include "core/workspace/workspace.h"

namespace jrv::test {

inline std::string shown(const std::string& s) {
  std::string out = "\"";
  for (char c : s)
    out += c == '\f' ? std::string("\\f") : c == '\t' ? std::string("\\t") : std::string(1, c);
  return out + "\"";
}

inline ::testing::AssertionResult same_lines(const Lines& expected, const Lines& actual) {
  const std::size_t n = std::min(expected.size(), actual.size());
  for (std::size_t i = 0; i < n; ++i)
    if (expected[i] != actual[i])
      return ::testing::AssertionFailure()
             << "line " << i + 1 << " differs\n  expected: " << shown(expected[i])
             << "\n  actual:   " << shown(actual[i]);
  if (expected.size() != actual.size())
    return ::testing::AssertionFailure()
           << "expected " << expected.size() << " lines, got " << actual.size()
           << "; first extra: " << shown(expected.size() > n ? expected[n] : actual[n]);
  return ::testing::AssertionSuccess();
}

// The lines of `all` from the first line equal to `from` up to (not including) the first
// later line equal to `to` (to the end when `to` is empty or absent).
inline Lines section(const Lines& all, const std::string& from, const std::string& to = {}) {
  Lines out;
  bool in = false;
  for (const auto& l : all) {
    if (!in && l == from)
      in = true;
    else if (in && !to.empty() && l == to)
      break;
    if (in) out.push_back(l);
  }
  return out;
}

// `count` lines of `all` after the first line equal to `marker`, or starting at the first
// line equal to `first` when that is given.
inline Lines after(const Lines& all, const std::string& marker, std::size_t count,
                   const std::string& first = {}) {
  auto it = first.empty() ? std::find(all.begin(), all.end(), marker)
                          : std::find(all.begin(), all.end(), first);
  if (it == all.end()) return {};
  if (first.empty()) ++it;
  const auto n = std::min<std::size_t>(count, static_cast<std::size_t>(all.end() - it));
  return Lines(it, it + static_cast<std::ptrdiff_t>(n));
}

// Five examinees, four items (item 3 excluded, item 4 with alternative answers), a
// 3-character label and the 5-category grade scale; statistics filled by hand.
inline Workspace small_workspace() {
  Workspace ws;
  ws.title = "Unit Quiz";
  ws.comments = "Week 3";
  ws.num_cases = 5;
  ws.num_items = 4;
  ws.label_length = 3;
  ws.included_count = 3;
  ws.max_options_used = 5;
  const int keys[] = {1, 3, 2, 2}, options[] = {4, 4, 3, 5}, flags[] = {1, 1, 0, 2};
  for (int j = 1; j <= 4; ++j) {
    const auto jj = static_cast<std::size_t>(j);
    ws.key_values[jj] = keys[j - 1];
    ws.option_values[jj] = options[j - 1];
    ws.include_flags[jj] = flags[j - 1];
    ws.correct_answers[jj].fill(keys[j - 1]);
    auto& it = ws.items[jj];
    it.item_number = j;
    it.key_value = keys[j - 1];
    it.option_count = options[j - 1];
    it.include_flag = flags[j - 1];
  }
  ws.correct_answers[4][2] = 4;

  ws.grade_scale.grade_category_count = 5;
  const char* labels[] = {"A   ", "B   ", "C   ", "D   ", "F   "};
  const double minimums[] = {90, 80, 70, 60};
  for (int c = 1; c <= 5; ++c)
    ws.grade_scale.grade_labels[static_cast<std::size_t>(c)] = labels[c - 1];
  for (int c = 1; c <= 4; ++c)
    ws.grade_scale.grade_minimums[static_cast<std::size_t>(c)] = minimums[c - 1];

  ws.cases.resize(5);
  const char* names[] = {"Ann", "Bob", "Cy ", "Dee", "Eve"};
  const int raw[] = {3, 1, 2, 0, 3};
  const char* grades[] = {"A   ", "F   ", "D   ", "F   ", "A   "};
  const double sem = 0.5;
  for (int i = 1; i <= 5; ++i) {
    auto& c = ws.cases[static_cast<std::size_t>(i)];
    c.case_number = i;
    c.label = names[i - 1];
    c.raw_score = c.mc_score = raw[i - 1];
    c.total_score = raw[i - 1];
    c.percent_score = raw[i - 1] / 3.0 * 100;
    c.grade = grades[i - 1];
    auto clamp = [](double v, double hi) { return v < 0 ? 0 : v > hi ? hi : v; };
    c.band68_low_raw = clamp(raw[i - 1] - sem, 3);
    c.band68_high_raw = clamp(raw[i - 1] + sem, 3);
    c.band95_low_raw = clamp(raw[i - 1] - 2 * sem, 3);
    c.band95_high_raw = clamp(raw[i - 1] + 2 * sem, 3);
    c.band68_low_pct = clamp((raw[i - 1] - sem) / 3 * 100, 100);
    c.band68_high_pct = clamp((raw[i - 1] + sem) / 3 * 100, 100);
    c.band95_low_pct = clamp((raw[i - 1] - 2 * sem) / 3 * 100, 100);
    c.band95_high_pct = clamp((raw[i - 1] + 2 * sem) / 3 * 100, 100);
  }
  auto& st = ws.stats;
  st.mean_score = 1.8;
  st.variance_score = 1.36;
  st.sd_score = 1.16619;
  st.min_score = 0;
  st.max_score = 3;
  st.median_score = 2;
  st.skewness = -0.41234;
  st.kurtosis = -1.30004;
  st.grade_counts[1] = 2;
  st.grade_counts[4] = 1;
  st.grade_counts[5] = 2;
  st.mean_difficulty = 0.6;
  st.mean_discrimination = 0.41667;
  st.mean_point_biserial = 0.5;
  st.mean_adj_point_biserial = 0.25;
  st.kr20 = 0.75;
  st.kr21 = 0.6125;
  st.sem_kr20 = 0.5;
  st.high_group_size = 2;
  st.low_group_size = 2;
  st.high_group_min = 3;
  st.low_group_max = 1;
  st.split_half_first_second = 0.5;
  st.split_half_odd_even = -0.25;
  st.problem_item_count = 2;

  auto& i1 = ws.items[1];
  i1.correct_count = 3, i1.difficulty = 0.6, i1.discrimination = 1.0, i1.point_biserial = 0.91234,
  i1.adj_point_biserial = 0.8, i1.high_correct = 2, i1.low_correct = 0, i1.high_p = 1, i1.low_p = 0,
  i1.biserial = 1.0, i1.adj_biserial = 0.95, i1.kr20_if_deleted = 0.5, i1.mean_if_deleted = 1.2,
  i1.variance_if_deleted = 0.56, i1.sem_if_deleted = 0.529;
  auto& i2 = ws.items[2];
  i2.correct_count = 5, i2.difficulty = 1.0, i2.discrimination = 0, i2.point_biserial = 9.0,
  i2.adj_point_biserial = 9.0, i2.high_correct = 2, i2.low_correct = 2, i2.high_p = 1, i2.low_p = 1,
  i2.kr20_if_deleted = 0.8, i2.mean_if_deleted = 0.8, i2.variance_if_deleted = 1.36,
  i2.sem_if_deleted = 0.5215, i2.problem = true;
  auto& i4 = ws.items[4];
  i4.correct_count = 1, i4.difficulty = 0.2, i4.discrimination = -0.5, i4.point_biserial = -0.12,
  i4.adj_point_biserial = -0.3, i4.high_correct = 0, i4.low_correct = 1, i4.high_p = 0,
  i4.low_p = 0.5, i4.biserial = -0.2, i4.adj_biserial = -0.45, i4.kr20_if_deleted = 0.7,
  i4.mean_if_deleted = 1.6, i4.variance_if_deleted = 1.04, i4.sem_if_deleted = 0.55,
  i4.problem = true;
  ws.reports.banner_lines = {"JRV: Orvandel (version 6.65)", "Line two", "Line three"};
  return ws;
}

}  // namespace jrv::test
