// The data editor's doors to its side windows: older input files, alternative answers,
// partial credit, the table of specifications, the generator and the hidden example.

#include <QAction>
#include <QLabel>
#include <QLineEdit>

#include "core/generate/example_sets.h"
#include "core/input/alternative_answers.h"
#include "core/input/legacy_readers.h"
#include "core/text/convert.h"
#include "core/text/messages.h"
#include "ui/app/map_main_unit.h"
#include "ui/app/session.h"
#include "ui/generate/gen_form_unit.h"
#include "ui/input/answer_form_unit.h"
#include "ui/input/data_entry_unit.h"
#include "ui/input/pc_unit.h"
#include "ui/input/table_unit.h"
#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"
#include "ui/support/remembered.h"

namespace jrv::ui {

void TEditForm::connect_side_windows() {
  const auto on = [this](QAction* a, void (TEditForm::*handler)()) {
    connect(a, &QAction::triggered, this, handler);
  };
  on(OpenJRVv330File1, &TEditForm::OpenJRVv330File1Click);
  on(OpenJRVv42xFile1, &TEditForm::OpenJRVv42xFile1Click);
  on(OpenJRVv5xxInputFile1, &TEditForm::OpenJRVv5xxInputFile1Click);
  on(SaveCommaDelimited01Data1, &TEditForm::SaveCommaDelimited01Data1Click);
  on(SaveCommaDelimitedRawData1, &TEditForm::SaveCommaDelimitedRawData1Click);
  on(Insert1, &TEditForm::Insert1Click);
  on(InsertDataKey1, &TEditForm::InsertDataKey1Click);
  on(SaveData1, &TEditForm::SaveData1Click);
  on(ConvertDatatoRightWrongData1, &TEditForm::ConvertDatatoRightWrongData1Click);
  on(ConvertBacktoOriginalData1, &TEditForm::ConvertBacktoOriginalData1Click);
  on(ConvertDatatoNumbers1, &TEditForm::ConvertDatatoNumbers1Click);
  on(ConvertDatatoLetters1, &TEditForm::ConvertDatatoLetters1Click);
  on(ConvertDatabacktoOriginalLines1, &TEditForm::ConvertDatabacktoOriginalLines1Click);
  on(DataareRightWrongData1, &TEditForm::DataareRightWrongData1Click);
  on(SetTableofSpecifications1, &TEditForm::SetTableofSpecifications1Click);
  on(SetAlternativeCorrectAnswers1, &TEditForm::SetAlternativeCorrectAnswers1Click);
  on(PartialCredit1, &TEditForm::PartialCredit1Click);
  on(HowToImportVKMTestscoreData1, &TEditForm::HowToImportVKMTestscoreData1Click);
  on(InsertTESTSCOREdata1, &TEditForm::InsertTESTSCOREdata1Click);
  on(SecretSetupQZL11, &TEditForm::SecretSetupQZL11Click);
  refresh_convert_menu();  // the start state, before the editor is first shown
}

void TEditForm::open_input_version(int version) {
  if (version == 6) {
    Open1Click();
    return;
  }
  store_fields();
  if (!session_.windows.map->maybe_save_test()) return;
  FileDialogSpec spec;
  spec.default_extension = "jrv";
  spec.filter = "JRV files (*.jrv)|*.jrv";
  const auto path = file_to_open_or_ask(spec);
  if (!path) return;
  const OpenResult result =
      open_legacy_input_file(version, to_path(*path), session_.doc, session_.ws);
  show_opened(result, *path);
}

void TEditForm::OpenJRVv330File1Click() {
  open_input_version(3);
}
void TEditForm::OpenJRVv42xFile1Click() {
  open_input_version(4);
}
void TEditForm::OpenJRVv5xxInputFile1Click() {
  open_input_version(5);
}

void TEditForm::SetAlternativeCorrectAnswers1Click() {
  store_fields();
  const AltSetup setup = set_up_alternative_answers(session_.doc, session_.ws);
  load_fields();  // an empty include line was filled
  if (!setup.show_window) {
    show_check(setup.check);
    return;
  }
  session_.windows.answer->show_while_asked();
}

void TEditForm::PartialCredit1Click() {
  store_fields();
  session_.windows.pc->open_window();
}

void TEditForm::SetTableofSpecifications1Click() {
  const auto items = parse_int(from_q(txt_items->text()));
  if (!items || *items < 1 || *items > kMaxItems) return;  // the item only works then
  session_.windows.table->show_for_items(*items);
}

void TEditForm::run_generator(bool quick_mode) {
  store_fields();
  session_.windows.gen->run(quick_mode);
}

void TEditForm::GenerateData1Click() {
  store_fields();
  if (!session_.windows.map->maybe_save_test()) return;
  run_generator(false);
}

void TEditForm::SecretSetupQZL11Click() {
  store_fields();
  if (!session_.windows.map->maybe_save_test()) return;
  const CheckResult result = load_example(ExampleSet::qzl1, session_.doc, session_.ws);
  remember_as_saved();
  refresh_convert_menu();
  session_.windows.map->sync_option_marks();
  show_check(result);
}

}  // namespace jrv::ui
