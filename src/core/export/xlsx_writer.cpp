#include "core/export/xlsx_writer.h"

#include <xlsxwriter.h>

#include <charconv>
#include <optional>

#include "core/text/errors.h"

namespace jrv {

namespace {

// A field as a number when it is one.
std::optional<double> as_number(const std::string& text) {
  if (text.empty()) return std::nullopt;
  double x = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), x);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return x;
}

void write_rows(lxw_worksheet* sheet, const WorkbookSheet& from, lxw_format* bold) {
  const CsvRows& rows = from.rows;
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      const auto row = static_cast<lxw_row_t>(r);
      const auto col = static_cast<lxw_col_t>(c);
      const std::string& v = rows[r][c];
      const bool numeric = c < from.numeric.size() && from.numeric[c];
      if (r == 0)
        worksheet_write_string(sheet, row, col, v.c_str(), bold);
      else if (const auto x = numeric ? as_number(v) : std::nullopt)
        worksheet_write_number(sheet, row, col, *x, nullptr);
      else if (!v.empty())
        worksheet_write_string(sheet, row, col, v.c_str(), nullptr);
    }
}

}  // namespace

void write_xlsx_workbook(const std::filesystem::path& path,
                         const std::vector<WorkbookSheet>& sheets) {
  // libxlsxwriter writes on close; a temporary name keeps the old file whole on failure.
  std::filesystem::path temp = path;
  temp += ".partial";
  lxw_workbook* book = workbook_new(temp.string().c_str());
  if (book == nullptr) throw FileError("Cannot create file \"" + path.string() + "\"");
  lxw_format* bold = workbook_add_format(book);
  format_set_bold(bold);
  for (const WorkbookSheet& sheet : sheets)
    write_rows(workbook_add_worksheet(book, sheet.name.c_str()), sheet, bold);
  const lxw_error error = workbook_close(book);
  std::error_code ec;
  if (error != LXW_NO_ERROR) {
    std::filesystem::remove(temp, ec);
    throw FileError("Cannot write file \"" + path.string() + "\": " + lxw_strerror(error));
  }
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    std::filesystem::remove(temp, ec);
    throw FileError("Cannot write file \"" + path.string() + "\"");
  }
}

}  // namespace jrv
