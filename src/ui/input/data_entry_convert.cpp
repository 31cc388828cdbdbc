// The data editor's conversions, text inserts, card-image import and data exports: each
// copies the fields into the document, calls the input core and shows what comes back.

#include <QAction>
#include <QLineEdit>

#include "core/input/card_import.h"
#include "core/input/comma_exports.h"
#include "core/input/conversions.h"
#include "core/input/text_inserts.h"
#include "core/text/messages.h"
#include "core/text/text_file.h"
#include "ui/app/map_main_unit.h"
#include "ui/app/session.h"
#include "ui/input/data_entry_unit.h"
#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"

namespace jrv::ui {

namespace {

constexpr const char* kInsertFilter =
    "Text files (*.txt,*.out,*.dat,*.csv)|*.txt;*.out;*.dat;*.csv|All Files (*.*)|*.*";

FileDialogSpec comma_export_dialog(const std::string& proposed) {
  FileDialogSpec spec;
  spec.default_extension = "txt";
  spec.filter = "TXT files (*.txt)|*.txt";
  spec.proposed_name = to_q(proposed);
  spec.overwrite_prompt = true;
  return spec;
}

}  // namespace

void TEditForm::run_conversion(CheckResult (*convert)(EditorDocument&, Workspace&)) {
  store_fields();
  const CheckResult result = convert(session_.doc, session_.ws);
  load_fields();
  refresh_convert_menu();
  show_check(result);
}

void TEditForm::ConvertDatatoRightWrongData1Click() {
  run_conversion(&convert_to_right_wrong);
}
void TEditForm::ConvertBacktoOriginalData1Click() {
  run_conversion(&convert_back_from_right_wrong);
}
void TEditForm::ConvertDatatoNumbers1Click() {
  run_conversion(&convert_to_numbers);
}
void TEditForm::ConvertDatatoLetters1Click() {
  run_conversion(&convert_to_letters);
}
void TEditForm::ConvertDatabacktoOriginalLines1Click() {
  run_conversion(&convert_back_to_original_lines);
}

void TEditForm::DataareRightWrongData1Click() {
  toggle_right_wrong(session_.ws);
  refresh_convert_menu();
}

void TEditForm::SaveCommaDelimited01Data1Click() {
  const std::string map_name = from_q(session_.windows.map->txt_map_name->text());
  const auto path =
      session_.prompter.save_file(this, comma_export_dialog(comma_01_proposed_name(map_name)));
  if (!path) return;
  store_fields();
  Lines lines;
  const CheckResult result = comma_01_export(session_.doc, session_.ws, lines);
  load_fields();
  show_check(result);
  if (result.failed) return;
  try {
    write_lines(to_path(*path), lines);
  } catch (const std::exception& e) {  // FileError
    show_error(session_.prompter, this, e);
  }
}

void TEditForm::SaveCommaDelimitedRawData1Click() {
  const std::string map_name = from_q(session_.windows.map->txt_map_name->text());
  const auto path =
      session_.prompter.save_file(this, comma_export_dialog(comma_raw_proposed_name(map_name)));
  if (!path) return;
  try {
    write_lines(to_path(*path), comma_raw_lines(session_.ws));
  } catch (const std::exception& e) {  // FileError
    show_error(session_.prompter, this, e);
  }
}

void TEditForm::Insert1Click() {
  FileDialogSpec spec;
  spec.filter = kInsertFilter;
  const auto path = session_.prompter.open_file(this, spec);
  if (!path) return;
  store_fields();
  try {
    insert_text_file(session_.doc, to_path(*path));
  } catch (const std::exception& e) {  // FileError: the pane keeps what it had
    show_error(session_.prompter, this, e);
    return;
  }
  load_fields();
}

void TEditForm::InsertDataKey1Click() {
  FileDialogSpec spec;
  spec.filter = kInsertFilter;
  const auto path = session_.prompter.open_file(this, spec);
  if (!path) return;
  store_fields();
  try {
    const CheckResult result = insert_data_and_key_file(session_.doc, to_path(*path));
    load_fields();
    show_check(result);
  } catch (const std::exception& e) {  // FileError
    show_error(session_.prompter, this, e);
  }
}

void TEditForm::SaveData1Click() {
  FileDialogSpec spec;
  spec.default_extension = "txt";
  spec.filter = "Text files (*.txt,*.dat,*.out,*.csv)|*.txt;*.dat;*.out;*.csv|All Files (*.*)|*.*";
  spec.overwrite_prompt = true;
  const auto path = session_.prompter.save_file(this, spec);
  if (!path) return;
  store_fields();
  try {
    save_data_only(session_.doc, to_path(*path));
  } catch (const std::exception& e) {  // FileError
    show_error(session_.prompter, this, e);
  }
}

void TEditForm::HowToImportVKMTestscoreData1Click() {
  session_.prompter.message(this, to_q(card_import_howto()));
}

void TEditForm::InsertTESTSCOREdata1Click() {
  store_fields();
  const CheckResult result = import_card_images(session_.doc);
  load_fields();
  show_check(result);
}

}  // namespace jrv::ui
