#include <cstring>
#include <map>

#include "core/sheets/workbook_readers.h"
#include "core/sheets/xml_part.h"
#include "core/sheets/xml_row_slices.h"

namespace jrv {

namespace {

// "xl/workbook.xml" + "worksheets/sheet1.xml" -> "xl/worksheets/sheet1.xml"; a target that
// starts with "/" is from the archive's root.
std::string resolve(const std::string& from_part, std::string_view target) {
  if (target.starts_with('/')) return std::string(target.substr(1));
  std::string dir = from_part.substr(0, from_part.rfind('/') + 1);
  while (target.starts_with("../")) {
    target.remove_prefix(3);
    if (!dir.empty()) dir.pop_back();
    dir = dir.substr(0, dir.rfind('/') + 1);
  }
  return dir + std::string(target);
}

std::string rels_of(const std::string& part) {
  const auto slash = part.rfind('/') + 1;
  return part.substr(0, slash) + "_rels/" + part.substr(slash) + ".rels";
}

struct Relation {
  std::string type, target;
};

std::map<std::string, Relation> relations(ZipArchive& zip, const std::string& part) {
  std::map<std::string, Relation> out;
  const XmlPart rels(zip, rels_of(part), false);
  for (pugi::xml_node r : child_named(rels.doc(), "Relationships").children()) {
    if (local_name(r) != "Relationship") continue;
    out[r.attribute("Id").value()] = {r.attribute("Type").value(),
                                      resolve(part, r.attribute("Target").value())};
  }
  return out;
}

bool ends_with(std::string_view s, std::string_view end) {
  return s.ends_with(end);
}

// Texts of the shared-string table, rich runs joined, phonetic hints left out.
class SharedStrings {
 public:
  void load(const pugi::xml_document& doc) {
    for (pugi::xml_node si : child_named(doc, "sst").children()) {
      if (local_name(si) != "si") continue;
      const std::size_t start = text_.size();
      for (pugi::xml_node part : si.children()) {
        const std::string_view name = local_name(part);
        if (name == "t") {
          text_ += part.text().get();
        } else if (name == "r") {
          text_ += child_named(part, "t").text().get();
        }
      }
      spans_.emplace_back(start, text_.size() - start);
    }
  }
  // Nothing for an index outside the table.
  std::optional<std::string_view> at(std::string_view index) const {
    std::size_t i = 0;
    if (index.empty() || index.size() > 9) return std::nullopt;
    for (char c : index) {
      if (c < '0' || c > '9') return std::nullopt;
      i = i * 10 + static_cast<std::size_t>(c - '0');
    }
    if (i >= spans_.size()) return std::nullopt;
    return std::string_view(text_).substr(spans_[i].first, spans_[i].second);
  }

 private:
  std::string text_;
  std::vector<std::pair<std::size_t, std::size_t>> spans_;
};

// "AB12" -> column 27, row 11 (0-based). False for anything else.
bool parse_reference(const char* r, std::uint32_t& row, std::uint32_t& column) {
  std::uint64_t col = 0, rw = 0;
  const char* p = r;
  while ((*p >= 'A' && *p <= 'Z') || (*p >= 'a' && *p <= 'z')) {
    col = col * 26 + static_cast<std::uint64_t>((*p | 0x20) - 'a' + 1);
    if (col > CellTable::kMaxColumns) return false;
    ++p;
  }
  if (p == r) return false;
  const char* digits = p;
  while (*p >= '0' && *p <= '9') {
    rw = rw * 10 + static_cast<std::uint64_t>(*p - '0');
    if (rw > CellTable::kMaxRows) return false;
    ++p;
  }
  if (*p != '\0' || p == digits || rw == 0) return false;
  row = static_cast<std::uint32_t>(rw - 1);
  column = static_cast<std::uint32_t>(col - 1);
  return true;
}

bool parse_row_number(const char* r, std::uint32_t& row) {
  std::uint64_t n = 0;
  const char* p = r;
  while (*p >= '0' && *p <= '9') {
    n = n * 10 + static_cast<std::uint64_t>(*p - '0');
    if (n > CellTable::kMaxRows) return false;
    ++p;
  }
  if (*p != '\0' || p == r || n == 0) return false;
  row = static_cast<std::uint32_t>(n - 1);
  return true;
}

// The text of an inline string: <is><t>..</t></is> or rich runs <is><r><t>..</t></r></is>.
std::string_view inline_text(const pugi::xml_node& is, std::string& scratch) {
  const pugi::xml_node first = is.first_child();
  if (first && !first.next_sibling() && has_local_name(first, "t")) return first.text().get();
  scratch.clear();
  for (pugi::xml_node part = first; part; part = part.next_sibling()) {
    if (has_local_name(part, "t"))
      scratch += part.text().get();
    else if (has_local_name(part, "r"))
      scratch += child_named(part, "t").text().get();
  }
  return scratch;
}

// The rows of a worksheet into the table, in document order; rows and cells without a
// number follow the one before. One reader takes every slice of a large sheet in turn.
class SheetRows {
 public:
  SheetRows(const SharedStrings& strings, CellTable& table) : strings_(strings), table_(table) {}

  void read(const pugi::xml_node& parent) {
    for (pugi::xml_node r = parent.first_child(); r; r = r.next_sibling())
      if (has_local_name(r, "row")) read_row(r);
  }

