#include "ui/generate/gen_form_unit.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/input/table_of_specs.h"
#include "ui/app/session.h"
#include "ui/input/data_entry_unit.h"
#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"
#include "ui/support/widgets.h"

namespace jrv::ui {

TGenForm::TGenForm(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName("TGenForm");
  setWindowTitle("Data Generation Information");
  draw_seed = [this] { return seed_source_.next(); };
  auto* outer = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  edit_num_cases = named<QLineEdit>(this, "edit_num_cases", "20");
  edit_num_items = named<QLineEdit>(this, "edit_num_items", "30");
  edit_seed = named<QLineEdit>(this, "edit_seed", "1804");
  for (auto* f : {edit_num_cases, edit_num_items, edit_seed}) f->setMaximumWidth(110);
  Button1 = named<QPushButton>(this, "Button1", "Set a New &Random Seed");
  Button1->setAutoDefault(false);
  auto* seed_row = new QHBoxLayout;
  seed_row->addWidget(edit_seed);
  seed_row->addWidget(Button1);
  seed_row->addStretch(1);
  form->addRow("Number of &Cases to Generate (max 9999):", edit_num_cases);
  form->addRow("Number of &Items on Test (max 100):", edit_num_items);
  auto* seed_label = new QLabel("&Seed for Data Generation:", this);
  seed_label->setBuddy(edit_seed);
  form->addRow(seed_label, seed_row);
  outer->addLayout(form);

  auto* middle = new QHBoxLayout;
  auto* options = new QGroupBox("# of Options per Item:", this);
  auto* options_column = new QVBoxLayout(options);
  rdo_2 = named<QRadioButton>(options, "rdo_2", "&2");
  rdo_3 = named<QRadioButton>(options, "rdo_3", "&3");
  rdo_4 = named<QRadioButton>(options, "rdo_4", "&4");
  rdo_5 = named<QRadioButton>(options, "rdo_5", "&5");
  rdo_mix = named<QRadioButton>(options, "rdo_mix", "&Mix It Up");
  for (auto* r : {rdo_2, rdo_3, rdo_4, rdo_5, rdo_mix}) options_column->addWidget(r);
  options_column->addStretch(1);
  middle->addWidget(options);
  auto* difficulty = new QGroupBox("Difficulty of Exam:", this);
  auto* difficulty_column = new QVBoxLayout(difficulty);
  rdo_easiest = named<QRadioButton>(difficulty, "rdo_easiest",
                                    "&Extremely Easy Exam (a mean score near 95%)");
  rdo_veryeasy =
      named<QRadioButton>(difficulty, "rdo_veryeasy", "&Very Easy Exam (a mean score near 90%)");
  rdo_easy =
      named<QRadioButton>(difficulty, "rdo_easy", "Re&latively Easy Exam (a mean score near 80%)");
  rdo_medium = named<QRadioButton>(difficulty, "rdo_medium",
                                   "Mo&derately Difficult Exam (a mean score near 70%)");
  rdo_hard =
      named<QRadioButton>(difficulty, "rdo_hard", "&Fairly Difficult Exam (a mean score near 60%)");
  rdo_veryhard = named<QRadioButton>(difficulty, "rdo_veryhard",
                                     "Very Diffic&ult Exam (a mean score near 50%)");
  rdo_hardest = named<QRadioButton>(difficulty, "rdo_hardest",
                                    "Extremely Difficul&t Exam (a mean score near 40%)");
  for (auto* r :
       {rdo_easiest, rdo_veryeasy, rdo_easy, rdo_medium, rdo_hard, rdo_veryhard, rdo_hardest}) {
    difficulty_column->addWidget(r);
  }
  middle->addWidget(difficulty, 1);
  outer->addLayout(middle);

  auto* coding = new QGroupBox(this);
  auto* coding_column = new QVBoxLayout(coding);
  gen_num = named<QRadioButton>(coding, "gen_num", "Generate Data as &Numbers (1,2,3,4,5, etc.)");
  gen_let = named<QRadioButton>(coding, "gen_let", "Generate Data as Letters (&A,B,C,D,E,etc.)");
  coding_column->addWidget(gen_num);
  coding_column->addWidget(gen_let);
  outer->addWidget(coding);

  lbl_largen = named<QLabel>(
      this, "lbl_largen",
      "Unfortunately, when generating a large number of cases, sometimes this window doesn't "
      "close after the data are generated.  If that occurs, simply click on the Data Editor "
      "window to continue. ");
  lbl_largen->setWordWrap(true);
  lbl_largen->hide();
  outer->addWidget(lbl_largen);

  auto* buttons = new QHBoxLayout;
  btn_generate = named<QPushButton>(this, "btn_generate", "&Generate");
  btn_cancel = named<QPushButton>(this, "btn_cancel", "Cancel");
  btn_generate->setDefault(true);
  buttons->addStretch(1);
  buttons->addWidget(btn_generate);
  buttons->addWidget(btn_cancel);
  outer->addLayout(buttons);
  connect(btn_generate, &QPushButton::clicked, this, &TGenForm::btn_generateClick);
  connect(btn_cancel, &QPushButton::clicked, this, &TGenForm::btn_cancelClick);
  connect(Button1, &QPushButton::clicked, this, &TGenForm::Button1Click);
  load_fields();
}

void TGenForm::store_fields() {
  GeneratorFields& f = fields_;
  f.num_cases = from_q(edit_num_cases->text());
  f.num_items = from_q(edit_num_items->text());
  f.seed = from_q(edit_seed->text());
  f.options = rdo_2->isChecked()   ? GenOptions::two
              : rdo_3->isChecked() ? GenOptions::three
              : rdo_4->isChecked() ? GenOptions::four
              : rdo_5->isChecked() ? GenOptions::five
                                   : GenOptions::mix;
  f.difficulty = rdo_easiest->isChecked()    ? GenDifficulty::easiest
                 : rdo_veryeasy->isChecked() ? GenDifficulty::very_easy
                 : rdo_easy->isChecked()     ? GenDifficulty::easy
                 : rdo_hard->isChecked()     ? GenDifficulty::hard
                 : rdo_veryhard->isChecked() ? GenDifficulty::very_hard
                 : rdo_hardest->isChecked()  ? GenDifficulty::hardest
                                             : GenDifficulty::medium;
  f.letters = gen_let->isChecked();
}

void TGenForm::load_fields() {
  const GeneratorFields& f = fields_;
  edit_num_cases->setText(to_q(f.num_cases));
  edit_num_items->setText(to_q(f.num_items));
  edit_seed->setText(to_q(f.seed));
  switch (f.options) {
    case GenOptions::two:
      rdo_2->setChecked(true);
      break;
    case GenOptions::three:
      rdo_3->setChecked(true);
      break;
    case GenOptions::four:
      rdo_4->setChecked(true);
      break;
    case GenOptions::five:
      rdo_5->setChecked(true);
      break;
    case GenOptions::mix:
      rdo_mix->setChecked(true);
      break;
  }
  switch (f.difficulty) {
    case GenDifficulty::easiest:
      rdo_easiest->setChecked(true);
      break;
    case GenDifficulty::very_easy:
      rdo_veryeasy->setChecked(true);
      break;
    case GenDifficulty::easy:
      rdo_easy->setChecked(true);
      break;
    case GenDifficulty::medium:
      rdo_medium->setChecked(true);
      break;
    case GenDifficulty::hard:
      rdo_hard->setChecked(true);
      break;
    case GenDifficulty::very_hard:
      rdo_veryhard->setChecked(true);
      break;
    case GenDifficulty::hardest:
      rdo_hardest->setChecked(true);
      break;
  }
  (f.letters ? gen_let : gen_num)->setChecked(true);
  lbl_largen->setVisible(f.show_largen);
}

void TGenForm::run(bool quick_mode) {
  store_fields();
  prepare_generator_window(fields_, gen_session_, quick_mode, session_.ws.change_seed_each_time,
                           draw_seed);
  load_fields();
  pending_focus_ = "edit_num_cases";
  while (gen_session_.reopen_generator) {
    gen_session_.reopen_generator = false;
    if (auto* w = findChild<QLineEdit*>(pending_focus_)) {
      w->setFocus();
      w->selectAll();
    }
    session_.prompter.show_modal(*this);
  }
  reset_spec_table(session_.doc.spec_table, session_.ws);
  session_.editor_start_mode = kEditCurrent;
  if (isVisible()) reject();
}

void TGenForm::btn_generateClick() {
  store_fields();
  const CheckResult result = generate_data(fields_, session_.doc, session_.ws, rng_);
  load_fields();  // the seed as used, the large-N note
  show_messages(session_.prompter, this, result);
  if (!result.focus.empty()) pending_focus_ = to_q(result.focus);
  gen_session_.reopen_generator = result.failed;
  if (!result.failed) session_.windows.edit->load_fields();
  session_.editor_start_mode = kEditCurrent;
  if (result.failed) {
    reject();
  } else {
    accept();
  }
}

void TGenForm::btn_cancelClick() {
  gen_session_.reopen_generator = false;
  session_.editor_start_mode = kEditCurrent;
  reject();
}

void TGenForm::Button1Click() {
  store_fields();
  fields_.seed = std::to_string(draw_seed());
  load_fields();
}

}  // namespace jrv::ui
