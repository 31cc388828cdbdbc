#pragma once
// The table-of-specifications grouping of the included items: per content area, per
// cognitive level and per area-and-level cell, how many items, the sum of their
// difficulties and their numbers as a list.

#include <string>

#include "core/text/table1.h"
#include "core/workspace/workspace.h"

namespace jrv {

struct SpecGroup {
  int item_count = 0;
  double difficulty_sum = 0;
  std::string item_list;  // item numbers in item order joined by "," ("1,4,7,12")

  double average_difficulty() const { return item_count > 0 ? difficulty_sum / item_count : 0.0; }
  bool operator==(const SpecGroup&) const = default;
};

struct SpecGroups {
  Table1<SpecGroup> areas;          // 1..content_area_count
  Table1<SpecGroup> levels;         // 1..cognitive_level_count
  Table1<Table1<SpecGroup>> cells;  // [area][level]
};

// Items are taken in item-number order whatever the order of the item table.
SpecGroups group_by_specifications(const Workspace& ws);

}  // namespace jrv
