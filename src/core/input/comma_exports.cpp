#include "core/input/comma_exports.h"

#include <algorithm>

#include "core/text/csv_field.h"
#include "core/text/format.h"

namespace jrv {

namespace {

int item_count(const Workspace& ws) {
  return std::clamp(ws.num_items, 0, kMaxItems);
}

// Labels by input position, whatever order the examinee table is in.
std::vector<std::string_view> labels_by_position(const Workspace& ws) {
  const int n = std::clamp(ws.num_cases, 0, static_cast<int>(ws.cases.size()));
  std::vector<std::string_view> out(static_cast<std::size_t>(n));
  for (int i = 1; i <= n; ++i) {
    const auto& c = ws.cases[static_cast<std::size_t>(i)];
    if (c.case_number >= 1 && c.case_number <= n)
      out[static_cast<std::size_t>(c.case_number) - 1] = c.label;
  }
  return out;
}

template <class Value>
Lines comma_lines(const Workspace& ws, Value value_of) {
  const int k = item_count(ws);
  Lines out{item_column_header(k)};
  std::string key = "Answer Key          ";
  for (int j = 1; j <= k; ++j) {
    key += ',';
    key += int_str(value_of(j, -1));
  }
  out.push_back(std::move(key));
  const auto labels = labels_by_position(ws);
  for (std::size_t i = 1; i <= labels.size() && i <= ws.responses.size(); ++i) {
    std::string line = csv_field(labels[i - 1]);
    line.reserve(line.size() + 2 * static_cast<std::size_t>(k));
    for (int j = 1; j <= k; ++j) {
      line += ',';
      line += static_cast<char>('0' + value_of(j, ws.responses[i][static_cast<std::size_t>(j)]));
    }
    out.push_back(std::move(line));
  }
  return out;
}

std::string proposed(std::string_view map_name, std::string_view suffix,
                     std::string_view fallback) {
  if (map_name.empty() || map_name == "UNSAVED") return std::string(fallback);
  return std::string(map_name) + std::string(suffix);
}

}  // namespace

std::string item_column_header(int num_items) {
  std::string s = "Examinee";
  for (int j = 1; j <= num_items; ++j) {
    s += j <= 9 ? ",Item0" : ",Item";
    s += int_str(j);
  }
  return s;
}

bool response_is_right(const Workspace& ws, int item, int response) {
  const auto j = static_cast<std::size_t>(item);
  if (ws.key_values[j] == 9) return true;
  if (ws.include_flags[j] != 2) return response == ws.key_values[j];
  for (int s = 1; s <= kAnswerSlots; ++s)
    if (ws.correct_answers[j][static_cast<std::size_t>(s)] == response) return true;
  return false;
}

// value_of(item, -1) is the key column's value; otherwise that of a response.
Lines comma_raw_lines(const Workspace& ws) {
  return comma_lines(ws, [&](int j, int r) {
    return r < 0 ? ws.key_values[static_cast<std::size_t>(j)] : std::clamp(r, 0, 9);
  });
}

Lines comma_01_lines(const Workspace& ws) {
  return comma_lines(ws, [&](int j, int r) { return r < 0 ? 1 : response_is_right(ws, j, r); });
}

std::string comma_01_proposed_name(std::string_view map_name) {
  return proposed(map_name, "_01_data", "data_01");
}

std::string comma_raw_proposed_name(std::string_view map_name) {
  return proposed(map_name, "_raw_data", "data_raw");
}

}  // namespace jrv
