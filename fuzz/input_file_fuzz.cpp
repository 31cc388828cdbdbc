// Arbitrary bytes as a version-6 input file: reading never crashes or hangs; a file that
// was read and may be saved writes lines that read back, and after that one pass (which may
// settle what the windows' OK buttons filled in) writing and reading change nothing more.
// The editor's check then runs on whatever was read.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/input/editor_actions.h"
#include "core/input/input_file_reader.h"
#include "core/input/input_file_writer.h"
#include "core/text/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  jrv::EditorDocument doc;
  jrv::Workspace ws;
  const jrv::OpenResult r = jrv::read_input_lines(jrv::split_lines(bytes), doc, ws);

  if (r.read && !jrv::check_input_file_savable(doc).failed) {
    jrv::Lines first;
    try {
      first = jrv::input_file_lines(doc, ws);
    } catch (const jrv::ConversionError&) {
      std::abort();  // everything the reader puts into the grid can be written
    }
    jrv::EditorDocument doc2;
    jrv::Workspace ws2;
    if (!jrv::read_input_lines(first, doc2, ws2).read) std::abort();
    const jrv::Lines second = jrv::input_file_lines(doc2, ws2);
    jrv::EditorDocument doc3;
    jrv::Workspace ws3;
    if (!jrv::read_input_lines(second, doc3, ws3).read) std::abort();
    if (!(doc3.editor == doc2.editor)) std::abort();
    if (jrv::input_file_lines(doc3, ws3) != second) std::abort();
  }

  jrv::leave_editor(doc, ws, jrv::EditorExitButton::close_and_analyze, "");
  return 0;
}
