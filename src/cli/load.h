#pragma once
// Loading a test the way the desktop program does: "Open JRV File" in the data editor, then
// the editor's check on "Close && Analyze". Shared by the commands that start from an input
// file.

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "core/input/editor_document.h"
#include "core/workspace/workspace.h"

namespace jrv::cli {

struct LoadResult {
  bool loaded = false;  // the file was read and the check accepted it
  // Every message the windows would have shown, in order (informational ones included).
  std::vector<std::string> messages;
};

// Options already set in `ws` (for example max_options) take part in the check.
LoadResult load_test(const std::filesystem::path& input, EditorDocument& doc, Workspace& ws);

// One message per line; the paragraphs of a message keep their own lines.
void print_messages(std::ostream& out, const std::vector<std::string>& messages);

// A short description of the loaded test: title, examinees, items, included items, key.
std::string test_summary(const Workspace& ws);

}  // namespace jrv::cli
