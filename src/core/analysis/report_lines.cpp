#include "core/analysis/report_lines.h"

#include "core/text/format.h"

namespace jrv {

void add_banner(Lines& out, char c, std::size_t width, std::string_view caption) {
  out.push_back(repeat(c, width));
  out.emplace_back(caption);
  out.push_back(repeat(c, width));
}

std::string title_line(std::string_view title) {
  return cut("\tTITLE:   " + std::string(title), 79);
}

std::string comment_line(std::string_view comments) {
  return cut("\tCOMMENT: " + std::string(comments), 79);
}

std::string item_name(int number) {
  if (number < 10) return "Item 0" + int_str(number);
  if (number < 100) return "Item " + int_str(number);
  return "Item" + int_str(number);
}

std::vector<int> included_items(const Workspace& ws) {
  std::vector<int> out;
  for (int j = 1; j <= ws.num_items; ++j)
    if (ws.include_flags[static_cast<std::size_t>(j)] > 0) out.push_back(j);
  return out;
}

std::vector<int> excluded_items(const Workspace& ws) {
  std::vector<int> out;
  for (int j = 1; j <= ws.num_items; ++j)
    if (ws.include_flags[static_cast<std::size_t>(j)] == 0) out.push_back(j);
  return out;
}

std::string excluded_items_line(const std::vector<int>& numbers) {
  std::string line = "Items Excluded from Analysis:  ";
  for (std::size_t i = 0; i < numbers.size(); ++i) line += (i ? ", " : "") + int_str(numbers[i]);
  return line;
}

std::string signed_column(double v, int decimals, std::size_t blanks) {
  std::string text = fixed(v, decimals);
  const std::size_t pad = !text.empty() && text[0] == '-' && blanks > 0 ? blanks - 1 : blanks;
  return repeat(' ', pad) + text;
}

double ratio(double a, double b) {
  return b == 0 ? 0.0 : a / b;
}

}  // namespace jrv
