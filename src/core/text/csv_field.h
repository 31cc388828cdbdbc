#pragma once
// One field of a comma-delimited line. A text holding a comma, a double quote or a line
// break is quoted and its quotes doubled, so a spreadsheet keeps it in one column; any
// other text is written as it is, so files without such texts stay as they always were.

#include <string>
#include <string_view>

namespace jrv {

std::string csv_field(std::string_view text);

}  // namespace jrv
