// jrv-cli import: read an input file of an older version, save it as version 6.

#include <iostream>

#include "cli/commands.h"
#include "cli/load.h"
#include "core/input/legacy_readers.h"

namespace jrv::cli {

namespace {

int usage(const std::string& why) {
  std::cerr << "jrv-cli import: " << why
            << "\nusage: jrv-cli import --from 3|4|5 OLD.jrv -o NEW.jrv\n";
  return 2;
}

}  // namespace

int import(const Args& args) {
  std::string from, input, output;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if ((a == "--from" || a == "-o") && i + 1 >= args.size()) return usage(a + " needs a value");
    if (a == "--from")
      from = args[++i];
    else if (a == "-o")
      output = args[++i];
    else if (!a.empty() && a[0] == '-')
      return usage("unknown option " + a);
    else if (input.empty())
      input = a;
    else
      return usage("more than one input file");
  }
  if (from != "3" && from != "4" && from != "5") return usage("--from must be 3, 4 or 5");
  if (input.empty() || output.empty()) return usage("an input file and -o are needed");

  EditorDocument doc;
  Workspace ws;
  const OpenResult read = open_legacy_input_file(from[0] - '0', input, doc, ws);
  print_messages(std::cerr, read.messages);
  if (!read.read) return 1;
  return save_document(output, doc, ws);
}

}  // namespace jrv::cli
