#include "core/diagnostics/regrade_report.h"

#include "core/text/convert.h"
#include "core/text/encoding.h"
#include "core/text/format.h"

namespace jrv {

namespace {

std::string before_after(const char* caption, const StatChange& s) {
  return std::string(caption) + fixed(s.before, 3) + " -> " + fixed(s.after, 3);
}

// One field of a comma-separated line, quoted only when it must be.
std::string csv_field(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + '"';
}

// Labels typed in an older 8-bit file come as Windows-1252; the texts are always UTF-8.
std::string change_label(const ExamineeChange& e) {
  const std::string text = decode_text(e.label);
  return std::string(trim(text));
}

}  // namespace

Lines regrade_summary_lines(const RegradeComparison& c) {
  return {
      before_after("KR-20: ", c.kr20),
      before_after("Mean: ", c.mean),
      before_after("SD: ", c.sd),
      before_after("SEM: ", c.sem),
      "Grade changes: " + int_str(c.grades_up + c.grades_down) + " (" + int_str(c.grades_up) +
          " up, " + int_str(c.grades_down) + " down)",
      "Examinees changed: " + int_str(static_cast<std::int64_t>(c.changed.size())),
  };
}

Lines regrade_changes_csv(const RegradeComparison& c) {
  Lines out;
  out.reserve(c.changed.size() + 1);
  out.emplace_back("label,old_score,new_score,old_percent,new_percent,old_grade,new_grade");
  for (const auto& e : c.changed) {
    out.push_back(csv_field(change_label(e)) + "," + int_str(e.old_score) + "," +
                  int_str(e.new_score) + "," + fixed(e.old_percent, 2) + "," +
                  fixed(e.new_percent, 2) + "," + csv_field(e.old_grade) + "," +
                  csv_field(e.new_grade));
  }
  return out;
}

std::array<std::string, 4> examinee_change_cells(const ExamineeChange& e) {
  const auto arrow = [](const std::string& before, const std::string& after) {
    return before + " -> " + after;
  };
  const bool graded = !e.old_grade.empty() || !e.new_grade.empty();
  return {change_label(e), arrow(int_str(e.old_score), int_str(e.new_score)),
          arrow(fixed(e.old_percent, 2), fixed(e.new_percent, 2)),
          graded ? arrow(e.old_grade, e.new_grade) : std::string()};
}

}  // namespace jrv
