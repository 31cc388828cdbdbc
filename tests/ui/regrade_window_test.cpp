// Regrading in the item diagnostics window: a decision on the chosen item, what changed,
// undo and redo, "Apply to test" into the data editor and a saved file, and the questions
// asked before decisions not yet applied could be lost.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "core/diagnostics/diagnostics_texts.h"
#include "core/diagnostics/regrade_report.h"
#include "core/diagnostics/regrade_session.h"
#include "ui/app/session.h"
#include "ui/diagnostics/diagnostics_window.h"
#include "ui/support/qt_text.h"
#include "ui/support/test_program.h"

using namespace jrv;
using namespace jrv::ui;
using namespace jrv::ui::test;

namespace {

// The option of the chosen item that is keyed, and one that is not.
int keyed_option(const TDiagnosticsForm& w) {
  for (const auto& d : w.result().item_list)
    if (d.item == w.current_item())
      for (const auto& o : d.options)
        if (o.keyed) return o.option;
  return 0;
}

int other_option(const TDiagnosticsForm& w) {
  const int key = keyed_option(w);
  for (int i = 0; i < w.cmb_option->count(); ++i)
    if (w.cmb_option->itemData(i).toInt() != key) return w.cmb_option->itemData(i).toInt();
  return 0;
}

QString key_cell(const TDiagnosticsForm& w, int item) {
  for (int r = 0; r < w.grid_items->rowCount(); ++r)
    if (w.grid_items->item(r, 0)->text().toInt() == item) return w.grid_items->item(r, 1)->text();
  return "(not shown)";
}

// What the window must show for `decisions`, straight from the core.
Regrade expected(TestProgram& p, std::vector<ItemDecision> decisions) {
  return regrade(p.session().doc, p.session().ws, decisions);
}

QString summary_text(const RegradeComparison& c) {
  QStringList lines;
  for (const auto& l : regrade_summary_lines(c)) lines << to_q(l);
  return lines.join('\n');
}

void expect_changes_shown(const TDiagnosticsForm& w, const RegradeComparison& c) {
  QCOMPARE(w.lbl_changes->text(), summary_text(c));
  QCOMPARE(w.grid_changes->rowCount(), int(c.changed.size()));
  for (int r = 0; r < w.grid_changes->rowCount(); ++r) {
    const auto cells = examinee_change_cells(c.changed[std::size_t(r)]);
    for (int col = 0; col < 4; ++col)
      QCOMPARE(w.grid_changes->item(r, col)->text(), to_q(cells[std::size_t(col)]));
  }
}

}  // namespace

class RegradeWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void rekeyUndoRedoApplySaveAndReopen();
  void refusedDecisionsAreDisabledWithTheReason();
  void closingOrReplacingTheTestAsksAboutPendingDecisions();
  void editingOrAnalysingAgainKeepsTheDecisions();
};

