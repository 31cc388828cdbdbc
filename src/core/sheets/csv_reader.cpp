#include "core/sheets/csv_reader.h"

#include <algorithm>
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

  // The cells stay where they lie in the text: a quoted field is rewritten in its own
  // place, which its quotes leave room for.
  std::string& buffer = !decoded.empty() && text.data() == decoded.data() ? decoded : bytes;
  char* const base = buffer.data();
  char* p = base + (text.data() - buffer.data());
  char* const end = p + text.size();
  CellTable table;
  // A cell that is kept takes a byte and a delimiter at least.
  table.reserve(text.size() / 2 + 1, 0);
  std::array<bool, 256> ends_field{};
  for (char c : {delimiter, '\n', '\r'}) ends_field[static_cast<unsigned char>(c)] = true;
  const auto field_end = [&](char* f) {
    while (f < end && !ends_field[static_cast<unsigned char>(*f)]) ++f;
    return f;
  };

  std::uint32_t row = 0, column = 0;
  std::vector<CellRef> cells(64);  // of the row being read: the first n
  std::size_t n = 0;
  std::size_t room = CellTable::kMaxCells;  // cells the row may take before a limit is near
  const auto add_row = [&] {
    table.add_row(row, std::span(cells.data(), n));
    n = 0;
    room = row < CellTable::kMaxRows ? CellTable::kMaxCells - table.cell_count() : 0;
  };
  // The rare ways out of the loop below: a longer row, a long cell, a limit near.
  const auto keep_rare = [&](std::uint32_t offset, std::size_t size) {
    if (size >= CellTable::kLongCell) table.add_long(offset, size);
    if (n == cells.size()) cells.resize(2 * n);
  };
  while (p < end) {
    // One field.
    char* start = p;
    char* stop;
    if (*p == '"') {
      stop = p++;
      for (;;) {
        char* q = static_cast<char*>(std::memchr(p, '"', end - p));
        if (q == nullptr)
          throw SheetError(cell_position(row, column) +
                           ": a quoted field is not closed before the end of the file");
        std::memmove(stop, p, q - p);
        stop += q - p;
        p = q + 1;
        if (p < end && *p == '"') {
          *stop++ = '"';
          ++p;
          continue;
        }
        break;
      }
      // Text after the closing quote (not RFC 4180, but written by hand) is kept.
      char* s = p;
      p = field_end(p);
      std::memmove(stop, s, p - s);
      stop += p - s;
    } else {
      p = field_end(p);
      stop = p;
    }
    if (stop != start) {
      const auto offset = static_cast<std::uint32_t>(start - base);
      const auto size = static_cast<std::size_t>(stop - start);
      if (size >= CellTable::kLongCell || n == cells.size()) keep_rare(offset, size);
      cells[n++] = {offset, static_cast<std::uint16_t>(column),
                    static_cast<std::uint16_t>(std::min<std::size_t>(size, CellTable::kLongCell))};
      if (n > room) add_row();  // refused at this cell, as the limits are
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
    add_row();
    ++row;
    column = 0;
    if (row >= CellTable::kMaxRows) room = 0;
  }
  add_row();
  table.use_text(std::move(buffer));
  table.finish();
  return table;
}

}  // namespace jrv
