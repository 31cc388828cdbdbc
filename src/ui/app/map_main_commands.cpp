// The main window's commands: going to the data editor, the analysis run, the views.

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>

#include "ui/app/map_main_unit.h"
#include "ui/app/session.h"
#include "ui/input/data_entry_unit.h"
#include "ui/reports/quick_view_unit.h"
#include "ui/reports/results_form_unit.h"
#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"
#include "ui/support/remembered.h"

namespace jrv::ui {

namespace {

const QString kAnalyze = QStringLiteral("Analyze (F9)");
const QString kAnalyzeNew = QStringLiteral("Analyze with NEW Options (F9)");
const QString kExamineeResults = QStringLiteral("QUICK EXAMINEE RESULTS");

}  // namespace

void TMapForm::connect_handlers() {
  // A disabled menu does not stop its items' shortcuts in Qt, so each item asks its menu.
  const auto on = [this](QAction* a, QMenu* menu, void (TMapForm::*handler)()) {
    connect(a, &QAction::triggered, this, [this, menu, handler] {
      if (menu == nullptr || menu->isEnabled()) (this->*handler)();
    });
  };
  connect(btn_gotodata, &QPushButton::clicked, this, &TMapForm::btn_gotodataClick);
  for (auto* r : {rdo_enter_data, rdo_read_file, rdo_spss_file, rdo_generate, rdo_edit_data}) {
    connect(r, &QRadioButton::clicked, this, &TMapForm::rdo_inputClick);
  }
  connect(chk_save_score_file, &QCheckBox::clicked, this, &TMapForm::chk_save_score_fileClick);
  connect(chk_save_item_file, &QCheckBox::clicked, this, &TMapForm::chk_save_item_fileClick);
  connect(chk_save_opt_file, &QCheckBox::clicked, this, &TMapForm::chk_save_opt_fileClick);
  connect(chk_save_rpt_file, &QCheckBox::clicked, this, &TMapForm::chk_save_rpt_fileClick);
  connect(txt_results_name, &QLineEdit::textChanged, this, &TMapForm::txt_results_nameChange);

  connect(btn_analyze, &QPushButton::clicked, this, &TMapForm::btn_analyzeClick);
  connect(btn_view_examinee, &QPushButton::clicked, this, &TMapForm::btn_view_examineeClick);
  connect(btn_saveresults, &QPushButton::clicked, this, &TMapForm::btn_saveresultsClick);
  connect(btn_view_q_exam, &QPushButton::clicked, this, &TMapForm::ViewExam1Click);
  connect(btn_view_q_item, &QPushButton::clicked, this, &TMapForm::ViewItem1Click);
  connect(btn_view_options, &QPushButton::clicked, this, &TMapForm::ViewOptions1Click);
  connect(btn_unhide, &QPushButton::clicked, this, &TMapForm::btn_unhideClick);

  on(CreateNewDataFile1, File1, &TMapForm::CreateNewDataFile1Click);
  on(OpenJRVinputFile1, File1, &TMapForm::OpenJRVinputFile1Click);
  on(OpenInputFilefromapreviousJRVversion1, File1,
     &TMapForm::OpenInputFilefromapreviousJRVversion1Click);
  on(SaveJRVInputFile1, File1, &TMapForm::SaveJRVInputFile1Click);
  on(ViewResults1, File1, &TMapForm::btn_view_examineeClick);
  on(SaveResults1, File1, &TMapForm::btn_saveresultsClick);
  on(ViewExam1, File1, &TMapForm::ViewExam1Click);
  on(ViewItem1, File1, &TMapForm::ViewItem1Click);
  on(ViewOptions1, File1, &TMapForm::ViewOptions1Click);
  on(ViewGradeReports1, File1, &TMapForm::ViewGradeReports1Click);
  on(SaveGradeReports1, File1, &TMapForm::SaveGradeReports1Click);
  on(SaveItemFile1, File1, &TMapForm::SaveItemFile1Click);
  on(SaveRightWrongData1, File1, &TMapForm::SaveRightWrongData1Click);
  on(SetALTfileOK1, File1, &TMapForm::SetALTfileOK1Click);
  on(SaveALTfile1, File1, &TMapForm::SaveALTfile1Click);
  on(Generate1, File1, &TMapForm::Generate1Click);
  on(Exit1, File1, &TMapForm::Exit1Click);

  on(Analyze1, Run1, &TMapForm::btn_analyzeClick);
  on(SpearmanBrownProphecy1, Run1, &TMapForm::SpearmanBrownProphecy1Click);

  on(SetPercentagesforGrades1, Options1, &TMapForm::SetPercentagesforGrades1Click);
  on(PrintGradesonIndividualReports1, Options1, &TMapForm::PrintGradesonIndividualReports1Click);
  on(RoundPercentageScoresforLetterGrades1, Options1,
     &TMapForm::RoundPercentageScoresforLetterGrades1Click);
  on(UseAbsolutePercentagesforLetterGrades1, Options1,
     &TMapForm::UseAbsolutePercentagesforLetterGrades1Click);
  on(SetPercentagesforItemDiscrimination1, Options1,
     &TMapForm::SetPercentagesforItemDiscrimination1Click);
  on(SetCriteriaforProblemItems1, Options1, &TMapForm::SetCriteriaforProblemItems1Click);
  on(ShowProblemItems1, Options1, &TMapForm::ShowProblemItems1Click);
  on(HideExamineeLabelsnames1, Options1, &TMapForm::HideExamineeLabelsnames1Click);
  on(rdo_sort_none, Options1, &TMapForm::rdo_sort_noneClick);
  on(rdo_sort_name, Options1, &TMapForm::rdo_sort_nameClick);
  on(rdo_sort_scor, Options1, &TMapForm::rdo_sort_scorClick);
  on(rdo_sort_numb, Options1, &TMapForm::rdo_sort_numbClick);
  on(rdo_sort_diff, Options1, &TMapForm::rdo_sort_diffClick);
  on(rdo_sort_disc, Options1, &TMapForm::rdo_sort_discClick);
  on(rdo_sort_pbis, Options1, &TMapForm::rdo_sort_pbisClick);
  on(rdo_sort_adjp, Options1, &TMapForm::rdo_sort_adjpClick);
  on(rdo_use_raw, Options1, &TMapForm::rdo_use_rawClick);
  on(rdo_use_percent, Options1, &TMapForm::rdo_use_percentClick);
  on(rdo_use_letters, Options1, &TMapForm::rdo_use_lettersClick);
  on(ChangeSeedValueeverytimeGeneratorisCalled1, Options1,
     &TMapForm::ChangeSeedValueeverytimeGeneratorisCalled1Click);
  on(AutomaticallySaveJRVfilewhensavingresults1, Options1,
     &TMapForm::AutomaticallySaveJRVfilewhensavingresults1Click);

  on(HowtoSpeciallsaveSPSSfiles1, Help1, &TMapForm::HowtoSpeciallsaveSPSSfiles1Click);
  on(Acknowledgements1, Help1, &TMapForm::Acknowledgements1Click);
  on(License1, Help1, &TMapForm::License1Click);
  on(WhatsNew1, Help1, &TMapForm::WhatsNew1Click);
  on(About1, Help1, &TMapForm::About1Click);
}

void TMapForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (centred_) return;
  centred_ = true;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
  }
}

