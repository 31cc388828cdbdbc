#include <gtest/gtest.h>

#include <algorithm>

#include "core/reports/export_fixture.h"
#include "core/reports/golden_lines.h"
#include "core/reports/grade_reports.h"
#include "core/text/format.h"

namespace jrv {
namespace {

using testing::cycle;
using testing::FixtureSpec;
using testing::scored_workspace;

// Answers `key` except at the given items, where `wrong` is given (a digit or '.').
std::string answers(std::string key, std::initializer_list<std::pair<int, char>> changes) {
  for (auto [item, c] : changes)
    if (static_cast<std::size_t>(item) <= key.size()) key[static_cast<std::size_t>(item) - 1] = c;
  return key;
}

// A test with every mark the reports know: an excluded item (7), an item with an
// alternative answer (3: key 3, also 4), an item where every answer counts (12), an item
// nobody gets right (5), missing answers, and an examinee with exactly six wrong entries.
FixtureSpec marked_test(int items) {
  FixtureSpec s;
  s.key = cycle("1234", items);
  s.key[11] = '9';
  s.include = std::string(static_cast<std::size_t>(items), 'Y');
  s.include[6] = 'N';
  s.include[2] = 'A';
  s.alternatives = {{3, "4"}};
  s.grade_scheme = 5;
  const std::string k = s.key;
  auto wrong5 = [&](std::string r) {
    r[4] = r[4] == '1' ? '2' : '1';
    return r;
  };
  s.lines = {
      "Ann01 " + wrong5(answers(k, {{3, '4'}, {12, '.'}})),
      "Bob02 " + wrong5(answers(k, {{2, '3'}, {7, '4'}, {9, '.'}, {21, '2'}, {30, '1'}})),
      "Cy03  " + wrong5(answers(k, {{1, '2'},
                                    {2, '1'},
                                    {3, '.'},
                                    {4, '1'},
                                    {6, '1'},
                                    {8, '1'},
                                    {10, '1'},
                                    {11, '1'},
                                    {13, '.'},
                                    {14, '.'},
                                    {49, '4'}})),
      "Dee04 " + wrong5(k),
  };
  return s;
}

TEST(GradeReportGolden, FiftyItemsFileAndViewer) {
  auto [ws, doc] = scored_workspace(marked_test(50));
  testing::expect_golden(grade_report_file_lines(ws, doc), "exports/grade_reports/items50.rpt");
  testing::expect_golden(grade_report_viewer_lines(ws, doc),
                         "exports/grade_reports/items50_viewer.txt");
}

TEST(GradeReportGolden, FiftyOneItemsUseTwoColumns) {
  auto [ws, doc] = scored_workspace(marked_test(51));
  const Lines file = grade_report_file_lines(ws, doc);
  testing::expect_golden(file, "exports/grade_reports/items51.rpt");
  testing::expect_golden(grade_report_viewer_lines(ws, doc),
                         "exports/grade_reports/items51_viewer.txt");
  // One two-column row (items 1 and 51), then 49 rows of a left item alone.
  const auto head = std::find(file.begin(), file.end(),
                              "Number Response  Answer    |   Number Response  Answer  ");
  ASSERT_NE(head, file.end());
  EXPECT_EQ((head + 1)->substr(0, 4), "   1");
  EXPECT_EQ((head + 1)->substr(31, 4), "  51");
  EXPECT_EQ((head + 2)->substr(0, 4), "   2");
  EXPECT_EQ((head + 2)->find('|'), std::string::npos);
  EXPECT_EQ((head + 50)->substr(0, 4), "  50");
  EXPECT_EQ(*(head + 51), repeat('*', 73));
}

TEST(GradeReportGolden, PartialCreditWithoutGrades) {
  FixtureSpec s;
  s.key = "1234123412";
  s.pc = true;
  s.pc_points = 20;
  s.mc_points = 2.5;
  s.lines = {"Ann01 123412341215", "Bob02 2222222222 7", "Cy03  1234..341203"};
  auto [ws, doc] = scored_workspace(s);
  ws.print_grades_on_reports = false;
  testing::expect_golden(grade_report_file_lines(ws, doc), "exports/grade_reports/pc.rpt");
}

TEST(GradeReport, ScoreLineCarriesGradeOnlyWhenPrintedAndGraded) {
  auto spec = marked_test(20);
  auto find_score = [](const Lines& lines) {
    return *std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
      return l.rfind("Total Items Correct = ", 0) == 0;
    });
  };
  {
    auto [ws, doc] = scored_workspace(spec);
    EXPECT_EQ(find_score(grade_report_file_lines(ws, doc)),
              "Total Items Correct = 18 (94.74%) (Grade = A   )");
    ws.print_grades_on_reports = false;
    EXPECT_EQ(find_score(grade_report_file_lines(ws, doc)), "Total Items Correct = 18 (94.74%) ");
  }
  spec.grade_scheme = 0;
  auto [ws, doc] = scored_workspace(spec);
  EXPECT_EQ(find_score(grade_report_viewer_lines(ws, doc)), "Total Items Correct = 18 (94.74%) ");
}

