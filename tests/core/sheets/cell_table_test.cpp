#include "core/sheets/cell_table.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/sheets/table_dump.h"

namespace jrv {
namespace {

// What a table must hold: the last text given for each place, empty texts left out.
using Model = std::map<std::pair<std::uint32_t, std::uint32_t>, std::string>;

std::string dump(const Model& m) {
  std::string out;
  for (const auto& [place, text] : m)
    out += std::to_string(place.first + 1) + column_letters(place.second) + "=" + text + "\n";
  return out;
}

// The same through each(), the quick walk over a row.
std::string dump_each(const CellTable& t) {
  std::string out;
  for (std::uint32_t r = 0; r < t.row_count(); ++r)
    t.each(r, [&](const CellRef& c) {
      out += std::to_string(r + 1) + column_letters(c.column) + "=" + std::string(t.text(c)) + "\n";
    });
  return out;
}

// Every cell listed, found by place, and nothing found between them.
void expect_holds(const CellTable& t, const Model& m) {
  ASSERT_EQ(dump(t), dump(m));
  ASSERT_EQ(dump_each(t), dump(m));
  EXPECT_EQ(t.cell_count(), m.size());
  const std::uint32_t rows = m.empty() ? 0 : m.rbegin()->first.first + 1;
  std::uint32_t columns = 0;
  for (const auto& [place, text] : m) columns = std::max(columns, place.second + 1);
  EXPECT_EQ(t.row_count(), rows);
  EXPECT_EQ(t.column_count(), columns);
  for (std::uint32_t r = 0; r <= rows; ++r)
    for (std::uint32_t c = 0; c <= columns; ++c) {
      const auto it = m.find({r, c});
      EXPECT_EQ(t.at(r, c), it == m.end() ? "" : it->second) << "row " << r << ", column " << c;
    }
}

// Rows of random widths, some filling a run of columns, some skipping columns, some empty;
// now and then a cell of many thousand characters, so some rows hold more than 64 kB.
Model random_sheet(std::mt19937& rng) {
  Model m;
  const std::uint32_t rows = rng() % 12;
  for (std::uint32_t r = 0; r < rows; ++r) {
    const std::uint32_t first = rng() % 4, width = rng() % 7;
    const bool skips = rng() % 2 == 0;
    for (std::uint32_t c = first; c < first + width; ++c)
      if (!skips || rng() % 3 != 0)
        m[{r, c}] = std::string(rng() % 30 == 0 ? 30'000 + rng() % 20'000 : 1 + rng() % 3,
                                static_cast<char>('a' + rng() % 26));
  }
  return m;
}

TEST(CellTable, KeepsTheLastTextOfEachPlaceInWhateverOrderCellsCome) {
  std::mt19937 rng(7);
  for (int round = 0; round < 300; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    const Model m = random_sheet(rng);
    std::vector<std::pair<std::pair<std::uint32_t, std::uint32_t>, std::string>> cells(m.begin(),
                                                                                       m.end());
    if (round % 3 != 0) std::shuffle(cells.begin(), cells.end(), rng);
    CellTable t;
    for (const auto& [place, text] : cells) {
      // Sometimes a place is first given another text, or an empty one, which the later
      // text replaces.
      if (rng() % 5 == 0) t.add(place.first, place.second, "old");
      t.add(place.first, place.second, "");
      t.add(place.first, place.second, text);
    }
    t.finish();
    expect_holds(t, m);
  }
}

TEST(CellTable, RowsGivenWholeHoldWhatCellsGivenOneByOneHold) {
  std::mt19937 rng(11);
  for (int round = 0; round < 300; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    Model m = random_sheet(rng);
    // The texts one after another, as a reader lays them out, each row given in one or
    // two parts (a row continued is a run no longer).
    std::string text;
    CellTable t;
    std::vector<CellTable::CellEnd> row;
    std::uint32_t current = 0;
    const auto give = [&] {
      if (row.size() > 1 && rng() % 3 == 0) {
        const std::size_t half = row.size() / 2;
        t.add_row(current, std::span(row).first(half));
        t.add_row(current, std::span(row).subspan(half));
      } else {
        t.add_row(current, row);
      }
      row.clear();
    };
    for (const auto& [place, cell] : m) {
      if (place.first != current) give();
      current = place.first;
      text += cell;
      row.push_back({place.second, static_cast<std::uint32_t>(text.size())});
    }
    give();
    // A row given again, out of order, replaces cells and adds others.
    if (!m.empty() && round % 2 == 0) {
      const std::uint32_t r = m.begin()->first.first;
      row = {{1, 0}, {2, 0}};
      text += "xy";
      row[0].end = static_cast<std::uint32_t>(text.size() - 1);
      row[1].end = static_cast<std::uint32_t>(text.size());
      t.add_row(r, row);
      m[{r, 1}] = "x";
      m[{r, 2}] = "y";
    }
    t.use_text(text);
    t.finish();
    expect_holds(t, m);
  }
}

TEST(CellTable, RefusesCellsOutsideTheLargestSheet) {
  CellTable t;
  EXPECT_THROW(t.add(CellTable::kMaxRows, 0, "x"), SheetError);
  const CellTable::CellEnd far[] = {{CellTable::kMaxColumns, 1}};
  try {
    t.add_row(2, far);
    ADD_FAILURE() << "a column past the last was taken";
  } catch (const SheetError& e) {
    EXPECT_STREQ(e.what(), "row 3, column XFE: the cell lies outside the largest sheet");
  }
}

}  // namespace
}  // namespace jrv
