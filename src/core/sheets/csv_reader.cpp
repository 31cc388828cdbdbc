#include "core/sheets/csv_reader.h"

#include <cstring>
#include <string>

#include "core/text/encoding.h"

namespace jrv {

char detect_delimiter(std::string_view text) {
  std::size_t comma = 0, semicolon = 0, tab = 0;
  bool quoted = false;
  for (char c : text) {
    if (c == '"') {
      quoted = !quoted;
    } else if (!quoted) {
      if (c == '\n' || c == '\r') break;
      comma += c == ',';
      semicolon += c == ';';
      tab += c == '\t';
    }
  }
  if (tab > comma && tab >= semicolon) return '\t';
  if (semicolon > comma) return ';';
  return ',';
}

namespace {

void refuse_binary(std::string_view bytes) {
  if (bytes.starts_with("PK\x03\x04"))
    throw SheetError(
        "the file is a zipped workbook (XLSX or ODS), not comma- or tab-separated text");
  if (bytes.starts_with("\xD0\xCF\x11\xE0"))
    throw SheetError("the file is an encrypted or old-style binary workbook, not separated text");
  if (std::memchr(bytes.data(), '\0', bytes.size()) != nullptr)
    throw SheetError("the file holds binary data, not comma- or tab-separated text");
}

}  // namespace

CellTable read_delimited(std::string_view bytes, char delimiter) {
  refuse_binary(bytes);
  std::string decoded;
  const std::string_view text = decode_text_view(bytes, decoded);
  if (delimiter == 0) delimiter = detect_delimiter(text);

  CellTable table;
  // A cell that is kept takes a byte and a delimiter at least.
  table.reserve(text.size() / 2 + 1, text.size());
  std::uint32_t row = 0, column = 0;
  std::string field;  // only for quoted fields, whose text differs from the bytes
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p < end) {
    // One field.
    if (*p == '"') {
      field.clear();
      ++p;
      for (;;) {
        const char* q = static_cast<const char*>(std::memchr(p, '"', end - p));
        if (q == nullptr)
          throw SheetError(cell_position(row, column) +
                           ": a quoted field is not closed before the end of the file");
        field.append(p, q);
        p = q + 1;
        if (p < end && *p == '"') {
          field.push_back('"');
          ++p;
          continue;
        }
        break;
      }
      // Text after the closing quote (not RFC 4180, but written by hand) is kept.
      const char* s = p;
      while (p < end && *p != delimiter && *p != '\n' && *p != '\r') ++p;
      field.append(s, p);
      table.add(row, column, field);
    } else {
      const char* s = p;
      while (p < end && *p != delimiter && *p != '\n' && *p != '\r') ++p;
      table.add(row, column, std::string_view(s, p - s));
    }
    // What ends it.
    if (p == end) break;
    if (*p == delimiter) {
      ++p;
      ++column;
      if (column >= CellTable::kMaxColumns)
        throw SheetError(cell_position(row, column) + ": the row has more columns than a sheet");
      continue;
    }
    if (*p == '\r' && p + 1 < end && p[1] == '\n') ++p;
    ++p;
    ++row;
    column = 0;
  }
  table.finish();
  return table;
}

}  // namespace jrv
