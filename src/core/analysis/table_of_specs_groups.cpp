#include "core/analysis/table_of_specs_groups.h"

#include <algorithm>
#include <array>

#include "core/text/format.h"

namespace jrv {

namespace {

void add(SpecGroup& g, int item_number, double difficulty) {
  if (g.item_count > 0) g.item_list += ',';
  g.item_list += int_str(item_number);
  ++g.item_count;
  g.difficulty_sum += difficulty;
}

}  // namespace

SpecGroups group_by_specifications(const Workspace& ws) {
  const int areas = std::clamp(ws.content_area_count, 0, kMaxSpecAreas);
  const int levels = std::clamp(ws.cognitive_level_count, 0, kMaxSpecAreas);
  SpecGroups out;
  out.areas.resize(static_cast<std::size_t>(areas));
  out.levels.resize(static_cast<std::size_t>(levels));
  out.cells.resize(static_cast<std::size_t>(areas),
                   Table1<SpecGroup>(static_cast<std::size_t>(levels)));

  const int n_items = std::clamp(ws.num_items, 0, kMaxItems);
  std::array<const ItemRecord*, kMaxItems + 1> by_number{};
  for (int j = 1; j <= n_items; ++j) {
    const auto& it = ws.items[static_cast<std::size_t>(j)];
    if (it.item_number >= 1 && it.item_number <= n_items)
      by_number[static_cast<std::size_t>(it.item_number)] = &it;
  }
  for (int num = 1; num <= n_items; ++num) {
    const auto* it = by_number[static_cast<std::size_t>(num)];
    if (it == nullptr || ws.include_flags[static_cast<std::size_t>(num)] == 0) continue;
    const auto& spec = ws.item_specs[static_cast<std::size_t>(num)];
    const bool has_area = spec.content_area >= 1 && spec.content_area <= areas;
    const bool has_level = spec.cognitive_level >= 1 && spec.cognitive_level <= levels;
    if (has_area) add(out.areas[static_cast<std::size_t>(spec.content_area)], num, it->difficulty);
    if (has_level)
      add(out.levels[static_cast<std::size_t>(spec.cognitive_level)], num, it->difficulty);
    if (has_area && has_level)
      add(out.cells[static_cast<std::size_t>(spec.content_area)]
                   [static_cast<std::size_t>(spec.cognitive_level)],
          num, it->difficulty);
  }
  return out;
}

}  // namespace jrv
