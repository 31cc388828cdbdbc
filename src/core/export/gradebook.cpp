#include "core/export/gradebook.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <charconv>
#include <fstream>
#include <numeric>
#include <sstream>

#include "core/analysis/sorting.h"
#include "core/reports/item_stats_file.h"
#include "core/sheets/cell_table.h"
#include "core/sheets/csv_reader.h"
#include "core/text/errors.h"
#include "core/text/format.h"

namespace jrv {

namespace {

// Labels are padded on the right and grade labels ("  A+") aligned on the left.
std::string trim(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  s.erase(0, std::min(s.size(), s.find_first_not_of(' ')));
  return s;
}

// Examinee positions in input order, whatever order the last sort left the table in.
std::vector<std::size_t> input_order(const Workspace& ws) {
  std::vector<std::size_t> order(static_cast<std::size_t>(ws.num_cases));
  std::iota(order.begin(), order.end(), std::size_t{1});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return ws.cases[a].case_number < ws.cases[b].case_number;
  });
  return order;
}

bool graded(const Workspace& ws) {
  return ws.grade_scale.grade_category_count >= 2;
}

// A field of the gradebook as a number when it is one.
std::optional<double> as_number(const std::string& text) {
  if (text.empty()) return std::nullopt;
  double x = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), x);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return x;
}

std::vector<std::string> split_commas(const std::string& line) {
  std::vector<std::string> out;
  std::stringstream in(line);
  std::string part;
  while (std::getline(in, part, ',')) out.push_back(part);
  return out;
}

}  // namespace

std::filesystem::path roster_path_for(const std::filesystem::path& test_path) {
  return test_path.parent_path() / (test_path.stem().string() + "_roster.csv");
}

std::optional<CsvRows> read_roster(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::stringstream bytes;
  bytes << in.rdbuf();
  try {
    CellTable table = read_delimited(bytes.str(), ',');
    CsvRows rows(table.row_count());
    const std::uint32_t columns = table.column_count();
    for (std::uint32_t r = 0; r < table.row_count(); ++r) {
      rows[r].resize(columns);
      for (const CellRef& c : table.row(r)) rows[r][c.column] = std::string(table.text(c));
    }
    return rows;
  } catch (const SheetError&) {
    return std::nullopt;
  }
}

CsvRows gradebook_rows(const Workspace& ws, const std::optional<CsvRows>& roster) {
  const bool use_roster = roster && roster->size() == static_cast<std::size_t>(ws.num_cases) + 1;
  const std::size_t roster_columns = use_roster ? (*roster)[0].size() : 0;
  CsvRows rows;
  std::vector<std::string> heading;
  if (use_roster) heading = (*roster)[0];
  for (const char* h : {"Label", "Raw Score", "Percent", "Grade"}) heading.emplace_back(h);
  if (ws.pc_enabled) {
    heading.emplace_back("Total Score");
    heading.emplace_back("Total Grade");
  }
  rows.push_back(std::move(heading));
  for (std::size_t i : input_order(ws)) {
    const Case_Record& c = ws.cases[i];
    std::vector<std::string> row;
    if (use_roster) {
      row = (*roster)[static_cast<std::size_t>(c.case_number)];
      row.resize(roster_columns);
    }
    row.push_back(trim(c.label));
    row.push_back(int_str(c.raw_score));
    row.push_back(fixed(c.percent_score, 1));
    row.push_back(graded(ws) ? trim(std::string(c.grade)) : "");
    if (ws.pc_enabled) {
      row.push_back(general(c.total_score));
      row.push_back(graded(ws) ? trim(std::string(c.total_grade)) : "");
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

void save_gradebook(const Workspace& ws, const std::filesystem::path& path,
                    const std::optional<CsvRows>& roster) {
  write_csv_file(path, gradebook_rows(ws, roster));
}

namespace {

// Writes rows into a sheet, fields of the numeric columns that are numbers as numbers (names
// and IDs stay texts, so "0123" keeps its zero).
void write_rows(lxw_worksheet* sheet, const CsvRows& rows, lxw_format* bold,
                std::size_t first_numeric = 0, std::size_t numeric_end = SIZE_MAX) {
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      const auto row = static_cast<lxw_row_t>(r);
      const auto col = static_cast<lxw_col_t>(c);
      const std::string& v = rows[r][c];
      if (r == 0)
        worksheet_write_string(sheet, row, col, v.c_str(), bold);
      else if (const auto x = c >= first_numeric && c < numeric_end ? as_number(v) : std::nullopt)
        worksheet_write_number(sheet, row, col, *x, nullptr);
      else if (!v.empty())
        worksheet_write_string(sheet, row, col, v.c_str(), nullptr);
    }
}

}  // namespace

void save_results_workbook(Workspace& ws, const std::filesystem::path& path,
                           const std::optional<CsvRows>& roster) {
  sort_items(ws, ItemSort::item_number);
  const CsvRows examinees = gradebook_rows(ws, roster);
  CsvRows items;
  for (const auto& line : item_stats_lines(ws)) items.push_back(split_commas(line));
  CsvRows options;
  const int most = std::max(ws.max_options_used, 2);
  options.push_back({"item", "key"});
  for (int k = 1; k <= most; ++k) options[0].push_back("option " + std::to_string(k));
  for (int j = 1; j <= ws.num_items; ++j) {
    const ItemRecord& it = ws.items[static_cast<std::size_t>(j)];
    std::vector<std::string> row{int_str(it.item_number),
                                 int_str(ws.key_values[static_cast<std::size_t>(it.item_number)])};
    for (int k = 1; k <= most; ++k)
      row.push_back(int_str(it.option_count_total[static_cast<std::size_t>(k)]));
    options.push_back(std::move(row));
  }

  // libxlsxwriter writes on close; a temporary name keeps the old file whole on failure.
  std::filesystem::path temp = path;
  temp += ".partial";
  lxw_workbook* book = workbook_new(temp.string().c_str());
  if (book == nullptr) throw FileError("Cannot create file \"" + path.string() + "\"");
  lxw_format* bold = workbook_add_format(book);
  format_set_bold(bold);
  // Examinees: raw score, percent (after the roster and the label), and the total score.
  const std::size_t scores = examinees[0].size() - (ws.pc_enabled ? 6 : 4) + 1;
  lxw_worksheet* first = workbook_add_worksheet(book, "Examinees");
  write_rows(first, examinees, bold, scores, scores + 2);
  if (ws.pc_enabled)
    for (std::size_t r = 1; r < examinees.size(); ++r)
      if (const auto x = as_number(examinees[r][scores + 3]))
        worksheet_write_number(first, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(scores + 3),
                               *x, nullptr);
  write_rows(workbook_add_worksheet(book, "Item Statistics"), items, bold);
  write_rows(workbook_add_worksheet(book, "Option Counts"), options, bold);
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
