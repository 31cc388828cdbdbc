#include "core/input/test_file_kind.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <string>
#include <string_view>

#include "core/input/input_file_format.h"

namespace jrv {

TestFileKind test_file_kind(const std::filesystem::path& path) {
  std::string ext = path.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  constexpr std::array<std::string_view, 5> kSheets = {".csv", ".tsv", ".xlsx", ".xls", ".ods"};
  if (std::find(kSheets.begin(), kSheets.end(), ext) != kSheets.end()) {
    return TestFileKind::spreadsheet;
  }
  std::ifstream in(path, std::ios::binary);
  std::string first(jrv_file::kVersionMarker.size() + 2, '\0');
  in.read(first.data(), static_cast<std::streamsize>(first.size()));
  first.resize(static_cast<std::size_t>(in.gcount()));
  first = first.substr(0, first.find_first_of("\r\n"));
  return first == jrv_file::kVersionMarker ? TestFileKind::version6 : TestFileKind::older;
}

}  // namespace jrv
