#include "core/reports/grade_reports.h"

#include <algorithm>
#include <vector>

#include "core/analysis/sorting.h"
#include "core/settings/grade_lookup.h"
#include "core/text/convert.h"
#include "core/text/format.h"

namespace jrv {

namespace {

constexpr int kRowsPerColumn = 50;
constexpr int kLinesPerPage = 52;
constexpr int kEntriesPerLine = 6;
constexpr std::string_view kLegend =
    "1=Aa1, 2=Bb2, 3=Cc3, 4=Dd4, 5=Ee5, 9=Missing, X=Excluded Item";
constexpr std::string_view kListHead = "Instructor List of Scores and Wrong Answers";

// Lines built piece by piece, as a text file is written: the current line stays open
// until it is ended.
class LineSink {
 public:
  void write(std::string_view s) { open_ += s; }
  void end() {
    lines_.push_back(std::move(open_));
    open_.clear();
  }
  void line(std::string_view s) {
    write(s);
    end();
  }
  // A page break always stands alone on its line; an open line is ended first.
  void form_feed() {
    if (!open_.empty()) end();
    line("\f");
  }
  Lines take() {
    if (!open_.empty()) end();
    return std::move(lines_);
  }

 private:
  Lines lines_;
  std::string open_;
};

// What every line of the reports needs to know about one item.
struct ItemView {
  int key = 0;
  int include_flag = 0;
  bool hard = false;   // p < .30
  bool multi = false;  // alternative answers or every answer correct
  AnswerSlots accepted{};
};

// The workspace seen in entry order and item-number order, without moving its tables.
struct ReportData {
  const Workspace& ws;
  const EditorDocument& doc;
  std::vector<const Case_Record*> cases;  // entry order
  std::vector<ItemView> items;            // index = item number (0 unused)
  int missing = 9;

  ReportData(const Workspace& w, const EditorDocument& d) : ws(w), doc(d) {
    const int n = std::max(0, w.num_cases);
    for (int i = 1; i <= n && i <= static_cast<int>(w.cases.size()); ++i)
      cases.push_back(&w.cases[static_cast<std::size_t>(i)]);
    std::stable_sort(cases.begin(), cases.end(), [](const Case_Record* a, const Case_Record* b) {
      return a->case_number < b->case_number;
    });
    const int k = std::clamp(w.num_items, 0, kMaxItems);
    items.assign(static_cast<std::size_t>(k) + 1, ItemView{});
    for (int j = 1; j <= k; ++j) {
      auto& v = items[static_cast<std::size_t>(j)];
      const auto uj = static_cast<std::size_t>(j);
      v.key = w.key_values[uj];
      v.include_flag = w.include_flags[uj];
      v.multi = v.include_flag == 2 || v.key == 9;
      if (v.include_flag == 2)
        v.accepted = w.correct_answers[uj];
      else
        v.accepted.fill(v.key);
    }
    for (int j = 1; j <= kMaxItems; ++j) {
      const auto& rec = w.items[static_cast<std::size_t>(j)];
      if (rec.item_number < 1 || rec.item_number > k) continue;
      // An excluded item's difficulty is not computed by the run: it never gets the mark.
      auto& v = items[static_cast<std::size_t>(rec.item_number)];
      v.hard = v.include_flag != 0 && rec.difficulty < 0.30;
    }
    missing = parse_int(w.missing_symbol).value_or(9);
  }

  int num_items() const { return static_cast<int>(items.size()) - 1; }
  const ItemView& item(int j) const { return items[static_cast<std::size_t>(j)]; }

