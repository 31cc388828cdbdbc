#pragma once
// The data editor's comma-delimited exports: the loaded data as right-wrong (0/1) values
// or as raw option digits, one line per examinee under a column header and the key.

#include <string>
#include <string_view>

#include "core/text/text_file.h"
#include "core/workspace/workspace.h"

namespace jrv {

// "Examinee,Item01,...,Item09,Item10,..." for items 1..num_items.
std::string item_column_header(int num_items);

// 1 when `response` is one of the item's accepted answers or every answer counts (key 9).
bool response_is_right(const Workspace& ws, int item, int response);

// The raw export: the key values and responses loaded by the last check (9 = missing).
Lines comma_raw_lines(const Workspace& ws);

// The 0/1 export of a loaded test: key all 1, each response 1 when right. The workspace and
// the editor keep the coding they had.
Lines comma_01_lines(const Workspace& ws);

// Names proposed by the save dialog.
std::string comma_01_proposed_name(std::string_view map_name);
std::string comma_raw_proposed_name(std::string_view map_name);

}  // namespace jrv
