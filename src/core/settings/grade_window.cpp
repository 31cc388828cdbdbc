#include "core/settings/grade_window.h"

#include <array>
#include <span>
#include <string_view>

#include "core/text/convert.h"
#include "core/text/errors.h"
#include "core/text/format.h"

namespace jrv {

namespace {

constexpr int kMaxCats = kMaxGradeCategories;

// Label field texts as the scheme buttons show them, and their default minimums.
constexpr std::array<std::string_view, 2> kTwoLabels = {"Pass =", "Fail  "};
constexpr std::array<double, 1> kTwoMinimums = {70};
constexpr std::array<std::string_view, 5> kFiveLabels = {
    "A   =", "B   =", "C   =", "D   =", "F   "};
constexpr std::array<double, 4> kFiveMinimums = {90, 80, 70, 60};
constexpr std::array<std::string_view, 12> kTwelveLabels = {
    "A   =", "A-  =", "B+  =", "B   =", "B-  =", "C+  =",
    "C   =", "C-  =", "D+  =", "D   =", "D-  =", "F   "};
constexpr std::array<double, 11> kTwelveMinimums = {94, 91, 88, 84, 81, 78, 74, 71, 68, 64, 61};

// "Use Program Defaults" writes the labels with a trailing blank after "=".
constexpr std::array<std::string_view, 2> kTwoDefaultLabels = {"Pass = ", "Fail"};
constexpr std::array<std::string_view, 5> kFiveDefaultLabels = {
    "A   = ", "B   = ", "C   = ", "D   = ", "F   "};
constexpr std::array<std::string_view, 12> kTwelveDefaultLabels = {
    "A   = ", "A-  = ", "B+  = ", "B   = ", "B-  = ", "C+  = ",
    "C   = ", "C-  = ", "D+  = ", "D   = ", "D-  = ", "F   "};

constexpr const char* kCountMessage = "Number of Categories must be a whole number between 2-13";

std::size_t at(int k) {
  return static_cast<std::size_t>(k);
}

std::string label4(std::string_view text) {
  return left(cut(text, 4), 4);
}

void clear_fields(GradeWindowFields& window) {
  for (auto& l : window.labels) l.clear();
  for (auto& p : window.percents) p.clear();
}

void show_rows(GradeWindowFields& window, int n) {
  window.visible_labels = n;
  window.visible_percents = n > 0 ? n - 1 : 0;
}

void choose_fixed(GradeWindowFields& window, GradeScale& scale,
                  std::span<const std::string_view> labels, std::span<const double> minimums) {
  const int n = static_cast<int>(labels.size());
  scale.grade_category_count = n;
  scale.user_defined_grades = false;
  window.set_caption = kFixedSchemeCaption;
  window.labels_editable = false;
  show_rows(window, n);
  for (int k = 1; k <= n; ++k) window.labels[at(k)] = labels[at(k - 1)];
  for (int k = 1; k < n; ++k)
    window.percents[at(k)] =
        general(scale.grade_scale_set ? scale.grade_minimums[at(k)] : minimums[at(k - 1)]);
}

template <std::size_t N>
void fill_defaults(GradeWindowFields& window, const std::array<std::string_view, N>& labels,
                   std::span<const double> minimums) {
  for (std::size_t k = 1; k <= N; ++k) window.labels[k] = labels[k - 1];
  for (std::size_t k = 1; k < N; ++k) window.percents[k] = general(minimums[k - 1]);
}

// The line at `index` (0-based); a file that ends early reads as empty lines.
std::string_view line_at(const Lines& lines, std::size_t index) {
  return index < lines.size() ? std::string_view(lines[index]) : std::string_view();
}

// A settings file's number (to_int or to_double); its conversion error names the line.
template <class Convert>
auto at_line(Convert convert, const std::string& text, std::size_t line) {
  try {
    return convert(text);
  } catch (const ConversionError& e) {
    throw ConversionError(e.what() + (" (line " + int_str(static_cast<std::int64_t>(line)) + ")"));
  }
}

// The part shared by both readings. With `scale_too` every label and percentage line is
// also stored in the scale; `choose_user_button` is false only for the band-letters menu.
CheckResult read_settings(const Lines& lines, GradeWindowFields& window, GradeScale& scale,
                          AnalysisOptions& options, bool scale_too, bool choose_user_button) {
  CheckResult result;
  const bool user = line_at(lines, 0) == "USER=YES";
  const std::string count_text(line_at(lines, 1));
  const int n = at_line([](const std::string& t) { return to_int(t); }, count_text, 2);
  if (user) {
    if (choose_user_button) result = choose_grade_scheme(GradeScheme::user, window, scale, options);
    window.num_cats = count_text;
    CheckResult change = change_grade_category_count(window, scale);
    if (change.failed) return change;
  } else if (n == 2) {
    result = choose_grade_scheme(GradeScheme::two, window, scale, options);
  } else if (n == 5) {
    result = choose_grade_scheme(GradeScheme::five, window, scale, options);
  } else if (n == 12) {
    result = choose_grade_scheme(GradeScheme::twelve, window, scale, options);
  } else {
    result = choose_grade_scheme(GradeScheme::none, window, scale, options);
  }
  // A count past the table would have nowhere to go: read none of its lines.
  if (n > kMaxCats) {
    result.fail(kCountMessage, user ? "txt_num_cats" : "");
    return result;
  }
  std::size_t next = 2;
  auto take_label = [&](int k) {
    window.labels[at(k)] = line_at(lines, next++);
    if (scale_too) scale.grade_labels[at(k)] = label4(window.labels[at(k)]);
  };
  if (n >= 1) take_label(1);
  for (int k = 1; k <= n - 1; ++k) {
    window.percents[at(k)] = line_at(lines, next++);
    if (scale_too)
      scale.grade_minimums[at(k)] =
          at_line([](const std::string& t) { return to_double(t); }, window.percents[at(k)], next);
    take_label(k + 1);
  }
  if (scale_too) scale.grade_scale_set = true;
  return result;
}

}  // namespace

std::string grade_percent_field_name(int k) {
  return std::string("txt_grade") + (k < 10 ? "0" : "") + int_str(k);
}

CheckResult choose_grade_scheme(GradeScheme scheme, GradeWindowFields& window, GradeScale& scale,
                                AnalysisOptions& options) {
  window.scheme = scheme;
  switch (scheme) {
    case GradeScheme::none:
      scale.grade_category_count = 0;
      show_rows(window, 0);
      window.set_caption.clear();
      clear_fields(window);
      if (options.band_units == BandUnits::letters) options.band_units = BandUnits::raw;
      return {};
    case GradeScheme::two:
      choose_fixed(window, scale, kTwoLabels, kTwoMinimums);
      return {};
    case GradeScheme::five:
      choose_fixed(window, scale, kFiveLabels, kFiveMinimums);
      return {};
    case GradeScheme::twelve:
      choose_fixed(window, scale, kTwelveLabels, kTwelveMinimums);
      return {};
    case GradeScheme::user:
      scale.user_defined_grades = true;
      window.set_caption = kUserSchemeCaption;
      window.labels_editable = true;
      clear_fields(window);
      window.num_cats = int_str(scale.grade_category_count);
      return change_grade_category_count(window, scale);
  }
  return {};
}

CheckResult change_grade_category_count(GradeWindowFields& window, GradeScale& scale) {
  CheckResult result;
  // A refused count changes nothing that was typed: the rows and their names stay.
  const auto typed = window.num_cats.empty() ? std::optional<int>(scale.user_category_count)
                                             : parse_int(window.num_cats);
  if (!typed || *typed > kMaxCats) {
    result.fail(kCountMessage, "txt_num_cats");
    return result;
  }
  show_rows(window, 0);
  clear_fields(window);
  scale.user_category_count = *typed;
  const int n = scale.user_category_count;
  if (n < 2) return result;
  scale.grade_category_count = n;
  show_rows(window, n);
  if (scale.grade_scale_set) {
    for (int k = 1; k <= n; ++k) window.labels[at(k)] = scale.grade_labels[at(k)];
    for (int k = 1; k < n; ++k) window.percents[at(k)] = general(scale.grade_minimums[at(k)]);
  } else {
    window.labels[at(n)] = "Fail";
  }
  return result;
}

void use_program_grade_defaults(GradeWindowFields& window) {
  switch (window.scheme) {
    case GradeScheme::user:
      clear_fields(window);
      break;
    case GradeScheme::two:
      fill_defaults(window, kTwoDefaultLabels, kTwoMinimums);
      break;
    case GradeScheme::five:
      fill_defaults(window, kFiveDefaultLabels, kFiveMinimums);
      break;
    case GradeScheme::twelve:
      fill_defaults(window, kTwelveDefaultLabels, kTwelveMinimums);
      break;
    case GradeScheme::none:
      break;
  }
}

CheckResult confirm_grades(const GradeWindowFields& window, GradeScale& scale) {
  CheckResult result;
  const int n = scale.grade_category_count;
  for (int k = 1; k <= n - 1 && k <= kMaxCats - 1 && !result.failed; ++k) {
    scale.grade_labels[at(k)] = cut(window.labels[at(k)], 4);
    scale.grade_labels[at(k + 1)] = cut(window.labels[at(k + 1)], 4);
    const auto value = parse_double(window.percents[at(k)]);
    if (!value) {
      result.fail("Percentage must be a numeric value between 0-100", grade_percent_field_name(k));
    } else if (*value < 0 || *value > 100) {
      // Kept out of the scale: a Cancel after this message must not leave it in use.
      result.fail("Percentage must be between 0 and 100", grade_percent_field_name(k));
    } else {
      scale.grade_minimums[at(k)] = *value;
    }
  }
  for (auto& label : scale.grade_labels) label = label4(label);
  for (int k = n < 1 ? 1 : n; k <= kMaxCats - 1; ++k) scale.grade_minimums[at(k)] = 0;
  for (int k = 1; k <= n - 2 && !result.failed; ++k) {
    if (!(scale.grade_minimums[at(k)] > scale.grade_minimums[at(k + 1)]))
      result.fail("Grades are not in numerical order (check Category " + int_str(k) + " or " +
                      int_str(k + 1),
                  grade_percent_field_name(k + 1));
  }
  if (!result.failed) scale.grade_scale_set = true;
  return result;
}

Lines grade_settings_lines(const GradeWindowFields& window, const GradeScale& scale) {
  const int n = scale.grade_category_count;
  Lines lines;
  lines.push_back(window.scheme == GradeScheme::user ? "USER=YES" : "USER=NO");
  lines.push_back(int_str(n));
  if (n >= 1) lines.push_back(window.labels[1]);
  for (int k = 1; k <= n - 1 && k <= kMaxCats - 1; ++k) {
    lines.push_back(window.percents[at(k)]);
    lines.push_back(window.labels[at(k + 1)]);
  }
  return lines;
}

CheckResult read_grade_settings_into_window(const Lines& lines, GradeWindowFields& window,
                                            GradeScale& scale, AnalysisOptions& options) {
  return read_settings(lines, window, scale, options, false, true);
}

CheckResult read_grade_settings_into_scale(const Lines& lines, GradeWindowFields& window,
                                           GradeScale& scale, AnalysisOptions& options,
                                           bool choose_user_button) {
  return read_settings(lines, window, scale, options, true, choose_user_button);
}

CheckResult open_grade_window(const std::optional<Lines>& saved_defaults, GradeWindowFields& window,
                              GradeScale& scale, AnalysisOptions& options) {
  window.set_caption.clear();
  if (!saved_defaults) return {};
  return read_grade_settings_into_scale(*saved_defaults, window, scale, options, true);
}

CheckResult use_grade_letters_in_bands(const std::optional<Lines>& saved_defaults,
                                       GradeWindowFields& window, GradeScale& scale,
                                       AnalysisOptions& options) {
  CheckResult result;
  if (saved_defaults) {
    result = read_grade_settings_into_scale(*saved_defaults, window, scale, options, false);
    if (!result.failed) result = confirm_grades(window, scale);
  }
  options.band_units = BandUnits::letters;
  return result;
}

}  // namespace jrv
