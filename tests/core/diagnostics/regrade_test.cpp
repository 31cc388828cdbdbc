// Regrading equals editing the input file by hand and analysing it afresh; the comparison
// names exactly the examinees who moved; undo gives back the analysis that was.

#include <gtest/gtest.h>

#include "core/diagnostics/regrade_fixture.h"
#include "core/diagnostics/regrade_report.h"
#include "core/diagnostics/regrade_session.h"
#include "core/generate/generator.h"
#include "core/input/input_file_writer.h"

namespace jrv {
namespace {

using namespace testing;  // the fixture and the decision kinds

// The quiz: 8 examinees, 5 four-option items keyed ABCDA, grades A >= 80, B >= 60, C >= 40,
// F. Item 2 is keyed B, but most of the class (and the strong students) answered C.
// Raw scores 5 4 3 2 3 3 1 3.
TEST(Regrade, EachDecisionEqualsTheHandEditedFileAnalysedAfresh) {
  const Analysed quiz = analyse_file("quiz.jrv");
  const struct {
    ItemDecision decision;
    const char* edited;
  } cases[] = {
      {{rekey, 2, 3}, "quiz_rekey_2C.jrv"},    // Answer Key = ACCDA
      {{accept, 2, 3}, "quiz_accept_2C.jrv"},  // Include YAYYY, item 2 accepts 2 and 3
      {{credit, 2}, "quiz_credit_2.jrv"},      // Answer Key = A9CDA
      {{drop, 2}, "quiz_drop_2.jrv"},          // Include YNYYY
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.edited);
    const ItemDecision list[] = {c.decision};
    const Regrade r = regrade(quiz.doc, quiz.ws, list, RegradeOutput::reports);
    ASSERT_FALSE(r.check.failed);
    const Lines edited = read_lines(regrade_fixture(c.edited));
    expect_same_lines("saved input file", edited, input_file_lines(r.document, r.workspace));
    expect_same_analysis(analyse_lines(edited), r.workspace, r.document);
  }
}

// "Apply to test" writes into the editor's own document and workspace; leaving the editor
// then gives the analysis the regrade showed.
TEST(Regrade, ApplyingToTheTestAnalysesAsTheRegradeShowed) {
  Analysed quiz = analyse_file("quiz.jrv");
  const ItemDecision list[] = {{accept, 2, 3}};
  const Regrade shown = regrade(quiz.doc, quiz.ws, list, RegradeOutput::reports);
  write_decisions(quiz.doc, quiz.ws, list);
  const EditorExit exit = leave_editor(quiz.doc, quiz.ws, EditorExitButton::close_and_analyze, "");
  ASSERT_TRUE(exit.accepted) << (exit.check.messages.empty() ? "" : exit.check.messages[0]);
  run_analysis(quiz.ws, quiz.doc);
  expect_same_analysis({shown.document, shown.workspace}, quiz.ws, quiz.doc);
  expect_same_lines("saved input file", read_lines(regrade_fixture("quiz_accept_2C.jrv")),
                    input_file_lines(quiz.doc, quiz.ws));
}

TEST(Regrade, RekeyingTheQuizMovesThreeExamineesFromBToA) {
  const Analysed quiz = analyse_file("quiz.jrv");
  const ItemDecision list[] = {{rekey, 2, 3}};
  const RegradeComparison c = regrade(quiz.doc, quiz.ws, list).comparison;

  // Under key C, item 2 is right for S02 S03 S04 S06 S08 and wrong for S01 S05:
  // scores 4 5 4 3 2 4 1 4. S07 keeps 1 and is not listed.
  ASSERT_EQ(c.changed.size(), 7u);
  std::vector<std::string> b_to_a;
  for (const auto& e : c.changed)
    if (e.old_grade == "B" && e.new_grade == "A") b_to_a.push_back(e.label);
  EXPECT_EQ(b_to_a, (std::vector<std::string>{"S03 ", "S06 ", "S08 "}));
  EXPECT_EQ(c.changed[0], (ExamineeChange{1, "S01 ", 5, 4, 100.0, 80.0, "A", "A", 0}));
  EXPECT_EQ(c.changed[4], (ExamineeChange{5, "S05 ", 3, 2, 60.0, 40.0, "B", "C", -1}));
  EXPECT_EQ(c.grades_up, 4);  // S03 S06 S08 to A, S04 C to B
  EXPECT_EQ(c.grades_down, 1);

  // Mean 24/8 -> 27/8. Variance 10/8 -> 11.875/8. Item p: .75 .25 .75 .75 .5, sum of pq
  // 1.0; item 2's p goes to 5/8, sum 1.046875. KR-20 = 5/4 (1.25 - 1)/1.25 = 0.25 ->
  // 5/4 (1.484375 - 1.046875)/1.484375 = 0.368. SEM^2 = var (1 - KR-20) = 0.9375 both times.
  EXPECT_DOUBLE_EQ(c.mean.before, 3.0);
  EXPECT_DOUBLE_EQ(c.mean.after, 3.375);
  EXPECT_DOUBLE_EQ(c.sd.before * c.sd.before, 1.25);
  EXPECT_DOUBLE_EQ(c.sd.after * c.sd.after, 1.484375);
  EXPECT_DOUBLE_EQ(c.kr20.before, 0.25);
  EXPECT_DOUBLE_EQ(c.kr20.after, 1.25 * 0.4375 / 1.484375);
  EXPECT_DOUBLE_EQ(c.sem.before * c.sem.before, 0.9375);
  EXPECT_DOUBLE_EQ(c.sem.after * c.sem.after, 0.9375);

  expect_same_lines("changes file", read_lines(regrade_fixture("quiz_rekey_2C_changes.csv")),
                    regrade_changes_csv(c));
  expect_same_lines(
      "summary",
      {"KR-20: 0.250 -> 0.368", "Mean: 3.000 -> 3.375", "SD: 1.118 -> 1.218", "SEM: 0.968 -> 0.968",
       "Grade changes: 5 (4 up, 1 down)", "Examinees changed: 7"},
      regrade_summary_lines(c));
}

TEST(Regrade, OtherDecisionsOnTheQuizListWhoMoved) {
  const Analysed quiz = analyse_file("quiz.jrv");
  auto changed = [&](ItemDecision d) {
    const ItemDecision list[] = {d};
    const RegradeComparison c = regrade(quiz.doc, quiz.ws, list).comparison;
    std::string s;
    for (const auto& e : c.changed)
      s += e.label.substr(0, 3) + ":" + e.old_grade + e.new_grade + " ";
    return s + "up " + std::to_string(c.grades_up) + " down " + std::to_string(c.grades_down);
  };
  // Accepting C as well: those who chose B keep their point.
  EXPECT_EQ(changed({accept, 2, 3}), "S02:AA S03:BA S04:CB S06:BA S08:BA up 4 down 0");
  // Everyone right on item 2: S07 (D) rises from 1 to 2, F to C.
  EXPECT_EQ(changed({credit, 2}), "S02:AA S03:BA S04:CB S06:BA S07:FC S08:BA up 5 down 0");
  // Four items: every percentage changes (S07 20 -> 25), S05 falls from 3/5 to 2/4.
  EXPECT_EQ(changed({drop, 2}),
            "S01:AA S02:AA S03:BB S04:CC S05:BC S06:BB S07:FF S08:BB up 0 down 1");
}

// An item with alternative answers on a test with partial credit: the written file reads
// back to the same analysis, and the "A" row keeps the alternatives it had.
TEST(Regrade, AlternativesAndPartialCreditSurviveTheFile) {
  const Analysed sample = analyse_lines(read_lines(std::filesystem::path(JRV_TEST_DATA_DIR) /
                                                   "exports" / "legacy" / "v6_sample.jrv"));
  ASSERT_EQ(sample.ws.include_flags[3], 2);  // item 3: key 3, also 4
  const std::vector<std::vector<ItemDecision>> lists = {
      {{accept, 3, 1}},
      {{rekey, 3, 2}},
      {{credit, 3}},
      {{drop, 3}},
      {{accept, 1, 2}, {accept, 1, 3}, {drop, 5}}};
  for (const auto& list : lists) {
    SCOPED_TRACE(describe_decision(sample.ws, list[0]));
    const Regrade r = regrade(sample.doc, sample.ws, list, RegradeOutput::reports);
    ASSERT_FALSE(r.check.failed);
    expect_same_analysis(analyse_lines(input_file_lines(r.document, r.workspace)), r.workspace,
                         r.document);
  }
  const ItemDecision both[] = {{accept, 3, 1}, {accept, 1, 2}};
  const Regrade r = regrade(sample.doc, sample.ws, both);
  ASSERT_EQ(r.document.alternatives.rows.size(), 2u);
  const auto& row1 = r.document.alternatives.rows[0];  // made in item order
  const auto& row3 = r.document.alternatives.rows[1];
  EXPECT_EQ(row1[0] + row1[1] + row1[2] + row1[3] + row1[4], "1412");
  EXPECT_EQ(row3[0] + row3[1] + row3[2] + row3[3] + row3[4], "34341");
  EXPECT_EQ(r.document.editor.include, "AYAYY");
  const AnswerSlots three = r.workspace.correct_answers[3];
  EXPECT_EQ(std::count(three.begin() + 1, three.end(), 1), 1);
  EXPECT_EQ(std::count(three.begin() + 1, three.end(), 4), 1);
}

// A 1000 x 60 test from the generator, with a grade scale, saved and read as a file.
Lines generated_test() {
  GeneratorFields window;
  window.num_cases = "1000";
  window.num_items = "60";
  window.seed = "4242";
  EditorDocument doc;
  Workspace ws;
  RandomState rng;
  EXPECT_TRUE(generate_data(window, doc, ws, rng).ok());
  Lines lines = input_file_lines(doc, ws);
  const auto grades = std::find(lines.begin(), lines.end(), "# Grades      = 0");
  EXPECT_NE(grades, lines.end());
  *grades = "# Grades      = 5";
  lines.insert(grades + 1, {"A             = 85", "B             = 70", "C             = 55",
                            "D             = 40", "F      "});
  return lines;
}

// The value of the labelled line that starts with `label`, with character `item` replaced.
void edit_line(Lines& lines, const std::string& label, int item, char c) {
  for (auto& l : lines)
    if (l.rfind(label, 0) == 0) {
      l[label.size() + static_cast<std::size_t>(item - 1)] = c;
      return;
    }
  FAIL() << "no line " << label;
}

TEST(Regrade, DecisionsOnALargeTestEqualTheEditedFile) {
  const Lines original = generated_test();
  const Analysed test = analyse_lines(original);
  const Workspace& ws = test.ws;
  // Items with at least three options, to have a wrong option to rekey or accept.
  std::vector<int> items;
  for (int j = 1; j <= ws.num_items && items.size() < 4; ++j)
    if (ws.option_values[j] >= 3) items.push_back(j);
  ASSERT_EQ(items.size(), 4u);
  const int r_item = items[0], a_item = items[1], c_item = items[2], d_item = items[3];
  const int r_opt = ws.key_values[r_item] % ws.option_values[r_item] + 1;
  const int a_opt = ws.key_values[a_item] % ws.option_values[a_item] + 1;
  const int a_opt2 = a_opt % ws.option_values[a_item] + 1;
  ASSERT_NE(a_opt2, ws.key_values[a_item]);

  Lines edited = original;
  edit_line(edited, "Answer Key    = ", r_item, static_cast<char>('0' + r_opt));
  edit_line(edited, "Answer Key    = ", c_item, '9');
  edit_line(edited, "Item Analyzed = ", a_item, 'A');
  edit_line(edited, "Item Analyzed = ", d_item, 'N');
  const auto alt = std::find(edited.begin(), edited.end(), "#Alternatives = 0");
  ASSERT_NE(alt, edited.end());
  *alt = "#Alternatives = 1";
  edited.insert(alt + 1,
                {"Item #        = " + std::to_string(a_item),
                 "Alternatives  = " + std::to_string(ws.key_values[a_item]) + " " +
                     std::to_string(a_opt) + " " + std::to_string(a_opt2) + " * * * * * * "});

  // In another order, the same decisions give the same test.
  const std::vector<ItemDecision> all = {{rekey, r_item, r_opt},
                                         {accept, a_item, a_opt},
                                         {credit, c_item},
                                         {drop, d_item},
                                         {accept, a_item, a_opt2}};
  const std::vector<ItemDecision> shuffled = {all[3], all[1], all[4], all[2], all[0]};
  for (const auto& list : {all, shuffled}) {
    const Regrade r = regrade(test.doc, ws, list, RegradeOutput::reports);
    ASSERT_FALSE(r.check.failed);
    expect_same_lines("saved input file", edited, input_file_lines(r.document, r.workspace));
    expect_same_analysis(analyse_lines(edited), r.workspace, r.document);
  }

  // One decision at a time, on the same large test.
  for (const auto& d : all) {
    if (d.kind == accept && d.option == a_opt2) continue;
    SCOPED_TRACE(describe_decision(ws, d));
    const ItemDecision one[] = {d};
    const Regrade r = regrade(test.doc, ws, one, RegradeOutput::reports);
    expect_same_analysis(analyse_lines(input_file_lines(r.document, r.workspace)), r.workspace,
                         r.document);
    EXPECT_FALSE(r.comparison.changed.empty());
  }
}

TEST(RegradeSession, UndoGivesBackTheAnalysisThatWasAndRedoTheDecisions) {
  const Lines original = generated_test();
  const Analysed test = analyse_lines(original);
  RegradeSession session(test.doc, test.ws);
  EXPECT_FALSE(session.can_undo());

  int item = 1;
  while (test.ws.option_values[item] < 3) ++item;
  const int other = test.ws.key_values[item] % test.ws.option_values[item] + 1;
  const ItemDecision steps[] = {{rekey, item, other},
                                {drop, item + 1},
                                {credit, item + 2},
                                {accept, item + 3, 1 + test.ws.key_values[item + 3] % 2}};
  for (const auto& d : steps)
    ASSERT_EQ(session.decide(d), std::nullopt) << describe_decision(test.ws, d);
  const Regrade decided = session.result(RegradeOutput::reports);
  EXPECT_NE(decided.comparison.kr20.after, decided.comparison.kr20.before);

  for (int k = 0; k < 4; ++k) session.undo();
  EXPECT_FALSE(session.can_undo());
  session.undo();  // nothing left: no harm
  const Regrade back = session.result(RegradeOutput::reports);
  expect_same_analysis(test, back.workspace, back.document);
  expect_same_lines("input file after undo", original,
                    input_file_lines(back.document, back.workspace));
  EXPECT_TRUE(back.comparison.changed.empty());
  EXPECT_EQ(back.comparison.kr20.after, back.comparison.kr20.before);
  EXPECT_EQ(session.original_document().editor.answer_key, test.doc.editor.answer_key);

  for (int k = 0; k < 4; ++k) session.redo();
  EXPECT_FALSE(session.can_redo());
  const Regrade again = session.result(RegradeOutput::reports);
  expect_same_analysis({decided.document, decided.workspace}, again.workspace, again.document);
  EXPECT_EQ(again.comparison, decided.comparison);

  // A new decision after an undo forgets what could be redone.
  session.undo();
  ASSERT_TRUE(session.can_redo());
  EXPECT_EQ(session.decide({drop, item + 5}), std::nullopt);
  EXPECT_FALSE(session.can_redo());
  ASSERT_EQ(session.decisions().size(), 4u);
  EXPECT_EQ(session.decisions().back(), (ItemDecision{drop, item + 5}));

  // A refused decision changes nothing.
  EXPECT_NE(session.decide({credit, item}), std::nullopt);  // item was rekeyed already
  EXPECT_EQ(session.decisions().size(), 4u);
}

}  // namespace
}  // namespace jrv
