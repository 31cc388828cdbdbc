#include "core/analysis/scoring.h"

#include <array>
#include <cstring>
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

// Every field but the input position and the label back to its start value: assigned from
// a blank record, so that a field added later is reset too.
void reset_results(Case_Record& rec) {
  static const Case_Record blank;
  const std::int32_t number = rec.case_number;
  std::string label = std::move(rec.label);
  rec = blank;
  rec.case_number = number;
  rec.label = std::move(label);
}

constexpr std::uint64_t kOnes = 0x0101010101010101ull;

// 0x80 in each byte of `word` that equals `code`, 0 elsewhere (exact, no carry between bytes).
std::uint64_t equal_bytes(std::uint64_t word, std::uint8_t code) {
  const std::uint64_t x = word ^ (kOnes * code);
  const std::uint64_t low7 = 0x7F7F7F7F7F7F7F7Full;
  return ~(((x & low7) + low7) | x) & (kOnes << 7);
}

// Per examinee in input order, the number of correct answers on the items of each part
// (first or second half, odd or even position), one byte each (at most kMaxItems), summed
// a word of eight examinees at a time.
struct PartScores {
  // Index 2 * (first half) + (odd position).
  std::array<std::vector<std::uint64_t>, 4> parts;
};

// 0x01 in each byte of `word` that is one of `correct`.
std::uint64_t hits_of(std::uint64_t word, const std::uint8_t* correct, std::size_t count) {
  std::uint64_t hits = 0;
  for (std::size_t c = 0; c < count; ++c) hits |= equal_bytes(word, correct[c]);
  return hits >> 7;
}

PartScores count_correct(const Workspace& ws, const CorrectCodes& codes,
                         const ResponseColumns& columns) {
  const std::size_t words = columns.stride() / 8;
  PartScores scores;
  for (auto& part : scores.parts) part.assign(words, 0);
  const auto num_items = static_cast<std::size_t>(std::max(0, std::min(ws.num_items, kMaxItems)));
  const std::size_t half = num_items / 2;
  for (std::size_t j = 1; j <= num_items; ++j) {
    if (!codes.included(j)) continue;
    std::uint8_t correct[10];
    std::size_t n_correct = 0;
    for (std::uint8_t c = 0; c <= 9; ++c)
      if (codes.correct(j, c)) correct[n_correct++] = c;
    if (n_correct == 0) continue;
    std::uint64_t* sums = scores.parts[2 * (j <= half) + (j % 2)].data();
    const std::uint8_t* column = columns.column(j).data();
    std::uint64_t word;
    if (n_correct == 1) {  // the usual item: one key
      for (std::size_t w = 0; w < words; ++w) {
        std::memcpy(&word, column + 8 * w, 8);
        sums[w] += equal_bytes(word, correct[0]) >> 7;
      }
      continue;
    }
    for (std::size_t w = 0; w < words; ++w) {
      std::memcpy(&word, column + 8 * w, 8);
      sums[w] += hits_of(word, correct, n_correct);
    }
  }
  return scores;
}

// The count of examinee i: the lanes of a word lie where its bytes were read from, whatever
// the byte order.
std::uint32_t byte_at(const std::vector<std::uint64_t>& counts, std::size_t i) {
  return reinterpret_cast<const unsigned char*>(counts.data())[i];
}

}  // namespace

void score_examinees(Workspace& ws) {
  score_examinees(ws, ResponseColumns(ws));
}

void score_examinees(Workspace& ws, const ResponseColumns& columns) {
  auto& st = ws.stats;
  st.grade_counts.fill(0);
  const CorrectCodes codes(ws);
  const PartScores parts = count_correct(ws, codes, columns);
  const int k = ws.included_count;

  if (ws.pc_enabled) st.total_possible = k * ws.mc_points + ws.pc_points;
  const auto& scale = ws.grade_scale;

  for (int i = 1; i <= ws.num_cases; ++i) {
    auto& rec = ws.cases[static_cast<std::size_t>(i)];
    reset_results(rec);
    const auto at = static_cast<std::size_t>(rec.case_number - 1);
    const std::uint32_t second_even = byte_at(parts.parts[0], at);
    const std::uint32_t second_odd = byte_at(parts.parts[1], at);
    const std::uint32_t first_even = byte_at(parts.parts[2], at);
    const std::uint32_t first_odd = byte_at(parts.parts[3], at);
    const std::uint32_t raw = second_even + second_odd + first_even + first_odd;
    const std::uint32_t first = first_even + first_odd;
    const std::uint32_t odd = second_odd + first_odd;
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
