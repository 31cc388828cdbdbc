// jrv-cli export: the data editor's comma-delimited exports and "Save Data Only".

#include <iostream>

#include "cli/commands.h"
#include "cli/load.h"
#include "core/input/comma_exports.h"
#include "core/input/conversions.h"
#include "core/input/input_file_reader.h"
#include "core/input/text_inserts.h"

namespace jrv::cli {

namespace {

int usage(const std::string& why) {
  std::cerr << "jrv-cli export: " << why
            << "\nusage: jrv-cli export --format 01|raw|data IN.jrv -o OUT.txt\n";
  return 2;
}

}  // namespace

int export_data(const Args& args) {
  std::string format, input, output;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if ((a == "--format" || a == "-o") && i + 1 >= args.size()) return usage(a + " needs a value");
    if (a == "--format")
      format = args[++i];
    else if (a == "-o")
      output = args[++i];
    else if (!a.empty() && a[0] == '-')
      return usage("unknown option " + a);
    else if (input.empty())
      input = a;
    else
      return usage("more than one input file");
  }
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
