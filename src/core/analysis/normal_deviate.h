#pragma once
// The normal deviates of the analysis: the z of an item's difficulty (for the biserial
// ordinate) and the normalized score of a percentile rank. Both treat the normal
// distribution as Student's t with 10000 degrees of freedom, whose two-sided tail area is
// the regularised incomplete beta I_x(5000, 0.5) at x = 10000 / (10000 + z^2), and both
// land on the grid of a stepped search (0.0001 for items, 0.01 for normalized scores),
// found here by bisection instead of stepping.

namespace jrv {

// ln Gamma(x) by the six-term Lanczos series in x - 1.
double log_gamma(double x);

// Regularised incomplete beta I_x(a, b) by its continued fraction, stopped at a relative
// change below 3e-7 or after 100 terms (its current value either way). 0 <= x <= 1.
double incomplete_beta(double a, double b, double x);

// Two-sided tail area of t with 10000 degrees of freedom at z.
double t_two_tail(double z);

// The z whose lower-tail probability is p: the first point of the 0.0001 grid (walked
// outwards from 0) at which the lower tail reaches p; 0 for p = 0.5. p outside (0, 1) has
// no such point and gives 0 (the biserial does not use it there).
double item_normal_deviate(double p);

// The normal ordinate exp(-z^2/2) / sqrt(2 pi) at z.
double normal_ordinate(double z);

// The normalized score of a percentile rank (0 < pr < 100) of a score whose z score is
// `z_score`: stepped in 0.01 away from 0 in the direction of the sign of z_score (up only
// when z_score > 0) until the tail passes pr / 100, then one step back.
double normalized_score(double percentile_rank, double z_score);

}  // namespace jrv
