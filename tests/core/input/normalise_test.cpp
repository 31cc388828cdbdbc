#include "core/input/normalise.h"

#include <gtest/gtest.h>

#include <string>

namespace jrv {
namespace {

// The code of every byte for an item with `options` options, as one string of digits.
std::string codes(int options) {
  std::string out;
  for (int c = 0; c < 256; ++c)
    out.push_back(static_cast<char>('0' + normalise_response(static_cast<char>(c), options)));
  return out;
}

TEST(NormaliseResponse, DigitsAndLettersMapToOptionsEverythingElseIsMissing) {
  for (int options : {4, 5, 8}) {
    SCOPED_TRACE(options);
    const std::string c = codes(options);
    EXPECT_EQ(c.substr('0', 10), "0123456789");
    EXPECT_EQ(c.substr('A', 8), "12345678");
    EXPECT_EQ(c.substr('a', 8), "12345678");
    EXPECT_EQ(c['I'], '9');
    EXPECT_EQ(c['T'], '9');
    EXPECT_EQ(c['t'], '9');
    EXPECT_EQ(c[' '], '9');
    EXPECT_EQ(c['.'], '9');
    EXPECT_EQ(c[0xC4], '9');
  }
}

TEST(NormaliseResponse, TwoOptionItemsReadTrueAndFalse) {
  for (char c : {'T', 't', '1', 'A', 'a'}) EXPECT_EQ(normalise_response(c, 2), 1) << c;
  for (char c : {'F', 'f', '0', '2', 'B', 'b'}) EXPECT_EQ(normalise_response(c, 2), 2) << c;
  EXPECT_EQ(normalise_response('F', 4), 6);
  EXPECT_EQ(normalise_response('0', 4), 0);
  // Only "T", "F" and "0" differ from the other items.
  std::string two = codes(2), four = codes(4);
  for (char c : {'T', 't', 'F', 'f', '0'})
    two[static_cast<unsigned char>(c)] = four[static_cast<unsigned char>(c)] = '-';
  EXPECT_EQ(two, four);
}

TEST(IncludeFlag, YesBlankAlternativeAndExcluded) {
  EXPECT_EQ(include_flag('Y'), 1);
  EXPECT_EQ(include_flag('y'), 1);
  EXPECT_EQ(include_flag(' '), 1);
  EXPECT_EQ(include_flag('A'), 2);
  EXPECT_EQ(include_flag('a'), 2);
  EXPECT_EQ(include_flag('N'), 0);
  EXPECT_EQ(include_flag('x'), 0);
}

}  // namespace
}  // namespace jrv
