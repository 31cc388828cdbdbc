#include "core/sheets/cell_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace jrv {

void CellTable::refuse(std::uint32_t row, std::uint32_t column) const {
  if (row >= kMaxRows || column >= kMaxColumns)
    throw SheetError(cell_position(row, column) + ": the cell lies outside the largest sheet");
  throw SheetError("the sheet holds more cells than a test can use");
}

void CellTable::reserve(std::size_t cells, std::size_t text) {
  cells_.reserve(std::min(cells, kMaxCells));
  text_.reserve(std::min(text, kMaxText));
}

void CellTable::finish() {
  if (!sorted_) {
    // Stable, so of two cells at one place the later one ends up last and is kept.
    std::stable_sort(cells_.begin(), cells_.end(), [](const CellRef& a, const CellRef& b) {
      return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    std::vector<CellRef> unique;
    unique.reserve(cells_.size());
    for (const CellRef& c : cells_) {
      if (!unique.empty() && unique.back().row == c.row && unique.back().column == c.column)
        unique.back() = c;
      else
        unique.push_back(c);
    }
    cells_.swap(unique);
    sorted_ = true;
    row_start_.clear();
    for (std::uint32_t i = 0; i < cells_.size(); ++i)
      while (row_start_.size() <= cells_[i].row) row_start_.push_back(i);
  }
  rows_ = cells_.empty() ? 0 : cells_.back().row + 1;
  row_start_.resize(rows_ + 1, static_cast<std::uint32_t>(cells_.size()));
}

std::span<const CellRef> CellTable::row(std::uint32_t r) const {
  if (r >= rows_) return {};
  return std::span<const CellRef>(cells_).subspan(row_start_[r], row_start_[r + 1] - row_start_[r]);
}

std::string_view CellTable::at(std::uint32_t row, std::uint32_t column) const {
  const auto cells = this->row(row);
  const auto it =
      std::lower_bound(cells.begin(), cells.end(), column,
                       [](const CellRef& c, std::uint32_t col) { return c.column < col; });
  if (it == cells.end() || it->column != column) return {};
  return text(*it);
}

std::string column_letters(std::uint32_t column) {
  std::string letters;
  std::uint64_t n = std::uint64_t{column} + 1;
  while (n > 0) {
    letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    n = (n - 1) / 26;
  }
  return letters;
}

std::string cell_position(std::uint32_t row, std::uint32_t column) {
  return "row " + std::to_string(std::uint64_t{row} + 1) + ", column " + column_letters(column);
}

std::string number_text(std::string_view value) {
  double x = 0;
  const char* first = value.data();
  const char* last = first + value.size();
  if (first != last && *first == '+') ++first;
  const auto [end, ec] = std::from_chars(first, last, x);
  if (ec != std::errc() || end != last || !std::isfinite(x)) return std::string(value);
  if (x == std::floor(x) && std::fabs(x) < 1e15) {
    if (x == 0) return "0";  // also for -0
    return std::to_string(static_cast<long long>(x));
  }
  char buffer[64];
  const auto [p, ec2] = std::to_chars(buffer, buffer + sizeof buffer, x);
  if (ec2 != std::errc()) return std::string(value);
  std::string s(buffer, p);
  // Spreadsheet programs write exponents in capitals.
  for (char& c : s)
    if (c == 'e') c = 'E';
  return s;
}

}  // namespace jrv
