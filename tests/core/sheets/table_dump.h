#pragma once
// A table of cells as text, for tests whose failures should show the whole table.

#include <string>

#include "core/sheets/cell_table.h"

namespace jrv {

// Every cell as "1A=text" lines (row from 1, column letters).
inline std::string dump(const CellTable& t) {
  std::string out;
  for (std::uint32_t r = 0; r < t.row_count(); ++r)
    for (const CellRef& c : t.row(r))
      out += std::to_string(r + 1) + column_letters(c.column) + "=" + std::string(t.text(c)) + "\n";
  return out;
}

}  // namespace jrv
