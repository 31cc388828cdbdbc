// The examinee sorts on 9999 records: the O(n log n) sort against the literal selection
// sort it replaces (same arrangement).
#include <benchmark/benchmark.h>

#include <string>

#include "core/analysis/large_test.h"
#include "core/analysis/selection_sort_reference.h"
#include "core/analysis/sorting.h"

namespace {

jrv::Workspace scored() {
  jrv::Workspace ws = jrv::testing::make_large_test();
  // Scores from a small range, as on a real test, and labels out of order with repeats.
  for (int i = 1; i <= ws.num_cases; ++i) {
    auto& c = ws.cases[static_cast<std::size_t>(i)];
    c.raw_score = (i * 7919) % 101;
    c.label = "S" + std::to_string(1000 + (i * 4253) % 3000);
  }
  return ws;
}

template <void (*Sort)(jrv::Workspace&), void (*Restore)(jrv::Workspace&)>
void run(benchmark::State& state) {
  jrv::Workspace ws = scored();
  for (auto _ : state) {
    Sort(ws);
    state.PauseTiming();
    Restore(ws);
    state.ResumeTiming();
  }
}

void BM_FastScoreSort(benchmark::State& state) {
  run<jrv::sort_cases_by_score, jrv::sort_cases_by_input_order>(state);
}
void BM_LiteralScoreSort(benchmark::State& state) {
  run<jrv::reference::sort_cases_by_score, jrv::sort_cases_by_input_order>(state);
}
void BM_FastLabelSort(benchmark::State& state) {
  run<jrv::sort_cases_by_label, jrv::sort_cases_by_input_order>(state);
}
void BM_LiteralLabelSort(benchmark::State& state) {
  run<jrv::reference::sort_cases_by_label, jrv::sort_cases_by_input_order>(state);
}

BENCHMARK(BM_FastScoreSort)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiteralScoreSort)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FastLabelSort)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiteralLabelSort)->Unit(benchmark::kMillisecond);

}  // namespace
