#include "core/input/table_of_specs.h"

#include <gtest/gtest.h>

namespace jrv {
namespace {

TEST(SpecTable, GridLayoutByItemCount) {
  EXPECT_EQ(spec_grid_layout(10), (SpecGridLayout{1, {10, 0, 0}}));
  EXPECT_EQ(spec_grid_layout(34), (SpecGridLayout{1, {34, 0, 0}}));
  EXPECT_EQ(spec_grid_layout(40), (SpecGridLayout{2, {34, 6, 0}}));
  EXPECT_EQ(spec_grid_layout(100), (SpecGridLayout{3, {34, 34, 32}}));
  EXPECT_EQ(spec_grid_item(1, 0), 1);
  EXPECT_EQ(spec_grid_item(2, 0), 35);
  EXPECT_EQ(spec_grid_item(3, 33), 102);
}

TEST(SpecTable, CountButtonsEmptyTheNamesAboveTheCount) {
  SpecTableFields w;
  Workspace ws;
  w.content_names = {"", "a", "b", "c", "", "", ""};
  choose_content_area_count(w, ws, 1);
  EXPECT_EQ(ws.content_area_count, 1);
  EXPECT_EQ(w.content_names[1], "a");
  EXPECT_EQ(w.content_names[2], "");
  EXPECT_EQ(w.content_names[3], "");
  choose_cognitive_level_count(w, ws, 4);
  EXPECT_EQ(ws.cognitive_level_count, 4);
  EXPECT_EQ(w.cognitive_count, 4);
}

TEST(SpecTable, Taxonomies) {
  SpecTableFields w;
  Workspace ws;
  use_taxonomy(w, ws, Taxonomy::bloom);
  EXPECT_EQ(ws.cognitive_level_count, 6);
  EXPECT_EQ(w.skill_names[6], "Evaluation");
  use_taxonomy(w, ws, Taxonomy::oosterhof);
  EXPECT_EQ(ws.cognitive_level_count, 5);
  EXPECT_EQ(w.skill_names[1], "Declarative Knowledge");
  EXPECT_EQ(w.skill_names[6], "");
  use_taxonomy(w, ws, Taxonomy::gagne);
  EXPECT_EQ(w.skill_names[6], "Higher Order Rules");
  use_taxonomy(w, ws, Taxonomy::popham);
  EXPECT_EQ(ws.cognitive_level_count, 2);
  EXPECT_EQ(w.skill_names[2], "Beyond Recall");
  EXPECT_EQ(w.skill_names[3], "");
}

TEST(SpecTable, DefaultSetSplitsTheItemsIntoFourRuns) {
  SpecTableFields w;
  Workspace ws;
  w.area_cells[11] = "5";
  use_default_specifications(w, ws, 10);
  EXPECT_EQ(ws.content_area_count, 2);
  EXPECT_EQ(ws.cognitive_level_count, 2);
  EXPECT_EQ(w.content_names[2], "Chapter 2");
  EXPECT_EQ(w.skill_names[1], "Recall");
  std::string cells;
  for (int i = 1; i <= 10; ++i)
    cells += w.area_cells[static_cast<std::size_t>(i)] +
             w.level_cells[static_cast<std::size_t>(i)] + " ";
  EXPECT_EQ(cells, "11 11 12 12 12 21 21 21 22 22 ");
  EXPECT_EQ(w.area_cells[11], "");
}

TEST(SpecTable, SaveStoresNamesWithDefaultsAndCells) {
  SpecTableFields w;
  Workspace ws;
  choose_content_area_count(w, ws, 2);
  choose_cognitive_level_count(w, ws, 1);
  w.content_names[1] = std::string(60, 'x');
  w.area_cells[1] = "2";
  w.level_cells[1] = " 1 ";
  w.area_cells[3] = "1";
  ws.item_specs[2] = {2, 1};  // cells left empty: none
  const SpecSave s = save_spec_table(w, ws, 3);
  EXPECT_FALSE(s.stay_open);
  EXPECT_EQ(ws.content_area_names[1], std::string(50, 'x'));
  EXPECT_EQ(ws.content_area_names[2], "Content Area 2");
  EXPECT_EQ(ws.cognitive_level_names[1], "Cognitive Level 1");
  EXPECT_EQ(ws.item_specs[1], (ItemSpec{2, 1}));
  EXPECT_EQ(ws.item_specs[2], ItemSpec{});
  EXPECT_EQ(ws.item_specs[3], (ItemSpec{1, 0}));
}

TEST(SpecTable, SaveRefusesCellsThatAreNotAreasOrLevels) {
  SpecTableFields w;
  Workspace ws;
  choose_content_area_count(w, ws, 2);
  choose_cognitive_level_count(w, ws, 2);
  w.area_cells[1] = "3";
  w.area_cells[2] = "-1";  // negative numbers name no area either
  w.level_cells[2] = "one";
  w.level_cells[4] = "-2";
  w.area_cells[5] = "2";
  ws.item_specs[1] = {1, 1};
  const SpecSave s = save_spec_table(w, ws, 5);
  EXPECT_TRUE(s.stay_open);
  EXPECT_EQ(
      s.check.messages,
      (std::vector<std::string>{"One of your Content Areas is out of range -- check item #1",
                                "One of your Content Areas is out of range -- check item #2",
                                "One of your Cognitive Levels is not an integer -- check item #2",
                                "One of your Cognitive Levels is out of range -- check item #4"}));
  EXPECT_EQ(ws.item_specs[1].content_area, 1);  // refused cells keep the stored value
  EXPECT_EQ(ws.item_specs[5].content_area, 2);  // valid cells are stored
}

TEST(SpecTable, ResetAndShow) {
  SpecTableFields w;
  Workspace ws;
  use_default_specifications(w, ws, 8);
  ASSERT_FALSE(save_spec_table(w, ws, 8).stay_open);
  SpecTableFields shown;
  show_spec_table(shown, ws, 8);
  EXPECT_EQ(shown.content_count, 2);
  EXPECT_EQ(shown.skill_names[2], "Beyond Recall");
  EXPECT_EQ(shown.area_cells, w.area_cells);
  EXPECT_EQ(shown.level_cells, w.level_cells);

  reset_spec_table(w, ws);
  EXPECT_EQ(w, SpecTableFields{});
  EXPECT_EQ(ws.content_area_count, 0);
  EXPECT_EQ(ws.cognitive_level_count, 0);
}

}  // namespace
}  // namespace jrv
