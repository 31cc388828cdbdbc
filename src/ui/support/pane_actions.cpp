#include "ui/support/pane_actions.h"

#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTextCharFormat>

#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"

namespace jrv::ui {

const char* const kEditablePaneNote =
    "Note that you can print this screen from the File Menu, but the formatting will be "
    "better (e.g., page breaks) if you save the file and then print from a Text Editor (such "
    "as NotePad).  Any editing changes you make here WILL print, but will NOT be saved.";

void print_pane(Prompter& prompter, QWidget* parent, QPlainTextEdit& pane,
                const QString& doc_name) {
  QPrinter printer;
  printer.setDocName(doc_name);
  if (!prompter.setup_printer(parent, printer)) return;
  pane.print(&printer);
}

void apply_font_to_selection(Prompter& prompter, QWidget* parent, QPlainTextEdit& pane) {
  // The dialog knows installed families only: offer the one the pane really shows
  // (Courier New, or the fixed-pitch font standing in for it), not a name it lacks.
  const QFont pane_font = fixed_pitch_font(10);
  QFont initial(QFontInfo(pane_font).family(), 10);
  initial.setFixedPitch(true);
  const auto font = prompter.choose_font(parent, initial);
  if (!font) return;
  QTextCharFormat format;
  format.setFont(*font);
  pane.mergeCurrentCharFormat(format);
}

}  // namespace jrv::ui
