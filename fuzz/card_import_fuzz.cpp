// Arbitrary pasted text through the card-image import: the first line is the typed item
// count, the rest the pasted cards.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/input/card_import.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  jrv::EditorDocument doc;
  std::size_t start = 0;
  bool first = true;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (first)
      doc.editor.items = line;
    else
      doc.editor.data_lines.push_back(std::move(line));
    first = false;
    start = end + 1;
  }
  const auto before = doc.editor;
  const auto result = jrv::import_card_images(doc);
  if (result.failed) {
    if (!(doc.editor == before)) std::abort();  // a refusal changes nothing
    return 0;
  }
  const std::size_t width = 43 + doc.editor.answer_key.size();
  if (doc.editor.answer_key.size() > 100 || doc.editor.label_length != "43") std::abort();
  if (doc.editor.options.size() != doc.editor.answer_key.size()) std::abort();
  for (const auto& l : doc.editor.data_lines) {
    if (l.size() > 43 + 100) std::abort();
    if (l.find('*') != std::string::npos) std::abort();
    (void)width;
  }
  return 0;
}
