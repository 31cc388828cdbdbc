#pragma once
// The Spearman-Brown prophecy: how many items of similar quality a test needs to reach a
// desired reliability, from the KR-20 of the last analysis.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/text/messages.h"

namespace jrv {

inline constexpr double kDefaultDesiredReliability = 0.8;

// L, the item change (negative: fewer items) and the total needed, or nothing when the
// formula has no meaningful value (KR-20 not strictly between 0 and 1, a desired value
// outside 0..1, or a test so long that it cannot be counted).
struct Prophecy {
  double length_factor = 0;
  std::int64_t change = 0;
  std::int64_t total = 0;
};
std::optional<Prophecy> spearman_brown_prophecy(double kr20, int included_items, double desired);

// TSpearmanForm's fields as shown.
struct SpearmanBrownFields {
  std::string sbrel;       // txt_sbrel, the desired reliability as typed
  std::string rel_out;     // txt_rel_out, KR-20 with 3 decimals
  std::string current;     // txt_current, included items
  std::string moreitems;   // txt_moreitems
  std::string multiplier;  // txt_multiplier, L
  std::string totalitems;  // txt_totalitems
  std::string more_fewer;  // lbl_more_fewer: "more" (bold) or "fewer" (bold, underlined)
  bool more_fewer_visible = false;
  bool operator==(const SpearmanBrownFields&) const = default;
};

// Opening the window: the desired reliability goes back to 0.8.
SpearmanBrownFields open_spearman_brown(double kr20, int included_items, double& desired);

// btn_calc on the window's fields. `desired` is the value kept between calculations: a
// text that is not a number leaves it (with a message, and the result of the kept value),
// an accepted one replaces it. L and the desired value are rounded once, as in the report.
CheckResult calculate_spearman_brown(double kr20, int included_items, SpearmanBrownFields& fields,
                                     double& desired);

// The same for a command: the fields a calculation shows for a typed desired reliability,
// starting from a freshly opened window.
struct SpearmanBrownOutcome {
  SpearmanBrownFields fields;
  CheckResult check;
  double desired = kDefaultDesiredReliability;
};
SpearmanBrownOutcome spearman_brown_for_text(double kr20, int included_items,
                                             std::string_view desired_text);

}  // namespace jrv
