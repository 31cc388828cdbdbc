#pragma once
// A large test built straight into a workspace (no generator, no editor): examinees with
// spread-out abilities answering items of mixed option counts (2 to 8), with excluded
// items, items with alternative answers, a key-9 item and some missing answers. Used by
// the timing runs and by the checks that a full-size run stays finite.

#include <cstdint>
#include <random>
#include <string>

#include "core/workspace/workspace.h"

namespace jrv::testing {

inline Workspace make_large_test(int cases = 9999, int items = 100, unsigned seed = 20240) {
  Workspace ws;
  std::mt19937 rng(seed);
  ws.title = "Large generated test";
  ws.num_cases = cases;
  ws.num_items = items;
  ws.label_length = 5;
  ws.cases.resize(static_cast<std::size_t>(cases));
  ws.responses.resize(static_cast<std::size_t>(cases));
  ws.case_pc_points.resize(static_cast<std::size_t>(cases), 0);
  ws.included_count = 0;
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::array<double, kMaxItems + 1> easiness{};
  for (int j = 1; j <= items; ++j) {
    const auto ju = static_cast<std::size_t>(j);
    const int options = 2 + (j * 5) % 7;  // 2..8, mixed
    ws.option_values[ju] = options;
    ws.key_values[ju] =
        j % 37 == 0 ? 9 : 1 + static_cast<int>(rng() % static_cast<unsigned>(options));
    ws.include_flags[ju] = j % 23 == 0 ? 0 : j % 11 == 0 ? 2 : 1;
    ws.correct_answers[ju].fill(ws.key_values[ju]);
    if (ws.include_flags[ju] == 2) ws.correct_answers[ju][2] = 1 + (ws.key_values[ju] % options);
    ws.included_count += ws.include_flags[ju] != 0;
    ws.items[ju].item_number = j;
    ws.max_options_used = std::max(ws.max_options_used, options);
    easiness[ju] = unit(rng) * 3.0 - 1.5;
  }
  for (int i = 1; i <= cases; ++i) {
    const auto iu = static_cast<std::size_t>(i);
    auto& c = ws.cases[iu];
    c.case_number = i;
    c.label = "S" + std::to_string(10000 + i).substr(1);
    const double ability = unit(rng) * 4.0 - 2.0;
    for (int j = 1; j <= items; ++j) {
      const auto ju = static_cast<std::size_t>(j);
      const double p_right = 1.0 / (1.0 + std::exp(-(ability + easiness[ju])));
      const double u = unit(rng);
      std::uint8_t code;
      if (u < 0.01)
        code = 9;  // missing
      else if (u < p_right)
        code = static_cast<std::uint8_t>(ws.key_values[ju] == 9 ? 1 : ws.key_values[ju]);
      else
        code = static_cast<std::uint8_t>(1 + rng() % static_cast<unsigned>(ws.option_values[ju]));
      ws.responses[iu][ju] = code;
    }
  }
  return ws;
}

}  // namespace jrv::testing