void RegradeWindowTest::rekeyUndoRedoApplySaveAndReopen() {
  QTemporaryDir dir;
  TestProgram p;
  analyse_example(p, ExampleSet::sample1);
  const QString results_before = p.map().memo_results->toPlainText();
  const QString items_before = p.map().memo_items->toPlainText();
  const EditorDocument doc_before = p.session().doc;
  const double kr20_before = p.session().ws.stats.kr20;

  TDiagnosticsForm& w = open_diagnostics(p);
  QVERIFY(!w.ApplyToTest1->isEnabled());
  w.choose_item(2);
  const QString old_key = key_cell(w, 2);
  const int option = other_option(w);
  w.choose_option(option);
  QVERIFY2(w.btn_rekey->isEnabled(), qPrintable(w.btn_rekey->toolTip()));
  const Regrade want = expected(p, {{DecisionKind::rekey, 2, option}});
  w.btn_rekey->click();

  // The window shows the regraded test and what changed; the item stays chosen.
  QCOMPARE(w.current_item(), 2);
  QCOMPARE(keyed_option(w), option);
  const std::string new_key = option_text(p.session().ws, 2, option);
  QCOMPARE(key_cell(w, 2).toStdString(), new_key);
  expect_changes_shown(w, want.comparison);
  QVERIFY(w.lbl_decisions->text().contains(
      to_q(describe_decision(p.session().ws, {DecisionKind::rekey, 2, option}))));
  QVERIFY(w.grid_changes->rowCount() > 0);
  // Nothing else sees it before "Apply to test".
  QCOMPARE(p.map().memo_results->toPlainText(), results_before);
  QCOMPARE(p.map().memo_items->toPlainText(), items_before);
  QVERIFY(same_typed_test(p.session().doc, doc_before));
  QCOMPARE(p.session().ws.stats.kr20, kr20_before);

  // Undo returns the analysed test; redo the decision.
  QVERIFY(w.Undo1->text().contains("Rekey item 2"));
  w.Undo1->trigger();
  QCOMPARE(key_cell(w, 2), old_key);
  QCOMPARE(w.grid_changes->rowCount(), 0);
  QVERIFY(w.lbl_changes->text().isEmpty());
  QVERIFY(!w.ApplyToTest1->isEnabled());
  w.Redo1->trigger();
  QCOMPARE(key_cell(w, 2).toStdString(), new_key);
  expect_changes_shown(w, want.comparison);

  // Applied: the editor holds the new key and the test is analysed as the window showed.
  w.btn_apply->click();
  QVERIFY(w.isVisible());
  QVERIFY(p.prompter.take_messages().isEmpty());
  QCOMPARE(p.session().doc.editor.answer_key, want.document.editor.answer_key);
  QCOMPARE(p.edit().txt_answer_key->text().toStdString(), want.document.editor.answer_key);
  QCOMPARE(p.session().ws.stats.kr20, want.workspace.stats.kr20);
  QVERIFY(p.map().memo_results->toPlainText() != results_before);
  QVERIFY(!same_typed_test(p.session().doc, doc_before));
  QVERIFY(!w.has_pending_decisions());
  QVERIFY(!w.Undo1->isEnabled());
  QCOMPARE(key_cell(w, 2).toStdString(), new_key);

  // Saved, another test loaded, the file opened again: the key holds the new answer.
  const QString path = dir.filePath("regraded.jrv");
  p.prompter.save_answers.push_back(path);
  QVERIFY(p.edit().save_test());
  p.map().SampleDataSet21Click();  // saved: replaced without a question
  QVERIFY(p.prompter.save_questions.isEmpty());
  QVERIFY(p.session().doc.editor.answer_key != want.document.editor.answer_key);
  p.prompter.modal_actions.push_back(
      {"TEditForm", [](QDialog& d) { static_cast<TEditForm&>(d).btn_done->click(); }});
  p.map().open_test_file(path);
  QCOMPARE(p.session().doc.editor.answer_key, want.document.editor.answer_key);
  QCOMPARE(p.session().ws.stats.kr20, want.workspace.stats.kr20);
}

void RegradeWindowTest::refusedDecisionsAreDisabledWithTheReason() {
  TestProgram p;
  analyse_example(p, ExampleSet::sample1);
  TDiagnosticsForm& w = open_diagnostics(p);
  w.choose_item(3);
  // Rekeying to the key changes nothing: refused, with the core's reason on the button.
  const int key = keyed_option(w);
  w.choose_option(key);
  QCOMPARE(w.cmb_option->currentData().toInt(), key);
  const auto why = decision_refusal(p.session().ws, {}, {DecisionKind::rekey, 3, key});
  QVERIFY(why.has_value());
  QVERIFY(!w.Rekey1->isEnabled() && !w.btn_rekey->isEnabled());
  QCOMPARE(w.btn_rekey->toolTip(), to_q(*why));
  QVERIFY(!w.Accept1->isEnabled());
  // Choosing an option row in the option table is choosing it for the decisions.
  w.grid_options->setCurrentCell(key == 1 ? 1 : 0, 0);
  QVERIFY(w.chosen_option() != key);
  QCOMPARE(w.cmb_option->currentData().toInt(), w.chosen_option());
  QVERIFY(w.btn_rekey->isEnabled());
  QCOMPARE(w.btn_rekey->toolTip(),
           to_q(describe_decision(p.session().ws, {DecisionKind::rekey, 3, w.chosen_option()})));

  // A dropped item leaves the table; a second decision on an item is refused.
  w.btn_credit->click();
  QVERIFY(!w.Drop1->isEnabled());
  QVERIFY(!w.btn_drop->toolTip().isEmpty());
  w.choose_item(4);
  w.Drop1->trigger();
  QCOMPARE(key_cell(w, 4), QString("(not shown)"));
  QCOMPARE(w.pending_decisions().size(), 2u);
  expect_changes_shown(
      w, expected(p, {{DecisionKind::credit, 3, 0}, {DecisionKind::drop, 4, 0}}).comparison);
  w.Undo1->trigger();
  QVERIFY(key_cell(w, 4) != "(not shown)");

  // Typed: Ctrl+K rekeys item 5 to the chosen option, Ctrl+Z takes it back.
  w.Undo1->trigger();
  QVERIFY(!w.has_pending_decisions());
  w.choose_item(5);
  w.choose_option(other_option(w));
  QApplication::setActiveWindow(&w);
  QTest::keyClick(w.grid_options, Qt::Key_K, Qt::ControlModifier);
  QCOMPARE(w.pending_decisions(),
           (std::vector<ItemDecision>{{DecisionKind::rekey, 5, w.chosen_option()}}));
  QTest::keyClick(w.grid_options, Qt::Key_Z, Qt::ControlModifier);
  QVERIFY(!w.has_pending_decisions());
  QVERIFY(p.prompter.take_messages().isEmpty());
}

