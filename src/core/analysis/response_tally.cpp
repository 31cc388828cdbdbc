#include "core/analysis/response_tally.h"

#include <algorithm>

namespace jrv {

ResponseTally tally_responses(const Workspace& ws) {
  const auto n_items = static_cast<std::size_t>(std::max(0, std::min(ws.num_items, kMaxItems)));
  const auto n = static_cast<std::size_t>(std::max(ws.num_cases, 0));
  const auto& st = ws.stats;
  ResponseTally tally(kMaxItems + 1);
  std::vector<std::size_t> columns;
  for (std::size_t j = 1; j <= n_items; ++j)
    if (ws.items[j].include_flag != 0)
      columns.push_back(static_cast<std::size_t>(ws.items[j].item_number));

  // Without branches: the group memberships are 0 or 1 and every code has its counter.
  for (std::size_t i = 1; i <= n; ++i) {
    const auto& c = ws.cases[i];
    const auto& row = ws.responses[static_cast<std::size_t>(c.case_number)];
    const std::int32_t high = c.raw_score >= st.high_group_min;
    const std::int32_t low = c.raw_score <= st.low_group_max;
    const std::int64_t score = c.raw_score;
    for (const std::size_t item : columns) {
      const std::size_t code = std::min<std::size_t>(row[item], CodeTally::kCodes - 1);
      auto& t = tally[item];
      ++t.total[code];
      t.high[code] += high;
      t.low[code] += low;
      t.score_sum[code] += score;
    }
  }
  return tally;
}

}  // namespace jrv
