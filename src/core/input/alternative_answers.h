#pragma once
// Alternative correct answers: the grid of the items coded "A", its headings, its OK, and
// the accepted answers (`correct_answers`) that scoring compares responses against.

#include <array>
#include <string>
#include <vector>

#include "core/input/editor_document.h"
#include "core/text/messages.h"
#include "core/workspace/workspace.h"

namespace jrv {

// Cancel needs no function: it changes nothing, and the check takes the stored alternatives
// again (see apply_correct_answers).

// Set-up of the grid from the editor's texts. When `show_window` is set the grid is ready
// and the window opens; otherwise `check` holds the one message that explains why not.
// The grid is rebuilt from scratch, so rows of an earlier test never survive.
struct AltSetup {
  CheckResult check;
  bool show_window = false;
};
AltSetup set_up_alternative_answers(EditorDocument& doc, Workspace& ws);

// The three heading rows of the grid's columns (titlegrid), one entry per grid column.
using AltHeading = std::array<std::string, 3>;
std::vector<AltHeading> alternative_answer_headings(int max_options_used);

// OK: every filled cell, as an option number, becomes that slot of the item's accepted
// answers and is kept as its text; an emptied cell forgets its text. Out-of-range cells
// are refused with a message and keep the window open. Throws ConversionError on a cell
// that is not a number (cells before it keep their effect).
struct AltConfirm {
  CheckResult check;
  bool stay_open = false;
};
AltConfirm confirm_alternative_answers(EditorDocument& doc, Workspace& ws);

// The accepted answers of items 1..num_items: all nine slots the key for an included item;
// for an item coded "A" the key in slot 1 and the stored alternatives in the others (the
// key where none is stored), so a key changed later is never scored against the old one.
void apply_correct_answers(Workspace& ws);

}  // namespace jrv
