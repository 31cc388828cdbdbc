#pragma once
// Writes sheets of texts into one XLSX workbook through libxlsxwriter: heading rows bold,
// and in the columns marked numeric, fields that are numbers stored as numbers (names and
// IDs stay texts, so "0123" keeps its zero).

#include <filesystem>
#include <string>
#include <vector>

#include "core/export/csv_file.h"

namespace jrv {

struct WorkbookSheet {
  std::string name;
  CsvRows rows;               // the first row is the heading
  std::vector<bool> numeric;  // by column; columns past its end are texts
};

// Throws FileError; the target is unchanged when the workbook cannot be written.
void write_xlsx_workbook(const std::filesystem::path& path,
                         const std::vector<WorkbookSheet>& sheets);

}  // namespace jrv
