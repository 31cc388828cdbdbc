#include "core/diagnostics/item_diagnostics.h"

#include <algorithm>
#include <boost/math/distributions/fisher_f.hpp>
#include <cmath>
#include <cstdint>

#include "core/analysis/scoring.h"
#include "core/analysis/test_statistics.h"
#include "core/diagnostics/item_flags.h"

namespace jrv {

namespace {

constexpr std::size_t kCodes = 11;  // response codes 0..9, anything above as 10

std::size_t item_count(const Workspace& ws) {
  return static_cast<std::size_t>(std::max(0, std::min(ws.num_items, kMaxItems)));
}

double share(std::int64_t count, std::int64_t size) {
  return size > 0 ? static_cast<double>(count) / static_cast<double>(size) : 0.0;
}

// Which option (1..k) each response code is; 0 = missing.
std::array<int, kCodes> option_of_codes(bool right_wrong, int k) {
  std::array<int, kCodes> option{};
  if (right_wrong) {
    option[1] = 1;
    option[0] = k >= 2 ? 2 : 0;
  } else {
    for (int c = 1; c <= std::min(k, 9); ++c) option[static_cast<std::size_t>(c)] = c;
  }
  return option;
}

}  // namespace

bool ItemDiagnostics::has(ItemFlag flag) const {
  return std::any_of(flags.begin(), flags.end(), [&](const FlagNote& f) { return f.flag == flag; });
}

int DiagnosticsResult::flagged_count() const {
  return static_cast<int>(std::count_if(item_list.begin(), item_list.end(),
                                        [](const ItemDiagnostics& d) { return !d.flags.empty(); }));
}

std::vector<int> score_group_of(const std::vector<int>& examinees_per_score) {
  std::int64_t n = 0;
  for (int c : examinees_per_score) n += c;
  std::vector<int> group(examinees_per_score.size(), 0);
  std::int64_t below = 0;
  for (std::size_t s = 0; s < examinees_per_score.size(); ++s) {
    const std::int64_t at = examinees_per_score[s];
    // The middle of the tied block, (below + at / 2) / n, in fifths, in integers.
    if (n > 0)
      group[s] = static_cast<int>(std::min<std::int64_t>(4, (10 * below + 5 * at) / (2 * n)));
    below += at;
  }
  return group;
}

std::optional<Interval> feldt_interval(double kr20, int examinees, int items, double variance,
                                       double confidence) {
  if (examinees < 2 || items < 2 || !(variance > 0)) return std::nullopt;
  const double df1 = examinees - 1.0;
  const double df2 = df1 * (items - 1.0);
  const boost::math::fisher_f_distribution<double> f(df1, df2);
  const double tail = (1.0 - confidence) / 2.0;
  return Interval{1.0 - (1.0 - kr20) * boost::math::quantile(f, 1.0 - tail),
                  1.0 - (1.0 - kr20) * boost::math::quantile(f, tail)};
}

DiagnosticsResult diagnose(const Workspace& ws) {
  DiagnosticsResult r;
  const auto& st = ws.stats;
  const std::size_t n_items = item_count(ws);
  const std::size_t n = static_cast<std::size_t>(std::max(ws.num_cases, 0));
  r.title = ws.title;
  r.examinees = static_cast<int>(n);
  r.items = static_cast<int>(n_items);
  r.included_items = ws.included_count;
  r.stats = st;
  r.kr20_ci95 = feldt_interval(st.kr20, r.examinees, ws.included_count, st.variance_score, 0.95);
  r.kr20_ci90 = feldt_interval(st.kr20, r.examinees, ws.included_count, st.variance_score, 0.90);

  // Raw scores run 0..included items; every tally below is by score, so that one pass adds a
  // single count per response and the groups follow from the scores afterwards.
  const std::size_t scores = static_cast<std::size_t>(std::max(ws.included_count, 0)) + 1;
  std::vector<int> per_score(scores, 0);
  for (std::size_t i = 1; i <= n; ++i)
    ++per_score[std::min<std::size_t>(static_cast<std::size_t>(std::max(ws.cases[i].raw_score, 0)),
                                      scores - 1)];
  const std::vector<int> group = score_group_of(per_score);
  for (std::size_t s = 0; s < scores; ++s) {
    if (per_score[s] == 0) continue;
    const auto g = static_cast<std::size_t>(group[s]);
    if (r.groups.sizes[g] == 0) r.groups.min_score[g] = static_cast<int>(s);
    r.groups.max_score[g] = static_cast<int>(s);
    r.groups.sizes[g] += per_score[s];
  }

  // Items by number (the item table may be in any order).
  std::array<const ItemRecord*, kMaxItems + 1> record{};
  for (std::size_t j = 1; j <= n_items; ++j) {
    const auto num = static_cast<std::size_t>(ws.items[j].item_number);
    if (num >= 1 && num <= n_items) record[num] = &ws.items[j];
  }
  std::vector<std::size_t> included;
  for (std::size_t num = 1; num <= n_items; ++num)
    if (record[num] && record[num]->include_flag != 0) included.push_back(num);

  // tally[t][code][score]: examinees with that score who gave that code to included item t.
  const std::size_t cell = kCodes * scores;
  std::vector<std::int32_t> tally(included.size() * cell, 0);
  for (std::size_t i = 1; i <= n; ++i) {
    const auto& c = ws.cases[i];
    const auto& row = ws.responses[static_cast<std::size_t>(c.case_number)];
    const std::size_t s =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(c.raw_score, 0)), scores - 1);
    std::int32_t* base = tally.data() + s;
    for (std::size_t t = 0; t < included.size(); ++t) {
      const std::size_t code = std::min<std::size_t>(row[included[t]], kCodes - 1);
      ++base[t * cell + code * scores];
    }
  }

  const CorrectCodes correct(ws);
  const double dn = static_cast<double>(n);
  std::int64_t sum_x = 0, sum_xx = 0;
  for (std::size_t s = 0; s < scores; ++s) {
    sum_x += static_cast<std::int64_t>(per_score[s]) * static_cast<std::int64_t>(s);
    sum_xx += static_cast<std::int64_t>(per_score[s]) * static_cast<std::int64_t>(s * s);
  }

  for (std::size_t num = 1; num <= n_items; ++num) {
    ItemDiagnostics d;
    d.item = static_cast<int>(num);
    if (record[num]) d.record = *record[num];
    d.included = record[num] && record[num]->include_flag != 0;
    if (!d.included) {
      r.item_list.push_back(std::move(d));
      continue;
    }
    const auto t = static_cast<std::size_t>(std::find(included.begin(), included.end(), num) -
                                            included.begin());
    const int k = ws.option_values[num];
    const auto option = option_of_codes(ws.right_wrong_mode, k);

    // Per code: examinees, sum of their scores, upper and lower counts, group counts.
    struct CodeSums {
      std::int64_t count = 0, sum_score = 0, upper = 0, lower = 0;
      std::array<std::int64_t, kScoreGroups> groups{};
    };
    std::array<CodeSums, kCodes> code_sums{};
    std::int64_t correct_count = 0, score_of_correct = 0;
    for (std::size_t code = 0; code < kCodes; ++code) {
      auto& cs = code_sums[code];
      const std::int32_t* counts = tally.data() + t * cell + code * scores;
      for (std::size_t s = 0; s < scores; ++s) {
        const std::int64_t c = counts[s];
        if (c == 0) continue;
        cs.count += c;
        cs.sum_score += c * static_cast<std::int64_t>(s);
        cs.upper += static_cast<int>(s) >= st.high_group_min ? c : 0;
        cs.lower += static_cast<int>(s) <= st.low_group_max ? c : 0;
        cs.groups[static_cast<std::size_t>(group[s])] += c;
      }
      if (correct.correct(num, static_cast<std::uint8_t>(code))) {
        correct_count += cs.count;
        score_of_correct += cs.sum_score;
      }
    }
    // The rest score (score without this item) over everyone, as the item-deleted values.
    const double rest_sum = static_cast<double>(sum_x - correct_count);
    const double rest_squares = static_cast<double>(sum_xx - 2 * score_of_correct + correct_count);

    for (int o = 1; o <= k + 1; ++o) {
      const int opt = o <= k ? o : 0;
      OptionDiagnostics od;
      od.option = opt;
      std::int64_t count = 0, sum_score = 0, rest_of_choosers = 0, upper = 0, lower = 0;
      std::array<std::int64_t, kScoreGroups> in_group{};
      bool keyed = opt != 0;
      for (std::size_t code = 0; code < kCodes; ++code) {
        if (option[code] != opt) continue;
        const auto& cs = code_sums[code];
        const bool right = correct.correct(num, static_cast<std::uint8_t>(code));
        keyed = keyed && right;
        count += cs.count;
        sum_score += cs.sum_score;
        rest_of_choosers += cs.sum_score - (right ? cs.count : 0);
        upper += cs.upper;
        lower += cs.lower;
        for (std::size_t g = 0; g < kScoreGroups; ++g) in_group[g] += cs.groups[g];
      }
      od.keyed = keyed;
      od.count = static_cast<int>(count);
      od.mean_score = count > 0 ? static_cast<double>(sum_score) / static_cast<double>(count) : 0.0;
      od.rest_point_biserial =
          pearson_from_sums(dn, static_cast<double>(count), rest_sum, static_cast<double>(count),
                            rest_squares, static_cast<double>(rest_of_choosers));
      if (opt != 0 && opt <= kOptionSlots) {
        // The options analysis holds these already.
        const auto slot = static_cast<std::size_t>(opt);
        od.proportion = d.record.option_prop_total[slot];
        od.upper = d.record.option_prop_high[slot];
        od.lower = d.record.option_prop_low[slot];
      } else {
        od.proportion = share(count, static_cast<std::int64_t>(n));
        od.upper = share(upper, st.high_group_size);
        od.lower = share(lower, st.low_group_size);
      }
      for (std::size_t g = 0; g < kScoreGroups; ++g)
        od.groups[g] = share(in_group[g], r.groups.sizes[g]);
      d.options.push_back(od);
    }
    d.flags = item_flags(d, ws.options);
    r.item_list.push_back(std::move(d));
  }
  return r;
}

}  // namespace jrv
