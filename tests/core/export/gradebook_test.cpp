// Grades back out: the gradebook CSV and the results workbook of an analysed test.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/analysis/analysis_run.h"
#include "core/export/gradebook.h"
#include "core/input/editor_check.h"
#include "core/settings/grade_window.h"
#include "core/sheets/csv_reader.h"
#include "core/sheets/sheet_mapping.h"
#include "core/sheets/workbook_readers.h"
#include "core/sheets/xml_part.h"

namespace jrv {
namespace {

std::string file_text(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class Gradebook : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("jrv_gradebook_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  // Imports a sheet, checks and analyses it as "Close && Analyze" would.
  void analyse(std::string_view csv, bool graded = false) {
    imported_ = map_sheet(read_delimited(std::string(csv)), {}, "class.csv", "Class");
    doc_.editor = imported_.fields;
    ASSERT_TRUE(ReadEditorData(doc_, ws_).ok());
    if (graded) {
      choose_grade_scheme(GradeScheme::five, doc_.grades, ws_.grade_scale, ws_.options);
      ASSERT_TRUE(confirm_grades(doc_.grades, ws_.grade_scale).ok());
    }
    run_analysis(ws_, doc_);
  }

  std::filesystem::path dir_;
  SheetImport imported_;
  EditorDocument doc_;
  Workspace ws_;
};

constexpr std::string_view kClass =
    "Last,First,Q1,Q2,Q3,Q4\n"
    "KEY,,A,B,C,D\n"
    "Zola,Emile,A,B,C,D\n"
    "Abel,Ann,A,B,A,A\n"
    "Mbeki,Thabo,B,B,C,D\n";

TEST_F(Gradebook, OneRowPerExamineeInInputOrderWithTheRosterColumns) {
  analyse(kClass, true);
  const auto roster = std::make_optional(imported_.roster);
  save_gradebook(ws_, dir_ / "class_gradebook.csv", roster);
  EXPECT_EQ(file_text(dir_ / "class_gradebook.csv"),
            "\xEF\xBB\xBF"
            "Last,First,Label,Raw Score,Percent,Grade\r\n"
            "Zola,Emile,Zola Emile,4,100.0,A\r\n"
            "Abel,Ann,Abel Ann,2,50.0,F\r\n"
            "Mbeki,Thabo,Mbeki Thabo,3,75.0,C\r\n");

  // A roster of another class (a row missing) is left out rather than misaligned.
  auto short_roster = imported_.roster;
  short_roster.pop_back();
  EXPECT_EQ(gradebook_rows(ws_, short_roster)[0],
            (std::vector<std::string>{"Label", "Raw Score", "Percent", "Grade"}));

  // The roster file an import writes reads back as it was.
  write_csv_file(dir_ / "class_roster.csv", imported_.roster);
  EXPECT_EQ(read_roster(roster_path_for(dir_ / "class.jrv")), roster);
  EXPECT_FALSE(read_roster(dir_ / "none_roster.csv"));
}

TEST_F(Gradebook, NoGradeScaleLeavesTheGradeEmpty) {
  analyse(kClass);
  const CsvRows rows = gradebook_rows(ws_, std::nullopt);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[2], (std::vector<std::string>{"Abel Ann", "2", "50.0", ""}));
}

TEST_F(Gradebook, WorkbookStoresScoresAsNumbersAndNamesAsTexts) {
  analyse("ID,Q1,Q2\nKEY,A,B\n0123,A,B\n0456,A,C\n");
  save_results_workbook(ws_, dir_ / "class.xlsx", imported_.roster);
  const std::string bytes = file_text(dir_ / "class.xlsx");
  const SheetRead examinees = read_xlsx(bytes, "Examinees");
  EXPECT_EQ(examinees.sheet_names,
            (std::vector<std::string>{"Examinees", "Item Statistics", "Option Counts"}));
  EXPECT_EQ(examinees.table.at(1, 0), "0123");  // the ID keeps its zero
  EXPECT_EQ(examinees.table.at(2, 2), "1");
  EXPECT_EQ(examinees.table.at(2, 3), "50");
  const SheetRead items = read_xlsx(bytes, "Item Statistics");
  EXPECT_EQ(items.table.at(0, 2), "diff");
  EXPECT_EQ(items.table.at(2, 2), "0.5");
  const SheetRead options = read_xlsx(bytes, "Option Counts");
  EXPECT_EQ(options.table.at(2, 3), "1");  // item 2: one B

  // Numbers are stored as numbers: a <v> without a string type.
  ZipArchive zip(bytes);
  const std::string sheet1 = *zip.read("xl/worksheets/sheet1.xml");
  EXPECT_NE(sheet1.find("<c r=\"C2\"><v>2</v></c>"), std::string::npos) << sheet1;
  EXPECT_NE(sheet1.find("<c r=\"A2\" t=\"s\">"), std::string::npos) << sheet1;
}

}  // namespace
}  // namespace jrv
