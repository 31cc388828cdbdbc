// The desktop program reads and writes workbooks through a module it loads on first use:
// what comes back, errors included, must be what the core's own readers and writer give.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/export/xlsx_writer.h"
#include "core/sheets/sheet_file.h"
#include "core/sheets/sheet_fixture.h"
#include "core/sheets/table_dump.h"
#include "core/sheets/workbook_readers.h"
#include "core/text/errors.h"

namespace jrv {
namespace {

bool mapped(const std::string& library) {
  std::ifstream maps("/proc/self/maps");
  std::string line;
  while (std::getline(maps, line))
    if (line.find(library) != std::string::npos) return true;
  return false;
}

// One test, in order: the module must not be there before the first workbook.
TEST(WorkbookModule, LoadsOnFirstUseAndAnswersAsTheCoreDoes) {
  EXPECT_FALSE(mapped("libzip.so"));
  EXPECT_FALSE(mapped("jrv-workbooks.so"));

  const SheetRead xlsx = read_xlsx(fixture::sheet_bytes("numbers.xlsx"), "Notes");
  EXPECT_TRUE(mapped("jrv-workbooks.so"));
  EXPECT_EQ(xlsx.sheet_names, (std::vector<std::string>{"Scores", "Notes"}));
  EXPECT_EQ(dump(xlsx.table), "1A=not the answers\n");
  const SheetFile ods =
      read_sheet_bytes(fixture::sheet_bytes("true_false.ods"), SheetFormat::ods, "Other", "t.ods");
  EXPECT_EQ(dump(ods.table), "1A=x\n");

  // Errors raised inside the module reach the program as the core's own kinds.
  try {
    read_sheet_bytes(fixture::sheet_bytes("truncated.xlsx"), SheetFormat::xlsx, {},
                     "truncated.xlsx");
    ADD_FAILURE() << "a truncated workbook was read";
  } catch (const SheetError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("truncated.xlsx: ", 0), 0u) << e.what();
  }
  EXPECT_THROW(read_xlsx(fixture::sheet_bytes("numbers.xlsx"), "No such sheet"), SheetError);

  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("jrv_module_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const WorkbookSheet sheet{"Marks", {{"name", "mark"}, {"0123", "7.5"}}, {false, true}};
  write_xlsx_workbook(dir / "m.xlsx", {sheet});
  std::ifstream in(dir / "m.xlsx", std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  EXPECT_EQ(dump(read_xlsx(bytes.str()).table), "1A=name\n1B=mark\n2A=0123\n2B=7.5\n");
  EXPECT_THROW(write_xlsx_workbook(dir / "missing" / "m.xlsx", {sheet}), FileError);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace jrv
