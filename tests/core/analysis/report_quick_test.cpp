// The quick examinee results and the quick item analysis, checked against hand-written lines.

#include <gtest/gtest.h>

#include "core/analysis/quick_examinee_report.h"
#include "core/analysis/quick_item_report.h"
#include "core/analysis/report_fixture.h"
#include "core/text/format.h"

namespace jrv {
namespace {

using test::same_lines;
using test::small_workspace;

GradeWindowFields five_scale() {
  GradeWindowFields g;
  g.scheme = GradeScheme::five;
  g.percents[1] = "90", g.percents[2] = "80", g.percents[3] = "70", g.percents[4] = "60";
  return g;
}

TEST(QuickExamineeReport, RawBandsWithGradesAndAThreeCharacterLabel) {
  const Workspace ws = small_workspace();
  const std::string eq(74, '=');
  const Lines expected = {
      "    Total          Ltr    ~68% C.I.     ~95% C.I. ",
      "ID  Score Percent Grade  (Raw Score)   (Raw Score)",
      "--- ----- ------- ----- ------------- -------------",
      "Ann    3  100.00%  A     ( 2.5-  3.0)   ( 2.0-  3.0) ",
      "Bob    1   33.33%  F     ( 0.5-  1.5)   ( 0.0-  2.0) ",
      "Cy     2   66.67%  D     ( 1.5-  2.5)   ( 1.0-  3.0) ",
      "Dee    0    0.00%  F     ( 0.0-  0.5)   ( 0.0-  1.0) ",
      "Eve    3  100.00%  A     ( 2.5-  3.0)   ( 2.0-  3.0) ",
      eq,
      "These results have not been sorted (see data editor)",
      eq,
      "Grading Scale:  A   = 90, B   = 80, C   = 70, D   = 60",
      eq,
      "",
      "Number of Examinees = 5",
      "Total Possible Score= 3",
      "Minimum Score       = 0.000 = 0.0%",
      "Maximum Score       = 3.000 = 100.0%",
      "Median Score        = 2.000 = 66.7%",
      "Mean Score          = 1.800 = 60.0%",
      "Standard Deviation  = 1.166",
      "Variance            = 1.360",
      "Skewness            = -0.412",
      "Kurtosis            = -1.300",
  };
  EXPECT_TRUE(same_lines(expected, quick_examinee_lines(ws, five_scale())));
}

TEST(QuickExamineeReport, HiddenLabelsNumberTheListingPositions) {
  Workspace ws = small_workspace();
  ws.options.hide_labels = true;
  ws.options.examinee_sort = ExamineeSort::by_score;
  ws.num_cases = 12;
  ws.cases.resize(12, ws.cases[1]);
  const Lines lines = quick_examinee_lines(ws, five_scale());
  EXPECT_EQ(lines[0], "          Total          Ltr    ~68% C.I.     ~95% C.I. ");
  EXPECT_EQ(lines[1], "ID        Score Percent Grade  (Raw Score)   (Raw Score)");
  EXPECT_EQ(lines[2], "--------- ----- ------- ----- ------------- -------------");
  EXPECT_EQ(lines[3].substr(0, 14), "Case 001     3");
  EXPECT_EQ(lines[9].substr(0, 14), "Case 007     3");
  EXPECT_EQ(lines[12].substr(0, 14), "Case 010     3");
  EXPECT_EQ(lines[16], "These results have been sorted by score");
}

TEST(QuickExamineeReport, ShortLabelsAndLetterBands) {
  Workspace ws = small_workspace();
  ws.label_length = 1;
  ws.cases[1].label = "A";
  ws.options.band_units = BandUnits::letters;
  ws.options.examinee_sort = ExamineeSort::by_label;
  auto& c = ws.cases[1];
  c.band68_low_raw = 12.5, c.band68_high_raw = 13.5;
  c.band68_low_pct = 95.0, c.band68_high_pct = 100;
  c.band68_low_letter = "A", c.band68_high_letter = "A";
  const Lines lines = quick_examinee_lines(ws, five_scale());
  EXPECT_EQ(lines[0], "  Total          Ltr   ~68% C.I.    ~68% C.I.   ~68% C.I. ");
  EXPECT_EQ(lines[1], "ID Score Percent Grade (Raw Score)   (Percents)  (Letters)");
  EXPECT_EQ(lines[2], "- ----- ------- ----- ------------ ------------ ---------");
  EXPECT_EQ(lines[3], "A    3  100.00%  A    (12.5- 13.5) (95.0-100.0)  (A, A)");
  EXPECT_EQ(lines[9], "These results have been sorted by examinee ID label");
}

TEST(QuickExamineeReport, PartialCreditColumnsAndTotals) {
  Workspace ws = small_workspace();
  ws.pc_enabled = true;
  ws.pc_points = 4;
  ws.mc_points = 2;
  ws.grade_scale.grade_category_count = 0;
  ws.options.band_units = BandUnits::percent;
  ws.stats.total_possible = 10;
  ws.stats.max_total = 9.5;
  auto& c = ws.cases[1];
  c.pc_score = 3, c.total_score = 9, c.total_percent = 90;
  const Lines lines = quick_examinee_lines(ws, five_scale());
  EXPECT_EQ(lines[0], "          Both MC & PC Items            for MC items ONLY    ");
  EXPECT_EQ(lines[1], "    ^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^   ^^^^^^^^^^^^^^^^^^^^^^^ ");
  EXPECT_EQ(lines[2], "      MC  Part Total          Ltr    ~68% C.I.     ~95% C.I. ");
  EXPECT_EQ(lines[3], "ID  Items Cred Score Percent Grade   (Percents)    (Percents)");
  EXPECT_EQ(lines[4], "--- ----- ---- ----- ------- ----- ------------- -------------");
  EXPECT_EQ(lines[5], "Ann    3    3    9.0  90.00%        (83.3-100.0)   (66.7-100.0) ");
  EXPECT_EQ(lines[15], "Total Possible Score= 10.0 (3*2 MC + 4 PC)");
  EXPECT_EQ(lines[17], "Maximum Score       = 9.500 = 95.0%");
  ws.pc_points = 0;
  EXPECT_EQ(quick_examinee_lines(ws, five_scale())[15],
            "Total Possible Score= 10.0 (3*2 MC + 0 XC)");
}

// Examinees with one raw score share their columns' text only while every printed value
// agrees: each line must read as it does when its examinee is listed alone.
TEST(QuickExamineeReport, EqualRawScoresWithOtherValuesKeepTheirOwnColumns) {
  for (const bool pc : {false, true}) {
    Workspace ws = small_workspace();
    ws.pc_enabled = pc;
    ws.pc_points = 4;
    ws.options.band_units = pc ? BandUnits::percent : BandUnits::letters;
    ws.num_cases = 7;
    ws.cases.resize(7);
    const char* grades[] = {"B", "B", "C", "B", "B", "B", "B"};
    for (std::size_t i = 1; i <= 7; ++i) {
      auto& c = ws.cases[i];
      c = ws.cases[1];
      c.label = "S" + std::to_string(i);
      c.raw_score = i == 6 ? 150 : i == 7 ? -1 : 2;
      c.pc_score = i == 2 ? 4 : 1;
      c.total_score = c.raw_score + c.pc_score;
      c.percent_score = 200.0 / 3;
      c.total_percent = i == 4 ? 71.25 : 50;
      c.grade = c.total_grade = grades[i - 1];
      c.band68_low_letter = i == 5 ? "D" : "C";
      c.band68_high_letter = "B";
    }
    const Lines all = quick_examinee_lines(ws, five_scale());
    const std::size_t first = pc ? 5 : 3;
    for (std::size_t i = 1; i <= 7; ++i) {
      Workspace alone = ws;
      alone.num_cases = 1;
      alone.cases[1] = ws.cases[i];
      const Lines one = quick_examinee_lines(alone, five_scale());
      EXPECT_EQ(all[first + i - 1], one[first]) << "examinee " << i << (pc ? " with credit" : "");
    }
  }
}

TEST(QuickItemReport, ItemLinesMarksAndSummary) {
  const Workspace ws = small_workspace();
  const std::string eq(74, '=');
  const Lines expected = {
      "              Number  Item  Disc.  # Correct  # Correct   Point   Adj.   ",
      "Item    Key   Correct Diff. Index in High Grp in Low Grp  Biser.  Pt Bis ",
      "------- ----- ------- ----- ----- ----------- ----------- ------- -------",
      "Item 01 (1 )       3   0.60  1.00    2 (1.00)    0 (0.00)   0.91    0.80",
      "Item 02 (3 )#      5   1.00  0.00    2 (1.00)    2 (1.00)   ****    ****",
      "Item 04 (2*)#      1   0.20 -0.50    0 (0.00)    1 (0.50)  -0.12   -0.30",
      eq,
      "* indicates that there are multiple correct answers for the item",
      "# marks potential problems (p<0.2 or p>0.9, D<0.2, pbis<0.2, adjpbis<0.2)",
      "These results have been sorted by item number",
      eq,
      "Items Excluded from Analysis:  3",
      eq,
      "",
      "Number of Items Excluded   = 1",
      "Number of Items Analyzed   = 3",
      "Mean Item Difficulty       = 0.600",
      "Mean Item Discrimination   = 0.417",
      "Mean Point Biserial        = 0.500",
      "Mean Adj. Point Biserial   = 0.250",
      "KR20 (Alpha)               = 0.750",
      "KR21                       = 0.613",
      "SEM (from KR20)            = 0.500",
      "# Potential Problem Items  = 2",
      "High Grp Min Score (n=2)   = 3.000",
      "Low Grp Max Score (n=2)    = 1.000",
  };
  EXPECT_TRUE(same_lines(expected, quick_item_lines(ws)));
}

// Values just below zero print as 0.00 and take the blanks of 0.00: the line stays 72 wide.
TEST(QuickItemReport, TinyNegativesPrintedAsZeroKeepTheirColumns) {
  Workspace ws = small_workspace();
  ws.items[1].discrimination = 44.0 / 45 - 45.0 / 46;
  ws.items[1].point_biserial = -0.003;
  ws.items[1].adj_point_biserial = -0.0001;
  const Lines lines = quick_item_lines(ws);
  EXPECT_EQ(lines[3], "Item 01 (1 )       3   0.60  0.00    2 (1.00)    0 (0.00)   0.00    0.00");
  EXPECT_EQ(lines[3].size(), 72u);
}

TEST(QuickItemReport, WithoutMarksStarsOrExclusionsTheirLinesAreLeftOut) {
  Workspace ws = small_workspace();
  ws.options.suggest_problem_items = false;
  ws.include_flags[3] = 1, ws.items[3].include_flag = 1;
  ws.include_flags[4] = 1, ws.items[4].include_flag = 1;
  ws.included_count = 4;
  ws.stats.problem_item_count = 0;
  ws.pc_enabled = true;
  const Lines lines = quick_item_lines(ws);
  EXPECT_EQ(lines[0], "  ALL Item Analyses performed using ONLY 1-point Multiple Choice Items   ");
  EXPECT_EQ(lines[1], std::string(73, '^'));
  EXPECT_EQ(lines[6], "Item 02 (3 )       5   1.00  0.00    2 (1.00)    2 (1.00)   ****    ****");
  EXPECT_EQ(lines[9], std::string(74, '='));
  EXPECT_EQ(lines[10], "These results have been sorted by item number");
  EXPECT_EQ(lines[11], std::string(74, '='));
  EXPECT_EQ(lines[13], "Number of Items Excluded   = 0");
  EXPECT_EQ(lines[22], "High Grp Min Score (n=2)   = 3.000");
}

TEST(QuickItemReport, GroupSizeClosingsKeepTheValuesAligned) {
  Workspace ws = small_workspace();
  const std::pair<int, const char*> cases[] = {
      {9, "High Grp Min Score (n=9)   = 3.000|Low Grp Max Score (n=9)    = 1.000"},
      {10, "High Grp Min Score (n=10)  = 3.000|Low Grp Max Score (n=10)   = 1.000"},
      {100, "High Grp Min Score (n=100) = 3.000|Low Grp Max Score (n=100)  = 1.000"},
      {1000, "High Grp Min Score (n=1000)= 3.000|Low Grp Max Score (n=1000) = 1.000"},
  };
  for (const auto& [size, text] : cases) {
    ws.stats.high_group_size = ws.stats.low_group_size = size;
    const Lines lines = quick_item_lines(ws);
    EXPECT_EQ(lines[lines.size() - 2] + "|" + lines.back(), text) << "group size " << size;
  }
}

TEST(QuickItemReport, SortNotesFollowTheItemSort) {
  Workspace ws = small_workspace();
  const std::pair<ItemSort, const char*> notes[] = {
      {ItemSort::difficulty, "These results have been sorted by item difficulty"},
      {ItemSort::discrimination, "These results have been sorted by item discrimination"},
      {ItemSort::point_biserial,
       "These results have been sorted by item-total (point-biserial) correlation"},
      {ItemSort::adj_point_biserial,
       "These results have been sorted by adjusted point-biserial correlation"},
  };
  for (const auto& [sort, note] : notes) {
    ws.options.item_sort = sort;
    EXPECT_EQ(quick_item_lines(ws)[9], note);
  }
}

}  // namespace
}  // namespace jrv
