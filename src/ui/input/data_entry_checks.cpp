// The data editor's calls into the input core: check-and-load, rulers, field checks,
// reading and writing the input file.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "core/input/conversions.h"
#include "core/input/editor_actions.h"
#include "core/input/input_file_reader.h"
#include "core/input/input_file_writer.h"
#include "core/input/new_test.h"
#include "core/input/rulers.h"
#include "core/text/errors.h"
#include "core/text/messages.h"
#include "ui/app/map_main_unit.h"
#include "ui/app/session.h"
#include "ui/generate/gen_form_unit.h"
#include "ui/input/data_entry_unit.h"
#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"
#include "ui/support/remembered.h"

namespace jrv::ui {

namespace {

void show_rulers(TEditForm& e, const Rulers& rulers, bool pc_enabled) {
  if (!rulers.drawn) return;  // the label plus the items do not fit: keep the old rows
  const RulerRows& r = rulers.shown(pc_enabled);
  e.lbl_scale1->setText(to_q(r.scale1));
  e.lbl_scale2->setText(to_q(r.scale2));
  e.lbl_key_scale1->setText(to_q(r.key_scale1));
  e.lbl_key_scale2->setText(to_q(r.key_scale2));
  e.lbl_key_scale3->setText(to_q(r.key_scale3));
  e.lbl_key_scale4->setText(to_q(r.key_scale4));
}

}  // namespace

void TEditForm::rebuild_rulers() {
  show_rulers(*this, build_rulers(from_q(txt_label_length->text()), from_q(txt_items->text())),
              session_.ws.pc_enabled);
}

void TEditForm::txt_itemsChange() {
  const FieldChange change =
      items_changed(from_q(txt_label_length->text()), from_q(txt_items->text()));
  show_rulers(*this, change.rulers, session_.ws.pc_enabled);
  SetTableofSpecifications1->setEnabled(change.spec_table_enabled);
  if (quiet_) return;
  show_messages(session_.prompter, this, change.check);
  if (!change.check.messages.empty()) txt_items->setFocus();
}

void TEditForm::txt_label_lengthChange() {
  const FieldChange change =
      label_length_changed(from_q(txt_label_length->text()), from_q(txt_items->text()));
  show_rulers(*this, change.rulers, session_.ws.pc_enabled);
  if (quiet_) return;
  show_messages(session_.prompter, this, change.check);
  if (!change.check.messages.empty()) txt_label_length->setFocus();
}

void TEditForm::txt_includeChange() {
  if (!quiet_) session_.doc.include_changed = true;
}

void TEditForm::refresh_convert_menu() {
  const ConvertMenuState s = convert_menu_state(session_.ws);
  convert_heading1->setText(to_q(s.heading));
  DataareRightWrongData1->setChecked(s.toggle_checked);
  DataareRightWrongData1->setText(to_q(s.toggle_caption));
  ConvertDatatoRightWrongData1->setEnabled(s.to_right_wrong);
  ConvertBacktoOriginalData1->setEnabled(s.back_from_right_wrong);
  ConvertDatatoNumbers1->setEnabled(s.to_numbers);
  ConvertDatatoLetters1->setEnabled(s.to_letters);
  ConvertDatabacktoOriginalLines1->setEnabled(s.back_to_lines);
}

bool TEditForm::check_and_load(bool analyze) {
  store_fields();
  const EditorExit exit =
      leave_editor(session_.doc, session_.ws,
                   analyze ? EditorExitButton::close_and_analyze : EditorExitButton::ok,
                   session_.current_file_name);
  load_fields();  // the check shows what it filled in (include, options)
  show_check(exit.check);
  if (exit.reopen || !exit.accepted) {
    leave(true);
    return false;
  }
  session_.current_file_name = exit.current_file_name;
  TMapForm* map = session_.windows.map;
  map->editor_accepted_update(to_q(exit.map_name), to_q(exit.results_name), to_q(exit.title_line));
  map->set_view_buttons_enabled(exit.enable_view_buttons);
  session_.editor_accepted = exit.run_analysis;
  session_.data_valid = exit.run_analysis;
  return true;
}

void TEditForm::New1Click() {
  store_fields();
  if (!session_.windows.map->maybe_save_test()) return;
  clear_test();
}

void TEditForm::clear_test() {
  store_fields();
  const CheckResult result = new_test(session_.doc, session_.ws);
  remember_as_saved();
  rebuild_rulers();
  show_check(result);
}

void TEditForm::remember_as_saved() {
  load_fields();
  store_fields();  // the document as the controls give it back
  session_.mark_test_saved();
}

void TEditForm::Open1Click() {
  store_fields();
  if (!session_.windows.map->maybe_save_test()) return;
  FileDialogSpec spec;
  spec.default_extension = "jrv";
  spec.filter = "JRV files (*.jrv)|*.jrv|All Files (*.*)|*.*";
  const auto path = file_to_open_or_ask(spec);
  if (!path) return;
  store_fields();
  const OpenResult result = open_input_file(to_path(*path), session_.doc, session_.ws);
  show_opened(result, *path);
}

// What the editor shows after a test file was read (or refused).
void TEditForm::show_opened(const OpenResult& result, const QString& path) {
  load_fields();
  rebuild_rulers();
  show_messages(session_.prompter, this, result.messages,
                result.read ? MessageKind::information : MessageKind::error);
  if (result.read) {
    remember_as_saved();
    session_.windows.map->Label6->hide();
    remembered::add_recent_test(path);
  }
}

std::optional<QString> TEditForm::file_to_open_or_ask(const FileDialogSpec& spec) {
  if (!file_to_open_.isEmpty()) return std::exchange(file_to_open_, QString());
  return session_.prompter.open_file(this, spec);
}

void TEditForm::Save1Click() {
  save_test();
}

bool TEditForm::save_test() {
  store_fields();
  const QString map_name = session_.windows.map->txt_map_name->text();
  FileDialogSpec spec;
  spec.default_extension = "jrv";
  spec.filter = "JRV files (*.jrv)|*.jrv";
  spec.overwrite_prompt = true;
  if (!map_name.isEmpty() && map_name != "UNSAVED") spec.proposed_name = map_name;
  if (session_.doc.input_opened) {
    spec.proposed_name =
        from_path(std::filesystem::path(session_.doc.input_path).replace_extension());
  }
  const auto path = session_.prompter.save_file(this, spec);
  if (!path) return false;
  session_.output_input_path = to_path(*path).string();
  try {
    const SaveResult saved =
        save_input_file(to_path(*path), session_.doc, session_.ws, InputSave::explicit_save);
    show_check(saved.check);
    if (!saved.written) return false;
  } catch (const std::exception& e) {  // ConversionError, FileError
    show_error(session_.prompter, this, e);
    return false;
  }
  session_.mark_test_saved();
  session_.input_saved = true;
  session_.windows.map->input_file_saved_update();
  return true;
}

}  // namespace jrv::ui
