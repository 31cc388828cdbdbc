#include "core/input/conversions.h"

#include <gtest/gtest.h>

#include "core/input/editor_check.h"

namespace jrv {
namespace {

// Four 4-option items, label length 4; item 3 (key "C") also accepts 4, item 4 has key 9.
struct Loaded {
  EditorDocument doc;
  Workspace ws;
};

Loaded four_items(std::vector<std::string> lines) {
  Loaded t;
  auto& e = t.doc.editor;
  e.title = "Conversions";
  e.cases = std::to_string(lines.size());
  e.items = "4";
  e.label_length = "4";
  e.answer_key = "bdC9";
  e.options = "4444";
  e.include = "YYAY";
  e.data_lines = std::move(lines);
  t.ws.alt_answer_text[3][2] = "4";
  return t;
}

TEST(Conversion, RightWrongAndBackRestoresTheTypedLinesExactly) {
  const std::vector<std::string> typed = {"Ann bd4.", "Bob 2 31", "Cy  ac c"};
  auto t = four_items(typed);
  ASSERT_TRUE(convert_to_right_wrong(t.doc, t.ws).ok());
  EXPECT_TRUE(t.ws.right_wrong_mode);
  // Item 3: responses 3 and 4 are right; item 4 (key 9): everyone is right.
  EXPECT_EQ(t.doc.editor.data_lines,
            (std::vector<std::string>{"Ann 1111", "Bob 1011", "Cy  0001"}));
  EXPECT_EQ(t.doc.editor.answer_key, "1111");
  EXPECT_EQ(t.doc.editor.options, "2222");
  EXPECT_EQ(t.ws.key_values[1], 1);
  EXPECT_EQ(t.ws.option_values[1], 2);
  EXPECT_EQ(t.ws.responses[2][2], 0);
  EXPECT_EQ(convert_menu_state(t.ws).heading, "DATA are CODED as RIGHT-WRONG");

  // A second conversion in right-wrong mode does nothing.
  const auto coded = t.doc.editor;
  ASSERT_TRUE(convert_to_right_wrong(t.doc, t.ws).ok());
  EXPECT_EQ(t.doc.editor, coded);

  ASSERT_TRUE(convert_back_from_right_wrong(t.doc, t.ws).ok());
  EXPECT_FALSE(t.ws.right_wrong_mode);
  EXPECT_EQ(t.doc.editor.data_lines, typed);
  EXPECT_EQ(t.doc.editor.answer_key, "bdC9");
  EXPECT_EQ(t.doc.editor.options, "4444");
  EXPECT_EQ(t.ws.key_values[1], 2);
  EXPECT_EQ(t.ws.option_values[1], 4);
  EXPECT_EQ(t.ws.responses[2][1], 2);
  EXPECT_EQ(t.ws.responses[2][2], 9);
}

// Scored 1/0 the alternatives are applied already; the converted test carries none, so its
// check does not test "4" against two options, and converting back brings them again.
TEST(Conversion, RightWrongCarriesNoAlternativesAndBackRestoresThem) {
  auto t = four_items({"Ann bd4.", "Bob 2 31"});
  t.doc.alternatives.rows = {{"3", "4", "3", "4"}};
  t.doc.alternatives.column_count = 6;
  const auto grid = t.doc.alternatives;
  ASSERT_TRUE(convert_to_right_wrong(t.doc, t.ws).ok());
  EXPECT_EQ(t.doc.editor.include, "YYYY");
  EXPECT_TRUE(t.doc.alternatives.rows.empty());
  EXPECT_EQ(t.ws.alt_item_count, 0);
  const CheckResult again = ReadEditorData(t.doc, t.ws);
  EXPECT_TRUE(again.messages.empty()) << again.messages.front();
  EXPECT_EQ(t.doc.editor.data_lines, (std::vector<std::string>{"Ann 1111", "Bob 1011"}));

  ASSERT_TRUE(convert_back_from_right_wrong(t.doc, t.ws).ok());
  EXPECT_EQ(t.doc.editor.include, "YYAY");
  EXPECT_EQ(t.doc.alternatives, grid);
  EXPECT_EQ(t.ws.alt_answer_text[3][2], "4");
  EXPECT_EQ(t.ws.include_flags[3], 2);
}

TEST(Conversion, RightWrongKeepsLinesEditedAfterTheFirstCheck) {
  auto t = four_items({"Ann bd4.", "Bob 2 31"});
  ASSERT_TRUE(convert_to_letters(t.doc, t.ws).ok());  // the first check keeps the originals
  t.doc.editor.data_lines[1] = "Bob 2431";            // a correction typed afterwards
  const auto edited = t.doc.editor.data_lines;
  ASSERT_TRUE(convert_to_right_wrong(t.doc, t.ws).ok());
  ASSERT_TRUE(convert_back_from_right_wrong(t.doc, t.ws).ok());
  EXPECT_EQ(t.doc.editor.data_lines, edited);
}

TEST(Conversion, LettersNumbersAndBackToOriginalLines) {
  const std::vector<std::string> typed = {"Ann bd4.", "B   2 31"};
  auto t = four_items(typed);
  ASSERT_TRUE(convert_to_letters(t.doc, t.ws).ok());
  EXPECT_EQ(t.doc.editor.answer_key, "BDC9");
  EXPECT_EQ(t.doc.editor.data_lines, (std::vector<std::string>{"Ann BDD.", "B   B.CA"}));
  EXPECT_EQ(convert_menu_state(t.ws).heading, "DATA are in LETTER FORMAT");
  ASSERT_TRUE(convert_to_numbers(t.doc, t.ws).ok());
  EXPECT_EQ(t.doc.editor.answer_key, "2439");
  EXPECT_EQ(t.doc.editor.data_lines, (std::vector<std::string>{"Ann 244.", "B   2.31"}));
  EXPECT_EQ(convert_menu_state(t.ws).heading, "DATA are in NUMERIC FORMAT");
  ASSERT_TRUE(convert_back_to_original_lines(t.doc, t.ws).ok());
  EXPECT_EQ(t.doc.editor.data_lines, typed);
  EXPECT_EQ(t.doc.editor.answer_key, "bdC9");
  EXPECT_EQ(convert_menu_state(t.ws).heading, "DATA are in ORIGINAL FORMAT");
}

TEST(Conversion, PartialCreditPointsSurviveEveryCoding) {
  auto t = four_items({"Ann bd4.07", "Bob 2 3112"});
  t.doc.editor.options = "444415";
  t.ws.pc_enabled = true;
  t.ws.pc_points = 15;
  ASSERT_TRUE(convert_to_numbers(t.doc, t.ws).ok());
  EXPECT_EQ(t.doc.editor.data_lines, (std::vector<std::string>{"Ann 244.7", "Bob 2.3112"}));
  EXPECT_EQ(t.doc.editor.answer_key, "243915");
  ASSERT_TRUE(convert_to_right_wrong(t.doc, t.ws).ok());
  EXPECT_EQ(t.doc.editor.data_lines, (std::vector<std::string>{"Ann 111107", "Bob 101112"}));
  EXPECT_EQ(t.doc.editor.options, "222215");
}

TEST(Conversion, FailedCheckChangesNothing) {
  auto t = four_items({"Ann bd4.", "Bob 2 31"});
  t.doc.editor.cases = "3";
  const auto before = t.doc.editor;
  for (auto convert : {convert_to_right_wrong, convert_to_letters, convert_to_numbers}) {
    const auto r = convert(t.doc, t.ws);
    EXPECT_TRUE(r.failed);
    EXPECT_EQ(t.doc.editor.data_lines, before.data_lines);
    EXPECT_EQ(t.doc.editor.answer_key, before.answer_key);
    EXPECT_FALSE(t.ws.right_wrong_mode);
    EXPECT_EQ(convert_menu_state(t.ws).heading, "DATA are in ORIGINAL FORMAT");
  }
  Lines out{"stale"};
  EXPECT_TRUE(comma_01_export(t.doc, t.ws, out).failed);
  EXPECT_TRUE(out.empty());
}

TEST(Conversion, ZeroOneExportLeavesTheCodingAsItWas) {
  auto t = four_items({"Ann bd4.", "Bob 2 31"});
  Lines out;
  ASSERT_TRUE(comma_01_export(t.doc, t.ws, out).ok());
  EXPECT_EQ(out[2], "Ann ,1,1,1,1");
  EXPECT_EQ(out[3], "Bob ,1,0,1,1");
  EXPECT_EQ(t.doc.editor.data_lines[0], "Ann bd4.");

  ASSERT_TRUE(convert_to_right_wrong(t.doc, t.ws).ok());
  const auto coded = t.doc.editor;
  ASSERT_TRUE(comma_01_export(t.doc, t.ws, out).ok());
  EXPECT_TRUE(t.ws.right_wrong_mode);  // still right-wrong afterwards
  EXPECT_EQ(t.doc.editor.data_lines, coded.data_lines);
  EXPECT_EQ(out[3], "Bob ,1,0,1,1");
}

TEST(Conversion, BackFromDataThatCameInRightWrongUsesTheFirstLoadedLines) {
  auto t = four_items({"Ann 1100", "Bob 0101"});
  t.doc.editor.answer_key = "1111";
  t.doc.editor.options = "2222";
  t.doc.editor.include = "YYYY";
  ASSERT_TRUE(convert_to_right_wrong(t.doc, t.ws).ok());
  // The mode is switched off and on again by hand: converting back must not bring back the
  // lines of the earlier conversion.
  toggle_right_wrong(t.ws);
  t.doc.editor.data_lines = {"Ann 1111", "Bob 0000"};
  t.ws.originals_saved = false;
  ASSERT_TRUE(convert_to_letters(t.doc, t.ws).ok());
  toggle_right_wrong(t.ws);
  ASSERT_TRUE(convert_back_from_right_wrong(t.doc, t.ws).ok());
  EXPECT_EQ(t.doc.editor.data_lines, (std::vector<std::string>{"Ann 1111", "Bob 0000"}));
  EXPECT_EQ(t.doc.editor.answer_key, "1111");
}

TEST(Conversion, MenuStateFollowsTheToggle) {
  Workspace ws;
  ConvertMenuState off = convert_menu_state(ws);
  EXPECT_EQ(off.heading, "DATA are in ORIGINAL FORMAT");
  EXPECT_EQ(off.toggle_caption, "RECODE data as RIGHT-WRONG");
  EXPECT_FALSE(off.toggle_checked);
  EXPECT_TRUE(off.to_right_wrong && off.to_numbers && off.to_letters && off.back_to_lines);
  EXPECT_FALSE(off.back_from_right_wrong);
  const ConvertMenuState on = toggle_right_wrong(ws);
  EXPECT_TRUE(ws.right_wrong_mode);
  EXPECT_EQ(on.heading, "DATA are CODED as RIGHT-WRONG");
  EXPECT_EQ(on.toggle_caption, "DATA ARE CODED AS RIGHT-WRONG");
  EXPECT_TRUE(on.toggle_checked && on.back_from_right_wrong);
  EXPECT_FALSE(on.to_right_wrong || on.to_numbers || on.to_letters || on.back_to_lines);
  EXPECT_EQ(toggle_right_wrong(ws), off);
}

}  // namespace
}  // namespace jrv
