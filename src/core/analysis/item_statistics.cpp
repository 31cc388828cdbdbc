#include "core/analysis/item_statistics.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "core/analysis/normal_deviate.h"
#include "core/analysis/scoring.h"

namespace jrv {

namespace {

std::size_t item_count(const Workspace& ws) {
  return static_cast<std::size_t>(std::max(0, std::min(ws.num_items, kMaxItems)));
}

double ratio_or_zero(double a, double b) {
  return b != 0 ? a / b : 0.0;
}

// What one pass over the responses gathers per item record.
struct ItemSums {
  std::int64_t correct = 0, score_of_correct = 0, high = 0, low = 0;
};

double capped(double x) {
  return x > 1.0 ? 1.0 : x;
}

}  // namespace

ItemPassValues compute_item_statistics(Workspace& ws, const ResponseTally& tally) {
  ItemPassValues pass;
  auto& st = ws.stats;
  const std::size_t n_items = item_count(ws);
  const std::size_t n = static_cast<std::size_t>(std::max(ws.num_cases, 0));
  const double dn = static_cast<double>(n);
  const CorrectCodes codes(ws);

  // Record position -> item number, for the included records only.
  std::vector<std::pair<std::size_t, std::size_t>> included;
  for (std::size_t j = 1; j <= n_items; ++j)
    if (ws.items[j].include_flag != 0)
      included.emplace_back(j, static_cast<std::size_t>(ws.items[j].item_number));

  for (std::size_t i = 1; i <= n; ++i) {
    const std::int64_t x = ws.cases[i].raw_score;
    pass.sum_scores += x;
    pass.sum_squared_scores += x * x;
  }
  // An item's sums are those of the codes that count as correct for it.
  std::array<ItemSums, kMaxItems + 1> sums{};
  for (const auto& [j, num] : included) {
    const CodeTally& t = tally[num];
    auto& s = sums[j];
    for (std::size_t code = 0; code < CodeTally::kCodes; ++code) {
      if (!codes.correct(num, static_cast<std::uint8_t>(code))) continue;
      s.correct += t.total[code];
      s.score_of_correct += t.score_sum[code];
      s.high += t.high[code];
      s.low += t.low[code];
    }
  }

  const double k = static_cast<double>(included.size());
  double sum_p = 0, sum_pp = 0, sum_c = 0, sum_cc = 0, sum_d = 0;
  double sum_r = 0;
  int count_r = 0;
  for (const auto& [j, num] : included) {
    auto& it = ws.items[j];
    const auto& s = sums[j];
    it.correct_count = static_cast<std::int32_t>(s.correct);
    const double p = ratio_or_zero(static_cast<double>(s.correct), dn);
    it.difficulty = p;
    sum_p += p;
    sum_pp += p * p;
    sum_c += it.correct_count;
    sum_cc += static_cast<double>(it.correct_count) * it.correct_count;

    it.high_correct = static_cast<std::int32_t>(s.high);
    it.low_correct = static_cast<std::int32_t>(s.low);
    it.high_p = ratio_or_zero(it.high_correct, st.high_group_size);
    it.low_p = ratio_or_zero(it.low_correct, st.low_group_size);
    it.discrimination = it.high_p - it.low_p;
    sum_d += it.discrimination;

    it.mean_score_correct =
        s.correct > 0 ? static_cast<double>(s.score_of_correct) / static_cast<double>(s.correct)
                      : 0.0;
    if (p == 1.0) {
      it.point_biserial = kNotComputable;
    } else {
      it.point_biserial = st.sd_score > 0 ? (it.mean_score_correct - st.mean_score) / st.sd_score *
                                                std::sqrt(p / (1.0 - p))
                                          : 0.0;
      sum_r += it.point_biserial;
      ++count_r;
    }

    const double y = normal_ordinate(item_normal_deviate(p));
    pass.ordinate[j] = y;
    pass.score_of_correct[j] = s.score_of_correct;
    it.biserial = p != 0.0 ? capped(std::sqrt(p * (1.0 - p)) / y * it.point_biserial) : 0.0;
  }
  if (k > 0) {
    st.mean_difficulty = sum_p / k;
    st.variance_difficulty = std::max(0.0, (sum_pp - sum_p * sum_p / k) / k);
    st.sd_difficulty = std::sqrt(st.variance_difficulty);
    st.mean_correct_count = sum_c / k;
    st.variance_correct_count = std::max(0.0, (sum_cc - sum_c * sum_c / k) / k);
    st.sd_correct_count = std::sqrt(st.variance_correct_count);
    st.mean_discrimination = sum_d / k;
  } else {
    st.mean_difficulty = st.variance_difficulty = st.sd_difficulty = 0;
    st.mean_correct_count = st.variance_correct_count = st.sd_correct_count = 0;
    st.mean_discrimination = 0;
  }
  st.mean_point_biserial = count_r > 0 ? sum_r / count_r : 0.0;
  return pass;
}

void compute_item_deleted_statistics(Workspace& ws, const ItemPassValues& pass) {
  auto& st = ws.stats;
  const std::size_t n_items = item_count(ws);
  const std::size_t n = static_cast<std::size_t>(std::max(ws.num_cases, 0));
  const double dn = static_cast<double>(n);
  const int k = ws.included_count;

  const std::int64_t sum_x = pass.sum_scores, sum_xx = pass.sum_squared_scores;

  double sum_r = 0;
  int count_r = 0;
  for (std::size_t j = 1; j <= n_items; ++j) {
    auto& it = ws.items[j];
    if (it.include_flag == 0) continue;
    const double p = it.difficulty;
    const double pq = p * (1.0 - p);
    const std::int64_t cc = it.correct_count;
    // Each correct examinee loses one point: sum x' = sum x - c and
    // sum x'^2 = sum x^2 - 2 * (scores of the correct) + c, both exact in integers.
    const std::int64_t score_of_correct = pass.score_of_correct[j];
    const double sx = static_cast<double>(sum_x - cc);
    const double sxx = static_cast<double>(sum_xx - 2 * score_of_correct + cc);
    it.mean_if_deleted = n > 0 ? sx / dn : 0.0;
    it.variance_if_deleted = n > 0 ? std::max(0.0, (sxx - sx * sx / dn) / dn) : 0.0;

    double others_pq = 0;
    for (std::size_t m = 1; m <= n_items; ++m) {
      const auto& other = ws.items[m];
      if (m == j || other.include_flag == 0) continue;
      others_pq += other.difficulty * (1.0 - other.difficulty);
    }
    it.kr20_if_deleted = k > 2 && it.variance_if_deleted > 0
                             ? static_cast<double>(k - 1) / (k - 2) *
                                   (it.variance_if_deleted - others_pq) / it.variance_if_deleted
                             : 0.0;
    it.sem_if_deleted =
        std::sqrt(it.variance_if_deleted) * std::sqrt(std::max(0.0, 1.0 - it.kr20_if_deleted));

    if (p == 1.0) {
      it.adj_point_biserial = kNotComputable;
    } else {
      const double r = it.point_biserial, sd = st.sd_score, s = std::sqrt(pq);
      const double spread = pq + st.variance_score - 2.0 * s * sd * r;
      it.adj_point_biserial = spread > 0 ? (r * sd - s) / std::sqrt(spread) : 0.0;
      sum_r += it.adj_point_biserial;
      ++count_r;
    }
    it.adj_biserial =
        p != 0.0 ? capped(std::sqrt(pq) / pass.ordinate[j] * it.adj_point_biserial) : 0.0;
  }
  st.mean_adj_point_biserial = count_r > 0 ? sum_r / count_r : 0.0;
}

bool is_problem_item(const ItemRecord& it, const AnalysisOptions& o) {
  return it.difficulty < o.crit_difficulty_low || it.difficulty > o.crit_difficulty_high ||
         it.discrimination < o.crit_discrimination || it.point_biserial < o.crit_point_biserial ||
         it.adj_point_biserial < o.crit_adj_point_biserial ||
         (it.point_biserial > 1.0 && o.crit_point_biserial > -1.0) ||
         (it.adj_point_biserial > 1.0 && o.crit_adj_point_biserial > -1.0);
}

void mark_problem_items(Workspace& ws) {
  ws.stats.problem_item_count = 0;
  for (std::size_t j = 1; j <= item_count(ws); ++j) {
    auto& it = ws.items[j];
    it.problem =
        it.include_flag != 0 && ws.options.suggest_problem_items && is_problem_item(it, ws.options);
    ws.stats.problem_item_count += it.problem;
  }
}

}  // namespace jrv
