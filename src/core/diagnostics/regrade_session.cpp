#include "core/diagnostics/regrade_session.h"

#include <utility>

#include "core/analysis/analysis_run.h"
#include "core/input/editor_actions.h"
#include "core/settings/option_dialogs.h"
#include "core/text/convert.h"

namespace jrv {

void write_decisions(EditorDocument& doc, Workspace& ws, std::span<const ItemDecision> decisions) {
  const std::vector<int> rows = apply_decisions(doc, ws, decisions);
  for (const int item : rows) {
    for (const auto& row : doc.alternatives.rows) {
      if (parse_int(row[0]) != item) continue;
      for (std::size_t s = 1; s <= kAnswerSlots; ++s)
        ws.alt_answer_text[static_cast<std::size_t>(item)][s] = row[s + 1];
    }
  }
  // The decisions set every alternative they bring in: the reminder about "A" codes whose
  // alternatives were never set does not apply.
  if (!rows.empty()) doc.include_changed = false;
}

Regrade regrade(const EditorDocument& doc, const Workspace& analysed,
                std::span<const ItemDecision> decisions, RegradeOutput output) {
  Regrade out{doc, analysed, {}, {}};
  Workspace& ws = out.workspace;
  write_decisions(out.document, ws, decisions);
  // The test was analysed, so the reminder about "A" codes has had its turn.
  out.document.include_changed = false;
  // An item the decisions leave out must not show the statistics it had while included.
  for (std::size_t j = 1; j <= kMaxItems; ++j) ws.items[j] = ItemRecord{};

  const EditorExit exit =
      leave_editor(out.document, ws, EditorExitButton::close_and_analyze, std::string());
  out.check = exit.check;
  if (!exit.accepted) {
    out.check.failed = true;
    return out;
  }
  if (output == RegradeOutput::reports) {
    run_analysis(ws, out.document);
  } else {
    // Statistics only: the report texts of the original run would describe another test.
    ws.reports = ReportTexts{};
    const GroupPercents groups = group_percents_for_run(out.document.groups);
    compute_analysis(ws, groups.upper / 100.0, groups.lower / 100.0);
  }
  out.comparison = compare_analyses(analysed, ws);
  return out;
}

RegradeSession::RegradeSession(EditorDocument doc, Workspace analysed)
    : doc_(std::move(doc)), analysed_(std::move(analysed)) {}

std::optional<std::string> RegradeSession::refusal(const ItemDecision& d) const {
  return decision_refusal(analysed_, done_, d);
}

std::optional<std::string> RegradeSession::decide(const ItemDecision& d) {
  if (auto why = refusal(d)) return why;
  done_.push_back(d);
  undone_.clear();
  return std::nullopt;
}

void RegradeSession::undo() {
  if (done_.empty()) return;
  undone_.push_back(done_.back());
  done_.pop_back();
}

void RegradeSession::redo() {
  if (undone_.empty()) return;
  done_.push_back(undone_.back());
  undone_.pop_back();
}

Regrade RegradeSession::result(RegradeOutput output) const {
  return regrade(doc_, analysed_, done_, output);
}

}  // namespace jrv
