#include "core/input/editor_check.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/input/editor_messages.h"
#include "core/input/test_documents.h"

namespace jrv {
namespace {

using fixtures::small_test;

struct Refusal {
  const char* what;
  std::function<void(EditorDocument&, Workspace&)> change;
  std::vector<std::string> messages;
  std::string focus;
};

TEST(ReadEditorData, EachRefusalShowsItsMessagesAndFocusesTheField) {
  const std::string key_range =
      "All ANSWER KEY values should be single digit integers between 1 and ";
  const std::vector<Refusal> cases = {
      {"cases not a number",
       [](auto& d, auto&) { d.editor.cases = "3x"; },
       {"Number of Examinees must be an integer"},
       "txt_cases"},
      {"cases zero",
       [](auto& d, auto&) { d.editor.cases = "0"; },
       {"Number of Examinees must be between 1 and 9999"},
       "txt_cases"},
      {"items not a number",
       [](auto& d, auto&) { d.editor.items = ""; },
       {"Number of Items must be an integer"},
       "txt_items"},
      {"items 101",
       [](auto& d, auto&) { d.editor.items = "101"; },
       {"Number of Items must be between 1 and 100"},
       "txt_items"},
      {"label not a number",
       [](auto& d, auto&) { d.editor.label_length = "three"; },
       {"Length of Examinee ID Label must be an integer"},
       "txt_label_length"},
      {"label negative",
       [](auto& d, auto&) { d.editor.label_length = "-1"; },
       {"Length of Examinee ID Label must be positive value"},
       "txt_label_length"},
      {"label plus items",
       [](auto& d, auto&) { d.editor.label_length = "102"; },
       {"Length of Examinee ID Label plus data must be less than 105 -- maximum label length "
        "here must be < 101"},
       "txt_label_length"},
      {"nothing included",
       [](auto& d, auto&) { d.editor.include = "NNxN"; },
       {"At least one item must be included in the analysis"},
       "txt_include"},
      {"option not a digit",
       [](auto& d, auto&) { d.editor.options = "44x4"; },
       {"Check Item #3. All # OPTIONS values should be single digit integers between 1 and 8 "
        "(you may want to change the Maximum Number of Options in the Options Menu)"},
       "txt_options"},
      {"option above max",
       [](auto& d, auto& w) {
         w.max_options = 5;
         d.editor.options = "4446";
       },
       {"Check Item #4. All # OPTIONS values should be single digit integers between 1 and 5 "
        "(you may want to change the Maximum Number of Options in the Options Menu)"},
       "txt_options"},
      {"options line too short",
       [](auto& d, auto&) { d.editor.options = "444"; },
       {"Check Item #4. All # OPTIONS values should be single digit integers between 1 and 8 "
        "(you may want to change the Maximum Number of Options in the Options Menu)"},
       "txt_options"},
      {"key too short",
       [](auto& d, auto&) { d.editor.answer_key = "AB"; },
       {"Check Item #3. " + key_range +
        "8 (or the letter equivalents: A-E or A-H).  You can change the Maximum # Options to "
        "either 5 (default) or 8 in the Options Menu."},
       "txt_answer_key"},
      {"key above max",
       [](auto& d, auto& w) {
         w.max_options = 5;
         d.editor.answer_key = "AGCD";
       },
       {key_range +
            "5 (or the letter equivalents: A-E or A-H).  You can change the Maximum # Options to "
            "either 5 (default) or 8 in the Options Menu. Check Item #2. ",
        "Check Item #2. " + key_range +
            "5 (you may want to change the Maximum # Options in the Options Menu)"},
       "txt_answer_key"},
      {"more lines",
       [](auto& d, auto&) { d.editor.data_lines.push_back(""); },
       {"Number of Data Lines greater than Number of Examinees -- you might also check for "
        "blank lines at the end of the data."},
       "txt_cases"},
      {"fewer lines",
       [](auto& d, auto&) { d.editor.data_lines.pop_back(); },
       {"Number of Data Lines less than Number of Examinees"},
       "txt_cases"},
      {"blank second line",
       [](auto& d, auto&) { d.editor.data_lines[1] = " "; },
       {"You may have a blank line in your data, therefore JRV cannot run --- Check the case "
        "following case #1, S01"},
       "MemoData"},
      // The first line has no examinee before it: the message names case #0 and no label.
      {"blank first line",
       [](auto& d, auto&) { d.editor.data_lines[0] = ""; },
       {"You may have a blank line in your data, therefore JRV cannot run --- Check the case "
        "following case #0, "},
       "MemoData"},
      {"short line",
       [](auto& d, auto&) { d.editor.data_lines[2] = "S03AB"; },
       {"You may have a case that is missing data --- even for missing data you must enter "
        "something, perhaps a period (.) --- Check case #3, S03"},
       "MemoData"},
      {"right-wrong with 4 options",
       [](auto&, auto& w) { w.right_wrong_mode = true; },
       {"For Right-Wrong data, the number of options must be less than or equal to 2 (see Item "
        "#1, and maybe others)"},
       "txt_options"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EditorDocument doc = small_test();
    Workspace ws;
    c.change(doc, ws);
    const auto before = doc.editor.data_lines;
    const CheckResult r = ReadEditorData(doc, ws);
    EXPECT_TRUE(r.failed);
    EXPECT_EQ(r.messages, c.messages);
    EXPECT_EQ(r.focus, c.focus);
    EXPECT_EQ(doc.editor.data_lines, before);
  }
}

TEST(ReadEditorData, LoadsKeyResponsesAndLabelsWithoutTouchingTheTypedTexts) {
  EditorDocument doc = small_test();
  Workspace ws;
  const EditorFields typed = doc.editor;
  const CheckResult r = ReadEditorData(doc, ws);
  ASSERT_FALSE(r.failed) << (r.messages.empty() ? "" : r.messages[0]);
  EXPECT_TRUE(r.messages.empty());
  EXPECT_EQ(doc.editor, typed);

  EXPECT_EQ(ws.num_cases, 3);
  EXPECT_EQ(ws.num_items, 4);
  EXPECT_EQ(ws.answer_key, "1234");
  EXPECT_EQ(ws.answer_key_typed, "ABCD");
  EXPECT_EQ(ws.included_count, 4);
  EXPECT_EQ(ws.max_options_used, 4);
  EXPECT_EQ(ws.cases[2].label, "S02");
  EXPECT_EQ(ws.cases[3].case_number, 3);
  EXPECT_EQ(ws.items[4].item_number, 4);
  // "x", blank and "." are missing (9); lower-case letters count as options.
  const int expected[3][4] = {{1, 2, 3, 4}, {1, 2, 3, 9}, {9, 9, 1, 4}};
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 4; ++j)
      EXPECT_EQ(ws.responses[i][j], expected[i - 1][j - 1]) << "examinee " << i << " item " << j;
  for (int s = 1; s <= 9; ++s) EXPECT_EQ(ws.correct_answers[3][s], 3);
}

TEST(ReadEditorData, EmptyIncludeAndOptionsAreFilledAndShown) {
  EditorDocument doc = small_test();
  doc.editor.include.clear();
  doc.editor.options.clear();
  Workspace ws;
  ASSERT_FALSE(ReadEditorData(doc, ws).failed);
  EXPECT_EQ(doc.editor.include, "YYYY");
  EXPECT_EQ(doc.editor.options, "5555");
  EXPECT_TRUE(doc.include_changed);
  EXPECT_EQ(ws.option_values[2], 5);
  EXPECT_EQ(ws.include_codes, "YYYY");
}

TEST(ReadEditorData, IncludeCodesAndSpecialKeys) {
  EditorDocument doc = small_test();
  doc.editor.include = "Yn a";  // blank includes; any other letter excludes
  doc.editor.answer_key = "0B9D";
  Workspace ws;
  ASSERT_FALSE(ReadEditorData(doc, ws).failed);
  EXPECT_EQ(ws.include_flags[1], 1);
  EXPECT_EQ(ws.include_flags[2], 0);
  EXPECT_EQ(ws.include_flags[3], 1);
  EXPECT_EQ(ws.include_flags[4], 2);
  EXPECT_EQ(ws.included_count, 3);
  EXPECT_EQ(ws.key_values[1], 0);  // a keyed zero response is a valid key
  EXPECT_EQ(ws.key_values[3], 9);  // every answer counts
  EXPECT_EQ(ws.answer_key, "0294");
}

// A key that is no answer keeps the meaning of "9" but no longer silently: one message names
// every such item, once per key text, and the check goes on.
TEST(ReadEditorData, KeyCharactersThatAreNoAnswersAreNamedOnce) {
  EditorDocument doc = small_test();
  doc.editor.answer_key = "AxC.";
  Workspace ws;
  CheckResult r = ReadEditorData(doc, ws);
  EXPECT_FALSE(r.failed);
  EXPECT_EQ(r.messages, std::vector<std::string>{
                            "Item 2: key \"x\" is not an answer; every examinee gets this item "
                            "right\r\nItem 4: key \".\" is not an answer; every examinee gets "
                            "this item right"});
  EXPECT_EQ(ws.key_values[2], 9);
  EXPECT_EQ(ws.key_values[4], 9);
  EXPECT_TRUE(ReadEditorData(doc, ws).messages.empty());  // the same key again

  doc.editor.answer_key = "ABx9";  // "9" itself is no mistake
  r = ReadEditorData(doc, ws);
  EXPECT_EQ(r.messages, std::vector<std::string>{"Item 3: key \"x\" is not an answer; every "
                                                 "examinee gets this item right"});
  doc.editor.answer_key = "ABC9";
  EXPECT_TRUE(ReadEditorData(doc, ws).messages.empty());
}

TEST(ReadEditorData, IncludeLineShorterThanTheTestIncludesTheRest) {
  EditorDocument doc = small_test();
  doc.editor.include = "N";
  Workspace ws;
  ASSERT_FALSE(ReadEditorData(doc, ws).failed);
  EXPECT_EQ(ws.included_count, 3);
}

TEST(ReadEditorData, TwoOptionItemsReadTrueFalse) {
  EditorDocument doc = small_test();
  doc.editor.options = "2244";
  doc.editor.answer_key = "TF0F";
  doc.editor.data_lines = {"S01tf00", "S02FTff", "S03TT00"};
  Workspace ws;
  ASSERT_FALSE(ReadEditorData(doc, ws).failed);
  EXPECT_EQ(ws.answer_key, "1206");
  EXPECT_EQ(ws.responses[1][2], 2);
  EXPECT_EQ(ws.responses[1][3], 0);
  EXPECT_EQ(ws.responses[2][1], 2);
  EXPECT_EQ(ws.responses[2][3], 6);
}

TEST(ReadEditorData, Limits) {
  struct Case {
    int cases, items, label;
    bool ok;
  };
  for (const Case c : {Case{9999, 10, 0, true}, Case{10000, 10, 0, false}, Case{1, 100, 5, true},
                       Case{1, 101, 0, false}, Case{1, 100, 6, false}}) {
    SCOPED_TRACE(::testing::Message() << c.cases << " x " << c.items << " label " << c.label);
    EditorDocument doc;
    auto& f = doc.editor;
    f.cases = std::to_string(c.cases);
    f.items = std::to_string(c.items);
    f.label_length = std::to_string(c.label);
    f.answer_key = std::string(static_cast<std::size_t>(c.items), '1');
    f.data_lines.assign(static_cast<std::size_t>(c.cases),
                        std::string(static_cast<std::size_t>(c.label + c.items), '1'));
    Workspace ws;
    EXPECT_EQ(ReadEditorData(doc, ws).failed, !c.ok);
  }
}

TEST(ReadEditorData, ExtraCharactersAfterTheItemsAreIgnoredWithoutPartialCredit) {
  EditorDocument doc = small_test();
  doc.editor.data_lines[0] += "  zz 17";
  Workspace ws;
  ASSERT_FALSE(ReadEditorData(doc, ws).failed);
  EXPECT_EQ(ws.case_pc_points[1], 0);
  EXPECT_EQ(ws.pc_points, 0);
}

TEST(ReadEditorData, PartialCreditColumns) {
  EditorDocument doc = small_test();
  doc.editor.options = "44447";
  doc.editor.data_lines = {"S01ABCD7", "S02ABCD  ", "S03ABCD12"};
  Workspace ws;
  ws.pc_enabled = true;
  const CheckResult r = ReadEditorData(doc, ws);
  ASSERT_FALSE(r.failed) << r.messages.at(0);
  EXPECT_EQ(doc.editor.options, "444407");
  EXPECT_EQ(ws.pc_points, 7);
  EXPECT_EQ(ws.case_pc_points[1], 7);
  EXPECT_EQ(ws.case_pc_points[2], 0);
  EXPECT_EQ(ws.case_pc_points[3], 12);
  EXPECT_EQ(doc.editor.data_lines[0], "S01ABCD7");  // the pane keeps what was typed

  doc.editor.options = "4444";
  ASSERT_FALSE(ReadEditorData(doc, ws).failed);
  EXPECT_EQ(doc.editor.options, "444400");
  EXPECT_EQ(ws.pc_points, 0);
}

// Every column is a character: a label in another alphabet takes its label-length columns
// and the responses, partial-credit points and code lines stay under their items.
TEST(ReadEditorData, ColumnsCountCharactersNotBytes) {
  EditorDocument doc = small_test();
  doc.editor.data_lines = {"ŁukABCD", "Ελέabcx", "Дми .1d"};
  Workspace ws;
  CheckResult r = ReadEditorData(doc, ws);
  ASSERT_FALSE(r.failed) << r.messages.at(0);
  EXPECT_EQ(ws.cases[1].label, "Łuk");
  EXPECT_EQ(ws.cases[2].label, "Ελέ");
  const int expected[3][4] = {{1, 2, 3, 4}, {1, 2, 3, 9}, {9, 9, 1, 4}};
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 4; ++j)
      EXPECT_EQ(ws.responses[i][j], expected[i - 1][j - 1]) << "examinee " << i << " item " << j;

