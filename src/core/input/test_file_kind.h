#pragma once
// Which reader a file handed to the program (on its command line, dropped on it, from the
// recent list) goes to.

#include <filesystem>

namespace jrv {

enum class TestFileKind {
  version6,     // starts with the version-6 marker: "Open JRV File"
  older,        // anything else: the chooser of the version that wrote it
  spreadsheet,  // .csv .tsv .xlsx .xls .ods by name: the spreadsheet import
};

// Reads at most the first line. A file that cannot be read counts as `older`: its reader
// then reports why.
TestFileKind test_file_kind(const std::filesystem::path& path);

}  // namespace jrv
