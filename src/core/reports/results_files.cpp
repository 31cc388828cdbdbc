#include "core/reports/results_files.h"

#include "core/analysis/options_report.h"
#include "core/analysis/sorting.h"
#include "core/text/format.h"

namespace jrv {

namespace {

void add_banner_lines(Lines& out, const Workspace& ws) {
  for (const auto& b : ws.reports.banner_lines) out.push_back(b);
}

void add_head(Lines& out, const Workspace& ws, std::size_t tildes) {
  out.push_back("TITLE:   " + ws.title);
  out.push_back("COMMENT: " + ws.comments);
  out.push_back(repeat('~', tildes));
  out.emplace_back();
}

}  // namespace

Lines results_file_lines(const Workspace& ws) {
  Lines out;
  out.reserve(ws.reports.full_results.size() + 24);
  out.emplace_back("For best results,");
  out.emplace_back("  set font to COURIER or COURIER NEW 9-10 Point, ");
  out.emplace_back("  turn WORD WRAP on, and/or reduce margins.");
  out.emplace_back();
  out.push_back(repeat('*', 54));
  out.emplace_back();
  add_banner_lines(out, ws);
  out.emplace_back();
  out.push_back(repeat('*', 54));
  out.emplace_back();
  out.emplace_back("\f");
  out.push_back(ws.title);
  out.emplace_back();
  out.insert(out.end(), ws.reports.full_results.begin(), ws.reports.full_results.end());
  out.emplace_back();
  out.push_back(repeat('~', 40));
  add_banner_lines(out, ws);
  return out;
}

Lines examinee_file_lines(const Workspace& ws) {
  Lines out;
  add_head(out, ws, 42);
  out.insert(out.end(), ws.reports.quick_examinee.begin(), ws.reports.quick_examinee.end());
  out.emplace_back();
  out.push_back(repeat('-', 42));
  out.emplace_back();
  out.push_back("Number of Items Analyzed= " + int_str(ws.included_count));
  out.push_back("Mean Item Difficulty    = " + fixed(ws.stats.mean_difficulty, 3));
  out.push_back("KR20 (Alpha)            = " + fixed(ws.stats.kr20, 3));
  out.push_back("SEM (from KR20)         = " + fixed(ws.stats.sem_kr20, 3));
  out.emplace_back();
  out.push_back(repeat('~', 42));
  add_banner_lines(out, ws);
  return out;
}

Lines item_file_lines(const Workspace& ws) {
  Lines out;
  add_head(out, ws, 42);
  out.insert(out.end(), ws.reports.quick_items.begin(), ws.reports.quick_items.end());
  out.emplace_back();
  out.push_back(repeat('-', 42));
  out.emplace_back();
  const double mean = ws.stats.mean_score;
  const double percent = ws.included_count > 0 ? mean / ws.included_count * 100 : 0.0;
  out.push_back("Number of Examinees = " + int_str(ws.num_cases));
  out.push_back("Mean Score          = " + fixed(mean, 3) + " = " + fixed(percent, 1) + "%");
  out.push_back("Standard Deviation  = " + fixed(ws.stats.sd_score, 3));
  out.emplace_back();
  out.push_back(repeat('~', 43));
  add_banner_lines(out, ws);
  return out;
}

Lines options_file_lines(const Workspace& ws) {
  Lines out;
  add_head(out, ws, 72);
  const Lines text = quick_options_lines(ws);
  out.insert(out.end(), text.begin(), text.end());
  return out;
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
  auto write = [&](const std::filesystem::path& path, const Lines& lines) {
    write_lines(path, lines);
    written.push_back(path);
  };
  write(results, results_file_lines(ws));
  if (selection.exm) write(companion_path(results, ".exm"), examinee_file_lines(ws));
  if (selection.itm) write(companion_path(results, ".itm"), item_file_lines(ws));
  if (selection.opt) write(companion_path(results, ".opt"), options_file_lines(ws));
  return written;
}

}  // namespace jrv
