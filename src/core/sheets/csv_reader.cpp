#include "core/sheets/csv_reader.h"

#include <array>
#include <cstring>
#include <span>
#include <string>
#include <vector>

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

CellTable read_delimited(std::string bytes, char delimiter) {
  refuse_binary(bytes);
  std::string decoded;
  const std::string_view text = decode_text_view(bytes, decoded);
  if (delimiter == 0) delimiter = detect_delimiter(text);
  CellTable table;
  if (text.empty()) {  // a byte-order mark alone, say
    table.finish();
    return table;
  }

  // The cells' texts are moved up in the buffer, one after another, leaving out the
  // delimiters, quotes and line ends between them: the table keeps them there.
  std::string& buffer = !decoded.empty() && text.data() == decoded.data() ? decoded : bytes;
  char* const base = buffer.data();
  char* p = base + (text.data() - buffer.data());
  char* const end = p + text.size();
  char* out = base;  // where the next cell's text goes
  // A cell that is kept takes a byte and a delimiter at least.
  table.reserve(text.size() / 2 + 1, 0);
  // The text holds no NUL (refused above), so the string's closing NUL ends the last field
  // and the loop over a field's bytes need not look for the end of the text.
  buffer.resize(end - base);
  std::array<bool, 256> ends_field{};
  for (char c : {delimiter, '\n', '\r', '\0'}) ends_field[static_cast<unsigned char>(c)] = true;

  std::uint32_t row = 0, column = 0;
  // The cells of the row being read, [first, next); plain pointers, as the bytes
  // written below could otherwise be taken to change the vector.
  std::vector<CellTable::CellEnd> cells(64);
  CellTable::CellEnd* first = cells.data();
  CellTable::CellEnd* next = first;
  CellTable::CellEnd* last = first + cells.size();
  std::size_t room = CellTable::kMaxCells;  // cells the row may take before a limit is near
  // Gives the table the row's cells; returns the room left (a local, kept in a register).
  const auto add_row = [&table](std::uint32_t r, std::span<const CellTable::CellEnd> row) {
    table.add_row(r, row);
    return r < CellTable::kMaxRows ? CellTable::kMaxCells - table.cell_count() : 0;
  };
  while (p < end) {
    // One field.
    char* const start = out;
    if (*p == '"') {
      ++p;
      for (;;) {
        char* q = static_cast<char*>(std::memchr(p, '"', end - p));
        if (q == nullptr)
          throw SheetError(cell_position(row, column) +
                           ": a quoted field is not closed before the end of the file");
        std::memmove(out, p, q - p);
        out += q - p;
        p = q + 1;
        if (p < end && *p == '"') {
          *out++ = '"';
          ++p;
          continue;
        }
        break;
      }
      // Text after the closing quote (not RFC 4180, but written by hand) is kept.
    }
    while (!ends_field[static_cast<unsigned char>(*p)]) *out++ = *p++;
    if (out != start) {
      if (next == last) {
        const std::size_t n = cells.size();
        cells.resize(2 * n);
        first = cells.data();
        next = first + n;
        last = first + cells.size();
      }
      *next++ = {column, static_cast<std::uint32_t>(out - base)};
      if (static_cast<std::size_t>(next - first) > room) {
        room = add_row(row, std::span(first, next));  // refused at this cell, as the limits are
        next = first;
      }
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
    room = add_row(row, std::span(first, next));
    next = first;
    ++row;
    column = 0;
    if (row >= CellTable::kMaxRows) room = 0;
  }
  add_row(row, std::span(first, next));
  table.use_text(std::move(buffer));
  table.finish();
  return table;
}

}  // namespace jrv
