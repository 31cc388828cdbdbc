#include "core/generate/random_numbers.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace jrv {

namespace {

// A * s mod M by Schrage's decomposition; exact in 64-bit integers.
std::int32_t advance(std::int64_t s, std::int64_t m, std::int64_t a, std::int64_t q) {
  const std::int64_t k = s / q;
  s = s * a - k * m;
  if (s < 0) s += m;
  return static_cast<std::int32_t>(s);
}

void initialise(RandomState& st) {
  st.rng_seed = st.rng_seed == INT32_MIN ? INT32_MAX : -st.rng_seed;
  if (st.rng_seed < 1) st.rng_seed = 1;
  st.rng_state2 = st.rng_seed;
  for (int j = rng::kTableSize + 7; j >= 0; --j) {
    st.rng_seed = advance(st.rng_seed, rng::M1, rng::A1, rng::Q1);
    if (j < rng::kTableSize) st.rng_table[j + 1] = st.rng_seed;
  }
  st.rng_last = st.rng_table[1];
}

}  // namespace

void RandomState::reseed(std::int64_t seed) {
  const std::int64_t magnitude = std::min<std::int64_t>(std::llabs(seed), INT32_MAX);
  rng_seed = static_cast<std::int32_t>(-magnitude);
}

double uniform(RandomState& st) {
  if (st.rng_seed <= 0) initialise(st);
  st.rng_seed = advance(st.rng_seed, rng::M1, rng::A1, rng::Q1);
  st.rng_state2 = advance(st.rng_state2, rng::M2, rng::A2, rng::Q2);
  const int j = static_cast<int>(st.rng_last / rng::kDivisor) + 1;
  std::int64_t last = static_cast<std::int64_t>(st.rng_table[j]) - st.rng_state2;
  st.rng_table[j] = st.rng_seed;
  if (last <= 0) last += rng::M1 - 1;
  st.rng_last = static_cast<std::int32_t>(last);
  const double r = (1.0 / static_cast<double>(rng::M1)) * static_cast<double>(st.rng_last);
  return r < rng::kLargestUniform ? r : rng::kLargestUniform;
}

double normal(RandomState& st) {
  if (st.normal_saved) {
    st.normal_saved = false;
    return st.normal_spare;
  }
  double x = 0, y = 0, s = 0;
  do {
    x = 2.0 * uniform(st) - 1.0;
    y = 2.0 * uniform(st) - 1.0;
    s = x * x + y * y;
  } while (!(s > 0.0 && s < 1.0));
  const double f = std::sqrt(-2.0 * std::log(s) / s);
  st.normal_spare = x * f;
  st.normal_saved = true;
  return y * f;
}

}  // namespace jrv
