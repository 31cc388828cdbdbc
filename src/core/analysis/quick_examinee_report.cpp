#include "core/analysis/quick_examinee_report.h"

#include <array>
#include <string_view>
#include <vector>

#include "core/analysis/report_lines.h"
#include "core/settings/grade_lookup.h"
#include "core/text/format.h"

namespace jrv {

namespace {

bool letters(const Workspace& ws) {
  return ws.options.band_units == BandUnits::letters;
}

std::size_t label_width(const Workspace& ws) {
  return ws.options.hide_labels ? 9 : static_cast<std::size_t>(std::max(ws.label_length, 0));
}

void add_headings(Lines& out, const Workspace& ws) {
  const std::string pad(label_width(ws), ' ');
  const bool pc = ws.pc_enabled;
  const bool with_pc_points = ws.pc_points > 0;
  const BandUnits units = ws.options.band_units;

  if (pc) {
    if (with_pc_points)
      out.push_back(
          pad + (letters(ws) ? "       Both MC & PC Items          for Multiple Choice Items ONLY "
                             : "       Both MC & PC Items            for MC items ONLY    "));
    else
      out.push_back(pad + (letters(ws)
                               ? "      Both MC & XC           for Multiple Choice Items ONLY "
                               : "      Both MC & XC           for MC items ONLY    "));
    out.push_back(pad + (letters(ws)
                             ? " ^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^   ^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^"
                             : " ^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^   ^^^^^^^^^^^^^^^^^^^^^^^ "));
  }

  std::string head1;
  if (pc)
    head1 = with_pc_points ? "   MC  Part Total          Ltr" : "   MC       Total          Ltr";
  else
    head1 = " Total          Ltr";
  head1 += letters(ws) ? "   ~68% C.I.    ~68% C.I.   ~68% C.I. " : "    ~68% C.I.     ~95% C.I. ";
  out.push_back(pad + head1);

  std::string id = "ID";
  if (ws.options.hide_labels)
    id += repeat(' ', 7);
  else if (ws.label_length >= 3)
    id += repeat(' ', static_cast<std::size_t>(ws.label_length - 2));
  std::string cols;
  if (pc) cols = with_pc_points ? " Items Cred" : " Items  XC ";
  cols += " Score Percent Grade";
  switch (units) {
    case BandUnits::raw:
      cols += "  (Raw Score)   (Raw Score)";
      break;
    case BandUnits::percent:
      cols += "   (Percents)    (Percents)";
      break;
    case BandUnits::letters:
      cols += " (Raw Score)   (Percents)  (Letters)";
      break;
  }
  out.push_back(id + cols);

  std::string rule = ws.options.hide_labels
                         ? repeat('-', 9)
                         : repeat('-', static_cast<std::size_t>(std::max(ws.label_length, 0)));
  if (pc) rule += " ----- ----";
  rule += letters(ws) ? " ----- ------- ----- ------------ ------------ ---------"
                      : " ----- ------- ----- ------------- -------------";
  out.push_back(rule);
}

// The lines are appended piece by piece into one string: with thousands of examinees this
// pane is the bulk of a run's report text.

// One confidence band, e.g. "  ( 3.2-  6.8) " (raw and percent) or " ( 3.2-  6.8)" (letters).
void add_band(LineWriter& s, double low, double high, bool letter_layout) {
  if (!letter_layout) s.text(' ');
  if (0 <= low && low < 9.99)
    s.text(" ( ");
  else if ((9.99 <= low && low < 99.99) || (-9.99 <= low && low < 0))
    s.text(" (");
  else
    s.text('(');
  s.fixed(low, 1);
  s.text('-');
  if (high < 9.99)
    s.text("  ");
  else if (high < (letter_layout ? 100.0 : 99.99))
    s.text(' ');
  s.fixed(high, 1);
  if (letter_layout)
    s.text(')');
  else
    s.text(") ");
}

void add_padded(LineWriter& s, double x, int decimals, std::size_t blanks) {
  s.blanks(blanks);
  s.fixed(x, decimals);
}

void add_grade(LineWriter& s, const Workspace& ws, const std::string& grade) {
  if (ws.grade_scale.grade_category_count > 0) {
    s.text(' ');
    if (grade.empty())
      s.blanks(4);
    else
      s.text(grade);
  } else {
    s.blanks(5);
  }
}

void add_score_columns(LineWriter& s, const Workspace& ws, const Case_Record& c) {
  s.right(c.raw_score, 5);
  if (!ws.pc_enabled) {
    const double p = c.percent_score;
    add_padded(s, p, 2, p < 10 ? 4 : p <= 99.99 ? 3 : 2);
    s.text("% ");
    add_grade(s, ws, c.grade);
  } else {
    s.right(c.pc_score, 5);
    const double t = c.total_score;
    add_padded(s, t, 1, t < 10 ? 4 : t < 100 ? 3 : 2);
    const double p = c.total_percent;
    add_padded(s, p, 2, p < 10 ? 3 : p <= 99.99 ? 2 : 1);
    s.text("% ");
    add_grade(s, ws, c.total_grade);
  }
}

void add_band_columns(LineWriter& s, const Workspace& ws, const Case_Record& c) {
  switch (ws.options.band_units) {
    case BandUnits::raw:
      add_band(s, c.band68_low_raw, c.band68_high_raw, false);
      add_band(s, c.band95_low_raw, c.band95_high_raw, false);
      return;
    case BandUnits::percent:
      add_band(s, c.band68_low_pct, c.band68_high_pct, false);
      add_band(s, c.band95_low_pct, c.band95_high_pct, false);
      return;
    case BandUnits::letters:
      add_band(s, c.band68_low_raw, c.band68_high_raw, true);
      add_band(s, c.band68_low_pct, c.band68_high_pct, true);
      s.text("  (");
      s.text(c.band68_low_letter);
      s.text(", ");
      s.text(c.band68_high_letter);
      s.text(')');
      return;
  }
}

// Every value the columns after the label print. Examinees with one raw score usually share
// all of them (percent, grade and bands follow from it), so each set is formatted once.
struct ColumnValues {
  std::int32_t raw = 0, pc = 0;
  double percent = 0, total = 0, total_percent = 0;
  std::string_view grade, total_grade, low_letter, high_letter;
  std::array<double, 8> bands{};
  bool operator==(const ColumnValues&) const = default;
};

ColumnValues column_values(const Case_Record& c) {
  return {c.raw_score,
          c.pc_score,
          c.percent_score,
          c.total_score,
          c.total_percent,
          c.grade,
          c.total_grade,
          c.band68_low_letter,
          c.band68_high_letter,
          {c.band68_low_raw, c.band68_high_raw, c.band95_low_raw, c.band95_high_raw,
           c.band68_low_pct, c.band68_high_pct, c.band95_low_pct, c.band95_high_pct}};
}

// The columns after the label, by raw score: the text last formatted for that score and the
// values it was formatted from.
class ColumnTexts {
 public:
  explicit ColumnTexts(const Workspace& ws) : ws_(ws), slots_(kMaxItems + 2) {}
  std::string_view of(const Case_Record& c) {
    const ColumnValues values = column_values(c);
    auto& slot =
        slots_[c.raw_score >= 0 && c.raw_score <= kMaxItems ? static_cast<std::size_t>(c.raw_score)
                                                            : slots_.size() - 1];
    if (!slot.filled || !(slot.values == values)) {
      slot.values = values;
      slot.filled = true;
      slot.text.clear();
      LineWriter w(slot.text);
      add_score_columns(w, ws_, c);
      add_band_columns(w, ws_, c);
    }
    return slot.text;
  }

