#pragma once
// Test statistics: the score distribution, the upper and lower groups, KR-20 and KR-21
// with their standard errors, confidence bands and split-half correlations. Each function
// is one stage of the run, called in the run's order (analysis_run.cpp).
//
// Undefined values are defined here: with a zero score variance the skewness, kurtosis,
// KR-20 and KR-21 are 0; with k = 1 both KR coefficients are 0; an empty group has its
// boundary just outside the scores (above k for the upper, -1 for the lower group).

#include <span>
#include <vector>

#include "core/workspace/workspace.h"

namespace jrv {

// Median (and ranks by position), mean, variance, standard deviation, extremes, skewness
// and kurtosis of the raw scores, and of the totals with partial credit. Leaves the
// examinee table in input order.
void compute_score_distribution(Workspace& ws);

// Ascending score order with ties by label, from input order (entry p - 1 is the input
// position of the examinee at position p), which the two steps here and below read. Puts
// the examinee table in input order; a run that does both computes it once and passes it.
std::vector<std::size_t> score_rank_order(Workspace& ws);
void compute_score_distribution(Workspace& ws, std::span<const std::size_t> order);

// The upper and lower groups for the given fractions (0..1), with ranks shared by tied
// scores. Leaves the examinee table in input order.
void form_groups(Workspace& ws, double upper_fraction, double lower_fraction);
void form_groups(Workspace& ws, double upper_fraction, double lower_fraction,
                 std::span<const std::size_t> order);

// KR-20 from the difficulties of the included items.
void compute_kr20(Workspace& ws);

// KR-21, both standard errors of measurement, every examinee's confidence bands (with
// grade letters when a scale exists) and the two split-half correlations.
void compute_reliability_and_bands(Workspace& ws);

// k / (k - 1) * (variance - sum_pq) / variance, or 0 where it is undefined.
double kuder_richardson(int k, double variance, double sum_pq);

// The population Pearson correlation from raw sums, 0 when a spread is not positive.
double pearson_from_sums(double n, double sa, double sb, double saa, double sbb, double sab);

}  // namespace jrv
