// jrv-cli example: a built-in example test, saved as an input file.

#include <iostream>
#include <string>

#include "cli/commands.h"
#include "core/generate/example_sets.h"
#include "core/input/editor_document.h"
#include "core/workspace/workspace.h"

namespace jrv::cli {

namespace {

constexpr const char* kUsage =
    "usage: jrv-cli example NAME -o OUT.jrv\n"
    "  NAME: sample1 sample2 sample3 numeric right-wrong letter true-false mixture qzr1 qzl1\n";

int usage_error(const std::string& why) {
  std::cerr << "jrv-cli example: " << why << "\n" << kUsage;
  return 2;
}

}  // namespace

int example(const Args& args) {
  std::string name, out;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-h" || args[i] == "--help") {
      std::cout << kUsage;
      return 0;
    }
    if (args[i] == "-o") {
      if (i + 1 >= args.size()) return usage_error("-o needs a value");
      out = args[++i];
    } else if (name.empty() && !args[i].starts_with("-")) {
      name = args[i];
    } else {
      return usage_error("unknown argument '" + args[i] + "'");
    }
  }
  if (name.empty()) return usage_error("NAME is required");
  if (out.empty()) return usage_error("-o OUT.jrv is required");
  const auto set = example_by_name(name);
  if (!set) return usage_error("unknown example '" + name + "'");

  EditorDocument doc;
  Workspace ws;
  const CheckResult loaded = load_example(*set, doc, ws);
  for (const auto& m : loaded.messages) std::cerr << m << "\n";
  if (loaded.failed) return 1;
  return save_document(out, doc, ws);
}

}  // namespace jrv::cli
