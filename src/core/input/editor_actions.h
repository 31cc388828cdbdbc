#pragma once
// Leaving the data editor: "Close && Analyze" and "OK".

#include <string>

#include "core/input/editor_document.h"
#include "core/text/messages.h"
#include "core/workspace/workspace.h"

namespace jrv {

enum class EditorExitButton { close_and_analyze, ok };

// What the editor and the main window do after "Close && Analyze" or "OK".
struct EditorExit {
  CheckResult check;                 // messages to show in order, and the field to focus
  bool reopen = false;               // reopen_editor: the editor is shown again
  bool accepted = false;             // the test is loaded; the main window takes the names below
  bool run_analysis = false;         // "Close && Analyze": analyse at once, view buttons disabled
  bool enable_view_buttons = false;  // "OK": view buttons enabled, no analysis
  std::string current_file_name;     // the results base name with its extension, "" if unsaved
  std::string map_name;              // txt_map_name: base name without extension, or "UNSAVED"
  std::string results_name;          // txt_results_name: the same, empty when unsaved
  std::string title_line;            // txt_t: title + " (" + comments + ")"
};

// Runs the check and, when it passes, the include-code reminder; then counts the items
// with alternative answers and those every answer counts for.
EditorExit leave_editor(EditorDocument& doc, Workspace& ws, EditorExitButton button,
                        const std::string& current_file_name);

// The include-code reminder for each button.
std::string include_warning(EditorExitButton button);

}  // namespace jrv
