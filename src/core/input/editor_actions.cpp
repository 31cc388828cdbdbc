#include "core/input/editor_actions.h"

#include <filesystem>

#include "core/input/editor_check.h"
#include "core/text/encoding.h"

namespace jrv {

std::string include_warning(EditorExitButton button) {
  std::string text =
      "You may have changed the Include status of an item to A (for an alternative correct "
      "answer) but forgot to set that alternative.  Click on the Data Editor OPTIONS menu and "
      "then click on SET ALTERNATIVE CORRECT ANSWERS.";
  if (button == EditorExitButton::close_and_analyze)
    text +=
        "\r\n\r\nSome changes, such as changing to N or back to Y, do not require you to return "
        "to the SET ALTERNATIVE CORRECT ANSWERS screen --- just click CLOSE and ANALYZE again.";
  return text;
}

EditorExit leave_editor(EditorDocument& doc, Workspace& ws, EditorExitButton button,
                        const std::string& current_file_name) {
  EditorExit out;
  out.current_file_name = current_file_name;
  out.check = ReadEditorData(doc, ws);
  if (out.check.failed) {
    out.reopen = true;
    return out;
  }

  const std::string codes = one_byte_per_char(ws.include_codes);
  for (int j = 1; j <= ws.num_items; ++j) {
    const auto pos = static_cast<std::size_t>(j - 1);
    const char code = pos < codes.size() ? codes[pos] : ' ';
    if ((code == 'A' || code == 'a') && doc.include_changed && !doc.example_loading) {
      out.check.inform(include_warning(button));
      doc.include_changed = false;
      out.reopen = true;
      return out;
    }
  }

  if (doc.input_opened)
    out.current_file_name = std::filesystem::path(doc.input_path).filename().string();
  const std::string base = std::filesystem::path(out.current_file_name).stem().string();
  out.map_name = base.empty() ? "UNSAVED" : base;
  out.results_name = base;
  out.title_line = ws.title + " (" + ws.comments + ")";
  out.accepted = true;

  int alternatives = 0, all_correct = 0;
  for (int j = 1; j <= ws.num_items; ++j) {
    if (ws.include_flags[j] == 2) ++alternatives;
    if (ws.key_values[j] == 9) ++all_correct;
  }
  ws.alt_item_count = alternatives;
  ws.answered_any_count = alternatives + all_correct;

  out.run_analysis = button == EditorExitButton::close_and_analyze;
  out.enable_view_buttons = button == EditorExitButton::ok;
  return out;
}

}  // namespace jrv
