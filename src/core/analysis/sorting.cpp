#include "core/analysis/sorting.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace jrv {

namespace {

// Max-heaps of positions, one per distinct key, in one array: heap r holds the unsorted
// positions whose key has rank r. A heap never grows, so each keeps its own segment.
class PositionHeaps {
 public:
  PositionHeaps(const std::vector<std::uint32_t>& rank_at, std::uint32_t ranks)
      : base_(ranks + 1, 0), size_(ranks, 0), slots_(rank_at.size()) {
    for (std::uint32_t r : rank_at) ++size_[r];
    for (std::uint32_t r = 0; r < ranks; ++r) base_[r + 1] = base_[r] + size_[r];
    std::vector<std::uint32_t> fill(base_.begin(), base_.end() - 1);
    // Positions enter in falling order, and a falling array is already a max-heap.
    for (std::size_t p = rank_at.size(); p-- > 0;)
      slots_[fill[rank_at[p]]++] = static_cast<std::uint32_t>(p);
  }
  bool empty(std::uint32_t r) const { return size_[r] == 0; }
  std::uint32_t top(std::uint32_t r) const { return slots_[base_[r]]; }
  void pop(std::uint32_t r) {
    --size_[r];
    if (size_[r] > 0) replace_top(r, slots_[base_[r] + size_[r]]);
  }
  void replace_top(std::uint32_t r, std::uint32_t value) {
    std::uint32_t* h = slots_.data() + base_[r];
    const std::uint32_t n = size_[r];
    std::uint32_t i = 0;
    for (;;) {
      std::uint32_t child = 2 * i + 1;
      if (child >= n) break;
      if (child + 1 < n && h[child + 1] > h[child]) ++child;
      if (h[child] <= value) break;
      h[i] = h[child];
      i = child;
    }
    h[i] = value;
  }

 private:
  std::vector<std::uint32_t> base_, size_, slots_;
};

// The same questions answered by one bit set of positions per key: the highest unsorted
// position of a key is the top bit of its set. Fits when there are few distinct keys (raw
// scores), where it avoids the heaps' unpredictable sifting.
class PositionBits {
 public:
  static constexpr std::size_t kMaxWords = std::size_t{1} << 16;  // 512 KiB of bits
  static bool fits(std::size_t positions, std::uint32_t ranks) {
    return static_cast<std::size_t>(ranks) * words_for(positions) <= kMaxWords;
  }
  PositionBits(const std::vector<std::uint32_t>& rank_at, std::uint32_t ranks)
      : words_(words_for(rank_at.size())),
        bits_(static_cast<std::size_t>(ranks) * words_, 0),
        size_(ranks, 0),
        high_word_(ranks, 0) {
    for (std::size_t p = 0; p < rank_at.size(); ++p) {
      set(rank_at[p], static_cast<std::uint32_t>(p));
      ++size_[rank_at[p]];
    }
  }
  bool empty(std::uint32_t r) const { return size_[r] == 0; }
  // Only for a key with positions left. Scans down from the highest word that may hold a
  // bit; no position above the highest unsorted one is ever set again, so it stays short.
  std::uint32_t top(std::uint32_t r) {
    const std::uint64_t* w = bits_.data() + static_cast<std::size_t>(r) * words_;
    std::size_t& i = high_word_[r];
    while (w[i] == 0) --i;
    return static_cast<std::uint32_t>(64 * i + 63 -
                                      static_cast<std::size_t>(std::countl_zero(w[i])));
  }
  void pop(std::uint32_t r) {
    clear(r, top(r));
    --size_[r];
  }
  void replace_top(std::uint32_t r, std::uint32_t value) {
    clear(r, top(r));
    set(r, value);
  }

 private:
  static std::size_t words_for(std::size_t positions) { return (positions + 63) / 64; }
  void set(std::uint32_t r, std::uint32_t p) {
    const std::size_t word = p / 64;
    bits_[static_cast<std::size_t>(r) * words_ + word] |= std::uint64_t{1} << (p % 64);
    high_word_[r] = std::max(high_word_[r], word);
  }
  void clear(std::uint32_t r, std::uint32_t p) {
    bits_[static_cast<std::size_t>(r) * words_ + p / 64] &= ~(std::uint64_t{1} << (p % 64));
  }

  std::size_t words_;
  std::vector<std::uint64_t> bits_;
  std::vector<std::uint32_t> size_;
  std::vector<std::size_t> high_word_;
};

// Dense ranks: equal keys share one, larger keys get larger ranks. Returns the largest.
template <class Key>
std::uint32_t dense_ranks(const std::vector<Key>& keys, std::vector<std::uint32_t>& rank_at) {
  const std::size_t n = keys.size();
  if constexpr (std::is_integral_v<Key>) {
    // Scores and input positions span a small range: rank them by counting.
    const auto [lo, hi] = std::minmax_element(keys.begin(), keys.end());
    const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(*hi) - *lo);
    if (span <= 4 * n + 1024) {
      std::vector<std::uint32_t> rank_of(span + 1, 0);
      for (Key k : keys) rank_of[static_cast<std::size_t>(k - *lo)] = 1;
      std::uint32_t next = 0;
      for (auto& r : rank_of) r = r ? next++ : 0;
      for (std::size_t i = 0; i < n; ++i)
        rank_at[i] = rank_of[static_cast<std::size_t>(keys[i] - *lo)];
      return next - 1;
    }
  }
  std::vector<std::uint32_t> by_key(n);
  for (std::size_t i = 0; i < n; ++i) by_key[i] = static_cast<std::uint32_t>(i);
  std::sort(by_key.begin(), by_key.end(),
            [&keys](std::uint32_t x, std::uint32_t y) { return keys[x] < keys[y]; });
  std::uint32_t rank = 0;
  for (std::size_t t = 0; t < n; ++t) {
    if (t > 0 && keys[by_key[t - 1]] < keys[by_key[t]]) ++rank;
    rank_at[by_key[t]] = rank;
  }
  return rank;
}

