// jrv-cli convert: the data editor's Convert menu on an input file, saved as a new one.

#include <iostream>

#include "cli/commands.h"
#include "cli/load.h"
#include "core/input/conversions.h"
#include "core/input/input_file_reader.h"

namespace jrv::cli {

namespace {

int usage(const std::string& why) {
  std::cerr << "jrv-cli convert: " << why
            << "\nusage: jrv-cli convert --to right-wrong|letters|numbers IN.jrv -o OUT.jrv\n";
  return 2;
}

}  // namespace

int convert(const Args& args) {
  std::string to, input, output;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if ((a == "--to" || a == "-o") && i + 1 >= args.size()) return usage(a + " needs a value");
    if (a == "--to")
      to = args[++i];
    else if (a == "-o")
      output = args[++i];
    else if (!a.empty() && a[0] == '-')
      return usage("unknown option " + a);
    else if (input.empty())
      input = a;
    else
      return usage("more than one input file");
  }
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
