#include "ui/support/pane_actions.h"

#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTextCharFormat>

#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"
#include "ui/support/remembered.h"

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
  // Each pane offers the font last chosen for it, else the one the pane really shows
  // (Courier New, or the fixed-pitch font standing in for it): the dialog knows installed
  // families only.
  const QString key = (parent ? parent->objectName() : QString()) + "." + pane.objectName();
  QFont initial(QFontInfo(fixed_pitch_font(10)).family(), 10);
  initial.setFixedPitch(true);
  const auto font = prompter.choose_font(parent, remembered::pane_font(key).value_or(initial));
  if (!font) return;
  remembered::set_pane_font(key, *font);
  QTextCharFormat format;
  format.setFont(*font);
  pane.mergeCurrentCharFormat(format);
}

}  // namespace jrv::ui