 private:
  void read_row(const pugi::xml_node& r) {
    const pugi::xml_attribute rn = r.attribute("r");
    if (rn) {
      if (!parse_row_number(rn.value(), row_))
        throw SheetError("the workbook is damaged: a row has the number '" +
                         std::string(rn.value()).substr(0, 20) + "'");
    } else if (!first_row_) {
      ++row_;
    }
    first_row_ = false;
    std::uint32_t column = 0;
    bool first_cell = true;
    for (pugi::xml_node c = r.first_child(); c; c = c.next_sibling()) {
      if (!has_local_name(c, "c")) continue;
      // The first "r" and "t", as pugixml's attribute() finds them, in one pass.
      const char* ref = nullptr;
      const char* type = nullptr;
      for (pugi::xml_attribute a = c.first_attribute(); a; a = a.next_attribute()) {
        const char* name = a.name();
        if (name[0] == 'r' && name[1] == '\0' && ref == nullptr)
          ref = a.value();
        else if (name[0] == 't' && name[1] == '\0' && type == nullptr)
          type = a.value();
      }
      if (ref != nullptr) {
        std::uint32_t ref_row = 0;
        if (!parse_reference(ref, ref_row, column) || ref_row != row_)
          throw SheetError("the workbook is damaged: row " + std::to_string(row_ + 1) +
                           " holds a cell '" + std::string(ref).substr(0, 20) + "'");
      } else if (!first_cell) {
        ++column;
      }
      first_cell = false;
      read_cell(c, type == nullptr ? "" : type, column);
    }
  }

  void read_cell(const pugi::xml_node& c, const char* type, std::uint32_t column) {
    pugi::xml_node v, is;
    for (pugi::xml_node part = c.first_child(); part; part = part.next_sibling()) {
      if (has_local_name(part, "v"))
        v = part;
      else if (has_local_name(part, "is"))
        is = part;
    }
    const std::string_view value = v ? v.text().get() : "";
    if (std::strcmp(type, "inlineStr") == 0) {
      table_.add(row_, column, inline_text(is, scratch_));
    } else if (std::strcmp(type, "s") == 0) {
      if (value.empty()) return;
      const auto text = strings_.at(value);
      if (!text)
        throw SheetError(cell_position(row_, column) +
                         ": the workbook is damaged (a shared text that does not exist)");
      table_.add(row_, column, *text);
    } else if (std::strcmp(type, "b") == 0) {
      if (!value.empty()) table_.add(row_, column, value == "0" ? "FALSE" : "TRUE");
    } else if (std::strcmp(type, "str") == 0 || std::strcmp(type, "e") == 0 ||
               std::strcmp(type, "d") == 0) {
      table_.add(row_, column, value);
    } else if (!value.empty()) {
      table_.add(row_, column, number_text(value));
    }
  }

  const SharedStrings& strings_;
  CellTable& table_;
  std::uint32_t row_ = 0;
  bool first_row_ = true;
  std::string scratch_;
};

pugi::xml_node sheet_data(const pugi::xml_document& doc) {
  return child_named(child_named(doc, "worksheet"), "sheetData");
}

// A large sheet is read a slice of rows at a time; one laid out otherwise, or holding a
// fault, is read whole, which tells the fault.
void read_sheet(ZipArchive& zip, const std::string& part, const SharedStrings& strings,
                CellTable& table) {
  if (auto entry = zip.open(part)) {
    // A cell takes at least 15 bytes of XML ("<c><v>1</v></c>"); the stated size may lie,
    // but memory reserved and never written costs nothing.
    table.reserve(entry->stated_size() / 15, entry->stated_size() / 8);
    SheetRows rows(strings, table);
    if (read_rows_in_slices(*entry, "row", sheet_data,
                            [&](const pugi::xml_node& parent) { rows.read(parent); }))
      return;
    table = CellTable();
  }
  const XmlPart whole(zip, part);
  SheetRows(strings, table).read(sheet_data(whole.doc()));
}

}  // namespace

SheetRead read_xlsx(std::string_view bytes, const std::string& sheet) {
  ZipArchive zip(bytes);
  std::string workbook_part = "xl/workbook.xml";
  for (const auto& [id, rel] : relations(zip, ""))
    if (ends_with(rel.type, "/officeDocument")) workbook_part = rel.target;
  if (!zip.has(workbook_part))
    throw SheetError("not a spreadsheet: the file is a zip archive but not an XLSX workbook");
  if (zip.has("EncryptedPackage"))
    throw SheetError("the workbook is encrypted with a password; save it again without one");

  const auto rels = relations(zip, workbook_part);
  SheetRead out;
  std::string sheet_part;
  {
    const XmlPart workbook(zip, workbook_part);
    const pugi::xml_node sheets = child_named(child_named(workbook.doc(), "workbook"), "sheets");
    for (pugi::xml_node s : sheets.children()) {
      if (local_name(s) != "sheet") continue;
      const std::string name = s.attribute("name").value();
      out.sheet_names.push_back(name);
      const bool wanted = sheet.empty() ? sheet_part.empty() : name == sheet;
      if (!wanted || !sheet_part.empty()) continue;
      const auto it = rels.find(attribute_named(s, "id").value());
      if (it == rels.end())
        throw SheetError("the workbook is damaged: sheet '" + name + "' has no part");
      sheet_part = it->second.target;
      out.sheet_name = name;
    }
  }
  if (out.sheet_names.empty()) throw SheetError("the workbook holds no sheet");
  if (sheet_part.empty()) {
    std::string names;
    for (const auto& n : out.sheet_names) names += (names.empty() ? "'" : ", '") + n + "'";
    throw SheetError("the workbook has no sheet named '" + sheet + "' (its sheets: " + names + ")");
  }

  SharedStrings strings;
  std::string strings_part = "xl/sharedStrings.xml";
  for (const auto& [id, rel] : rels)
    if (ends_with(rel.type, "/sharedStrings")) strings_part = rel.target;
  {
    const XmlPart part(zip, strings_part, false);
    strings.load(part.doc());
  }
  read_sheet(zip, sheet_part, strings, out.table);
  out.table.finish();
  return out;
}

}  // namespace jrv
