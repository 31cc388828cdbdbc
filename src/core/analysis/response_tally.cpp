#include "core/analysis/response_tally.h"

#include <algorithm>

namespace jrv {

ResponseTally tally_responses(const Workspace& ws) {
  return tally_responses(ws, ResponseColumns(ws));
}

ResponseTally tally_responses(const Workspace& ws, const ResponseColumns& columns) {
  const auto n_items = static_cast<std::size_t>(std::max(0, std::min(ws.num_items, kMaxItems)));
  const std::size_t n = columns.cases();
  const auto& st = ws.stats;
  ResponseTally tally(kMaxItems + 1);

  // Per examinee in input order, what each answer adds to its code's counters, two counters
  // to a word: the count and the upper-group count, the lower-group count and the raw score.
  // Every half stays below 2^32 (at most 100 times the number of examinees).
  std::vector<std::uint64_t> counts(n), scores(n);
  for (std::size_t i = 1; i <= n; ++i) {
    const auto& c = ws.cases[i];
    const auto at = static_cast<std::size_t>(c.case_number - 1);
    const std::uint64_t high = c.raw_score >= st.high_group_min;
    const std::uint64_t low = c.raw_score <= st.low_group_max;
    counts[at] = 1 | high << 32;
    scores[at] = low | static_cast<std::uint64_t>(std::max(c.raw_score, 0)) << 32;
  }

  for (std::size_t j = 1; j <= n_items; ++j) {
    if (ws.items[j].include_flag == 0) continue;
    const auto item = static_cast<std::size_t>(ws.items[j].item_number);
    const std::uint8_t* column = columns.column(item).data();
    // Indexed by the byte itself, codes above 9 folded afterwards; two sets taking turns, so
    // that runs of one code do not wait on each other's sums.
    std::array<std::array<std::uint64_t, 256>, 2> count_by{}, score_by{};
    std::size_t i = 0;
    for (; i + 1 < n; i += 2) {
      count_by[0][column[i]] += counts[i];
      score_by[0][column[i]] += scores[i];
      count_by[1][column[i + 1]] += counts[i + 1];
      score_by[1][column[i + 1]] += scores[i + 1];
    }
    if (i < n) {
      count_by[0][column[i]] += counts[i];
      score_by[0][column[i]] += scores[i];
    }
    std::array<std::uint64_t, CodeTally::kCodes> count_sums{}, score_sums{};
    for (std::size_t code = 0; code < 256; ++code) {
      const std::size_t slot = std::min<std::size_t>(code, CodeTally::kCodes - 1);
      count_sums[slot] += count_by[0][code] + count_by[1][code];
      score_sums[slot] += score_by[0][code] + score_by[1][code];
    }
    auto& t = tally[item];
    for (std::size_t code = 0; code < CodeTally::kCodes; ++code) {
      t.total[code] = static_cast<std::int32_t>(count_sums[code] & 0xFFFFFFFFu);
      t.high[code] = static_cast<std::int32_t>(count_sums[code] >> 32);
      t.low[code] = static_cast<std::int32_t>(score_sums[code] & 0xFFFFFFFFu);
      t.score_sum[code] = static_cast<std::int64_t>(score_sums[code] >> 32);
    }
  }
  return tally;
}

}  // namespace jrv
