#pragma once
// Reading a spreadsheet file of any kind this program knows into a table of cells. Every
// failure is one SheetError whose text begins with the file's name.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/sheets/cell_table.h"

namespace jrv {

enum class SheetFormat { csv, tsv, xlsx, ods };

// "csv", "tsv", "xlsx", "ods" (any case); nothing for another name.
std::optional<SheetFormat> sheet_format_named(std::string_view name);
// By the file's extension (".txt" reads as tab-separated); nothing when unknown.
std::optional<SheetFormat> sheet_format_of(const std::filesystem::path& path);

struct SheetFile {
  CellTable table;
  std::string file_name;                 // for messages
  std::string sheet_name;                // the sheet read ("" for CSV and TSV)
  std::vector<std::string> sheet_names;  // of a workbook
  std::vector<std::string> warnings;     // for example an office suite's lock file beside it
};

// Larger files are refused before they are read.
inline constexpr std::uintmax_t kMaxSheetFileBytes = 200u << 20;

// Reads the sheet; `sheet` names one of a workbook (the first when empty). Throws
// SheetError: unreadable, not a spreadsheet, encrypted, damaged, too large, empty sheet.
SheetFile read_sheet_file(const std::filesystem::path& path, SheetFormat format,
                          const std::string& sheet = {});

// The same from bytes already in memory (for tests and fuzzing); `file_name` for messages.
SheetFile read_sheet_bytes(std::string_view bytes, SheetFormat format, const std::string& sheet,
                           const std::string& file_name);

}  // namespace jrv
