#include "core/analysis/scoring.h"

#include <utility>
#include <vector>

#include "core/settings/grade_lookup.h"
#include "core/text/format.h"

namespace jrv {

CorrectCodes::CorrectCodes(const Workspace& ws) {
  const auto n = static_cast<std::size_t>(std::max(0, std::min(ws.num_items, kMaxItems)));
  for (std::size_t j = 1; j <= n; ++j) {
    if (ws.include_flags[j] < 1) continue;
    included_[j] = true;
    std::uint32_t bits = 0;
    if (ws.key_values[j] == 9) bits = 0x3FF;
    for (std::size_t s = 1; s <= kAnswerSlots; ++s) {
      const auto v = ws.correct_answers[j][s];
      if (v >= 0 && v <= 9) bits |= 1u << v;
    }
    mask_[j] = bits;
  }
}

namespace {

void reset_results(Case_Record& rec) {
  Case_Record fresh;
  fresh.case_number = rec.case_number;
  fresh.label = std::move(rec.label);
  rec = std::move(fresh);
}

}  // namespace

void score_examinees(Workspace& ws) {
  auto& st = ws.stats;
  st.grade_counts.fill(0);
  const CorrectCodes codes(ws);
  const int num_items = std::max(0, std::min(ws.num_items, kMaxItems));
  // Per included item, its position and whether it falls in the first half and on an odd
  // position, as masks, so that the loop over the answers needs no branch.
  struct Column {
    std::size_t item;
    std::uint32_t first, odd;
  };
  std::vector<Column> included;
  const std::size_t half = static_cast<std::size_t>(num_items / 2);
  for (std::size_t j = 1; j <= static_cast<std::size_t>(num_items); ++j)
    if (codes.included(j)) included.push_back({j, j <= half ? ~0u : 0u, j % 2 == 1 ? ~0u : 0u});
  const int k = ws.included_count;

  if (ws.pc_enabled) st.total_possible = k * ws.mc_points + ws.pc_points;
  const auto& scale = ws.grade_scale;

  for (int i = 1; i <= ws.num_cases; ++i) {
    auto& rec = ws.cases[static_cast<std::size_t>(i)];
    reset_results(rec);
    const auto& row = ws.responses[static_cast<std::size_t>(rec.case_number)];
    std::uint32_t raw = 0, first = 0, odd = 0;
    for (const Column& col : included) {
      const std::uint32_t b = codes.bit(col.item, row[col.item]);
      raw += b;
      first += b & col.first;
      odd += b & col.odd;
    }
    rec.raw_score = static_cast<std::int32_t>(raw);
    rec.first_half_score = static_cast<std::int32_t>(first);
    rec.second_half_score = static_cast<std::int32_t>(raw - first);
    rec.odd_score = static_cast<std::int32_t>(odd);
    rec.even_score = static_cast<std::int32_t>(raw - odd);
    rec.mc_score = rec.raw_score;
    rec.pc_score = ws.case_pc_points.size() >= static_cast<std::size_t>(rec.case_number)
                       ? ws.case_pc_points[static_cast<std::size_t>(rec.case_number)]
                       : 0;
    if (ws.pc_enabled) rec.total_score = rec.mc_score * ws.mc_points + rec.pc_score;
    // A test without included items is refused by the editor's check; were one to arrive,
    // its percentages are 0 rather than a division by zero.
    rec.percent_score = k > 0 ? static_cast<double>(rec.raw_score) / k * 100.0 : 0.0;
    if (ws.pc_enabled)
      rec.total_percent =
          st.total_possible != 0 ? rec.total_score / st.total_possible * 100.0 : 0.0;

    const double graded = ws.pc_enabled ? rec.total_percent : rec.percent_score;
    std::string& target = ws.pc_enabled ? rec.total_grade : rec.grade;
    const int c = grade_category(scale, graded, ws.options.round_grade_percent);
    if (c == 0) {
      target.clear();
    } else {
      target = cut(scale.grade_labels[static_cast<std::size_t>(c)], 4);
      ++st.grade_counts[static_cast<std::size_t>(c)];
    }
  }
}

}  // namespace jrv
