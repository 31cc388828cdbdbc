#pragma once
// Comparing produced lines with a golden file, line by line. A mismatch names the line
// and shows both texts. With JRV_UPDATE_GOLDEN=1 in the environment the golden file is
// rewritten instead (review the difference before committing it).

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/text/text_file.h"

namespace jrv::testing {

inline std::filesystem::path golden_path(const std::string& relative) {
  return std::filesystem::path(JRV_TEST_DATA_DIR) / relative;
}

inline std::string visible(const std::string& s) {
  std::string out;
  for (char c : s) out += c == '\f' ? std::string("<FF>") : std::string(1, c);
  return "[" + out + "]";
}

inline void expect_golden(const Lines& actual, const std::string& relative) {
  const auto path = golden_path(relative);
  const char* update = std::getenv("JRV_UPDATE_GOLDEN");
  if (update && std::string(update) == "1") {
    std::filesystem::create_directories(path.parent_path());
    write_lines(path, actual);
    return;
  }
  const Lines expected = read_lines(path);
  const std::size_t n = std::max(expected.size(), actual.size());
  int shown = 0;
  for (std::size_t i = 0; i < n && shown < 5; ++i) {
    const std::string e = i < expected.size() ? expected[i] : "<no line>";
    const std::string a = i < actual.size() ? actual[i] : "<no line>";
    if (e != a) {
      ADD_FAILURE() << relative << " line " << i + 1 << "\n  expected: " << visible(e)
                    << "\n  actual:   " << visible(a);
      ++shown;
    }
  }
  EXPECT_EQ(expected.size(), actual.size()) << relative << ": line count";
}

}  // namespace jrv::testing
