// jrv-cli import: read an input file of an older version, save it as version 6.

#include <iostream>

#include "cli/command_args.h"
#include "cli/commands.h"
#include "cli/load.h"
#include "core/input/legacy_readers.h"

namespace jrv::cli {

namespace {

constexpr std::string_view kUsage =
    "usage: jrv-cli import --from 3|4|5 OLD.jrv -o NEW.jrv\n"
    "       jrv-cli import --from csv|tsv|xlsx|ods FILE -o OUT.jrv [options]\n";

int usage(const std::string& why) {
  return usage_error("import", why, kUsage);
}

}  // namespace

int import(const Args& args) {
  // A spreadsheet has its own options.
  for (std::size_t i = 0; i + 1 < args.size(); ++i)
    if (args[i] == "--from" && args[i + 1] != "3" && args[i + 1] != "4" && args[i + 1] != "5")
      return import_sheet(args);
  const CommandArgs parsed = parse_command_args(args, {"--from", "-o"});
  if (!parsed.error.empty()) return usage(parsed.error);
  const std::string from = parsed.value("--from");
  const std::string& input = parsed.positional;
  const std::string output = parsed.value("-o");
  if (from != "3" && from != "4" && from != "5")
    return usage("--from must be 3, 4, 5, csv, tsv, xlsx or ods");
  if (input.empty() || output.empty()) return usage("an input file and -o are needed");

  EditorDocument doc;
  Workspace ws;
  const OpenResult read = open_legacy_input_file(from[0] - '0', input, doc, ws);
  print_messages(std::cerr, read.messages);
  if (!read.read) return 1;
  return save_document(output, doc, ws);
}

}  // namespace jrv::cli
