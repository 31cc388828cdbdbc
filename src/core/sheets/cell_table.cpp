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
  ends_.reserve(std::min(cells, kMaxCells));
  text_.reserve(std::min(text, kMaxText));
}

void CellTable::use_text(std::string text) {
  if (text.size() > kMaxText) throw SheetError("the sheet holds more cells than a test can use");
  text_ = std::move(text);
}

void CellTable::start_row(std::uint32_t row) {
  close_row();
  while (row_start_.size() <= row) {
    row_start_.push_back(static_cast<std::uint32_t>(count_));
    row_columns_.push_back(static_cast<std::uint32_t>(columns_.size()));
    row_base_.push_back(last_end_);
  }
}

// The last row keeps only its first column when its cells fill a run of columns.
void CellTable::close_row() {
  if (row_start_.empty()) return;
  const std::size_t count = count_ - row_start_.back();
  std::uint32_t& info = row_columns_.back();
  if (count == 0 || (info & kDense)) return;
  const std::uint32_t first = columns_[info];
  if (columns_.back() - first + 1u == count) {
    columns_.resize(info);
    info = kDense | first;
  }
}

void CellTable::place(std::uint32_t row, std::uint32_t column, std::uint32_t end) {
  if (row >= kMaxRows || column >= kMaxColumns || count_ >= kMaxCells) refuse(row, column);
  if (sorted_) {
    const std::uint64_t place = std::uint64_t{row} << 32 | column;
    if (count_ > 0 && place <= last_place_) {
      unsort();
    } else {
      if (row_start_.size() <= row) {
        start_row(row);
      } else if (std::uint32_t& info = row_columns_.back(); info & kDense) {
        // More cells for a row already kept as a run: its columns come back.
        const std::uint32_t first = info & ~kDense;
        info = static_cast<std::uint32_t>(columns_.size());
        for (std::uint32_t i = row_start_.back(); i < count_; ++i)
          columns_.push_back(static_cast<std::uint16_t>(first + (i - row_start_.back())));
      }
      last_place_ = place;
    }
  }
  if (column >= column_count_) column_count_ = column + 1;
  columns_.push_back(static_cast<std::uint16_t>(column));
  if (!sorted_) {
    rows_of_.push_back(row);
    unsorted_ends_.push_back(end);
  } else {
    std::uint32_t& base = row_base_.back();
    if (!(base & kWide) && end - base > 0xFFFF) {
      // The row outgrows two-byte ends: its cells' ends move to wide_ends_.
      wide_ends_.resize(ends_.size());
      for (std::uint32_t i = row_start_.back(); i < ends_.size(); ++i)
        wide_ends_[i] = base + ends_[i];
      base |= kWide;
    }
    if (base & kWide) {
      wide_ends_.resize(ends_.size());
      wide_ends_.push_back(end);
      ends_.push_back(0);
    } else {
      ends_.push_back(static_cast<std::uint16_t>(end - base));
    }
  }
  ++count_;
  last_end_ = end;
}

void CellTable::add_row(std::uint32_t row, std::span<const CellEnd> cells) {
  if (cells.empty()) return;
  const std::uint32_t first = cells.front().column, last = cells.back().column;
  if (!sorted_ || row < row_start_.size() || row >= kMaxRows || last >= kMaxColumns ||
      cells.size() > kMaxCells - count_) {
    // Out of order or past a limit: one by one, which sorts or refuses.
    for (const CellEnd& c : cells) place(row, c.column, c.end);
    return;
  }
  start_row(row);
  last_place_ = std::uint64_t{row} << 32 | last;
  if (last >= column_count_) column_count_ = last + 1;
  if (last - first + 1u == cells.size()) {
    row_columns_.back() = kDense | first;
  } else {
    for (const CellEnd& c : cells) columns_.push_back(static_cast<std::uint16_t>(c.column));
  }
  std::uint32_t& base = row_base_.back();
  const std::size_t at = ends_.size();
  ends_.resize(at + cells.size());
  if (cells.back().end - base <= 0xFFFF) {
    std::uint16_t* out = ends_.data() + at;
    for (const CellEnd& c : cells) *out++ = static_cast<std::uint16_t>(c.end - base);
  } else {
    wide_ends_.resize(at);
    for (const CellEnd& c : cells) wide_ends_.push_back(c.end);
    base |= kWide;
  }
  count_ += cells.size();
  last_end_ = cells.back().end;
}

// From here on every cell keeps its row, column and end, to be sorted by finish().
void CellTable::unsort() {
  close_row();
  sorted_ = false;
  rows_of_.resize(count_);
  unsorted_ends_.resize(count_);
  std::vector<std::uint16_t> columns(count_);
  for (std::uint32_t r = 0; r < row_start_.size(); ++r) {
    const std::uint32_t begin = row_start_[r];
    const std::uint32_t end =
        r + 1 < row_start_.size() ? row_start_[r + 1] : static_cast<std::uint32_t>(count_);
    const std::uint32_t info = row_columns_[r];
    for (std::uint32_t i = begin; i < end; ++i) {
      rows_of_[i] = r;
      columns[i] = info & kDense ? static_cast<std::uint16_t>((info & ~kDense) + (i - begin))
                                 : columns_[info + (i - begin)];
      unsorted_ends_[i] = end_of(i, row_base_[r]);
    }
  }
  columns_.swap(columns);
  ends_ = {};
  wide_ends_ = {};
  row_start_.clear();
  row_columns_.clear();
  row_base_.clear();
}

void CellTable::finish() {
  if (!sorted_) {
    // Stable, so of two cells at one place the later one ends up last and is kept.
    std::vector<std::uint32_t> order(count_);
    for (std::uint32_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
      return rows_of_[a] != rows_of_[b] ? rows_of_[a] < rows_of_[b] : columns_[a] < columns_[b];
    });
    std::vector<std::uint32_t> kept;
    kept.reserve(order.size());
    for (std::uint32_t i : order) {
      if (!kept.empty() && rows_of_[kept.back()] == rows_of_[i] &&
          columns_[kept.back()] == columns_[i])
        kept.back() = i;
      else
        kept.push_back(i);
    }
    // Added again in order, their texts laid out anew.
    CellTable sorted;
    sorted.reserve(kept.size(), text_.size());
    for (std::uint32_t i : kept) {
      const std::uint32_t begin = i == 0 ? 0 : unsorted_ends_[i - 1];
      sorted.add(rows_of_[i], columns_[i],
                 std::string_view(text_).substr(begin, unsorted_ends_[i] - begin));
    }
    *this = std::move(sorted);
  }
  close_row();
  rows_ = static_cast<std::uint32_t>(row_start_.size());
  row_start_.push_back(static_cast<std::uint32_t>(count_));
}

std::string_view CellTable::at(std::uint32_t row, std::uint32_t column) const {
  if (row >= rows_) return {};
  const std::uint32_t first = row_start_[row], count = row_start_[row + 1] - first;
  const std::uint32_t info = row_columns_[row], base = row_base_[row];
  std::uint32_t k = 0;  // the cell's place in the row
  if (info & kDense) {
    const std::uint32_t run = info & ~kDense;
    if (column < run || column - run >= count) return {};
    k = column - run;
  } else {
    const auto columns = std::span(columns_).subspan(info, count);
    const auto it = std::lower_bound(columns.begin(), columns.end(), column);
    if (it == columns.end() || *it != column) return {};
    k = static_cast<std::uint32_t>(it - columns.begin());
  }
  const std::uint32_t begin = k == 0 ? base & ~kWide : end_of(first + k - 1, base);
  return std::string_view(text_).substr(begin, end_of(first + k, base) - begin);
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
