#include "core/sheets/xml_row_slices.h"

#include <cstring>
#include <string>

#include "core/sheets/cell_table.h"
#include "core/sheets/xml_part.h"

namespace jrv {

namespace {

// A slice's tree takes several times its bytes. Kept well under the 128 kB that the C
// library hands back to the system when that much is freed at the top of its heap, the
// tree's memory is reused from slice to slice instead of being faulted in afresh (which
// cost as much as the whole tree did); a row longer than this makes a slice of its own.
constexpr std::size_t kSliceBytes = 8u << 10;

bool blank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool name_end(char c) {
  return blank(c) || c == '>' || c == '/';
}

// The local part of the tag name that starts at `text[at]`, or nothing when the text ends
// inside the name.
std::optional<std::string_view> tag_local_name(std::string_view text, std::size_t at) {
  std::size_t end = at;
  while (end < text.size() && !name_end(text[end])) ++end;
  if (end == text.size()) return std::nullopt;
  std::string_view name = text.substr(at, end - at);
  const auto colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

// Where the first start tag named `row` begins in text[from..]; npos when there is none,
// with `resume` where to look again once more text is read (a tag cut by the text's end).
std::size_t find_start_tag(std::string_view text, std::size_t from, std::string_view row,
                           std::size_t& resume) {
  for (std::size_t at = text.find('<', from); at != std::string_view::npos;
       at = text.find('<', at + 1)) {
    const auto name = tag_local_name(text, at + 1);
    if (!name) {
      resume = at;
      return std::string_view::npos;
    }
    if (*name == row) return at;
  }
  resume = text.size();
  return std::string_view::npos;
}

// Just past the end tag named `row` that starts at text[at]; npos when none does.
std::size_t end_tag_end(std::string_view text, std::size_t at, std::string_view row) {
  if (text.compare(at, 2, "</") != 0) return std::string_view::npos;
  const auto name = tag_local_name(text, at + 2);
  if (!name || *name != row) return std::string_view::npos;
  std::size_t p = static_cast<std::size_t>(name->data() - text.data()) + name->size();
  while (p < text.size() && blank(text[p])) ++p;
  return p < text.size() && text[p] == '>' ? p + 1 : std::string_view::npos;
}

// Just past the last end tag named `row` that starts in text[from..], or else at `pending`
// (a tag begun before `from`); npos when there is none. Searching from the end, it reads
// about half a row when rows end where expected.
std::size_t after_last_end_tag(std::string_view text, std::size_t from, std::size_t pending,
                               std::string_view row) {
  const std::string_view tail = text.substr(from);
  for (std::size_t at = tail.rfind("</"); at != std::string_view::npos;
       at = at == 0 ? std::string_view::npos : tail.rfind("</", at - 1)) {
    const std::size_t end = end_tag_end(text, from + at, row);
    if (end != std::string_view::npos) return end;
  }
  return pending == std::string_view::npos ? pending : end_tag_end(text, pending, row);
}

class SliceReader {
 public:
  SliceReader(ZipArchive::Entry& entry) : entry_(entry) {}

  std::string_view text() const { return {buffer_.data(), size_}; }

  // Reads on at the end of what is held; false at the end of the entry.
  bool read_more() {
    if (done_) return false;
    if (buffer_.size() - size_ < kSliceBytes) buffer_.resize(size_ + kSliceBytes);
    const std::size_t got = entry_.read(buffer_.data() + size_, buffer_.size() - size_);
    size_ += got;
    done_ = got == 0;
    return !done_;
  }

  // Forgets the first `n` bytes held.
  void drop(std::size_t n) {
    std::memmove(buffer_.data(), buffer_.data() + n, size_ - n);
    size_ -= n;
  }

  char* data() { return buffer_.data(); }
  bool done() const { return done_; }

 private:
  ZipArchive::Entry& entry_;
  std::string buffer_;
  std::size_t size_ = 0;
  bool done_ = false;
};

}  // namespace

bool read_rows_in_slices(ZipArchive::Entry& entry, std::string_view row_name,
                         const RowContainer& container, const RowReader& read) {
  SliceReader in(entry);
  // What comes before the first row, up to its container's start tag.
  std::size_t first_row = std::string_view::npos;
  for (std::size_t from = 0;;) {
    first_row = find_start_tag(in.text(), from, row_name, from);
    if (first_row != std::string_view::npos) break;
    if (!in.read_more()) return false;  // no row: a small part, or not a sheet
  }
  std::string skeleton(in.text().substr(0, first_row));
  in.drop(first_row);

  // A fault in the rows is told by the caller's reading of the whole part.
  const auto give = [&](const pugi::xml_node& parent) {
    try {
      read(parent);
      return true;
    } catch (const SheetError&) {
      return false;
    }
  };

  // The rows, a slice at a time, each cut after a row's end tag.
  pugi::xml_document doc;
  const unsigned flags = kPartParseFlags | pugi::parse_fragment | pugi::parse_doctype;
  // No row end tag starts in what is held before `from`, but perhaps at `pending`, a tag
  // the end of what was held cut short: each byte is searched once, however long a row.
  std::size_t from = 0, pending = std::string_view::npos;
  for (;;) {
    while (in.text().size() < kSliceBytes && in.read_more()) {
    }
    const std::string_view held = in.text();
    const std::size_t cut = after_last_end_tag(held, from, pending, row_name);
    if (cut == std::string_view::npos) {
      const std::size_t last_tag = held.substr(from).rfind('<');
      if (last_tag != std::string_view::npos) pending = from + last_tag;
      from = held.size();
      if (!in.read_more()) break;  // what is left closes the container and the part
      continue;
    }
    if (!doc.load_buffer_inplace(in.data(), cut, flags, pugi::encoding_utf8)) return false;
    // A document type declaration is allowed at the top of a fragment, not in an element.
    for (pugi::xml_node n = doc.first_child(); n; n = n.next_sibling())
      if (n.type() == pugi::node_doctype) return false;
    if (!give(doc)) return false;
    doc.reset();
    in.drop(cut);
    from = 0;
    pending = std::string_view::npos;
  }
  // The part without its rows (but those after the last row end tag) is small. The rows
  // were cut out right after their container's start tag: the last tag before them, and
  // not one that closes itself (read before parsing changes the text in place).
  std::size_t end = skeleton.size();
  while (end > 0 && blank(skeleton[end - 1])) --end;
  const std::size_t last_tag = skeleton.rfind('<');
  if (last_tag == std::string::npos || end < 2 || skeleton[end - 1] != '>' ||
      skeleton[end - 2] == '/')
    return false;
  skeleton.append(in.text());
  if (!doc.load_buffer_inplace(skeleton.data(), skeleton.size(), kPartParseFlags,
                               pugi::encoding_utf8))
    return false;
  const pugi::xml_node rows = container(doc);
  if (!rows || rows.offset_debug() != static_cast<std::ptrdiff_t>(last_tag + 1)) return false;
  return give(rows);
}

}  // namespace jrv
