#pragma once
// The table-of-specifications section of the full results: included items grouped by
// content area, by cognitive level and by both, with their mean difficulty.

#include <string>
#include <string_view>
#include <vector>

#include "core/text/text_file.h"
#include "core/workspace/workspace.h"

namespace jrv {

// Appends the section; nothing when neither areas nor levels are defined.
void add_spec_analysis(Lines& out, const Workspace& ws);

// `text` cut into pieces for wrapped item lists: a boundary b (1-based character position)
// is used when the text is longer than b + 2; a piece extends over the next one or two
// characters to end on the comma that closes a number. Boundaries are first, first + step, ...
std::vector<std::string> wrap_item_list(std::string_view text, std::size_t first, std::size_t step);

}  // namespace jrv
