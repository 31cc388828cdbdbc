#include "core/text/encoding.h"

#include <iconv.h>

#include <utf8cpp/utf8.h>
#include <cerrno>
#include <cstdint>
#include <cstring>

namespace jrv {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// One iconv conversion of a whole buffer; nothing when iconv refuses a character.
std::optional<std::string> iconv_all(const char* to, const char* from, std::string_view in) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(in.size() * 3 + 4, '\0');
  char* src = const_cast<char*>(in.data());
  std::size_t src_left = in.size();
  char* dst = out.data();
  std::size_t dst_left = out.size();
  bool ok = true;
  while (src_left > 0) {
    if (iconv(cd, &src, &src_left, &dst, &dst_left) == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) {
        const std::size_t used = out.size() - dst_left;
        out.resize(out.size() * 2);
        dst = out.data() + used;
        dst_left = out.size() - used;
        continue;
      }
      ok = false;
      break;
    }
  }
  iconv_close(cd);
  if (!ok) return std::nullopt;
  out.resize(out.size() - dst_left);
  return out;
}

// Length in bytes of the valid sequence starting at s[i], or 0 when none starts there.
std::size_t sequence_length(std::string_view s, std::size_t i) {
  auto it = s.begin() + static_cast<std::ptrdiff_t>(i);
  auto next = it;
  if (utf8::internal::validate_next(next, s.end()) != utf8::internal::UTF8_OK) return 0;
  return static_cast<std::size_t>(next - it);
}

// Number of leading bytes below 0x80. Most text is ASCII throughout, and there every byte
// is one character, so the functions below count and cut it without decoding.
std::size_t ascii_prefix(std::string_view s) {
  constexpr std::uint64_t kHigh = 0x8080808080808080ULL;
  std::size_t i = 0;
  // Four words at a time while all are ASCII, then word by word to the first other byte.
  for (; i + 32 <= s.size(); i += 32) {
    std::uint64_t w[4];
    std::memcpy(w, s.data() + i, 32);
    if (((w[0] | w[1] | w[2] | w[3]) & kHigh) != 0) break;
  }
  for (; i + 8 <= s.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, s.data() + i, 8);
    if ((word & kHigh) != 0) break;
  }
  while (i < s.size() && static_cast<unsigned char>(s[i]) < 0x80) ++i;
  return i;
}

}  // namespace

bool is_ascii(std::string_view bytes) {
  return ascii_prefix(bytes) == bytes.size();
}

bool is_valid_utf8(std::string_view bytes) {
  const std::size_t ascii = ascii_prefix(bytes);
  return utf8::is_valid(bytes.begin() + static_cast<std::ptrdiff_t>(ascii), bytes.end());
}

bool needs_decoding(std::string_view bytes) {
  return bytes.starts_with(kBom) || !is_valid_utf8(bytes);
}

std::string decode_text(std::string_view bytes) {
  if (bytes.starts_with(kBom)) bytes.remove_prefix(kBom.size());
  if (is_valid_utf8(bytes)) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size() * 2);
  // glibc's CP1252 refuses 0x81, 0x8D, 0x8F, 0x90 and 0x9D; those pass as C1 controls.
  std::size_t start = 0;
  auto flush = [&](std::size_t end) {
    if (end > start) {
      auto part = iconv_all("UTF-8", "WINDOWS-1252", bytes.substr(start, end - start));
      if (part) out += *part;
    }
  };
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) {
      flush(i);
      out += static_cast<char>(0xC2);
      out += static_cast<char>(b);
      start = i + 1;
    }
  }
  flush(bytes.size());
  return out;
}

std::string_view decode_text_view(std::string_view bytes, std::string& storage) {
  if (!needs_decoding(bytes)) return bytes;
  storage = decode_text(bytes);
  return storage;
}

