#include "core/input/rulers.h"

#include <optional>

#include "core/input/editor_messages.h"
#include "core/text/convert.h"
#include "core/text/format.h"
#include "core/workspace/limits.h"

namespace jrv {

namespace {

constexpr std::size_t kRulerWidth = kMaxLabelPlusItems;
constexpr int kUnknownItemPositions = 100;

std::optional<int> usable_items(std::string_view text) {
  const auto n = parse_int(text);
  if (n && *n >= 1 && *n <= kMaxItems) return n;
  return std::nullopt;
}

std::optional<int> usable_label(std::string_view text) {
  const auto l = parse_int(text);
  if (l && *l >= 0) return l;
  return std::nullopt;
}

// The item part of the two rows for `positions` positions; `known` marks the last
// position with the item count itself.
void item_rows(int positions, bool known, std::string& tens, std::string& units) {
  static constexpr std::string_view kHead = "Item#";
  for (int p = 1; p <= positions; ++p) {
    const bool last = known && p == positions;
    if (last) {
      units.push_back(static_cast<char>('0' + p % 10));
    } else if (p == 1) {
      units.push_back('1');
    } else {
      units.push_back(p % 10 == 0 ? '0' : p % 5 == 0 ? '5' : '.');
    }
    if (last && p >= 10) {
      tens += int_str(p / 10);
    } else if (p <= 5) {
      tens.push_back(kHead[static_cast<std::size_t>(p - 1)]);
    } else if (p % 5 == 0) {
      tens += int_str(p / 10);
    } else {
      tens.push_back(' ');
    }
  }
  // The count of a three-digit test reads in full: "10" and then its "0".
  if (known && positions > 99) tens.push_back('0');
}

void label_rows(int label, std::string& tens, std::string& units) {
  if (label < 1) return;
  const auto width = static_cast<std::size_t>(label);
  units = std::string(width - 1, '-') + "|";
  std::string caption = label >= 12  ? "Examinee ID"
                        : label >= 9 ? "Examinee"
                        : label >= 3 ? "ID"
                                     : "";
  tens = caption + std::string(width - 1 - caption.size(), ' ') + "|";
}

std::string fit(std::string row) {
  if (row.size() > kRulerWidth) row.resize(kRulerWidth);
  return row;
}

FieldChange field_change(std::string_view label_text, std::string_view items_text,
                         const char* focus) {
  FieldChange out;
  out.spec_table_enabled = usable_items(items_text).has_value();
  out.rulers = build_rulers(label_text, items_text);
  const auto label = usable_label(label_text);
  const auto items = usable_items(items_text);
  if (label && items && *label <= kMaxLabelPlusItems && *label + *items > kMaxLabelPlusItems)
    out.check.fail(msg::label_plus_items(*items), focus);
  return out;
}

}  // namespace

Rulers build_rulers(std::string_view label_length_text, std::string_view items_text) {
  Rulers r;
  const auto label = usable_label(label_length_text);
  const auto items = usable_items(items_text);
  if (label && *label > kMaxLabelPlusItems) return r;
  if (label && items && *label + *items > kMaxLabelPlusItems) return r;

  std::string tens, units;
  item_rows(items.value_or(kUnknownItemPositions), items.has_value(), tens, units);
  std::string label_tens, label_units;
  label_rows(label.value_or(0), label_tens, label_units);

  r.drawn = true;
  auto& p = r.plain;
  p.scale1 = fit(label_tens + tens);
  p.scale2 = fit(label_units + units);
  p.key_scale1 = p.key_scale3 = fit(tens);
  p.key_scale2 = p.key_scale4 = fit(units);
  r.pc = p;
  r.pc.scale2 += "PC";
  r.pc.key_scale2 += "PC";
  r.pc.key_scale4 += "PC";
  return r;
}

FieldChange items_changed(std::string_view label_length_text, std::string_view items_text) {
  FieldChange out = field_change(label_length_text, items_text, "txt_items");
  if (trim(items_text).empty()) return out;
  const auto n = parse_int(items_text);
  CheckResult own;
  if (!n)
    own.fail(msg::kItemsNotInteger, "txt_items");
  else if (*n < 1 || *n > kMaxItems)
    own.fail(msg::items_out_of_range(), "txt_items");
  if (own.failed) out.check = own;
  return out;
}

FieldChange label_length_changed(std::string_view label_length_text, std::string_view items_text) {
  FieldChange out = field_change(label_length_text, items_text, "txt_label_length");
  if (trim(label_length_text).empty()) return out;
  const auto l = parse_int(label_length_text);
  CheckResult own;
  if (!l)
    own.fail(msg::kLabelNotInteger, "txt_label_length");
  else if (*l < 0)
    own.fail(msg::kLabelNegative, "txt_label_length");
  else if (*l > kMaxLabelPlusItems)
    own.fail(msg::kLabelTooLong, "txt_label_length");
  if (own.failed) out.check = own;
  return out;
}

}  // namespace jrv
