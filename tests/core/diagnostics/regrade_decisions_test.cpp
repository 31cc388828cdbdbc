// Which item decisions are refused, and how a decision is written into the editor's texts.

#include <gtest/gtest.h>

#include "core/diagnostics/item_decisions.h"
#include "core/diagnostics/regrade_fixture.h"
#include "core/diagnostics/regrade_report.h"

namespace jrv {
namespace {

using namespace testing;  // the fixture and the decision kinds

std::string refusal(const Workspace& ws, std::vector<ItemDecision> earlier, ItemDecision next) {
  return decision_refusal(ws, earlier, next).value_or("accepted");
}

TEST(ItemDecisions, RefusedWithAReasonAndAcceptedOtherwise) {
  // Quiz: 5 four-option items keyed ABCDA.
  const Analysed quiz = analyse_file("quiz.jrv");
  const Workspace& ws = quiz.ws;
  EXPECT_EQ(refusal(ws, {}, {drop, 0}), "Item 0 is not on this test: its items are 1 to 5.");
  EXPECT_EQ(refusal(ws, {}, {rekey, 6, 1}), "Item 6 is not on this test: its items are 1 to 5.");
  EXPECT_EQ(refusal(ws, {}, {rekey, 2, 5}), "Item 2 has 4 options: option E is not one of them.");
  EXPECT_EQ(refusal(ws, {}, {accept, 2, 9}), "Item 2 has 4 options: option 9 is not one of them.");
  EXPECT_EQ(refusal(ws, {}, {rekey, 2, 2}), "Item 2 is already keyed to B.");
  EXPECT_EQ(refusal(ws, {}, {accept, 2, 2}), "Item 2 already counts B as correct.");
  EXPECT_EQ(refusal(ws, {{accept, 2, 3}}, {accept, 2, 3}), "Item 2: option C is accepted twice.");
  EXPECT_EQ(refusal(ws, {{rekey, 2, 3}}, {drop, 2}),
            "Item 2: \"Rekey item 2 to C\" and \"Drop item 2\" contradict each other; decide "
            "once per item.");
  EXPECT_EQ(refusal(ws, {{accept, 2, 3}}, {credit, 2}),
            "Item 2: \"Also accept C on item 2\" and \"Credit everyone on item 2\" contradict "
            "each other; decide once per item.");
  EXPECT_EQ(refusal(ws, {{accept, 2, 3}}, {accept, 2, 4}), "accepted");
  EXPECT_EQ(refusal(ws, {{rekey, 1, 2}, {drop, 3}}, {credit, 2}), "accepted");

  // An excluded item, a credited item and an item with alternatives (key C, also D).
  Lines lines = read_lines(regrade_fixture("quiz_accept_2C.jrv"));
  for (auto& l : lines) {
    if (l.rfind("Answer Key    = ", 0) == 0) l = "Answer Key    = AB9DA";
    if (l.rfind("Item Analyzed = ", 0) == 0) l = "Item Analyzed = NAAYY";
  }
  const Workspace other = analyse_lines(lines).ws;
  EXPECT_EQ(refusal(other, {}, {drop, 1}), "Item 1 is not included in the analysis.");
  EXPECT_EQ(refusal(other, {}, {accept, 3, 2}), "Item 3 already counts every answer as correct.");
  EXPECT_EQ(refusal(other, {}, {credit, 3}), "Item 3 already counts every answer as correct.");
  EXPECT_EQ(refusal(other, {}, {accept, 2, 3}), "Item 2 already counts C as correct.");
  EXPECT_EQ(refusal(other, {}, {rekey, 3, 1}), "accepted");
}

TEST(ItemDecisions, OptionsAreWrittenAsTheKeyWritesThem) {
  Lines lines = read_lines(regrade_fixture("quiz.jrv"));
  auto with = [&](const std::string& key, const std::string& options) {
    Lines l = lines;
    for (auto& line : l) {
      if (line.rfind("Answer Key    = ", 0) == 0) line = "Answer Key    = " + key;
      if (line.rfind("# Options     = ", 0) == 0) line = "# Options     = " + options;
    }
    return analyse_lines(l);
  };
  auto rekeyed = [](const Analysed& a, int item, int option) {
    EditorDocument doc = a.doc;
    const ItemDecision d[] = {{rekey, item, option}};
    apply_decisions(doc, a.ws, d);
    return doc.editor.answer_key;
  };
  const Analysed upper = with("ABCDA", "44444");
  EXPECT_EQ(rekeyed(upper, 2, 3), "ACCDA");
  EXPECT_EQ(option_text(upper.ws, 4, 4), "D");
  const Analysed lower = with("abcda", "44444");
  EXPECT_EQ(rekeyed(lower, 5, 4), "abcdd");
  const Analysed digits = with("12341", "44444");
  EXPECT_EQ(rekeyed(digits, 1, 2), "22341");
  EXPECT_EQ(describe_decision(digits.ws, {accept, 1, 2}), "Also accept 2 on item 1");
  // A true-false item keeps T/F; a credited item (9) takes the style of the others.
  const Analysed tf = with("aTc9a", "42444");
  EXPECT_EQ(rekeyed(tf, 2, 2), "aFc9a");
  EXPECT_EQ(rekeyed(tf, 4, 2), "aTcba");
  EXPECT_EQ(option_code(tf.ws, 2, 'F'), 2);
  EXPECT_EQ(option_code(tf.ws, 3, 'F'), 6);
  EXPECT_EQ(option_code(tf.ws, 3, 'c'), 3);
  EXPECT_EQ(option_code(tf.ws, 3, '3'), 3);
  EXPECT_EQ(option_code(tf.ws, 3, 'Z'), 9);
}

TEST(ItemDecisions, AcceptingOnAnItemWithAnOldRowDoesNotBringBackItsAnswers) {
  // Item 2 accepted C once; the teacher set it back to "Y" and its row stayed in the file.
  Lines lines = read_lines(regrade_fixture("quiz_accept_2C.jrv"));
  for (auto& l : lines)
    if (l.rfind("Item Analyzed = ", 0) == 0) l = "Item Analyzed = YYYYY";
  const Analysed a = analyse_lines(lines);
  EditorDocument doc = a.doc;
  doc.alternatives.rows = {{"2", "4", "2", "3"}};  // the row as an older session left it
  const ItemDecision d[] = {{accept, 2, 4}};
  EXPECT_EQ(apply_decisions(doc, a.ws, d), std::vector<int>{2});
  ASSERT_EQ(doc.alternatives.rows.size(), 1u);
  const auto& row = doc.alternatives.rows[0];
  EXPECT_EQ(row[3], "4");
  EXPECT_EQ(row[4], "");
  EXPECT_EQ(doc.editor.include, "YAYYY");
}

TEST(RegradeReport, ChangesFileQuotesLabelsAndIsUtf8) {
  RegradeComparison c;
  c.changed = {
      {1, "Smith, Ann ", 3, 4, 60, 80, "B", "A", 1},
      {2, "Bo \"Bob\"", 2, 2, 40, 40.5, "", "", 0},
      {3, "Jos\xE9", 1, 0, 12.345, 0, "F", "F", 0},  // Windows-1252 e acute from an old file
      {4, "Zo\xC3\xAB", 7, 8, 99.996, 100, "A", "A", 0},
  };
  const Lines want = {
      "label,old_score,new_score,old_percent,new_percent,old_grade,new_grade",
      "\"Smith, Ann\",3,4,60.00,80.00,B,A",
      "\"Bo \"\"Bob\"\"\",2,2,40.00,40.50,,",
      "Jos\xC3\xA9,1,0,12.35,0.00,F,F",
      "Zo\xC3\xAB,7,8,100.00,100.00,A,A",
  };
  expect_same_lines("changes file", want, regrade_changes_csv(c));

  // The same examinees as a list on screen shows them.
  using Cells = std::array<std::string, 4>;
  EXPECT_EQ(examinee_change_cells(c.changed[0]),
            (Cells{"Smith, Ann", "3 -> 4", "60.00 -> 80.00", "B -> A"}));
  EXPECT_EQ(examinee_change_cells(c.changed[1]),
            (Cells{"Bo \"Bob\"", "2 -> 2", "40.00 -> 40.50", ""}));
  EXPECT_EQ(examinee_change_cells(c.changed[2]),
            (Cells{"Jos\xC3\xA9", "1 -> 0", "12.35 -> 0.00", "F -> F"}));
}

}  // namespace
}  // namespace jrv
