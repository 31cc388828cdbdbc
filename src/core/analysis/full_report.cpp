#include "core/analysis/full_report.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

#include "core/analysis/normal_deviate.h"
#include "core/analysis/options_report.h"
#include "core/analysis/report_lines.h"
#include "core/analysis/sorting.h"
#include "core/analysis/table_of_specs_report.h"
#include "core/settings/spearman_brown.h"
#include "core/text/format.h"

namespace jrv {

namespace {

constexpr const char* kProphecyImpossible = "Spearman-Brown Prophecy cannot be calculated";

double score_of(const Workspace& ws, const Case_Record& c) {
  return ws.pc_enabled ? c.total_score : static_cast<double>(c.raw_score);
}

// Examinees per raw score, 0..100.
std::array<int, kMaxItems + 2> raw_score_counts(const Workspace& ws) {
  std::array<int, kMaxItems + 2> counts{};
  for (int i = 1; i <= ws.num_cases; ++i) {
    const int s = ws.cases[static_cast<std::size_t>(i)].raw_score;
    if (s >= 0 && s <= kMaxItems + 1) ++counts[static_cast<std::size_t>(s)];
  }
  return counts;
}

int count_at(const std::array<int, kMaxItems + 2>& counts, std::int64_t s) {
  return s >= 0 && s < static_cast<std::int64_t>(counts.size())
             ? counts[static_cast<std::size_t>(s)]
             : 0;
}

void add_examinee_section(Lines& out, const Workspace& ws) {
  out.push_back(title_line(ws.title));
  out.push_back(comment_line(ws.comments));
  add_banner(out, '*', 75, "Examinee Analysis");
  out.emplace_back();
  out.insert(out.end(), ws.reports.quick_examinee.begin(), ws.reports.quick_examinee.end());
  out.emplace_back();
}

// Ascending. Raw scores are small whole numbers: those are counted into place.
void sort_scores(std::vector<double>& scores) {
  constexpr std::size_t kCounted = 4096;
  const bool small_whole = std::all_of(scores.begin(), scores.end(), [](double s) {
    return s >= 0 && s < static_cast<double>(kCounted) && s == std::floor(s);
  });
  if (!small_whole) {
    std::sort(scores.begin(), scores.end());
    return;
  }
  std::vector<std::uint32_t> count(kCounted, 0);
  for (const double s : scores) ++count[static_cast<std::size_t>(s)];
  auto next = scores.begin();
  for (std::size_t v = 0; v < kCounted; ++v)
    next = std::fill_n(next, count[v], static_cast<double>(v));
}

// The rows depend only on the scores, so they are counted from a sorted copy of them rather
// than by reordering the examinee table.
void add_frequency_table(Lines& out, const Workspace& ws) {
  const int n = ws.num_cases;
  const double mean = ws.pc_enabled ? ws.stats.mean_total : ws.stats.mean_score;
  const double sd = ws.pc_enabled ? ws.stats.sd_total : ws.stats.sd_score;
  std::vector<double> scores;
  scores.reserve(static_cast<std::size_t>(n));
  for (int i = 1; i <= n; ++i)
    scores.push_back(score_of(ws, ws.cases[static_cast<std::size_t>(i)]));
  sort_scores(scores);

  out.emplace_back();
  add_banner(out, '=', 15, "Frequency Table");
  out.emplace_back();
  out.emplace_back("         Z           Rel.   Cum.   Cum.     Percentile           Normalized");
  out.emplace_back("Score  Score  Freq.  Freq.  Freq.  Percent     Rank     Stanine   Zn Score ");
  out.emplace_back("-----  -----  -----  -----  -----  -------  ----------  -------  ----------");

  int cum = 0;
  int total_f = 0;
  double total_rel = 0;
  for (std::size_t i = 0; i < scores.size();) {
    const double score = scores[i];
    int f = 0;
    for (; i < scores.size() && scores[i] == score; ++i) ++f;
    const int below = cum;
    cum += f;
    const double z = ratio(score - mean, sd);
    double pr = (f / 2.0 + below) * 100 / n;
    if (pr == 0) pr = 1;
    const double rel = static_cast<double>(f) / n;
    total_f += f;
    total_rel += rel;
    out.push_back(right(fixed(score, 0), 4) + right(fixed(z, 2), 8) + right(f, 6) +
                  right(fixed(rel, 3), 8) + right(cum, 6) +
                  (cum == n ? std::string("   100.00") : right(fixed(cum * 100.0 / n, 2), 9)) +
                  right(fixed(pr, 1), 10) + right(stanine(pr), 9) +
                  right(fixed(normalized_score(pr, z), 2), 13));
  }
  out.emplace_back("              =====  =====");
  out.push_back("     Totals:" + right(fixed(total_f, 0), 6) + "   " + fixed(total_rel, 3));
  out.emplace_back();
}

void add_bar_graph(Lines& out, const Workspace& ws) {
  if (ws.num_cases >= 1000) {
    add_banner(out, '=', 52, "Bar Graph (not printed due to large number of cases)");
    out.emplace_back();
    return;
  }
  if (ws.pc_enabled)
    add_banner(out, '=', 35, "Bar Graph for Multiple Choice Items");
  else
    add_banner(out, '=', 9, "Bar Graph");
  out.emplace_back();
  out.emplace_back("Score    Count  Graph (each @ represents 1 case)");
  out.emplace_back("-------  -----  --------------------------------");
  const auto counts = raw_score_counts(ws);
  const auto lo = round_half_even(ws.stats.min_score);
  const auto hi = round_half_even(ws.stats.max_score);
  for (auto s = lo; s <= hi; ++s) {
    const int c = count_at(counts, s);
    out.push_back(right(fixed(static_cast<double>(s), 2), 7) + right(c, 7) + "   " + bar(c));
  }
}

void add_stem_and_leaf(Lines& out, const Workspace& ws) {
  out.emplace_back();
  if (ws.num_cases > 200) {
    add_banner(out, '=', 64, "Stem-and-Leaf Display (not printed due to large number of cases)");
    out.emplace_back();
    return;
  }
  add_banner(out, '=', 21, "Stem-and-Leaf Display");
  out.emplace_back();
  out.emplace_back("Stem Leaves (width=10)");
  out.emplace_back("---- -----------------");
  const auto counts = raw_score_counts(ws);
  const auto lo = round_half_even(ws.stats.min_score);
  const auto hi = round_half_even(ws.stats.max_score);
  std::string leaves;
  for (auto s = lo; s <= hi; ++s) {
    leaves.append(static_cast<std::size_t>(count_at(counts, s)),
                  static_cast<char>('0' + (s % 10 + 10) % 10));
    if (s % 5 == 4 || s == hi) {
      const auto stem = std::clamp<std::int64_t>(s / 10, 0, 9);
      out.push_back("  " + int_str(stem) + " . " + leaves);
      leaves.clear();
    }
  }
}

void add_grade_chart(Lines& out, const Workspace& ws) {
  if (ws.num_cases > 200) {
    out.emplace_back();
    add_banner(out, '=', 70,
               "Bar Chart for Letter Grades (not printed due to large number of cases)");
    out.emplace_back();
    return;
  }
  const int categories = ws.grade_scale.grade_category_count;
  if (categories <= 0) return;
  out.emplace_back();
  add_banner(out, '=', 27, "Bar Chart for Letter Grades");
  out.emplace_back();
  out.emplace_back("Grade  Count  Graph (each @ represents 1 case)");
  out.emplace_back("-----  -----  --------------------------------");
  for (int c = 1; c <= categories; ++c) {
    const int count = ws.stats.grade_counts[static_cast<std::size_t>(c)];
    out.push_back(ws.grade_scale.grade_labels[static_cast<std::size_t>(c)] + right(count, 7) +
                  "   " + bar(count));
  }
}

void add_item_section(Lines& out, const Workspace& ws) {
  out.emplace_back();
  out.emplace_back("\f");
  out.push_back(title_line(ws.title));
  out.push_back(comment_line(ws.comments));
  add_banner(out, '*', 75, "Item and Test Analysis");
  out.emplace_back();
  out.insert(out.end(), ws.reports.quick_items.begin(), ws.reports.quick_items.end());
}

void add_split_half(Lines& out, const Workspace& ws) {
  auto line = [](const char* caption, double r) {
    return caption + fixed(r, 3) + " (with Spearman-Brown = " + fixed(ratio(2 * r, 1 + r), 3) + ")";
  };
  out.push_back(line("Split-Half (1st/ 2nd) Reliability = ", ws.stats.split_half_first_second));
  out.push_back(line("Split-Half (Odd/Even) Reliability = ", ws.stats.split_half_odd_even));
  out.emplace_back();
}

void add_extremes(Lines& out, const Workspace& ws) {
  double min_p = 1, max_p = 0, min_d = 1, max_d = 0, min_r = 1, max_r = 0;
  for (int j = 1; j <= ws.num_items; ++j) {
    const auto& it = ws.items[static_cast<std::size_t>(j)];
    if (it.include_flag <= 0) continue;
    min_p = std::min(min_p, it.difficulty);
    max_p = std::max(max_p, it.difficulty);
    min_d = std::min(min_d, it.discrimination);
    max_d = std::max(max_d, it.discrimination);
    min_r = std::min(min_r, it.point_biserial);
    if (it.point_biserial != kNotComputable) max_r = std::max(max_r, it.point_biserial);
  }
  auto minimum = [](const char* caption, double v) {
    return std::string(caption) + signed_column(v, 3, 2);
  };
  out.push_back("Minimum Item Diff.   =  " + fixed(min_p, 3) +
                ", Maximum Item Diff.   = " + fixed(max_p, 3));
  out.push_back(minimum("Minimum Disc. Index  =", min_d) +
                ", Maximum Disc. Index  = " + fixed(max_d, 3));
  out.push_back(minimum("Minimum Pt. Biserial =", min_r) +
                ", Maximum Pt. Biserial = " + fixed(max_r, 3));
  out.emplace_back();
}

// Where no test length reaches the reliability (KR-20 zero or negative, or already 1) the
// prophecy is replaced by the message instead of a division by zero or a negative length.
void add_prophecy(Lines& out, const Workspace& ws, std::vector<std::string>& messages) {
  const double r = ws.stats.kr20;
  const int n = ws.included_count;
  const auto p80 = spearman_brown_prophecy(r, n, 0.8);
  const auto p90 = spearman_brown_prophecy(r, n, 0.9);
  if (!p80 || !p90) {
    messages.emplace_back(kProphecyImpossible);
    out.emplace_back(kProphecyImpossible);
    out.emplace_back();
    return;
  }
  auto sentences = [&](const char* level, const Prophecy& p) {
    out.push_back(std::string("To obtain a KR-20 Reliability of ") + level + ", the test must be " +
                  fixed(p.length_factor, 2) +
                  (p.length_factor > 1 ? " times longer," : " times as long,"));
    out.push_back("  for a total of " + int_str(p.total) +
                  " items of similar quality to those in the test now.");
    out.emplace_back();
  };
  sentences(".80", *p80);
  sentences(".90", *p90);
}

std::string biserial_column(double biserial, double point_biserial) {
  if (point_biserial > 1 && biserial >= -0.0001) return "     *****";
  return right(fixed(biserial, 3), 10);
}

void add_additional_item_analysis(Lines& out, const Workspace& ws) {
  const double kr20 = ws.stats.kr20;
  add_banner(out, '*', 75, "Additional Item Analysis");
  out.emplace_back();
  out.emplace_back("         Scale Mean  Scale SD  KR20     SEM                Adjusted");
  out.emplace_back("         if Item     if Item   if Item  if Item  Biserial  Biserial");
  out.emplace_back("Item     Deleted     Deleted   Deleted  Deleted  Correl.   Correl. ");
  out.emplace_back("-------  ----------  --------  -------  -------  --------  --------");
  double sum = 0, min_b = 1, max_b = 0;
  int counted = 0;
  for (int j = 1; j <= ws.num_items; ++j) {
    const auto& it = ws.items[static_cast<std::size_t>(j)];
    if (it.include_flag <= 0) continue;
    out.push_back(item_name(it.item_number) + right(fixed(it.mean_if_deleted, 3), 10) +
                  right(fixed(std::sqrt(std::max(it.variance_if_deleted, 0.0)), 3), 11) +
                  right(fixed(it.kr20_if_deleted, 3), 9) + (it.kr20_if_deleted > kr20 ? "+" : " ") +
                  right(fixed(it.sem_if_deleted, 3), 8) +
                  biserial_column(it.biserial, it.point_biserial) +
                  biserial_column(it.adj_biserial, it.adj_point_biserial));
    if (it.biserial != kNotComputable) {
      sum += it.biserial;
      ++counted;
      max_b = std::max(max_b, it.biserial);
    }
    min_b = std::min(min_b, it.biserial);
  }
  const std::string equals = repeat('=', 74);
  out.push_back(equals);
  const auto excluded = excluded_items(ws);
  if (!excluded.empty()) {
    out.push_back(excluded_items_line(excluded));
    out.push_back(equals);
  }
  out.push_back("+ indicates that KR20 (" + fixed(kr20, 3) + ") improves if the item is removed");
  out.emplace_back();
  out.push_back("Mean Biserial Correlation = " + fixed(ratio(sum, counted), 3));
  out.push_back("Minimum Biserial Corr.    = " + fixed(min_b, 3));
  out.push_back("Maximum Biserial Corr.    = " + fixed(max_b, 3));
  out.emplace_back();
}

void add_answer_key_analysis(Lines& out, const Workspace& ws) {
  const int largest = ws.max_options_used;
  std::array<int, 10> keys{}, options{};
  for (int j = 1; j <= ws.num_items; ++j) {
    const auto jj = static_cast<std::size_t>(j);
    if (ws.include_flags[jj] <= 0) continue;
    if (ws.key_values[jj] >= 1 && ws.key_values[jj] <= 9)
      ++keys[static_cast<std::size_t>(ws.key_values[jj])];
    if (ws.option_values[jj] >= 1 && ws.option_values[jj] <= 9)
      ++options[static_cast<std::size_t>(ws.option_values[jj])];
  }
  out.emplace_back();
  out.emplace_back();
  add_banner(out, '*', 75, "Answer Key Analysis");
  add_banner(out, '=', 34, "Bar Chart for Correct Answer Usage");
  out.emplace_back();
  out.emplace_back("Answer Key  Count  Graph (each @ represents 1 case)");
  out.emplace_back("----------  -----  --------------------------------");
  for (int k = 1; k <= std::min(largest, 9); ++k) {
    const int c = keys[static_cast<std::size_t>(k)];
    out.push_back("Option " + int_str(k) + "/" + std::string(1, static_cast<char>('A' + k - 1)) +
                  right(c, 6) + "   " + bar(c));
  }
  out.emplace_back();
  out.emplace_back();
  add_banner(out, '=', 37, "Bar Chart for Number of Options Usage");
  out.emplace_back();
  out.emplace_back("# Options  Count  Graph (each @ represents 1 case)");
  out.emplace_back("---------  -----  --------------------------------");
  for (int c = 2; c <= std::min(largest, 9); ++c) {
    const int count = options[static_cast<std::size_t>(c)];
    out.push_back(int_str(c) + " Options" + right(count, 6) + "   " + bar(count));
  }
}

// Item numbers 20 to a line; one-digit numbers take an extra blank to keep the columns.
void add_number_block(Lines& out, const char* caption, const std::vector<int>& numbers,
                      const char* none) {
  add_banner(out, '=', 15, caption);
  if (numbers.empty()) {
    out.emplace_back(none);
    return;
  }
  std::string line;
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    const int n = numbers[i];
    if (i % 20 == 0) {
      if (i > 0) out.push_back(std::move(line));
      line = (n < 10 ? " " : "") + int_str(n);
    } else {
      line += (n < 10 ? ",  " : ", ") + int_str(n);
    }
  }
  out.push_back(std::move(line));
}

void add_item_lists(Lines& out, const Workspace& ws) {
  const auto included = included_items(ws);
  out.emplace_back();
  out.emplace_back();
  add_banner(out, '*', 60, "Item Included, Answer Key, Additional Correct Options");
  add_number_block(out, "ITEMS INCLUDED:", included, "No Items were INCLUDED in the analysis");
  out.emplace_back();
  add_number_block(out, "ITEMS EXCLUDED:", excluded_items(ws),
                   "No Items were EXCLUDED from the analysis");
  out.emplace_back();
  add_banner(out, '=', 28, "CORRECT ANSWERS (Item#-Key):");
  std::string line;
  for (std::size_t i = 0; i < included.size(); ++i) {
    const int n = included[i];
    if (i > 0 && i % 10 == 0) out.push_back(std::move(line)), line.clear();
    line += (n < 10 ? "  # " : "  #") + int_str(n) + "-" +
            int_str(ws.key_values[static_cast<std::size_t>(n)]);
  }
  if (!line.empty()) out.push_back(std::move(line));
}

std::string item_hash(std::string_view number_text) {
  int n = 0;
  const auto [p, ec] =
      std::from_chars(number_text.data(), number_text.data() + number_text.size(), n);
  const bool small = ec == std::errc() && n <= 9;
  return (small ? "Item # " : "Item #") + std::string(number_text);
}

void add_alternative_answers(Lines& out, const Workspace& ws, const AltAnswerGrid& grid) {
  bool any = false;
  for (int j = 1; j <= ws.num_items; ++j) {
    const auto jj = static_cast<std::size_t>(j);
    any = any || ws.include_flags[jj] == 2 || ws.key_values[jj] == 9;
  }
  if (!any) return;
  out.emplace_back();
  add_banner(out, '=', 28, "ALTERNATIVE CORRECT ANSWERS:");
  for (const auto& row : grid.rows) {
    std::string line = item_hash(row[0]) + "   Correct Answers: ";
    for (std::size_t col = 2; col <= 10; ++col)
      line += row[col].empty() ? std::string("  ") : row[col] + " ";
    out.push_back(std::move(line));
  }
  for (int j = 1; j <= ws.num_items; ++j)
    if (ws.key_values[static_cast<std::size_t>(j)] == 9)
      out.push_back(item_hash(int_str(j)) + "   Correct Answers: ALL");
}

}  // namespace

