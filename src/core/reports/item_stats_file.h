#pragma once
// The item statistics file: one comma-separated line per included item, for other software.

#include <filesystem>
#include <string_view>

#include "core/text/text_file.h"
#include "core/workspace/workspace.h"

namespace jrv {

// Header and one line per included item, in the item table's order (item-number order
// after a run). The sd_del column carries the standard deviation if the item is deleted,
// as the full results print it.
Lines item_stats_lines(const Workspace& ws);

// Puts the tables into input and item-number order and writes the file into `folder`, named
// after the test (base + "_item_stats.txt", or "item_stats.txt" while it is unsaved).
// Returns the path written; throws FileError.
std::filesystem::path save_item_stats(Workspace& ws, const std::filesystem::path& folder,
                                      std::string_view base);

}  // namespace jrv
