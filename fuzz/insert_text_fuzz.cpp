// Arbitrary files through the two text inserts of the data editor.

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/input/text_inserts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  jrv::Lines lines;
  std::string current;
  for (char c : text) {
    if (c == '\n') {
      lines.push_back(std::move(current));
      current.clear();
    } else {
      current.push_back(c);
    }
  }
  if (!current.empty()) lines.push_back(std::move(current));

  jrv::EditorDocument plain;
  jrv::insert_text_lines(plain, lines, "in.txt");
  if (plain.editor.data_lines != lines) std::abort();
  if (plain.editor.cases != std::to_string(lines.size())) std::abort();

  jrv::EditorDocument keyed;
  keyed.editor.answer_key = "old";
  const auto r = jrv::insert_data_and_key_lines(keyed, lines, "in.txt");
  if (r.failed) {
    if (keyed.editor.answer_key != "old") std::abort();
  } else {
    if (keyed.editor.answer_key.empty() ||
        !std::isdigit(static_cast<unsigned char>(keyed.editor.answer_key[0])))
      std::abort();
    if (keyed.editor.data_lines.size() + 1 != lines.size()) std::abort();
  }
  return 0;
}
