#pragma once
// The letter-grade scale: 0 (no grading) or 2 to 13 categories.

#include <array>
#include <string>

#include "core/workspace/limits.h"

namespace jrv {

struct GradeScale {
  int grade_category_count = 0;
  // Categories 1 (highest) to 13, index 0 unused; each exactly 4 characters once confirmed.
  std::array<std::string, kMaxGradeCategories + 1> grade_labels{};
  // Minimum percentages of categories 1 to 12, index 0 unused.
  std::array<double, kMaxGradeCategories> grade_minimums{};
  bool user_defined_grades = false;
  bool grade_scale_set = false;
  int user_category_count = 2;

  GradeScale() {
    for (auto& l : grade_labels) l = "    ";
  }
  bool operator==(const GradeScale&) const = default;
};

}  // namespace jrv