void TMapForm::rdo_inputClick() {
  btn_gotodata->setFocus();
}

void TMapForm::chk_save_score_fileClick() {
  session_.ws.save_exm = chk_save_score_file->isChecked();
  if (!session_.ws.save_exm) txt_score_filename->clear();
}

void TMapForm::chk_save_item_fileClick() {
  session_.ws.save_itm = chk_save_item_file->isChecked();
  if (!session_.ws.save_itm) txt_item_filename->clear();
}

void TMapForm::chk_save_opt_fileClick() {
  session_.ws.save_opt = chk_save_opt_file->isChecked();
}
void TMapForm::chk_save_rpt_fileClick() {
  session_.ws.save_rpt = chk_save_rpt_file->isChecked();
}

void TMapForm::txt_results_nameChange() {
  txt_map_name->setText(txt_results_name->text());
}

// ---- Going to the data editor ------------------------------------------------------------

void TMapForm::disable_result_commands() {
  // The results on screen belong to the test before the editor; saving or printing them
  // under the edited test's title would mix two tests.
  btn_saveresults->setEnabled(false);
  for (auto* a :
       {SaveItemFile1, SaveResults1, ViewResults1, ViewExam1, ViewItem1, ViewOptions1,
        SaveRightWrongData1, SpearmanBrownProphecy1, SaveGradeReports1, ViewGradeReports1}) {
    a->setEnabled(false);
  }
}

