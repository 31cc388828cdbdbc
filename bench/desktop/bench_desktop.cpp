// The desktop program's waits a user feels, under the offscreen platform: from the start
// to the main window drawn, and from "Close && Analyze" on 9999 examinees x 100 items to
// both quick panes filled and drawn.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

#include "core/generate/generator.h"
#include "core/process/heap_tuning.h"
#include "ui/app/program.h"
#include "ui/support/test_program.h"

namespace {

using jrv::ui::Program;
using jrv::ui::test::ScriptedPrompter;
using jrv::ui::test::TestProgram;

double seconds(const QElapsedTimer& clock) {
  return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

// As the program starts: the main window made, shown and drawn once. The QApplication and
// the font database already exist; the whole process is timed from outside.
void BM_DesktopStartToMainWindow(benchmark::State& state) {
  ScriptedPrompter prompter;
  for (auto _ : state) {
    QElapsedTimer clock;
    clock.start();
    auto program = std::make_unique<Program>(prompter, Program::main_window_first);
    program->main_window().show();
    QCoreApplication::processEvents();
    state.SetIterationTime(seconds(clock));
    program.reset();
    QCoreApplication::processEvents();  // the deferred deletes, before the next start
  }
}
BENCHMARK(BM_DesktopStartToMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

// What a start does once the main window is drawn: every other window.
void BM_DesktopSideWindows(benchmark::State& state) {
  ScriptedPrompter prompter;
  for (auto _ : state) {
    Program program(prompter, Program::main_window_first);
    QElapsedTimer clock;
    clock.start();
    program.create_side_windows();
    state.SetIterationTime(seconds(clock));
  }
}
BENCHMARK(BM_DesktopSideWindows)->UseManualTime()->Unit(benchmark::kMillisecond);

// As the large-test window test measures it: the click on "Close && Analyze" (check and
// load, the run, both panes filled) until the main window is drawn and idle.
void BM_DesktopCloseAndAnalyze(benchmark::State& state) {
  for (auto _ : state) {
    TestProgram p;
    jrv::GeneratorFields fields;
    fields.num_cases = "9999";
    fields.num_items = "100";
    jrv::RandomState rng;
    if (!jrv::generate_data(fields, p.session().doc, p.session().ws, rng).ok()) {
      state.SkipWithError("the generator refused the test");
      return;
    }
    p.map().show();
    QCoreApplication::processEvents();
    QElapsedTimer clock;
    p.prompter.modal_actions.push_back({"TEditForm", [&](QDialog& d) {
                                          clock.start();
                                          static_cast<jrv::ui::TEditForm&>(d).btn_done->click();
                                        }});
    p.map().rdo_edit_data->setChecked(true);
    p.map().btn_gotodata->click();
    QCoreApplication::processEvents();
    state.SetIterationTime(seconds(clock));
    if (!p.prompter.messages.isEmpty() || p.map().memo_results->document()->blockCount() < 9999) {
      state.SkipWithError("the analysis did not fill the panes");
      return;
    }
  }
}
// Each run needs a fresh program and test: a few runs, each repetition its own median.
BENCHMARK(BM_DesktopCloseAndAnalyze)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// The offscreen platform warns about every window it cannot size as asked.
void quiet_platform(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtWarningMsg && text.contains("propagateSizeHints")) return;
  if (type == QtWarningMsg && text.contains("XDG_RUNTIME_DIR")) return;
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

}  // namespace

int main(int argc, char** argv) {
  jrv::process::tune_heap_for_large_runs();  // as the program does
  // Windows are drawn into memory: the figures do not depend on a display being there.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(quiet_platform);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
