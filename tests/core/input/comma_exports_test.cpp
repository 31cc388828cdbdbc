#include "core/input/comma_exports.h"

#include <gtest/gtest.h>

#include "core/reports/export_fixture.h"

namespace jrv {
namespace {

TEST(CommaExports, RawKeepsDigitsAndMissingNinesWhileZeroOneScores) {
  testing::FixtureSpec s;
  s.label_length = 3;
  s.key = "123412341239";
  s.include = "YYAYYYYYYYYN";
  s.alternatives = {{3, "4"}};
  s.lines = {"Ann123412341231", "Bo 4..4........"};
  auto [ws, doc] = testing::scored_workspace(s);
  const std::string header =
      "Examinee,Item01,Item02,Item03,Item04,Item05,Item06,Item07,Item08,Item09,Item10,Item11,"
      "Item12";
  EXPECT_EQ(comma_raw_lines(ws),
            (Lines{header, "Answer Key          ,1,2,3,4,1,2,3,4,1,2,3,9",
                   "Ann,1,2,3,4,1,2,3,4,1,2,3,1", "Bo ,4,9,9,4,9,9,9,9,9,9,9,9"}));
  EXPECT_EQ(comma_01_lines(ws),
            (Lines{header, "Answer Key          ,1,1,1,1,1,1,1,1,1,1,1,1",
                   "Ann,1,1,1,1,1,1,1,1,1,1,1,1", "Bo ,0,0,0,1,0,0,0,0,0,0,0,1"}));
  // The export reads the loaded data without recoding them.
  EXPECT_EQ(ws.key_values[2], 2);
  EXPECT_EQ(ws.responses[2][1], 4);
}

// Labels such as "Lee, Ann" are one field each, so every row has as many fields as the header.
TEST(CommaExports, LabelsWithCommasOrQuotesAreQuotedFields) {
  testing::FixtureSpec s;
  s.label_length = 6;
  s.key = "12";
  s.lines = {"Lee, A12", "Bo \"B\"21", "Cy    12"};
  auto [ws, doc] = testing::scored_workspace(s);
  EXPECT_EQ(comma_raw_lines(ws), (Lines{"Examinee,Item01,Item02", "Answer Key          ,1,2",
                                        "\"Lee, A\",1,2", "\"Bo \"\"B\"\"\",2,1", "Cy    ,1,2"}));
  EXPECT_EQ(comma_01_lines(ws)[2], "\"Lee, A\",1,1");
}

TEST(CommaExports, ProposedNames) {
  EXPECT_EQ(comma_01_proposed_name("Exam1"), "Exam1_01_data");
  EXPECT_EQ(comma_raw_proposed_name("Exam1"), "Exam1_raw_data");
  EXPECT_EQ(comma_01_proposed_name("UNSAVED"), "data_01");
  EXPECT_EQ(comma_raw_proposed_name(""), "data_raw");
}

}  // namespace
}  // namespace jrv