void TMapForm::enter_no_data_state() {
  session_.loading_example = false;
  session_.doc.include_changed = false;
  btn_analyze->setEnabled(false);
  disable_result_commands();
  lbl_t->hide();
  txt_t->hide();
  txt_t->clear();
  GroupBox3->setTitle(kExamineeResults);
  for (auto* b : {btn_view_examinee, btn_view_q_exam, btn_view_q_item, btn_view_options}) {
    b->setEnabled(false);
  }
  session_.ws.options.band_units = BandUnits::raw;
  rdo_use_raw->setChecked(true);
  Run1->setEnabled(false);
  session_.data_valid = false;
}

void TMapForm::btn_gotodataClick() {
  run_go_to_data_editor();
}

void TMapForm::run_go_to_data_editor() {
  int mode = kEditCurrent;
  if (rdo_enter_data->isChecked()) mode = kNewData;
  if (rdo_read_file->isChecked()) mode = kOpenFile;
  if (rdo_spss_file->isChecked()) mode = kInsertTextFile;
  if (rdo_generate->isChecked()) mode = kGenerate;
  if (mode != kEditCurrent && !maybe_save_test()) return;
  enter_no_data_state();
  session_.editor_start_mode = mode;
  if (mode != kEditCurrent) {
    memo_items->clear();
    session_.ws.right_wrong_mode = false;
    if (mode == kGenerate) memo_results->clear();
  }
  session_.windows.edit->refresh_convert_menu();
  if (mode != kEditCurrent) {
    session_.input_saved = false;
    session_.doc.input_opened = false;
    session_.current_file_name.clear();
  }
  session_.editor_accepted = false;
  show_editor_while_reopen();
  analyse_after_editor();
}

void TMapForm::analyse_edited_test() {
  rdo_edit_data->setChecked(true);
  enter_no_data_state();
  session_.editor_start_mode = kEditCurrent;
  session_.editor_accepted = false;
  session_.reopen_editor = false;
  session_.windows.edit->btn_doneClick();
  if (session_.reopen_editor) show_editor_while_reopen();
  analyse_after_editor();
}

void TMapForm::analyse_after_editor() {
  if (!btn_analyze->isEnabled()) return;
  if (session_.editor_accepted && session_.data_valid) {
    btn_analyzeClick();
  } else {
    btn_analyze->setText(kAnalyze);
    btn_analyze->setFocus();
  }
}

void TMapForm::show_editor_while_reopen() {
  session_.reopen_editor = true;
  while (session_.reopen_editor) {
    session_.reopen_editor = false;
    session_.prompter.show_modal(*session_.windows.edit);
  }
}

void TMapForm::Generate1Click() {
  if (!maybe_save_test()) return;
  btn_analyze->setEnabled(false);
  disable_result_commands();
  btn_unhide->hide();
  lbl_t->hide();
  txt_t->hide();
  txt_t->clear();
  GroupBox3->setTitle(kExamineeResults);
  for (auto* b : {btn_view_examinee, btn_view_q_exam, btn_view_q_item, btn_view_options}) {
    b->setEnabled(false);
  }
  Run1->setEnabled(false);
  session_.ws.right_wrong_mode = false;
  session_.windows.edit->refresh_convert_menu();
  session_.editor_start_mode = kGenerateHidden;
  Label6->hide();
  txt_map_name->setText("UNSAVED");
  session_.input_saved = false;
  session_.doc.input_opened = false;
  session_.current_file_name.clear();
  session_.ws.change_seed_each_time = false;
  ChangeSeedValueeverytimeGeneratorisCalled1->setChecked(false);
  show_editor_while_reopen();
  if (btn_analyze->isEnabled()) btn_analyze->setFocus();
}

bool TMapForm::maybe_save_test() {
  if (before_test_replaced && !before_test_replaced()) return false;
  TEditForm& editor = *session_.windows.edit;
  if (editor.isVisible()) editor.store_fields();
  if (!session_.test_changed()) return true;
  QWidget* parent = editor.isVisible() ? static_cast<QWidget*>(&editor) : this;
  switch (session_.prompter.save_question(parent, "Save changes to the test?")) {
    case SaveChoice::save:
      return editor.save_test();
    case SaveChoice::discard:
      return true;
    case SaveChoice::cancel:
      break;
  }
  return false;
}

void TMapForm::closeEvent(QCloseEvent* event) {
  // Without an editor yet (a start timed to the first paint) nothing can have been typed.
  if (session_.windows.edit == nullptr || maybe_save_test())
    event->accept();
  else
    event->ignore();
}

