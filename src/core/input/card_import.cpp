#include "core/input/card_import.h"

#include <algorithm>

#include "core/text/convert.h"
#include "core/text/encoding.h"
#include "core/text/format.h"
#include "core/workspace/limits.h"

namespace jrv {

namespace {

constexpr std::size_t kCardWidth = 80;
constexpr std::size_t kLabelColumns = 43;

// Columns 1-79 of a card with "1" in column 80, then columns 11-79 of its partner
// (which must carry "2" in column 80 for the first card to count).
// Columns are characters, so a name with accents keeps the answers where the card has them.
std::string pair_record(std::string_view first, std::string_view second, std::size_t width) {
  first = cut_chars(first, kCardWidth);
  second = cut_chars(second, kCardWidth);
  std::string record;
  if (char_count(first) == kCardWidth && sub_chars(first, 79) == "1" &&
      char_count(second) == kCardWidth && sub_chars(second, 79) == "2")
    record.assign(cut_chars(first, 79));
  record.append(sub_chars(second, 10, 69));
  std::replace(record.begin(), record.end(), '*', '9');
  return std::string(cut_chars(record, width));
}

}  // namespace

CheckResult import_card_images(EditorDocument& doc) {
  CheckResult result;
  const auto items = parse_int(doc.editor.items);
  if (!items) {
    result.fail("Number of Items must be an integer", "txt_items");
    return result;
  }
  if (*items < 1 || *items > kMaxItems) {
    result.fail("Number of Items must be between 1 and " + int_str(kMaxItems), "txt_items");
    return result;
  }
  const auto& pasted = doc.editor.data_lines;
  if (pasted.size() > kMaxCardLines) {
    result.fail("Too many lines to import: at most " + int_str(kMaxCardLines) +
                    " lines (the answer key and 9999 examinees, two cards each) can be imported",
                "MemoData");
    return result;
  }
  if (pasted.empty()) {
    result.fail("Paste the answer key and the data into the data window first", "MemoData");
    return result;
  }
  const std::size_t width = kLabelColumns + static_cast<std::size_t>(*items);
  std::string key;
  std::vector<std::string> lines;
  lines.reserve(pasted.size() / 2);
  for (std::size_t p = 0; p < pasted.size(); p += 2) {
    const std::string_view second = p + 1 < pasted.size() ? pasted[p + 1] : std::string_view();
    std::string record = pair_record(pasted[p], second, width);
    const std::size_t answers_at = char_offset(record, kLabelColumns);
    if (p == 0) {
      key = record.substr(answers_at);
      continue;
    }
    std::replace(record.begin() + static_cast<std::ptrdiff_t>(answers_at), record.end(), ' ', '9');
    lines.push_back(std::move(record));
  }
  auto& e = doc.editor;
  e.answer_key = key;
  e.data_lines = std::move(lines);
  e.label_length = int_str(static_cast<std::int64_t>(kLabelColumns));
  const std::size_t items_read = char_count(key);
  e.items = int_str(static_cast<std::int64_t>(items_read));
  e.cases = int_str(static_cast<std::int64_t>(e.data_lines.size()));
  e.options = std::string(items_read, '5');
  e.include = std::string(items_read, 'Y');
  return result;
}

std::string card_import_howto() {
  return "Steps to follow for importing VKM TESTSCORE data:\r\n"
         "1. Enter the number of items and the number of examinees.\r\n"
         "2. Leave the label length blank (43, which is typical for TESTSCORE data will be "
         "entered automatically).\r\n"
         "3. Paste the data into the data window with the answer key line first.\r\n"
         "4. Press Ctrl+F9 (Import VKM Testscore Data).\r\n"
         "5. The number of options is set to 5 and the include line to Y for every item.\r\n"
         "6. With more than 62 items the label length must be shortened and the data edited to "
         "match.\r\n"
         "7. The output is laid out for a label length of about 15.";
}

}  // namespace jrv
