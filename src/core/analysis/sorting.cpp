#include "core/analysis/sorting.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace jrv {

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// The arrangement a selection sort from the end leaves behind, found in O(n log n).
// Each round of that sort takes, among positions 1..a, the largest key and among equal
// largest keys the highest position, then swaps it with position a. A tree of maxima over
// the positions answers "which one would the scan pick" in log n, and each swap touches
// two leaves. `greater(i, j)` compares the keys of the records that started at 0-based
// positions i and j. The result lists, per final position, the record's starting position.
template <class Greater>
std::vector<std::size_t> selection_order(std::size_t n, Greater greater) {
  std::vector<std::size_t> arr(n);
  for (std::size_t i = 0; i < n; ++i) arr[i] = i;
  if (n < 2) return arr;

  std::size_t size = 1;
  while (size < n) size <<= 1;
  std::vector<std::size_t> tree(2 * size, kNone);  // a position, or kNone for an empty range

  // The left child covers the lower positions: it wins only with a strictly greater key.
  auto pick = [&](std::size_t low, std::size_t high) {
    if (low == kNone) return high;
    if (high == kNone) return low;
    return greater(arr[low], arr[high]) ? low : high;
  };
  auto refresh = [&](std::size_t pos, bool alive) {
    std::size_t node = size + pos;
    tree[node] = alive ? pos : kNone;
    for (node >>= 1; node >= 1; node >>= 1) tree[node] = pick(tree[2 * node], tree[2 * node + 1]);
  };
  for (std::size_t i = 0; i < n; ++i) tree[size + i] = i;
  for (std::size_t node = size - 1; node >= 1; --node)
    tree[node] = pick(tree[2 * node], tree[2 * node + 1]);

  for (std::size_t a = n - 1; a >= 1; --a) {
    const std::size_t c = tree[1];
    if (c != a) {
      std::swap(arr[a], arr[c]);
      refresh(c, true);
    }
    refresh(a, false);
  }
  return arr;
}

// Puts the first n records of `table` into the order `from` gives (final position i holds
// the record that started at from[i]). Records are moved, never copied.
template <class Record>
void apply_order(Table1<Record>& table, const std::vector<std::size_t>& from) {
  auto& v = table.raw();
  std::vector<Record> moved;
  moved.reserve(from.size());
  for (std::size_t src : from) moved.push_back(std::move(v[src]));
  std::move(moved.begin(), moved.end(), v.begin());
}

template <class Record, class Key, class Field>
void sort_by_key(Table1<Record>& table, std::size_t n, Field field) {
  n = std::min(n, table.size());
  std::vector<Key> keys;
  keys.reserve(n);
  for (std::size_t i = 1; i <= n; ++i) keys.push_back(Key(field(table[i])));
  apply_order(table, selection_order(
                         n, [&keys](std::size_t i, std::size_t j) { return keys[i] > keys[j]; }));
}

std::size_t case_count(const Workspace& ws) {
  return ws.num_cases > 0 ? static_cast<std::size_t>(ws.num_cases) : 0;
}

}  // namespace

void sort_cases_by_input_order(Workspace& ws) {
  sort_by_key<Case_Record, std::int32_t>(ws.cases, case_count(ws),
                                         [](const Case_Record& r) { return r.case_number; });
}

void sort_cases_by_label(Workspace& ws) {
  // char_traits<char> compares as unsigned char: byte values, upper case before lower.
  sort_by_key<Case_Record, std::string_view>(
      ws.cases, case_count(ws), [](const Case_Record& r) { return std::string_view(r.label); });
}

void sort_cases_by_score(Workspace& ws) {
  if (ws.pc_enabled)
    sort_by_key<Case_Record, double>(ws.cases, case_count(ws),
                                     [](const Case_Record& r) { return r.total_score; });
  else
    sort_by_key<Case_Record, std::int32_t>(ws.cases, case_count(ws),
                                           [](const Case_Record& r) { return r.raw_score; });
}

void sort_items(Workspace& ws, int key) {
  const auto n = std::min(static_cast<std::size_t>(std::max(ws.num_items, 0)), ws.items.size());
  auto by = [&](auto field) {
    using Key = std::remove_cvref_t<decltype(ItemRecord{}.*field)>;
    sort_by_key<ItemRecord, Key>(ws.items, n, [field](const ItemRecord& r) { return r.*field; });
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
    if (num < 1 || num > ws.include_flags.size()) continue;
    rec.include_flag = ws.include_flags[num];
    rec.key_value = ws.key_values[num];
    rec.option_count = ws.option_values[num];
  }
}

}  // namespace jrv
