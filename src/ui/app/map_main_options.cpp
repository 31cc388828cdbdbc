// The main window's Options menu: each switch and the analysis caption that follows it.

#include <QAction>
#include <QPushButton>

#include "ui/app/map_main_unit.h"
#include "ui/app/session.h"
#include "ui/settings/disc_form_unit.h"
#include "ui/settings/grade_form_unit.h"
#include "ui/settings/prob_unit.h"
#include "ui/support/prompter.h"

namespace jrv::ui {

void TMapForm::note_option_changed() {
  if (btn_analyze->isEnabled()) {
    btn_analyze->setText("Analyze with NEW Options (F9)");
    btn_analyze->setFocus();
  } else {
    btn_analyze->setText("Analyze (F9)");
  }
}

void TMapForm::SetPercentagesforGrades1Click() {
  note_option_changed();
  session_.prompter.show_modal(*session_.windows.grade);
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
  session_.prompter.show_modal(*session_.windows.disc);
}

void TMapForm::SetCriteriaforProblemItems1Click() {
  note_option_changed();
  session_.prompter.show_modal(*session_.windows.prob);
}

void TMapForm::ShowProblemItems1Click() {
  note_option_changed();
  auto& suggest = session_.ws.options.suggest_problem_items;
  suggest = !suggest;
  ShowProblemItems1->setChecked(suggest);
}

void TMapForm::toggle_hide_labels() {
  auto& hide = session_.ws.options.hide_labels;
  hide = !hide;
  HideExamineeLabelsnames1->setChecked(hide);
  if (hide) {
    btn_unhide->setText("UN-Hide names");
    rdo_sort_scorClick();
  } else {
    btn_unhide->setText("Hide names");
  }
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
  session_.ws.options.band_units = BandUnits::letters;
  choose(rdo_use_letters);
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
