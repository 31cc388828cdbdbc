// jrv-cli generate: the generator window's "Generate", then "Save JRV File".

#include <iostream>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "core/generate/generator.h"
#include "core/input/editor_document.h"
#include "core/input/input_file_writer.h"
#include "core/workspace/workspace.h"

namespace jrv::cli {

namespace {

constexpr const char* kUsage =
    "usage: jrv-cli generate [--cases N] [--items n] [--seed S] [--options 2|3|4|5|mix]\n"
    "                        [--difficulty easiest|very-easy|easy|medium|hard|very-hard|hardest]\n"
    "                        [--letters] -o OUT.jrv\n";

int usage_error(const std::string& why) {
  std::cerr << "jrv-cli generate: " << why << "\n" << kUsage;
  return 2;
}

std::optional<GenOptions> options_named(const std::string& s) {
  if (s == "2") return GenOptions::two;
  if (s == "3") return GenOptions::three;
  if (s == "4") return GenOptions::four;
  if (s == "5") return GenOptions::five;
  if (s == "mix") return GenOptions::mix;
  return std::nullopt;
}

std::optional<GenDifficulty> difficulty_named(const std::string& s) {
  if (s == "easiest") return GenDifficulty::easiest;
  if (s == "very-easy") return GenDifficulty::very_easy;
  if (s == "easy") return GenDifficulty::easy;
  if (s == "medium") return GenDifficulty::medium;
  if (s == "hard") return GenDifficulty::hard;
  if (s == "very-hard") return GenDifficulty::very_hard;
  if (s == "hardest") return GenDifficulty::hardest;
  return std::nullopt;
}

}  // namespace

int save_document(const std::string& path, const EditorDocument& doc, const Workspace& ws) {
  const SaveResult saved = save_input_file(path, doc, ws, InputSave::explicit_save);
  for (const auto& m : saved.check.messages) std::cerr << m << "\n";
  return saved.written ? 0 : 1;
}

int generate(const Args& args) {
  GeneratorFields window;  // 20 cases, 30 items, seed 1804, mix, medium, numbers
  std::string out;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "-h" || a == "--help") {
      std::cout << kUsage;
      return 0;
    }
    if (a == "--letters") {
      window.letters = true;
      continue;
    }
    const bool takes_value = a == "--cases" || a == "--items" || a == "--seed" ||
                             a == "--options" || a == "--difficulty" || a == "-o";
    if (!takes_value) return usage_error("unknown argument '" + a + "'");
    if (i + 1 >= args.size()) return usage_error(a + " needs a value");
    const std::string& v = args[++i];
    if (a == "--cases") {
      window.num_cases = v;
    } else if (a == "--items") {
      window.num_items = v;
    } else if (a == "--seed") {
      window.seed = v;
    } else if (a == "--options") {
      const auto o = options_named(v);
      if (!o) return usage_error("--options must be 2, 3, 4, 5 or mix");
      window.options = *o;
    } else if (a == "--difficulty") {
      const auto d = difficulty_named(v);
      if (!d) return usage_error("unknown difficulty '" + v + "'");
      window.difficulty = *d;
    } else {
      out = v;
    }
  }
  if (out.empty()) return usage_error("-o OUT.jrv is required");

  EditorDocument doc;
  Workspace ws;
  RandomState rng;
  const CheckResult generated = generate_data(window, doc, ws, rng);
  for (const auto& m : generated.messages) std::cerr << m << "\n";
  if (generated.failed) return 1;
  return save_document(out, doc, ws);
}

}  // namespace jrv::cli
