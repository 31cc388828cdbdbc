#pragma once
// Comma-, semicolon- and tab-separated text (RFC 4180): quoted fields may hold the
// delimiter, doubled quotes and line breaks. The bytes are UTF-8 with or without a
// byte-order mark, or Windows-1252 when they are not valid UTF-8.

#include <string>
#include <string_view>

#include "core/sheets/cell_table.h"

namespace jrv {

// 0 detects the delimiter from the first record: whichever of tab, semicolon and comma
// appears most often outside quotes (a comma on a tie or when none appears).
char detect_delimiter(std::string_view utf8);

// Throws SheetError (naming row and column, not the file) for binary data or a quoted
// field that never closes. The table keeps the bytes as its text.
CellTable read_delimited(std::string bytes, char delimiter = 0);

}  // namespace jrv
