#pragma once
// The table of specifications: content areas, cognitive levels and the item grids.

#include <array>

#include "core/input/editor_document.h"
#include "core/text/messages.h"
#include "core/workspace/workspace.h"

namespace jrv {

// rdo_ca0..rdo_ca6 / rdo_cs0..rdo_cs6: the count takes effect at once; the name fields
// above it are emptied.
void choose_content_area_count(SpecTableFields& window, Workspace& ws, int count);
void choose_cognitive_level_count(SpecTableFields& window, Workspace& ws, int count);

enum class Taxonomy { popham, bloom, gagne, oosterhof };
void use_taxonomy(SpecTableFields& window, Workspace& ws, Taxonomy taxonomy);

// "Use a Default Set of Specifications": two chapters, recall and beyond, the items split
// into four consecutive runs.
void use_default_specifications(SpecTableFields& window, Workspace& ws, int item_count);

// "Reset" / "Reset Screen": no areas, no levels, empty names and cells.
void reset_spec_table(SpecTableFields& window, Workspace& ws);

// The item grids for an item count: how many are shown and their column counts (34 per
// full grid, the rest in the last one).
inline constexpr int kSpecGridColumns = 34;
struct SpecGridLayout {
  int grid_count = 0;
  std::array<int, 3> columns{};  // grids 1..3 at 0..2
  bool operator==(const SpecGridLayout&) const = default;
};
SpecGridLayout spec_grid_layout(int item_count);

// Item number shown in row 0 of grid 1..3, column 0..33.
inline int spec_grid_item(int grid, int column) {
  return (grid - 1) * kSpecGridColumns + column + 1;
}

// "Save && Exit (OK)": names (defaults for empty fields) and every item's cells. Each
// refused cell has its message and keeps the window open; valid cells are stored.
struct SpecSave {
  CheckResult check;
  bool stay_open = false;
};
SpecSave save_spec_table(const SpecTableFields& window, Workspace& ws, int item_count);

// The window filled from the stored table (after reading a file).
void show_spec_table(SpecTableFields& window, const Workspace& ws, int item_count);

// Forgets the stored table: no areas, no levels, no names, every item at 0.
void clear_spec_table(Workspace& ws);

}  // namespace jrv