void TMapForm::CreateNewDataFile1Click() {
  rdo_enter_data->setChecked(true);
  btn_gotodataClick();
}

void TMapForm::OpenJRVinputFile1Click() {
  rdo_read_file->setChecked(true);
  btn_gotodataClick();
}

// ---- What the editor hands back ----------------------------------------------------------

void TMapForm::show_title_line(const QString& text) {
  txt_t->setText(text);
  btn_unhide->show();
  lbl_t->show();
  txt_t->show();
}

void TMapForm::editor_accepted_update(const QString& map_name, const QString& results_name,
                                      const QString& title_line) {
  txt_map_name->hide();
  Label5->hide();
  Label5->setText("JRV Filename:");
  Label6->hide();
  txt_map_name->setText(map_name);
  txt_results_name->setText(results_name);
  Run1->setEnabled(true);
  btn_analyze->setEnabled(true);
  show_title_line(title_line);
  rdo_edit_data->setChecked(true);
  SaveJRVInputFile1->setEnabled(true);
}

void TMapForm::set_view_buttons_enabled(bool enabled) {
  for (auto* b : {btn_view_examinee, btn_view_q_exam, btn_view_q_item}) b->setEnabled(enabled);
}

void TMapForm::editor_cancelled_update() {
  txt_map_name->hide();
  Label6->hide();
  Label5->hide();
  Label5->setText("Must click OK when leaving editor");
  rdo_edit_data->setChecked(true);
  SaveJRVInputFile1->setEnabled(false);
}

void TMapForm::input_file_saved_update() {
  Label6->hide();
  remembered::add_recent_test(from_path(session_.output_input_path));
}

// ---- The analysis run --------------------------------------------------------------------

void TMapForm::set_run_state(bool running) {
  for (auto* b :
       {btn_saveresults, btn_view_examinee, btn_view_q_exam, btn_view_q_item, btn_view_options}) {
    b->setEnabled(!running);
  }
  for (auto* m : {File1, Run1, Options1, Help1}) m->setEnabled(!running);
}

void TMapForm::btn_analyzeClick() {
  if (!btn_analyze->isEnabled()) return;
  btn_analyze->setEnabled(false);
  session_.ws.alt_file_ok = false;  // "Set ALT file OK" holds until the next run only
  set_run_state(true);
  lbl_t->hide();
  txt_t->hide();
  txt_t->clear();
  GroupBox3->setTitle(kExamineeResults);
  const int n = session_.ws.num_cases;
  SaveGradeReports1->setEnabled(n <= 500);
  ViewGradeReports1->setEnabled(n <= 200);
  memo_results->clear();
  memo_items->clear();
  if (!run_core_analysis()) {
    // The menus come back so that the user can mend the test; the results stay disabled.
    for (auto* m : {File1, Options1, Help1}) m->setEnabled(true);
    return;
  }
  const ReportTexts& texts = session_.ws.reports;
  show_report_lines(*memo_results, texts.quick_examinee);
  show_report_lines(*memo_items, texts.quick_items);
  session_.windows.results->set_results(texts.full_results);
  finish_analysis();
}

void TMapForm::finish_analysis() {
  for (auto* a : {SaveItemFile1, SaveResults1, ViewResults1, ViewExam1, ViewItem1, ViewOptions1,
                  SaveRightWrongData1, SpearmanBrownProphecy1}) {
    a->setEnabled(true);
  }
  set_run_state(false);
  btn_analyze->setEnabled(true);
  btn_analyze->setText(kAnalyze);
  btn_unhide->show();
  lbl_t->show();
  txt_t->show();
  const Workspace& ws = session_.ws;
  txt_t->setText(to_q(ws.comments.empty() ? ws.title : ws.title + " (" + ws.comments + ")"));
  btn_view_examinee->setFocus();
}

// ---- Views -------------------------------------------------------------------------------

void TMapForm::btn_view_examineeClick() {
  btn_saveresults->setFocus();
  TResultsForm* viewer = session_.windows.results;
  viewer->btn_grades->setEnabled(session_.ws.grade_scale.grade_category_count > 0);
  viewer->show();
  viewer->raise();
  viewer->activateWindow();
}

void TMapForm::ViewExam1Click() {
  fill_quick_view_exam();
  session_.windows.quick_view->show();
  session_.windows.quick_view->raise();
}

void TMapForm::ViewItem1Click() {
  fill_quick_view_item();
  session_.windows.quick_view->show();
  session_.windows.quick_view->raise();
}

}  // namespace jrv::ui
