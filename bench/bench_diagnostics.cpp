// The item diagnostics and the shareable HTML report on 9999 examinees x 100 items, after
// a complete run (targets: the diagnostics add at most 10 ms to a run, the report is
// written in at most 300 ms).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/analysis/analysis_run.h"
#include "core/analysis/large_test.h"
#include "core/diagnostics/item_diagnostics.h"
#include "core/export/report_html.h"
#include "core/export/results_json.h"
#include "core/text/text_file.h"

namespace {

jrv::Workspace analysed() {
  jrv::Workspace ws = jrv::testing::make_large_test();
  jrv::run_analysis(ws, jrv::EditorDocument{});
  return ws;
}

void BM_Diagnostics(benchmark::State& state) {
  const jrv::Workspace ws = analysed();
  for (auto _ : state) {
    const jrv::DiagnosticsResult r = jrv::diagnose(ws);
    benchmark::DoNotOptimize(r.item_list.data());
  }
}
BENCHMARK(BM_Diagnostics)->Unit(benchmark::kMillisecond);

// Everything "Save Report as HTML" does after the run: diagnostics, content, page, file.
void BM_HtmlReport(benchmark::State& state) {
  const jrv::Workspace ws = analysed();
  const auto path = std::filesystem::temp_directory_path() / "jrv_bench_report.html";
  std::size_t bytes = 0;
  for (auto _ : state) {
    const jrv::ReportModel m = jrv::build_report(ws, jrv::diagnose(ws), "2026-01-31");
    const std::string html = jrv::report_html(m).html;
    jrv::write_bytes(path, html);
    bytes = html.size();
  }
  std::filesystem::remove(path);
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_HtmlReport)->Unit(benchmark::kMillisecond);

void BM_Json(benchmark::State& state) {
  const jrv::Workspace ws = analysed();
  for (auto _ : state) {
    const std::string json = jrv::results_json(ws, jrv::diagnose(ws));
    benchmark::DoNotOptimize(json.data());
  }
}
BENCHMARK(BM_Json)->Unit(benchmark::kMillisecond);

}  // namespace
