#include "core/analysis/normal_deviate.h"

#include <cmath>
#include <cstdint>

namespace jrv {

namespace {

constexpr double kDegrees = 10000.0;
constexpr double kHalfDegrees = 5000.0;

double beta_continued_fraction(double a, double b, double x) {
  constexpr int kMaxTerms = 100;
  constexpr double kEps = 3.0e-7;
  const double qab = a + b, qap = a + 1.0, qam = a - 1.0;
  double am = 1.0, bm = 1.0, az = 1.0;
  double bz = 1.0 - qab * x / qap;
  for (int m = 1; m <= kMaxTerms; ++m) {
    const double em = m, tem = em + em;
    double d = em * (b - em) * x / ((qam + tem) * (a + tem));
    const double ap = az + d * am;
    const double bp = bz + d * bm;
    d = -(a + em) * (qab + em) * x / ((qap + tem) * (a + tem));
    const double app = ap + d * az;
    const double bpp = bp + d * bz;
    const double aold = az;
    am = ap / bpp;
    bm = bp / bpp;
    az = app / bpp;
    bz = 1.0;
    if (std::fabs(az - aold) < kEps * std::fabs(az)) break;
  }
  return az;
}

// The tail's log-gamma part depends on a and b only; computing it once keeps each
// evaluation to the continued fraction (same terms, same order, same value).
double tail_log_beta() {
  static const double value =
      log_gamma(kHalfDegrees + 0.5) - log_gamma(kHalfDegrees) - log_gamma(0.5);
  return value;
}

double tail_from_x(double x) {
  const double a = kHalfDegrees, b = 0.5;
  const double bt = (x == 0.0 || x == 1.0)
                        ? 0.0
                        : std::exp(tail_log_beta() + a * std::log(x) + b * std::log(1.0 - x));
  if (x < (a + 1.0) / (a + b + 2.0)) return bt * beta_continued_fraction(a, b, x) / a;
  return 1.0 - bt * beta_continued_fraction(b, a, 1.0 - x) / b;
}

// The z a stepped search reaches after walking to grid point `steps` (in units of
// 0.0001): the 0.01 steps, one back, the 0.001 steps, one back, the 0.0001 steps, each
// added as the search adds them so that the value is the searched one to the last bit.
double item_grid_point(std::int64_t steps, double sign) {
  const std::int64_t n1 = (steps + 99) / 100;
  const std::int64_t base1 = 100 * (n1 - 1);
  const std::int64_t n2 = (steps - base1 + 9) / 10;
  const std::int64_t n3 = steps - base1 - 10 * (n2 - 1);
  double z = 0.0;
  for (std::int64_t i = 0; i < n1; ++i) z += sign * 0.01;
  z -= sign * 0.01;
  for (std::int64_t i = 0; i < n2; ++i) z += sign * 0.001;
  z -= sign * 0.001;
  for (std::int64_t i = 0; i < n3; ++i) z += sign * 0.0001;
  return z;
}

// Smallest n in [1, limit] with reached(n), for a `reached` that turns true once and
// stays true; `limit` when it never does within it.
template <class Reached>
std::int64_t first_reached(std::int64_t limit, Reached reached) {
  std::int64_t lo = 1, hi = 1;
  while (hi < limit && !reached(hi)) {
    lo = hi + 1;
    hi = hi * 2 < limit ? hi * 2 : limit;
  }
  while (lo < hi) {
    const std::int64_t mid = lo + (hi - lo) / 2;
    if (reached(mid))
      hi = mid;
    else
      lo = mid + 1;
  }
  return hi;
}

// Beyond |z| = 40 the tail has vanished in double precision; no search goes further.
constexpr std::int64_t kItemStepLimit = 400000;
constexpr std::int64_t kScoreStepLimit = 4000;

}  // namespace

double log_gamma(double xx) {
  static constexpr double cof[6] = {76.18009173,  -86.50532033,  24.01409822,
                                    -1.231739516, 0.00120858003, -0.00000536382};
  double x = xx - 1.0;
  double tmp = x + 5.5;
  tmp -= (x + 0.5) * std::log(tmp);
  double ser = 1.0;
  for (double c : cof) {
    x += 1.0;
    ser += c / x;
  }
  return -tmp + std::log(2.50662827465 * ser);
}

double incomplete_beta(double a, double b, double x) {
  if (x <= 0.0) return 0.0;
  if (x >= 1.0) return 1.0;
  const double bt = std::exp(log_gamma(a + b) - log_gamma(a) - log_gamma(b) + a * std::log(x) +
                             b * std::log(1.0 - x));
  if (x < (a + 1.0) / (a + b + 2.0)) return bt * beta_continued_fraction(a, b, x) / a;
  return 1.0 - bt * beta_continued_fraction(b, a, 1.0 - x) / b;
}

double t_two_tail(double z) {
  return tail_from_x(kDegrees / (kDegrees + z * z));
}

double item_normal_deviate(double p) {
  if (!(p > 0.0 && p < 1.0) || p == 0.5) return 0.0;
  if (p > 0.5) {
    const auto k = first_reached(kItemStepLimit, [p](std::int64_t steps) {
      return !(p > 1.0 - t_two_tail(item_grid_point(steps, 1.0)) / 2.0);
    });
    return item_grid_point(k, 1.0);
  }
  const auto k = first_reached(kItemStepLimit, [p](std::int64_t steps) {
    return !(p < t_two_tail(item_grid_point(steps, -1.0)) / 2.0);
  });
  return item_grid_point(k, -1.0);
}

double normal_ordinate(double z) {
  return std::exp(-z * z / 2.0) / 2.50662827463;
}

double normalized_score(double percentile_rank, double z_score) {
  const double target = percentile_rank / 100.0;
  const double sign = z_score > 0 ? 1.0 : -1.0;
  auto point = [sign](std::int64_t steps) {
    double zn = 0.0;
    for (std::int64_t i = 0; i < steps; ++i) zn += sign * 0.01;
    return zn;
  };
  std::int64_t steps = 0;
  if (z_score > 0) {
    if (target > 0.5)
      steps = first_reached(kScoreStepLimit, [&](std::int64_t n) {
        return !(target > 1.0 - t_two_tail(point(n)) / 2.0);
      });
  } else if (target < 0.5) {
    steps = first_reached(kScoreStepLimit,
                          [&](std::int64_t n) { return !(target < t_two_tail(point(n)) / 2.0); });
  }
  return point(steps) - sign * 0.01;
}

}  // namespace jrv
