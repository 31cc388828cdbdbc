#include <charconv>
#include <cstring>

#include "core/sheets/workbook_readers.h"
#include "core/sheets/xml_part.h"

namespace jrv {

namespace {

constexpr int kMaxDepth = 32;  // nesting of row groups and text spans followed

std::uint64_t repeat_count(const pugi::xml_node& node, const char* attribute) {
  const char* text = node.attribute(attribute).value();
  std::uint64_t n = 0;
  const auto [end, ec] = std::from_chars(text, text + std::strlen(text), n);
  if (ec != std::errc() || n == 0) return 1;
  return n;
}

// The text of a paragraph: spans and links inside it, "text:s" as blanks, tabs and line
// breaks as themselves.
void paragraph_text(const pugi::xml_node& node, std::string& out, int depth) {
  if (depth > kMaxDepth) return;
  out += node.value();  // text embedded before the first child element
  for (pugi::xml_node part = node.first_child(); part; part = part.next_sibling()) {
    if (part.type() == pugi::node_pcdata) {
      out += part.value();
      continue;
    }
    if (part.type() != pugi::node_element) continue;
    const std::string_view name = part.name();
    if (name == "text:s") {
      out.append(std::min<std::uint64_t>(repeat_count(part, "text:c"), 1000), ' ');
    } else if (name == "text:tab") {
      out += '\t';
    } else if (name == "text:line-break") {
      out += '\n';
    } else if (name != "office:annotation") {
      paragraph_text(part, out, depth + 1);
    }
  }
}

// What a cell shows: its value for numbers, dates and truth values, its paragraphs for text.
void cell_text(const pugi::xml_node& cell, std::string& out) {
  out.clear();
  const std::string_view type = cell.attribute("office:value-type").value();
  if (type == "float" || type == "percentage" || type == "currency") {
    out = number_text(cell.attribute("office:value").value());
  } else if (type == "date") {
    out = cell.attribute("office:date-value").value();
  } else if (type == "time") {
    out = cell.attribute("office:time-value").value();
  } else if (type == "boolean") {
    out = std::string_view(cell.attribute("office:boolean-value").value()) == "true" ? "TRUE"
                                                                                     : "FALSE";
  } else {
    bool first = true;
    for (pugi::xml_node p = cell.first_child(); p; p = p.next_sibling()) {
      if (std::strcmp(p.name(), "text:p") != 0) continue;
      if (!first) out += '\n';
      first = false;
      paragraph_text(p, out, 0);
    }
  }
}

class OdsSheet {
 public:
  explicit OdsSheet(CellTable& table) : table_(table) {}

  void rows(const pugi::xml_node& parent, int depth) {
    if (depth > kMaxDepth) return;
    for (pugi::xml_node n = parent.first_child(); n; n = n.next_sibling()) {
      const std::string_view name = n.name();
      if (name == "table:table-row")
        row(n);
      else if (name == "table:table-header-rows" || name == "table:table-row-group" ||
               name == "table:table-rows")
        rows(n, depth + 1);
    }
  }

 private:
  void row(const pugi::xml_node& r) {
    const std::uint64_t repeat = repeat_count(r, "table:number-rows-repeated");
    cells_.clear();
    text_.clear();
    if (row_ < CellTable::kMaxRows) {
      std::uint64_t column = 0;
      for (pugi::xml_node c = r.first_child(); c; c = c.next_sibling()) {
        const std::string_view name = c.name();
        if (name != "table:table-cell" && name != "table:covered-table-cell") continue;
        const std::uint64_t span = repeat_count(c, "table:number-columns-repeated");
        cell_text(c, scratch_);
        if (!scratch_.empty()) {
          for (std::uint64_t i = 0; i < span && column + i < CellTable::kMaxColumns; ++i)
            cells_.push_back(
                {static_cast<std::uint32_t>(column + i), text_.size(), scratch_.size()});
          text_ += scratch_;
        }
        column += span;
      }
    }
    // Formatted but empty rows (often repeated to the sheet's end) only move the count.
    if (cells_.empty()) {
      row_ += repeat;
      return;
    }
    for (std::uint64_t i = 0; i < repeat && row_ < CellTable::kMaxRows; ++i, ++row_)
      for (const auto& cell : cells_)
        table_.add(static_cast<std::uint32_t>(row_), cell.column,
                   std::string_view(text_).substr(cell.offset, cell.size));
  }

  struct Pending {
    std::uint32_t column;
    std::size_t offset, size;
  };
  CellTable& table_;
  std::uint64_t row_ = 0;
  std::vector<Pending> cells_;
  std::string text_, scratch_;
};

}  // namespace

SheetRead read_ods(std::string_view bytes, const std::string& sheet) {
  ZipArchive zip(bytes);
  if (const auto mimetype = zip.read("mimetype");
      mimetype && !mimetype->starts_with("application/vnd.oasis.opendocument.spreadsheet"))
    throw SheetError("not a spreadsheet: the file is an OpenDocument file of another kind (" +
                     mimetype->substr(0, 60) + ")");
  if (const auto manifest = zip.read("META-INF/manifest.xml");
      manifest && manifest->find("encryption-data") != std::string::npos)
    throw SheetError("the workbook is encrypted with a password; save it again without one");
  const XmlPart content(zip, "content.xml");
  const pugi::xml_node spreadsheet = content.doc()
                                         .child("office:document-content")
                                         .child("office:body")
                                         .child("office:spreadsheet");
  SheetRead out;
  pugi::xml_node chosen;
  for (pugi::xml_node t = spreadsheet.child("table:table"); t; t = t.next_sibling("table:table")) {
    const std::string name = t.attribute("table:name").value();
    out.sheet_names.push_back(name);
    if (!chosen && (sheet.empty() || name == sheet)) {
      chosen = t;
      out.sheet_name = name;
    }
  }
  if (out.sheet_names.empty()) throw SheetError("not a spreadsheet: the file holds no sheet");
  if (!chosen) {
    std::string names;
    for (const auto& n : out.sheet_names) names += (names.empty() ? "'" : ", '") + n + "'";
    throw SheetError("the workbook has no sheet named '" + sheet + "' (its sheets: " + names + ")");
  }
  OdsSheet(out.table).rows(chosen, 0);
  out.table.finish();
  return out;
}

}  // namespace jrv
