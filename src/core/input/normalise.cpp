#include "core/input/normalise.h"

#include <array>

namespace jrv {

namespace {

// Codes for items that do not have exactly two options; the two-option table differs
// only in "T", "F" and "0".
constexpr std::array<unsigned char, 256> make_table() {
  std::array<unsigned char, 256> t{};
  for (auto& v : t) v = 9;
  for (int d = 0; d <= 8; ++d)
    t[static_cast<unsigned char>('0' + d)] = static_cast<unsigned char>(d);
  for (int k = 1; k <= 8; ++k) {
    t[static_cast<unsigned char>('A' + k - 1)] = static_cast<unsigned char>(k);
    t[static_cast<unsigned char>('a' + k - 1)] = static_cast<unsigned char>(k);
  }
  return t;
}

constexpr auto kCodes = make_table();

}  // namespace

int normalise_response(char c, int option_count) {
  if (option_count == 2) {
    switch (c) {
      case 'T':
      case 't':
        return 1;
      case 'F':
      case 'f':
      case '0':
        return 2;
      default:
        break;
    }
  }
  return kCodes[static_cast<unsigned char>(c)];
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
