#include "core/settings/grade_lookup.h"

#include "core/text/format.h"

namespace jrv {

int grade_category(const GradeScale& scale, double percent, bool round) {
  const int n = scale.grade_category_count;
  if (n <= 0) return 0;
  const double value = round ? static_cast<double>(round_half_even(percent)) : percent;
  // Categories past N-1 are never chosen, even if a scheme button changed N after the
  // minimums were confirmed: the grade is always one of the scale's N categories.
  for (int k = 1; k <= n - 1 && k <= 12; ++k)
    if (scale.grade_minimums[static_cast<std::size_t>(k)] <= value) return k;
  return n;
}

std::string grade_letter(const GradeScale& scale, double percent, bool round) {
  const int c = grade_category(scale, percent, round);
  return c == 0 ? std::string() : cut(scale.grade_labels[static_cast<std::size_t>(c)], 4);
}

std::vector<std::string> grade_summary_lines(const GradeScale& scale,
                                             const GradeWindowFields& window) {
  const int n = scale.grade_category_count;
  std::vector<std::string> lines;
  if (n <= 0) return lines;
  auto piece = [&](int k) {
    return left(cut(scale.grade_labels[static_cast<std::size_t>(k)], 4), 4) + "= " +
           window.percents[static_cast<std::size_t>(k)];
  };
  std::string line1;
  for (int k = 1; k <= n - 1 && k <= 6; ++k) line1 += (k > 1 ? ", " : "") + piece(k);
  lines.push_back(line1);
  if (n >= 8) {
    std::string line2;
    for (int k = 7; k <= n - 1; ++k) line2 += (k > 7 ? ", " : "") + piece(k);
    lines.push_back(line2);
  }
  return lines;
}

}  // namespace jrv