  int response(const Case_Record& c, int j) const {
    const auto row = static_cast<std::size_t>(c.case_number);
    if (row < 1 || row > ws.responses.size()) return missing;
    return ws.responses[row][static_cast<std::size_t>(j)];
  }
  bool correct(int j, int r) const {
    const auto& v = item(j);
    if (v.key == 9) return true;
    for (int s = 1; s <= kAnswerSlots; ++s)
      if (v.accepted[static_cast<std::size_t>(s)] == r) return true;
    return false;
  }
  bool is_missing(int r) const { return r == missing; }
  bool grades_printed() const {
    return ws.print_grades_on_reports && ws.grade_scale.grade_category_count > 0;
  }
};

std::string flag(const ItemView& v) {
  return v.hard ? "# " : "  ";
}
std::string mark(const ItemView& v) {
  if (v.multi) return "* ";
  return v.include_flag != 0 ? "  " : "& ";
}
std::string w(std::int64_t v, std::size_t n) {
  return right(v, n);
}

// ---------------------------------------------------------------- instructor list head

void grading_scale_section(LineSink& out, const ReportData& d) {
  out.line("  " + repeat('=', 31));
  out.line("  GRADING SCALE (in Percentages):");
  out.line("  " + repeat('=', 31));
  out.line("");
  const auto summary = grade_summary_lines(d.ws.grade_scale, d.doc.grades);
  for (const auto& s : summary) out.line("  " + s);
  out.line("");
}

std::string alt_cells(const AltAnswerGrid::Row& row, bool as_typed) {
  std::string s;
  for (std::size_t c = 2; c <= 10; ++c) {
    const std::string& cell = row[c];
    if (cell.empty()) {
      s += "  ";
    } else if (as_typed) {
      s += cell + " ";
    } else {
      const auto v = parse_int(cell);
      s += (v ? int_str(*v) : cell) + " ";
    }
  }
  return s;
}

bool has_multi_items(const ReportData& d) {
  for (int j = 1; j <= d.num_items(); ++j)
    if (d.item(j).multi) return true;
  return false;
}

// Sections of the list head shared by file and viewer; `counter` counts the file's lines.
void list_sections(LineSink& out, const ReportData& d, bool viewer, int& counter) {
  const int n = d.num_items();
  grading_scale_section(out, d);

  out.line("  " + repeat('=', 28));
  out.line("  CORRECT ANSWERS (Item#-Key):");
  out.line("  " + repeat('=', 28));
  for (int j = 1; j <= n; ++j) {
    out.write("  #" + w(j, 2) + "-" + int_str(d.item(j).key));
    if (j % 10 == 0) {
      out.end();
      ++counter;
    } else if (viewer && j == n) {
      out.end();
    }
  }
  if (!viewer) {
    if (n % 10 != 0) out.end();
    out.end();
  }

  if (d.ws.included_count < n) {
    out.line("");
    out.line("  " + repeat('=', 29));
    out.line("  ITEMS EXCLUDED FROM ANALYSIS:");
    out.line("  " + repeat('=', 29));
    for (int first = 1; first <= n; first += 10) {
      bool wrote = false;
      for (int j = first; j < first + 10 && j <= n; ++j) {
        if (d.item(j).include_flag != 0) continue;
        out.write("  #" + w(j, 2));
        wrote = true;
      }
      if (wrote) out.end();
      ++counter;
    }
    if (!viewer) {
      if (n % 10 != 0) out.end();
      out.end();
    }
  }

  if (has_multi_items(d)) {
    if (viewer) out.line("");
    out.line("  " + repeat('=', 28));
    out.line("  ALTERNATIVE CORRECT ANSWERS:");
    out.line("  " + repeat('=', 28));
    for (const auto& row : d.doc.alternatives.rows) {
      const auto item = parse_int(row[0]).value_or(0);
      if (viewer)
        out.line((item > 9 ? "  Item #" : "  Item # ") + int_str(item) +
                 "   Correct Answers: " + alt_cells(row, true));
      else
        out.line("  Item #" + w(item, 2) + ", Correct Answers: " + alt_cells(row, false));
      ++counter;
    }
    for (int j = 1; j <= n; ++j) {
      if (d.item(j).key != 9) continue;
      if (viewer)
        out.line((j > 9 ? "  Item #" : "  Item # ") + int_str(j) + "   Correct Answers: ALL");
      else
        out.line("  Item #" + w(j, 2) + ", Correct Answers: ALL");
    }
  }

  out.line("");
  out.line(repeat('*', 72));
  out.line("EXAMINEE ANALYSIS--ONLY MULTIPLE CHOICE (total out of " + int_str(d.ws.included_count) +
           " included items)");
  out.line(repeat('*', 72));
  counter += 3;
}

// "nn=pp.p%" with the blanks that keep the columns when a value is below 10.
std::string score_and_percent(const std::string& score, double score_value, double percent) {
  std::string s = (score_value < 10 ? " " : "") + score;
  s += percent < 10 ? "= " : "=";
  return s + fixed(percent, 1) + "%";
}

void list_examinee(LineSink& out, const ReportData& d, const Case_Record& c, int& counter) {
  const auto& ws = d.ws;
  out.line("");
  ++counter;
  out.write(c.label + "  ");
  if (ws.pc_enabled)
    out.write(score_and_percent(fixed(c.total_score, 0), c.total_score, c.total_percent));
  else
    out.write(score_and_percent(int_str(c.raw_score), c.raw_score, c.percent_score));

  std::vector<std::string> entries;
  for (int j = 1; j <= d.num_items(); ++j) {
    const int r = d.response(c, j);
    if (!d.correct(j, r)) entries.push_back("  #" + w(j, 2) + "-" + w(r, 1));
  }
  if (ws.pc_enabled)
    entries.push_back((ws.pc_points > 0 ? "  PC=" : "  XC=") + int_str(c.pc_score));

  const std::string continuation(static_cast<std::size_t>(std::max(0, ws.label_length)) + 10, ' ');
  for (std::size_t e = 0; e < entries.size(); ++e) {
    out.write(entries[e]);
    if ((e + 1) % kEntriesPerLine == 0) {
      out.end();
      ++counter;
      out.write(continuation);
    }
  }
  if (entries.empty() || entries.size() % kEntriesPerLine != 0) {
    out.end();
    ++counter;
  }
}

// ---------------------------------------------------------------- individual reports

std::string score_line(const ReportData& d, const Case_Record& c) {
  const auto& ws = d.ws;
  std::string s;
  if (ws.pc_enabled) {
    s = "Total Points= " + fixed(c.total_score, 1) + "= " + int_str(c.raw_score) + "*" +
        fixed(ws.mc_points, 1) + " MC + " + int_str(c.pc_score) +
        (ws.pc_points > 0 ? " PC " : " XC ");
    if (d.grades_printed())
      s += "(Grade = " + fixed(c.total_percent, 2) + "% = " + c.total_grade + ")";
  } else {
    s = "Total Items Correct = " + int_str(c.raw_score) + " (" + fixed(c.percent_score, 2) + "%) ";
    if (d.grades_printed()) s += "(Grade = " + left(c.grade, 4) + ")";
  }
  return s;
}

std::string statistics_line(const ReportData& d) {
  const auto& ws = d.ws;
  const auto& st = ws.stats;
  if (ws.pc_enabled)
    return "Possible=" + fixed(st.total_possible, 1) + ", Mean=" + fixed(st.mean_total, 1) +
           ", SD=" + fixed(st.sd_total, 1) + ", Min=" + fixed(st.min_total, 1) +
           ", Mdn=" + fixed(st.median_total, 1) + ", Max=" + fixed(st.max_total, 1);
  return "Possible=" + int_str(ws.included_count) + ", Mean=" + fixed(st.mean_score, 1) +
         ", SD=" + fixed(st.sd_score, 1) + ", Min=" + fixed(st.min_score, 1) +
         ", Mdn=" + fixed(st.median_score, 1) + ", Max=" + fixed(st.max_score, 1);
}

enum class Column { single, left, right, alone };

constexpr std::string_view kSeparator = "    |   ";

// One item's cell of the file's response table.
std::string file_cell(const ReportData& d, int j, int r, Column col) {
  const auto& v = d.item(j);
  const bool ok = d.correct(j, r);
  const bool miss = d.is_missing(r);
  std::string s = w(j, 4);
  if (!ok && !miss) {
    s += flag(v) + w(r, 6) + "-" + w(v.key, 8) + mark(v);
  } else if (!ok) {
    s += (col == Column::single ? "  " : flag(v)) + "  Missing " + w(v.key, 5) + mark(v);
  } else if (!miss) {
    s += flag(v) + w(r, 6) + repeat(' ', 9) + mark(v);
  } else {
    s += flag(v) + "  Missing ";
    if (col != Column::single) s += repeat(' ', 7);
  }
  if (col == Column::left) s += kSeparator;
  return s;
}

// The same cell in the viewer's layout.
std::string viewer_cell(const ReportData& d, int j, int r, Column col) {
  const auto& v = d.item(j);
  const bool ok = d.correct(j, r);
  const bool miss = d.is_missing(r);
  std::string s = w(j, 3) + flag(v);
  if (!ok && !miss) {
    s += "      " + int_str(r) + "-       " + int_str(v.key) + mark(v);
  } else if (!ok) {
    s += "   Missing     " + int_str(v.key) + mark(v);
  } else if (!miss) {
    s += "      " + int_str(r) + repeat(' ', 9) + mark(v);
  } else {
    s += "   Missing ";
    if (col != Column::single) s += repeat(' ', 7);
  }
  if (col == Column::left) s += kSeparator;
  return s;
}

void response_table(LineSink& out, const ReportData& d, const Case_Record& c, bool viewer) {
  const int n = d.num_items();
  auto cell = [&](int j, Column col) {
    return viewer ? viewer_cell(d, j, d.response(c, j), col)
                  : file_cell(d, j, d.response(c, j), col);
  };
  if (n <= kRowsPerColumn) {
    if (viewer) {
      out.line("Item     Your    Correct");
      out.line("Number Response  Answer ");
      out.line("------ -------- --------");
    } else {
      out.line("Item     Your    Correct   ");
      out.line("Number Response  Answer    ");
    }
    for (int j = 1; j <= n; ++j) out.line(cell(j, Column::single));
    return;
  }
  out.line("Item     Your    Correct   |   Item     Your    Correct ");
  out.line("Number Response  Answer    |   Number Response  Answer  ");
  if (viewer) out.line("------ -------- --------   |   ------ -------- -------- ");
  for (int r = 1; r <= kRowsPerColumn; ++r) {
    if (r + kRowsPerColumn <= n)
      out.line(cell(r, Column::left) + cell(r + kRowsPerColumn, Column::right));
    else
      out.line(cell(r, Column::alone));
  }
}

void individual_report(LineSink& out, const ReportData& d, const Case_Record& c, bool viewer) {
  out.line(d.ws.title);
  out.line(repeat('~', 62));
  out.line("Individual Grade Report for: " + c.label);
  out.line(repeat('~', 62));
  out.line(score_line(d, c));
  out.line(repeat('*', 62));
  out.line(statistics_line(d));
  out.line(repeat('*', 62));
  if (viewer) out.line("");
  response_table(out, d, c, viewer);
  if (viewer) {
    out.line(repeat('*', 65));
    out.line("#: items that less than 30% got correct, -: wrong answers,       ");
    out.line("*: multiple options counted correct, &: items excluded from total");
  } else {
    out.line(repeat('*', 73));
    out.line("# means p<.30, - means wrong, * means >1 correct option, & means excluded");
  }
}

void page_head(LineSink& out, const ReportData& d, int page, std::size_t tildes) {
  out.line(d.ws.title);
  out.line(repeat('~', tildes));
  out.line(std::string(kListHead) + " (page " + int_str(page) + ")");
  out.line(repeat('~', tildes));
}

}  // namespace

CheckResult check_grade_report_save(const Workspace& ws) {
  CheckResult r;
  if (ws.num_cases > kMaxGradeReportSaveCases)
    r.fail("Number of Cases must be 500 or less to Save Grade Reports");
  return r;
}

CheckResult check_grade_report_view(const Workspace& ws) {
  CheckResult r;
  if (ws.num_cases > kMaxGradeReportViewCases)
    r.fail(
        "Number of Cases must 200 or less to View Grade Reports (it takes too long to view "
        "more)");
  return r;
}

Lines grade_report_file_lines(const Workspace& ws, const EditorDocument& doc) {
  const ReportData d(ws, doc);
  LineSink out;
  out.line("For best results,");
  out.line("  set font to COURIER or COURIER NEW 9-10 Point, ");
  out.line("  turn WORD WRAP on, and/or reduce margins.");
  out.line("");
  out.line(repeat('*', 54));
  out.line("");
  for (const auto& b : ws.reports.banner_lines) out.line(b);
  out.line("");
  out.line(repeat('*', 54));
  out.line("");
  out.form_feed();

  int page = 1;
  int counter = 17;
  page_head(out, d, page, 61);
  out.line(kLegend);
  out.line(repeat('~', 61));
  out.line("");
  list_sections(out, d, false, counter);

  for (const Case_Record* c : d.cases) {
    list_examinee(out, d, *c, counter);
    if (counter > kLinesPerPage) {
      out.form_feed();
      page_head(out, d, ++page, 60);
      counter = 4;
    }
  }
  out.form_feed();

  for (std::size_t k = 0; k < d.cases.size(); ++k) {
    individual_report(out, d, *d.cases[k], false);
    if (k + 1 < d.cases.size()) out.form_feed();
  }
  return out.take();
}

Lines grade_report_viewer_lines(const Workspace& ws, const EditorDocument& doc) {
  const ReportData d(ws, doc);
  LineSink out;
  int counter = 0;  // the viewer has no pages
  out.line(ws.title);
  out.line(repeat('~', 61));
  out.line(kListHead);
  out.line(repeat('~', 61));
  out.line(kLegend);
  out.line(repeat('~', 61));
  out.line("");
  list_sections(out, d, true, counter);
  for (const Case_Record* c : d.cases) list_examinee(out, d, *c, counter);
  for (const Case_Record* c : d.cases) {
    out.form_feed();
    individual_report(out, d, *c, true);
  }
  return out.take();
}

std::string grade_report_proposed_name(std::string_view map_name) {
  if (map_name.empty() || map_name == "UNSAVED") return "Grade_Report";
  return std::string(map_name);
}

CheckResult save_grade_reports(Workspace& ws, const EditorDocument& doc,
                               const std::filesystem::path& path) {
  CheckResult r = check_grade_report_save(ws);
  if (r.failed) return r;
  sort_cases_by_input_order(ws);
  sort_items(ws, ItemSort::item_number);
  write_lines(path, grade_report_file_lines(ws, doc));
  return r;
}

}  // namespace jrv