TEST(GradeReport, InstructorListBreaksPagesAfter52CountedLines) {
  FixtureSpec s;
  s.key = cycle("1234", 20);
  for (int i = 1; i <= 60; ++i)
    s.lines.push_back("S" + right(i, 4) + " " +
                      (i % 2 ? s.key : answers(s.key, {{1, '2'}, {2, '1'}})));
  auto [ws, doc] = scored_workspace(s);
  const Lines file = grade_report_file_lines(ws, doc);
  std::vector<std::size_t> heads;
  for (std::size_t i = 0; i < file.size(); ++i)
    if (file[i].rfind("Instructor List of Scores and Wrong Answers (page ", 0) == 0)
      heads.push_back(i);
  ASSERT_GE(heads.size(), 3u);
  EXPECT_EQ(file[heads[0]], "Instructor List of Scores and Wrong Answers (page 1)");
  EXPECT_EQ(file[heads[0] - 1], repeat('~', 61));
  for (std::size_t p = 1; p < heads.size(); ++p) {
    const std::size_t h = heads[p];
    EXPECT_EQ(file[h],
              "Instructor List of Scores and Wrong Answers (page " + std::to_string(p + 1) + ")");
    EXPECT_EQ(file[h - 3], "\f");
    EXPECT_EQ(file[h - 2], "Unit Quiz");
    EXPECT_EQ(file[h - 1], repeat('~', 60));
    EXPECT_EQ(file[h + 1], repeat('~', 60));
  }
  // Page 2 starts with 4 counted lines and holds 49 more: 24 examinees of two lines, and
  // the break comes after the 25th.
  const auto per_page = (heads[2] - heads[1] - 5) / 2;
  EXPECT_EQ(per_page, 25u);
  // The viewer never breaks the list.
  const Lines view = grade_report_viewer_lines(ws, doc);
  EXPECT_EQ(std::count(view.begin(), view.end(), "\f"), 60);
  EXPECT_EQ(std::count(view.begin(), view.end(), "Instructor List of Scores and Wrong Answers"), 1);
}

TEST(GradeReportGolden, InstructorListPageBreak) {
  FixtureSpec s;
  s.key = "12341";
  s.label_length = 4;
  for (int i = 1; i <= 30; ++i)
    s.lines.push_back("E" + right(i, 2) + " " +
                      (i % 3 ? s.key : answers(s.key, {{i % 5 + 1, '.'}})));
  auto [ws, doc] = scored_workspace(s);
  const Lines file = grade_report_file_lines(ws, doc);
  testing::expect_golden(file, "exports/grade_reports/page_break.rpt");
  // 17 counted lines of head, 3 of the banner, 2 per examinee: the list breaks after the
  // 17th examinee, when the count passes 52.
  const auto e17 = std::find(file.begin(), file.end(), "E17    5=100.0%");
  ASSERT_NE(e17, file.end());
  EXPECT_EQ(*(e17 + 1), "\f");
  EXPECT_EQ(*(e17 + 4), "Instructor List of Scores and Wrong Answers (page 2)");
}

