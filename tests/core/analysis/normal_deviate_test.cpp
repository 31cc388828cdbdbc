#include "core/analysis/normal_deviate.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/analysis/stepped_search_reference.h"

namespace jrv {
namespace {

TEST(NormalDeviate, TailAreaIsCloseToTheNormalOne) {
  EXPECT_DOUBLE_EQ(t_two_tail(0.0), 1.0);
  EXPECT_NEAR(t_two_tail(1.0), 0.3173, 1e-4);
  EXPECT_NEAR(t_two_tail(1.96), 0.0500, 1e-4);
  EXPECT_NEAR(t_two_tail(-2.5758), 0.0100, 1e-4);
  EXPECT_NEAR(incomplete_beta(2.0, 3.0, 0.4), 0.5248, 1e-4);
  EXPECT_NEAR(log_gamma(5.0), std::log(24.0), 1e-8);
}

TEST(NormalDeviate, ItemSearchEqualsTheSteppedSearchOverAFineGrid) {
  int exact = 0;
  for (int i = 1; i <= 9999; ++i) {
    const double p = i / 10000.0;
    const double want = reference::item_normal_deviate(p);
    const double got = item_normal_deviate(p);
    ASSERT_NEAR(got, want, 1.0e-4 + 1e-12) << "p = " << p;
    exact += got == want;
  }
  // Landing on the grid point itself, not merely near it.
  EXPECT_GE(exact, 9990) << exact;
}

TEST(NormalDeviate, ItemSearchOfDifficultiesOfRealClassSizes) {
  for (int n : {1, 2, 3, 7, 27, 101, 9999})
    for (int c = 0; c <= n; ++c) {
      const double p = static_cast<double>(c) / n;
      if (p == 0.0 || p == 1.0) {
        EXPECT_EQ(item_normal_deviate(p), 0.0);
        continue;
      }
      ASSERT_NEAR(item_normal_deviate(p), reference::item_normal_deviate(p), 1.0e-4 + 1e-12)
          << c << " of " << n;
    }
  EXPECT_NEAR(item_normal_deviate(0.975), 1.96, 1e-3);
  EXPECT_NEAR(item_normal_deviate(0.025), -1.96, 1e-3);
  EXPECT_NEAR(normal_ordinate(0.0), 0.398942, 1e-6);
}

TEST(NormalDeviate, NormalizedScoreEqualsTheSteppedSearch) {
  for (int i = 1; i < 10000; ++i) {
    const double pr = i / 100.0;
    for (double z : {-1.0, 0.0, 1.0}) {
      ASSERT_NEAR(normalized_score(pr, z), reference::normalized_score(pr, z), 1e-9)
          << "PR " << pr << ", z " << z;
    }
  }
  // The direction follows the sign of z, not the side of 50 the rank is on.
  EXPECT_NEAR(normalized_score(50.0, 0.0), 0.01, 1e-12);
  EXPECT_NEAR(normalized_score(50.0, 0.3), -0.01, 1e-12);
  EXPECT_NEAR(normalized_score(97.5, 2.0), 1.96, 1e-9);  // t passes 0.975 just after 1.96
  EXPECT_NEAR(normalized_score(2.5, -2.0), -1.96, 1e-9);
}

}  // namespace
}  // namespace jrv
