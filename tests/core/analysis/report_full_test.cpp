// The full results report, section by section, on the hand-filled workspace.

#include <gtest/gtest.h>

#include <algorithm>

#include "core/analysis/full_report.h"
#include "core/analysis/quick_examinee_report.h"
#include "core/analysis/quick_item_report.h"
#include "core/analysis/report_fixture.h"
#include "core/analysis/report_texts.h"

namespace jrv {
namespace {

using test::same_lines;
using test::section;
using test::small_workspace;

EditorDocument small_document() {
  EditorDocument doc;
  doc.grades.percents[1] = "90", doc.grades.percents[2] = "80";
  doc.grades.percents[3] = "70", doc.grades.percents[4] = "60";
  AltAnswerGrid::Row row{};
  row[0] = "4", row[1] = "5", row[2] = "2", row[3] = "4";
  doc.alternatives.rows.push_back(row);
  return doc;
}

struct FullReport : ::testing::Test {
  Workspace ws = small_workspace();
  EditorDocument doc = small_document();
  std::vector<std::string> messages;

  Lines run() {
    ws.reports.quick_examinee = {"<examinee lines>"};
    ws.reports.quick_items = {"<item lines>"};
    return full_results_lines(ws, doc, messages);
  }
};

TEST_F(FullReport, OpensWithTheExamineeSectionAndItsFrequencyTable) {
  ws.title = std::string(75, 'T');
  const Lines lines = run();
  const Lines expected = {
      "\tTITLE:   " + std::string(69, 'T'),
      "\tCOMMENT: Week 3",
      std::string(75, '*'),
      "Examinee Analysis",
      std::string(75, '*'),
      "",
      "<examinee lines>",
      "",
      "",
      std::string(15, '='),
      "Frequency Table",
      std::string(15, '='),
      "",
      "         Z           Rel.   Cum.   Cum.     Percentile           Normalized",
      "Score  Score  Freq.  Freq.  Freq.  Percent     Rank     Stanine   Zn Score ",
      "-----  -----  -----  -----  -----  -------  ----------  -------  ----------",
      "   0   -1.54     1   0.200     1    20.00      10.0        2        -1.28",
      "   1   -0.69     1   0.200     2    40.00      30.0        4        -0.52",
      "   2    0.17     1   0.200     3    60.00      50.0        5        -0.01",
      "   3    1.03     2   0.400     5   100.00      80.0        7         0.84",
      "              =====  =====",
      "     Totals:     5   1.000",
      "",
  };
  EXPECT_TRUE(same_lines(expected, Lines(lines.begin(), lines.begin() + 23)));
}

TEST_F(FullReport, BarGraphStemAndLeafAndGradeChart) {
  const Lines lines = run();
  const Lines expected = {
      "=========",
      "Bar Graph",
      "=========",
      "",
      "Score    Count  Graph (each @ represents 1 case)",
      "-------  -----  --------------------------------",
      "   0.00      1   @",
      "   1.00      1   @",
      "   2.00      1   @",
      "   3.00      2   @@",
      "",
      "",
      std::string(21, '='),
      "Stem-and-Leaf Display",
      std::string(21, '='),
      "",
      "Stem Leaves (width=10)",
      "---- -----------------",
      "  0 . 01233",
      "",
      "",
      std::string(27, '='),
      "Bar Chart for Letter Grades",
      std::string(27, '='),
      "",
      "Grade  Count  Graph (each @ represents 1 case)",
      "-----  -----  --------------------------------",
      "A         2   @@",
      "B         0   ",
      "C         0   ",
      "D         1   @",
      "F         2   @@",
      "",
      "\f",
  };
  EXPECT_TRUE(same_lines(expected, section(lines, "=========", "\tTITLE:   Unit Quiz")));
}

TEST_F(FullReport, ItemSectionSplitHalfExtremesAndProphecy) {
  const Lines lines = run();
  const Lines expected = {
      "\tTITLE:   Unit Quiz",
      "\tCOMMENT: Week 3",
      std::string(75, '*'),
      "Item and Test Analysis",
      std::string(75, '*'),
      "",
      "<item lines>",
      "Split-Half (1st/ 2nd) Reliability = 0.500 (with Spearman-Brown = 0.667)",
      "Split-Half (Odd/Even) Reliability = -0.250 (with Spearman-Brown = -0.667)",
      "",
      "Minimum Item Diff.   =  0.200, Maximum Item Diff.   = 1.000",
      "Minimum Disc. Index  = -0.500, Maximum Disc. Index  = 1.000",
      "Minimum Pt. Biserial = -0.120, Maximum Pt. Biserial = 0.912",
      "",
      "To obtain a KR-20 Reliability of .80, the test must be 1.33 times longer,",
      "  for a total of 4 items of similar quality to those in the test now.",
      "",
      "To obtain a KR-20 Reliability of .90, the test must be 3.00 times longer,",
      "  for a total of 9 items of similar quality to those in the test now.",
      "",
  };
  EXPECT_TRUE(same_lines(expected, test::after(lines, "\f", expected.size())));
  EXPECT_TRUE(messages.empty());
}

// D = 44/45 - 45/46 prints as 0.000 and is padded like any other 0.000.
TEST_F(FullReport, ATinyNegativeExtremePrintedAsZeroKeepsItsColumn) {
  for (int j : {1, 2, 4}) ws.items[static_cast<std::size_t>(j)].discrimination = 1;
  ws.items[2].discrimination = 44.0 / 45 - 45.0 / 46;
  const Lines lines = run();
  const auto it = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
    return l.rfind("Minimum Disc. Index", 0) == 0;
  });
  ASSERT_NE(it, lines.end());
  EXPECT_EQ(*it, "Minimum Disc. Index  =  0.000, Maximum Disc. Index  = 1.000");
}

