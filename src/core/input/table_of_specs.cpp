#include "core/input/table_of_specs.h"

#include <algorithm>
#include <initializer_list>

#include "core/text/convert.h"
#include "core/text/format.h"

namespace jrv {

namespace {

constexpr int kGridCells = 102;

void empty_names_from(std::array<std::string, kMaxSpecAreas + 1>& names, int count) {
  for (int i = std::max(count + 1, 1); i <= kMaxSpecAreas; ++i)
    names[static_cast<std::size_t>(i)].clear();
}

int clamp_count(int count) {
  return std::clamp(count, 0, kMaxSpecAreas);
}

void set_names(std::array<std::string, kMaxSpecAreas + 1>& names,
               std::initializer_list<const char*> list) {
  std::size_t i = 1;
  for (const char* n : list) names[i++] = n;
  for (; i <= kMaxSpecAreas; ++i) names[i].clear();
}

std::string cell_text(int value) {
  return value == 0 ? std::string() : int_str(value);
}

// One cell of an item grid: an empty cell is 0; otherwise a whole number 0..count.
void take_cell(const std::string& cell, int count, int item, const char* what, std::int32_t& target,
               CheckResult& r) {
  const auto text = trim(cell);
  if (text.empty()) {
    target = 0;
    return;
  }
  const auto v = parse_int(text);
  if (!v) {
    r.inform(std::string("One of your ") + what + " is not an integer -- check item #" +
             int_str(item));
    return;
  }
  if (*v < 0 || *v > count) {
    r.inform(std::string("One of your ") + what + " is out of range -- check item #" +
             int_str(item));
    return;
  }
  target = *v;
}

}  // namespace

void choose_content_area_count(SpecTableFields& window, Workspace& ws, int count) {
  count = clamp_count(count);
  window.content_count = count;
  ws.content_area_count = count;
  empty_names_from(window.content_names, count);
}

void choose_cognitive_level_count(SpecTableFields& window, Workspace& ws, int count) {
  count = clamp_count(count);
  window.cognitive_count = count;
  ws.cognitive_level_count = count;
  empty_names_from(window.skill_names, count);
}

void use_taxonomy(SpecTableFields& window, Workspace& ws, Taxonomy taxonomy) {
  auto& names = window.skill_names;
  switch (taxonomy) {
    case Taxonomy::popham:
      choose_cognitive_level_count(window, ws, 2);
      set_names(names, {"Recall", "Beyond Recall"});
      break;
    case Taxonomy::bloom:
      choose_cognitive_level_count(window, ws, 6);
      set_names(names, {"Knowledge", "Comprehension", "Application", "Analysis", "Synthesis",
                        "Evaluation"});
      break;
    case Taxonomy::gagne:
      choose_cognitive_level_count(window, ws, 6);
      set_names(names, {"Verbal Information", "Discriminations", "Concrete Concepts",
                        "Defined Concepts", "Rules", "Higher Order Rules"});
      break;
    case Taxonomy::oosterhof:
      choose_cognitive_level_count(window, ws, 5);
      set_names(names, {"Declarative Knowledge", "Discriminations", "Concepts", "Rules",
                        "Complex Skills"});
      break;
  }
}

void use_default_specifications(SpecTableFields& window, Workspace& ws, int item_count) {
  choose_content_area_count(window, ws, 2);
  set_names(window.content_names, {"Chapter 1", "Chapter 2"});
  use_taxonomy(window, ws, Taxonomy::popham);
  const int k = std::clamp(item_count, 0, kMaxItems);
  const int quarter = k / 4, half = k / 2, three_quarters = k - k / 4;
  for (int i = 1; i <= kGridCells; ++i) {
    auto& area = window.area_cells[static_cast<std::size_t>(i)];
    auto& level = window.level_cells[static_cast<std::size_t>(i)];
    if (i > k) {
      area.clear();
      level.clear();
      continue;
    }
    area = i <= half ? "1" : "2";
    level = (i <= quarter || (i > half && i <= three_quarters)) ? "1" : "2";
  }
}

void reset_spec_table(SpecTableFields& window, Workspace& ws) {
  choose_content_area_count(window, ws, 0);
  choose_cognitive_level_count(window, ws, 0);
  window.content_names = {};
  window.skill_names = {};
  window.area_cells = {};
  window.level_cells = {};
}

SpecGridLayout spec_grid_layout(int item_count) {
  SpecGridLayout layout;
  const int k = std::clamp(item_count, 0, kMaxItems);
  for (int g = 0; g < 3 && k > g * kSpecGridColumns; ++g) {
    layout.grid_count = g + 1;
    layout.columns[static_cast<std::size_t>(g)] =
        std::min(kSpecGridColumns, k - g * kSpecGridColumns);
  }
  return layout;
}

SpecSave save_spec_table(const SpecTableFields& window, Workspace& ws, int item_count) {
  SpecSave out;
  ws.content_area_names = {};
  ws.cognitive_level_names = {};
  for (int i = 1; i <= ws.content_area_count; ++i) {
    const auto& field = window.content_names[static_cast<std::size_t>(i)];
    ws.content_area_names[static_cast<std::size_t>(i)] =
        field.empty() ? "Content Area " + int_str(i) : cut(field, kMaxSpecNameLength);
  }
  for (int i = 1; i <= ws.cognitive_level_count; ++i) {
    const auto& field = window.skill_names[static_cast<std::size_t>(i)];
    ws.cognitive_level_names[static_cast<std::size_t>(i)] =
        field.empty() ? "Cognitive Level " + int_str(i) : cut(field, kMaxSpecNameLength);
  }
  const int k = std::clamp(item_count, 0, kMaxItems);
  for (int i = 1; i <= k; ++i) {
    const auto cell = static_cast<std::size_t>(i);
    take_cell(window.area_cells[cell], ws.content_area_count, i, "Content Areas",
              ws.item_specs[cell].content_area, out.check);
    take_cell(window.level_cells[cell], ws.cognitive_level_count, i, "Cognitive Levels",
              ws.item_specs[cell].cognitive_level, out.check);
  }
  out.stay_open = !out.check.messages.empty();
  return out;
}

void show_spec_table(SpecTableFields& window, const Workspace& ws, int item_count) {
  window = SpecTableFields{};
  window.content_count = clamp_count(ws.content_area_count);
  window.cognitive_count = clamp_count(ws.cognitive_level_count);
  for (int i = 1; i <= window.content_count; ++i)
    window.content_names[static_cast<std::size_t>(i)] =
        ws.content_area_names[static_cast<std::size_t>(i)];
  for (int i = 1; i <= window.cognitive_count; ++i)
    window.skill_names[static_cast<std::size_t>(i)] =
        ws.cognitive_level_names[static_cast<std::size_t>(i)];
  if (window.content_count == 0 && window.cognitive_count == 0) return;
  const int k = std::clamp(item_count, 0, kMaxItems);
  for (int i = 1; i <= k; ++i) {
    const auto cell = static_cast<std::size_t>(i);
    window.area_cells[cell] = cell_text(ws.item_specs[cell].content_area);
    window.level_cells[cell] = cell_text(ws.item_specs[cell].cognitive_level);
  }
}

void clear_spec_table(Workspace& ws) {
  ws.content_area_count = 0;
  ws.cognitive_level_count = 0;
  ws.content_area_names = {};
  ws.cognitive_level_names = {};
  ws.item_specs.assign(kMaxItems, ItemSpec{});
}

}  // namespace jrv
