#include "ui/support/qt_prompter.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

#include "ui/support/remembered.h"

namespace jrv::ui {

namespace {

QMessageBox::Icon icon_of(MessageKind kind) {
  switch (kind) {
    case MessageKind::warning:
      return QMessageBox::Warning;
    case MessageKind::error:
      return QMessageBox::Critical;
    case MessageKind::information:
      break;
  }
  return QMessageBox::Information;
}

// A box shown modally; afterwards the window that opened it, and the control that had the
// keyboard, have it again (menus' access keys and F-keys work without a click).
int run_box(QWidget* parent, QMessageBox::Icon icon, const QString& text,
            QMessageBox::StandardButtons buttons, QMessageBox::StandardButton default_button) {
  const QPointer<QWidget> focus = QApplication::focusWidget();
  QMessageBox box(parent);
  box.setWindowTitle(QString::fromLatin1(kMessageBoxTitle));
  box.setIcon(icon);
  box.setText(text);
  box.setStandardButtons(buttons);
  box.setDefaultButton(default_button);
  const int answer = box.exec();
  if (parent) parent->window()->activateWindow();
  if (focus) focus->setFocus();
  return answer;
}

}  // namespace

void QtPrompter::message(QWidget* parent, const QString& text, MessageKind kind) {
  run_box(parent, icon_of(kind), text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtPrompter::question(QWidget* parent, const QString& text) {
  return run_box(parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No,
                 QMessageBox::Yes) == QMessageBox::Yes;
}

SaveChoice QtPrompter::save_question(QWidget* parent, const QString& text) {
  switch (run_box(parent, QMessageBox::Question, text,
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                  QMessageBox::Save)) {
    case QMessageBox::Save:
      return SaveChoice::save;
    case QMessageBox::Discard:
      return SaveChoice::discard;
    default:
      return SaveChoice::cancel;
  }
}

ApplyChoice QtPrompter::apply_question(QWidget* parent, const QString& text) {
  switch (run_box(parent, QMessageBox::Question, text,
                  QMessageBox::Apply | QMessageBox::Discard | QMessageBox::Cancel,
                  QMessageBox::Apply)) {
    case QMessageBox::Apply:
      return ApplyChoice::apply;
    case QMessageBox::Discard:
      return ApplyChoice::discard;
    default:
      return ApplyChoice::cancel;
  }
}

namespace {

std::optional<QString> run_file_dialog(QWidget* parent, const FileDialogSpec& spec,
                                       QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  dialog.setNameFilters(qt_name_filters(spec.filter));
  if (!spec.default_extension.isEmpty()) dialog.setDefaultSuffix(spec.default_extension);
  if (!spec.overwrite_prompt) dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  const bool save = mode == QFileDialog::AcceptSave;
  const QString start = remembered::dialog_start_path(spec, save);
  if (QFileInfo(start).isDir())
    dialog.setDirectory(start);
  else if (!start.isEmpty())
    dialog.selectFile(start);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString chosen = dialog.selectedFiles().first();
  remembered::remember_dialog_choice(spec, save, chosen);
  return chosen;
}

}  // namespace

std::optional<QString> QtPrompter::open_file(QWidget* parent, const FileDialogSpec& spec) {
  return run_file_dialog(parent, spec, QFileDialog::AcceptOpen);
}

std::optional<QString> QtPrompter::save_file(QWidget* parent, const FileDialogSpec& spec) {
  return run_file_dialog(parent, spec, QFileDialog::AcceptSave);
}

std::optional<QFont> QtPrompter::choose_font(QWidget* parent, const QFont& initial) {
  bool ok = false;
  const QFont font = QFontDialog::getFont(&ok, initial, parent);
  if (!ok) return {};
  return font;
}

bool QtPrompter::setup_printer(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

int QtPrompter::show_modal(QDialog& dialog) {
  return dialog.exec();
}

}  // namespace jrv::ui