  // One answer short is refused, although the line has more bytes than columns.
  doc.editor.data_lines[2] = "ДмиABC";
  r = ReadEditorData(doc, ws);
  ASSERT_TRUE(r.failed);
  EXPECT_EQ(r.messages.at(0), msg::missing_data(3, "Дми"));

  // A letter outside ASCII in a code line is one unusable code, not two.
  doc = small_test();
  doc.editor.answer_key = "AéCD";
  doc.editor.include = "YéYY";
  doc.editor.data_lines[0] = "S01AéCD";
  ASSERT_FALSE(ReadEditorData(doc, ws).failed);
  EXPECT_EQ(ws.answer_key, "1934");
  EXPECT_EQ(ws.include_flags[2], 0);
  EXPECT_EQ(ws.include_flags[3], 1);
  EXPECT_EQ(ws.included_count, 3);
  EXPECT_EQ(ws.responses[1][2], 9);
  EXPECT_EQ(ws.responses[1][3], 3);
  doc.editor.options = "4ä44";
  r = ReadEditorData(doc, ws);
  ASSERT_TRUE(r.failed);
  EXPECT_EQ(r.messages.at(0), msg::option_value(2, ws.max_options));

  // Partial-credit points after a label with accents.
  doc = small_test();
  doc.editor.options = "444412";
  doc.editor.data_lines = {"ZoëABCD7", "ŞenABCD12", "ÁrpABCD"};
  ws.pc_enabled = true;
  r = ReadEditorData(doc, ws);
  ASSERT_FALSE(r.failed) << r.messages.at(0);
  EXPECT_EQ(ws.case_pc_points[1], 7);
  EXPECT_EQ(ws.case_pc_points[2], 12);
  EXPECT_EQ(ws.case_pc_points[3], 0);
}

TEST(ReadEditorData, PartialCreditNotesAndRefusals) {
  EditorDocument doc = small_test();
  Workspace ws;
  ws.pc_enabled = true;
  doc.editor.options = "444420 ";
  CheckResult r = ReadEditorData(doc, ws);
  EXPECT_FALSE(r.failed);
  EXPECT_EQ(r.messages, std::vector<std::string>{
                            "You may have some extra blank spaces after your OPTIONS information. "
                            " Check and remove blanks, if necessary."});
  EXPECT_EQ(ws.pc_points, 20);

  doc.editor.data_lines[1] = "S02ABCD12 ";
  r = ReadEditorData(doc, ws);
  EXPECT_TRUE(r.failed);
  EXPECT_EQ(r.messages.back(),
            "You may have some extra blank spaces after your Partial Credit data (see case # "
            "S02).  Check and remove blanks, if necessary.");
}

TEST(ReadEditorData, OriginalsAreKeptByTheFirstSuccessfulCheckOnly) {
  EditorDocument doc = small_test();
  Workspace ws;
  ASSERT_FALSE(ReadEditorData(doc, ws).failed);
  EXPECT_TRUE(ws.originals_saved);
  EXPECT_EQ(ws.original_key, "ABCD");
  doc.editor.answer_key = "DCBA";
  doc.editor.data_lines[0] = "S01DDDD";
  ASSERT_FALSE(ReadEditorData(doc, ws).failed);
  EXPECT_EQ(ws.original_key, "ABCD");
  EXPECT_EQ(ws.original_lines[0], "S01ABCD");
}

TEST(ReadEditorData, AlternativeItemsKeepTheirStoredAnswersAndFollowTheKey) {
  EditorDocument doc = small_test();
  doc.editor.include = "YYAY";
  Workspace ws;
  ws.alt_answer_text[3][2] = "4";
  ws.alt_answer_text[3][3] = "7";  // more than the item's options: never accepted
  ASSERT_FALSE(ReadEditorData(doc, ws).failed);
  EXPECT_EQ(ws.correct_answers[3][1], 3);
  EXPECT_EQ(ws.correct_answers[3][2], 4);
  EXPECT_EQ(ws.correct_answers[3][3], 3);
  doc.editor.answer_key = "ABAD";
  ASSERT_FALSE(ReadEditorData(doc, ws).failed);
  EXPECT_EQ(ws.correct_answers[3][1], 1);
  EXPECT_EQ(ws.correct_answers[3][2], 4);
}

TEST(ReadEditorData, TablesFollowTheNumberOfExaminees) {
  EditorDocument doc = small_test();
  Workspace ws;
  ASSERT_FALSE(ReadEditorData(doc, ws).failed);
  doc.editor.cases = "2";
  doc.editor.data_lines.pop_back();
  ASSERT_FALSE(ReadEditorData(doc, ws).failed);
  EXPECT_EQ(ws.responses.size(), 2u);
  EXPECT_EQ(ws.cases.size(), 2u);
  EXPECT_EQ(ws.case_pc_points.size(), 2u);
}

}  // namespace
}  // namespace jrv
