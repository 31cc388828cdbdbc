// Arbitrary typed texts through the data editor's check: the first byte picks the editor's
// switches, then the lines are title, comments, cases, items, label length, key, options,
// include, and the data lines. The check never crashes, never changes the data lines, and a
// test it accepts is loaded consistently.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/input/alternative_answers.h"
#include "core/input/editor_check.h"
#include "core/input/rulers.h"
#include "core/text/encoding.h"
#include "core/text/text_file.h"

namespace {

std::string take(jrv::Lines& lines, std::size_t& next) {
  return next < lines.size() ? std::move(lines[next++]) : std::string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t switches = data[0];
  jrv::Lines lines =
      jrv::split_lines(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
  std::size_t next = 0;
  jrv::EditorDocument doc;
  jrv::Workspace ws;
  ws.pc_enabled = switches & 1;
  ws.right_wrong_mode = switches & 2;
  ws.max_options = switches & 4 ? 5 : 8;
  ws.max_cases = switches & 8 ? 50 : 9999;
  auto& f = doc.editor;
  f.title = take(lines, next);
  f.comments = take(lines, next);
  f.cases = take(lines, next);
  f.items = take(lines, next);
  f.label_length = take(lines, next);
  f.answer_key = take(lines, next);
  f.options = take(lines, next);
  f.include = take(lines, next);
  while (next < lines.size()) f.data_lines.push_back(take(lines, next));

  (void)jrv::items_changed(f.label_length, f.items);
  (void)jrv::label_length_changed(f.label_length, f.items);

  const auto typed_lines = f.data_lines;
  const jrv::CheckResult r = jrv::ReadEditorData(doc, ws);
  if (f.data_lines != typed_lines) std::abort();
  if (r.failed) {
    if (r.messages.empty() || r.focus.empty()) std::abort();
  } else {
    const int n = ws.num_items, cases = ws.num_cases;
    if (n < 1 || n > 100 || cases < 1 || cases > ws.max_cases) std::abort();
    if (static_cast<std::size_t>(cases) != f.data_lines.size()) std::abort();
    if (ws.included_count < 1 || ws.responses.size() != static_cast<std::size_t>(cases))
      std::abort();
    for (int j = 1; j <= n; ++j) {
      const int key = ws.key_values[j];
      if (key < 0 || key > 9 || (key > ws.max_options && key != 9)) std::abort();
      if (ws.option_values[j] < 1 || ws.option_values[j] > ws.max_options) std::abort();
    }
    for (int i = 1; i <= cases; ++i) {
      if (jrv::char_count(ws.cases[i].label) > static_cast<std::size_t>(ws.label_length))
        std::abort();
      if (ws.case_pc_points[i] < 0 || ws.case_pc_points[i] > 99) std::abort();
      for (int j = 1; j <= n; ++j)
        if (ws.responses[i][j] > 9) std::abort();
    }
  }

  // The alternative answers work from the same texts.
  const jrv::AltSetup setup = jrv::set_up_alternative_answers(doc, ws);
  if (setup.show_window) {
    for (auto& row : doc.alternatives.rows) row[3] = f.title.substr(0, 2);
    try {
      (void)jrv::confirm_alternative_answers(doc, ws);
    } catch (const std::exception&) {
    }
  }
  return 0;
}
