#include "core/analysis/options_counts.h"

#include <algorithm>
#include <vector>

#include "core/analysis/sorting.h"

namespace jrv {

void count_options(Workspace& ws) {
  sort_items(ws, ItemSort::item_number);
  const auto n_items = static_cast<std::size_t>(std::max(0, std::min(ws.num_items, kMaxItems)));
  const auto n = static_cast<std::size_t>(std::max(ws.num_cases, 0));
  const auto& st = ws.stats;
  const bool right_wrong = ws.right_wrong_mode;

  std::vector<std::size_t> included;
  for (std::size_t j = 1; j <= n_items; ++j) {
    auto& it = ws.items[j];
    it.option_count_total.fill(0);
    it.option_count_high.fill(0);
    it.option_count_low.fill(0);
    it.option_prop_total.fill(0.0);
    it.option_prop_high.fill(0.0);
    it.option_prop_low.fill(0.0);
    if (it.include_flag > 0) included.push_back(j);
  }

  // Slot of each response code; 0 = counted nowhere (missing, 9, invalid).
  std::array<std::size_t, 256> slot{};
  if (right_wrong) {
    slot[1] = 1;
    slot[0] = 2;
  } else {
    for (std::size_t c = 1; c <= kOptionSlots; ++c) slot[c] = c;
  }

  for (std::size_t i = 1; i <= n; ++i) {
    const auto& c = ws.cases[i];
    const auto& row = ws.responses[static_cast<std::size_t>(c.case_number)];
    const bool high = c.raw_score >= st.high_group_min;
    const bool low = c.raw_score <= st.low_group_max;
    for (std::size_t j : included) {
      auto& it = ws.items[j];
      const std::size_t s = slot[row[static_cast<std::size_t>(it.item_number)]];
      if (s == 0) continue;
      ++it.option_count_total[s];
      if (high) ++it.option_count_high[s];
      if (low) ++it.option_count_low[s];
    }
  }

  const std::size_t slots = right_wrong ? 2 : kOptionSlots;
  auto share = [](std::int32_t count, std::int32_t size) {
    return size > 0 ? static_cast<double>(count) / size : 0.0;
  };
  for (std::size_t j : included) {
    auto& it = ws.items[j];
    for (std::size_t s = 1; s <= slots; ++s) {
      it.option_prop_total[s] = share(it.option_count_total[s], ws.num_cases);
      it.option_prop_high[s] = share(it.option_count_high[s], st.high_group_size);
      it.option_prop_low[s] = share(it.option_count_low[s], st.low_group_size);
    }
  }
}

}  // namespace jrv
