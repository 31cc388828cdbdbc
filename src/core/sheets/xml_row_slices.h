#pragma once
// A large sheet part parsed a slice of rows at a time. Its tree, of several nodes per cell,
// would take several times the size of the XML; cut after a row's end tag, each slice is
// parsed alone by pugixml into a small tree that is reused, and the part is expanded from
// the archive as it is parsed rather than held whole.

#include <functional>
#include <string_view>

#include <pugixml.hpp>

#include "core/sheets/zip_archive.h"

namespace jrv {

// Finds the element holding the rows in a parsed part (for XLSX worksheet/sheetData).
using RowContainer = std::function<pugi::xml_node(const pugi::xml_document&)>;
// Reads the element children named as rows of `parent`, in order; any others are skipped.
using RowReader = std::function<void(const pugi::xml_node& parent)>;

// Gives every row of the part to `read`, in document order, and returns true. Returns false
// when the part is not a plain list of rows in its container or a slice is not well-formed,
// and also when `read` throws SheetError: the caller then discards what was read and parses
// the part whole, which tells what is wrong exactly as it would have without the slices.
// Throws SheetError only for the archive (damaged, past its limit).
bool read_rows_in_slices(ZipArchive::Entry& entry, std::string_view row_name,
                         const RowContainer& container, const RowReader& read);

}  // namespace jrv
