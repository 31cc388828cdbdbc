#include "core/analysis/test_statistics.h"

#include <algorithm>
#include <cmath>

#include "core/analysis/sorting.h"
#include "core/settings/grade_lookup.h"
#include "core/text/format.h"

namespace jrv {

namespace {

std::size_t count_of(const Workspace& ws) {
  return static_cast<std::size_t>(std::max(ws.num_cases, 0));
}

struct Moments {
  double mean = 0, variance = 0, sd = 0, skewness = 0, kurtosis = 0;
};

template <class Score>
Moments moments(const Workspace& ws, Score score) {
  const std::size_t n = count_of(ws);
  Moments m;
  if (n == 0) return m;
  double sum = 0, sum_sq = 0;
  bool all_equal = true;
  for (std::size_t i = 1; i <= n; ++i) {
    const double x = score(ws.cases[i]);
    sum += x;
    sum_sq += x * x;
    all_equal = all_equal && x == score(ws.cases[1]);
  }
  const double dn = static_cast<double>(n);
  m.mean = sum / dn;
  // Equal fractional totals can leave a rounding residue; their spread is exactly 0.
  m.variance = all_equal ? 0.0 : std::max(0.0, (sum_sq - sum * sum / dn) / dn);
  m.sd = std::sqrt(m.variance);
  if (m.sd > 0) {
    double s3 = 0, s4 = 0;
    for (std::size_t i = 1; i <= n; ++i) {
      const double z = (score(ws.cases[i]) - m.mean) / m.sd;
      s3 += z * z * z;
      s4 += z * z * z * z;
    }
    m.skewness = s3 / dn;
    m.kurtosis = s4 / dn - 3.0;
  }
  return m;
}

double clamp_to(double x, double high) {
  return std::min(std::max(x, 0.0), high);
}

}  // namespace

double kuder_richardson(int k, double variance, double sum_pq) {
  if (k <= 1 || !(variance > 0)) return 0.0;
  return static_cast<double>(k) / (k - 1) * (variance - sum_pq) / variance;
}

double pearson_from_sums(double n, double sa, double sb, double saa, double sbb, double sab) {
  const double da = n * saa - sa * sa;
  const double db = n * sbb - sb * sb;
  if (!(da > 0) || !(db > 0)) return 0.0;
  return (n * sab - sa * sb) / std::sqrt(da * db);
}

// The order of the median and of the groups fixes which examinee owns which position.
std::vector<std::size_t> score_rank_order(Workspace& ws) {
  sort_cases_by_input_order(ws);
  return label_then_score_order(ws);
}

void compute_score_distribution(Workspace& ws) {
  compute_score_distribution(ws, score_rank_order(ws));
}

void compute_score_distribution(Workspace& ws, std::span<const std::size_t> order) {
  auto& st = ws.stats;
  const std::size_t n = count_of(ws);
  const int k = ws.included_count;

  auto at = [&](std::size_t position) -> Case_Record& { return ws.cases[order[position - 1]]; };
  st.median_position = static_cast<std::int32_t>(n / 2 + 1);
  auto median_of = [&](auto score) -> double {
    if (n == 0) return 0.0;
    if (n % 2 == 1) return score(at(n / 2 + 1));
    return (score(at(n / 2)) + score(at(n / 2 + 1))) / 2.0;
  };
  st.median_score = median_of([](const Case_Record& c) { return double(c.raw_score); });
  if (ws.pc_enabled)
    st.median_total = median_of([](const Case_Record& c) { return c.total_score; });
  for (std::size_t i = 1; i <= n; ++i) {
    at(i).rank = static_cast<std::int32_t>(i);
    if (ws.pc_enabled) at(i).total_rank = static_cast<std::int32_t>(i);
  }

  const Moments raw = moments(ws, [](const Case_Record& c) { return double(c.raw_score); });
  st.mean_score = raw.mean;
  st.variance_score = raw.variance;
  st.sd_score = raw.sd;
  st.skewness = raw.skewness;
  st.kurtosis = raw.kurtosis;
  st.min_score = k;
  st.max_score = 0;
  for (std::size_t i = 1; i <= n; ++i) {
    st.min_score = std::min<double>(st.min_score, ws.cases[i].raw_score);
    st.max_score = std::max<double>(st.max_score, ws.cases[i].raw_score);
  }

  if (ws.pc_enabled) {
    const Moments total = moments(ws, [](const Case_Record& c) { return c.total_score; });
    st.mean_total = total.mean;
    st.variance_total = total.variance;
    st.sd_total = total.sd;
    st.skewness_total = total.skewness;
    st.kurtosis_total = total.kurtosis;
    st.min_total = st.total_possible;
    st.max_total = 0;
    for (std::size_t i = 1; i <= n; ++i) {
      st.min_total = std::min(st.min_total, ws.cases[i].total_score);
      st.max_total = std::max(st.max_total, ws.cases[i].total_score);
    }
  }
}

void form_groups(Workspace& ws, double upper_fraction, double lower_fraction) {
  form_groups(ws, upper_fraction, lower_fraction, score_rank_order(ws));
}

void form_groups(Workspace& ws, double upper_fraction, double lower_fraction,
                 std::span<const std::size_t> order) {
  auto& st = ws.stats;
  const std::size_t n = count_of(ws);
  const int k = ws.included_count;
  st.high_group_size = 0;
  st.low_group_size = 0;
  if (n == 0) return;
  auto at = [&](std::size_t position) -> Case_Record& { return ws.cases[order[position - 1]]; };

  const auto n_upper = round_half_even(static_cast<double>(n) * upper_fraction);
  const auto n_lower = round_half_even(static_cast<double>(n) * lower_fraction);
  // A group whose share rounds to nobody is empty: its boundary lies beyond every score.
  st.high_group_min = n_upper >= 1 && n_upper <= static_cast<std::int64_t>(n)
                          ? at(n - static_cast<std::size_t>(n_upper) + 1).raw_score
                          : (n_upper < 1 ? k + 1 : at(1).raw_score);
  st.low_group_max = n_lower >= 1 && n_lower <= static_cast<std::int64_t>(n)
                         ? at(static_cast<std::size_t>(n_lower)).raw_score
                         : (n_lower < 1 ? -1 : at(n).raw_score);
  while (st.low_group_max >= st.high_group_min) {
    --st.low_group_max;
    ++st.high_group_min;
  }
  for (std::size_t i = 1; i + 1 <= n; ++i)
    if (at(i + 1).raw_score == at(i).raw_score) at(i + 1).rank = at(i).rank;

  for (std::size_t i = 1; i <= n; ++i) {
    st.high_group_size += ws.cases[i].raw_score >= st.high_group_min;
    st.low_group_size += ws.cases[i].raw_score <= st.low_group_max;
  }
}

void compute_kr20(Workspace& ws) {
  double sum_pq = 0;
  for (int j = 1; j <= ws.num_items; ++j) {
    const auto& it = ws.items[static_cast<std::size_t>(j)];
    if (it.include_flag == 0) continue;
    sum_pq += it.difficulty * (1.0 - it.difficulty);
  }
  ws.stats.kr20 = kuder_richardson(ws.included_count, ws.stats.variance_score, sum_pq);
}

void compute_reliability_and_bands(Workspace& ws) {
  auto& st = ws.stats;
  const int k = ws.included_count;
  const double p_bar = st.mean_difficulty;
  st.kr21 = kuder_richardson(k, st.variance_score, k * p_bar * (1.0 - p_bar));
  st.sem_kr20 = st.sd_score * std::sqrt(std::max(0.0, 1.0 - st.kr20));
  st.sem_kr21 = st.sd_score * std::sqrt(std::max(0.0, 1.0 - st.kr21));

  const double s = st.sem_kr20;
  const double dk = k > 0 ? k : 1;  // k = 0 never reaches a run; keeps the bands finite
  const bool letters = ws.grade_scale.grade_category_count > 0;
  auto letter = [&](double pct) { return cut(grade_letter(ws.grade_scale, pct, false), 2); };
  double n = 0, sa = 0, sb = 0, saa = 0, sbb = 0, sab = 0;
  double so = 0, se = 0, soo = 0, see = 0, soe = 0;
  for (std::size_t i = 1; i <= count_of(ws); ++i) {
    auto& c = ws.cases[i];
    const double x = c.raw_score;
    c.band68_high_raw = clamp_to(x + s, k);
    c.band68_low_raw = clamp_to(x - s, k);
    c.band95_high_raw = clamp_to(x + 2 * s, k);
    c.band95_low_raw = clamp_to(x - 2 * s, k);
    c.band68_high_pct = clamp_to((x + s) / dk * 100.0, 100.0);
    c.band68_low_pct = clamp_to((x - s) / dk * 100.0, 100.0);
    c.band95_high_pct = clamp_to((x + 2 * s) / dk * 100.0, 100.0);
    c.band95_low_pct = clamp_to((x - 2 * s) / dk * 100.0, 100.0);
    if (letters) {
      c.band68_high_letter = letter(c.band68_high_pct);
      c.band68_low_letter = letter(c.band68_low_pct);
      c.band95_high_letter = letter(c.band95_high_pct);
      c.band95_low_letter = letter(c.band95_low_pct);
    }
    const double a = c.first_half_score, b = c.second_half_score;
    const double o = c.odd_score, e = c.even_score;
    n += 1;
    sa += a, sb += b, saa += a * a, sbb += b * b, sab += a * b;
    so += o, se += e, soo += o * o, see += e * e, soe += o * e;
  }
  st.split_half_first_second = pearson_from_sums(n, sa, sb, saa, sbb, sab);
  st.split_half_odd_even = pearson_from_sums(n, so, se, soo, see, soe);
}

}  // namespace jrv
