#pragma once
// Small pieces shared by the report texts: banners, the title and comment lines, item
// names and the lists of item numbers.

#include <string>
#include <string_view>
#include <vector>

#include "core/text/text_file.h"
#include "core/workspace/workspace.h"

namespace jrv {

// A line of `width` copies of `c`, the caption, and the same line again.
void add_banner(Lines& out, char c, std::size_t width, std::string_view caption);

// "\tTITLE:   " + title and "\tCOMMENT: " + comments, each cut to 79 characters.
std::string title_line(std::string_view title);
std::string comment_line(std::string_view comments);

// "Item 07", "Item 17", "Item100".
std::string item_name(int number);

// The item numbers of the included (or excluded) items in item-number order.
std::vector<int> included_items(const Workspace& ws);
std::vector<int> excluded_items(const Workspace& ws);

// "Items Excluded from Analysis:  " + the numbers joined by ", ".
std::string excluded_items_line(const std::vector<int>& numbers);

// `blanks` blanks, then v with `decimals` decimals; a minus sign takes one of the blanks.
// Decided on the printed text: a tiny negative printed as "0.00" keeps its column.
std::string signed_column(double v, int decimals, std::size_t blanks);

// a / b, or 0 when b is 0: an empty group or a zero spread prints as 0.
double ratio(double a, double b);

// `count` copies of "@" (bars of the text charts).
inline std::string bar(int count) {
  return std::string(count > 0 ? count : 0, '@');
}

}  // namespace jrv
