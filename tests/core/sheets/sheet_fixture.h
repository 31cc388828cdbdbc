#pragma once
// The bytes of a spreadsheet fixture of tests/golden/sheets.

#include <fstream>
#include <sstream>
#include <string>

namespace jrv::fixture {

inline std::string sheet_bytes(const std::string& name) {
  std::ifstream in(std::string(JRV_TEST_DATA_DIR) + "/sheets/" + name, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace jrv::fixture
