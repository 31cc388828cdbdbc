#pragma once
// Every message box, question, file dialog, font dialog, print dialog and modal showing of
// a window goes through one Prompter, so that the windows can be driven without a user:
// the program uses QtPrompter, the window tests a scripted one.

#include <QFont>
#include <QString>
#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace jrv {
struct CheckResult;
}

class QDialog;
class QPrinter;
class QWidget;

namespace jrv::ui {

// A file dialog as the program asks for it. `filter` is written as pairs
// "Description|patterns|Description|patterns" (patterns separated by ';').
struct FileDialogSpec {
  QString default_extension;  // without dot, e.g. "jrv"; empty for none
  QString filter;
  QString proposed_name;  // file name (or path) offered; empty for none
  bool overwrite_prompt = false;
};

// What a message box tells; the box carries the platform's icon for it.
enum class MessageKind { information, warning, error };

// The answer to "Save changes to the test?".
enum class SaveChoice { save, discard, cancel };

// The answer to a question about changes that were made but not yet applied.
enum class ApplyChoice { apply, discard, cancel };

class Prompter {
 public:
  virtual ~Prompter() = default;

  // A modal message box with an OK button.
  void message(QWidget* parent, const QString& text) {
    message(parent, text, MessageKind::information);
  }
  virtual void message(QWidget* parent, const QString& text, MessageKind kind) = 0;
  // A Yes/No question; true for Yes.
  virtual bool question(QWidget* parent, const QString& text) = 0;
  // A question with Save, Discard and Cancel, asked before a changed test is replaced.
  virtual SaveChoice save_question(QWidget* parent, const QString& text) = 0;
  // A question with Apply, Discard and Cancel, asked before changes not yet applied are lost.
  virtual ApplyChoice apply_question(QWidget* parent, const QString& text) = 0;
  // The chosen path, or nothing when cancelled.
  virtual std::optional<QString> open_file(QWidget* parent, const FileDialogSpec& spec) = 0;
  virtual std::optional<QString> save_file(QWidget* parent, const FileDialogSpec& spec) = 0;
  // The chosen font, or nothing when cancelled.
  virtual std::optional<QFont> choose_font(QWidget* parent, const QFont& initial) = 0;
  // The print dialog for `printer`; true when the user confirmed printing.
  virtual bool setup_printer(QWidget* parent, QPrinter& printer) = 0;
  // Shows `dialog` modally and returns its result code.
  virtual int show_modal(QDialog& dialog) = 0;
};

// Each of the core's messages in its own box, in order.
void show_messages(Prompter& prompter, QWidget* parent, const std::vector<std::string>& messages,
                   MessageKind kind = MessageKind::information);

// A check's messages: warnings when it stopped the action, information when it went on.
void show_messages(Prompter& prompter, QWidget* parent, const CheckResult& result);

// The text of an exception that stopped an action (a file or conversion error).
void show_error(Prompter& prompter, QWidget* parent, const std::exception& e);

// "Desc|*.a;*.b|Desc2|*.c" as the name filters of a Qt file dialog.
QStringList qt_name_filters(const QString& filter);

// The path with `default_extension` appended when its file name has no extension.
QString with_default_extension(const QString& path, const QString& default_extension);

}  // namespace jrv::ui
