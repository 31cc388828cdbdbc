#include "core/input/test_file_kind.h"

#include <gtest/gtest.h>

#include <fstream>

namespace jrv {
namespace {

class TestFileKindTest : public ::testing::Test {
 protected:
  std::filesystem::path write(const std::string& name, const std::string& bytes) {
    const auto path = dir_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("jrv_kind_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path dir_;
};

TEST_F(TestFileKindTest, OnlyTheExactVersionSixMarkerOpensDirectly) {
  EXPECT_EQ(test_file_kind(write("crlf.jrv", "JRV: Orvandel (version 6)\r\nTitle\r\n")),
            TestFileKind::version6);
  EXPECT_EQ(test_file_kind(write("lf.jrv", "JRV: Orvandel (version 6)\nTitle\n")),
            TestFileKind::version6);
  EXPECT_EQ(test_file_kind(write("only.jrv", "JRV: Orvandel (version 6)")), TestFileKind::version6);
  // A marker with more after it, a shorter one, an older layout, an empty file.
  EXPECT_EQ(test_file_kind(write("longer.jrv", "JRV: Orvandel (version 6)x\r\n")),
            TestFileKind::older);
  EXPECT_EQ(test_file_kind(write("shorter.jrv", "JRV: Orvandel (version\r\n")),
            TestFileKind::older);
  EXPECT_EQ(test_file_kind(write("v5.jrv", "Title of an old test\r\n20\r\n")), TestFileKind::older);
  EXPECT_EQ(test_file_kind(write("empty.jrv", "")), TestFileKind::older);
  EXPECT_EQ(test_file_kind(dir_ / "missing.jrv"), TestFileKind::older);
}

TEST_F(TestFileKindTest, SpreadsheetsAreKnownByTheirNameWhateverTheirCase) {
  for (const char* name : {"a.csv", "a.TSV", "a.xlsx", "a.Xls", "a.ods"}) {
    EXPECT_EQ(test_file_kind(write(name, "JRV: Orvandel (version 6)\r\n")),
              TestFileKind::spreadsheet)
        << name;
  }
  EXPECT_EQ(test_file_kind(write("a.txt", "x")), TestFileKind::older);
}

}  // namespace
}  // namespace jrv
