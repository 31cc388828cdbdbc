// The Examples menu: each built-in test is loaded with its settings chosen as a user
// would choose them, and the data editor opens on it.

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "core/generate/example_sets.h"
#include "ui/app/map_main_unit.h"
#include "ui/app/session.h"
#include "ui/input/data_entry_unit.h"
#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"

namespace jrv::ui {

void TMapForm::connect_examples() {
  const auto on = [this](QAction* a, void (TMapForm::*handler)()) {
    connect(a, &QAction::triggered, this, [this, handler] {
      if (Examples1->isEnabled()) (this->*handler)();
    });
  };
  on(SampleDataSet11, &TMapForm::SampleDataSet11Click);
  on(SampleDataSet21, &TMapForm::SampleDataSet21Click);
  on(SampleDataSet31, &TMapForm::SampleDataSet31Click);
  on(as_numeric1, &TMapForm::as_numeric1Click);
  on(as_rightwrong1, &TMapForm::as_rightwrong1Click);
  on(as_letter1, &TMapForm::as_letter1Click);
  on(as_truefalse1, &TMapForm::as_truefalse1Click);
  on(as_mixture1, &TMapForm::as_mixture1Click);
  on(SecretSetupQZR11, &TMapForm::SecretSetupQZR11Click);
  // The caption above the coded examples only introduces them.
  ExampleDataShown1->setEnabled(false);
}

void TMapForm::load_example_set(int set) {
  if (!maybe_save_test()) return;
  session_.loading_example = true;
  memo_results->clear();
  memo_items->clear();
  session_.current_file_name.clear();
  txt_results_name->clear();
  txt_map_name->clear();
  session_.doc.input_opened = false;
  session_.input_saved = false;
  session_.output_input_path.clear();
  session_.editor_start_mode = kEditCurrent;
  rdo_edit_data->setChecked(true);

  const CheckResult loaded = load_example(static_cast<ExampleSet>(set), session_.doc, session_.ws);
  TEditForm& editor = *session_.windows.edit;
  editor.remember_as_saved();  // a built-in example can be loaded again at any time
  editor.refresh_rulers();
  editor.refresh_convert_menu();
  sync_option_marks();
  show_messages(session_.prompter, this, loaded);

  session_.loading_example = false;
  btn_gotodataClick();
}

void TMapForm::SampleDataSet11Click() {
  load_example_set(static_cast<int>(ExampleSet::sample1));
}
void TMapForm::SampleDataSet21Click() {
  load_example_set(static_cast<int>(ExampleSet::sample2));
}
void TMapForm::SampleDataSet31Click() {
  load_example_set(static_cast<int>(ExampleSet::sample3));
}
void TMapForm::as_numeric1Click() {
  load_example_set(static_cast<int>(ExampleSet::numeric));
}
void TMapForm::as_rightwrong1Click() {
  load_example_set(static_cast<int>(ExampleSet::right_wrong));
}
void TMapForm::as_letter1Click() {
  load_example_set(static_cast<int>(ExampleSet::letter));
}
void TMapForm::as_truefalse1Click() {
  load_example_set(static_cast<int>(ExampleSet::true_false));
}
void TMapForm::as_mixture1Click() {
  load_example_set(static_cast<int>(ExampleSet::mixture));
}
void TMapForm::SecretSetupQZR11Click() {
  load_example_set(static_cast<int>(ExampleSet::qzr1));
}

}  // namespace jrv::ui