// The arrangement a selection sort from the end leaves behind, found in O(n log n).
// Each round of that sort takes, among positions 1..a, the largest key and among equal
// largest keys the highest position, then swaps it with position a. So the pick is the
// highest unsorted position of the largest key still unsorted: one max-heap of positions
// per distinct key answers it, and a swap only replaces position a by c in the heap of
// the key that stood at a. The result lists, per final position, the record's starting
// position (0-based).
template <class Positions>
void select_from_end(std::vector<std::uint32_t>& rank_at, std::uint32_t rank,
                     std::vector<std::size_t>& arr) {
  Positions heaps(rank_at, rank + 1);
  std::uint32_t top = rank;
  for (std::size_t a = arr.size() - 1; a >= 1; --a) {
    while (heaps.empty(top)) --top;
    const std::uint32_t c = heaps.top(top);
    heaps.pop(top);
    if (c != a) {
      // The record at a (a smaller key: a is the highest unsorted position) moves to c.
      const std::uint32_t w = rank_at[a];
      heaps.replace_top(w, c);
      rank_at[c] = w;
      std::swap(arr[a], arr[c]);
    }
  }
}

template <class Key>
std::vector<std::size_t> selection_order(const std::vector<Key>& keys) {
  const std::size_t n = keys.size();
  std::vector<std::size_t> arr(n);
  for (std::size_t i = 0; i < n; ++i) arr[i] = i;
  if (n < 2) return arr;

  std::vector<std::uint32_t> rank_at(n);
  const std::uint32_t rank = dense_ranks(keys, rank_at);
  if (PositionBits::fits(n, rank + 1))
    select_from_end<PositionBits>(rank_at, rank, arr);
  else
    select_from_end<PositionHeaps>(rank_at, rank, arr);
  return arr;
}

// Puts the first n records of `table` into the order `from` gives (final position i holds
// the record that started at from[i]), following the cycles of the permutation so that
// each record moves about once and nothing large is allocated.
template <class Record>
void apply_order(Table1<Record>& table, const std::vector<std::size_t>& from) {
  auto& v = table.raw();
  std::vector<bool> done(from.size(), false);
  for (std::size_t start = 0; start < from.size(); ++start) {
    if (done[start] || from[start] == start) continue;
    Record held = std::move(v[start]);
    std::size_t at = start;
    while (from[at] != start) {
      v[at] = std::move(v[from[at]]);
      done[at] = true;
      at = from[at];
    }
    v[at] = std::move(held);
    done[at] = true;
  }
}

// Keys already in ascending order (ties included) are left as they are by the selection
// sort: each round finds its maximum at the end of the unsorted part.
template <class Key>
bool ascending(const std::vector<Key>& keys) {
  for (std::size_t i = 1; i < keys.size(); ++i)
    if (keys[i - 1] > keys[i]) return false;
  return true;
}

template <class Key, class Record, class Field>
std::vector<Key> keys_of(const Table1<Record>& table, std::size_t n, Field field) {
  std::vector<Key> keys;
  keys.reserve(n);
  for (std::size_t i = 1; i <= n; ++i) keys.push_back(Key(field(table[i])));
  return keys;
}

template <class Key>
std::vector<std::size_t> order_of(const std::vector<Key>& keys) {
  if (ascending(keys)) {
    std::vector<std::size_t> identity(keys.size());
    for (std::size_t i = 0; i < identity.size(); ++i) identity[i] = i;
    return identity;
  }
  return selection_order(keys);
}

template <class Record, class Key, class Field>
void sort_by_key(Table1<Record>& table, std::size_t n, Field field) {
  n = std::min(n, table.size());
  const auto keys = keys_of<Key>(table, n, field);
  if (ascending(keys)) return;
  apply_order(table, selection_order(keys));
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

std::vector<std::size_t> label_then_score_order(const Workspace& ws) {
  const std::size_t n = std::min(case_count(ws), ws.cases.size());
  const auto by_label = order_of(keys_of<std::string_view>(
      ws.cases, n, [](const Case_Record& r) { return std::string_view(r.label); }));
  std::vector<std::size_t> then_by_score;
  if (ws.pc_enabled) {
    std::vector<double> keys;
    keys.reserve(n);
    for (std::size_t p : by_label) keys.push_back(ws.cases[p + 1].total_score);
    then_by_score = order_of(keys);
  } else {
    std::vector<std::int32_t> keys;
    keys.reserve(n);
    for (std::size_t p : by_label) keys.push_back(ws.cases[p + 1].raw_score);
    then_by_score = order_of(keys);
  }
  std::vector<std::size_t> positions;
  positions.reserve(n);
  for (std::size_t q : then_by_score) positions.push_back(by_label[q] + 1);
  return positions;
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
