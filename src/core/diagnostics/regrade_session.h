#pragma once
// Regrading: the analysed test, the decisions taken on its items, and the test analysed
// again with them. The original texts and analysis are kept untouched, so every decision can
// be undone and the original key is never lost; nothing reaches the data editor until the
// caller writes the regraded document back.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/diagnostics/item_decisions.h"
#include "core/diagnostics/regrade_comparison.h"
#include "core/input/editor_document.h"
#include "core/text/messages.h"
#include "core/workspace/workspace.h"

namespace jrv {

// What a regrade computes besides the statistics: the report texts cost more and only a
// full view needs them.
enum class RegradeOutput { statistics, reports };

struct Regrade {
  EditorDocument document;  // the editor's texts with the decisions written in
  Workspace workspace;      // the test analysed with them
  RegradeComparison comparison;
  CheckResult check;  // the editor's check of the edited texts; failed: nothing analysed
};

// "Apply to test": writes the decisions into the editor's texts (apply_decisions) and hands
// each changed alternatives row to scoring as reading it from a file does. `ws` is the
// analysed workspace the decisions were checked against; the caller then leaves the editor
// with "Close && Analyze" (leave_editor, run_analysis) to analyse the decided test.
void write_decisions(EditorDocument& doc, Workspace& ws, std::span<const ItemDecision> decisions);

// The test `analysed` (loaded from `doc` by the editor's check and analysed) with the
// decisions applied: the texts are edited as apply_decisions says, checked as "Close &&
// Analyze" checks them and analysed with the same options and group percentages. The same
// as saving the edited texts and analysing that file afresh. Decisions must be ones that
// decision_refusal accepts, taken one after the other.
Regrade regrade(const EditorDocument& doc, const Workspace& analysed,
                std::span<const ItemDecision> decisions,
                RegradeOutput output = RegradeOutput::statistics);

// A list of decisions with undo and redo over one analysed test.
class RegradeSession {
 public:
  RegradeSession(EditorDocument doc, Workspace analysed);

  const EditorDocument& original_document() const { return doc_; }
  const Workspace& original() const { return analysed_; }

  // The decisions in force, in the order they were taken.
  std::span<const ItemDecision> decisions() const { return done_; }

  // Why `d` cannot be taken now, or nothing.
  std::optional<std::string> refusal(const ItemDecision& d) const;

  // Takes `d` and forgets what could be redone. Refused: the reason, nothing changes.
  std::optional<std::string> decide(const ItemDecision& d);

  bool can_undo() const { return !done_.empty(); }
  bool can_redo() const { return !undone_.empty(); }
  // Undo takes back the last decision; redo takes again the last one undone. Each does
  // nothing when there is nothing to take back or again.
  void undo();
  void redo();

  // The original test regraded with the decisions in force.
  Regrade result(RegradeOutput output = RegradeOutput::statistics) const;

 private:
  EditorDocument doc_;
  Workspace analysed_;
  std::vector<ItemDecision> done_;
  std::vector<ItemDecision> undone_;  // the last one undone at the back
};

}  // namespace jrv
