#include "core/export/gradebook.h"

#include <algorithm>
#include <fstream>
#include <numeric>
#include <sstream>

#include "core/analysis/sorting.h"
#include "core/export/xlsx_writer.h"
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

std::vector<std::string> split_commas(const std::string& line) {
  std::vector<std::string> out;
  std::stringstream in(line);
  std::string part;
  while (std::getline(in, part, ',')) out.push_back(part);
  return out;
}

std::size_t widest(const CsvRows& rows) {
  std::size_t n = 0;
  for (const auto& row : rows) n = std::max(n, row.size());
  return n;
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

void save_results_workbook(Workspace& ws, const std::filesystem::path& path,
                           const std::optional<CsvRows>& roster) {
  sort_items(ws, ItemSort::item_number);
  WorkbookSheet examinees{"Examinees", gradebook_rows(ws, roster), {}};
  // Raw score and percent (after the roster and the label), and the total score.
  const std::size_t scores = examinees.rows[0].size() - (ws.pc_enabled ? 6 : 4) + 1;
  examinees.numeric.assign(examinees.rows[0].size(), false);
  examinees.numeric[scores] = examinees.numeric[scores + 1] = true;
  if (ws.pc_enabled) examinees.numeric[scores + 3] = true;

  WorkbookSheet items{"Item Statistics", {}, {}};
  for (const auto& line : item_stats_lines(ws)) items.rows.push_back(split_commas(line));
  items.numeric.assign(widest(items.rows), true);

  WorkbookSheet options{"Option Counts", {}, {}};
  const int most = std::max(ws.max_options_used, 2);
  options.rows.push_back({"item", "key"});
  for (int k = 1; k <= most; ++k) options.rows[0].push_back("option " + std::to_string(k));
  for (int j = 1; j <= ws.num_items; ++j) {
    const ItemRecord& it = ws.items[static_cast<std::size_t>(j)];
    std::vector<std::string> row{int_str(it.item_number),
                                 int_str(ws.key_values[static_cast<std::size_t>(it.item_number)])};
    for (int k = 1; k <= most; ++k)
      row.push_back(int_str(it.option_count_total[static_cast<std::size_t>(k)]));
    options.rows.push_back(std::move(row));
  }
  options.numeric.assign(widest(options.rows), true);

  write_xlsx_workbook(path, {std::move(examinees), std::move(items), std::move(options)});
}

}  // namespace jrv