 private:
  struct Slot {
    bool filled = false;
    ColumnValues values;
    std::string text;
  };
  const Workspace& ws_;
  std::vector<Slot> slots_;
};

void add_summary(Lines& out, const Workspace& ws, const GradeWindowFields& grades) {
  const auto& st = ws.stats;
  const std::string equals = repeat('=', 74);
  out.push_back(equals);
  switch (ws.options.examinee_sort) {
    case ExamineeSort::none:
      out.emplace_back("These results have not been sorted (see data editor)");
      break;
    case ExamineeSort::by_label:
      out.emplace_back("These results have been sorted by examinee ID label");
      break;
    case ExamineeSort::by_score:
      out.emplace_back("These results have been sorted by score");
      break;
  }
  if (ws.grade_scale.grade_category_count > 0) {
    out.push_back(equals);
    const auto scale = grade_summary_lines(ws.grade_scale, grades);
    for (std::size_t i = 0; i < scale.size(); ++i)
      out.push_back((i == 0 ? "Grading Scale:  " : repeat(' ', 16)) + scale[i]);
  }
  out.push_back(equals);
  out.emplace_back();
  out.push_back("Number of Examinees = " + int_str(ws.num_cases));

  const int k = ws.included_count;
  std::string possible = "Total Possible Score= ";
  if (!ws.pc_enabled)
    possible += int_str(k);
  else
    possible += fixed(st.total_possible, 1) + " (" + int_str(k) + "*" + general(ws.mc_points) +
                " MC + " + int_str(ws.pc_points) + (ws.pc_points > 0 ? " PC)" : " XC)");
  out.push_back(possible);

  const bool pc = ws.pc_enabled;
  const double base = pc ? st.total_possible : static_cast<double>(k);
  auto with_percent = [&](const char* caption, double v) {
    out.push_back(caption + fixed(v, 3) + " = " + fixed(ratio(v, base) * 100, 1) + "%");
  };
  with_percent("Minimum Score       = ", pc ? st.min_total : st.min_score);
  with_percent("Maximum Score       = ", pc ? st.max_total : st.max_score);
  with_percent("Median Score        = ", pc ? st.median_total : st.median_score);
  with_percent("Mean Score          = ", pc ? st.mean_total : st.mean_score);
  out.push_back("Standard Deviation  = " + fixed(pc ? st.sd_total : st.sd_score, 3));
  out.push_back("Variance            = " + fixed(pc ? st.variance_total : st.variance_score, 3));
  out.push_back("Skewness            = " + fixed(pc ? st.skewness_total : st.skewness, 3));
  out.push_back("Kurtosis            = " + fixed(pc ? st.kurtosis_total : st.kurtosis, 3));
}

}  // namespace

std::string listing_label(const Workspace& ws, const Case_Record& c, int position) {
  if (!ws.options.hide_labels) return left(c.label, label_width(ws));
  const char* prefix = position < 10 ? "Case 00" : position < 100 ? "Case 0" : "Case ";
  return prefix + int_str(position) + " ";
}

Lines quick_examinee_lines(const Workspace& ws, const GradeWindowFields& grades) {
  Lines out;
  out.reserve(static_cast<std::size_t>(ws.num_cases) + 32);
  add_headings(out, ws);
  ColumnTexts columns(ws);
  for (int i = 1; i <= ws.num_cases; ++i) {
    const auto& c = ws.cases[static_cast<std::size_t>(i)];
    const std::string_view numbers = columns.of(c);
    std::string line;
    line.reserve(label_width(ws) + numbers.size() + 8);
    if (ws.options.hide_labels)
      line += listing_label(ws, c, i);
    else
      append_left(line, c.label, label_width(ws));
    line += numbers;
    out.push_back(std::move(line));
  }
  add_summary(out, ws, grades);
  return out;
}

}  // namespace jrv
