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

void CellTable::add_row(std::uint32_t row, std::span<const CellRef> cells) {
  if (cells.empty()) return;
  const std::uint32_t last = cells.back().column;
  if (!sorted_ || row < row_start_.size() || row >= kMaxRows ||
      cells.size() > kMaxCells - cells_.size()) {
    // Out of order or past a limit: one by one, which sorts or refuses.
    for (const CellRef& c : cells) place(row, c);
    return;
  }
  while (row_start_.size() <= row) row_start_.push_back(static_cast<std::uint32_t>(cells_.size()));
  last_place_ = std::uint64_t{row} << 32 | last;
  if (last >= columns_) columns_ = last + 1;
  cells_.insert(cells_.end(), cells.begin(), cells.end());
}

void CellTable::use_text(std::string text) {
  if (text.size() > kMaxText) throw SheetError("the sheet holds more text than a test can use");
  text_ = std::move(text);
}

void CellTable::unsort() {
  sorted_ = false;
  rows_of_.resize(cells_.size());
  for (std::uint32_t r = 0; r < row_start_.size(); ++r) {
    const std::uint32_t end =
        r + 1 < row_start_.size() ? row_start_[r + 1] : static_cast<std::uint32_t>(cells_.size());
    std::fill(rows_of_.begin() + row_start_[r], rows_of_.begin() + end, r);
  }
}

std::string_view CellTable::long_text(const CellRef& c) const {
  const auto it =
      std::lower_bound(long_cells_.begin(), long_cells_.end(), c.offset,
                       [](const LongCell& l, std::uint32_t offset) { return l.offset < offset; });
  return {text_.data() + c.offset, it->size};
}

void CellTable::finish() {
  if (!sorted_) {
    // Stable, so of two cells at one place the later one ends up last and is kept.
    std::vector<std::uint32_t> order(cells_.size());
    for (std::uint32_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
      return rows_of_[a] != rows_of_[b] ? rows_of_[a] < rows_of_[b]
                                        : cells_[a].column < cells_[b].column;
    });
    std::vector<CellRef> unique;
    unique.reserve(cells_.size());
    row_start_.clear();
    std::uint32_t last_row = 0;
    for (std::uint32_t i : order) {
      const std::uint32_t r = rows_of_[i];
      if (!unique.empty() && last_row == r && unique.back().column == cells_[i].column) {
        unique.back() = cells_[i];
        continue;
      }
      while (row_start_.size() <= r)
        row_start_.push_back(static_cast<std::uint32_t>(unique.size()));
      unique.push_back(cells_[i]);
      last_row = r;
    }
    cells_.swap(unique);
    rows_ = cells_.empty() ? 0 : last_row + 1;
    rows_of_ = {};
    sorted_ = true;
  } else {
    rows_ = static_cast<std::uint32_t>(row_start_.size());
  }
  row_start_.resize(rows_ + 1, static_cast<std::uint32_t>(cells_.size()));
  if (!std::is_sorted(long_cells_.begin(), long_cells_.end(),
                      [](const LongCell& a, const LongCell& b) { return a.offset < b.offset; }))
    std::sort(long_cells_.begin(), long_cells_.end(),
              [](const LongCell& a, const LongCell& b) { return a.offset < b.offset; });
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
