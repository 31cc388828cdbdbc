// Decoding at the edge and counting columns in characters.
#include "core/text/encoding.h"

#include <gtest/gtest.h>

namespace jrv {
namespace {

TEST(Encoding, Utf8AndWindows1252BytesDecodeToTheSameText) {
  EXPECT_EQ(decode_text("Jos\xC3\xA9"), "Jos\xC3\xA9");
  EXPECT_EQ(decode_text("Jos\xE9"), "Jos\xC3\xA9");
  EXPECT_EQ(decode_text("\xEF\xBB\xBFJos\xC3\xA9"), "Jos\xC3\xA9");
  // The euro sign and curly quotes live at 0x80 and 0x93/0x94 in Windows-1252.
  EXPECT_EQ(decode_text("\x80 \x93x\x94"), "\xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D");
  // Bytes Windows-1252 leaves undefined still decode, and go back to themselves.
  const std::string odd = decode_text("a\x81z\x9D");
  EXPECT_TRUE(is_valid_utf8(odd));
  EXPECT_EQ(to_windows_1252(odd), std::optional<std::string>("a\x81z\x9D"));
  // Binary never fails to decode.
  std::string binary;
  for (int b = 0; b < 256; ++b) binary += static_cast<char>(b);
  EXPECT_TRUE(is_valid_utf8(decode_text(binary)));
  EXPECT_EQ(char_count(decode_text(binary)), 256u);
}

TEST(Encoding, OlderFilesStayWindows1252UnlessACharacterDoesNotFit) {
  EXPECT_EQ(encode_legacy_file("plain ASCII"), "plain ASCII");
  EXPECT_EQ(encode_legacy_file("Jos\xC3\xA9"), "Jos\xE9");
  const std::string polish = "\xC5\x81ukasz";  // Łukasz
  EXPECT_FALSE(to_windows_1252(polish).has_value());
  EXPECT_EQ(encode_legacy_file(polish), polish);
  EXPECT_FALSE(to_windows_1252("\xC3").has_value());
}

TEST(Encoding, ColumnsCountCharactersNotBytes) {
  const std::string greek = "\xCE\x95\xCE\xBB\xCE\xAD\xCE\xBD\xCE\xB7";  // Ελένη
  EXPECT_EQ(char_count(greek), 5u);
  EXPECT_EQ(cut_chars(greek, 2), "\xCE\x95\xCE\xBB");
  EXPECT_EQ(cut_chars(greek, 9), greek);
  EXPECT_EQ(sub_chars(greek, 1, 2), "\xCE\xBB\xCE\xAD");
  EXPECT_EQ(sub_chars(greek, 4), "\xCE\xB7");
  EXPECT_EQ(pad_right(greek, 7), greek + "  ");
  EXPECT_EQ(pad_left(greek, 6), " " + greek);
  EXPECT_EQ(pad_right(greek, 3), greek);
  // A stray continuation byte counts as one character and is never split.
  EXPECT_EQ(char_count("a\x80z"), 3u);
  EXPECT_EQ(cut_chars("a\x80z", 2), "a\x80");
}

// Long ASCII runs are skipped eight bytes at a time: a character outside ASCII at any
// place before, inside or after such a run must still be decoded, counted and cut whole.
TEST(Encoding, AsciiRunsOfAnyLengthMeetOtherCharactersCorrectly) {
  const std::string e = "\xC3\xA9";  // é
  // Runs past two blocks of 32 bytes, where the scan moves from blocks to words to bytes.
  for (std::size_t before = 0; before <= 70; ++before) {
    const std::string ascii(before, 'a');
    const std::string text = ascii + e + "bcdefghij";
    const std::string where = "after " + std::to_string(before) + " ASCII bytes";
    EXPECT_TRUE(is_valid_utf8(text)) << where;
    EXPECT_FALSE(is_ascii(text)) << where;
    EXPECT_TRUE(is_ascii(ascii)) << where;
    EXPECT_EQ(char_count(text), before + 10) << where;
    EXPECT_EQ(char_offset(text, before), before) << where;
    EXPECT_EQ(char_offset(text, before + 1), before + 2) << where;
    EXPECT_EQ(cut_chars(text, before + 1), ascii + e) << where;
    EXPECT_EQ(sub_chars(text, before, 2), e + "b") << where;
    EXPECT_EQ(one_byte_per_char(text), ascii + "?bcdefghij") << where;
    EXPECT_EQ(pad_left(text, before + 11), " " + text) << where;
    EXPECT_EQ(encode_legacy_file(text), ascii + "\xE9" + "bcdefghij") << where;
    // A broken sequence after the run is not UTF-8, and decodes as Windows-1252.
    const std::string broken = ascii + "\xE9" + "bcdefghij";
    EXPECT_FALSE(is_valid_utf8(broken)) << where;
    EXPECT_TRUE(needs_decoding(broken)) << where;
    EXPECT_EQ(decode_text(broken), text) << where;
  }
  EXPECT_FALSE(needs_decoding("plain"));
  EXPECT_TRUE(needs_decoding("\xEF\xBB\xBFplain"));
  EXPECT_EQ(char_offset("abc", 10), 3u);
}

}  // namespace
}  // namespace jrv