std::optional<std::string> to_windows_1252(std::string_view utf8) {
  if (is_ascii(utf8)) return std::string(utf8);
  if (!is_valid_utf8(utf8)) return std::nullopt;
  std::string out;
  out.reserve(utf8.size());
  std::size_t start = 0;
  // The five C1 controls decode_text lets through go back to their own bytes.
  for (std::size_t i = 0; i + 1 < utf8.size(); ++i) {
    const auto b0 = static_cast<unsigned char>(utf8[i]);
    const auto b1 = static_cast<unsigned char>(utf8[i + 1]);
    if (b0 == 0xC2 && (b1 == 0x81 || b1 == 0x8D || b1 == 0x8F || b1 == 0x90 || b1 == 0x9D)) {
      if (i > start) {
        auto part = iconv_all("WINDOWS-1252", "UTF-8", utf8.substr(start, i - start));
        if (!part) return std::nullopt;
        out += *part;
      }
      out += static_cast<char>(b1);
      start = i + 2;
      ++i;
    }
  }
  if (start < utf8.size()) {
    auto part = iconv_all("WINDOWS-1252", "UTF-8", utf8.substr(start));
    if (!part) return std::nullopt;
    out += *part;
  }
  return out;
}

std::string encode_legacy_file(std::string_view utf8) {
  if (is_ascii(utf8)) return std::string(utf8);  // the same bytes in both character sets
  // Windows-1252 bytes that happen to form valid UTF-8 (such as "Ã©") or to start with a
  // byte-order mark ("ï»¿") would read back as other letters; the UTF-8 form of the same
  // text reads back as written.
  if (auto narrow = to_windows_1252(utf8);
      narrow && (*narrow == utf8 || (!is_valid_utf8(*narrow) && !narrow->starts_with(kBom))))
    return std::move(*narrow);
  return std::string(utf8);
}

std::size_t char_offset(std::string_view utf8, std::size_t n) {
  std::size_t i = ascii_prefix(utf8.substr(0, n));
  if (i == n || i == utf8.size()) return i;
  for (std::size_t k = i; k < n && i < utf8.size(); ++k) {
    if (static_cast<unsigned char>(utf8[i]) < 0x80) {
      ++i;
      continue;
    }
    const std::size_t len = sequence_length(utf8, i);
    i += len == 0 ? 1 : len;
  }
  return i;
}

std::size_t char_count(std::string_view utf8) {
  std::size_t count = ascii_prefix(utf8);
  for (std::size_t i = count; i < utf8.size(); ++count) {
    if (static_cast<unsigned char>(utf8[i]) < 0x80) {
      ++i;
      continue;
    }
    const std::size_t len = sequence_length(utf8, i);
    i += len == 0 ? 1 : len;
  }
  return count;
}

std::string_view cut_chars(std::string_view utf8, std::size_t n) {
  return utf8.substr(0, char_offset(utf8, n));
}

std::string_view sub_chars(std::string_view utf8, std::size_t first, std::size_t count) {
  const std::size_t from = char_offset(utf8, first);
  std::string_view rest = utf8.substr(from);
  if (count == std::string_view::npos) return rest;
  return rest.substr(0, char_offset(rest, count));
}

std::string one_byte_per_char(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  const std::size_t ascii = ascii_prefix(utf8);
  out.assign(utf8.substr(0, ascii));
  for (std::size_t i = ascii; i < utf8.size();) {
    if (static_cast<unsigned char>(utf8[i]) < 0x80) {
      out += utf8[i++];
      continue;
    }
    out += '?';
    const std::size_t len = sequence_length(utf8, i);
    i += len == 0 ? 1 : len;
  }
  return out;
}

std::string pad_right(std::string_view utf8, std::size_t width) {
  std::string out(utf8);
  const std::size_t n = char_count(utf8);
  if (n < width) out.append(width - n, ' ');
  return out;
}

std::string pad_left(std::string_view utf8, std::size_t width) {
  const std::size_t n = char_count(utf8);
  std::string out;
  if (n < width) out.assign(width - n, ' ');
  out += utf8;
  return out;
}

}  // namespace jrv
