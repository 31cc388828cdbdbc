// The older ways a test comes in, on 9999 examinees x 100 items: a version-6 input file
// opened and checked, the same test as versions 5, 4 and 3 through the import, a text file
// of key and data lines inserted into the editor, and the two-card images of a scoring
// service pasted into the data window.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/input/card_import.h"
#include "core/input/editor_actions.h"
#include "core/input/input_file_reader.h"
#include "core/input/legacy_readers.h"
#include "core/input/text_inserts.h"
#include "core/text/text_file.h"

namespace {

constexpr int kCases = 9999, kItems = 100;

char answer(int examinee, int item) {
  return static_cast<char>('1' + (examinee * 7 + item * 3 + examinee / 5) % 5);
}

std::string answers_of(int examinee) {
  std::string s;
  for (int j = 0; j < kItems; ++j) s += answer(examinee, j);
  return s;
}

std::string label_of(int examinee) {
  return "S" + std::to_string(10000 + examinee).substr(1);
}

// The lines of a version-6 file; `version` 5, 4 and 3 leave out what they did not know
// (the marker line, partial credit, and in version 3 the group percentages).
jrv::Lines input_file(int version) {
  jrv::Lines l;
  if (version == 6) l.emplace_back("JRV: Orvandel (version 6)");
  l.emplace_back("Title         = Benchmark test");
  l.emplace_back("Comments      = ");
  l.push_back("# Examinees   = " + std::to_string(kCases));
  l.push_back("# Items       = " + std::to_string(kItems));
  l.emplace_back("Missing Data  = 9");
  l.emplace_back("Not reached   = x");
  l.emplace_back("Label Length  = 5");
  l.push_back("Answer Key    = " + answers_of(0));
  l.push_back("# Options     = " + std::string(kItems, '5'));
  l.push_back("Item Analyzed = " + std::string(kItems, 'Y'));
  if (version >= 4) {
    l.emplace_back("High Group D% = 27.0");
    l.emplace_back("Low Group D%  = 27.0");
  }
  if (version >= 5) {
    l.emplace_back("Partial Credit= NO");
    l.emplace_back("MC Points     = NO");
  }
  for (int i = 1; i <= kCases; ++i) l.push_back(label_of(i) + answers_of(i));
  l.emplace_back("# Grades      = 0");
  if (version >= 4) {
    l.emplace_back("#Alternatives = 0");
    l.emplace_back("#Content Areas= 0");
    l.emplace_back("#Cognitives   = 0");
  }
  return l;
}

std::filesystem::path written(const std::string& name, const jrv::Lines& lines) {
  const auto path = std::filesystem::temp_directory_path() / ("jrv_bench_" + name);
  jrv::write_lines(path, lines);
  return path;
}

// Opening or importing the file and closing the editor to analyse, as a run begins.
void BM_OpenAndCheck(benchmark::State& state) {
  const int version = static_cast<int>(state.range(0));
  const auto path = written("v" + std::to_string(version) + ".jrv", input_file(version));
  for (auto _ : state) {
    jrv::EditorDocument doc;
    jrv::Workspace ws;
    const jrv::OpenResult read = version == 6 ? jrv::open_input_file(path, doc, ws)
                                              : jrv::open_legacy_input_file(version, path, doc, ws);
    const jrv::EditorExit exit =
        jrv::leave_editor(doc, ws, jrv::EditorExitButton::close_and_analyze, "");
    if (!read.read || !exit.accepted) {
      state.SkipWithError("the test was not read");
      break;
    }
    benchmark::DoNotOptimize(ws.responses.size());
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_OpenAndCheck)->Arg(6)->Arg(5)->Arg(4)->Arg(3)->Unit(benchmark::kMillisecond);

// "Insert data and key from a text file": the key line, then one line per examinee.
void BM_InsertDataAndKeyFile(benchmark::State& state) {
  jrv::Lines lines{answers_of(0)};
  for (int i = 1; i <= kCases; ++i) lines.push_back(label_of(i) + answers_of(i));
  const auto path = written("data.txt", lines);
  for (auto _ : state) {
    jrv::EditorDocument doc;
    const jrv::CheckResult r = jrv::insert_data_and_key_file(doc, path);
    benchmark::DoNotOptimize(doc.editor.data_lines.data());
    if (!r.ok()) state.SkipWithError("the file was refused");
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_InsertDataAndKeyFile)->Unit(benchmark::kMillisecond);

// Two 80-column cards per examinee, the key first: the label and 36 answers with "1" in
// column 80, then an identification and the other 64 answers with "2".
void BM_CardImport(benchmark::State& state) {
  jrv::EditorDocument pasted;
  pasted.editor.items = std::to_string(kItems);
  for (int i = 0; i <= kCases; ++i) {
    const std::string answers = answers_of(i);
    std::string label = "Examinee " + std::to_string(i);
    label.resize(43, ' ');
    pasted.editor.data_lines.push_back(label + answers.substr(0, 36) + "1");
    std::string second = label.substr(0, 10) + answers.substr(36);
    second.resize(79, ' ');
    pasted.editor.data_lines.push_back(second + "2");
  }
  for (auto _ : state) {
    state.PauseTiming();
    jrv::EditorDocument doc = pasted;
    state.ResumeTiming();
    const jrv::CheckResult r = jrv::import_card_images(doc);
    benchmark::DoNotOptimize(doc.editor.data_lines.data());
    if (!r.ok()) state.SkipWithError("the cards were refused");
  }
}
BENCHMARK(BM_CardImport)->Unit(benchmark::kMillisecond);

}  // namespace
