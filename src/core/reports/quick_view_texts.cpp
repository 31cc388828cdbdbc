#include "core/reports/quick_view_texts.h"

#include "core/input/input_file_writer.h"
#include "core/text/format.h"

namespace jrv {

namespace {

void append(Lines& out, const Lines& more) {
  out.insert(out.end(), more.begin(), more.end());
}

Lines examinee_statistics(const Workspace& ws) {
  return {"Number of Items Analyzed= " + int_str(ws.included_count),
          "Mean Item Difficulty    = " + fixed(ws.stats.mean_difficulty, 3),
          "KR20 (Alpha)            = " + fixed(ws.stats.kr20, 3),
          "SEM (from KR20)         = " + fixed(ws.stats.sem_kr20, 3)};
}

Lines item_statistics(const Workspace& ws) {
  const double pct = ws.included_count > 0 ? ws.stats.mean_score / ws.included_count * 100.0 : 0.0;
  return {"Number of Examinees = " + int_str(ws.num_cases),
          "Mean Score          = " + fixed(ws.stats.mean_score, 3) + " = " + fixed(pct, 1) + "%",
          "Standard Deviation  = " + fixed(ws.stats.sd_score, 3)};
}

// 42 hyphens, the statistics, 42 tildes and the banner lines.
Lines closing(const Workspace& ws, const Lines& statistics) {
  Lines out{repeat('-', 42), ""};
  append(out, statistics);
  out.push_back("");
  out.push_back(repeat('~', 42));
  for (const auto& b : ws.reports.banner_lines) out.push_back(b);
  return out;
}

Lines view(const Workspace& ws, std::string_view head, std::size_t tildes, const Lines& memo,
           const Lines& statistics) {
  Lines out{std::string(head), repeat('~', tildes), ""};
  append(out, memo);
  append(out, closing(ws, statistics));
  return out;
}

}  // namespace

Lines quick_view_examinee_lines(const Workspace& ws) {
  return view(ws, "Quick Examinee Results:", 23, ws.reports.quick_examinee,
              examinee_statistics(ws));
}

Lines quick_view_item_lines(const Workspace& ws) {
  return view(ws, "Quick Item Analysis Results:", 28, ws.reports.quick_items, item_statistics(ws));
}

std::string quick_view_proposed_name(ViewerContent content, std::string_view results_name) {
  if (results_name.empty())
    return content == ViewerContent::options_analysis ? "Q_Options" : "Q_Examinee";
  const char* suffix = content == ViewerContent::examinee_results ? "_QE"
                       : content == ViewerContent::item_analysis  ? "_QI"
                                                                  : "_QO";
  return std::string(results_name) + suffix;
}

Lines quick_view_save_lines(const Workspace& ws, ViewerContent content, const Lines& viewer) {
  Lines out{"TITLE:   " + ws.title, "COMMENT: " + ws.comments, repeat('~', 72), ""};
  append(out, viewer);
  switch (content) {
    case ViewerContent::examinee_results:
      append(out, closing(ws, examinee_statistics(ws)));
      break;
    case ViewerContent::item_analysis:
      append(out, closing(ws, item_statistics(ws)));
      break;
    case ViewerContent::options_analysis:
      out.push_back("");
      out.push_back(repeat('~', 42));
      for (const auto& b : ws.reports.banner_lines) out.push_back(b);
      break;
  }
  return out;
}

std::filesystem::path quick_view_input_copy_path(const std::filesystem::path& saved) {
  auto p = saved;
  p.replace_extension(".jrv");
  return p;
}

bool save_quick_view(const std::filesystem::path& path, const Workspace& ws,
                     const EditorDocument& doc, ViewerContent content, const Lines& viewer) {
  write_lines(path, quick_view_save_lines(ws, content, viewer));
  return save_input_file(quick_view_input_copy_path(path), doc, ws, InputSave::automatic_copy)
      .written;
}

}  // namespace jrv
