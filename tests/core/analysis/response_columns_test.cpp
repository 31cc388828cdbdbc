#include "core/analysis/response_columns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/analysis/large_test.h"
#include "core/analysis/response_tally.h"
#include "core/analysis/scoring.h"

namespace jrv {
namespace {

// A generated test whose examinee table is not in input order and whose responses carry a
// few codes no reader produces (10..255), which must never count as correct and must land
// in the tally's last slot.
Workspace shuffled_test(int cases, int items, unsigned seed) {
  Workspace ws = testing::make_large_test(cases, items, seed);
  std::mt19937 rng(seed);
  for (int i = 1; i <= cases; ++i)
    for (int j = 1; j <= items; ++j)
      if (rng() % 50 == 0)
        ws.responses[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] =
            static_cast<std::uint8_t>(10 + rng() % 246);
  std::shuffle(ws.cases.begin(), ws.cases.end(), rng);
  return ws;
}

// Shapes on both sides of the eight-by-eight blocks the copy moves at once.
constexpr std::pair<int, int> kShapes[] = {{1, 1}, {7, 9}, {8, 8}, {13, 17}, {203, 45}, {64, 100}};

TEST(ResponseColumns, HoldEveryAnswerInInputOrderWhateverTheShape) {
  for (const auto& [cases, items] : kShapes) {
    const Workspace ws = shuffled_test(cases, items, 11);
    const ResponseColumns columns(ws);
    ASSERT_EQ(columns.cases(), static_cast<std::size_t>(cases));
    ASSERT_EQ(columns.stride() % 8, 0u);
    ASSERT_GE(columns.stride(), columns.cases());
    for (int j = 1; j <= items; ++j) {
      const auto column = columns.column(static_cast<std::size_t>(j));
      for (std::size_t i = 0; i < column.size(); ++i) {
        const int expected = i < columns.cases() ? ws.responses[i + 1][static_cast<std::size_t>(j)]
                                                 : ResponseColumns::kPadding;
        ASSERT_EQ(column[i], expected)
            << cases << "x" << items << " item " << j << " case " << i + 1;
      }
    }
  }
}

// Scores and the tally from the columns, against a count answer by answer.
TEST(ResponseColumns, ScoresAndTallyAgreeWithACountAnswerByAnswer) {
  for (const auto& [cases, items] : kShapes) {
    Workspace ws = shuffled_test(cases, items, 5);
    score_examinees(ws);
    ws.stats.high_group_min = items / 2;
    ws.stats.low_group_max = items / 3;
    const ResponseTally tally = tally_responses(ws);
    const CorrectCodes codes(ws);
    const auto half = static_cast<std::size_t>(items / 2);
    ResponseTally expected(kMaxItems + 1);
    for (const auto& c : ws.cases) {
      const auto& row = ws.responses[static_cast<std::size_t>(c.case_number)];
      int raw = 0, first = 0, odd = 0;
      for (std::size_t j = 1; j <= static_cast<std::size_t>(items); ++j) {
        if (!codes.included(j)) continue;
        const bool right = codes.correct(j, row[j]);
        raw += right;
        first += right && j <= half;
        odd += right && j % 2 == 1;
      }
      ASSERT_EQ(c.raw_score, raw) << cases << "x" << items << " case " << c.case_number;
      ASSERT_EQ(c.first_half_score, first) << cases << "x" << items << " case " << c.case_number;
      ASSERT_EQ(c.odd_score, odd) << cases << "x" << items << " case " << c.case_number;
      for (std::size_t j = 1; j <= static_cast<std::size_t>(items); ++j) {
        if (ws.items[j].include_flag == 0) continue;
        const std::size_t code = std::min<std::size_t>(row[j], CodeTally::kCodes - 1);
        auto& t = expected[j];
        ++t.total[code];
        t.high[code] += c.raw_score >= ws.stats.high_group_min;
        t.low[code] += c.raw_score <= ws.stats.low_group_max;
        t.score_sum[code] += c.raw_score;
      }
    }
    for (std::size_t j = 1; j <= static_cast<std::size_t>(items); ++j) {
      EXPECT_EQ(tally[j].total, expected[j].total) << cases << "x" << items << " item " << j;
      EXPECT_EQ(tally[j].high, expected[j].high) << cases << "x" << items << " item " << j;
      EXPECT_EQ(tally[j].low, expected[j].low) << cases << "x" << items << " item " << j;
      EXPECT_EQ(tally[j].score_sum, expected[j].score_sum)
          << cases << "x" << items << " item " << j;
    }
  }
}

}  // namespace
}  // namespace jrv
