// jrv-cli: the analysis engine without windows, for batch use, scripting and tests.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string_view>

#include "cli/commands.h"
#include "core/process/heap_tuning.h"

namespace {

struct Command {
  std::string_view name;
  int (*run)(const jrv::cli::Args&);
  std::string_view usage;
};

constexpr Command kCommands[] = {
    {"analyze", jrv::cli::analyze, "analyze INPUT.jrv [-o RESULTS.txt] [--save LIST] [options]"},
    {"generate", jrv::cli::generate,
     "generate [--cases N] [--items n] [--seed S] [--options 2|3|4|5|mix] [--difficulty LEVEL] "
     "[--letters] -o OUT.jrv"},
    {"example", jrv::cli::example, "example NAME -o OUT.jrv"},
    {"import", jrv::cli::import,
     "import --from 3|4|5 OLD.jrv -o NEW.jrv\n"
     "  jrv-cli import --from csv|tsv|xlsx|ods FILE -o OUT.jrv [--sheet NAME] [--header yes|no]\n"
     "          [--label-columns LIST] [--item-columns RANGE] [--key-row N|--key TEXT] [--title "
     "TEXT]"},
    {"convert", jrv::cli::convert, "convert --to right-wrong|letters|numbers IN.jrv -o OUT.jrv"},
    {"export", jrv::cli::export_data, "export --format 01|raw|data IN.jrv -o OUT.txt"},
    {"grade-reports", jrv::cli::grade_reports, "grade-reports IN.jrv -o OUT.rpt"},
    {"spearman-brown", jrv::cli::spearman_brown, "spearman-brown IN.jrv [--desired R]"},
    {"regrade", jrv::cli::regrade,
     "regrade INPUT.jrv [--rekey I=C]... [--accept I=C]... [--credit I]... [--drop I]... "
     "[-o NEW.jrv] [--changes CHANGES.csv]"},
    {"report", jrv::cli::report,
     "report INPUT.jrv -o REPORT.html|REPORT.pdf [--paper a4|letter] [analyze options]"},
};

void print_usage(std::ostream& out) {
  out << "usage: jrv-cli COMMAND [arguments]\n";
  for (const auto& c : kCommands) out << "  jrv-cli " << c.usage << "\n";
}

int usage() {
  print_usage(std::cerr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  jrv::process::tune_heap_for_large_runs();
  if (argc < 2) return usage();
  const std::string_view name = argv[1];
  if (name == "-h" || name == "--help") {
    print_usage(std::cout);
    std::cout << "\n  jrv-cli COMMAND --help   the options of one command\n"
                 "  jrv-cli --version        the version of this program\n";
    return 0;
  }
  if (name == "--version") {
    std::cout << "jrv-cli " JRV_VERSION "\n";
    return 0;
  }
  for (const auto& c : kCommands) {
    if (c.name == name) {
      jrv::cli::Args args(argv + 2, argv + argc);
      try {
        return c.run(args);
      } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
      }
    }
  }
  std::cerr << "jrv-cli: unknown command '" << name << "'\n";
  return usage();
}
