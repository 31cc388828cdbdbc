// Arbitrary bytes as a CSV file, then mapped to a test with every choice guessed, as
// "jrv-cli import --from csv" does. Only SheetError may come out.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/sheets/sheet_file.h"
#include "core/sheets/sheet_mapping.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  try {
    const jrv::SheetFile sheet = jrv::read_sheet_bytes(bytes, jrv::SheetFormat::csv, {}, "f.csv");
    jrv::map_sheet(sheet.table, {}, sheet.file_name, "f");
  } catch (const jrv::SheetError&) {
  }
  return 0;
}
