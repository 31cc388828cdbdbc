// The main window's three states and the commands each enables; the grade-report limits;
// what going back to the editor clears; the files "Save Results" writes for each choice.

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "core/generate/generator.h"
#include "ui/support/test_program.h"

using namespace jrv;
using namespace jrv::ui;
using namespace jrv::ui::test;

namespace {

// Which commands are on, as one line, so that a failure shows the whole state.
QString enabled_commands(TMapForm& m) {
  QStringList on;
  for (QPushButton* b : {m.btn_analyze, m.btn_view_examinee, m.btn_saveresults, m.btn_view_q_exam,
                         m.btn_view_q_item, m.btn_view_options}) {
    if (b->isEnabled()) on << b->objectName();
  }
  for (QAction* a : {m.SaveJRVInputFile1, m.ViewResults1, m.SaveResults1, m.ViewExam1, m.ViewItem1,
                     m.ViewOptions1, m.SaveItemFile1, m.SpearmanBrownProphecy1}) {
    if (a->isEnabled()) on << a->objectName();
  }
  if (m.Run1->isEnabled()) on << "Run1";
  return on.join(' ');
}

void generate(TestProgram& p, int cases) {
  GeneratorFields fields;
  fields.num_cases = std::to_string(cases);
  RandomState rng;
  QVERIFY(generate_data(fields, p.session().doc, p.session().ws, rng).ok());
}

}  // namespace

class WindowStatesTest : public QObject {
  Q_OBJECT

 private slots:
  void threeStatesEnableTheirCommands();
  void everyCommandIsOffWhileTheRunReports();
  void gradeReportItemsFollowTheNumberOfExaminees_data();
  void gradeReportItemsFollowTheNumberOfExaminees();
  void goingBackToTheEditorClearsByStartMode();
  void saveResultsWritesTheChosenCompanions();
  void hiddenGenerateStartsTheGeneratorFromNoData();
};

void WindowStatesTest::threeStatesEnableTheirCommands() {
  TestProgram p;
  TMapForm& m = p.map();
  QCOMPARE(enabled_commands(m), QString());

  // Data accepted through "OK": Analyze and the views, nothing saved or analysed yet.
  p.prompter.modal_actions.push_back([](QDialog& d) {
    auto& e = static_cast<TEditForm&>(d);
    type_test(e, TypedTest{});
    e.BitBtn1->click();
  });
  m.btn_gotodata->click();
  QCOMPARE(enabled_commands(m), QString("btn_analyze btn_view_examinee btn_view_q_exam "
                                        "btn_view_q_item SaveJRVInputFile1 Run1"));
  QVERIFY(m.lbl_t->isVisibleTo(&m) && m.btn_unhide->isVisibleTo(&m));

  // Analysed: every result command; the menus are back.
  m.Analyze1->trigger();
  QCOMPARE(enabled_commands(m),
           QString("btn_analyze btn_view_examinee btn_saveresults btn_view_q_exam "
                   "btn_view_q_item btn_view_options SaveJRVInputFile1 ViewResults1 "
                   "SaveResults1 ViewExam1 ViewItem1 ViewOptions1 SaveItemFile1 "
                   "SpearmanBrownProphecy1 Run1"));
  for (QMenu* menu : {m.File1, m.Run1, m.Options1, m.Help1}) QVERIFY(menu->isEnabled());
  QVERIFY(!m.menuBar()->actions().contains(m.SaveRightWrongData1));
  QVERIFY(m.SaveRightWrongData1->isEnabled());
  QCOMPARE(m.txt_t->text(), QString("Unit test (five examinees)"));

  // Back to the editor: the no-data state until it is accepted again (the old results
  // cannot be saved under the edited test); band units raw.
  m.rdo_use_percent->trigger();
  p.prompter.modal_actions.push_back(
      [](QDialog& d) { static_cast<TEditForm&>(d).Cancel->click(); });
  m.btn_gotodata->click();
  QCOMPARE(enabled_commands(m), QString());
  QVERIFY(!m.SaveGradeReports1->isEnabled() && !m.ViewGradeReports1->isEnabled());
  QVERIFY(m.rdo_use_raw->isChecked());
  QCOMPARE(p.session().ws.options.band_units, BandUnits::raw);
  QVERIFY(m.lbl_t->isHidden() && m.txt_t->text().isEmpty());
}

void WindowStatesTest::everyCommandIsOffWhileTheRunReports() {
  // Everyone answers alike: KR-20 is 0 and the run reports that the prophecy cannot be
  // calculated; while that message shows, the run is still going.
  TestProgram p;
  TMapForm& m = p.map();
  QString during;
  bool menus_on = true;
  p.prompter.on_message = [&](const QString&) {
    during = enabled_commands(m);
    menus_on = m.File1->isEnabled() || m.Options1->isEnabled() || m.Help1->isEnabled();
  };
  TypedTest same;
  same.lines = {"AL ABCD", "BO ABCD", "CY ABCD", "DI ABCD", "ED ABCD"};
  analyse_typed(p, same);
  QCOMPARE(p.prompter.messages, QStringList{"Spearman-Brown Prophecy cannot be calculated"});
  QCOMPARE(during, QString("SaveJRVInputFile1"));
  QVERIFY(!menus_on);
  QVERIFY(m.btn_saveresults->isEnabled() && m.File1->isEnabled());  // and afterwards on again
}

void WindowStatesTest::gradeReportItemsFollowTheNumberOfExaminees_data() {
  QTest::addColumn<int>("cases");
  QTest::addColumn<bool>("view");
  QTest::addColumn<bool>("save");
  QTest::newRow("200") << 200 << true << true;
  QTest::newRow("201") << 201 << false << true;
  QTest::newRow("500") << 500 << false << true;
  QTest::newRow("501") << 501 << false << false;
}

