#pragma once
// Turning a table of cells into a test: which row is the header, which columns make the
// examinee's label and which are the items, where the key is, and how each column codes
// its answers. The result fills the data editor's fields exactly as if they had been
// typed, so the editor's own check then runs on them as on any test.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/input/editor_document.h"
#include "core/sheets/cell_table.h"
#include "core/text/messages.h"
#include "core/workspace/workspace.h"

namespace jrv {

// What the user chose; every choice left empty is guessed from the sheet.
struct ImportChoices {
  std::optional<bool> header;                        // first row is a header
  std::optional<std::vector<std::uint32_t>> labels;  // 0-based columns, in label order
  std::optional<std::vector<std::uint32_t>> items;   // 0-based columns, in item order
  std::optional<std::uint32_t> key_row;              // 0-based row of the key
  std::optional<std::string> typed_key;              // one answer per item
  std::string title;                                 // "" takes the default title
  std::string options;                               // one digit, or one per item; "" guessed
};

// How a column of answer texts became options: texts[0] is option 1.
struct TextAnswerMapping {
  std::uint32_t column = 0;
  std::string heading;  // the header cell, or the column's letters
  std::vector<std::string> texts;
  int keyed = 0;  // the keyed option (1-based), 0 when the key is typed
};

enum class KeySource { row, typed, all_right };  // all_right: a 0/1 sheet, key all 1

struct SheetImport {
  EditorFields fields;
  // The choices as made, guesses filled in, for the window to show.
  std::optional<std::uint32_t> header_row;
  std::vector<std::uint32_t> label_columns;
  std::vector<std::uint32_t> item_columns;
  KeySource key_source = KeySource::row;
  std::uint32_t key_row = 0;
  std::vector<std::uint32_t> examinee_rows;  // in order; one per data line
  std::vector<TextAnswerMapping> text_columns;
  int labels_cut = 0;
  std::string summary;  // "23 examinees, 40 items, key from row 2, 3 labels cut"
  std::vector<std::string> warnings;
  // Each examinee's label columns uncut, under a heading row, for the roster file.
  std::vector<std::vector<std::string>> roster;
};

inline constexpr std::size_t kMaxLineColumns = 105;  // label + items of one data line

// Maps the table. Throws SheetError whose text begins with `file_name` and, where there is
// one, names the row and column: no item columns, too many examinees or items, a key row
// missing or of the wrong length, more than 8 different texts in a text-answer column.
// `default_title` is used when no title is chosen.
SheetImport map_sheet(const CellTable& table, const ImportChoices& choices,
                      std::string_view file_name, std::string_view default_title);

// Columns as typed: numbers from 1 or letters, single or as ranges ("3,2", "C,B", "D-AQ",
// "4-43"). Nothing (and `error` set) for anything else.
std::optional<std::vector<std::uint32_t>> parse_columns(std::string_view text, std::string& error);

// The columns as the user would type them: letters, runs as ranges ("A,C", "D-K").
std::string columns_text(const std::vector<std::uint32_t>& columns);

// "New (reset)" in the editor, then the imported fields put into it as if typed; the test
// no longer comes from a file. Returns what New reports.
CheckResult load_sheet_import(const SheetImport& imported, EditorDocument& doc, Workspace& ws);

}  // namespace jrv
