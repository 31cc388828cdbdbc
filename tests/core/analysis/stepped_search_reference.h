#pragma once
// The normal-deviate searches as first written: literal stepping, every step evaluating
// the tail. The bisecting versions must agree with these.

#include "core/analysis/normal_deviate.h"

namespace jrv::reference {

inline double item_normal_deviate(double p) {
  double z = 0.0, c = 0.0;
  if (p > 0.5) {
    while (p > c) z += 0.01, c = 1.0 - t_two_tail(z) / 2.0;
    z -= 0.01, c = 1.0 - t_two_tail(z) / 2.0;
    while (p > c) z += 0.001, c = 1.0 - t_two_tail(z) / 2.0;
    z -= 0.001, c = 1.0 - t_two_tail(z) / 2.0;
    while (p > c) z += 0.0001, c = 1.0 - t_two_tail(z) / 2.0;
  } else if (p < 0.5) {
    c = 0.5;
    while (p < c) z -= 0.01, c = t_two_tail(z) / 2.0;
    z += 0.01, c = t_two_tail(z) / 2.0;
    while (p < c) z -= 0.001, c = t_two_tail(z) / 2.0;
    z += 0.001, c = t_two_tail(z) / 2.0;
    while (p < c) z -= 0.0001, c = t_two_tail(z) / 2.0;
  }
  return z;
}

inline double normalized_score(double pr, double z) {
  double zn = 0.0, p = 0.5;
  if (z > 0) {
    while (pr / 100.0 > p) zn += 0.01, p = 1.0 - t_two_tail(zn) / 2.0;
    zn -= 0.01;
  } else {
    while (pr / 100.0 < p) zn -= 0.01, p = t_two_tail(zn) / 2.0;
    zn += 0.01;
  }
  return zn;
}

}  // namespace jrv::reference
