#include "core/reports/item_stats_file.h"

#include <algorithm>
#include <cmath>

#include "core/analysis/sorting.h"
#include "core/reports/data_exports.h"
#include "core/text/format.h"

namespace jrv {

Lines item_stats_lines(const Workspace& ws) {
  Lines out;
  out.emplace_back(
      "item,correct,diff,pbis,biserial,pbis_del,discrim,high,low,kr20_del,mean_del,sd_del,sem_del");
  for (int j = 1; j <= ws.num_items; ++j) {
    const auto& it = ws.items[static_cast<std::size_t>(j)];
    if (it.include_flag <= 0) continue;
    std::string line = int_str(it.item_number) + "," + int_str(it.correct_count);
    for (double v : {it.difficulty, it.point_biserial, it.biserial, it.adj_point_biserial,
                     it.discrimination, it.high_p, it.low_p, it.kr20_if_deleted, it.mean_if_deleted,
                     std::sqrt(std::max(it.variance_if_deleted, 0.0)), it.sem_if_deleted})
      line += "," + fixed(v, 3);
    out.push_back(std::move(line));
  }
  return out;
}

std::filesystem::path save_item_stats(Workspace& ws, const std::filesystem::path& folder,
                                      std::string_view base) {
  sort_cases_by_input_order(ws);
  sort_items(ws, ItemSort::item_number);
  const auto path = folder / data_export_names(base).item_stats;
  write_lines(path, item_stats_lines(ws));
  return path;
}

}  // namespace jrv
