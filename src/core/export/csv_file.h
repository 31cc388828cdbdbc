#pragma once
// CSV files this program writes for spreadsheet programs: comma-separated, RFC 4180
// quoting, CR LF, UTF-8 with a byte-order mark so that accented names open right.

#include <filesystem>
#include <string>
#include <vector>

namespace jrv {

using CsvRows = std::vector<std::vector<std::string>>;

// One line per row, fields quoted where they hold a comma, a quote, a line break or
// leading or trailing blanks.
std::vector<std::string> csv_lines(const CsvRows& rows);

// The file's bytes: byte-order mark, then every line followed by CR LF.
std::string csv_file_bytes(const CsvRows& rows);

// Writes atomically; throws FileError.
void write_csv_file(const std::filesystem::path& path, const CsvRows& rows);

}  // namespace jrv