TEST(GradeReport, SixEntriesEndTheLineAndOpenAContinuation) {
  FixtureSpec s;
  s.key = "1111111111";
  s.label_length = 3;
  s.lines = {"Ann2222221111", "Bob1111111111"};
  auto [ws, doc] = scored_workspace(s);
  const Lines file = grade_report_file_lines(ws, doc);
  const auto ann = std::find_if(file.begin(), file.end(),
                                [](const std::string& l) { return l.rfind("Ann  ", 0) == 0; });
  ASSERT_NE(ann, file.end());
  EXPECT_EQ(*ann, "Ann   4=40.0%  # 1-2  # 2-2  # 3-2  # 4-2  # 5-2  # 6-2");
  EXPECT_EQ(*(ann + 1), repeat(' ', 13));  // the continuation, ended by Bob's empty line
  EXPECT_EQ(*(ann + 2), "Bob  10=100.0%");
}

// The "#" of p<.30 marks included items only: an excluded item's difficulty is no result of
// this run (here both items are answered right by one examinee of four).
TEST(GradeReport, ExcludedItemsNeverCarryTheDifficultyMark) {
  FixtureSpec s;
  s.key = "11";
  s.include = "YN";
  s.label_length = 3;
  s.lines = {"Ann22", "Bob22", "Cy 22", "Dee11"};
  auto [ws, doc] = scored_workspace(s);
  const Lines file = grade_report_file_lines(ws, doc);
  auto count_starting = [&](const std::string& head) {
    return std::count_if(file.begin(), file.end(),
                         [&](const std::string& l) { return l.rfind(head, 0) == 0; });
  };
  EXPECT_EQ(count_starting("   1#"), 4);  // one item table per examinee
  EXPECT_EQ(count_starting("   2#"), 0);
  EXPECT_EQ(count_starting("   2 "), 4);
}

TEST(GradeReport, LimitsOfSaveAndView) {
  Workspace ws;
  ws.num_cases = 500;
  EXPECT_TRUE(check_grade_report_save(ws).ok());
  ws.num_cases = 501;
  const auto save = check_grade_report_save(ws);
  ASSERT_TRUE(save.failed);
  EXPECT_EQ(save.messages,
            std::vector<std::string>{"Number of Cases must be 500 or less to Save Grade Reports"});
  ws.num_cases = 200;
  EXPECT_TRUE(check_grade_report_view(ws).ok());
  ws.num_cases = 201;
  EXPECT_EQ(check_grade_report_view(ws).messages,
            std::vector<std::string>{"Number of Cases must 200 or less to View Grade Reports "
                                     "(it takes too long to view more)"});
  EXPECT_EQ(grade_report_proposed_name("UNSAVED"), "Grade_Report");
  EXPECT_EQ(grade_report_proposed_name(""), "Grade_Report");
  EXPECT_EQ(grade_report_proposed_name("Exam1"), "Exam1");
}

TEST(GradeReport, SaveRestoresEntryOrderAndRefusesTooMany) {
  auto [ws, doc] = scored_workspace(marked_test(12));
  std::swap(ws.cases[1], ws.cases[4]);
  std::swap(ws.items[1], ws.items[12]);
  const auto dir = std::filesystem::temp_directory_path() / "jrv_grade_report_save";
  std::filesystem::create_directories(dir);
  const auto path = dir / "Exam1.rpt";
  std::filesystem::remove(path);
  const Lines expected = grade_report_file_lines(ws, doc);  // independent of table order
  ASSERT_TRUE(save_grade_reports(ws, doc, path).ok());
  EXPECT_EQ(ws.cases[1].case_number, 1);
  EXPECT_EQ(ws.items[1].item_number, 1);
  EXPECT_EQ(read_lines(path), expected);
  std::filesystem::remove(path);
  ws.num_cases = 501;
  EXPECT_TRUE(save_grade_reports(ws, doc, path).failed);
  EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace jrv
