#include "core/analysis/table_of_specs_groups.h"

#include <gtest/gtest.h>

namespace jrv {
namespace {

TEST(SpecGroups, IncludedItemsByAreaLevelAndCellInItemOrder) {
  Workspace ws;
  ws.num_items = 12;
  ws.content_area_count = 2;
  ws.cognitive_level_count = 3;
  // The item table in a sorted order; the grouping still lists item numbers ascending.
  const int order[] = {12, 3, 1, 10, 2, 4, 5, 6, 7, 8, 9, 11};
  for (int j = 1; j <= 12; ++j) {
    auto& it = ws.items[static_cast<std::size_t>(j)];
    it.item_number = order[j - 1];
    it.difficulty = order[j - 1] / 100.0;
    ws.include_flags[static_cast<std::size_t>(j)] = 1;
  }
  ws.include_flags[5] = 0;  // excluded although it has an area
  auto spec = [&](int item, int area, int level) {
    ws.item_specs[static_cast<std::size_t>(item)] = ItemSpec{area, level};
  };
  spec(12, 1, 1);
  spec(1, 1, 1);
  spec(10, 1, 2);
  spec(3, 2, 0);
  spec(4, 0, 2);
  spec(5, 1, 1);
  spec(6, 3, 7);  // out of the defined counts: in no group

  const SpecGroups g = group_by_specifications(ws);
  ASSERT_EQ(g.areas.size(), 2u);
  ASSERT_EQ(g.levels.size(), 3u);
  EXPECT_EQ(g.areas[1].item_list, "1,10,12");
  EXPECT_EQ(g.areas[1].item_count, 3);
  EXPECT_NEAR(g.areas[1].average_difficulty(), 0.23 / 3, 1e-12);
  EXPECT_EQ(g.areas[2].item_list, "3");
  EXPECT_EQ(g.levels[1].item_list, "1,12");
  EXPECT_EQ(g.levels[2].item_list, "4,10");
  EXPECT_EQ(g.levels[3].item_count, 0);
  EXPECT_EQ(g.levels[3].average_difficulty(), 0.0);
  EXPECT_EQ(g.cells[1][1].item_list, "1,12");
  EXPECT_EQ(g.cells[1][2].item_list, "10");
  EXPECT_EQ(g.cells[2][1].item_count, 0);
  EXPECT_NEAR(g.cells[1][1].difficulty_sum, 0.13, 1e-12);
}

TEST(SpecGroups, NoTableGivesNoGroups) {
  Workspace ws;
  ws.num_items = 3;
  const SpecGroups g = group_by_specifications(ws);
  EXPECT_EQ(g.areas.size(), 0u);
  EXPECT_EQ(g.cells.size(), 0u);
}

}  // namespace
}  // namespace jrv
