#pragma once
// The zipped workbooks: Office Open XML (XLSX) and OpenDocument (ODS). Each reads one sheet
// into a table of cells: the first sheet, or the one named. Numbers read as a spreadsheet
// shows them by default ("1", not "1.0"); a formula cell gives its cached value; a merged
// area gives its value in its first cell.

#include <string>
#include <string_view>
#include <vector>

#include "core/sheets/cell_table.h"

namespace jrv {

struct SheetRead {
  CellTable table;
  std::string sheet_name;                // the sheet read
  std::vector<std::string> sheet_names;  // every sheet of the workbook, in order
};

// Both throw SheetError (naming no file): not a workbook, encrypted, damaged or truncated,
// past the size limits, no sheet of that name.
SheetRead read_xlsx(std::string_view bytes, const std::string& sheet = {});
SheetRead read_ods(std::string_view bytes, const std::string& sheet = {});

}  // namespace jrv
