// jrv-cli regrade: decide about faulty items (rekey, also accept, credit everyone, drop),
// analyse again and show what changed; optionally save the decided test and the examinees
// whose results moved.

#include <filesystem>
#include <iostream>
#include <optional>

#include "cli/command_args.h"
#include "cli/commands.h"
#include "cli/load.h"
#include "core/analysis/analysis_run.h"
#include "core/diagnostics/regrade_report.h"
#include "core/diagnostics/regrade_session.h"
#include "core/text/convert.h"
#include "core/text/format.h"

namespace jrv::cli {

namespace {

constexpr std::string_view kUsage =
    "usage: jrv-cli regrade INPUT.jrv [--rekey I=C]... [--accept I=C]... [--credit I]...\n"
    "                       [--drop I]... [-o NEW.jrv] [--changes CHANGES.csv]\n"
    "  I is an item number; C an option as a digit (1-8) or a letter (A-H)\n";

int usage(const std::string& why) {
  return usage_error("regrade", why, kUsage);
}

// A decision as typed: the option character is kept to name it in a refusal.
struct TypedDecision {
  ItemDecision decision;
  char option = 0;
};

struct RegradeArgs {
  std::string input, output, changes;
  std::vector<TypedDecision> decisions;
};

bool same_file(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return false;
  std::error_code ec;
  if (std::filesystem::equivalent(a, b, ec)) return true;
  return std::filesystem::weakly_canonical(a, ec) == std::filesystem::weakly_canonical(b, ec);
}

std::optional<DecisionKind> decision_option(std::string_view arg) {
  if (arg == "--rekey") return DecisionKind::rekey;
  if (arg == "--accept") return DecisionKind::accept;
  if (arg == "--credit") return DecisionKind::credit;
  if (arg == "--drop") return DecisionKind::drop;
  return std::nullopt;
}

// "I=C" for rekey and accept, "I" for credit and drop.
std::optional<TypedDecision> parse_decision(DecisionKind kind, const std::string& value) {
  TypedDecision out;
  out.decision.kind = kind;
  std::string_view item = value;
  if (kind == DecisionKind::rekey || kind == DecisionKind::accept) {
    const auto eq = value.find('=');
    if (eq == std::string::npos || eq + 2 != value.size()) return std::nullopt;
    item = std::string_view(value).substr(0, eq);
    out.option = value[eq + 1];
  }
  const auto n = parse_int(item);
  if (!n || trim(item).size() != item.size()) return std::nullopt;
  out.decision.item = *n;
  return out;
}

std::optional<RegradeArgs> parse_args(const Args& args, std::string& error) {
  RegradeArgs out;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const auto kind = decision_option(a);
    if (kind || a == "-o" || a == "--changes") {
      if (i + 1 >= args.size()) {
        error = a + " needs a value";
        return std::nullopt;
      }
      const std::string& v = args[++i];
      if (a == "-o") {
        out.output = v;
      } else if (a == "--changes") {
        out.changes = v;
      } else if (auto d = parse_decision(*kind, v)) {
        out.decisions.push_back(*d);
      } else {
        const bool with_option = *kind == DecisionKind::rekey || *kind == DecisionKind::accept;
        error = a + " needs " + (with_option ? "ITEM=OPTION (for example 5=C)" : "an item number") +
                ", not '" + v + "'";
        return std::nullopt;
      }
    } else if (!a.empty() && a[0] == '-') {
      error = "unknown option '" + a + "'";
      return std::nullopt;
    } else if (out.input.empty()) {
      out.input = a;
    } else {
      error = "only one input file";
      return std::nullopt;
    }
  }
  if (out.input.empty()) {
    error = "an input file is needed";
    return std::nullopt;
  }
  // The input keeps the original key: overwriting it would leave no way back.
  if (same_file(out.output, out.input) || same_file(out.changes, out.input) ||
      same_file(out.changes, out.output)) {
    error = "-o and --changes must name new files, not the input file or each other";
    return std::nullopt;
  }
  return out;
}

// Turns the typed options into option codes and checks every decision against the test and
// the ones before it. Returns the accepted list, or nothing after printing every refusal.
std::optional<std::vector<ItemDecision>> checked_decisions(const Workspace& ws,
                                                           std::vector<TypedDecision> typed) {
  std::vector<ItemDecision> accepted;
  bool refused = false;
  for (auto& t : typed) {
    ItemDecision& d = t.decision;
    const bool with_option = d.kind == DecisionKind::rekey || d.kind == DecisionKind::accept;
    std::optional<std::string> why;
    if (with_option && d.item >= 1 && d.item <= ws.num_items) {
      d.option = option_code(ws, d.item, t.option);
      if (d.option < 1 || d.option > kOptionSlots)
        why = "Item " + int_str(d.item) + ": '" + std::string(1, t.option) +
              "' is not an option; write options as digits 1-8 or letters A-H.";
    }
    if (!why) why = decision_refusal(ws, accepted, d);
    if (why) {
      std::cerr << *why << '\n';
      refused = true;
    } else {
      accepted.push_back(d);
    }
  }
  if (refused) return std::nullopt;
  return accepted;
}

}  // namespace

int regrade(const Args& args) {
  for (const auto& a : args)
    if (a == "-h" || a == "--help") {
      std::cout << kUsage;
      return 0;
    }
  std::string error;
  const auto parsed = parse_args(args, error);
  if (!parsed) return usage(error);

  EditorDocument doc;
  Workspace ws;
  const LoadResult load = load_test(parsed->input, doc, ws);
  print_messages(std::cerr, load.messages);
  if (!load.loaded) return 1;
  run_analysis(ws, doc);

  const auto decisions = checked_decisions(ws, parsed->decisions);
  if (!decisions) return 1;
  const Regrade result = regrade(doc, ws, *decisions);
  print_messages(std::cerr, result.check.messages);
  if (result.check.failed) return 1;

  for (const auto& line : regrade_summary_lines(result.comparison)) std::cout << line << '\n';
  if (!parsed->output.empty()) {
    if (const int status = save_document(parsed->output, result.document, result.workspace))
      return status;
  }
  if (!parsed->changes.empty())
    write_utf8_lines(parsed->changes, regrade_changes_csv(result.comparison));
  return 0;
}

}  // namespace jrv::cli