void RegradeWindowTest::closingOrReplacingTheTestAsksAboutPendingDecisions() {
  TestProgram p;
  analyse_example(p, ExampleSet::sample1);
  const std::string title = p.session().ws.title;
  const std::string include_before = p.session().doc.editor.include;
  TDiagnosticsForm& w = open_diagnostics(p);
  w.choose_item(5);
  w.btn_drop->click();

  // Closing: Cancel keeps the window and the decision, Discard forgets it.
  p.prompter.apply_answers = {ApplyChoice::cancel, ApplyChoice::discard};
  w.close();
  QVERIFY(w.isVisible());
  QCOMPARE(w.pending_decisions().size(), 1u);
  w.close();
  QVERIFY(!w.isVisible());
  QCOMPARE(p.prompter.apply_questions.size(), 2);
  QCOMPARE(p.session().doc.editor.include, include_before);
  open_diagnostics(p);
  QVERIFY(!w.has_pending_decisions());
  QVERIFY(w.close());  // nothing pending: no question
  QCOMPARE(p.prompter.apply_questions.size(), 2);

  // Another test replacing this one: Cancel keeps it; Apply writes the decision in, and
  // the changed test is then offered for saving as any edit is.
  open_diagnostics(p);
  w.choose_item(5);
  w.btn_drop->click();
  p.prompter.apply_answers = {ApplyChoice::cancel};
  p.map().SampleDataSet21Click();
  QCOMPARE(p.session().ws.title, title);
  QVERIFY(w.has_pending_decisions());
  QVERIFY(p.prompter.save_questions.isEmpty());
  p.prompter.apply_answers = {ApplyChoice::apply};
  p.prompter.save_answers_to_question = {SaveChoice::cancel};
  p.map().SampleDataSet21Click();
  QCOMPARE(p.prompter.save_questions.size(), 1);
  QCOMPARE(p.session().ws.title, title);
  QCOMPARE(p.session().doc.editor.include[4], 'N');
  QVERIFY(!w.has_pending_decisions());
  QVERIFY(p.prompter.take_messages().isEmpty());
}

void RegradeWindowTest::editingOrAnalysingAgainKeepsTheDecisions() {
  TestProgram p;
  analyse_example(p, ExampleSet::sample1);
  TDiagnosticsForm& w = open_diagnostics(p);
  w.choose_item(2);
  w.btn_credit->click();
  // The same test analysed again (after an option changed): the decision still stands.
  p.map().btn_analyzeClick();
  QVERIFY2(p.prompter.questions.isEmpty(), qPrintable(p.prompter.questions.join('|')));
  QVERIFY(w.isVisible());
  QCOMPARE(w.pending_decisions(), (std::vector<ItemDecision>{{DecisionKind::credit, 2, 0}}));
  const Regrade credited = expected(p, {{DecisionKind::credit, 2, 0}});
  QCOMPARE(key_cell(w, 2), to_q(key_text(diagnose(credited.workspace).item_list[1])));
  expect_changes_shown(w, credited.comparison);
  QVERIFY(w.Undo1->isEnabled());

  // Going to the editor: asked whether the decision goes into the test it shows.
  p.prompter.question_answers = {true};
  QString key_in_editor;
  p.prompter.modal_actions.push_back({"TEditForm", [&](QDialog& d) {
                                        auto& e = static_cast<TEditForm&>(d);
                                        key_in_editor = e.txt_answer_key->text();
                                        e.btn_done->click();
                                      }});
  p.map().rdo_edit_data->setChecked(true);
  p.map().btn_gotodata->click();
  QCOMPARE(p.prompter.questions.size(), 1);
  QCOMPARE(key_in_editor.at(1), QChar('9'));
  QVERIFY(!w.isVisible());
  QVERIFY(!w.has_pending_decisions());
  QCOMPARE(p.session().doc.editor.answer_key[1], '9');
  QVERIFY(p.session().ws.analysed);
}

QTEST_MAIN(RegradeWindowTest)
#include "regrade_window_test.moc"
