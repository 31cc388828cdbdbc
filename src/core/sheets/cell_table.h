#pragma once
// One sheet of a spreadsheet as a table of cells, whatever file it came from. Every
// reader (CSV, TSV, XLSX, ODS) fills one of these; the mapping to a test only reads it.
// Texts are UTF-8 and live in one buffer, so a sheet of a million cells costs two
// allocations that grow, not a million small ones. Empty cells are not stored.

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace jrv {

// A file that cannot be read as a sheet. The text names the file and, where there is one,
// the row and column ("grades.csv: row 14, column F: ...").
class SheetError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A cell of a row (the row is where it is found). Rows and columns are 0-based inside the
// program and shown 1-based ("row 1", "column A"). Eight bytes, as a sheet holds millions.
struct CellRef {
  std::uint32_t offset = 0;  // into the table's text
  std::uint16_t column = 0;
  std::uint16_t size = 0;  // kLongCell: the size is kept beside the cells
};

class CellTable {
 public:
  // The sheet's limits; a file beyond them is refused rather than read half.
  static constexpr std::uint32_t kMaxRows = 1'048'576;
  static constexpr std::uint32_t kMaxColumns = 16'384;
  static constexpr std::size_t kMaxCells = 5'000'000;
  static constexpr std::size_t kMaxText = 256u << 20;
  static constexpr std::uint16_t kLongCell = 0xFFFF;
  static_assert(kMaxColumns - 1 <= 0xFFFF && kMaxText <= 0xFFFF'FFFFu);

  // Adds a cell; an empty text is dropped. Readers add cells in reading order; a cell
  // given twice keeps the later text. Throws SheetError (without a file name) past a limit.
  void add(std::uint32_t row, std::uint32_t column, std::string_view text) {
    if (text.empty()) return;
    if (text.size() > kMaxText - text_.size()) refuse(row, column);
    const auto offset = static_cast<std::uint32_t>(text_.size());
    if (text.size() == 1)
      text_.push_back(text[0]);  // inline, where append is a call into the library
    else
      text_.append(text);
    place(row, column, offset, text.size());
  }

  // A reader that can leave the texts where they lie in its buffer adds cells by their
  // place in it, a row at a time, and hands the buffer over before finish(). A cell of
  // kLongCell bytes or more is told first with add_long.
  void add_long(std::uint32_t offset, std::size_t size) {
    long_cells_.push_back({offset, static_cast<std::uint32_t>(size)});
  }
  // The cells of one row, columns rising, sizes not 0.
  void add_row(std::uint32_t row, std::span<const CellRef> cells);
  void use_text(std::string text);

  // Room for about that many cells and bytes of text, so a large sheet is not copied as it
  // grows (capped at the limits).
  void reserve(std::size_t cells, std::size_t text);

  // Sorts the cells by row and column and indexes the rows; call once when the reader is
  // done, before any lookup.
  void finish();

  // Number of rows and columns up to the last one holding a cell.
  std::uint32_t row_count() const { return rows_; }
  std::uint32_t column_count() const { return columns_; }
  bool empty() const { return cells_.empty(); }
  std::size_t cell_count() const { return cells_.size(); }

  // The text of a cell, "" when it is empty or outside the table.
  std::string_view at(std::uint32_t row, std::uint32_t column) const;

  // The cells of one row, in column order.
  std::span<const CellRef> row(std::uint32_t r) const;
  std::string_view text(const CellRef& c) const {
    if (c.size != kLongCell) return {text_.data() + c.offset, c.size};
    return long_text(c);
  }

 private:
  struct LongCell {
    std::uint32_t offset;
    std::uint32_t size;
  };

  void place(std::uint32_t row, std::uint32_t column, std::uint32_t offset, std::size_t size) {
    if (size >= kLongCell) add_long(offset, size);
    place(row, {offset, static_cast<std::uint16_t>(column),
                static_cast<std::uint16_t>(size < kLongCell ? size : kLongCell)});
  }
  void place(std::uint32_t row, CellRef cell) {
    if (row >= kMaxRows || cell.column >= kMaxColumns || cells_.size() >= kMaxCells)
      refuse(row, cell.column);
    if (sorted_) {
      const std::uint64_t place = std::uint64_t{row} << 32 | cell.column;
      if (!cells_.empty() && place <= last_place_)
        unsort();
      else  // cells in order index their rows as they come
        while (row_start_.size() <= row)
          row_start_.push_back(static_cast<std::uint32_t>(cells_.size()));
      last_place_ = place;
    }
    if (!sorted_) rows_of_.push_back(row);
    if (cell.column >= columns_) columns_ = cell.column + 1u;
    cells_.push_back(cell);
  }
  void unsort();
  std::string_view long_text(const CellRef& c) const;
  [[noreturn]] void refuse(std::uint32_t row, std::uint32_t column) const;

  std::string text_;
  std::vector<CellRef> cells_;
  std::vector<std::uint32_t> row_start_;  // row r is cells_[row_start_[r], row_start_[r+1])
  std::vector<std::uint32_t> rows_of_;    // the row of each cell, once out of order
  std::vector<LongCell> long_cells_;      // by offset
  std::uint32_t rows_ = 0;
  std::uint32_t columns_ = 0;
  bool sorted_ = true;
  std::uint64_t last_place_ = 0;  // row and column of the last cell added, while sorted
};

// "A".."Z", "AA".. for a 0-based column.
std::string column_letters(std::uint32_t column);

// "row 14, column F" for 0-based positions.
std::string cell_position(std::uint32_t row, std::uint32_t column);

// Number text as a spreadsheet shows it by default: "1" not "1.0", "0.25", "1E-07" kept
// short; a text that is not a number comes back unchanged.
std::string number_text(std::string_view value);

}  // namespace jrv
