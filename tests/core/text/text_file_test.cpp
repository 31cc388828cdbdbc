#include "core/text/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/text/errors.h"

namespace jrv {
namespace {

namespace fs = std::filesystem;

fs::path scratch(const char* name) {
  auto dir = fs::temp_directory_path() / "jrv_text_file_test";
  fs::create_directories(dir);
  return dir / name;
}

std::string bytes_of(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(TextFile, WritesCrLfAndReadsEveryLineEnding) {
  auto p = scratch("a.txt");
  write_lines(p, {"one", "", "three"});
  EXPECT_EQ(bytes_of(p), "one\r\n\r\nthree\r\n");
  EXPECT_EQ(read_lines(p), (Lines{"one", "", "three"}));

  std::ofstream(p, std::ios::binary) << "a\nb\rc\r\nlast";
  EXPECT_EQ(read_lines(p), (Lines{"a", "b", "c", "last"}));
}

TEST(TextFile, KeepsEightBitBytes) {
  auto p = scratch("b.txt");
  write_lines(p, {"caf\xe9", "\f"});
  EXPECT_EQ(read_lines(p), (Lines{"caf\xe9", "\f"}));
}

TEST(TextFile, AFailedWriteLeavesTheOldFileWhole) {
  auto p = scratch("c.txt");
  write_lines(p, {"old"});
  EXPECT_THROW(write_lines(scratch("missing-folder") / "x.txt", {"new"}), FileError);
  EXPECT_EQ(bytes_of(p), "old\r\n");
  for (const auto& e : fs::directory_iterator(p.parent_path()))
    EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path();
}

TEST(TextFile, MissingFileIsAFileError) {
  EXPECT_THROW(read_lines(scratch("does-not-exist.txt")), FileError);
}

// The clean-up of the temporary file once replaced the cause with "Success".
TEST(TextFile, AFailedWriteNamesItsCause) {
  const auto folder = scratch("target-is-a-folder");
  fs::create_directories(folder / "inside");
  const auto missing = scratch("missing-folder") / "x.txt";
  const std::pair<fs::path, std::string> cases[] = {
      {folder, "Cannot write file \"" + folder.string() + "\": Is a directory"},
      {missing, "Cannot create file \"" + missing.string() + "\": No such file or directory"},
  };
  for (const auto& [path, message] : cases) {
    try {
      write_lines(path, {"new"});
      ADD_FAILURE() << "no error writing " << path;
    } catch (const FileError& e) {
      EXPECT_EQ(std::string(e.what()), message);
    }
  }
  EXPECT_TRUE(fs::is_directory(folder / "inside"));
  for (const auto& e : fs::directory_iterator(folder.parent_path()))
    EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path();
}

}  // namespace
}  // namespace jrv
