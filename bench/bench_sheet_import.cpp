// The spreadsheet importers on a class of 9999 examinees and 100 items of letters: the CSV
// reader, the XLSX reader (zip, XML a slice of rows at a time, cells) and the mapping to the
// editor's fields. The whole `jrv-cli import` process, against python3-openpyxl, is timed by
// bench/sheet_import_speed.sh.
#include <benchmark/benchmark.h>

#include <string>

#include <xlsxwriter.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/sheets/csv_reader.h"
#include "core/sheets/sheet_mapping.h"
#include "core/sheets/workbook_fixture.h"
#include "core/sheets/workbook_readers.h"

namespace {

constexpr int kRows = 9999, kItems = 100;

char answer(int r, int i) {
  return static_cast<char>('A' + (r * 7 + i * 3) % 5);
}

const std::string& class_csv() {
  static const std::string csv = [] {
    std::string s = "Name";
    for (int i = 1; i <= kItems; ++i) s += ",Q" + std::to_string(i);
    s += "\nKEY";
    for (int i = 0; i < kItems; ++i) s += ",A";
    s += '\n';
    for (int r = 0; r < kRows; ++r) {
      s += "Student " + std::to_string(r + 1);
      for (int i = 0; i < kItems; ++i) (s += ',') += answer(r, i);
      s += '\n';
    }
    return s;
  }();
  return csv;
}

// The same class as a workbook written by libxlsxwriter (shared strings).
const std::string& class_xlsx() {
  static const std::string bytes = [] {
    const auto path = std::filesystem::temp_directory_path() / "jrv_bench_class.xlsx";
    lxw_workbook* book = workbook_new(path.string().c_str());
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    worksheet_write_string(sheet, 0, 0, "Name", nullptr);
    worksheet_write_string(sheet, 1, 0, "KEY", nullptr);
    for (int i = 0; i < kItems; ++i) {
      worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(i + 1),
                             ("Q" + std::to_string(i + 1)).c_str(), nullptr);
      worksheet_write_string(sheet, 1, static_cast<lxw_col_t>(i + 1), "A", nullptr);
    }
    for (int r = 0; r < kRows; ++r) {
      const auto row = static_cast<lxw_row_t>(r + 2);
      worksheet_write_string(sheet, row, 0, ("Student " + std::to_string(r + 1)).c_str(), nullptr);
      for (int i = 0; i < kItems; ++i) {
        const char a[2] = {answer(r, i), 0};
        worksheet_write_string(sheet, row, static_cast<lxw_col_t>(i + 1), a, nullptr);
      }
    }
    workbook_close(book);
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    std::filesystem::remove(path);
    return s.str();
  }();
  return bytes;
}

// The same class laid out as python3-openpyxl writes it: inline strings, a cell reference
// on every cell, about 49 MB of XML.
const std::string& class_xlsx_inline() {
  static const std::string bytes = [] {
    const auto cell = [](std::string& xml, int row, int column, const std::string& text) {
      xml += "<c r=\"" + jrv::column_letters(static_cast<std::uint32_t>(column)) +
             std::to_string(row) + "\" t=\"inlineStr\"><is><t>" + text + "</t></is></c>";
    };
    std::string xml =
        "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
        "<sheetData><row r=\"1\">";
    cell(xml, 1, 0, "Name");
    for (int i = 0; i < kItems; ++i) cell(xml, 1, i + 1, "Q" + std::to_string(i + 1));
    xml += "</row><row r=\"2\">";
    cell(xml, 2, 0, "KEY");
    for (int i = 0; i < kItems; ++i) cell(xml, 2, i + 1, "A");
    xml += "</row>";
    for (int r = 0; r < kRows; ++r) {
      xml += "<row r=\"" + std::to_string(r + 3) + "\">";
      cell(xml, r + 3, 0, "Student " + std::to_string(r + 1));
      for (int i = 0; i < kItems; ++i) cell(xml, r + 3, i + 1, std::string(1, answer(r, i)));
      xml += "</row>";
    }
    xml += "</sheetData></worksheet>";
    return jrv::fixture::xlsx_with_sheet(xml);
  }();
  return bytes;
}

void BM_ReadCsv(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(jrv::read_delimited(class_csv()));
}
BENCHMARK(BM_ReadCsv)->Unit(benchmark::kMillisecond);

void BM_ReadXlsx(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(jrv::read_xlsx(class_xlsx()));
}
BENCHMARK(BM_ReadXlsx)->Unit(benchmark::kMillisecond);

void BM_ReadXlsxInlineStrings(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(jrv::read_xlsx(class_xlsx_inline()));
}
BENCHMARK(BM_ReadXlsxInlineStrings)->Unit(benchmark::kMillisecond);

void BM_MapSheet(benchmark::State& state) {
  const jrv::CellTable table = jrv::read_delimited(class_csv());
  for (auto _ : state) benchmark::DoNotOptimize(jrv::map_sheet(table, {}, "class.csv", "class"));
}
BENCHMARK(BM_MapSheet)->Unit(benchmark::kMillisecond);

}  // namespace
