// The main window's Options menu: each switch and the analysis caption that follows it.

#include <QAction>
#include <QPushButton>

#include "core/settings/options_menu.h"
#include "ui/app/map_main_unit.h"
#include "ui/app/session.h"
#include "ui/settings/disc_form_unit.h"
#include "ui/settings/grade_form_unit.h"
#include "ui/settings/prob_unit.h"
#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"

namespace jrv::ui {

void TMapForm::note_option_changed() {
  const bool enabled = btn_analyze->isEnabled();
  btn_analyze->setText(to_q(analyze_caption_after_option_change(enabled)));
  if (enabled) btn_analyze->setFocus();
}

void TMapForm::SetPercentagesforGrades1Click() {
  note_option_changed();
  session_.windows.grade->open_from_main_window();
}

void TMapForm::PrintGradesonIndividualReports1Click() {
  note_option_changed();
  session_.ws.print_grades_on_reports = !session_.ws.print_grades_on_reports;
  PrintGradesonIndividualReports1->setChecked(session_.ws.print_grades_on_reports);
}

void TMapForm::RoundPercentageScoresforLetterGrades1Click() {
  note_option_changed();
  session_.ws.options.round_grade_percent = true;
  RoundPercentageScoresforLetterGrades1->setChecked(true);
}

void TMapForm::UseAbsolutePercentagesforLetterGrades1Click() {
  note_option_changed();
  session_.ws.options.round_grade_percent = false;
  UseAbsolutePercentagesforLetterGrades1->setChecked(true);
}

void TMapForm::SetPercentagesforItemDiscrimination1Click() {
  note_option_changed();
  session_.windows.disc->show_while_asked();
}

void TMapForm::SetCriteriaforProblemItems1Click() {
  note_option_changed();
  session_.windows.prob->open_window();
}

void TMapForm::ShowProblemItems1Click() {
  note_option_changed();
  toggle_suggest_problem_items(session_.ws.options);
  ShowProblemItems1->setChecked(session_.ws.options.suggest_problem_items);
}

void TMapForm::toggle_hide_labels() {
  AnalysisOptions& options = session_.ws.options;
  set_hide_labels(options, !options.hide_labels);
  HideExamineeLabelsnames1->setChecked(options.hide_labels);
  btn_unhide->setText(to_q(unhide_button_caption(options.hide_labels)));
  if (options.hide_labels) rdo_sort_scorClick();  // its check mark and the caption
}

void TMapForm::HideExamineeLabelsnames1Click() {
  toggle_hide_labels();
}

void TMapForm::btn_unhideClick() {
  toggle_hide_labels();
  if (btn_analyze->isEnabled()) btn_analyzeClick();
}

namespace {

void choose(QAction* item) {
  item->setChecked(true);
}

}  // namespace

void TMapForm::rdo_sort_noneClick() {
  note_option_changed();
  session_.ws.options.examinee_sort = ExamineeSort::none;
  choose(rdo_sort_none);
}

void TMapForm::rdo_sort_nameClick() {
  note_option_changed();
  session_.ws.options.examinee_sort = ExamineeSort::by_label;
  choose(rdo_sort_name);
}

void TMapForm::rdo_sort_scorClick() {
  note_option_changed();
  session_.ws.options.examinee_sort = ExamineeSort::by_score;
  choose(rdo_sort_scor);
}

void TMapForm::rdo_sort_numbClick() {
  note_option_changed();
  session_.ws.options.item_sort = ItemSort::item_number;
  choose(rdo_sort_numb);
}

void TMapForm::rdo_sort_diffClick() {
  note_option_changed();
  session_.ws.options.item_sort = ItemSort::difficulty;
  choose(rdo_sort_diff);
}

void TMapForm::rdo_sort_discClick() {
  note_option_changed();
  session_.ws.options.item_sort = ItemSort::discrimination;
  choose(rdo_sort_disc);
}

void TMapForm::rdo_sort_pbisClick() {
  note_option_changed();
  session_.ws.options.item_sort = ItemSort::point_biserial;
  choose(rdo_sort_pbis);
}

void TMapForm::rdo_sort_adjpClick() {
  note_option_changed();
  session_.ws.options.item_sort = ItemSort::adj_point_biserial;
  choose(rdo_sort_adjp);
}

void TMapForm::rdo_use_rawClick() {
  note_option_changed();
  session_.ws.options.band_units = BandUnits::raw;
  choose(rdo_use_raw);
}

void TMapForm::rdo_use_percentClick() {
  note_option_changed();
  session_.ws.options.band_units = BandUnits::percent;
  choose(rdo_use_percent);
}

void TMapForm::rdo_use_lettersClick() {
  note_option_changed();
  session_.windows.grade->use_grade_letters();  // reads the saved scale first
  session_.ws.options.band_units = BandUnits::letters;
  choose(rdo_use_letters);
}

void TMapForm::sync_option_marks() {
  const Workspace& ws = session_.ws;
  const AnalysisOptions& o = ws.options;
  PrintGradesonIndividualReports1->setChecked(ws.print_grades_on_reports);
  (o.round_grade_percent ? RoundPercentageScoresforLetterGrades1
                         : UseAbsolutePercentagesforLetterGrades1)
      ->setChecked(true);
  ShowProblemItems1->setChecked(o.suggest_problem_items);
  HideExamineeLabelsnames1->setChecked(o.hide_labels);
  btn_unhide->setText(to_q(unhide_button_caption(o.hide_labels)));
  switch (o.examinee_sort) {
    case ExamineeSort::none:
      rdo_sort_none->setChecked(true);
      break;
    case ExamineeSort::by_label:
      rdo_sort_name->setChecked(true);
      break;
    case ExamineeSort::by_score:
      rdo_sort_scor->setChecked(true);
      break;
  }
  switch (o.item_sort) {
    case ItemSort::item_number:
      rdo_sort_numb->setChecked(true);
      break;
    case ItemSort::difficulty:
      rdo_sort_diff->setChecked(true);
      break;
    case ItemSort::discrimination:
      rdo_sort_disc->setChecked(true);
      break;
    case ItemSort::point_biserial:
      rdo_sort_pbis->setChecked(true);
      break;
    case ItemSort::adj_point_biserial:
      rdo_sort_adjp->setChecked(true);
      break;
  }
  switch (o.band_units) {
    case BandUnits::raw:
      rdo_use_raw->setChecked(true);
      break;
    case BandUnits::percent:
      rdo_use_percent->setChecked(true);
      break;
    case BandUnits::letters:
      rdo_use_letters->setChecked(true);
      break;
  }
  ChangeSeedValueeverytimeGeneratorisCalled1->setChecked(ws.change_seed_each_time);
  AutomaticallySaveJRVfilewhensavingresults1->setChecked(ws.auto_save_input);
}

void TMapForm::ChangeSeedValueeverytimeGeneratorisCalled1Click() {
  auto& change = session_.ws.change_seed_each_time;
  change = !change;
  ChangeSeedValueeverytimeGeneratorisCalled1->setChecked(change);
}

void TMapForm::AutomaticallySaveJRVfilewhensavingresults1Click() {
  auto& automatic = session_.ws.auto_save_input;
  automatic = !automatic;
  AutomaticallySaveJRVfilewhensavingresults1->setChecked(automatic);
}

}  // namespace jrv::ui
