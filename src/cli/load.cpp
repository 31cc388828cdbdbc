#include "cli/load.h"

#include <ostream>

#include "core/input/editor_actions.h"
#include "core/input/input_file_reader.h"
#include "core/text/format.h"

namespace jrv::cli {

LoadResult load_test(const std::filesystem::path& input, EditorDocument& doc, Workspace& ws) {
  LoadResult out;
  OpenResult opened = open_input_file(input, doc, ws);
  out.messages = std::move(opened.messages);
  if (!opened.read) return out;
  // A command never converts the data back, so the check need not keep a copy of every
  // line as first loaded for that.
  ws.originals_saved = true;
  const EditorExit exit = leave_editor(doc, ws, EditorExitButton::close_and_analyze, "");
  out.messages.insert(out.messages.end(), exit.check.messages.begin(), exit.check.messages.end());
  out.loaded = exit.accepted;
  return out;
}

void print_messages(std::ostream& out, const std::vector<std::string>& messages) {
  for (const auto& m : messages) {
    std::string text;
    text.reserve(m.size());
    for (std::size_t i = 0; i < m.size(); ++i) {
      if (m[i] == '\r' && i + 1 < m.size() && m[i + 1] == '\n') continue;
      text.push_back(m[i]);
    }
    out << text << '\n';
  }
}

std::string test_summary(const Workspace& ws) {
  std::string s = ws.title;
  if (!ws.comments.empty()) s += " (" + ws.comments + ")";
  s += ": " + int_str(ws.num_cases) + (ws.num_cases == 1 ? " examinee, " : " examinees, ") +
       int_str(ws.num_items) + (ws.num_items == 1 ? " item (" : " items (") +
       int_str(ws.included_count) + " included), key " + ws.answer_key;
  if (ws.pc_enabled)
    s +=
        ", partial credit " + int_str(ws.pc_points) + " points, MC points " + general(ws.mc_points);
  return s;
}

}  // namespace jrv::cli
