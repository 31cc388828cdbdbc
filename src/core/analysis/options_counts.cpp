#include "core/analysis/options_counts.h"

#include <algorithm>
#include <vector>

#include "core/analysis/sorting.h"

namespace jrv {

void count_options(Workspace& ws, const ResponseTally& tally) {
  sort_items(ws, ItemSort::item_number);
  const auto n_items = static_cast<std::size_t>(std::max(0, std::min(ws.num_items, kMaxItems)));
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
  std::array<std::size_t, CodeTally::kCodes> slot{};
  if (right_wrong) {
    slot[1] = 1;
    slot[0] = 2;
  } else {
    for (std::size_t code = 1; code <= kOptionSlots; ++code) slot[code] = code;
  }
  for (std::size_t t = 0; t < included.size(); ++t) {
    auto& it = ws.items[included[t]];
    const CodeTally& counts = tally[static_cast<std::size_t>(it.item_number)];
    for (std::size_t code = 0; code < CodeTally::kCodes; ++code) {
      if (slot[code] == 0) continue;
      it.option_count_total[slot[code]] += counts.total[code];
      it.option_count_high[slot[code]] += counts.high[code];
      it.option_count_low[slot[code]] += counts.low[code];
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
