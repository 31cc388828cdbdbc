#include "core/input/alternative_answers.h"

#include <gtest/gtest.h>

#include "core/input/editor_check.h"
#include "core/input/test_documents.h"
#include "core/text/errors.h"

namespace jrv {
namespace {

using fixtures::small_test;

// Item 3 flagged "A", key "C" (3), four options.
EditorDocument flagged_test() {
  EditorDocument doc = small_test();
  doc.editor.include = "YYAY";
  return doc;
}

TEST(AlternativeAnswers, SetUpBuildsOneRowPerFlaggedItem) {
  EditorDocument doc = flagged_test();
  doc.editor.options = "4354";
  Workspace ws;
  ws.alt_answer_text[3][2] = "5";
  const AltSetup s = set_up_alternative_answers(doc, ws);
  EXPECT_TRUE(s.show_window);
  EXPECT_TRUE(s.check.messages.empty());
  ASSERT_EQ(doc.alternatives.rows.size(), 1u);
  const auto& row = doc.alternatives.rows[0];
  EXPECT_EQ(row[0], "3");
  EXPECT_EQ(row[1], "5");
  EXPECT_EQ(row[2], "3");
  EXPECT_EQ(row[3], "5");
  EXPECT_EQ(doc.alternatives.column_count, 7);
  EXPECT_EQ(ws.alt_item_count, 1);
  EXPECT_EQ(ws.max_options_used, 5);
  for (int s = 1; s <= 9; ++s) EXPECT_EQ(ws.correct_answers[3][s], 3);
}

TEST(AlternativeAnswers, HeadingsFollowTheLargestOptionCount) {
  const auto h = alternative_answer_headings(4);
  ASSERT_EQ(h.size(), 6u);
  EXPECT_EQ(h[0], (AltHeading{"Item", "Number", ""}));
  EXPECT_EQ(h[1], (AltHeading{"Number", "of", "Options"}));
  EXPECT_EQ(h[2], (AltHeading{"Correct", "Answer", "in Key"}));
  EXPECT_EQ(h[3], (AltHeading{"2nd", "Correct", "Answer"}));
  EXPECT_EQ(h[5][0], "4th");
  EXPECT_EQ(alternative_answer_headings(8).back()[0], "8th");
}

TEST(AlternativeAnswers, SetUpExplainsWhyThereIsNothingToSet) {
  struct Case {
    const char* what;
    void (*change)(EditorDocument&);
    std::string message;
  };
  const Case cases[] = {
      {"no A", [](EditorDocument& d) { d.editor.include = "YYNY"; },
       "No items were flagged with an 'A' or 'a' in the INCLUDE line"},
      {"no options", [](EditorDocument& d) { d.editor.options = ""; },
       "You must provide the number of options for each item before you can indicate items with "
       "alternative correct answers"},
      {"no key", [](EditorDocument& d) { d.editor.answer_key = ""; },
       "You must provide answer key before you can indicate items with alternative correct "
       "answers"},
      {"no include", [](EditorDocument& d) { d.editor.include = ""; },
       "You must indicate items with alternative correct answers by setting the INCLUDE value for "
       "that item as the letter 'A' or 'a'"},
      {"items", [](EditorDocument& d) { d.editor.items = "x"; },
       "Number of Items must be an integer"},
      {"key", [](EditorDocument& d) { d.editor.answer_key = "ABC"; },
       "Check Item #4. All ANSWER KEY values should be single digit integers between 1 and 8 (you "
       "may want to change the Maximum # Options in the Options Menu)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EditorDocument doc = flagged_test();
    c.change(doc);
    Workspace ws;
    const AltSetup s = set_up_alternative_answers(doc, ws);
    EXPECT_FALSE(s.show_window);
    EXPECT_EQ(s.check.messages, std::vector<std::string>{c.message});
    EXPECT_TRUE(doc.alternatives.rows.empty());
  }
}

TEST(AlternativeAnswers, OkStoresTheCellsAndBothAnswersScore) {
  EditorDocument doc = flagged_test();
  Workspace ws;
  ASSERT_TRUE(set_up_alternative_answers(doc, ws).show_window);
  doc.include_changed = true;
  doc.alternatives.rows[0][3] = "4";
  const AltConfirm ok = confirm_alternative_answers(doc, ws);
  EXPECT_FALSE(ok.stay_open);
  EXPECT_TRUE(ok.check.messages.empty());
  EXPECT_FALSE(doc.include_changed);
  EXPECT_EQ(ws.correct_answers[3][1], 3);
  EXPECT_EQ(ws.correct_answers[3][2], 4);
  EXPECT_EQ(ws.alt_answer_text[3][2], "4");

  // The check keeps them: responses C and D to item 3 are both accepted answers.
  ASSERT_FALSE(ReadEditorData(doc, ws).failed);
  EXPECT_EQ(ws.correct_answers[3][2], 4);

  // Emptying the cell forgets the alternative, in the grid's texts and in scoring.
  ASSERT_TRUE(set_up_alternative_answers(doc, ws).show_window);
  EXPECT_EQ(doc.alternatives.rows[0][3], "4");
  doc.alternatives.rows[0][3] = "";
  confirm_alternative_answers(doc, ws);
  ASSERT_FALSE(ReadEditorData(doc, ws).failed);
  EXPECT_EQ(ws.alt_answer_text[3][2], "");
  EXPECT_EQ(ws.correct_answers[3][2], 3);
}

TEST(AlternativeAnswers, OkRefusesCellsOutsideTheItemsOptions) {
  EditorDocument doc = flagged_test();
  Workspace ws;
  ASSERT_TRUE(set_up_alternative_answers(doc, ws).show_window);
  doc.alternatives.rows[0][3] = "5";
  doc.alternatives.rows[0][4] = "2";
  const AltConfirm ok = confirm_alternative_answers(doc, ws);
  EXPECT_TRUE(ok.stay_open);
  EXPECT_EQ(ok.check.messages,
            std::vector<std::string>{"One of your alternative correct answers is not a value "
                                     "between 1 and the number of options for that item -- check "
                                     "item #3"});
  EXPECT_EQ(ws.correct_answers[3][2], 3);  // refused: the slot keeps the key
  EXPECT_EQ(ws.correct_answers[3][3], 2);

  doc.alternatives.rows[0][3] = "four";
  EXPECT_THROW(confirm_alternative_answers(doc, ws), ConversionError);
}

}  // namespace
}  // namespace jrv
