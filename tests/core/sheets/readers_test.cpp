// The spreadsheet readers: what a cell reads as, whatever file it came from.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/sheets/csv_reader.h"
#include "core/sheets/sheet_file.h"
#include "core/sheets/sheet_fixture.h"
#include "core/sheets/sheet_mapping.h"
#include "core/sheets/table_dump.h"
#include "core/sheets/workbook_fixture.h"
#include "core/sheets/workbook_readers.h"
#include "core/sheets/xml_part.h"

namespace jrv {
namespace {

TEST(CsvReader, QuotedFieldsHoldDelimitersQuotesAndLineBreaks) {
  const CellTable t =
      read_delimited("a,\"b,c\",\"say \"\"hi\"\"\"\r\n\"two\nlines\",x,\r\nlast,,z");
  EXPECT_EQ(dump(t),
            "1A=a\n1B=b,c\n1C=say \"hi\"\n"
            "2A=two\nlines\n2B=x\n"  // a record with a line break inside stays one row
            "3A=last\n3C=z\n");
  EXPECT_EQ(t.row_count(), 3u);
  EXPECT_EQ(t.column_count(), 3u);
}

TEST(CsvReader, LineEndsOfEveryKindAndEmptyLinesKeepTheirRows) {
  EXPECT_EQ(dump(read_delimited("a\rb\n\nc\r\nd\n")), "1A=a\n2A=b\n4A=c\n5A=d\n");
}

TEST(CsvReader, DelimiterIsDetectedFromTheFirstRecord) {
  EXPECT_EQ(detect_delimiter("a,b,c\n"), ',');
  EXPECT_EQ(detect_delimiter("Name;Score\nAnn;1,5"), ';');  // decimal commas below the header
  EXPECT_EQ(detect_delimiter("a\tb\tc,d\n"), '\t');
  EXPECT_EQ(detect_delimiter("\"x;y;z\",b\n"), ',');  // delimiters inside quotes do not count
  EXPECT_EQ(detect_delimiter("one column\n"), ',');
  EXPECT_EQ(dump(read_delimited("a;b\n1,5;2\n")), "1A=a\n1B=b\n2A=1,5\n2B=2\n");
}

TEST(CsvReader, Utf8WithOrWithoutBomAndWindows1252) {
  EXPECT_EQ(dump(read_delimited("\xEF\xBB\xBFJos\xC3\xA9,1\n")), "1A=Jos\xC3\xA9\n1B=1\n");
  EXPECT_EQ(dump(read_delimited("M\xFCller;\x80\n")), "1A=M\xC3\xBCller\n1B=\xE2\x82\xAC\n");
  // The texts are laid out again in the file's own buffer, after a mark or decoded.
  EXPECT_EQ(dump(read_delimited("\xEF\xBB\xBF\"a\"\"b\",,\"\"\r\nc")), "1A=a\"b\n2A=c\n");
  EXPECT_EQ(dump(read_delimited("\"\xFC\",x\n\"\"\"\"\n")), "1A=\xC3\xBC\n1B=x\n2A=\"\n");
  EXPECT_TRUE(read_delimited("\xEF\xBB\xBF").empty());
  EXPECT_TRUE(read_delimited("").empty());
  EXPECT_THROW(read_sheet_bytes("\xEF\xBB\xBF", SheetFormat::csv, {}, "f.csv"), SheetError);
}

TEST(CsvReader, RefusesBinaryAndAnOpenQuote) {
  const auto message = [](std::string_view bytes) {
    try {
      read_delimited(std::string(bytes));
    } catch (const SheetError& e) {
      return std::string(e.what());
    }
    return std::string("accepted");
  };
  EXPECT_EQ(message(std::string("a,b\0c", 5)),
            "the file holds binary data, not comma- or tab-separated text");
  EXPECT_EQ(message("a,b\nc,\"open"),
            "row 2, column B: a quoted field is not closed before the end of the file");
}

// A sheet past a limit is refused at the first cell beyond it, whatever row it is in.
TEST(CsvReader, RefusesRowsColumnsAndCellsPastTheLimits) {
  const auto message = [](std::string bytes) {
    try {
      read_delimited(std::move(bytes));
    } catch (const SheetError& e) {
      return std::string(e.what());
    }
    return std::string("accepted");
  };
  std::string rows;
  for (std::uint32_t r = 0; r < CellTable::kMaxRows; ++r) rows += "x\n";
  EXPECT_EQ(message(rows + "\n,\n"), "accepted");  // empty rows beyond hold no cell
  EXPECT_EQ(message(rows + ",,a,\"open"),
            "row 1048577, column C: the cell lies outside the largest sheet");
  EXPECT_EQ(message(std::string(CellTable::kMaxColumns - 1, ',') + "x"), "accepted");
  EXPECT_EQ(message(std::string(CellTable::kMaxColumns, ',') + "x"),
            "row 1, column XFE: the row has more columns than a sheet");
  std::string cells;
  std::string row = "x";
  for (int c = 1; c < 1000; ++c) row += ",x";
  for (std::size_t r = 0; r < CellTable::kMaxCells / 1000; ++r) cells += row + "\n";
  EXPECT_EQ(message(cells), "accepted");
  EXPECT_EQ(message(cells + ",,y,\"open"), "the sheet holds more cells than a test can use");
}

TEST(NumberText, ReadsAsASpreadsheetShowsIt) {
  EXPECT_EQ(number_text("1"), "1");
  EXPECT_EQ(number_text("1.0"), "1");
  EXPECT_EQ(number_text("-0"), "0");
  EXPECT_EQ(number_text("0.25"), "0.25");
  EXPECT_EQ(number_text("0.30000000000000004"), "0.30000000000000004");
  EXPECT_EQ(number_text("1.5E-7"), "1.5E-07");
  EXPECT_EQ(number_text("123456789012"), "123456789012");
  EXPECT_EQ(number_text("abc"), "abc");
}

TEST(XlsxReader, NumbersEmptyColumnsSharedStringsAndSheets) {
  const SheetRead read = read_xlsx(fixture::sheet_bytes("numbers.xlsx"));
  EXPECT_EQ(read.sheet_name, "Scores");
  EXPECT_EQ(read.sheet_names, (std::vector<std::string>{"Scores", "Notes"}));
  const CellTable& t = read.table;
  EXPECT_EQ(t.at(0, 0), "ID");
  EXPECT_EQ(t.at(2, 0), "1001");  // a number, not "1001.0"
  EXPECT_EQ(t.at(1, 3), "1");
  EXPECT_EQ(t.at(2, 2), "");     // the empty column
  EXPECT_EQ(t.at(5, 6), "");     // a skipped cell
  EXPECT_EQ(t.row_count(), 7u);  // the formatted empty row holds no cell
  EXPECT_EQ(dump(read_xlsx(fixture::sheet_bytes("numbers.xlsx"), "Notes").table),
            "1A=not the answers\n");

  const CellTable texts = read_xlsx(fixture::sheet_bytes("text_answers.xlsx")).table;
  EXPECT_EQ(texts.at(2, 1), "\xC3\x89mile Zola");
  EXPECT_EQ(texts.at(1, 2), "Paris");
}

// A class of `rows` rows in every form a cell takes, as <prefix>-qualified XML and as the
// dump it must read as. Rows and cells leave out their numbers now and then, so a slice
// boundary must not lose count.
std::pair<std::string, std::string> class_sheet(int rows, const std::string& prefix) {
  const auto tag = [&](const std::string& name) { return prefix + name; };
  std::string xml = "<?xml version=\"1.0\"?>\n<" + tag("worksheet") +
                    (prefix.empty() ? "" : " xmlns:x=\"urn:x\"") + "><" + tag("dimension") +
                    " ref=\"A1:F" + std::to_string(rows) + "\"/><" + tag("sheetData") + ">";
  std::string dump;
  for (int r = 1; r <= rows; ++r) {
    const std::string n = std::to_string(r);
    const bool numbered = r % 7 != 0;
    xml += "<" + tag("row") + (numbered ? " r=\"" + n + "\"" : "") + " spans=\"1:6\">";
    const auto cell = [&](const std::string& column, const std::string& attrs,
                          const std::string& inside) {
      xml += "<" + tag("c") + (numbered ? " r=\"" + column + n + "\"" : "") + attrs + ">" + inside +
             "</" + tag("c") + ">";
    };
    cell("A", " t=\"inlineStr\"",
         "<" + tag("is") + "><" + tag("t") + ">Pupil " + n + " &amp; co</" + tag("t") + "></" +
             tag("is") + ">");
    cell("B", " t=\"inlineStr\"",
         "<" + tag("is") + "><" + tag("r") + "><" + tag("t") + ">Ri</" + tag("t") + "></" +
             tag("r") + "><" + tag("r") + "><" + tag("t") + ">ch</" + tag("t") + "></" + tag("r") +
             "></" + tag("is") + ">");
    cell("C", " s=\"1\"", "<" + tag("v") + ">" + n + ".0</" + tag("v") + ">");
    cell("D", " t=\"s\"", "<" + tag("v") + ">" + std::to_string(r % 2) + "</" + tag("v") + ">");
    cell("E", " t=\"b\"", "<" + tag("v") + ">" + std::to_string(r % 2) + "</" + tag("v") + ">");
    cell("F", " t=\"inlineStr\"",
         "<" + tag("is") + "><" + tag("t") + ">" + std::string(1, static_cast<char>('A' + r % 5)) +
             "</" + tag("t") + "></" + tag("is") + ">");
    xml += "</" + tag("row") + (r % 3 == 0 ? " >" : ">");
    dump += n + "A=Pupil " + n + " & co\n" + n + "B=Rich\n" + n + "C=" + n + "\n" + n +
            "D=" + (r % 2 ? "yes" : "no") + "\n" + n + "E=" + (r % 2 ? "TRUE" : "FALSE") + "\n" +
            n + "F=" + std::string(1, static_cast<char>('A' + r % 5)) + "\n";
  }
  xml += "<" + tag("row") + " r=\"" + std::to_string(rows + 1) + "\" ht=\"20\"/></" +
         tag("sheetData") + "><" + tag("pageMargins") + " left=\"0.7\"/></" + tag("worksheet") +
         ">";
  return {xml, dump};
}

const std::string kYesNo = "<sst><si><t>no</t></si><si><t>yes</t></si></sst>";

TEST(XlsxReader, LargeSheetsReadAsAWhole) {
  for (const std::string prefix : {"", "x:"}) {
    const auto [xml, dump_expected] = class_sheet(3000, prefix);
    const SheetRead read = read_xlsx(fixture::xlsx_with_sheet(xml, kYesNo));
    EXPECT_EQ(read.table.row_count(), 3000u) << prefix;
    EXPECT_TRUE(dump(read.table) == dump_expected) << prefix << "\n"
                                                   << dump(read.table).substr(0, 2000);
  }
}

// Layouts that cannot be cut into slices of rows (some no office program writes) are read
// whole, and read as they always were.
TEST(XlsxReader, SheetsLaidOutOtherwiseReadTheSame) {
  const std::string open = "<worksheet><sheetData>", close = "</sheetData></worksheet>";
  const auto row = [](int r, const std::string& text) {
    const std::string n = std::to_string(r);
    return "<row r=\"" + n + "\"><c r=\"A" + n + "\" t=\"inlineStr\"><is><t>" + text +
           "</t></is></c></row>";
  };
  const std::pair<std::string, std::string> cases[] = {
      {open + row(1, "a") + "<!-- </row> -->" + row(2, "b") + close, "1A=a\n2A=b\n"},
      {open + row(1, "<![CDATA[x</row>y]]>") + row(2, "b") + close, "1A=x</row>y\n2A=b\n"},
      {"<worksheet><!-- <row r=\"9\"> --><sheetData>" + row(1, "a") + close, "1A=a\n"},
      {"<worksheet><sheetData/>" + row(1, "a") + "</worksheet>", ""},
      {"<worksheet><sheetData><foo/>" + row(1, "a") + close, "1A=a\n"},
      {open + row(1, "a") + "<row r=\"2\"/><row/>" + close, "1A=a\n"},
      {"<worksheet><sheetData/><sheetData>" + row(1, "a") + close, ""},
  };
  for (const auto& [xml, expected] : cases)
    EXPECT_EQ(dump(read_xlsx(fixture::xlsx_with_sheet(xml)).table), expected) << xml;
}

TEST(XlsxReader, FaultsInALargeSheetAreToldAsBefore) {
  const auto refusal = [](const std::string& xml) {
    try {
      read_xlsx(fixture::xlsx_with_sheet(xml, kYesNo));
    } catch (const SheetError& e) {
      return std::string(e.what());
    }
    return std::string("accepted");
  };
  // What parsing the part whole says of it, with the place counted from its start.
  const auto whole = [](const std::string& xml) {
    const std::string bytes = fixture::xlsx_with_sheet(xml);
    ZipArchive zip(bytes);
    try {
      XmlPart part(zip, "xl/worksheets/sheet1.xml");
    } catch (const SheetError& e) {
      return std::string(e.what());
    }
    return std::string("accepted");
  };
  const std::string xml = class_sheet(2000, "").first;
  std::string broken = xml;
  broken.replace(broken.find("<row r=\"1000\""), 13, "<row r=\"1e3\"");
  EXPECT_EQ(refusal(broken), "the workbook is damaged: a row has the number '1e3'");
  // Not well-formed near the end: that is told, not the wrong row number before it.
  broken.resize(broken.size() - 5);
  EXPECT_EQ(refusal(broken), whole(broken));
  EXPECT_NE(whole(broken).find("not well-formed XML (Start-end tags mismatch at byte 6"),
            std::string::npos);
  // A document type may only open a document, not come between rows.
  broken = xml;
  broken.insert(broken.find("<row r=\"1500\""), "<!DOCTYPE x>");
  EXPECT_EQ(refusal(broken), whole(broken));
  EXPECT_NE(whole(broken).find("(Error parsing document type declaration at byte 4"),
            std::string::npos);
}

// A part read in slices and then whole, for a layout the slices do not take, counts once
// towards the limit of what a workbook may expand to.
TEST(XlsxReader, APartReadTwiceCountsOnceTowardsTheLimit) {
  const std::string xml = "<worksheet><!-- <row --><sheetData>" + std::string(110u << 20, ' ') +
                          "<row r=\"1\"><c r=\"A1\"><v>7</v></c></row></sheetData></worksheet>";
  EXPECT_EQ(dump(read_xlsx(fixture::xlsx_with_sheet(xml)).table), "1A=7\n");
}

TEST(OdsReader, RepeatedCellsAndRowsSpacesAndSpans) {
  const SheetRead read = read_ods(fixture::sheet_bytes("true_false.ods"));
  EXPECT_EQ(read.sheet_names, (std::vector<std::string>{"Class 7B", "Other"}));
  EXPECT_EQ(dump(read.table),
            "1A=Pupil\n1B=1\n1C=2\n1D=3\n1E=4\n"
            "2A=Key\n2B=T\n2C=T\n2D=F\n2E=T\n"
            "3A=Anna  K.\n3B=T\n3C=T\n3D=T\n3E=F\n"
            "4A=Twin\n4B=t\n4D=F\n4E=T\n"
            "5A=Twin\n5B=t\n5D=F\n5E=T\n");
  EXPECT_EQ(dump(read_ods(fixture::sheet_bytes("true_false.ods"), "Other").table), "1A=x\n");
}

TEST(SheetFile, EveryFailureNamesTheFile) {
  const auto message = [](const std::string& bytes, SheetFormat f, const std::string& sheet = {}) {
    try {
      read_sheet_bytes(bytes, f, sheet, "class.xlsx");
    } catch (const SheetError& e) {
      return std::string(e.what());
    }
    return std::string("accepted");
  };
  EXPECT_EQ(message(fixture::sheet_bytes("truncated.xlsx"), SheetFormat::xlsx),
            "class.xlsx: the workbook is damaged or truncated (its zip container cannot be read)");
  EXPECT_EQ(message(fixture::sheet_bytes("true_false.ods"), SheetFormat::xlsx),
            "class.xlsx: not a spreadsheet: the file is a zip archive but not an XLSX workbook");
  EXPECT_EQ(message(fixture::sheet_bytes("numbers.xlsx"), SheetFormat::ods),
            "class.xlsx: not a spreadsheet: the workbook has no content.xml");
  EXPECT_EQ(
      message(fixture::sheet_bytes("true_false.ods"), SheetFormat::ods, "Marks"),
      "class.xlsx: the workbook has no sheet named 'Marks' (its sheets: 'Class 7B', 'Other')");
  EXPECT_EQ(message(",,\n,,\n", SheetFormat::csv), "class.xlsx: the file holds no cells");
}

TEST(Columns, NumbersLettersAndRanges) {
  std::string error;
  using V = std::vector<std::uint32_t>;
  EXPECT_EQ(parse_columns("3,2", error), (V{2, 1}));
  EXPECT_EQ(parse_columns("C,b", error), (V{2, 1}));
  EXPECT_EQ(parse_columns("D-F, AA", error), (V{3, 4, 5, 26}));
  EXPECT_EQ(parse_columns("4-43", error)->size(), 40u);
  EXPECT_EQ(parse_columns("D-AQ", error)->back(), 42u);
  for (const char* bad : {"0", "D-", "F-D", "", "A1", "1,,2"}) {
    EXPECT_FALSE(parse_columns(bad, error)) << bad;
  }
  EXPECT_EQ(error, "'' is not a column or a range of columns (for example 3, C or D-AQ)");
  EXPECT_EQ(column_letters(0), "A");
  EXPECT_EQ(column_letters(25), "Z");
  EXPECT_EQ(column_letters(26), "AA");
  EXPECT_EQ(column_letters(16383), "XFD");
}

}  // namespace
}  // namespace jrv
