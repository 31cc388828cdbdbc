#include <iostream>

#include "cli/commands.h"
#include "cli/load.h"

namespace jrv::cli {

namespace {

int usage() {
  std::cerr << "usage: jrv-cli analyze INPUT.jrv [-o RESULTS.txt] [--save LIST] [options]\n";
  return 2;
}

}  // namespace

int analyze(const Args& args) {
  if (args.size() != 1 || args[0].empty() || args[0][0] == '-') return usage();

  EditorDocument doc;
  Workspace ws;
  const LoadResult load = load_test(args[0], doc, ws);
  print_messages(std::cerr, load.messages);
  if (!load.loaded) return 1;

  std::cout << test_summary(ws) << '\n';
  return 0;
}

}  // namespace jrv::cli
