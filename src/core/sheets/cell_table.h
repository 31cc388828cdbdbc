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

// A cell of a row, as the table hands it out. Rows and columns are 0-based inside the
// program and shown 1-based ("row 1", "column A").
struct CellRef {
  std::uint32_t offset = 0;  // into the table's text
  std::uint32_t column = 0;
  std::uint32_t size = 0;
};

// A sheet holds millions of cells, so each is kept in two bytes where it can be: the texts
// lie one after another, a cell's text ending where the next one's begins, and a cell keeps
// where its text ends counted from where its row's texts begin (a row of more text keeps
// four bytes a cell). A row whose cells fill a run of columns keeps only its first column;
// the cells of rows that skip a column keep theirs, in two bytes each.
class CellTable {
 public:
  // The sheet's limits; a file beyond them is refused rather than read half.
  static constexpr std::uint32_t kMaxRows = 1'048'576;
  static constexpr std::uint32_t kMaxColumns = 16'384;
  static constexpr std::size_t kMaxCells = 5'000'000;
  static constexpr std::size_t kMaxText = 256u << 20;
  static_assert(kMaxColumns - 1 <= 0xFFFF && kMaxText < 0x8000'0000u);

  // Adds a cell; an empty text is dropped. Readers add cells in reading order; a cell
  // given twice keeps the later text. Throws SheetError (without a file name) past a limit.
  void add(std::uint32_t row, std::uint32_t column, std::string_view text) {
    if (text.empty()) return;
    if (text.size() > kMaxText - text_.size()) refuse(row, column);
    if (text.size() == 1)
      text_.push_back(text[0]);  // inline, where append is a call into the library
    else
      text_.append(text);
    place(row, column, static_cast<std::uint32_t>(text_.size()));
  }

  // A reader may instead write the cells' texts one after another into a buffer of its
  // own, hand it over with use_text before finish(), and add the cells of each row
  // (columns rising, none empty) by where their texts end.
  struct CellEnd {
    std::uint32_t column;
    std::uint32_t end;
  };
  void add_row(std::uint32_t row, std::span<const CellEnd> cells);
  void use_text(std::string text);

  // Room for about that many cells and bytes of text, so a large sheet is not copied as it
  // grows (capped at the limits).
  void reserve(std::size_t cells, std::size_t text);

  // Sorts the cells by row and column and indexes the rows; call once when the reader is
  // done, before any lookup.
  void finish();

  // Number of rows and columns up to the last one holding a cell.
  std::uint32_t row_count() const { return rows_; }
  std::uint32_t column_count() const { return column_count_; }
  bool empty() const { return count_ == 0; }
  std::size_t cell_count() const { return count_; }

  // The text of a cell, "" when it is empty or outside the table.
  std::string_view at(std::uint32_t row, std::uint32_t column) const;

  // The cells of one row, in column order.
  class Row;
  Row row(std::uint32_t r) const;
  // f(CellRef) for each cell of row r, in column order: row(r) made quick for a walk
  // over every cell of a large sheet.
  template <class F>
  void each(std::uint32_t r, F&& f) const;
  std::string_view text(const CellRef& c) const { return {text_.data() + c.offset, c.size}; }

 private:
  static constexpr std::uint32_t kDense = 0x8000'0000u;  // in row_columns_
  static constexpr std::uint32_t kWide = 0x8000'0000u;   // in row_base_

  // Where cell i's text ends; `base` is its row's row_base_.
  std::uint32_t end_of(std::uint32_t i, std::uint32_t base) const {
    return base & kWide ? wide_ends_[i] : base + ends_[i];
  }
  void place(std::uint32_t row, std::uint32_t column, std::uint32_t end);
  void start_row(std::uint32_t row);
  void close_row();
  void unsort();
  [[noreturn]] void refuse(std::uint32_t row, std::uint32_t column) const;

  std::string text_;
  std::vector<std::uint16_t> ends_;       // where each cell's text ends, from its row's base
  std::vector<std::uint32_t> wide_ends_;  // the same for the cells of rows of more text
  std::vector<std::uint16_t> columns_;    // of the cells of rows that skip a column
  std::vector<std::uint32_t> row_start_;  // row r is cells [row_start_[r], row_start_[r+1])
  // Per row: where its texts begin, with kWide when its cells' ends are in wide_ends_.
  std::vector<std::uint32_t> row_base_;
  // Per row: kDense | its first column, or where its columns begin in columns_.
  std::vector<std::uint32_t> row_columns_;
  // Once out of order, every cell's row, column (in columns_) and end, for finish().
  std::vector<std::uint32_t> rows_of_, unsorted_ends_;
  std::size_t count_ = 0;
  std::uint32_t last_end_ = 0;  // of the last cell's text
  std::uint32_t rows_ = 0;
  std::uint32_t column_count_ = 0;
  bool sorted_ = true;
  std::uint64_t last_place_ = 0;  // row and column of the last cell added, while sorted
};

class CellTable::Row {
 public:
  class iterator {
   public:
    using value_type = CellRef;
    using difference_type = std::ptrdiff_t;
    iterator() = default;
    // `column` is the column itself in a run of columns, else where the columns are.
    iterator(const CellTable* t, std::uint32_t i, std::uint32_t base, std::uint32_t column,
             bool run)
        : t_(t), i_(i), base_(base), offset_(base & ~kWide), column_(column), run_(run) {}
    CellRef operator*() const {
      return {offset_, run_ ? column_ : t_->columns_[column_], t_->end_of(i_, base_) - offset_};
    }
    iterator& operator++() {
      offset_ = t_->end_of(i_++, base_);
      ++column_;
      return *this;
    }
    iterator operator++(int) {
      iterator old = *this;
      ++*this;
      return old;
    }
    bool operator==(const iterator& o) const { return i_ == o.i_; }

