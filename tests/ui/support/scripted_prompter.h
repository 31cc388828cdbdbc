#pragma once
// A prompter for window tests: records every message and dialog, answers dialogs from a
// script, and never blocks. A modal window is shown, handed to the next scripted action
// (which types and clicks), and closed if the action left it open.

#include <QFont>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <type_traits>
#include <vector>

#include "ui/support/prompter.h"

namespace jrv::ui::test {

class ScriptedPrompter : public Prompter {
 public:
  using ModalAction = std::function<void(QDialog&)>;
  // An action for the next modal window, or only for the next one named `window`; other
  // windows shown before it are closed unanswered.
  struct ScriptedModal {
    template <class F>
    requires std::is_invocable_v<F, QDialog&> ScriptedModal(F f)
        : action(std::move(f)) {}  // NOLINT: any window
    ScriptedModal(QString w, ModalAction a) : window(std::move(w)), action(std::move(a)) {}
    QString window;
    ModalAction action;
  };

  // What was asked.
  QStringList messages;
  QStringList questions;
  QStringList save_questions;
  QStringList apply_questions;
  std::vector<MessageKind> message_kinds;  // one per message (take_messages clears both)
  std::vector<FileDialogSpec> open_requests;
  std::vector<FileDialogSpec> save_requests;
  std::vector<QFont> font_requests;
  QStringList printed_documents;  // document names of confirmed print jobs
  QStringList modal_windows;      // objectNames of the windows shown modally

  // The answers, used in order; when a queue is empty the dialog is cancelled (questions
  // are answered Yes, modal windows closed).
  std::deque<std::optional<QString>> open_answers;
  std::deque<std::optional<QString>> save_answers;
  std::deque<bool> question_answers;
  // Empty: the changed test is discarded, as a test that does not expect the question needs.
  std::deque<SaveChoice> save_answers_to_question;
  // Empty: the changes not yet applied are discarded.
  std::deque<ApplyChoice> apply_answers;
  std::deque<std::optional<QFont>> font_answers;
  std::deque<std::optional<QString>> print_answers;  // a PDF path prints, nothing cancels
  std::deque<ScriptedModal> modal_actions;
  // Called with each message as it is shown (to look at the windows at that moment).
  std::function<void(const QString&)> on_message;

  using Prompter::message;
  void message(QWidget* parent, const QString& text, MessageKind kind) override;
  bool question(QWidget* parent, const QString& text) override;
  SaveChoice save_question(QWidget* parent, const QString& text) override;
  ApplyChoice apply_question(QWidget* parent, const QString& text) override;
  std::optional<QString> open_file(QWidget* parent, const FileDialogSpec& spec) override;
  std::optional<QString> save_file(QWidget* parent, const FileDialogSpec& spec) override;
  std::optional<QFont> choose_font(QWidget* parent, const QFont& initial) override;
  bool setup_printer(QWidget* parent, QPrinter& printer) override;
  int show_modal(QDialog& dialog) override;

  // Messages since the last call, and forget them.
  QStringList take_messages();

 private:
  int unanswered_modal_ = 0;
};

}  // namespace jrv::ui::test
