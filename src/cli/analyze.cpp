#include "cli/commands.h"

#include <iostream>

namespace jrv::cli {

int analyze(const Args& args) {
  if (args.empty()) {
    std::cerr << "usage: jrv-cli analyze INPUT.jrv [-o RESULTS.txt] [--save LIST] [options]\n";
    return 2;
  }
  std::cerr << "jrv-cli analyze: the input reader is not built yet\n";
  return 1;
}

}  // namespace jrv::cli