   private:
    const CellTable* t_ = nullptr;
    std::uint32_t i_ = 0, base_ = 0, offset_ = 0, column_ = 0;
    bool run_ = false;
  };

  Row() = default;
  Row(const CellTable* t, std::uint32_t r)
      : t_(t),
        first_(t->row_start_[r]),
        count_(t->row_start_[r + 1] - t->row_start_[r]),
        base_(t->row_base_[r]),
        columns_(t->row_columns_[r]) {}
  iterator begin() const {
    if (count_ == 0) return {};
    return {t_, first_, base_, columns_ & ~kDense, (columns_ & kDense) != 0};
  }
  iterator end() const { return {t_, count_ == 0 ? 0 : first_ + count_, 0, 0, false}; }
  bool empty() const { return count_ == 0; }
  std::size_t size() const { return count_; }

 private:
  const CellTable* t_ = nullptr;
  std::uint32_t first_ = 0, count_ = 0, base_ = 0, columns_ = 0;
};

inline CellTable::Row CellTable::row(std::uint32_t r) const {
  if (r >= rows_) return {};
  return {this, r};
}

template <class F>
void CellTable::each(std::uint32_t r, F&& f) const {
  if (r >= rows_) return;
  const std::uint32_t base = row_base_[r], columns = row_columns_[r];
  if ((base & kWide) || !(columns & kDense)) {
    for (const CellRef& c : row(r)) f(c);
    return;
  }
  // A run of columns, two-byte ends: the common row.
  const std::uint16_t* end = ends_.data() + row_start_[r];
  const std::uint16_t* const stop = ends_.data() + row_start_[r + 1];
  std::uint32_t offset = base, column = columns & ~kDense;
  for (; end != stop; ++end, ++column) {
    const std::uint32_t next = base + *end;
    f(CellRef{offset, column, next - offset});
    offset = next;
  }
}

// "A".."Z", "AA".. for a 0-based column.
std::string column_letters(std::uint32_t column);

// "row 14, column F" for 0-based positions.
std::string cell_position(std::uint32_t row, std::uint32_t column);

// Number text as a spreadsheet shows it by default: "1" not "1.0", "0.25", "1E-07" kept
// short; a text that is not a number comes back unchanged.
std::string number_text(std::string_view value);

}  // namespace jrv
