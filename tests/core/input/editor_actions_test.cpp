#include "core/input/editor_actions.h"

#include <gtest/gtest.h>

#include "core/input/new_test.h"
#include "core/input/test_documents.h"

namespace jrv {
namespace {

using fixtures::small_test;

const std::string kWarning =
    "You may have changed the Include status of an item to A (for an alternative correct "
    "answer) but forgot to set that alternative.  Click on the Data Editor OPTIONS menu and then "
    "click on SET ALTERNATIVE CORRECT ANSWERS.";

TEST(LeaveEditor, AcceptedTestNamesTheMainWindowAndCountsSpecialItems) {
  EditorDocument doc = small_test();
  doc.editor.answer_key = "AB9D";
  doc.editor.include = "AYYN";
  Workspace ws;
  EditorExit e = leave_editor(doc, ws, EditorExitButton::close_and_analyze, "");
  EXPECT_TRUE(e.accepted);
  EXPECT_FALSE(e.reopen);
  EXPECT_TRUE(e.run_analysis);
  EXPECT_FALSE(e.enable_view_buttons);
  EXPECT_EQ(e.map_name, "UNSAVED");
  EXPECT_EQ(e.results_name, "");
  EXPECT_EQ(e.title_line, "Quiz 1 (Unit one)");
  EXPECT_EQ(ws.alt_item_count, 1);
  EXPECT_EQ(ws.answered_any_count, 2);

  doc.input_opened = true;
  doc.input_path = "/tests/spring/final.v2.jrv";
  e = leave_editor(doc, ws, EditorExitButton::ok, "old.txt");
  EXPECT_EQ(e.current_file_name, "final.v2.jrv");
  EXPECT_EQ(e.map_name, "final.v2");
  EXPECT_EQ(e.results_name, "final.v2");
  EXPECT_FALSE(e.run_analysis);
  EXPECT_TRUE(e.enable_view_buttons);

  doc.input_opened = false;
  e = leave_editor(doc, ws, EditorExitButton::ok, "results.txt");
  EXPECT_EQ(e.map_name, "results");
}

TEST(LeaveEditor, FailedCheckReopensTheEditorWithEverythingAsTyped) {
  EditorDocument doc = small_test();
  doc.editor.cases = "4";
  const EditorDocument typed = doc;
  Workspace ws;
  const EditorExit e = leave_editor(doc, ws, EditorExitButton::close_and_analyze, "");
  EXPECT_TRUE(e.reopen);
  EXPECT_FALSE(e.accepted);
  EXPECT_EQ(e.check.messages,
            std::vector<std::string>{"Number of Data Lines less than Number of Examinees"});
  EXPECT_EQ(doc.editor, typed.editor);
}

TEST(LeaveEditor, IncludeWarningWhenAnItemBecameAWithoutItsAlternatives) {
  EditorDocument doc = small_test();
  doc.editor.include = "YYaY";
  doc.include_changed = true;
  Workspace ws;
  EditorExit e = leave_editor(doc, ws, EditorExitButton::ok, "");
  EXPECT_TRUE(e.reopen);
  EXPECT_FALSE(e.accepted);
  EXPECT_EQ(e.check.messages, std::vector<std::string>{kWarning});
  EXPECT_FALSE(doc.include_changed);

  // Shown once: leaving again goes through.
  e = leave_editor(doc, ws, EditorExitButton::ok, "");
  EXPECT_TRUE(e.accepted);

  doc.include_changed = true;
  e = leave_editor(doc, ws, EditorExitButton::close_and_analyze, "");
  EXPECT_EQ(e.check.messages,
            std::vector<std::string>{
                kWarning +
                "\r\n\r\nSome changes, such as changing to N or back to Y, do not require you to "
                "return to the SET ALTERNATIVE CORRECT ANSWERS screen --- just click CLOSE and "
                "ANALYZE again."});

  doc.include_changed = true;
  doc.example_loading = true;
  EXPECT_TRUE(leave_editor(doc, ws, EditorExitButton::close_and_analyze, "").accepted);
}

TEST(NewTest, ClearsTheEditorAndWhatTheTestBeforeLeftBehind) {
  EditorDocument doc = small_test();
  doc.partial_credit.pc_points = "20";
  doc.alternatives.rows.push_back({"3", "4", "2", "4"});
  doc.spec_table.content_count = 2;
  doc.spec_table.area_cells[1] = "2";
  Workspace ws;
  ws.pc_enabled = true;
  ws.mc_points = 2.5;
  ws.content_area_count = 2;
  ws.cognitive_level_count = 3;
  ws.item_specs[1] = {2, 3};
  ws.alt_item_count = 1;
  ws.alt_answer_text[3][2] = "4";
  ws.originals_saved = true;
  ws.grade_scale.grade_category_count = 5;
  doc.grades.scheme = GradeScheme::five;

  const CheckResult r = new_test(doc, ws);
  EXPECT_EQ(r.focus, "txt_title");
  EditorFields empty;
  EXPECT_EQ(doc.editor, empty);
  EXPECT_EQ(doc.editor.missing_data, "9");
  EXPECT_EQ(doc.partial_credit, PartialCreditFields{});
  EXPECT_FALSE(ws.pc_enabled);
  EXPECT_EQ(ws.mc_points, 1.0);
  EXPECT_TRUE(doc.alternatives.rows.empty());
  EXPECT_EQ(ws.alt_item_count, 0);
  EXPECT_EQ(ws.alt_answer_text[3][2], "");
  EXPECT_EQ(doc.spec_table, SpecTableFields{});
  EXPECT_EQ(ws.content_area_count, 0);
  EXPECT_EQ(ws.cognitive_level_count, 0);
  EXPECT_EQ(ws.item_specs[1], ItemSpec{});
  EXPECT_FALSE(ws.originals_saved);
  EXPECT_EQ(doc.grades.scheme, GradeScheme::none);
  EXPECT_EQ(ws.grade_scale.grade_category_count, 0);
}

}  // namespace
}  // namespace jrv
