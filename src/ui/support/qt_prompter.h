#pragma once
// The prompter of the running program: real Qt dialogs.

#include "ui/support/prompter.h"

namespace jrv::ui {

// The caption of every message box and question.
inline constexpr const char* kMessageBoxTitle = "JRV";

class QtPrompter : public Prompter {
 public:
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
};

}  // namespace jrv::ui
