// The data editor's handlers: activation, leaving, typing, and the menu commands.

#include "ui/input/data_entry_unit.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

#include "core/text/messages.h"
#include "ui/app/code_form_unit.h"
#include "ui/app/map_main_unit.h"
#include "ui/app/session.h"
#include "ui/input/import_unit.h"
#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"

namespace jrv::ui {

void TEditForm::connect_handlers() {
  connect(Cancel, &QPushButton::clicked, this, &TEditForm::CancelClick);
  connect(btn_save_map, &QPushButton::clicked, this, &TEditForm::btn_save_mapClick);
  connect(BitBtn1, &QPushButton::clicked, this, &TEditForm::BitBtn1Click);
  connect(btn_done, &QPushButton::clicked, this, &TEditForm::btn_doneClick);
  connect(btn_clear, &QPushButton::clicked, this, &TEditForm::New1Click);
  connect(New1, &QAction::triggered, this, &TEditForm::New1Click);
  connect(Open1, &QAction::triggered, this, &TEditForm::Open1Click);
  connect(ImportJRVInputFilefrompreviousversion1, &QAction::triggered, this,
          &TEditForm::ImportJRVInputFilefrompreviousversion1Click);
  connect(Save1, &QAction::triggered, this, &TEditForm::Save1Click);
  connect(CloseOK1, &QAction::triggered, this, &TEditForm::CloseOK1Click);
  connect(Close1, &QAction::triggered, this, &TEditForm::Close1Click);
  connect(GenerateData1, &QAction::triggered, this, &TEditForm::GenerateData1Click);
  connect(ChangeMaxOptionsto51, &QAction::triggered, this, &TEditForm::ChangeMaxOptionsto51Click);
  connect(ChangeMaxOptionsto81, &QAction::triggered, this, &TEditForm::ChangeMaxOptionsto81Click);
  connect(AnswerKeyandIncludeItemCodes1, &QAction::triggered, this,
          &TEditForm::AnswerKeyandIncludeItemCodes1Click);
  connect(CountlinesofdataasExaminees1, &QAction::triggered, this,
          &TEditForm::CountlinesofdataasExaminees1Click);
  connect(txt_items, &QLineEdit::textChanged, this, &TEditForm::txt_itemsChange);
  connect(txt_label_length, &QLineEdit::textChanged, this, &TEditForm::txt_label_lengthChange);
  connect(txt_include, &QLineEdit::textChanged, this, &TEditForm::txt_includeChange);
}

void TEditForm::store_fields() {
  EditorFields& f = session_.doc.editor;
  f.title = from_q(txt_title->text());
  f.comments = from_q(txt_comments->text());
  f.cases = from_q(txt_cases->text());
  f.items = from_q(txt_items->text());
  f.label_length = from_q(txt_label_length->text());
  f.missing_data = from_q(txt_missing_data->text());
  f.answer_key = from_q(txt_answer_key->text());
  f.options = from_q(txt_options->text());
  f.include = from_q(txt_include->text());
  // Unchanged lines are not copied again: the editor stores its fields on every way out.
  const std::vector<std::string>& lines = data_pane_->lines();
  if (f.data_lines != lines) f.data_lines = lines;
}

void TEditForm::load_fields() {
  set_fields_quietly([this] {
    const EditorFields& f = session_.doc.editor;
    const auto put = [](QLineEdit* e, const std::string& s) {
      const QString q = to_q(s);
      if (e->text() != q) e->setText(q);
    };
    put(txt_title, f.title);
    put(txt_comments, f.comments);
    put(txt_cases, f.cases);
    put(txt_items, f.items);
    put(txt_label_length, f.label_length);
    put(txt_missing_data, f.missing_data);
    put(txt_answer_key, f.answer_key);
    put(txt_options, f.options);
    put(txt_include, f.include);
    if (data_pane_->lines() != f.data_lines) set_pane_lines(*MemoData, f.data_lines);
  });
}

void TEditForm::set_fields_quietly(const std::function<void()>& change) {
  const bool was = quiet_;
  quiet_ = true;
  change();
  quiet_ = was;
}

void TEditForm::show_check(const CheckResult& result) {
  show_messages(session_.prompter, this, result);
  if (!result.focus.empty()) {
    pending_focus_ = to_q(result.focus);
    if (isVisible()) {
      if (auto* w = findChild<QWidget*>(pending_focus_)) w->setFocus();
    }
  }
}

void TEditForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  load_fields();
  Startup1Click();
  if (!pending_focus_.isEmpty()) {
    if (auto* w = findChild<QWidget*>(pending_focus_)) w->setFocus();
    pending_focus_.clear();
  }
}

void TEditForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    CancelClick();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TEditForm::closeEvent(QCloseEvent* event) {
  event->ignore();  // CancelClick closes the editor itself
  if (isVisible()) CancelClick();
}

void TEditForm::done(int result) {
  store_fields();
  QDialog::done(result);
}

void TEditForm::Startup1Click() {
  session_.reopen_editor = false;
  refresh_convert_menu();
  const int mode = session_.editor_start_mode;
  // A re-shown editor keeps what it holds.
  session_.editor_start_mode = kEditCurrent;
  switch (mode) {
    case kNewData:
      clear_test();
      break;
    case kOpenFile:
      clear_test();
      Open1Click();
      break;
    case kInsertTextFile:
      clear_test();
      InsertDataKey1->trigger();
      break;
    case kGenerate:
    case kGenerateHidden:
      clear_test();
      run_generator(mode == kGenerateHidden);
      break;
    default:
      break;
  }
}

void TEditForm::leave(bool again) {
  session_.reopen_editor = again;
  session_.editor_start_mode = kEditCurrent;
  done(again ? QDialog::Rejected : QDialog::Accepted);
}

void TEditForm::CancelClick() {
  TMapForm* map = session_.windows.map;
  map->editor_cancelled_update();
  session_.editor_start_mode = kEditCurrent;
  session_.reopen_editor = false;
  done(QDialog::Rejected);
}

void TEditForm::Close1Click() {
  session_.reopen_editor = false;
  done(QDialog::Rejected);
}

void TEditForm::btn_doneClick() {
  accept_data(true);
}
void TEditForm::CloseOK1Click() {
  accept_data(true);
}
void TEditForm::BitBtn1Click() {
  accept_data(false);
}
void TEditForm::btn_save_mapClick() {
  Save1Click();
}

void TEditForm::accept_data(bool analyze) {
  if (!check_and_load(analyze)) return;
  session_.editor_start_mode = kEditCurrent;
  leave(false);
}

void TEditForm::ChangeMaxOptionsto51Click() {
  session_.ws.max_options = 5;
}
void TEditForm::ChangeMaxOptionsto81Click() {
  session_.ws.max_options = 8;
}
void TEditForm::Allow9999cases1Click() {
  session_.ws.max_cases = kMaxCasesStart;
}

void TEditForm::AnswerKeyandIncludeItemCodes1Click() {
  session_.prompter.show_modal(*session_.windows.code);
}

void TEditForm::CountlinesofdataasExaminees1Click() {
  txt_cases->setText(QString::number(data_pane_->lines().size()));
}

void TEditForm::ImportJRVInputFilefrompreviousversion1Click() {
  if (const int version = session_.windows.import->choose_version()) open_input_version(version);
}

}  // namespace jrv::ui
