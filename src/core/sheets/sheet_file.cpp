#include "core/sheets/sheet_file.h"

#include <algorithm>
#include <fstream>

#include "core/sheets/csv_reader.h"
#include "core/sheets/workbook_readers.h"

namespace jrv {

std::optional<SheetFormat> sheet_format_named(std::string_view name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (lower == "csv") return SheetFormat::csv;
  if (lower == "tsv" || lower == "tab" || lower == "txt") return SheetFormat::tsv;
  if (lower == "xlsx" || lower == "xlsm") return SheetFormat::xlsx;
  if (lower == "ods") return SheetFormat::ods;
  return std::nullopt;
}

std::optional<SheetFormat> sheet_format_of(const std::filesystem::path& path) {
  std::string ext = path.extension().string();
  if (ext.empty()) return std::nullopt;
  return sheet_format_named(std::string_view(ext).substr(1));
}

namespace {

// `owned` holds the bytes when the caller gives them up: the CSV reader then keeps its
// cells where they lie instead of copying the file.
SheetFile read_sheet(std::string_view bytes, std::string* owned, SheetFormat format,
                     const std::string& sheet, const std::string& file_name) {
  SheetFile out;
  out.file_name = file_name;
  try {
    switch (format) {
      case SheetFormat::csv:
      case SheetFormat::tsv:
        out.table = read_delimited(owned ? std::move(*owned) : std::string(bytes),
                                   format == SheetFormat::tsv ? '\t' : 0);
        break;
      case SheetFormat::xlsx:
      case SheetFormat::ods: {
        SheetRead read =
            format == SheetFormat::xlsx ? read_xlsx(bytes, sheet) : read_ods(bytes, sheet);
        out.table = std::move(read.table);
        out.sheet_name = std::move(read.sheet_name);
        out.sheet_names = std::move(read.sheet_names);
        break;
      }
    }
  } catch (const SheetError& e) {
    throw SheetError(file_name + ": " + e.what());
  }
  if (out.table.empty())
    throw SheetError(file_name + ": " +
                     (out.sheet_name.empty() ? std::string("the file holds no cells")
                                             : "the sheet '" + out.sheet_name + "' is empty"));
  return out;
}

}  // namespace

SheetFile read_sheet_bytes(std::string_view bytes, SheetFormat format, const std::string& sheet,
                           const std::string& file_name) {
  return read_sheet(bytes, nullptr, format, sheet, file_name);
}

SheetFile read_sheet_file(const std::filesystem::path& path, SheetFormat format,
                          const std::string& sheet) {
  const std::string name = path.filename().string();
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec) throw SheetError(name + ": the file cannot be opened (" + ec.message() + ")");
  if (size > kMaxSheetFileBytes)
    throw SheetError(name + ": the file is larger than " +
                     std::to_string(kMaxSheetFileBytes >> 20) + " MB");
  std::ifstream in(path, std::ios::binary);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  if (!in || !in.read(bytes.data(), static_cast<std::streamsize>(size)))
    throw SheetError(name + ": the file cannot be read");
  SheetFile out = read_sheet(bytes, &bytes, format, sheet, name);
  // LibreOffice and OpenOffice leave ".~lock.NAME#" beside a file they have open.
  if (std::filesystem::exists(path.parent_path() / (".~lock." + name + "#"), ec))
    out.warnings.push_back(name +
                           ": the file may be open in an office program with unsaved changes "
                           "(a lock file lies beside it); what was last saved is imported");
  return out;
}

}  // namespace jrv
