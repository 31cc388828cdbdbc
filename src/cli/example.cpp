// jrv-cli example: a built-in example test, saved as an input file.

#include <iostream>
#include <string>

#include "cli/command_args.h"
#include "cli/commands.h"
#include "core/generate/example_sets.h"
#include "core/input/editor_document.h"
#include "core/workspace/workspace.h"

namespace jrv::cli {

namespace {

constexpr std::string_view kUsage =
    "usage: jrv-cli example NAME -o OUT.jrv\n"
    "  NAME: sample1 sample2 sample3 numeric right-wrong letter true-false mixture qzr1 qzl1\n";

int usage(const std::string& why) {
  return usage_error("example", why, kUsage);
}

}  // namespace

int example(const Args& args) {
  const CommandArgs parsed = parse_command_args(args, {"-o"});
  if (parsed.help) {
    std::cout << kUsage;
    return 0;
  }
  if (!parsed.error.empty()) return usage(parsed.error);
  const std::string& name = parsed.positional;
  const std::string out = parsed.value("-o");
  if (name.empty()) return usage("NAME is required");
  if (out.empty()) return usage("-o OUT.jrv is required");
  const auto set = example_by_name(name);
  if (!set) return usage("unknown example '" + name + "'");

  EditorDocument doc;
  Workspace ws;
  const CheckResult loaded = load_example(*set, doc, ws);
  for (const auto& m : loaded.messages) std::cerr << m << "\n";
  if (loaded.failed) return 1;
  return save_document(out, doc, ws);
}

}  // namespace jrv::cli
