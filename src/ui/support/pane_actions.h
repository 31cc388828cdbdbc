#pragma once
// What the text viewers' File and Format menus do to their pane.

#include <QString>

class QPlainTextEdit;
class QWidget;

namespace jrv::ui {

class Prompter;

// The note above the editable viewers: edits print but are not saved.
extern const char* const kEditablePaneNote;

// Prints `pane` as document `doc_name` once the printer dialog is accepted.
void print_pane(Prompter& prompter, QWidget* parent, QPlainTextEdit& pane, const QString& doc_name);

// Offers Courier New 10 and applies the chosen font to the pane's selection only.
void apply_font_to_selection(Prompter& prompter, QWidget* parent, QPlainTextEdit& pane);

}  // namespace jrv::ui