TEST_F(FullReport, ProphecyWordingFollowsTheLengthFactor) {
  ws.stats.kr20 = 0.85;
  const Lines lines = run();
  const Lines expected = {
      "To obtain a KR-20 Reliability of .80, the test must be 0.71 times as long,",
      "  for a total of 2 items of similar quality to those in the test now.",
      "",
      "To obtain a KR-20 Reliability of .90, the test must be 1.59 times longer,",
      "  for a total of 5 items of similar quality to those in the test now.",
  };
  EXPECT_TRUE(same_lines(expected, test::after(lines, "", 5, expected[0])));
}

TEST_F(FullReport, ProphecyWithoutPositiveReliabilityIsReplacedByTheMessage) {
  for (double kr20 : {0.0, -0.3}) {
    ws.stats.kr20 = kr20;
    messages.clear();
    const Lines lines = run();
    const Lines tail = section(lines, "Minimum Pt. Biserial = -0.120, Maximum Pt. Biserial = 0.912",
                               std::string(75, '*'));
    const Lines expected = {"Minimum Pt. Biserial = -0.120, Maximum Pt. Biserial = 0.912", "",
                            "Spearman-Brown Prophecy cannot be calculated", ""};
    EXPECT_TRUE(same_lines(expected, tail)) << "KR-20 " << kr20;
    EXPECT_EQ(messages, std::vector<std::string>{"Spearman-Brown Prophecy cannot be calculated"});
  }
}

TEST_F(FullReport, AdditionalItemAnalysis) {
  const Lines lines = run();
  const std::string eq(74, '=');
  const Lines expected = {
      "Additional Item Analysis",
      std::string(75, '*'),
      "",
      "         Scale Mean  Scale SD  KR20     SEM                Adjusted",
      "         if Item     if Item   if Item  if Item  Biserial  Biserial",
      "Item     Deleted     Deleted   Deleted  Deleted  Correl.   Correl. ",
      "-------  ----------  --------  -------  -------  --------  --------",
      "Item 01     1.200      0.748    0.500    0.529     1.000     0.950",
      "Item 02     0.800      1.166    0.800+   0.522     *****     *****",
      "Item 04     1.600      1.020    0.700    0.550    -0.200    -0.450",
      eq,
      "Items Excluded from Analysis:  3",
      eq,
      "+ indicates that KR20 (0.750) improves if the item is removed",
      "",
      "Mean Biserial Correlation = 0.267",
      "Minimum Biserial Corr.    = -0.200",
      "Maximum Biserial Corr.    = 1.000",
      "",
      "",
      "",
  };
  Lines actual = section(lines, "Additional Item Analysis", "Answer Key Analysis");
  if (!actual.empty()) actual.pop_back();  // the banner line of the next section
  EXPECT_TRUE(same_lines(expected, actual));
}

