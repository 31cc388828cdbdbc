#pragma once
// The sorts as first written: a literal quadratic selection sort from the end. The fast
// sorts must leave exactly the arrangement these leave, ties included.

#include <string_view>
#include <utility>

#include "core/workspace/workspace.h"

namespace jrv::reference {

template <class Table, class Greater>
void selection_sort(Table& t, std::size_t n, Greater greater) {
  for (std::size_t a = n; a >= 2; --a) {
    std::size_t c = a;
    for (std::size_t m = a - 1; m >= 1; --m)
      if (greater(t[m], t[c])) c = m;
    if (c != a) std::swap(t[a], t[c]);
  }
}

inline void sort_cases_by_input_order(Workspace& ws) {
  selection_sort(
      ws.cases, static_cast<std::size_t>(ws.num_cases),
      [](const Case_Record& x, const Case_Record& y) { return x.case_number > y.case_number; });
}

inline void sort_cases_by_label(Workspace& ws) {
  selection_sort(ws.cases, static_cast<std::size_t>(ws.num_cases),
                 [](const Case_Record& x, const Case_Record& y) {
                   return std::string_view(x.label) > std::string_view(y.label);
                 });
}

inline void sort_cases_by_score(Workspace& ws) {
  if (ws.pc_enabled)
    selection_sort(
        ws.cases, static_cast<std::size_t>(ws.num_cases),
        [](const Case_Record& x, const Case_Record& y) { return x.total_score > y.total_score; });
  else
    selection_sort(
        ws.cases, static_cast<std::size_t>(ws.num_cases),
        [](const Case_Record& x, const Case_Record& y) { return x.raw_score > y.raw_score; });
}

inline void sort_items(Workspace& ws, int key) {
  const auto n = static_cast<std::size_t>(ws.num_items);
  auto by = [&](auto field) {
    selection_sort(ws.items, n, [field](const ItemRecord& x, const ItemRecord& y) {
      return x.*field > y.*field;
    });
  };
  switch (key) {
    case 1:
      by(&ItemRecord::item_number);
      break;
    case 2:
      by(&ItemRecord::difficulty);
      break;
    case 3:
      by(&ItemRecord::discrimination);
      break;
    case 4:
      by(&ItemRecord::point_biserial);
      break;
    case 5:
      by(&ItemRecord::adj_point_biserial);
      break;
    default:
      break;
  }
  for (std::size_t j = 1; j <= n; ++j) {
    auto& rec = ws.items[j];
    const auto num = static_cast<std::size_t>(rec.item_number);
    rec.include_flag = ws.include_flags[num];
    rec.key_value = ws.key_values[num];
    rec.option_count = ws.option_values[num];
  }
}

}  // namespace jrv::reference
