// The mapping of a table to a test under every kind of choice: the first bytes choose the
// header, label and item columns, key row or typed key and options; the rest is a table
// in CSV. A mapping that succeeds must pass through the editor's check without a fault.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/input/editor_check.h"
#include "core/sheets/csv_reader.h"
#include "core/sheets/sheet_mapping.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 6) return 0;
  const std::uint8_t flags = data[0];
  const std::uint8_t a = data[1], b = data[2], c = data[3], d = data[4];
  const std::string_view rest(reinterpret_cast<const char*>(data) + 5, size - 5);
  jrv::ImportChoices choices;
  if (flags & 1) choices.header = (flags & 2) != 0;
  if (flags & 4) choices.labels = std::vector<std::uint32_t>{a % 8u, b % 8u};
  if (flags & 8) {
    std::vector<std::uint32_t> items;
    for (std::uint32_t i = c % 8u; i <= c % 8u + d % 120u; ++i) items.push_back(i);
    choices.items = items;
  }
  if (flags & 16) choices.key_row = a % 16u;
  if (flags & 32) choices.typed_key = std::string(d % 12u, static_cast<char>('A' + b % 10));
  if (flags & 64) choices.options = std::string(1, static_cast<char>('0' + c % 10));
  try {
    const jrv::CellTable table = jrv::read_delimited(std::string(rest));
    const jrv::SheetImport m = jrv::map_sheet(table, choices, "f.csv", "f");
    jrv::EditorDocument doc;
    doc.editor = m.fields;
    jrv::Workspace ws;
    jrv::ReadEditorData(doc, ws);
  } catch (const jrv::SheetError&) {
  }
  return 0;
}
