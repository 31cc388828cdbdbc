// Arbitrary bytes as an XLSX workbook: the zip container, the XML parts and the walk over
// the cells, then the mapping with every choice guessed. Only SheetError may come out.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/sheets/sheet_file.h"
#include "core/sheets/sheet_mapping.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  try {
    const jrv::SheetFile sheet = jrv::read_sheet_bytes(bytes, jrv::SheetFormat::xlsx, {}, "f.xlsx");
    jrv::map_sheet(sheet.table, {}, sheet.file_name, "f");
  } catch (const jrv::SheetError&) {
  }
  return 0;
}