TEST_F(FullReport, AnswerKeyAnalysisItemListsAndAlternativeAnswers) {
  const Lines lines = run();
  const Lines expected = {
      "Answer Key Analysis",
      std::string(75, '*'),
      std::string(34, '='),
      "Bar Chart for Correct Answer Usage",
      std::string(34, '='),
      "",
      "Answer Key  Count  Graph (each @ represents 1 case)",
      "----------  -----  --------------------------------",
      "Option 1/A     1   @",
      "Option 2/B     1   @",
      "Option 3/C     1   @",
      "Option 4/D     0   ",
      "Option 5/E     0   ",
      "",
      "",
      std::string(37, '='),
      "Bar Chart for Number of Options Usage",
      std::string(37, '='),
      "",
      "# Options  Count  Graph (each @ represents 1 case)",
      "---------  -----  --------------------------------",
      "2 Options     0   ",
      "3 Options     0   ",
      "4 Options     2   @@",
      "5 Options     1   @",
      "",
      "",
      std::string(60, '*'),
      "Item Included, Answer Key, Additional Correct Options",
      std::string(60, '*'),
      std::string(15, '='),
      "ITEMS INCLUDED:",
      std::string(15, '='),
      " 1,  2,  4",
      "",
      std::string(15, '='),
      "ITEMS EXCLUDED:",
      std::string(15, '='),
      " 3",
      "",
      std::string(28, '='),
      "CORRECT ANSWERS (Item#-Key):",
      std::string(28, '='),
      "  # 1-1  # 2-3  # 4-2",
      "",
      std::string(28, '='),
      "ALTERNATIVE CORRECT ANSWERS:",
      std::string(28, '='),
      "Item # 4   Correct Answers: 2 4               ",
      "",
  };
  EXPECT_TRUE(same_lines(expected, section(lines, "Answer Key Analysis", "\f")));
}

}  // namespace
}  // namespace jrv

namespace jrv {
namespace {

// `n` examinees with raw scores from `scores` in turn, on a 100-item test.
Workspace crowd(int n, std::vector<int> scores) {
  Workspace ws = test::small_workspace();
  ws.num_cases = n;
  ws.cases.resize(static_cast<std::size_t>(n));
  for (int i = 1; i <= n; ++i) {
    auto& c = ws.cases[static_cast<std::size_t>(i)];
    c.case_number = i;
    c.raw_score = scores[static_cast<std::size_t>(i - 1) % scores.size()];
    c.total_score = c.raw_score;
  }
  ws.stats.min_score = *std::min_element(scores.begin(), scores.end());
  ws.stats.max_score = *std::max_element(scores.begin(), scores.end());
  ws.reports.quick_examinee = {"<examinee lines>"};
  return ws;
}

TEST(FullReportSize, LargeGroupsReplaceTheChartsByNotices) {
  std::vector<std::string> messages;
  const std::string bar_notice = "Bar Graph (not printed due to large number of cases)";
  const std::string stem_notice =
      "Stem-and-Leaf Display (not printed due to large number of cases)";
  const std::string grade_notice =
      "Bar Chart for Letter Grades (not printed due to large number of cases)";
  auto has = [](const Lines& lines, const std::string& text) {
    return std::find(lines.begin(), lines.end(), text) != lines.end();
  };
  for (const auto& [n, bar, stem] : {std::tuple{200, false, false}, std::tuple{201, false, true},
                                     std::tuple{999, false, true}, std::tuple{1000, true, true}}) {
    Workspace ws = crowd(n, {1, 2, 3});
    const Lines lines = full_results_lines(ws, EditorDocument{}, messages);
    EXPECT_EQ(has(lines, bar_notice), bar) << n;
    EXPECT_EQ(has(lines, "Bar Graph"), !bar) << n;
    EXPECT_EQ(has(lines, stem_notice), stem) << n;
    EXPECT_EQ(has(lines, grade_notice), stem) << n;
    EXPECT_EQ(has(lines, "Stem-and-Leaf Display"), !stem) << n;
  }
  Workspace ws = crowd(1000, {1});
  const Lines lines = full_results_lines(ws, EditorDocument{}, messages);
  const Lines expected = {"", std::string(52, '='), bar_notice, std::string(52, '='), "", ""};
  EXPECT_TRUE(test::same_lines(expected, test::after(lines, "     Totals:  1000   1.000", 6)));
}

TEST(FullReportSize, StemsRunInHalvesUpToNinetyAndAbove) {
  std::vector<std::string> messages;
  Workspace ws = crowd(4, {86, 93, 97, 100});
  const Lines lines = full_results_lines(ws, EditorDocument{}, messages);
  const Lines expected = {"---- -----------------", "  8 . 6", "  9 . 3", "  9 . 7", "  9 . 0", ""};
  EXPECT_TRUE(test::same_lines(expected, test::after(lines, "", 6, "---- -----------------")));
}

}  // namespace
}  // namespace jrv
