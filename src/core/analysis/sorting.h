#pragma once
// Reordering of the examinee and item tables, in place, ascending. The permutation,
// ties included, is that of a selection sort that fills the table from the end and,
// among equal maxima, takes the one nearest to the end; ranks and group boundaries are
// read from positions, so every caller relies on exactly this order.

#include <cstddef>
#include <vector>

#include "core/workspace/workspace.h"

namespace jrv {

void sort_cases_by_input_order(Workspace& ws);  // key case_number
void sort_cases_by_label(Workspace& ws);        // byte-wise, case-sensitive
void sort_cases_by_score(Workspace& ws);        // total_score with partial credit, else raw_score

// The arrangement sort_cases_by_label followed by sort_cases_by_score would leave, without
// moving a record: entry p - 1 is the current table position of the record that would
// stand at position p.
std::vector<std::size_t> label_then_score_order(const Workspace& ws);

// Items by key 1 item_number, 2 difficulty, 3 discrimination, 4 point_biserial,
// 5 adj_point_biserial; any other key keeps the order. Afterwards every record's
// include_flag, key_value and option_count are refreshed from the per-item arrays.
void sort_items(Workspace& ws, int key);
inline void sort_items(Workspace& ws, ItemSort key) {
  sort_items(ws, static_cast<int>(key));
}

}  // namespace jrv
