#include "core/export/csv_file.h"

#include "core/text/text_file.h"

namespace jrv {

std::vector<std::string> csv_lines(const CsvRows& rows) {
  std::vector<std::string> lines;
  lines.reserve(rows.size());
  for (const auto& row : rows) {
    std::string line;
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (i > 0) line += ',';
      const std::string& v = row[i];
      if (v.find_first_of(",\"\r\n") == std::string::npos &&
          (v.empty() || (v.front() != ' ' && v.back() != ' '))) {
        line += v;
        continue;
      }
      line += '"';
      for (char c : v) {
        if (c == '"') line += '"';
        line += c;
      }
      line += '"';
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

std::string csv_file_bytes(const CsvRows& rows) {
  std::string bytes = "\xEF\xBB\xBF";
  for (const auto& line : csv_lines(rows)) bytes += line + "\r\n";
  return bytes;
}

void write_csv_file(const std::filesystem::path& path, const CsvRows& rows) {
  write_bytes(path, csv_file_bytes(rows));
}

}  // namespace jrv
