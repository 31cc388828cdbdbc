#include "core/analysis/sorting.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/analysis/selection_sort_reference.h"

namespace jrv {
namespace {

std::vector<int> case_order(const Workspace& ws) {
  std::vector<int> out;
  for (int i = 1; i <= ws.num_cases; ++i)
    out.push_back(ws.cases[static_cast<std::size_t>(i)].case_number);
  return out;
}

std::vector<int> item_order(const Workspace& ws) {
  std::vector<int> out;
  for (int j = 1; j <= ws.num_items; ++j)
    out.push_back(ws.items[static_cast<std::size_t>(j)].item_number);
  return out;
}

// Examinees in a shuffled order whose keys come from tiny ranges, so that almost every
// comparison meets a tie.
Workspace tied_cases(std::mt19937& rng, int n) {
  Workspace ws;
  ws.num_cases = n;
  ws.cases.resize(static_cast<std::size_t>(n));
  std::vector<int> numbers(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) numbers[static_cast<std::size_t>(i)] = i + 1;
  std::shuffle(numbers.begin(), numbers.end(), rng);
  const std::vector<std::string> labels = {"", "a", "A", "ab", "aB", "b", "\xE9", "a "};
  const std::vector<double> totals = {0.0, -0.0, 1.5, 2.0, 2.5, 10.25};
  std::uniform_int_distribution<int> score(0, 4);
  for (int i = 1; i <= n; ++i) {
    auto& c = ws.cases[static_cast<std::size_t>(i)];
    c.case_number = numbers[static_cast<std::size_t>(i - 1)];
    c.label = labels[rng() % labels.size()];
    c.raw_score = score(rng);
    c.total_score = totals[rng() % totals.size()];
  }
  return ws;
}

TEST(Sorting, ExamineeSortsLeaveTheSelectionSortArrangement) {
  for (unsigned seed = 1; seed <= 300; ++seed) {
    std::mt19937 rng(seed);
    const int n = seed % 50 == 0 ? 3000 : static_cast<int>(rng() % 200);
    Workspace fast = tied_cases(rng, n);
    fast.pc_enabled = seed % 2 == 0;
    Workspace slow = fast;
    // The run's own sequences: by label then by score, then input order again.
    sort_cases_by_label(fast);
    reference::sort_cases_by_label(slow);
    ASSERT_EQ(case_order(fast), case_order(slow)) << "label sort, seed " << seed << ", N " << n;
    sort_cases_by_score(fast);
    reference::sort_cases_by_score(slow);
    ASSERT_EQ(case_order(fast), case_order(slow)) << "score sort, seed " << seed << ", N " << n;
    fast.pc_enabled = !fast.pc_enabled;
    slow.pc_enabled = fast.pc_enabled;
    sort_cases_by_score(fast);
    reference::sort_cases_by_score(slow);
    ASSERT_EQ(case_order(fast), case_order(slow)) << "second score sort, seed " << seed;
    sort_cases_by_input_order(fast);
    for (int i = 1; i <= n; ++i) ASSERT_EQ(fast.cases[static_cast<std::size_t>(i)].case_number, i);
  }
}

TEST(Sorting, WideRangesOfIntegerKeysSortLikeNarrowOnes) {
  std::mt19937 rng(7);
  Workspace fast = tied_cases(rng, 500);
  const int wide[] = {-2000000000, -7, 0, 5, 2000000000};
  for (int i = 1; i <= 500; ++i)
    fast.cases[static_cast<std::size_t>(i)].raw_score = wide[rng() % 5];
  Workspace slow = fast;
  sort_cases_by_score(fast);
  reference::sort_cases_by_score(slow);
  EXPECT_EQ(case_order(fast), case_order(slow));
}

// Few distinct keys and many take different ways to the same arrangement (bits of
// positions per key, or heaps); both meet ties here.
TEST(Sorting, ManyDistinctKeysWithTiesSortLikeFew) {
  for (const int range : {5, 100, 2000}) {
    std::mt19937 rng(static_cast<unsigned>(range));
    Workspace fast = tied_cases(rng, 3000);
    std::uniform_int_distribution<int> score(0, range - 1);
    for (int i = 1; i <= 3000; ++i) fast.cases[static_cast<std::size_t>(i)].raw_score = score(rng);
    Workspace slow = fast;
    sort_cases_by_score(fast);
    reference::sort_cases_by_score(slow);
    EXPECT_EQ(case_order(fast), case_order(slow)) << "scores 0.." << range - 1;
  }
}

TEST(Sorting, TheRankOrderIsThatOfALabelThenAScoreSortWithoutMovingRecords) {
  for (unsigned seed = 1; seed <= 100; ++seed) {
    std::mt19937 rng(seed);
    Workspace ws = tied_cases(rng, seed % 25 == 0 ? 2000 : static_cast<int>(rng() % 150));
    ws.pc_enabled = seed % 2 == 1;
    const std::vector<int> before = case_order(ws);
    const std::vector<std::size_t> order = label_then_score_order(ws);
    ASSERT_EQ(case_order(ws), before);
    Workspace sorted = ws;
    reference::sort_cases_by_label(sorted);
    reference::sort_cases_by_score(sorted);
    std::vector<int> via_order;
    for (std::size_t p : order) via_order.push_back(ws.cases[p].case_number);
    ASSERT_EQ(via_order, case_order(sorted)) << "seed " << seed;
  }
}

TEST(Sorting, ItemSortsLeaveTheSelectionSortArrangementAndRefreshCopies) {
  const std::vector<double> values = {-0.25, 0.0, 0.1, 0.5, 1.0, kNotComputable};
  for (unsigned seed = 1; seed <= 300; ++seed) {
    std::mt19937 rng(seed);
    Workspace fast;
    fast.num_items = 1 + static_cast<int>(rng() % 100);
    std::vector<int> numbers(static_cast<std::size_t>(fast.num_items));
    for (int j = 0; j < fast.num_items; ++j) numbers[static_cast<std::size_t>(j)] = j + 1;
    std::shuffle(numbers.begin(), numbers.end(), rng);
    for (int j = 1; j <= fast.num_items; ++j) {
      auto& it = fast.items[static_cast<std::size_t>(j)];
      it.item_number = numbers[static_cast<std::size_t>(j - 1)];
      it.difficulty = values[rng() % 5];
      it.discrimination = values[rng() % 5];
      it.point_biserial = values[rng() % values.size()];
      it.adj_point_biserial = values[rng() % values.size()];
      fast.include_flags[static_cast<std::size_t>(j)] = static_cast<int>(rng() % 3);
      fast.key_values[static_cast<std::size_t>(j)] = static_cast<int>(rng() % 10);
      fast.option_values[static_cast<std::size_t>(j)] = 1 + static_cast<int>(rng() % 8);
    }
    Workspace slow = fast;
    for (int key : {2, 4, 3, 5, 0, 1}) {
      sort_items(fast, key);
      reference::sort_items(slow, key);
      ASSERT_EQ(item_order(fast), item_order(slow)) << "key " << key << ", seed " << seed;
      for (int j = 1; j <= fast.num_items; ++j)
        ASSERT_EQ(fast.items[static_cast<std::size_t>(j)], slow.items[static_cast<std::size_t>(j)]);
    }
  }
}

TEST(Sorting, TiesKeepTheirPlaceAndLabelsCompareByByteValue) {
  Workspace ws;
  ws.num_cases = 4;
  ws.cases.resize(4);
  const char* labels[] = {"bob", "Bob", "amy", "Amy"};
  for (int i = 1; i <= 4; ++i) {
    auto& c = ws.cases[static_cast<std::size_t>(i)];
    c.case_number = i;
    c.raw_score = 7;
    c.label = labels[i - 1];
  }
  sort_cases_by_score(ws);
  EXPECT_EQ(case_order(ws), (std::vector<int>{1, 2, 3, 4}));
  sort_cases_by_label(ws);
  EXPECT_EQ(case_order(ws), (std::vector<int>{4, 2, 3, 1}));  // Amy Bob amy bob
}

TEST(Sorting, TheNotComputableMarkSortsLastAndAnUnknownKeyOnlyRefreshes) {
  Workspace ws;
  ws.num_items = 3;
  const double pbis[] = {kNotComputable, 0.4, -0.1};
  for (int j = 1; j <= 3; ++j) {
    ws.items[static_cast<std::size_t>(j)].item_number = j;
    ws.items[static_cast<std::size_t>(j)].point_biserial = pbis[j - 1];
    ws.key_values[static_cast<std::size_t>(j)] = j + 1;
  }
  sort_items(ws, 7);
  EXPECT_EQ(item_order(ws), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(ws.items[2].key_value, 3);
  sort_items(ws, ItemSort::point_biserial);
  EXPECT_EQ(item_order(ws), (std::vector<int>{3, 2, 1}));
}

}  // namespace
}  // namespace jrv