void WindowStatesTest::gradeReportItemsFollowTheNumberOfExaminees() {
  QFETCH(int, cases);
  QFETCH(bool, view);
  QFETCH(bool, save);
  TestProgram p;
  generate(p, cases);
  analyse_in_editor(p, [](TEditForm&) {});
  QVERIFY2(p.prompter.messages.isEmpty(), qPrintable(p.prompter.messages.join('\n')));
  QCOMPARE(p.map().ViewGradeReports1->isEnabled(), view);
  QCOMPARE(p.map().SaveGradeReports1->isEnabled(), save);
}

void WindowStatesTest::goingBackToTheEditorClearsByStartMode() {
  TestProgram p;
  TMapForm& m = p.map();
  analyse_typed(p);
  const ScriptedPrompter::ScriptedModal cancel{
      "TEditForm", [](QDialog& d) { static_cast<TEditForm&>(d).Cancel->click(); }};

  // Edit mode keeps both panes.
  p.prompter.modal_actions.push_back(cancel);
  m.rdo_edit_data->click();
  m.btn_gotodata->click();
  QVERIFY(!m.memo_results->toPlainText().isEmpty() && !m.memo_items->toPlainText().isEmpty());

  // New data clears the item pane and the right-wrong state, keeps the examinee pane.
  p.session().ws.right_wrong_mode = true;
  p.prompter.modal_actions.push_back(cancel);
  m.rdo_enter_data->click();
  m.btn_gotodata->click();
  QVERIFY(!m.memo_results->toPlainText().isEmpty() && m.memo_items->toPlainText().isEmpty());
  QVERIFY(!p.session().ws.right_wrong_mode);
  QVERIFY(!p.session().doc.input_opened && p.session().current_file_name.empty());

  // Generating clears the examinee pane too.
  p.prompter.modal_actions.push_back(cancel);
  m.rdo_generate->click();
  m.btn_gotodata->click();
  QVERIFY(m.memo_results->toPlainText().isEmpty());
}

void WindowStatesTest::saveResultsWritesTheChosenCompanions() {
  QTemporaryDir dir;
  TestProgram p;
  TMapForm& m = p.map();
  analyse_typed(p);

  // Every box off and no automatic input copy: the results file alone.
  for (QCheckBox* c : {m.chk_save_score_file, m.chk_save_item_file, m.chk_save_opt_file}) {
    c->click();
  }
  m.AutomaticallySaveJRVfilewhensavingresults1->trigger();
  p.prompter.save_answers.push_back(dir.filePath("alone/Only"));
  QDir(dir.path()).mkdir("alone");
  m.btn_saveresults->click();
  QCOMPARE(QDir(dir.filePath("alone")).entryList(QDir::Files), QStringList{"Only.txt"});
  QCOMPARE(m.txt_results_name->text(), QString("Only"));
  QVERIFY(m.txt_score_filename->text().isEmpty());

  // Everything on, grade reports included.
  for (QCheckBox* c :
       {m.chk_save_score_file, m.chk_save_item_file, m.chk_save_opt_file, m.chk_save_rpt_file}) {
    c->click();
  }
  m.AutomaticallySaveJRVfilewhensavingresults1->trigger();
  QDir(dir.path()).mkdir("all");
  p.prompter.save_answers.push_back(dir.filePath("all/Exam1.txt"));
  m.SaveResults1->trigger();
  QCOMPARE(
      QDir(dir.filePath("all")).entryList(QDir::Files),
      (QStringList{"Exam1.exm", "Exam1.itm", "Exam1.jrv", "Exam1.opt", "Exam1.rpt", "Exam1.txt"}));
  QVERIFY(p.prompter.messages.isEmpty());

  // A folder that cannot be written: the message, and the name fields stay.
  p.prompter.save_answers.push_back(dir.filePath("missing/Exam2.txt"));
  m.btn_saveresults->click();
  QCOMPARE(p.prompter.messages.size(), 1);
  QCOMPARE(m.txt_results_name->text(), QString("Exam1"));

  // Cancelled: nothing written, the names show the last results saved in this run.
  p.prompter.save_answers.push_back(std::nullopt);
  m.btn_saveresults->click();
  QCOMPARE(m.txt_results_name->text(), QString("Exam1"));
  QVERIFY(m.rdo_edit_data->isChecked());
}

void WindowStatesTest::hiddenGenerateStartsTheGeneratorFromNoData() {
  TestProgram p;
  TMapForm& m = p.map();
  analyse_typed(p);
  m.ChangeSeedValueeverytimeGeneratorisCalled1->trigger();
  m.show();
  QVERIFY(QTest::qWaitForWindowActive(&m));
  QTest::keyClick(&m, Qt::Key_F4, Qt::ShiftModifier);
  // The editor opens and goes straight on to the generator.
  QCOMPARE(p.prompter.modal_windows.mid(1), (QStringList{"TEditForm", "TGenForm"}));
  QCOMPARE(enabled_commands(m), QString("SaveJRVInputFile1"));
  QVERIFY(m.btn_unhide->isHidden() && m.txt_t->isHidden());
  QCOMPARE(m.txt_map_name->text(), QString("UNSAVED"));
  QVERIFY(!p.session().ws.change_seed_each_time);
  QVERIFY(!m.ChangeSeedValueeverytimeGeneratorisCalled1->isChecked());
  QCOMPARE(p.session().editor_start_mode, int(kEditCurrent));
}

QTEST_MAIN(WindowStatesTest)
#include "window_states_test.moc"
