#include "core/reports/quick_view_texts.h"

#include <gtest/gtest.h>

#include "core/text/format.h"

namespace jrv {
namespace {

Workspace analysed() {
  Workspace ws;
  ws.title = "Quiz 3";
  ws.comments = "second try";
  ws.num_cases = 12;
  ws.included_count = 20;
  ws.stats.mean_difficulty = 0.6125;
  ws.stats.kr20 = 0.8;
  ws.stats.sem_kr20 = 1.23456;
  ws.stats.mean_score = 15;
  ws.stats.sd_score = 2.5;
  ws.reports.quick_examinee = {"exam line 1", "exam line 2"};
  ws.reports.quick_items = {"item line"};
  ws.reports.banner_lines = {"B1", "B2", "B3"};
  return ws;
}

TEST(QuickView, ExamineeViewAndItsSaveRepeatTheClosingLines) {
  const Workspace ws = analysed();
  const Lines view = quick_view_examinee_lines(ws);
  const Lines expected_view = {"Quick Examinee Results:",
                               repeat('~', 23),
                               "",
                               "exam line 1",
                               "exam line 2",
                               repeat('-', 42),
                               "",
                               "Number of Items Analyzed= 20",
                               "Mean Item Difficulty    = 0.613",
                               "KR20 (Alpha)            = 0.800",
                               "SEM (from KR20)         = 1.235",
                               "",
                               repeat('~', 42),
                               "B1",
                               "B2",
                               "B3"};
  EXPECT_EQ(view, expected_view);
  const Lines saved = quick_view_save_lines(ws, ViewerContent::examinee_results, view);
  ASSERT_EQ(saved.size(), 4 + view.size() + 11);
  EXPECT_EQ(saved[0], "TITLE:   Quiz 3");
  EXPECT_EQ(saved[1], "COMMENT: second try");
  EXPECT_EQ(saved[2], repeat('~', 72));
  EXPECT_EQ(Lines(saved.end() - 11, saved.end()), Lines(view.end() - 11, view.end()));
}

TEST(QuickView, ItemViewTakesThePercentageOverIncludedItems) {
  const Workspace ws = analysed();
  const Lines view = quick_view_item_lines(ws);
  EXPECT_EQ(view[0], "Quick Item Analysis Results:");
  EXPECT_EQ(view[1], repeat('~', 28));
  EXPECT_EQ(view[6], "Number of Examinees = 12");
  EXPECT_EQ(view[7], "Mean Score          = 15.000 = 75.0%");
  EXPECT_EQ(view[8], "Standard Deviation  = 2.500");
  const Lines options = {"opt 1", "opt 2"};
  const Lines saved = quick_view_save_lines(ws, ViewerContent::options_analysis, options);
  EXPECT_EQ(saved, (Lines{"TITLE:   Quiz 3", "COMMENT: second try", repeat('~', 72), "", "opt 1",
                          "opt 2", "", repeat('~', 42), "B1", "B2", "B3"}));
}

TEST(QuickView, ProposedNamesAndInputCopy) {
  EXPECT_EQ(quick_view_proposed_name(ViewerContent::item_analysis, ""), "Q_Examinee");
  EXPECT_EQ(quick_view_proposed_name(ViewerContent::examinee_results, ""), "Q_Examinee");
  EXPECT_EQ(quick_view_proposed_name(ViewerContent::options_analysis, ""), "Q_Options");
  EXPECT_EQ(quick_view_proposed_name(ViewerContent::examinee_results, "Exam1"), "Exam1_QE");
  EXPECT_EQ(quick_view_proposed_name(ViewerContent::item_analysis, "Exam1"), "Exam1_QI");
  EXPECT_EQ(quick_view_proposed_name(ViewerContent::options_analysis, "Exam1"), "Exam1_QO");
  EXPECT_EQ(quick_view_input_copy_path("out/QuickE.txt"), std::filesystem::path("out/QuickE.jrv"));
}

}  // namespace
}  // namespace jrv

namespace jrv {
namespace {

TEST(QuickView, SaveWritesTheInputCopyOnlyWhileAutomaticCopiesAreOn) {
  Workspace ws = analysed();
  EditorDocument doc;
  doc.editor.title = "Quiz 3";
  doc.editor.cases = "1";
  doc.editor.items = "2";
  doc.editor.label_length = "1";
  doc.editor.answer_key = "12";
  doc.editor.data_lines = {"A12"};
  const auto dir = std::filesystem::temp_directory_path() / "jrv_quick_view_save";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const Lines view = quick_view_item_lines(ws);

  EXPECT_TRUE(save_quick_view(dir / "QuickE.txt", ws, doc, ViewerContent::item_analysis, view));
  EXPECT_EQ(read_lines(dir / "QuickE.txt"),
            quick_view_save_lines(ws, ViewerContent::item_analysis, view));
  EXPECT_EQ(read_lines(dir / "QuickE.jrv").at(1), "Title         = Quiz 3");

  ws.auto_save_input = false;
  EXPECT_FALSE(save_quick_view(dir / "Other.txt", ws, doc, ViewerContent::item_analysis, view));
  EXPECT_TRUE(std::filesystem::exists(dir / "Other.txt"));
  EXPECT_FALSE(std::filesystem::exists(dir / "Other.jrv"));
}

}  // namespace
}  // namespace jrv
