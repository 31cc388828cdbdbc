// The main window at start: windows, captions, keys, enabling, options and their captions.

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "ui/reports/results_form_unit.h"
#include "ui/support/test_program.h"

using namespace jrv;
using namespace jrv::ui;
using namespace jrv::ui::test;

namespace {

// Every menu action of the main window, wherever it sits.
QList<QAction*> menu_actions(TMapForm& map) {
  QList<QAction*> out;
  for (QAction* top : map.menuBar()->actions()) {
    if (top->menu()) out += top->menu()->actions();
  }
  return out;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void startUpCreatesEveryWindowHiddenAndFast();
  void startStateHasOnlyDataEntryExamplesOptionsAndHelp();
  void menuItemsCarryTheirCaptionsAndKeys();
  void hiddenItemsAnswerTheirKeys();
  void outputBoxesMirrorTheirFlags();
  void optionsChangeTheAnalyzeCaptionOnlyWhenItIsEnabled();
  void hidingNamesSortsByScoreAndTogglesTheButton();
};

void MainWindowTest::startUpCreatesEveryWindowHiddenAndFast() {
  QElapsedTimer clock;
  clock.start();
  TestProgram p;
  p.map().show();
  QVERIFY(QTest::qWaitForWindowExposed(&p.map()));
  const qint64 ms = clock.elapsed();
  qInfo("start-up to main window shown: %lld ms", ms);
  QVERIFY2(ms < 500, qPrintable(QString("start-up took %1 ms").arg(ms)));

  QCOMPARE(p.map().windowTitle(), QString("JRV: Orvandel (version 6.65)"));
  QVERIFY(p.map().minimumSize() == p.map().maximumSize());  // fixed border

  const QList<QPair<QString, QString>> windows = {
      {"TEditForm", "Data Editor"},
      {"TUserForm", ""},
      {"TAboutForm", ""},
      {"TCodeForm", ""},
      {"TGenForm", "Data Generation Information"},
      {"TResultsForm", "View Results"},
      {"TGradeForm", "Grade Percentages"},
      {"TDiscForm", "Disrimination Percentages"},
      {"TSpearmanForm", "Spearman-Brown Prophecy Formula"},
      {"TAckForm", ""},
      {"TTableForm", "Table of Specifications"},
      {"TAnswerForm", "Alternative Answers"},
      {"TReportForm", "Grade Reports"},
      {"TGraph", "Graph"},
      {"TSPSSform", "TEXT File Insert (and SPSS file-save) Help"},
      {"TPCform", "Partial Credit"},
      {"TQuickViewForm", "Quick Results Viewer"},
      {"TImportForm", "Import old JRV Input File"},
      {"TProbForm", "Set Criteria for Problem Items"},
  };
  // Created in start-up order, each once, all hidden.
  QStringList order;
  for (QObject* c : p.map().children()) {
    if (auto* w = qobject_cast<QDialog*>(c)) order << w->objectName();
  }
  QStringList expected;
  for (const auto& [name, caption] : windows) {
    expected << name;
    auto* w = child<QWidget>(&p.map(), name);
    QVERIFY2(!w->isVisible(), qPrintable(name));
    if (!caption.isEmpty()) QCOMPARE(w->windowTitle(), caption);
  }
  QCOMPARE(order, expected);
}

void MainWindowTest::startStateHasOnlyDataEntryExamplesOptionsAndHelp() {
  TestProgram p;
  TMapForm& m = p.map();
  const QList<QPair<QPushButton*, QString>> buttons = {
      {m.btn_analyze, "Analyze (F9)"},
      {m.btn_view_examinee, "View Full Results && Graphs (F2)"},
      {m.btn_saveresults, "Save Results && Selected Output (F3)"},
      {m.btn_view_q_exam, "View/Print Quick Examinee full screen (F5)"},
      {m.btn_view_q_item, "View/Print Quick Item Analysis full screen (F6)"},
      {m.btn_view_options, "View/Print Quick Options Analysis (F7)"},
  };
  for (const auto& [b, caption] : buttons) {
    QCOMPARE(b->text(), caption);
    QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
  }
  QVERIFY(m.btn_gotodata->isEnabled());
  QVERIFY(m.rdo_enter_data->isChecked());
  QVERIFY(m.Label5->isHidden() && m.txt_map_name->isHidden() && m.Label6->isHidden());
  QVERIFY(m.lbl_t->isHidden() && m.txt_t->isHidden());
  QCOMPARE(m.btn_unhide->text(), QString("HIDE names"));
  QVERIFY(!m.Run1->isEnabled());
  QVERIFY(m.File1->isEnabled() && m.Options1->isEnabled() && m.Help1->isEnabled());
  QCOMPARE(m.GroupBox1->title(), QString("INPUT"));
  QCOMPARE(m.GroupBox2->title(), QString("OUTPUT"));
  QCOMPARE(m.GroupBox3->title(), QString("QUICK EXAMINEE RESULTS"));
  QCOMPARE(m.GroupBox4->title(), QString("QUICK ITEM ANALYSIS"));

  // Both panes: fixed pitch, read-only, no wrap, both scroll bars.
  for (auto* pane : {m.memo_results, m.memo_items}) {
    QVERIFY(pane->isReadOnly());
    QCOMPARE(pane->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(pane->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(pane->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(QFontInfo(pane->font()).fixedPitch());
    QCOMPARE(pane->font().pointSize(), 9);
  }

  // F9 with nothing loaded runs nothing.
  m.Analyze1->trigger();
  QVERIFY(p.prompter.messages.isEmpty());
  QVERIFY(m.memo_results->toPlainText().isEmpty());
}

void MainWindowTest::menuItemsCarryTheirCaptionsAndKeys() {
  TestProgram p;
  TMapForm& m = p.map();
  struct Item {
    const char* name;
    const char* caption;
    QKeySequence key;
    bool enabled;
    bool in_menu;
  };
  const Item items[] = {
      {"CreateNewDataFile1", "Create New Data File", QKeySequence("Ctrl+N"), true, true},
      {"OpenJRVinputFile1", "Open JRV Version 6 Input File", QKeySequence("Ctrl+O"), true, true},
      {"SaveJRVInputFile1", "Save JRV Input File", {}, false, true},
      {"ViewResults1", "View Full Results", QKeySequence("F2"), false, true},
      {"SaveResults1", "&Save Full Results", QKeySequence("F3"), false, true},
      {"ViewExam1", "View && Print Quick Examinee Results", QKeySequence("F5"), false, true},
      {"ViewItem1", "View && Print Quick Item Analysis", QKeySequence("F6"), false, true},
      {"ViewOptions1", "View && Print Quick Options Analysis", QKeySequence("F7"), false, true},
      {"ViewGradeReports1", "View Grade Reports (if N<200)", {}, false, true},
      {"SaveGradeReports1", "Save &Grade Reports (if N<500)", {}, false, true},
      {"SaveRightWrongData1", "Save Comma-Delimited 01 Data", {}, false, false},
      {"SetALTfileOK1", "Set ALT file OK", QKeySequence("Ctrl+Alt+I"), true, false},
      {"SaveALTfile1", "Save ALT file", QKeySequence("Shift+Ctrl+F11"), true, false},
      {"Generate1", "Generate", QKeySequence("Shift+F4"), true, false},
      {"Exit1", "E&xit", {}, true, true},
      {"Analyze1", "&Run Analysis", QKeySequence("F9"), true, true},
      {"SpearmanBrownProphecy1", "&Spearman-Brown Prophecy", QKeySequence("F10"), false, true},
      {"SetPercentagesforGrades1", "Set Percentages for &Grades...", QKeySequence("Shift+F2"), true,
       true},
      {"SetPercentagesforItemDiscrimination1", "Set &Percentages for Item Discrimination...",
       QKeySequence("Shift+F3"), true, true},
      {"rdo_sort_none", "Do &NOT Sort Examinees", QKeySequence("Ctrl+F1"), true, true},
      {"rdo_sort_scor", "Sort Examinees by &Score", QKeySequence("Ctrl+F3"), true, true},
      {"rdo_sort_pbis", "Sort Items by Point &Biserial", QKeySequence("Ctrl+F8"), true, true},
      {"rdo_sort_adjp", "Sort Items by Adjusted Point Biserial", {}, true, true},
      {"rdo_use_letters", "Use Grade Letters in Confidence Bands", QKeySequence("Ctrl+F11"), true,
       true},
      {"SecretSetupQZR11", "Secret Setup QZR1", QKeySequence("Ctrl+Alt+B"), true, false},
      {"as_mixture1", "    As a Mixture", {}, true, true},
      {"HowtoSpeciallsaveSPSSfiles1",
       "How to Insert a TEXT File (e.g., a specially-saved SPSS file)",
       {},
       true,
       true},
      {"About1", "&About", {}, true, true},
  };
  const QList<QAction*> shown = menu_actions(m);
  for (const Item& it : items) {
    auto* a = child<QAction>(&m, it.name);
    QCOMPARE(a->text(), QString(it.caption));
    QCOMPARE(a->shortcut(), it.key);
    QVERIFY2(a->isEnabled() == it.enabled, it.name);
    QVERIFY2(shown.contains(a) == it.in_menu, it.name);
  }
  // Check marks and radio groups at start.
  for (const char* on : {"PrintGradesonIndividualReports1", "RoundPercentageScoresforLetterGrades1",
                         "ShowProblemItems1", "rdo_sort_none", "rdo_sort_numb", "rdo_use_raw",
                         "AutomaticallySaveJRVfilewhensavingresults1"}) {
    QVERIFY2(child<QAction>(&m, on)->isChecked(), on);
  }
  for (const char* off :
       {"UseAbsolutePercentagesforLetterGrades1", "HideExamineeLabelsnames1", "rdo_sort_scor",
        "rdo_use_letters", "ChangeSeedValueeverytimeGeneratorisCalled1"}) {
    QVERIFY2(!child<QAction>(&m, off)->isChecked(), off);
  }
  QCOMPARE(m.Options1->actions().first()->text(),
           QString("(RUN ANALYSIS AGAIN AFTER SETTING OPTIONS)"));
}

void MainWindowTest::hiddenItemsAnswerTheirKeys() {
  TestProgram p;
  p.map().show();
  QVERIFY(QTest::qWaitForWindowActive(&p.map()));
  QVERIFY(!p.session().ws.alt_file_ok);
  QTest::keyClick(&p.map(), Qt::Key_I, Qt::ControlModifier | Qt::AltModifier);
  QVERIFY(p.session().ws.alt_file_ok);
}

void MainWindowTest::outputBoxesMirrorTheirFlags() {
  TestProgram p;
  TMapForm& m = p.map();
  Workspace& ws = p.session().ws;
  QVERIFY(ws.save_exm && ws.save_itm && ws.save_opt && !ws.save_rpt);
  m.txt_score_filename->setText("Exam1");
  m.txt_item_filename->setText("Exam1");
  m.chk_save_score_file->click();
  m.chk_save_item_file->click();
  m.chk_save_opt_file->click();
  m.chk_save_rpt_file->click();
  QVERIFY(!ws.save_exm && !ws.save_itm && !ws.save_opt && ws.save_rpt);
  QVERIFY(m.txt_score_filename->text().isEmpty());
  QVERIFY(m.txt_item_filename->text().isEmpty());
  m.txt_results_name->setText("Exam2");
  QCOMPARE(m.txt_map_name->text(), QString("Exam2"));
}

void MainWindowTest::optionsChangeTheAnalyzeCaptionOnlyWhenItIsEnabled() {
  TestProgram p;
  TMapForm& m = p.map();
  AnalysisOptions& o = p.session().ws.options;
  m.rdo_sort_diff->trigger();
  QCOMPARE(m.btn_analyze->text(), QString("Analyze (F9)"));
  QCOMPARE(o.item_sort, ItemSort::difficulty);
  QVERIFY(m.rdo_sort_diff->isChecked() && !m.rdo_sort_numb->isChecked());

  m.btn_analyze->setEnabled(true);  // as after the editor was accepted
  m.rdo_use_percent->trigger();
  QCOMPARE(m.btn_analyze->text(), QString("Analyze with NEW Options (F9)"));
  QCOMPARE(o.band_units, BandUnits::percent);
  m.UseAbsolutePercentagesforLetterGrades1->trigger();
  QVERIFY(!o.round_grade_percent);
  QVERIFY(!m.RoundPercentageScoresforLetterGrades1->isChecked());
  m.ShowProblemItems1->trigger();
  QVERIFY(!o.suggest_problem_items && !m.ShowProblemItems1->isChecked());
  m.PrintGradesonIndividualReports1->trigger();
  QVERIFY(!p.session().ws.print_grades_on_reports);

  // The generator and file switches do not touch the analysis.
  m.btn_analyze->setText("Analyze (F9)");
  m.ChangeSeedValueeverytimeGeneratorisCalled1->trigger();
  m.AutomaticallySaveJRVfilewhensavingresults1->trigger();
  QVERIFY(p.session().ws.change_seed_each_time && !p.session().ws.auto_save_input);
  QCOMPARE(m.btn_analyze->text(), QString("Analyze (F9)"));
}

void MainWindowTest::hidingNamesSortsByScoreAndTogglesTheButton() {
  TestProgram p;
  TMapForm& m = p.map();
  AnalysisOptions& o = p.session().ws.options;
  m.HideExamineeLabelsnames1->trigger();
  QVERIFY(o.hide_labels && m.HideExamineeLabelsnames1->isChecked());
  QCOMPARE(o.examinee_sort, ExamineeSort::by_score);
  QVERIFY(m.rdo_sort_scor->isChecked());
  QCOMPARE(m.btn_unhide->text(), QString("UN-Hide names"));
  m.btn_unhide->click();
  QVERIFY(!o.hide_labels && !m.HideExamineeLabelsnames1->isChecked());
  QCOMPARE(m.btn_unhide->text(), QString("Hide names"));
  QCOMPARE(o.examinee_sort, ExamineeSort::by_score);  // the order stays
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