int stanine(double pr) {
  if (pr > 95) return 9;
  if (pr > 88) return 8;
  if (pr > 76) return 7;
  if (pr > 59) return 6;
  if (pr > 39) return 5;
  if (pr > 22) return 4;
  if (pr > 10) return 3;
  if (pr > 4) return 2;
  return 1;
}

Lines full_results_lines(Workspace& ws, const EditorDocument& doc,
                         std::vector<std::string>& messages) {
  Lines out;
  out.reserve(ws.reports.quick_examinee.size() + ws.reports.quick_items.size() + 400);
  add_examinee_section(out, ws);
  // The charts count examinees per score, so none of them needs the table in score order;
  // it only has to end in input order.
  sort_cases_by_input_order(ws);
  add_frequency_table(out, ws);
  add_bar_graph(out, ws);
  out.emplace_back();
  add_stem_and_leaf(out, ws);
  out.emplace_back();
  add_grade_chart(out, ws);
  add_item_section(out, ws);
  add_split_half(out, ws);
  add_extremes(out, ws);
  add_prophecy(out, ws, messages);
  add_additional_item_analysis(out, ws);
  sort_items(ws, ItemSort::item_number);
  add_spec_analysis(out, ws);
  add_answer_key_analysis(out, ws);
  add_item_lists(out, ws);
  add_alternative_answers(out, ws, doc.alternatives);
  add_options_pages(out, ws);
  return out;
}

}  // namespace jrv
