#pragma once
// Input files written by versions 3, 4 and 5 of the program. They share the labelled-line
// convention of version 6 and fill the same fields and windows; only the layout differs.
// Nothing is written here: a file read this way is saved in the version-6 format.

#include <filesystem>

#include "core/input/input_file_reader.h"

namespace jrv {

// Versions 3, 4 and 5; anything else reads nothing.
bool is_legacy_version(int version);

// The body of an older file (there is no version marker to check).
void read_legacy_body(int version, InputReading& r);

// "Open JRV File" for an older version: begin, read the lines, read the body. A conversion
// error stops the reading with its message last; fields filled before keep their values.
OpenResult read_legacy_lines(int version, Lines lines, EditorDocument& doc, Workspace& ws);
OpenResult open_legacy_input_file(int version, const std::filesystem::path& path,
                                  EditorDocument& doc, Workspace& ws);

}  // namespace jrv
