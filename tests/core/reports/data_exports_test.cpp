#include "core/reports/data_exports.h"

#include <gtest/gtest.h>

#include "core/reports/export_fixture.h"

namespace jrv {
namespace {

using testing::FixtureSpec;
using testing::scored_workspace;

// 12 items: item 3 also accepts 4, item 5 is excluded, item 12 counts every answer.
FixtureSpec twelve_items() {
  FixtureSpec s;
  s.label_length = 4;
  s.key = "123412341239";
  s.include = "YYAYNYYYYYYY";
  s.alternatives = {{3, "4"}};
  s.lines = {"Ann 123412341231", "Bob 214.2.41...2", "Cy  124413341239"};
  return s;
}

TEST(DataExports, NamesFollowTheTestOrFallBack) {
  const auto named = data_export_names("Exam1");
  EXPECT_EQ(named.item_stats, "Exam1_item_stats.txt");
  EXPECT_EQ(named.right_wrong, "Exam1_01_data.txt");
  EXPECT_EQ(named.alt_data, "Exam1_alt.dat");
  EXPECT_EQ(named.alt_exceptions, "Exam1_alt.exp");
  for (const char* unnamed : {"", "UNSAVED"}) {
    const auto fixed = data_export_names(unnamed);
    EXPECT_EQ(fixed.right_wrong, "data_01.txt");
    EXPECT_EQ(fixed.alt_data, "alt.dat");
    EXPECT_EQ(fixed.alt_exceptions, "alt.exp");
    EXPECT_EQ(fixed.item_stats, "item_stats.txt");
  }
}

TEST(DataExports, RightWrongFileScoresAlternativesAndKeepsExcludedColumns) {
  auto [ws, doc] = scored_workspace(twelve_items());
  std::swap(ws.cases[1], ws.cases[3]);  // a sorted table must not change the order
  const Lines lines = right_wrong_data_lines(ws);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0],
            "Examinee,Item01,Item02,Item03,Item04,Item05,Item06,Item07,Item08,Item09,Item10,"
            "Item11,Item12");
  EXPECT_EQ(lines[1], "Ann ,1,1,1,1,1,1,1,1,1,1,1,1");
  EXPECT_EQ(lines[2], "Bob ,0,0,1,0,0,0,0,0,0,0,0,1");  // missing counts wrong, except key 9
  EXPECT_EQ(lines[3], "Cy  ,1,1,1,1,1,0,1,1,1,1,1,1");  // 4 accepted on item 3

  const auto dir = std::filesystem::temp_directory_path() / "jrv_data_exports";
  std::filesystem::create_directories(dir);
  const auto path = save_right_wrong_data(ws, "Exam1", dir);
  EXPECT_EQ(path, dir / "Exam1_01_data.txt");
  EXPECT_EQ(read_lines(path), lines);
  EXPECT_EQ(ws.cases[1].case_number, 1);

  ws.cases[1].label = "Le,A";
  EXPECT_EQ(right_wrong_data_lines(ws)[1], "\"Le,A\",1,1,1,1,1,1,1,1,1,1,1,1");
}

TEST(DataExports, AltFilesNeedTheOkFlagAndWriteTheExceptions) {
  auto [ws, doc] = scored_workspace(twelve_items());
  doc.editor.data_lines = {"Ann 123412341231", "Bob 214.2.41...2", "Cy  124413341239"};
  doc.alternatives.rows[0][4] = "2";  // a third accepted answer
  const auto dir = std::filesystem::temp_directory_path() / "jrv_alt_exports";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);

  EXPECT_FALSE(save_alt_files(ws, doc, "Exam1", dir));
  EXPECT_TRUE(std::filesystem::is_empty(dir));

  ws.alt_file_ok = true;
  ASSERT_TRUE(save_alt_files(ws, doc, "Exam1", dir));
  EXPECT_EQ(read_lines(dir / "Exam1_alt.dat"),
            (Lines{"012 9 x 4", "123412341239", "444444444444", "YYYYNYYYYYYY", "Ann 123412341231",
                   "Bob 214.2.41...2", "Cy  124413341239"}));
  EXPECT_EQ(read_lines(dir / "Exam1_alt.exp"),
            (Lines{std::string(kAltExceptionsHead), " 03  3 4 2"}));

  // Without alternatives or key 9 there is no exceptions file; 100 items need no "0".
  FixtureSpec plain;
  plain.label_length = 0;
  plain.key = std::string(100, '1');
  plain.lines = {std::string(100, '1')};
  auto [ws2, doc2] = scored_workspace(plain);
  ws2.alt_file_ok = true;
  ASSERT_TRUE(save_alt_files(ws2, doc2, "", dir));
  EXPECT_EQ(read_lines(dir / "alt.dat")[0], "100 9 x 0");
  EXPECT_FALSE(std::filesystem::exists(dir / "alt.exp"));
}

TEST(DataExports, ExceptionItemNumbersTakeThreeColumns) {
  EditorDocument doc;
  AltAnswerGrid::Row r7{}, r42{}, r100{};
  r7[0] = "7", r7[2] = "2", r7[3] = "1";
  r42[0] = "42", r42[2] = "3";
  r100[0] = "100", r100[2] = "1", r100[5] = "5";
  doc.alternatives.rows = {r7, r42, r100};
  const Lines lines = alt_exception_lines(doc);
  EXPECT_EQ(Lines(lines.begin() + 1, lines.end()), (Lines{" 07  2 1", " 42  3", "100  1 5"}));
}

}  // namespace
}  // namespace jrv
