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

// A file is read in one piece and cut into lines: a large one, lines ending at its very
// end or not, and an empty file.
TEST(TextFile, ReadsLargeFilesAndEveryEndingAtTheEdges) {
  auto p = scratch("large.txt");
  Lines many;
  for (int i = 0; i < 50000; ++i)
    many.push_back("line " + std::to_string(i) + std::string(i % 97, 'x'));
  write_lines(p, many);
  EXPECT_EQ(read_lines(p), many);

  std::ofstream(p, std::ios::binary) << "a\r";
  EXPECT_EQ(read_lines(p), (Lines{"a"}));
  std::ofstream(p, std::ios::binary) << "\r\n\n\r";
  EXPECT_EQ(read_lines(p), (Lines{"", "", ""}));
  std::ofstream(p, std::ios::binary) << "";
  EXPECT_EQ(read_lines(p), Lines{});
  EXPECT_EQ(split_lines("x\r\r\ny"), (Lines{"x", "", "y"}));
}

TEST(TextFile, StoresWindows1252WhenEveryCharacterFitsAndReadsEitherBack) {
  auto p = scratch("b.txt");
  write_lines(p, {"caf\xC3\xA9", "\f"});  // café
  EXPECT_EQ(bytes_of(p), "caf\xE9\r\n\f\r\n");
  EXPECT_EQ(read_lines(p), (Lines{"caf\xC3\xA9", "\f"}));

  // One name outside Windows-1252 makes the whole file UTF-8, without a byte-order mark.
  const Lines mixed = {"Jos\xC3\xA9", "\xC5\x81ukasz", "\xD0\x94\xD0\xBC\xD0\xB8\xD1\x82"};
  write_lines(p, mixed);
  EXPECT_EQ(bytes_of(p), "Jos\xC3\xA9\r\n\xC5\x81ukasz\r\n\xD0\x94\xD0\xBC\xD0\xB8\xD1\x82\r\n");
  EXPECT_EQ(read_lines(p), mixed);

  // "Ã©" fits Windows-1252, but its bytes there (C3 A9) would read back as "é"; a file
  // starting with "ï»¿" would there start with a byte-order mark.
  for (const std::string odd : {"\xC3\x83\xC2\xA9", "\xC3\xAF\xC2\xBB\xC2\xBFx\xC3\xBE"}) {
    write_lines(p, {odd});
    EXPECT_EQ(read_lines(p), Lines{odd});
  }

  // A file saved by an editor with a byte-order mark.
  std::ofstream(p, std::ios::binary) << "\xEF\xBB\xBFJos\xC3\xA9\r\nx";
  EXPECT_EQ(read_lines(p), (Lines{"Jos\xC3\xA9", "x"}));

  write_utf8_lines(p, {"caf\xC3\xA9"});
  EXPECT_EQ(bytes_of(p), "caf\xC3\xA9\r\n");
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
