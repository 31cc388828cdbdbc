#include "ui/support/scripted_prompter.h"

#include <QDialog>
#include <QPrinter>
#include <cstdio>
#include <cstdlib>

namespace jrv::ui::test {

namespace {

template <class T>
std::optional<T> next(std::deque<std::optional<T>>& queue) {
  std::optional<T> answer;
  if (!queue.empty()) {
    answer.swap(queue.front());
    queue.pop_front();
  }
  return answer;
}

}  // namespace

void ScriptedPrompter::message(QWidget*, const QString& text, MessageKind kind) {
  messages << text;
  message_kinds.push_back(kind);
  if (on_message) on_message(text);
}

bool ScriptedPrompter::question(QWidget*, const QString& text) {
  questions << text;
  if (question_answers.empty()) return true;
  const bool answer = question_answers.front();
  question_answers.pop_front();
  return answer;
}

SaveChoice ScriptedPrompter::save_question(QWidget*, const QString& text) {
  save_questions << text;
  if (save_answers_to_question.empty()) return SaveChoice::discard;
  const SaveChoice answer = save_answers_to_question.front();
  save_answers_to_question.pop_front();
  return answer;
}

ApplyChoice ScriptedPrompter::apply_question(QWidget*, const QString& text) {
  apply_questions << text;
  if (apply_answers.empty()) return ApplyChoice::discard;
  const ApplyChoice answer = apply_answers.front();
  apply_answers.pop_front();
  return answer;
}

std::optional<QString> ScriptedPrompter::open_file(QWidget*, const FileDialogSpec& spec) {
  open_requests.push_back(spec);
  return next(open_answers);
}

std::optional<QString> ScriptedPrompter::save_file(QWidget*, const FileDialogSpec& spec) {
  save_requests.push_back(spec);
  auto answer = next(save_answers);
  // The real dialog appends the default extension to a name typed without one.
  if (answer) return with_default_extension(*answer, spec.default_extension);
  return answer;
}

std::optional<QFont> ScriptedPrompter::choose_font(QWidget*, const QFont& initial) {
  font_requests.push_back(initial);
  return next(font_answers);
}

bool ScriptedPrompter::setup_printer(QWidget*, QPrinter& printer) {
  const auto path = next(print_answers);
  if (!path) return false;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(*path);
  printed_documents << printer.docName();
  return true;
}

int ScriptedPrompter::show_modal(QDialog& dialog) {
  modal_windows << dialog.objectName();
  dialog.setResult(QDialog::Rejected);
  dialog.show();
  const bool scripted =
      !modal_actions.empty() && (modal_actions.front().window.isEmpty() ||
                                 modal_actions.front().window == dialog.objectName());
  if (scripted) {
    unanswered_modal_ = 0;
    ModalAction action = std::move(modal_actions.front().action);
    modal_actions.pop_front();
    action(dialog);
  } else if (++unanswered_modal_ > 50) {
    // A window that keeps asking to be shown again would hang the test.
    std::fprintf(stderr, "modal window %s shown again and again without a script\n",
                 qPrintable(dialog.objectName()));
    std::abort();
  }
  if (dialog.isVisible()) dialog.reject();
  return dialog.result();
}

QStringList ScriptedPrompter::take_messages() {
  QStringList out = messages;
  messages.clear();
  message_kinds.clear();
  return out;
}

}  // namespace jrv::ui::test
