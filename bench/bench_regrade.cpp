// One item decision and the comparison it brings, on 9999 examinees x 100 items.
#include <benchmark/benchmark.h>

#include "core/analysis/analysis_run.h"
#include "core/diagnostics/regrade_session.h"
#include "core/generate/generator.h"
#include "core/input/editor_actions.h"

namespace {

struct Loaded {
  jrv::EditorDocument doc;
  jrv::Workspace ws;
};

// A generated test of full size, loaded by the editor's check and analysed.
Loaded full_size_test() {
  Loaded t;
  jrv::GeneratorFields window;
  window.num_cases = "9999";
  window.num_items = "100";
  jrv::RandomState rng;
  jrv::generate_data(window, t.doc, t.ws, rng);
  jrv::leave_editor(t.doc, t.ws, jrv::EditorExitButton::close_and_analyze, "");
  jrv::run_analysis(t.ws, t.doc);
  return t;
}

void BM_RegradeOneDecision(benchmark::State& state) {
  const Loaded t = full_size_test();
  const int other = t.ws.key_values[7] % t.ws.option_values[7] + 1;
  const jrv::ItemDecision decisions[] = {{jrv::DecisionKind::rekey, 7, other}};
  std::size_t changed = 0;
  for (auto _ : state) {
    const jrv::Regrade r = jrv::regrade(t.doc, t.ws, decisions);
    changed = r.comparison.changed.size();
    benchmark::DoNotOptimize(r.comparison.kr20.after);
  }
  state.counters["examinees_changed"] = static_cast<double>(changed);
}
BENCHMARK(BM_RegradeOneDecision)->Unit(benchmark::kMillisecond);

}  // namespace
