// Whole runs on small input files, compared line by line with the saved results and their
// companions in the golden folder.

#include <gtest/gtest.h>

#include <functional>

#include "core/analysis/analysis_run.h"
#include "core/analysis/report_fixture.h"
#include "core/input/editor_actions.h"
#include "core/input/input_file_reader.h"
#include "core/reports/results_files.h"

namespace jrv {
namespace {

const std::filesystem::path kDir = std::filesystem::path(JRV_TEST_DATA_DIR) / "reports";

struct Fixture {
  const char* name;
  std::function<void(AnalysisOptions&)> options;
};

const Fixture kFixtures[] = {
    {"basic", [](AnalysisOptions&) {}},
    {"partial",
     [](AnalysisOptions& o) {
       o.band_units = BandUnits::letters;
       o.item_sort = ItemSort::difficulty;
       o.examinee_sort = ExamineeSort::by_score;
     }},
    {"long",
     [](AnalysisOptions& o) {
       o.hide_labels = true;
       o.examinee_sort = ExamineeSort::by_score;
       o.item_sort = ItemSort::point_biserial;
       o.band_units = BandUnits::percent;
     }},
};

class GoldenResults : public ::testing::TestWithParam<Fixture> {};

TEST_P(GoldenResults, MatchTheSavedFiles) {
  const Fixture& f = GetParam();
  EditorDocument doc;
  Workspace ws;
  const OpenResult opened = open_input_file(kDir / (std::string(f.name) + ".jrv"), doc, ws);
  ASSERT_TRUE(opened.read);
  ASSERT_TRUE(leave_editor(doc, ws, EditorExitButton::close_and_analyze, "").accepted);
  f.options(ws.options);
  run_analysis(ws, doc);

  const std::pair<const char*, Lines> files[] = {
      {".txt", results_file_lines(ws)},
      {".exm", examinee_file_lines(ws)},
      {".itm", item_file_lines(ws)},
      {".opt", options_file_lines(ws)},
  };
  for (const auto& [extension, actual] : files)
    EXPECT_TRUE(test::same_lines(read_lines(kDir / (std::string(f.name) + extension)), actual))
        << f.name << extension;
}

INSTANTIATE_TEST_SUITE_P(Reports, GoldenResults, ::testing::ValuesIn(kFixtures),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace jrv
