#pragma once
// What a teacher decides about a faulty item after an analysis: rekey it, also accept an
// option, credit everyone, or drop it. Each decision is written into the texts the data
// editor already holds (the key character, the include code, the alternative-answers grid),
// so a saved input file carries it and every report follows. The decisions of one list
// never contradict each other, so the order they are applied in does not matter.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/input/editor_document.h"
#include "core/workspace/workspace.h"

namespace jrv {

enum class DecisionKind {
  rekey,   // the key of the item becomes `option`
  accept,  // `option` is counted correct beside the key (include code "A")
  credit,  // every answer counts correct (key 9)
  drop,    // the item leaves the analysis (include code "N")
};

struct ItemDecision {
  DecisionKind kind = DecisionKind::rekey;
  int item = 0;    // 1-based item number
  int option = 0;  // 1..8 for rekey and accept; unused otherwise

  bool operator==(const ItemDecision&) const = default;
};

// Why `next` cannot join `earlier` on the analysed test `ws`, or nothing when it can. Refused:
// an item that is not on the test or not in the analysis, an option the item does not have,
// a decision that changes nothing, and a second decision on an item (only several accepts
// of different options may share one).
std::optional<std::string> decision_refusal(const Workspace& ws,
                                            std::span<const ItemDecision> earlier,
                                            const ItemDecision& next);

// The option code a typed option character stands for on `item` ("3", "C", "c"; "T"/"F"
// on a two-option item), as the test's data and key are read; 0 or 9 when it is none.
int option_code(const Workspace& ws, int item, char typed);

// An option written the way the test's key writes it: a letter when the key uses letters
// ("C"), otherwise a digit ("3").
std::string option_text(const Workspace& ws, int item, int option);

// A short description for an undo list or a message: "Rekey item 5 to C",
// "Also accept C on item 5", "Credit everyone on item 5", "Drop item 5".
std::string describe_decision(const Workspace& ws, const ItemDecision& d);

// Writes the decisions into the editor's texts of the test that `ws` holds analysed: the key
// character of a rekeyed item (a letter or a digit as the key writes that item), "9" for a
// credited item, "N" in the include line for a dropped one, and for an accepted option the
// include code "A" and the option's digit in the item's row of the alternatives grid (the
// row is made, in item order, when the item has none). Returns the items whose alternatives
// row changed. Expects decisions that decision_refusal accepts.
std::vector<int> apply_decisions(EditorDocument& doc, const Workspace& ws,
                                 std::span<const ItemDecision> decisions);

}  // namespace jrv
