#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "core/input/document_dump.h"
#include "core/input/editor_actions.h"
#include "core/input/editor_check.h"
#include "core/input/include_line.h"
#include "core/input/input_file_reader.h"
#include "core/input/input_file_writer.h"
#include "core/input/test_documents.h"
#include "core/text/errors.h"

namespace jrv {
namespace {

namespace fs = std::filesystem;
using fixtures::dump;

const fs::path kGolden = fs::path(JRV_TEST_DATA_DIR) / "input";

std::string file_bytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// Line-by-line comparison that names the first line that differs, with both versions.
void expect_same_lines(const Lines& expected, const Lines& actual) {
  for (std::size_t i = 0; i < std::max(expected.size(), actual.size()); ++i) {
    const std::string e = i < expected.size() ? expected[i] : "<none>";
    const std::string a = i < actual.size() ? actual[i] : "<none>";
    if (e != a) {
      ADD_FAILURE() << "line " << i + 1 << "\n  expected: '" << e << "'\n  actual:   '" << a << "'";
      return;
    }
  }
}

class TempDir {
 public:
  TempDir() : path_(fs::temp_directory_path() / ("jrv_input_test_" + std::to_string(::getpid()))) {
    fs::create_directories(path_);
  }
  ~TempDir() { fs::remove_all(path_); }
  fs::path operator/(const std::string& name) const { return path_ / name; }

