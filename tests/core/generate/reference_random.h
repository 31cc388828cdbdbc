#pragma once
// Test support: the uniform and normal deviates written a second time, independently of
// the program's code, to check it draw by draw.

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace jrv::testing_support {

// A second, independently written generator: Schrage's form A*(s - k*Q) - k*R, a 0-based
// table, and the table index as an exact integer ratio (the divisor is 1073741797 / 16).
class Reference {
 public:
  explicit Reference(std::int64_t seed) {
    s1_ = seed < 0 ? -seed : seed;
    if (s1_ < 1) s1_ = 1;
    s2_ = s1_;
    for (int j = 39; j >= 0; --j) {
      s1_ = step(s1_, 40014, 53668, 12211, 2147483563);
      if (j < 32) table_[j] = s1_;
    }
    last_ = table_[0];
  }
  double uniform() {
    s1_ = step(s1_, 40014, 53668, 12211, 2147483563);
    s2_ = step(s2_, 40692, 52774, 3791, 2147483399);
    const std::int64_t j = (16 * last_) / 1073741797;
    last_ = table_[j] - s2_;
    table_[j] = s1_;
    if (last_ < 1) last_ += 2147483562;
    return std::min(last_ * (1.0 / 2147483563.0), 0.99999988);
  }
  double normal() {
    if (have_spare_) {
      have_spare_ = false;
      return spare_;
    }
    for (;;) {
      const double x = 2.0 * uniform() - 1.0;
      const double y = 2.0 * uniform() - 1.0;
      const double s = x * x + y * y;
      if (s <= 0.0 || s >= 1.0) continue;
      const double f = std::sqrt(-2.0 * std::log(s) / s);
      spare_ = x * f;
      have_spare_ = true;
      return y * f;
    }
  }

 private:
  static std::int64_t step(std::int64_t s, std::int64_t a, std::int64_t q, std::int64_t r,
                           std::int64_t m) {
    const std::int64_t k = s / q;
    s = a * (s - k * q) - k * r;
    return s < 0 ? s + m : s;
  }
  std::int64_t s1_ = 0, s2_ = 0, last_ = 0;
  std::int64_t table_[32] = {};
  bool have_spare_ = false;
  double spare_ = 0;
};

}  // namespace jrv::testing_support
