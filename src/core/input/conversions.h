#pragma once
// The data editor's Convert menu: rewriting the pane as right-wrong (0/1) data and back,
// as letters or numbers, and back to the lines first loaded; the menu's captions and
// enabled items; and the comma-delimited 0/1 export, which needs a passing check.

#include <string>

#include "core/input/editor_document.h"
#include "core/text/messages.h"
#include "core/text/text_file.h"
#include "core/workspace/workspace.h"

namespace jrv {

// Captions and enabled items of the Convert menu.
struct ConvertMenuState {
  std::string heading;          // convert_heading1
  bool toggle_checked = false;  // DataareRightWrongData1
  std::string toggle_caption;
  bool to_right_wrong = true;          // ConvertDatatoRightWrongData1
  bool back_from_right_wrong = false;  // ConvertBacktoOriginalData1
  bool to_numbers = true;              // ConvertDatatoNumbers1
  bool to_letters = true;              // ConvertDatatoLetters1
  bool back_to_lines = true;           // ConvertDatabacktoOriginalLines1
  bool operator==(const ConvertMenuState&) const = default;
};

ConvertMenuState convert_menu_state(const Workspace& ws);

// DataareRightWrongData1Click: flips the right-wrong mode without touching the data.
ConvertMenuState toggle_right_wrong(Workspace& ws);

// Each conversion runs the editor's check first; a failed check is returned and nothing
// changes. A conversion that does not apply in the current mode does nothing.
CheckResult convert_to_right_wrong(EditorDocument& doc, Workspace& ws);
CheckResult convert_back_from_right_wrong(EditorDocument& doc, Workspace& ws);
CheckResult convert_to_letters(EditorDocument& doc, Workspace& ws);
CheckResult convert_to_numbers(EditorDocument& doc, Workspace& ws);
CheckResult convert_back_to_original_lines(EditorDocument& doc, Workspace& ws);

// "Save Comma-Delimited 01 Data": the check, then the 0/1 lines. The editor's data keep the
// coding they had. On a failed check `lines` stays empty.
CheckResult comma_01_export(EditorDocument& doc, Workspace& ws, Lines& lines);

}  // namespace jrv
