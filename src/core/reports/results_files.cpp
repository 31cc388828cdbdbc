#include "core/reports/results_files.h"

#include "core/analysis/options_report.h"
#include "core/analysis/sorting.h"
#include "core/text/format.h"

namespace jrv {

namespace {

// Each file is built once, into either its lines (for the viewers) or straight into the
// bytes of the file: the report texts hold thousands of lines, too many to copy one by one.
struct LineList {
  Lines lines;
  void add(std::string_view line) { lines.emplace_back(line); }
  void add(const Lines& more) { lines.insert(lines.end(), more.begin(), more.end()); }
};

void add_banner_lines(auto& out, const Workspace& ws) {
  for (const auto& b : ws.reports.banner_lines) out.add(b);
}

void add_head(auto& out, const Workspace& ws, std::size_t tildes) {
  out.add("TITLE:   " + ws.title);
  out.add("COMMENT: " + ws.comments);
  out.add(repeat('~', tildes));
  out.add("");
}

template <class Out>
Out results_file(const Workspace& ws) {
  Out out;
  out.add("For best results,");
  out.add("  set font to COURIER or COURIER NEW 9-10 Point, ");
  out.add("  turn WORD WRAP on, and/or reduce margins.");
  out.add("");
  out.add(repeat('*', 54));
  out.add("");
  add_banner_lines(out, ws);
  out.add("");
  out.add(repeat('*', 54));
  out.add("");
  out.add("\f");
  out.add(ws.title);
  out.add("");
  out.add(ws.reports.full_results);
  out.add("");
  out.add(repeat('~', 40));
  add_banner_lines(out, ws);
  return out;
}

template <class Out>
Out examinee_file(const Workspace& ws) {
  Out out;
  add_head(out, ws, 42);
  out.add(ws.reports.quick_examinee);
  out.add("");
  out.add(repeat('-', 42));
  out.add("");
  out.add("Number of Items Analyzed= " + int_str(ws.included_count));
  out.add("Mean Item Difficulty    = " + fixed(ws.stats.mean_difficulty, 3));
  out.add("KR20 (Alpha)            = " + fixed(ws.stats.kr20, 3));
  out.add("SEM (from KR20)         = " + fixed(ws.stats.sem_kr20, 3));
  out.add("");
  out.add(repeat('~', 42));
  add_banner_lines(out, ws);
  return out;
}

template <class Out>
Out item_file(const Workspace& ws) {
  Out out;
  add_head(out, ws, 42);
  out.add(ws.reports.quick_items);
  out.add("");
  out.add(repeat('-', 42));
  out.add("");
  const double mean = ws.stats.mean_score;
  const double percent = ws.included_count > 0 ? mean / ws.included_count * 100 : 0.0;
  out.add("Number of Examinees = " + int_str(ws.num_cases));
  out.add("Mean Score          = " + fixed(mean, 3) + " = " + fixed(percent, 1) + "%");
  out.add("Standard Deviation  = " + fixed(ws.stats.sd_score, 3));
  out.add("");
  out.add(repeat('~', 43));
  add_banner_lines(out, ws);
  return out;
}

template <class Out>
Out options_file(const Workspace& ws) {
  Out out;
  add_head(out, ws, 72);
  out.add(quick_options_lines(ws));
  return out;
}

}  // namespace

Lines results_file_lines(const Workspace& ws) {
  return results_file<LineList>(ws).lines;
}

Lines examinee_file_lines(const Workspace& ws) {
  return examinee_file<LineList>(ws).lines;
}

Lines item_file_lines(const Workspace& ws) {
  return item_file<LineList>(ws).lines;
}

Lines options_file_lines(const Workspace& ws) {
  return options_file<LineList>(ws).lines;
}

std::filesystem::path companion_path(const std::filesystem::path& results,
                                     std::string_view extension) {
  auto p = results;
  p.replace_extension(extension);
  return p;
}

std::vector<std::filesystem::path> save_results(Workspace& ws, const std::filesystem::path& results,
                                                const CompanionSelection& selection) {
  sort_cases_by_input_order(ws);
  sort_items(ws, ItemSort::item_number);
  std::vector<std::filesystem::path> written;
  auto write = [&](const std::filesystem::path& path, const CrlfText& text) {
    write_lines(path, text);
    written.push_back(path);
  };
  write(results, results_file<CrlfText>(ws));
  if (selection.exm) write(companion_path(results, ".exm"), examinee_file<CrlfText>(ws));
  if (selection.itm) write(companion_path(results, ".itm"), item_file<CrlfText>(ws));
  if (selection.opt) write(companion_path(results, ".opt"), options_file<CrlfText>(ws));
  return written;
}

}  // namespace jrv
