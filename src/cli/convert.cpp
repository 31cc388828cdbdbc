// jrv-cli convert: the data editor's Convert menu on an input file, saved as a new one.

#include <iostream>

#include "cli/command_args.h"
#include "cli/commands.h"
#include "cli/load.h"
#include "core/input/conversions.h"
#include "core/input/input_file_reader.h"

namespace jrv::cli {

namespace {

constexpr std::string_view kUsage =
    "usage: jrv-cli convert --to right-wrong|letters|numbers IN.jrv -o OUT.jrv\n";

int usage(const std::string& why) {
  return usage_error("convert", why, kUsage);
}

}  // namespace

int convert(const Args& args) {
  const CommandArgs parsed = parse_command_args(args, {"--to", "-o"});
  if (!parsed.error.empty()) return usage(parsed.error);
  const std::string to = parsed.value("--to");
  const std::string& input = parsed.positional;
  const std::string output = parsed.value("-o");
  CheckResult (*conversion)(EditorDocument&, Workspace&) = nullptr;
  if (to == "right-wrong") conversion = convert_to_right_wrong;
  if (to == "letters") conversion = convert_to_letters;
  if (to == "numbers") conversion = convert_to_numbers;
  if (!conversion) return usage("--to must be right-wrong, letters or numbers");
  if (input.empty() || output.empty()) return usage("an input file and -o are needed");

  EditorDocument doc;
  Workspace ws;
  const OpenResult read = open_input_file(input, doc, ws);
  print_messages(std::cerr, read.messages);
  if (!read.read) return 1;
  const CheckResult converted = conversion(doc, ws);
  print_messages(std::cerr, converted.messages);
  if (converted.failed) return 1;
  return save_document(output, doc, ws);
}

}  // namespace jrv::cli
