// Mapping a table of cells to the editor's fields, and the editor's check on the result.

#include <gtest/gtest.h>

#include "core/input/editor_check.h"
#include "core/sheets/csv_reader.h"
#include "core/sheets/sheet_mapping.h"

namespace jrv {
namespace {

SheetImport map(std::string_view csv, const ImportChoices& choices = {}) {
  return map_sheet(read_delimited(std::string(csv)), choices, "t.csv", "Title");
}

std::string refusal(std::string_view csv, const ImportChoices& choices = {}) {
  try {
    map(csv, choices);
  } catch (const SheetError& e) {
    return e.what();
  }
  return "accepted";
}

std::string lines(const EditorFields& f) {
  std::string out;
  for (const auto& l : f.data_lines) out += l + "|";
  return out;
}

TEST(SheetMapping, ScannerSheetWithKeyInTheIdColumn) {
  const SheetImport m =
      map("ID,Name,Q1,Q2,Q3\n"
          "KEY,,B,A,D\n"
          "7,Ann,B,A,D\n"
          ",,,,\n"  // a formatted empty row: skipped, not an examinee
          "8,Bob,C,AB,h\n");
  EXPECT_EQ(m.header_row, 0u);
  EXPECT_EQ(m.label_columns, (std::vector<std::uint32_t>{0, 1}));
  EXPECT_EQ(m.item_columns, (std::vector<std::uint32_t>{2, 3, 4}));
  EXPECT_EQ(m.examinee_rows, (std::vector<std::uint32_t>{2, 4}));
  EXPECT_EQ(m.fields.answer_key, "BAD");
  EXPECT_EQ(m.fields.options, "328");  // highest option used in the column or the key, at least 2
  EXPECT_EQ(lines(m.fields), "7 AnnBAD|8 BobC.H|");
  EXPECT_EQ(m.summary, "2 examinees, 3 items, key from row 2");
  ASSERT_EQ(m.warnings.size(), 1u);
  EXPECT_EQ(m.warnings[0],
            "t.csv: 1 cell holds several answers and counts as missing (first at row 5, column D: "
            "\"AB\")");

  // The editor's check loads it as typed: "." and the multi-answer cell are missing (9).
  EditorDocument doc;
  doc.editor = m.fields;
  Workspace ws;
  ASSERT_TRUE(ReadEditorData(doc, ws).ok());
  EXPECT_EQ(ws.key_values[1], 2);
  EXPECT_EQ(ws.responses[2][2], 9);
  EXPECT_EQ(ws.responses[2][3], 8);
}

TEST(SheetMapping, CodingOfEachColumn) {
  // True/false, letters where F is option 6, right-wrong digits, digits; the row above the
  // key is a header even when its cells read like answers.
  const SheetImport m =
      map("Name,A,B,C,D\n"
          "Key,T,F,1,3\n"
          "x,F,A,0,0\n"
          "y,t,T,1,\n");
  EXPECT_EQ(m.fields.options, "2623");
  EXPECT_EQ(lines(m.fields), "xFA00|yT.1.|");  // T among letters is no answer
  ASSERT_EQ(m.warnings.size(), 1u);
  EXPECT_EQ(m.warnings[0],
            "t.csv: 1 cell holds something that is not an answer and counts as missing (first "
            "at row 4, column C: \"T\")");
}

TEST(SheetMapping, WarningsNameTheFirstCellColumnByColumn) {
  // Cells are read row by row but told column by column: the first column with such a cell,
  // and in it a cell that is no answer before a T among letters, even one further up.
  const SheetImport m =
      map("Name,Q1,Q2,Q3\n"
          "KEY,A,B,C\n"
          "a,A,T,AB\n"
          "b,BC,B,?\n"
          "c,A,%,C\n");
  EXPECT_EQ(lines(m.fields), "aA..|b.B.|cA.C|");
  ASSERT_EQ(m.warnings.size(), 2u);
  EXPECT_EQ(m.warnings[0],
            "t.csv: 2 cells hold several answers and count as missing (first at row 4, column B: "
            "\"BC\")");
  EXPECT_EQ(m.warnings[1],
            "t.csv: 3 cells hold something that is not an answer and count as missing (first at "
            "row 5, column C: \"%\")");
}

TEST(SheetMapping, RightWrongSheetNeedsNoKey) {
  const SheetImport m = map("Name,1,2,3\nAnn,1,0,1\nBob,0,0,1\n");
  EXPECT_EQ(m.header_row, 0u);  // item numbers head the columns
  EXPECT_EQ(m.key_source, KeySource::all_right);
  EXPECT_EQ(m.fields.answer_key, "111");
  EXPECT_EQ(m.fields.options, "222");
  EXPECT_EQ(refusal("Name,1,2\nAnn,1,C\n"),
            "t.csv: no key: no row has a cell reading KEY or Answer Key, and the answers are not "
            "all 0/1 right-wrong; name the key row or type the key");
}

TEST(SheetMapping, TextAnswersBecomeOptionsInAlphabeticalOrder) {
  const SheetImport m =
      map("Who,Q: capital?,Q: colour\n"
          "Answer Key,Paris,blue\n"
          "Ann,paris,Blue\n"  // texts differ by case: two options
          "Bob,Lyon,red\n"
          "Cy,,blue\n");
  ASSERT_EQ(m.text_columns.size(), 2u);
  EXPECT_EQ(m.text_columns[0].texts, (std::vector<std::string>{"Lyon", "Paris", "paris"}));
  EXPECT_EQ(m.text_columns[0].keyed, 2);
  EXPECT_EQ(m.text_columns[0].heading, "Q: capital?");
  EXPECT_EQ(m.text_columns[1].texts, (std::vector<std::string>{"Blue", "blue", "red"}));
  EXPECT_EQ(m.fields.answer_key, "22");
  EXPECT_EQ(lines(m.fields), "Ann31|Bob13|Cy .2|");

  // Without a key row a column is text when most cells are; the typed key gives the digit.
  ImportChoices typed;
  typed.typed_key = "2";
  typed.items = std::vector<std::uint32_t>{1};
  typed.header = false;
  const SheetImport t = map("Ann,yes\nBob,no\nCy,yes\n", typed);
  EXPECT_EQ(lines(t.fields), "Ann2|Bob1|Cy 2|");
  EXPECT_EQ(t.fields.answer_key, "2");
  EXPECT_EQ(t.summary, "3 examinees, 1 item, key typed");
}

TEST(SheetMapping, LabelsAreJoinedInTheChosenOrderAndCutToWhatTheLineLeaves) {
  ImportChoices c;
  c.labels = std::vector<std::uint32_t>{1, 0};
  const SheetImport m =
      map("First,Last,Q\nKEY,,A\nJos\xC3\xA9,Garc\xC3\xAD"
          "a,A\n",
          c);
  EXPECT_EQ(lines(m.fields),
            "Garc\xC3\xAD"
            "a Jos\xC3\xA9"
            "A|");
  EXPECT_EQ(m.fields.label_length, "11");  // characters, not bytes
  EXPECT_EQ(m.roster, (std::vector<std::vector<std::string>>{{"Last", "First"},
                                                             {"Garc\xC3\xAD"
                                                              "a",
                                                              "Jos\xC3\xA9"}}));
}

TEST(SheetMapping, LimitsAndTypedChoices) {
  ImportChoices c;
  c.typed_key = "AB";
  EXPECT_EQ(refusal("Name,Q1\nAnn,A\n", c), "t.csv: the key has 2 answers for 1 item column");
  ImportChoices rows;
  rows.key_row = 5;
  EXPECT_EQ(refusal("Name,Q1\nAnn,A\n", rows), "t.csv: row 6 holds no key");
  EXPECT_EQ(refusal("KEY,A,B\n"), "t.csv: the sheet holds no examinee rows");
  ImportChoices options;
  options.options = "5";
  EXPECT_EQ(map("Name,Q1,Q2\nKEY,A,B\nAnn,A,B\n", options).fields.options, "55");
}

}  // namespace
}  // namespace jrv
