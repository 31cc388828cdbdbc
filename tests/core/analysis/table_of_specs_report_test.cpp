// The table-of-specifications section of the full results.

#include <gtest/gtest.h>

#include "core/analysis/report_fixture.h"
#include "core/analysis/table_of_specs_report.h"
#include "core/text/encoding.h"

namespace jrv {
namespace {

using test::same_lines;

// `n` included items, each with difficulty 0.5 unless changed.
Workspace spec_workspace(int n) {
  Workspace ws;
  ws.num_items = n;
  for (int j = 1; j <= n; ++j) {
    auto& it = ws.items[static_cast<std::size_t>(j)];
    it.item_number = j, it.include_flag = 1, it.difficulty = 0.5;
    ws.include_flags[static_cast<std::size_t>(j)] = 1;
  }
  return ws;
}

TEST(SpecReport, ListsUpToFortyCharactersStayOnOneLine) {
  // "1,2,...": 9 one-digit numbers with commas make 17 characters; two-digit ones add 3.
  std::string list40 = "10,11,12,13,14,15,16,17,18,19,20,21,22,2";
  ASSERT_EQ(list40.size(), 40u);
  EXPECT_EQ(wrap_item_list(list40, 38, 40), std::vector<std::string>{list40});
  const std::string list41 = "10,11,12,13,14,15,16,17,18,19,20,21,22,23";
  EXPECT_EQ(wrap_item_list(list41, 38, 40),
            (std::vector<std::string>{"10,11,12,13,14,15,16,17,18,19,20,21,22,", "23"}));
  // A boundary inside a number moves to the comma that closes it.
  const std::string list = "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19";
  EXPECT_EQ(wrap_item_list(list, 38, 40),
            (std::vector<std::string>{"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,", "17,18,19"}));
}

TEST(SpecReport, ContentAreasOnlyWithCutNamesAndEmptyAreas) {
  Workspace ws = spec_workspace(30);
  ws.content_area_count = 2;
  ws.content_area_names[1] = "Fractions and decimals 1";  // 24 characters, cut to 20
  ws.content_area_names[2] = "Geometry";
  for (int j = 1; j <= 30; ++j) ws.item_specs[static_cast<std::size_t>(j)].content_area = 1;
  ws.items[2].difficulty = 0.8;
  ws.items[3].include_flag = ws.include_flags[3] = 0;
  Lines out;
  add_spec_analysis(out, ws);
  const Lines expected = {
      std::string(75, '*'),
      "Table of Specifications Analysis",
      std::string(75, '*'),
      std::string(22, '='),
      "CONTENT AREA ANALYSIS:",
      std::string(22, '='),
      "                       Average                           ",
      "Content Area           Difficulty   Items in Content Area",
      "--------------------   ----------   ------------------------------",
      "Fractions and decima   0.510        1,2,4,5,6,7,8,9,10,11,12,13,14,15,16,17,",
      "                                    18,19,20,21,22,23,24,25,26,27,28,29,30",
      "Geometry                            No items specified for this area",
  };
  EXPECT_TRUE(same_lines(expected, out));
}

TEST(SpecReport, LevelsAndCombinedCells) {
  Workspace ws = spec_workspace(40);
  ws.content_area_count = 1;
  ws.cognitive_level_count = 2;
  ws.content_area_names[1] = "Algebra";
  ws.cognitive_level_names[1] = "Knowledge";
  ws.cognitive_level_names[2] = "Application";
  for (int j = 1; j <= 40; ++j) ws.item_specs[static_cast<std::size_t>(j)] = {1, 1};
  Lines out;
  add_spec_analysis(out, ws);
  const Lines tail(out.begin() + 12, out.end());
  const Lines expected = {
      "",
      std::string(31, '='),
      "COGNITIVE SKILL LEVEL ANALYSIS:",
      std::string(31, '='),
      "                       Average                              ",
      "Cognitive Level        Difficulty   Items in Cognitive Level",
      "--------------------   ----------   -----------------------------",
      "Knowledge              0.500        1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,",
      "                                    17,18,19,20,21,22,23,24,25,26,27,28,29,",
      "                                    30,31,32,33,34,35,36,37,38,39,40",
      "Application                         No items specified for this area",
      std::string(40, '='),
      "CONTENT AND COGNITIVE COMBINED ANALYSIS:",
      std::string(40, '='),
      "                                            Avg.                       ",
      "Content Area          Cognitive Level       Diff.  Items               ",
      "--------------------  --------------------  -----  --------------------",
      "Algebra               Knowledge             0.500  1,2,3,4,5,6,7,8,9,10,11,12,",
      "                                                   13,14,15,16,17,18,19,",
      "                                                   20,21,22,23,24,25,26,",
      "                                                   27,28,29,30,31,32,",
      "                                                   33,34,35,36,37,38,39,",
      "                                                   40",
      "Algebra               Application                  <no items specified>",
  };
  EXPECT_TRUE(same_lines(expected, tail));
}

// Names in other alphabets are cut at 20 characters and padded like ASCII names: the
// section matches the one for the same names with "?" for each letter outside ASCII.
TEST(SpecReport, NamesInAnyAlphabetKeepTheColumns) {
  const auto section = [](const std::string& area, const std::string& level) {
    Workspace ws = spec_workspace(40);
    ws.content_area_count = 1;
    ws.cognitive_level_count = 1;
    ws.content_area_names[1] = area;
    ws.cognitive_level_names[1] = level;
    for (int j = 1; j <= 40; ++j) ws.item_specs[static_cast<std::size_t>(j)] = {1, 1};
    Lines out;
    add_spec_analysis(out, ws);
    return out;
  };
  const std::string area = "Геометрия и тригонометрия";  // 25 characters
  const std::string level = "Εφαρμογή";
  Lines masked;
  for (const auto& l : section(area, level)) masked.push_back(one_byte_per_char(l));
  EXPECT_TRUE(same_lines(section(one_byte_per_char(area), one_byte_per_char(level)), masked));
}

TEST(SpecReport, NothingWithoutAreasOrLevels) {
  Lines out;
  add_spec_analysis(out, spec_workspace(3));
  EXPECT_TRUE(out.empty());
}

}  // namespace
}  // namespace jrv
