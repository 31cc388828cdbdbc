// jrv-cli export: the data editor's comma-delimited exports and "Save Data Only".

#include <iostream>

#include "cli/command_args.h"
#include "cli/commands.h"
#include "cli/load.h"
#include "core/input/comma_exports.h"
#include "core/input/conversions.h"
#include "core/input/input_file_reader.h"
#include "core/input/text_inserts.h"

namespace jrv::cli {

namespace {

constexpr std::string_view kUsage =
    "usage: jrv-cli export --format 01|raw|data IN.jrv -o OUT.txt\n";

int usage(const std::string& why) {
  return usage_error("export", why, kUsage);
}

}  // namespace

int export_data(const Args& args) {
  const CommandArgs parsed = parse_command_args(args, {"--format", "-o"});
  if (!parsed.error.empty()) return usage(parsed.error);
  const std::string format = parsed.value("--format");
  const std::string& input = parsed.positional;
  const std::string output = parsed.value("-o");
  if (format != "01" && format != "raw" && format != "data")
    return usage("--format must be 01, raw or data");
  if (input.empty() || output.empty()) return usage("an input file and -o are needed");

  EditorDocument doc;
  Workspace ws;
  if (format == "raw") {
    // The raw export writes what the last check loaded: open and leave the editor first.
    const LoadResult load = load_test(input, doc, ws);
    print_messages(std::cerr, load.messages);
    if (!load.loaded) return 1;
    write_lines(output, comma_raw_lines(ws));
    return 0;
  }
  const OpenResult read = open_input_file(input, doc, ws);
  print_messages(std::cerr, read.messages);
  if (!read.read) return 1;
  if (format == "data") {
    save_data_only(doc, output);
    return 0;
  }
  Lines lines;
  const CheckResult check = comma_01_export(doc, ws, lines);
  print_messages(std::cerr, check.messages);
  if (check.failed) return 1;
  write_lines(output, lines);
  return 0;
}

}  // namespace jrv::cli
