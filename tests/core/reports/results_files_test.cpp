// The results file, its companions and the item statistics file.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/analysis/report_fixture.h"
#include "core/reports/item_stats_file.h"
#include "core/reports/results_files.h"

namespace jrv {
namespace {

using test::same_lines;

Workspace analysed() {
  Workspace ws = test::small_workspace();
  ws.reports.full_results = {"<full 1>", "<full 2>"};
  ws.reports.quick_examinee = {"<examinee>"};
  ws.reports.quick_items = {"<items>"};
  return ws;
}

struct TempDir {
  std::filesystem::path path;
  TempDir() {
    path = std::filesystem::temp_directory_path() /
           ("jrv_results_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
  }
  ~TempDir() { std::filesystem::remove_all(path); }
};

std::string bytes_of(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

TEST(ResultsFiles, FullResultsFileFramesTheReportWithTheBannerLines) {
  const Lines expected = {
      "For best results,",
      "  set font to COURIER or COURIER NEW 9-10 Point, ",
      "  turn WORD WRAP on, and/or reduce margins.",
      "",
      std::string(54, '*'),
      "",
      "JRV: Orvandel (version 6.65)",
      "Line two",
      "Line three",
      "",
      std::string(54, '*'),
      "",
      "\f",
      "Unit Quiz",
      "",
      "<full 1>",
      "<full 2>",
      "",
      std::string(40, '~'),
      "JRV: Orvandel (version 6.65)",
      "Line two",
      "Line three",
  };
  EXPECT_TRUE(same_lines(expected, results_file_lines(analysed())));
}

TEST(ResultsFiles, QuickCompanionsCarryTheirClosingStatistics) {
  Workspace ws = analysed();
  ws.stats.mean_score = 15;
  ws.included_count = 20;
  const Lines exm = {"TITLE:   Unit Quiz",
                     "COMMENT: Week 3",
                     std::string(42, '~'),
                     "",
                     "<examinee>",
                     "",
                     std::string(42, '-'),
                     "",
                     "Number of Items Analyzed= 20",
                     "Mean Item Difficulty    = 0.600",
                     "KR20 (Alpha)            = 0.750",
                     "SEM (from KR20)         = 0.500",
                     "",
                     std::string(42, '~'),
                     "JRV: Orvandel (version 6.65)",
                     "Line two",
                     "Line three"};
  EXPECT_TRUE(same_lines(exm, examinee_file_lines(ws)));
  const Lines itm = {"TITLE:   Unit Quiz",
                     "COMMENT: Week 3",
                     std::string(42, '~'),
                     "",
                     "<items>",
                     "",
                     std::string(42, '-'),
                     "",
                     "Number of Examinees = 5",
                     "Mean Score          = 15.000 = 75.0%",
                     "Standard Deviation  = 1.166",
                     "",
                     std::string(43, '~'),
                     "JRV: Orvandel (version 6.65)",
                     "Line two",
                     "Line three"};
  EXPECT_TRUE(same_lines(itm, item_file_lines(ws)));
  const Lines opt = options_file_lines(ws);
  const Lines head = {"TITLE:   Unit Quiz", "COMMENT: Week 3", std::string(72, '~'), "",
                      "Quick Options Analysis Results:"};
  EXPECT_TRUE(same_lines(head, Lines(opt.begin(), opt.begin() + 5)));
  EXPECT_EQ(opt.back(), "Line three");
}

TEST(ResultsFiles, SavingWritesTheSelectedCompanionsBesideTheResultsWithCrLf) {
  TempDir dir;
  Workspace ws = analysed();
  const auto results = dir.path / "Exam1.txt";
  const auto written = save_results(ws, results, {.exm = true, .itm = false, .opt = true});
  const std::vector<std::filesystem::path> expected = {results, dir.path / "Exam1.exm",
                                                       dir.path / "Exam1.opt"};
  EXPECT_EQ(written, expected);
  EXPECT_FALSE(std::filesystem::exists(dir.path / "Exam1.itm"));
  EXPECT_EQ(bytes_of(results).substr(0, 19), "For best results,\r\n");
  EXPECT_EQ(bytes_of(dir.path / "Exam1.exm").substr(0, 20), "TITLE:   Unit Quiz\r\n");
}

TEST(ResultsFiles, AFailedSaveStopsAndKeepsWhatWasWritten) {
  TempDir dir;
  Workspace ws = analysed();
  std::filesystem::create_directories(dir.path / "Exam1.exm");  // cannot be replaced by a file
  EXPECT_ANY_THROW(save_results(ws, dir.path / "Exam1.txt", {}));
  EXPECT_TRUE(std::filesystem::exists(dir.path / "Exam1.txt"));
  EXPECT_FALSE(std::filesystem::exists(dir.path / "Exam1.itm"));
}

TEST(ItemStatsFile, OneLinePerIncludedItemWithTheDeletedStandardDeviation) {
  Workspace ws = test::small_workspace();
  const Lines expected = {
      "item,correct,diff,pbis,biserial,pbis_del,discrim,high,low,kr20_del,mean_del,sd_del,sem_del",
      "1,3,0.600,0.912,1.000,0.800,1.000,1.000,0.000,0.500,1.200,0.748,0.529",
      "2,5,1.000,9.000,0.000,9.000,0.000,1.000,1.000,0.800,0.800,1.166,0.522",
      "4,1,0.200,-0.120,-0.200,-0.300,-0.500,0.000,0.500,0.700,1.600,1.020,0.550",
  };
  EXPECT_TRUE(same_lines(expected, item_stats_lines(ws)));
  TempDir dir;
  EXPECT_EQ(save_item_stats(ws, dir.path, "Exam1"), dir.path / "Exam1_item_stats.txt");
  EXPECT_EQ(save_item_stats(ws, dir.path, "UNSAVED"), dir.path / "item_stats.txt");
}

}  // namespace
}  // namespace jrv
