#pragma once
// Small hand-made tests loaded straight into a workspace, as the editor's check would load
// them: one digit per item in the key, the options and the data lines ("Y", "A" or "N"
// per item in the include codes; a blank response is missing, code 9).

#include <string>
#include <vector>

#include "core/workspace/workspace.h"

namespace jrv::testing {

struct TestDefinition {
  std::string key;
  std::vector<std::string> lines;  // label characters, then one response per item
  std::string include;             // empty: every item "Y"
  std::string options;             // empty: 4 options per item
  int label_length = 0;
  std::vector<std::vector<int>> alternatives;  // per item with code "A": the accepted codes
  std::vector<int> pc_points;                  // per examinee, with partial credit
};

inline Workspace load(const TestDefinition& t) {
  Workspace ws;
  const int n_items = static_cast<int>(t.key.size());
  const int n = static_cast<int>(t.lines.size());
  ws.num_items = n_items;
  ws.num_cases = n;
  ws.label_length = t.label_length;
  ws.answer_key = t.key;
  ws.cases.resize(static_cast<std::size_t>(n));
  ws.responses.resize(static_cast<std::size_t>(n));
  ws.case_pc_points.resize(static_cast<std::size_t>(n), 0);
  std::size_t alt = 0;
  ws.included_count = 0;
  for (int j = 1; j <= n_items; ++j) {
    const auto ju = static_cast<std::size_t>(j);
    const char code = t.include.empty() ? 'Y' : t.include[ju - 1];
    ws.key_values[ju] = t.key[ju - 1] - '0';
    ws.option_values[ju] = t.options.empty() ? 4 : t.options[ju - 1] - '0';
    ws.include_flags[ju] = code == 'N' ? 0 : code == 'A' ? 2 : 1;
    ws.correct_answers[ju].fill(ws.key_values[ju]);
    if (code == 'A') {
      const auto& accepted = t.alternatives.at(alt++);
      for (std::size_t s = 1; s <= kAnswerSlots; ++s)
        ws.correct_answers[ju][s] = s <= accepted.size() ? accepted[s - 1] : accepted[0];
    }
    ws.included_count += ws.include_flags[ju] != 0;
    ws.items[ju].item_number = j;
    ws.max_options_used = std::max(ws.max_options_used, ws.option_values[ju]);
  }
  for (int i = 1; i <= n; ++i) {
    const auto iu = static_cast<std::size_t>(i);
    const std::string& line = t.lines[iu - 1];
    ws.cases[iu].case_number = i;
    ws.cases[iu].label = line.substr(0, static_cast<std::size_t>(t.label_length));
    for (int j = 1; j <= n_items; ++j) {
      const auto pos = static_cast<std::size_t>(t.label_length + j - 1);
      const char c = pos < line.size() ? line[pos] : ' ';
      ws.responses[iu][static_cast<std::size_t>(j)] =
          static_cast<std::uint8_t>(c >= '0' && c <= '9' ? c - '0' : 9);
    }
    if (!t.pc_points.empty()) ws.case_pc_points[iu] = t.pc_points[iu - 1];
  }
  return ws;
}

// Examinees with the given raw scores on a test of k items keyed 1: score s answers the
// first s items right and the rest with option 2.
inline TestDefinition by_scores(const std::vector<int>& scores, int k) {
  TestDefinition t;
  t.key = std::string(static_cast<std::size_t>(k), '1');
  for (int s : scores)
    t.lines.push_back(std::string(static_cast<std::size_t>(s), '1') +
                      std::string(static_cast<std::size_t>(k - s), '2'));
  return t;
}

}  // namespace jrv::testing
