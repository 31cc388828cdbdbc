#include "core/diagnostics/item_diagnostics.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/analysis/analysis_fixture.h"
#include "core/analysis/analysis_run.h"

namespace jrv {
namespace {

using testing::load;
using testing::TestDefinition;

DiagnosticsResult diagnosed(const TestDefinition& t, Workspace* out = nullptr) {
  Workspace ws = load(t);
  compute_analysis(ws, 0.27, 0.27);
  if (out) *out = ws;
  return diagnose(ws);
}

// Twelve examinees, five items of four options. Item 1 keyed 1, item 2 keyed 2 (options 1
// and 4 unused, two blanks), item 3 keyed 3 but chosen as 4 by the stronger examinees,
// item 4 keyed 9 (everyone right, one blank and one 0), item 5 answered right by everyone.
// Scores: 5 4 4 4 3 3 3 3 3 3 3 4.
TestDefinition twelve() {
  TestDefinition t;
  t.key = "12391";
  t.lines = {"12341", "12431", "12421", "12411", "13401", "22411",
             "2 311", "33321", "23321", "43311", "4 3 1", "32311"};
  return t;
}

const OptionDiagnostics& option(const DiagnosticsResult& r, int item, int opt) {
  const auto& d = r.item_list.at(static_cast<std::size_t>(item - 1));
  for (const auto& o : d.options)
    if (o.option == opt) return o;
  throw std::out_of_range("no option");
}

std::string flag_names(const ItemDiagnostics& d) {
  std::string s;
  for (const auto& f : d.flags) s += std::string(flag_key(f.flag)) + " ";
  return s;
}

TEST(ScoreGroups, TiedScoresShareTheGroupThatHoldsTheirMiddle) {
  // One examinee per score 0..9: two per fifth.
  EXPECT_EQ(score_group_of({1, 1, 1, 1, 1, 1, 1, 1, 1, 1}),
            (std::vector<int>{0, 0, 1, 1, 2, 2, 3, 3, 4, 4}));
  // Scores 1 1 1 2 2 3 4 5 5 5: the three 1s sit at 0.15 (fifth 0); the 2s at 0.4 (exactly
  // the boundary, fifth 2); the 3 at 0.55 (2), the 4 at 0.65 (3), the 5s at 0.85 (4).
  EXPECT_EQ(score_group_of({0, 3, 2, 1, 1, 3}), (std::vector<int>{0, 0, 2, 2, 3, 4}));
  // Everyone equal: one group in the middle; nobody: all 0.
  EXPECT_EQ(score_group_of({0, 0, 7}), (std::vector<int>{0, 0, 2}));
  EXPECT_EQ(score_group_of({0, 0}), (std::vector<int>{0, 0}));
}

TEST(ItemDiagnostics, CountsMeansAndGroupsOfEveryOption) {
  const DiagnosticsResult r = diagnosed(twelve());
  // Seven 3s at 7/24 (fifth 1), four 4s at 0.75 (3), one 5 at 23/24 (4).
  EXPECT_EQ(r.groups.sizes, (std::array<int, 5>{0, 7, 0, 4, 1}));
  EXPECT_EQ(r.groups.min_score[1], 3);
  EXPECT_EQ(r.groups.max_score[3], 4);

  const auto& key1 = option(r, 1, 1);  // examinees 1-5: scores 5 4 4 4 3
  EXPECT_EQ(key1.count, 5);
  EXPECT_DOUBLE_EQ(key1.proportion, 5.0 / 12);
  EXPECT_DOUBLE_EQ(key1.mean_score, 4.0);
  EXPECT_TRUE(key1.keyed);
  // Item 3, option 4: examinees 2-6, scores 4 4 4 3 3; the key: examinees 1 and 7-12.
  const auto& four = option(r, 3, 4);
  EXPECT_EQ(four.count, 5);
  EXPECT_DOUBLE_EQ(four.mean_score, 3.6);
  EXPECT_EQ(four.groups, (std::array<double, 5>{0, 2.0 / 7, 0, 3.0 / 4, 0}));
  EXPECT_EQ(option(r, 3, 3).groups, (std::array<double, 5>{0, 5.0 / 7, 0, 1.0 / 4, 1}));

  // An option nobody chooses: every value 0, none undefined.
  const auto& unused = option(r, 2, 1);
  EXPECT_EQ(unused.count, 0);
  EXPECT_EQ(unused.mean_score, 0.0);
  EXPECT_EQ(unused.rest_point_biserial, 0.0);
  EXPECT_EQ(unused.groups, (std::array<double, 5>{}));

  // Missing: the two blanks of item 2; item 4's blank and 0 (right by key 9).
  EXPECT_EQ(option(r, 2, 0).count, 2);
  EXPECT_DOUBLE_EQ(option(r, 2, 0).mean_score, 3.0);
  EXPECT_EQ(option(r, 4, 0).count, 2);
  EXPECT_FALSE(option(r, 2, 0).keyed);
  // The options 1..k then missing, for every included item.
  for (const auto& d : r.item_list) {
    ASSERT_EQ(d.options.size(), 5u) << "item " << d.item;
    EXPECT_EQ(d.options.back().option, 0);
  }
}

TEST(ItemDiagnostics, UpperAndLowerMatchTheOptionsAnalysis) {
  Workspace ws;
  const DiagnosticsResult r = diagnosed(twelve(), &ws);
  for (int j = 1; j <= 5; ++j)
    for (int o = 1; o <= 4; ++o) {
      const auto& it = ws.items[static_cast<std::size_t>(j)];
      const auto& od = option(r, j, o);
      EXPECT_EQ(od.count, it.option_count_total[static_cast<std::size_t>(o)]) << j << "/" << o;
      EXPECT_EQ(od.upper, it.option_prop_high[static_cast<std::size_t>(o)]) << j << "/" << o;
      EXPECT_EQ(od.lower, it.option_prop_low[static_cast<std::size_t>(o)]) << j << "/" << o;
    }
  // Missing answers by group, from the same groups: item 2's blanks are examinees 7 and 11,
  // both scoring 3, in the lower group (scores <= low_group_max) and not the upper one.
  ASSERT_EQ(ws.stats.low_group_max, 3);
  EXPECT_DOUBLE_EQ(option(r, 2, 0).lower, 2.0 / ws.stats.low_group_size);
  EXPECT_EQ(option(r, 2, 0).upper, 0.0);
}

TEST(ItemDiagnostics, RestPointBiserials) {
  Workspace ws;
  const DiagnosticsResult r = diagnosed(twelve(), &ws);
  // Item 3, rest scores (score minus the item's point) 4 4 4 4 3 3 2 2 2 2 2 3; option 4 is
  // chosen by examinees 2-6. Covariance and spreads over 12: r = 0.66997...
  EXPECT_NEAR(option(r, 3, 4).rest_point_biserial, 0.6699739946729656, 1e-12);
  EXPECT_NEAR(option(r, 3, 3).rest_point_biserial, -0.6699739946729653, 1e-12);
  EXPECT_NEAR(option(r, 1, 3).rest_point_biserial, 0.3779644730092271, 1e-12);
  EXPECT_NEAR(option(r, 4, 4).rest_point_biserial, 0.7006490497453709, 1e-12);
  EXPECT_NEAR(option(r, 4, 0).rest_point_biserial, -0.3464101615137754, 1e-12);
  // With a single correct answer the key's value is the item's adjusted point-biserial.
  for (int j : {1, 2, 3})
    EXPECT_NEAR(option(r, j, j).rest_point_biserial,
                ws.items[static_cast<std::size_t>(j)].adj_point_biserial, 1e-12)
        << "item " << j;
  // Everyone right: the choice does not vary, the value is 0 (the item's is the 9.0 marker).
  EXPECT_EQ(option(r, 5, 1).rest_point_biserial, 0.0);
}

TEST(ItemDiagnostics, FlagsWithTheirReasons) {
  const DiagnosticsResult r = diagnosed(twelve());
  const auto& items = r.item_list;
  // Item 1: option 3 correlates better than the key; options all chosen by >= 1/12.
  EXPECT_EQ(flag_names(items[0]), "possible_miskey negative_discrimination ");
  EXPECT_EQ(items[0].flags[0].reason,
            "Option 3 correlates better with the rest of the test (0.378) than the key 1 "
            "(-0.143): check the key.");
  // Item 2: options 1 and 4 nobody chooses.
  EXPECT_EQ(flag_names(items[1]), "non_functioning_distractor ");
  EXPECT_EQ(items[1].flags[0].reason,
            "Options 1 and 4 are chosen by fewer than 5 % of the examinees: replace or drop.");
  // Item 3: the upper group prefers 4, which also correlates better; one flag per distractor.
  EXPECT_EQ(flag_names(items[2]),
            "possible_miskey non_functioning_distractor negative_discrimination ");
  // Key 9: every option counts as right, so nothing is a distractor; it is too easy.
  EXPECT_EQ(flag_names(items[3]), "too_easy ");
  EXPECT_EQ(items[3].flags[0].reason, "p = 1.000 is above 0.9.");
  for (const auto& o : items[3].options) EXPECT_EQ(o.keyed, o.option != 0) << o.option;
  // Everyone right on the key: the other options do nothing.
  EXPECT_EQ(flag_names(items[4]), "non_functioning_distractor too_easy ");
  EXPECT_EQ(r.flagged_count(), 5);
}

// Item 1 accepts 1 and 3; the upper group (the three 2s) chooses 3 twice and 1 once.
TEST(ItemDiagnostics, AnAlternativeAnswerIsNoDistractor) {
  TestDefinition t;
  t.key = "11";
  t.include = "AY";
  t.alternatives = {{1, 3}};
  t.lines = {"31", "31", "11", "21", "22", "42", "12", "22"};
  const DiagnosticsResult r = diagnosed(t);
  EXPECT_TRUE(option(r, 1, 3).keyed);
  EXPECT_TRUE(option(r, 1, 1).keyed);
  EXPECT_FALSE(option(r, 1, 2).keyed);
  EXPECT_FALSE(r.item_list[0].has(ItemFlag::possible_miskey)) << flag_names(r.item_list[0]);
  // Rest scores are item 2's points 1 1 1 1 0 0 0 0; option 3 is chosen by the first two:
  // cov = 2/8 - (2/8)(4/8) = 1/8, sd = sqrt(3/16) and 1/2: r = 1/sqrt(3).
  EXPECT_NEAR(option(r, 1, 3).rest_point_biserial, 1 / std::sqrt(3.0), 1e-12);

  // Without the alternative, 3 is a distractor the upper group prefers: a likely miskey.
  t.include = "YY";
  const DiagnosticsResult plain = diagnosed(t);
  ASSERT_TRUE(plain.item_list[0].has(ItemFlag::possible_miskey)) << flag_names(plain.item_list[0]);
  EXPECT_EQ(plain.item_list[0].flags[0].reason.substr(0, 38),
            "Option 3 correlates better with the re");
}

TEST(ItemDiagnostics, RightWrongDataAndExcludedItems) {
  TestDefinition t;
  t.key = "111";
  t.options = "222";
  t.include = "YNY";
  t.lines = {"111", "101", "011", "000", "110", "9 0"};
  const DiagnosticsResult r = diagnosed(t);
  EXPECT_FALSE(r.item_list[1].included);
  EXPECT_TRUE(r.item_list[1].options.empty());
  EXPECT_TRUE(r.item_list[1].flags.empty());
  EXPECT_EQ(r.included_items, 2);
  // Codes 1 and 2 are the options; 0 and 9 are missing.
  EXPECT_EQ(option(r, 1, 1).count, 3);
  EXPECT_EQ(option(r, 1, 2).count, 0);
  EXPECT_EQ(option(r, 1, 0).count, 3);
  // Right-wrong data: option 1 is a 1, option 2 a 0, as in the options analysis.
  Workspace ws = load(t);
  ws.right_wrong_mode = true;
  compute_analysis(ws, 0.27, 0.27);
  const DiagnosticsResult rw = diagnose(ws);
  EXPECT_EQ(option(rw, 1, 1).count, 3);
  EXPECT_EQ(option(rw, 1, 2).count, 2);
  EXPECT_EQ(option(rw, 1, 0).count, 1);
  EXPECT_EQ(option(rw, 1, 2).count, ws.items[1].option_count_total[2]);
}

TEST(FeldtInterval, AgreesWithIndependentlyComputedValues) {
  // Reference values from another implementation of the F quantiles (double precision):
  // N = 30, k = 20, KR-20 0.80; N = 200, k = 40, KR-20 0.65.
  const auto a = feldt_interval(0.8, 30, 20, 1.0, 0.95);
  ASSERT_TRUE(a);
  EXPECT_NEAR(a->low, 0.6793163136511127, 1e-9);
  EXPECT_NEAR(a->high, 0.8904086935523925, 1e-9);
  const auto b = feldt_interval(0.65, 200, 40, 1.0, 0.90);
  ASSERT_TRUE(b);
  EXPECT_NEAR(b->low, 0.5894126093989387, 1e-9);
  EXPECT_NEAR(b->high, 0.7062041678899782, 1e-9);
  const auto c = feldt_interval(0.8, 30, 20, 1.0, 0.90);
  EXPECT_NEAR(c->low, 0.702367223588821, 1e-9);
  EXPECT_NEAR(c->high, 0.8788833811533091, 1e-9);
  // Undefined: one item, one examinee, no spread.
  EXPECT_FALSE(feldt_interval(0.5, 30, 1, 1.0, 0.95));
  EXPECT_FALSE(feldt_interval(0.5, 1, 20, 1.0, 0.95));
  EXPECT_FALSE(feldt_interval(0.0, 30, 20, 0.0, 0.95));
}

TEST(FeldtInterval, OfTheRunsKr20) {
  Workspace ws;
  const DiagnosticsResult r = diagnosed(twelve(), &ws);
  ASSERT_TRUE(r.kr20_ci95 && r.kr20_ci90);
  EXPECT_EQ(r.kr20_ci95, feldt_interval(ws.stats.kr20, 12, 5, ws.stats.variance_score, 0.95));
  EXPECT_LT(r.kr20_ci95->low, r.kr20_ci90->low);
  EXPECT_GT(r.kr20_ci95->high, r.kr20_ci90->high);
  EXPECT_LT(r.kr20_ci90->low, ws.stats.kr20);
}

}  // namespace
}  // namespace jrv