 private:
  fs::path path_;
};

// The version-6 lines of a plain test (no partial credit, no grading), then `tail`.
Lines plain_file(Lines tail) {
  Lines lines = {"JRV: Orvandel (version 6)",
                 "Title         = T",
                 "Comments      = C",
                 "# Examinees   = 2",
                 "# Items       = 3",
                 "Missing Data  = 9",
                 "Not reached   = x",
                 "Label Length  = 2",
                 "Answer Key    = ABC",
                 "# Options     = 444",
                 "Item Analyzed = YYY",
                 "High Group D% = 27.0",
                 "Low Group D%  = 27.0",
                 "Partial Credit= NO",
                 "MC Points     = NO",
                 "a1ABC",
                 "b2CBA"};
  lines.insert(lines.end(), tail.begin(), tail.end());
  return lines;
}

TEST(InputFile, FixtureReadsToItsExpectedDocumentAndWritesBackByteForByte) {
  EditorDocument doc;
  Workspace ws;
  const OpenResult r = open_input_file(kGolden / "full_test.jrv", doc, ws);
  EXPECT_TRUE(r.read);
  EXPECT_TRUE(r.messages.empty()) << r.messages.at(0);
  expect_same_lines(read_lines(kGolden / "full_test.expected"), dump(doc, ws));
  EXPECT_TRUE(doc.input_opened);
  EXPECT_FALSE(doc.include_changed);  // the alternatives' OK has seen the "A" item

  TempDir dir;
  const SaveResult s = save_input_file(dir / "copy.jrv", doc, ws, InputSave::explicit_save);
  ASSERT_TRUE(s.written);
  EXPECT_EQ(file_bytes(dir / "copy.jrv"), file_bytes(kGolden / "full_test.jrv"));

  // And the copy is accepted by the editor's check as it stands.
  EXPECT_FALSE(ReadEditorData(doc, ws).failed);
}

TEST(InputFile, EveryTypedFieldSurvivesWriteAndRead) {
  EditorDocument doc = fixtures::small_test();
  doc.editor.title = "  padded title  ";
  doc.editor.comments = "";
  doc.groups = {"20", "33.5"};
  Workspace ws;
  ws.grade_scale.grade_category_count = 0;
  const Lines lines = input_file_lines(doc, ws);
  EditorDocument back;
  Workspace ws2;
  const OpenResult r = read_input_lines(lines, back, ws2);
  ASSERT_TRUE(r.read) << r.messages.at(0);
  EXPECT_EQ(back.editor, doc.editor);
  EXPECT_EQ(back.groups, doc.groups);
  EXPECT_EQ(ws2.options.upper_group_percent, 20.0);
  EXPECT_EQ(back.partial_credit, (PartialCreditFields{"0", "1"}));
  EXPECT_FALSE(ws2.pc_enabled);
  EXPECT_EQ(input_file_lines(back, ws2), lines);
}

TEST(InputFile, WrongVersionMarkerStopsAfterClearingTheFourFields) {
  TempDir dir;
  for (const char* marker : {"jrv: orvandel (version 6)", "JRV: Orvandel (version 6) "}) {
    SCOPED_TRACE(marker);
    Lines lines = plain_file({"# Grades      = 0"});
    lines[0] = marker;
    write_lines(dir / "old.jrv", lines);
    EditorDocument doc = fixtures::small_test();
    Workspace ws;
    const OpenResult r = open_input_file(dir / "old.jrv", doc, ws);
    EXPECT_FALSE(r.read);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(
        r.messages[0],
        "Sorry, your input file was not created by JRV Version 6.x.x (or was created before "
        "this feature was added).\r\n\r\nYou can see a sample JRV Version 6.x.x INPUT file by "
        "running of the Sample Data Sets under Help and saving the JRV file.\r\n\r\nIf you "
        "created the input file using JRV Version 3 or 4, you can try importing it using the "
        "options under the Help Menu in the Data Editor");
    EXPECT_EQ(doc.editor.title, "");
    EXPECT_EQ(doc.editor.cases, "");
    EXPECT_EQ(doc.editor.answer_key, "ABCD");  // untouched
    EXPECT_EQ(doc.editor.data_lines.size(), 3u);
  }
}

TEST(InputFile, ShortLabelledLinesAndPartialCreditOff) {
  Lines lines = plain_file({"# Grades      = 0"});
  lines[1] = "Title         =";     // 15 characters: no value
  lines[2] = "Comments      = ";    // exactly 16
  lines[14] = "MC Points     = 3";  // ignored while partial credit is off
  EditorDocument doc;
  doc.partial_credit = {"40", "2"};
  Workspace ws;
  ws.mc_points = 2;
  const OpenResult r = read_input_lines(lines, doc, ws);
  ASSERT_TRUE(r.read);
  EXPECT_EQ(doc.editor.title, "");
  EXPECT_EQ(doc.editor.comments, "");
  EXPECT_EQ(ws.mc_points, 1.0);
  EXPECT_EQ(doc.partial_credit, (PartialCreditFields{"0", "1"}));
}

TEST(InputFile, EmptyDataLinesAreWrittenAndSkippedOnReading) {
  EditorDocument doc = fixtures::small_test();
  doc.editor.data_lines[1] = "";
  Workspace ws;
  const Lines lines = input_file_lines(doc, ws);
  EXPECT_EQ(lines[16], "");
  EditorDocument back;
  Workspace ws2;
  ASSERT_TRUE(read_input_lines(lines, back, ws2).read);
  EXPECT_EQ(back.editor.data_lines, (std::vector<std::string>{"S01ABCD", "S03 .1d"}));
}

TEST(InputFile, GradeSections) {
  // One category: no grade lines follow; the alternatives come next.
  EditorDocument doc;
  Workspace ws;
  ASSERT_TRUE(read_input_lines(plain_file({"# Grades      = 1", "#Alternatives = 0",
                                           "#Content Areas= 0", "#Cognitives   = 0"}),
                               doc, ws)
                  .read);
  EXPECT_EQ(doc.grades.scheme, GradeScheme::user);

  // Zero turns grading off.
  ASSERT_TRUE(read_input_lines(plain_file({"# Grades      = 0"}), doc, ws).read);
  EXPECT_EQ(doc.grades.scheme, GradeScheme::none);
  EXPECT_EQ(ws.grade_scale.grade_category_count, 0);

  // More categories than the window holds cannot be read.
  const OpenResult r = read_input_lines(plain_file({"# Grades      = 14"}), doc, ws);
  EXPECT_FALSE(r.read);
  EXPECT_EQ(r.messages.back(),
            "'14' is not a valid number of grade categories (0 to 13) (line 18, \"# Grades\")");
}

// The label columns and column 17 count characters, so letters of any alphabet in the
// grade labels and names neither shift the values nor get cut inside a letter.
TEST(InputFile, LabelColumnsCountCharacters) {
  const Lines grades = {"# Grades      = 3", "Ä+            = 80", "Б             = 60.5",
                        "Ω      "};
  EditorDocument doc;
  Workspace ws;
  const OpenResult r = read_input_lines(
      plain_file({grades[0], grades[1], grades[2], grades[3], "#Alternatives = 0",
                  "#Content Areas= 1",
                  "Content Area 1= " + std::string(30, 'x') + "Ж" + std::string(19, 'y') + "ЖЖЖ",
                  "#Cognitives   = 0", "01,1,0", "02,1,0", "03,0,0"}),
      doc, ws);
  ASSERT_TRUE(r.read) << (r.messages.empty() ? "" : r.messages.back());
  EXPECT_EQ(ws.grade_scale.grade_labels[1], "Ä+  ");
  EXPECT_EQ(ws.grade_scale.grade_labels[2], "Б   ");
  EXPECT_EQ(ws.grade_scale.grade_labels[3], "Ω   ");
  EXPECT_EQ(ws.grade_scale.grade_minimums[2], 60.5);
  EXPECT_EQ(doc.grades.percents[1], "80");
  // Names are cut to 50 characters, not bytes.
  EXPECT_EQ(ws.content_area_names[1], std::string(30, 'x') + "Ж" + std::string(19, 'y'));

  const Lines written = input_file_lines(doc, ws);
  const auto at = std::find(written.begin(), written.end(), grades[0]);
  ASSERT_NE(at, written.end());
  expect_same_lines(grades, Lines(at, at + 4));
}

TEST(InputFile, FourCategoriesWriteFourLinesTheLastWithoutValue) {
  EditorDocument doc;
  Workspace ws;
  ASSERT_TRUE(read_input_lines(read_lines(kGolden / "full_test.jrv"), doc, ws).read);
  const Lines lines = input_file_lines(doc, ws);
  const auto at = std::find(lines.begin(), lines.end(), "# Grades      = 4");
  ASSERT_NE(at, lines.end());
  EXPECT_EQ(*(at + 1), "A+            = 85");
  EXPECT_EQ(*(at + 4), "F      ");
  EXPECT_EQ(*(at + 5), "#Alternatives = 1");
}

TEST(InputFile, FileEndingAfterItsGradesForgetsTheLastTestsAlternativesAndTable) {
  EditorDocument doc;
  Workspace ws;
  ASSERT_TRUE(open_input_file(kGolden / "full_test.jrv", doc, ws).read);
  const OpenResult r = read_input_lines(plain_file({"# Grades      = 0"}), doc, ws);
  EXPECT_TRUE(r.read);
  EXPECT_TRUE(r.messages.empty());
  EXPECT_TRUE(doc.alternatives.rows.empty());
  EXPECT_EQ(ws.alt_item_count, 0);
  EXPECT_EQ(ws.alt_answer_text[3][2], "");
  EXPECT_EQ(ws.content_area_count, 0);
  EXPECT_EQ(ws.cognitive_level_count, 0);
  EXPECT_EQ(ws.item_specs[1], ItemSpec{});
  EXPECT_EQ(doc.spec_table, SpecTableFields{});
}

// A file saved after "Close && Analyze" was pressed twice holds an "A" without alternatives;
// read back, it was not typed, so the check analyses it as the desktop program did.
TEST(InputFile, AnAItemReadFromAFileIsNoTypingChange) {
  Lines lines = plain_file(
      {"# Grades      = 0", "#Alternatives = 0", "#Content Areas= 0", "#Cognitives   = 0"});
  lines[10] = "Item Analyzed = YAY";
  EditorDocument doc;
  Workspace ws;
  ASSERT_TRUE(read_input_lines(lines, doc, ws).read);
  const EditorExit exit = leave_editor(doc, ws, EditorExitButton::close_and_analyze, "");
  EXPECT_TRUE(exit.accepted);
  EXPECT_TRUE(exit.check.messages.empty()) << exit.check.messages.front();
  // Typing the "A" again still asks for its alternatives.
  set_include_text(doc, "YYY");
  set_include_text(doc, "YAY");
  EXPECT_FALSE(leave_editor(doc, ws, EditorExitButton::close_and_analyze, "").accepted);
}

TEST(InputFile, TableOfSpecificationsItemLines) {
  EditorDocument doc;
  doc.editor.cases = "1";
  doc.editor.items = "100";
  doc.editor.data_lines = {std::string(100, '1')};
  Workspace ws;
  ws.num_items = 100;
  // Without areas or levels there are no item lines.
  Lines lines = input_file_lines(doc, ws);
  EXPECT_EQ(lines.back(), "#Cognitives   = 0");

  ws.content_area_count = 3;
  ws.content_area_names[1] = "One";
  ws.item_specs[7] = {2, 0};
  ws.item_specs[100] = {3, 0};
  lines = input_file_lines(doc, ws);
  EXPECT_EQ(lines.back(), "100,3,0");
  EXPECT_EQ(*(lines.end() - 94), "07,2,0");

  lines.back() = "100,3";          // no level: 0
  *(lines.end() - 94) = "07,x,9";  // a non-digit, and a level beyond the table: 0
  EditorDocument back;
  Workspace ws2;
  ASSERT_TRUE(read_input_lines(lines, back, ws2).read);
  EXPECT_EQ(ws2.item_specs[100], (ItemSpec{3, 0}));
  EXPECT_EQ(ws2.item_specs[7], ItemSpec{});
  EXPECT_EQ(back.spec_table.area_cells[100], "3");
  EXPECT_EQ(back.spec_table.level_cells[100], "");
}

TEST(InputFile, ConversionErrorStopsReadingAndKeepsWhatWasRead) {
  Lines lines = plain_file({"# Grades      = 0"});
  lines[13] = "Partial Credit= 5";
  lines[14] = "MC Points     = lots";
  EditorDocument doc;
  Workspace ws;
  const OpenResult r = read_input_lines(lines, doc, ws);
  EXPECT_FALSE(r.read);
  EXPECT_EQ(r.messages, std::vector<std::string>{
                            "'lots' is not a valid floating point value (line 15, \"MC Points\")"});
  EXPECT_EQ(doc.editor.include, "YYY");
  EXPECT_EQ(ws.pc_points, 5);
  EXPECT_TRUE(doc.editor.data_lines.empty());
}

TEST(InputFile, MessagesOfTheWindowsComeInOrderBeforeAnError) {
  Lines lines = plain_file({"# Grades      = 0", "#Alternatives = x"});
  lines[13] = "Partial Credit= 0";
  lines[14] = "MC Points     = 1";
  lines[9] = "# Options     = 4444";
  lines[15] = "a1ABC00";
  lines[16] = "b2CBA00";
  EditorDocument doc;
  Workspace ws;
  const OpenResult r = read_input_lines(lines, doc, ws);
  EXPECT_EQ(r.messages,
            (std::vector<std::string>{
                "You have set the Number of Partial Credit points equal to Zero -- any points at "
                "the end of the data will be treated as extra credit.",
                "Please be sure that the correct number of Partial Credit points is at the end of "
                "the OPTIONS line (after the last item number) -- you set a total of 00 points.",
                "'x' is not a valid integer value (line 19, \"#Alternatives\")"}));
  EXPECT_TRUE(ws.pc_enabled);
  EXPECT_EQ(doc.editor.data_lines.size(), 2u);
}

TEST(InputFile, ShortFileReadsEmptyLinesPastItsEnd) {
  Lines lines = plain_file({});
  lines.pop_back();  // one data line missing; "# Grades" then reads an empty line
  EditorDocument doc;
  Workspace ws;
  const OpenResult r = read_input_lines(lines, doc, ws);
  EXPECT_EQ(doc.editor.data_lines, std::vector<std::string>{"a1ABC"});
  EXPECT_EQ(r.messages, std::vector<std::string>{
                            "'' is not a valid integer value (line 17, past the end of the file)"});

  // A huge examinee count ends at the end of the file instead of counting on.
  lines = plain_file({});
  lines[3] = "# Examinees   = 2000000000";
  EXPECT_FALSE(read_input_lines(lines, doc, ws).read);
  EXPECT_EQ(doc.editor.data_lines.size(), 2u);
}

// Empty lines after the last section are no further section; a "# Examinees" above the data
// lines reads the grade line as data, and the message says so.
TEST(InputFile, TrailingEmptyLinesAndTooManyExaminees) {
  EditorDocument doc;
  Workspace ws;
  const Lines complete = plain_file(
      {"# Grades      = 0", "#Alternatives = 0", "#Content Areas= 0", "#Cognitives   = 0"});
  Lines lines = complete;
  lines.insert(lines.end(), {"", "", ""});
  OpenResult r = read_input_lines(lines, doc, ws);
  EXPECT_TRUE(r.read);
  EXPECT_TRUE(r.messages.empty()) << r.messages.front();

  lines = complete;
  lines[3] = "# Examinees   = 3";
  r = read_input_lines(lines, doc, ws);
  EXPECT_FALSE(r.read);
  EXPECT_EQ(r.messages,
            std::vector<std::string>{
                "'' is not a valid integer value (line 22, past the end of the file) -- "
                "the file has fewer data lines than # Examinees"});
}

// Every count the reader repeats a reading for, or keeps in a table, is bounded before it is
// used, and the message names the count; the writer checks the item count it writes lines for.
TEST(InputFile, CountsPastTheirTablesAreRefusedByName) {
  struct Case {
    Lines tail;
    std::string items, message;
  } cases[] = {
      {{"# Grades      = 0", "#Alternatives = 1000000000"},
       "3",
       "'1000000000' is not a valid number of items with alternative answers (0 to 100)"},
      {{"# Grades      = 0", "#Alternatives = -1"},
       "3",
       "'-1' is not a valid number of items with alternative answers (0 to 100)"},
      {{"# Grades      = 14"}, "3", "'14' is not a valid number of grade categories (0 to 13)"},
      {{"# Grades      = 0", "#Alternatives = 0", "#Content Areas= 7"},
       "3",
       "'7' is not a valid number of content areas (0 to 6)"},
      {{"# Grades      = 0", "#Alternatives = 0", "#Content Areas= 1", "Area 1        = A",
        "#Cognitives   = 0", "01,1,0"},
       "1979929312",
       "'1979929312' is not a valid number of items (0 to 100)"},
  };
  for (const auto& c : cases) {
    Lines lines = plain_file(c.tail);
    lines[4] = "# Items       = " + c.items;
    EditorDocument doc;
    Workspace ws;
    const OpenResult r = read_input_lines(lines, doc, ws);
    EXPECT_FALSE(r.read) << c.message;
    // The reader adds where it stopped, as for every reading error.
    const std::string said = r.messages.empty() ? "" : r.messages.back();
    EXPECT_TRUE(said.starts_with(c.message + " (line "))
        << "said:     " << said << "\nexpected: " << c.message << " (line ...)";
    EXPECT_EQ(doc.editor.data_lines.size(), 2u) << "what was read before stays";
  }

  // The same item count typed into the editor: the save is refused before any line is made,
  // whether the count comes from the field or, when that is no number, from the workspace.
  EditorDocument doc = fixtures::small_test();
  Workspace ws;
  ws.content_area_count = 1;
  doc.editor.items = "1979929312";
  try {
    (void)input_file_lines(doc, ws);
    ADD_FAILURE() << "an item count of 1979929312 was written";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'1979929312' is not a valid number of items (0 to 100)");
  }
  doc.editor.items = "many";
  ws.num_items = -5;
  EXPECT_THROW((void)input_file_lines(doc, ws), ConversionError);
  doc.editor.items = "100";
  EXPECT_EQ(input_file_lines(doc, ws).back(), "100,0,0");
}

TEST(InputFile, MissingFileIsAFileError) {
  EditorDocument doc;
  Workspace ws;
  const OpenResult r = open_input_file(kGolden / "no_such_file.jrv", doc, ws);
  EXPECT_FALSE(r.read);
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_NE(r.messages[0].find("no_such_file.jrv"), std::string::npos) << r.messages[0];
}

TEST(InputFileSave, ExplicitSaveAlwaysWritesTheAutomaticCopyFollowsTheOption) {
  TempDir dir;
  const EditorDocument doc = fixtures::small_test();
  Workspace ws;
  ws.auto_save_input = false;
  EXPECT_FALSE(save_input_file(dir / "auto.jrv", doc, ws, InputSave::automatic_copy).written);
  EXPECT_FALSE(fs::exists(dir / "auto.jrv"));
  EXPECT_TRUE(save_input_file(dir / "mine.jrv", doc, ws, InputSave::explicit_save).written);
  EXPECT_TRUE(fs::exists(dir / "mine.jrv"));
  ws.auto_save_input = true;
  EXPECT_TRUE(save_input_file(dir / "auto.jrv", doc, ws, InputSave::automatic_copy).written);
}

TEST(InputFileSave, RefusesAFileThatWouldReadBackShifted) {
  TempDir dir;
  EditorDocument doc = fixtures::small_test();
  doc.editor.data_lines.push_back("S04ABCD");
  Workspace ws;
  SaveResult s = save_input_file(dir / "t.jrv", doc, ws, InputSave::explicit_save);
  EXPECT_FALSE(s.written);
  EXPECT_EQ(s.check.messages,
            std::vector<std::string>{"The JRV file was not saved: the data window holds 4 lines "
                                     "but # Examinees is 3. Make the two numbers agree and save "
                                     "again."});
  EXPECT_EQ(s.check.focus, "txt_cases");
  EXPECT_FALSE(fs::exists(dir / "t.jrv"));

  doc.editor.cases = "";
  s = save_input_file(dir / "t.jrv", doc, ws, InputSave::explicit_save);
  EXPECT_EQ(s.check.messages,
            std::vector<std::string>{"The JRV file was not saved: # Examinees must be a whole "
                                     "number (the data window holds 4 lines)."});
  doc.editor.cases = "4";
  doc.editor.items = "four";
  s = save_input_file(dir / "t.jrv", doc, ws, InputSave::explicit_save);
  EXPECT_EQ(s.check.focus, "txt_items");
  EXPECT_EQ(doc.editor.data_lines.size(), 4u);
}

TEST(InputFileSave, BadAlternativeCellStopsTheSaveAndLeavesTheOldFile) {
  TempDir dir;
  EditorDocument doc = fixtures::small_test();
  Workspace ws;
  ASSERT_TRUE(save_input_file(dir / "t.jrv", doc, ws, InputSave::explicit_save).written);
  const std::string before = file_bytes(dir / "t.jrv");
  doc.alternatives.rows.push_back({"3", "4", "3", "four"});
  doc.editor.title = "changed";
  EXPECT_THROW(save_input_file(dir / "t.jrv", doc, ws, InputSave::explicit_save), ConversionError);
  EXPECT_EQ(file_bytes(dir / "t.jrv"), before);

  doc.alternatives.rows.back()[3] = "12";  // would break the two-column pitch
  EXPECT_THROW(input_file_lines(doc, ws), ConversionError);
}

}  // namespace
}  // namespace jrv
