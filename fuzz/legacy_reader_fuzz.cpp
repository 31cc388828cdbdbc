// Arbitrary files through the readers of older input files: the first byte chooses the
// version (3, 4 or 5), the rest is the file. A file that reads is checked and written
// again as version 6, as the import does.

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/input/editor_check.h"
#include "core/input/input_file_writer.h"
#include "core/input/legacy_readers.h"
#include "core/text/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int version = 3 + data[0] % 3;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  jrv::Lines lines;
  std::string current;
  for (char c : text) {
    if (c == '\n') {
      lines.push_back(std::move(current));
      current.clear();
    } else if (c != '\r') {
      current.push_back(c);
    }
  }
  if (!current.empty()) lines.push_back(std::move(current));

  jrv::EditorDocument doc;
  jrv::Workspace ws;
  const jrv::OpenResult r = jrv::read_legacy_lines(version, std::move(lines), doc, ws);
  if (!r.read) return 0;
  try {
    (void)jrv::input_file_lines(doc, ws);
  } catch (const jrv::ConversionError&) {
  }
  (void)jrv::ReadEditorData(doc, ws);
  return 0;
}
