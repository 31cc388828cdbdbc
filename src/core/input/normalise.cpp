#include "core/input/normalise.h"

#include <array>

namespace jrv {

namespace {

// Codes for items that do not have exactly two options, or (two_options) for those that
// do, where "T", "F" and "0" name the two.
constexpr ResponseCodes make_table(bool two_options) {
  ResponseCodes t{};
  for (auto& v : t) v = 9;
  for (int d = 0; d <= 8; ++d)
    t[static_cast<unsigned char>('0' + d)] = static_cast<unsigned char>(d);
  for (int k = 1; k <= 8; ++k) {
    t[static_cast<unsigned char>('A' + k - 1)] = static_cast<unsigned char>(k);
    t[static_cast<unsigned char>('a' + k - 1)] = static_cast<unsigned char>(k);
  }
  if (two_options) {
    t[static_cast<unsigned char>('T')] = t[static_cast<unsigned char>('t')] = 1;
    t[static_cast<unsigned char>('F')] = t[static_cast<unsigned char>('f')] = 2;
    t[static_cast<unsigned char>('0')] = 2;
  }
  return t;
}

constexpr auto kCodes = make_table(false);
constexpr auto kTwoOptionCodes = make_table(true);

}  // namespace

const ResponseCodes& response_codes(int option_count) {
  return option_count == 2 ? kTwoOptionCodes : kCodes;
}

int normalise_response(char c, int option_count) {
  return response_codes(option_count)[static_cast<unsigned char>(c)];
}

int include_flag(char code) {
  switch (code) {
    case 'Y':
    case 'y':
    case ' ':
      return 1;
    case 'A':
    case 'a':
      return 2;
    default:
      return 0;
  }
}

}  // namespace jrv
