// The main window's menus: captions, access keys, shortcuts, check marks, radio groups.

#include <QActionGroup>
#include <QMenuBar>

#include "ui/app/map_main_unit.h"
#include "ui/app/session.h"
#include "ui/support/widgets.h"

namespace jrv::ui {

namespace {

QAction* checkable(QAction* a, bool checked) {
  a->setCheckable(true);
  a->setChecked(checked);
  return a;
}

QActionGroup* radio_group(QObject* owner, std::initializer_list<QAction*> items) {
  auto* g = new QActionGroup(owner);
  g->setExclusive(true);
  for (auto* a : items) {
    a->setCheckable(true);
    g->addAction(a);
  }
  return g;
}

}  // namespace

void TMapForm::build_menus() {
  const Workspace& ws = session_.ws;
  QMenuBar* bar = menuBar();

  File1 = named_menu(this, "File1", "&File");
  CreateNewDataFile1 = menu_item(File1, this, "CreateNewDataFile1", "Create New Data File",
                                 QKeySequence(Qt::CTRL | Qt::Key_N));
  OpenJRVinputFile1 = menu_item(File1, this, "OpenJRVinputFile1", "Open JRV Version 6 Input File",
                                QKeySequence(Qt::CTRL | Qt::Key_O));
  OpenInputFilefromapreviousJRVversion1 =
      menu_item(File1, this, "OpenInputFilefromapreviousJRVversion1",
                "Import Input File from a previous JRV version");
  File1->addSeparator();
  SaveJRVInputFile1 = menu_item(File1, this, "SaveJRVInputFile1", "Save JRV Input File");
  File1->addSeparator();
  ViewResults1 = menu_item(File1, this, "ViewResults1", "View Full Results", Qt::Key_F2);
  SaveResults1 = menu_item(File1, this, "SaveResults1", "&Save Full Results", Qt::Key_F3);
  ViewExam1 =
      menu_item(File1, this, "ViewExam1", "View && Print Quick Examinee Results", Qt::Key_F5);
  ViewItem1 = menu_item(File1, this, "ViewItem1", "View && Print Quick Item Analysis", Qt::Key_F6);
  ViewOptions1 =
      menu_item(File1, this, "ViewOptions1", "View && Print Quick Options Analysis", Qt::Key_F7);
  File1->addSeparator();
  ViewGradeReports1 = menu_item(File1, this, "ViewGradeReports1", "View Grade Reports (if N<200)");
  SaveGradeReports1 = menu_item(File1, this, "SaveGradeReports1", "Save &Grade Reports (if N<500)");
  SaveItemFile1 = menu_item(File1, this, "SaveItemFile1", "Save Item Statistics file");
  SaveRightWrongData1 = hidden_item(this, "SaveRightWrongData1", "Save Comma-Delimited 01 Data");
  SetALTfileOK1 = hidden_item(this, "SetALTfileOK1", "Set ALT file OK",
                              QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_I));
  SaveALTfile1 = hidden_item(this, "SaveALTfile1", "Save ALT file",
                             QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F11));
  Generate1 = hidden_item(this, "Generate1", "Generate", QKeySequence(Qt::SHIFT | Qt::Key_F4));
  File1->addSeparator();
  Exit1 = menu_item(File1, this, "Exit1", "E&xit");
  for (auto* a : {SaveJRVInputFile1, ViewResults1, SaveResults1, ViewExam1, ViewItem1, ViewOptions1,
                  ViewGradeReports1, SaveGradeReports1, SaveItemFile1, SaveRightWrongData1}) {
    a->setEnabled(false);
  }
  bar->addMenu(File1);

  Run1 = named_menu(this, "Run1", "&Analysis");
  Analyze1 = menu_item(Run1, this, "Analyze1", "&Run Analysis", Qt::Key_F9);
  SpearmanBrownProphecy1 =
      menu_item(Run1, this, "SpearmanBrownProphecy1", "&Spearman-Brown Prophecy", Qt::Key_F10);
  SpearmanBrownProphecy1->setEnabled(false);
  Run1->setEnabled(false);
  bar->addMenu(Run1);

  Options1 = named_menu(this, "Options1", "&Options");
  RunAnalysisAgain1 =
      menu_item(Options1, this, "RunAnalysisAgain1", "(RUN ANALYSIS AGAIN AFTER SETTING OPTIONS)");
  Options1->addSeparator();
  SetPercentagesforGrades1 =
      menu_item(Options1, this, "SetPercentagesforGrades1", "Set Percentages for &Grades...",
                QKeySequence(Qt::SHIFT | Qt::Key_F2));
  PrintGradesonIndividualReports1 =
      checkable(menu_item(Options1, this, "PrintGradesonIndividualReports1",
                          "Print Grades on Individual Reports"),
                ws.print_grades_on_reports);
  RoundPercentageScoresforLetterGrades1 =
      menu_item(Options1, this, "RoundPercentageScoresforLetterGrades1",
                "Round Percentage Scores for Letter Grades");
  UseAbsolutePercentagesforLetterGrades1 =
      menu_item(Options1, this, "UseAbsolutePercentagesforLetterGrades1",
                "Use Absolute Percentages for Letter Grades");
  radio_group(this,
              {RoundPercentageScoresforLetterGrades1, UseAbsolutePercentagesforLetterGrades1});
  (ws.options.round_grade_percent ? RoundPercentageScoresforLetterGrades1
                                  : UseAbsolutePercentagesforLetterGrades1)
      ->setChecked(true);
  Options1->addSeparator();
  SetPercentagesforItemDiscrimination1 = menu_item(
      Options1, this, "SetPercentagesforItemDiscrimination1",
      "Set &Percentages for Item Discrimination...", QKeySequence(Qt::SHIFT | Qt::Key_F3));
  SetCriteriaforProblemItems1 =
      menu_item(Options1, this, "SetCriteriaforProblemItems1", "Set Criteria for Problem Items");
  ShowProblemItems1 =
      checkable(menu_item(Options1, this, "ShowProblemItems1", "Suggest Problem Items"),
                ws.options.suggest_problem_items);
  HideExamineeLabelsnames1 = checkable(
      menu_item(Options1, this, "HideExamineeLabelsnames1", "Hide Examinee Labels (names)"),
      ws.options.hide_labels);
  Options1->addSeparator();
  rdo_sort_none = menu_item(Options1, this, "rdo_sort_none", "Do &NOT Sort Examinees",
                            QKeySequence(Qt::CTRL | Qt::Key_F1));
  rdo_sort_name = menu_item(Options1, this, "rdo_sort_name", "Sort Examinees by &Label",
                            QKeySequence(Qt::CTRL | Qt::Key_F2));
  rdo_sort_scor = menu_item(Options1, this, "rdo_sort_scor", "Sort Examinees by &Score",
                            QKeySequence(Qt::CTRL | Qt::Key_F3));
  radio_group(this, {rdo_sort_none, rdo_sort_name, rdo_sort_scor});
  rdo_sort_none->setChecked(true);
  Options1->addSeparator();
  rdo_sort_numb = menu_item(Options1, this, "rdo_sort_numb", "Sort Items by &Item Number",
                            QKeySequence(Qt::CTRL | Qt::Key_F5));
  rdo_sort_diff = menu_item(Options1, this, "rdo_sort_diff", "Sort Items by Di&fficulty",
                            QKeySequence(Qt::CTRL | Qt::Key_F6));
  rdo_sort_disc = menu_item(Options1, this, "rdo_sort_disc", "Sort Items by &Discrimination",
                            QKeySequence(Qt::CTRL | Qt::Key_F7));
  rdo_sort_pbis = menu_item(Options1, this, "rdo_sort_pbis", "Sort Items by Point &Biserial",
                            QKeySequence(Qt::CTRL | Qt::Key_F8));
  rdo_sort_adjp =
      menu_item(Options1, this, "rdo_sort_adjp", "Sort Items by Adjusted Point Biserial");
  radio_group(this, {rdo_sort_numb, rdo_sort_diff, rdo_sort_disc, rdo_sort_pbis, rdo_sort_adjp});
  rdo_sort_numb->setChecked(true);
  Options1->addSeparator();
  rdo_use_raw = menu_item(Options1, this, "rdo_use_raw", "Use Raw Scores in Confidence Bands",
                          QKeySequence(Qt::CTRL | Qt::Key_F9));
  rdo_use_percent =
      menu_item(Options1, this, "rdo_use_percent", "Use Percentages in Confidence Bands",
                QKeySequence(Qt::CTRL | Qt::Key_F10));
  rdo_use_letters =
      menu_item(Options1, this, "rdo_use_letters", "Use Grade Letters in Confidence Bands",
                QKeySequence(Qt::CTRL | Qt::Key_F11));
  radio_group(this, {rdo_use_raw, rdo_use_percent, rdo_use_letters});
  rdo_use_raw->setChecked(true);
  Options1->addSeparator();
  ChangeSeedValueeverytimeGeneratorisCalled1 =
      checkable(menu_item(Options1, this, "ChangeSeedValueeverytimeGeneratorisCalled1",
                          "Change Seed Value every time Data Generator is called"),
                ws.change_seed_each_time);
  AutomaticallySaveJRVfilewhensavingresults1 =
      checkable(menu_item(Options1, this, "AutomaticallySaveJRVfilewhensavingresults1",
                          "Automatically Save JRV file when saving results"),
                ws.auto_save_input);
  bar->addMenu(Options1);

  Examples1 = named_menu(this, "Examples1", "Examples");
  SampleDataSet11 = menu_item(Examples1, this, "SampleDataSet11", "Sample Data Set #1");
  SampleDataSet21 = menu_item(Examples1, this, "SampleDataSet21", "Sample Data Set #2");
  SampleDataSet31 = menu_item(Examples1, this, "SampleDataSet31", "Sample Data Set #3");
  Examples1->addSeparator();
  ExampleDataShown1 = menu_item(Examples1, this, "ExampleDataShown1", "EXAMPLE DATA SHOWN 4 WAYS:");
  as_numeric1 = menu_item(Examples1, this, "as_numeric1", "    As Numeric Data (1, 2)");
  as_rightwrong1 = menu_item(Examples1, this, "as_rightwrong1", "    As Right-Wrong (1, 0=wrong)");
  as_letter1 = menu_item(Examples1, this, "as_letter1", "    As Letter Data (A, B)");
  as_truefalse1 = menu_item(Examples1, this, "as_truefalse1", "    As True-False (T, F)");
  as_mixture1 = menu_item(Examples1, this, "as_mixture1", "    As a Mixture");
  SecretSetupQZR11 = hidden_item(this, "SecretSetupQZR11", "Secret Setup QZR1",
                                 QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_B));
  bar->addMenu(Examples1);

  Help1 = named_menu(this, "Help1", "&Help");
  HowtoSpeciallsaveSPSSfiles1 =
      menu_item(Help1, this, "HowtoSpeciallsaveSPSSfiles1",
                "How to Insert a TEXT File (e.g., a specially-saved SPSS file)");
  Acknowledgements1 = menu_item(Help1, this, "Acknowledgements1", "Acknowledgements");
  License1 = menu_item(Help1, this, "License1", "&User Agreement");
  WhatsNew1 = menu_item(Help1, this, "WhatsNew1", "What's New");
  About1 = menu_item(Help1, this, "About1", "&About");
  bar->addMenu(Help1);
}

}  // namespace jrv::ui
