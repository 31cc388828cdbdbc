// jrv-cli generate: the generator window's "Generate", then "Save JRV File".

#include <iostream>
#include <optional>
#include <string>

#include "cli/command_args.h"
#include "cli/commands.h"
#include "core/generate/generator.h"
#include "core/input/editor_document.h"
#include "core/input/input_file_writer.h"
#include "core/workspace/workspace.h"

namespace jrv::cli {

namespace {

constexpr std::string_view kUsage =
    "usage: jrv-cli generate [--cases N] [--items n] [--seed S] [--options 2|3|4|5|mix]\n"
    "                        [--difficulty easiest|very-easy|easy|medium|hard|very-hard|hardest]\n"
    "                        [--letters] -o OUT.jrv\n";

int usage(const std::string& why) {
  return usage_error("generate", why, kUsage);
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
  const CommandArgs parsed = parse_command_args(
      args, {"--cases", "--items", "--seed", "--options", "--difficulty", "-o"}, {"--letters"});
  if (parsed.help) {
    std::cout << kUsage;
    return 0;
  }
  if (!parsed.error.empty()) return usage(parsed.error);
  GeneratorFields window;  // 20 cases, 30 items, seed 1804, mix, medium, numbers
  window.letters = parsed.on("--letters");
  if (parsed.has("--cases")) window.num_cases = parsed.value("--cases");
  if (parsed.has("--items")) window.num_items = parsed.value("--items");
  if (parsed.has("--seed")) window.seed = parsed.value("--seed");
  if (parsed.has("--options")) {
    const auto o = options_named(parsed.value("--options"));
    if (!o) return usage("--options must be 2, 3, 4, 5 or mix");
    window.options = *o;
  }
  if (parsed.has("--difficulty")) {
    const auto d = difficulty_named(parsed.value("--difficulty"));
    if (!d) return usage("unknown difficulty '" + parsed.value("--difficulty") + "'");
    window.difficulty = *d;
  }
  if (!parsed.positional.empty()) return usage("unexpected argument " + parsed.positional);
  const std::string out = parsed.value("-o");
  if (out.empty()) return usage("-o OUT.jrv is required");

  EditorDocument doc;
  Workspace ws;
  RandomState rng;
  const CheckResult generated = generate_data(window, doc, ws, rng);
  for (const auto& m : generated.messages) std::cerr << m << "\n";
  if (generated.failed) return 1;
  return save_document(out, doc, ws);
}

}  // namespace jrv::cli
