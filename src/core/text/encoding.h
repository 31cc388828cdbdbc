#pragma once
// The one place that knows character sets. Text inside the program is UTF-8; bytes from a
// file are decoded once, where they come in, and encoded once, where they go out. Columns
// are counted in characters (code points), never in bytes, so a name like "José" or
// "Дмитрий" takes as many columns as it has letters.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace jrv {

// True when every byte is below 0x80: such text reads the same in UTF-8 and Windows-1252,
// one character per byte.
bool is_ascii(std::string_view bytes);

// True when `bytes` is well-formed UTF-8 (no overlong forms, surrogates or code points
// above U+10FFFF).
bool is_valid_utf8(std::string_view bytes);

// The bytes of a text file as UTF-8: a leading UTF-8 byte-order mark is dropped; valid
// UTF-8 is kept as it is; anything else is read as Windows-1252. Never fails: the five
// bytes Windows-1252 leaves undefined become the C1 control with the same number.
std::string decode_text(std::string_view bytes);

// False when decode_text would give `bytes` back unchanged (UTF-8 without a byte-order mark).
bool needs_decoding(std::string_view bytes);

// decode_text without a copy where none is needed: the bytes themselves when needs_decoding
// is false; otherwise decode_text's result, held in `storage`.
std::string_view decode_text_view(std::string_view bytes, std::string& storage);

// UTF-8 text as Windows-1252, or nothing when some character has no place in it.
// Invalid UTF-8 gives nothing as well.
std::optional<std::string> to_windows_1252(std::string_view utf8);

// The bytes to write for a file of the program's older kinds: Windows-1252 when every
// character fits (so such files stay byte for byte as they always were), otherwise the
// UTF-8 text itself, without a byte-order mark. Either way decode_text gives the text
// back, except a leading U+FEFF, which reads as a byte-order mark.
std::string encode_legacy_file(std::string_view utf8);

// Number of characters (code points) in UTF-8 text. A byte that does not start a valid
// sequence counts as one character, so broken text still gets a length.
std::size_t char_count(std::string_view utf8);

// Byte offset of the start of character `n` (the size of the text when it has fewer).
std::size_t char_offset(std::string_view utf8, std::size_t n);

// The first `n` characters, never splitting a character.
std::string_view cut_chars(std::string_view utf8, std::size_t n);

// Characters `first` (0-based) onwards, at most `count` of them.
std::string_view sub_chars(std::string_view utf8, std::size_t first,
                           std::size_t count = std::string_view::npos);

// Each character as one byte: ASCII as it is, any other character as '?'. For lines whose
// columns hold one-letter codes (answer key, options, include codes, responses), where only
// ASCII has a meaning but every character still takes its column.
std::string one_byte_per_char(std::string_view utf8);

// `utf8` followed (pad_right) or preceded (pad_left) by blanks up to `width` characters;
// unchanged when already that wide.
std::string pad_right(std::string_view utf8, std::size_t width);
std::string pad_left(std::string_view utf8, std::size_t width);

}  // namespace jrv
