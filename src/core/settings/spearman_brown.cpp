#include "core/settings/spearman_brown.h"

#include "core/text/convert.h"
#include "core/text/format.h"

namespace jrv {

std::optional<Prophecy> spearman_brown_prophecy(double kr20, int included_items, double desired) {
  // KR-20 of 0 divides by zero; a negative one or 1 gives a factor of no use (negative or
  // zero items).
  if (!(kr20 > 0 && kr20 < 1)) return std::nullopt;
  if (!(desired >= 0 && desired < 1)) return std::nullopt;
  Prophecy p;
  p.length_factor = desired * (1 - kr20) / (kr20 * (1 - desired));
  const double scaled = included_items * p.length_factor;
  if (!(scaled < 1e15)) return std::nullopt;
  p.change = round_half_even(scaled) - included_items;
  p.total = included_items + p.change;
  return p;
}

SpearmanBrownFields open_spearman_brown(double kr20, int included_items, double& desired) {
  desired = kDefaultDesiredReliability;
  SpearmanBrownFields f;
  f.sbrel = fixed(desired, 3);
  f.rel_out = fixed(kr20, 3);
  f.current = int_str(included_items);
  return f;
}

CheckResult calculate_spearman_brown(double kr20, int included_items, SpearmanBrownFields& fields,
                                     double& desired) {
  CheckResult result;
  double d = desired;
  if (const auto typed = parse_double(fields.sbrel)) {
    d = *typed;
  } else {
    // The calculation goes on with the value kept from before.
    result.inform("Reliability must a numeric value between 0.0 and 1.0");
    result.set_focus("txt_sbrel");
  }
  if (d < 0 || d > 0.99) {
    result.fail(
        "Reliability must a numeric value between 0.0 and 0.99 -- note that if desired "
        "reliability is 1.0, the formula results in an undefined value.",
        "txt_sbrel");
    return result;
  }
  desired = d;
  // Rounded once, as the full results round the same numbers.
  fields.sbrel = fixed(d, 3);
  const auto p = spearman_brown_prophecy(kr20, included_items, d);
  if (!p) {
    fields.moreitems.clear();
    fields.multiplier.clear();
    fields.totalitems.clear();
    fields.more_fewer.clear();
    fields.more_fewer_visible = false;
    result.fail("Spearman-Brown Prophecy cannot be calculated");
    return result;
  }
  fields.moreitems = int_str(p->change < 0 ? -p->change : p->change);
  fields.more_fewer = p->change < 0 ? "fewer" : "more";
  fields.more_fewer_visible = true;
  fields.multiplier = fixed(p->length_factor, 2);
  fields.totalitems = int_str(p->total);
  return result;
}

SpearmanBrownOutcome spearman_brown_for_text(double kr20, int included_items,
                                             std::string_view desired_text) {
  SpearmanBrownOutcome out;
  out.fields = open_spearman_brown(kr20, included_items, out.desired);
  out.fields.sbrel = std::string(desired_text);
  out.check = calculate_spearman_brown(kr20, included_items, out.fields, out.desired);
  return out;
}

}  // namespace jrv
