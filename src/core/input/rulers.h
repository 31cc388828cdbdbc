#pragma once
// The fixed-pitch rulers above the data pane, the key and the include line, and the
// checks of the item count and label length fields while they are typed.

#include <string>
#include <string_view>

#include "core/text/messages.h"

namespace jrv {

struct RulerRows {
  std::string scale1, scale2;          // lbl_scale1 (tens), lbl_scale2 (units): data pane
  std::string key_scale1, key_scale2;  // lbl_key_scale1/2: above the key
  std::string key_scale3, key_scale4;  // lbl_key_scale3/4: above the include line
  bool operator==(const RulerRows&) const = default;
};

struct Rulers {
  bool drawn = false;  // false: the label plus the items do not fit; keep the old rows
  RulerRows plain;
  RulerRows pc;  // the same with "PC" after each units row, for partial credit
  const RulerRows& shown(bool pc_enabled) const { return pc_enabled ? pc : plain; }
};

// The rulers for the typed label length and item count; a text that is not a usable number
// counts as unknown (no label part, or 100 item positions).
Rulers build_rulers(std::string_view label_length_text, std::string_view items_text);

// What a change of txt_items or txt_label_length brings: the message (focus back on the
// field), the new rulers, and whether "Set Table of Specifications..." is enabled (only
// while txt_items holds a valid count). An empty field says nothing.
struct FieldChange {
  CheckResult check;
  Rulers rulers;
  bool spec_table_enabled = false;
};
FieldChange items_changed(std::string_view label_length_text, std::string_view items_text);
FieldChange label_length_changed(std::string_view label_length_text, std::string_view items_text);

}  // namespace jrv
