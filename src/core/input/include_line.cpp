#include "core/input/include_line.h"

#include <utility>

#include "core/input/normalise.h"
#include "core/text/encoding.h"

namespace jrv {

void set_include_text(EditorDocument& doc, std::string text) {
  if (doc.editor.include != text) doc.include_changed = true;
  doc.editor.include = std::move(text);
}

void set_include_flags(Workspace& ws, const std::string& include, int item_count) {
  ws.included_count = 0;
  const std::string codes = one_byte_per_char(include);
  for (int j = 1; j <= item_count; ++j) {
    const auto pos = static_cast<std::size_t>(j - 1);
    const char code = pos < codes.size() ? codes[pos] : ' ';
    ws.include_flags[j] = include_flag(code);
    if (ws.include_flags[j] != 0) ++ws.included_count;
  }
}

}  // namespace jrv
