// Arbitrary pasted text through the card-image import: the first line is the typed item
// count, the rest the pasted cards.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/input/card_import.h"
#include "core/text/encoding.h"

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
  // Columns are characters: a key or name may hold letters of several bytes.
  const std::size_t key_length = jrv::char_count(doc.editor.answer_key);
  if (key_length > 100 || doc.editor.label_length != "43") std::abort();
  if (doc.editor.options.size() != key_length) std::abort();
  for (const auto& l : doc.editor.data_lines) {
    if (jrv::char_count(l) > 43 + 100) std::abort();
    if (l.find('*') != std::string::npos) std::abort();
  }
  return 0;
}
