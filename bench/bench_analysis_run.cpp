// One complete analysis run (statistics and report texts) on 9999 examinees x 100 items.
#include <benchmark/benchmark.h>

#include "core/analysis/analysis_run.h"
#include "core/analysis/large_test.h"

namespace {

void BM_RunAnalysis(benchmark::State& state) {
  const jrv::Workspace loaded = jrv::testing::make_large_test();
  const jrv::EditorDocument doc;
  jrv::Workspace ws = loaded;
  for (auto _ : state) {
    jrv::run_analysis(ws, doc);
    benchmark::DoNotOptimize(ws.stats.kr20);
  }
  state.counters["report_lines"] =
      static_cast<double>(ws.reports.full_results.size() + ws.reports.quick_examinee.size());
}
BENCHMARK(BM_RunAnalysis)->Unit(benchmark::kMillisecond);

void BM_StatisticsOnly(benchmark::State& state) {
  jrv::Workspace ws = jrv::testing::make_large_test();
  for (auto _ : state) {
    jrv::compute_analysis(ws, 0.27, 0.27);
    benchmark::DoNotOptimize(ws.stats.kr20);
  }
}
BENCHMARK(BM_StatisticsOnly)->Unit(benchmark::kMillisecond);

}  // namespace
