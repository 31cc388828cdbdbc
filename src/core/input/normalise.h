#pragma once
// The one rule that maps a typed response or key character to an option code, and the
// meaning of an include code.

#include <array>

namespace jrv {

// The code of every byte, as normalise_response gives it for one option count.
using ResponseCodes = std::array<unsigned char, 256>;
const ResponseCodes& response_codes(int option_count);

// Code 0..9 of `c` for an item with `option_count` options; 9 means missing. With two
// options "T"/"t" is option 1 and "F"/"f"/"0" option 2.
int normalise_response(char c, int option_count);

// Include flag of an include code: 1 included ("Y", "y", blank), 2 included with
// alternative correct answers ("A", "a"), 0 excluded (anything else).
int include_flag(char code);

}  // namespace jrv
