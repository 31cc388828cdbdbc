#include "core/text/text_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>
#include <system_error>

#include "core/text/encoding.h"
#include "core/text/errors.h"

namespace jrv {

namespace {

// `what` "path": the system's text for `cause`. A failure that left no cause is still an
// input/output error, never "Success".
std::string failure(const std::filesystem::path& path, const char* what, int cause) {
  return std::string(what) + " \"" + path.string() +
         "\": " + std::strerror(cause != 0 ? cause : EIO);
}

std::string reason(const std::filesystem::path& path, const char* what) {
  return failure(path, what, errno);
}

std::filesystem::path temp_beside(const std::filesystem::path& target) {
  static std::mt19937_64 gen{std::random_device{}()};
  auto name = "." + target.filename().string() + ".tmp" + std::to_string(gen() % 1000000000ULL);
  return target.parent_path() / name;
}

// The bytes of a file, read in one piece.
std::string read_bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw FileError(reason(path, "Cannot open file"));
  std::error_code unknown;
  const std::uintmax_t expected = std::filesystem::file_size(path, unknown);
  // One byte more than expected, so that a file of the expected size ends the loop at once.
  std::string bytes(unknown ? 1 << 16 : static_cast<std::size_t>(expected) + 1, '\0');
  std::size_t used = 0;
  for (;;) {
    const auto got =
        in.rdbuf()->sgetn(bytes.data() + used, static_cast<std::streamsize>(bytes.size() - used));
    used += static_cast<std::size_t>(got);
    if (used < bytes.size()) break;
    bytes.resize(bytes.size() * 2);
  }
  if (in.bad()) throw FileError(reason(path, "Cannot read file"));
  bytes.resize(used);
  return bytes;
}

}  // namespace

Lines read_lines(const std::filesystem::path& path) {
  const std::string bytes = read_bytes(path);
  std::string decoded;
  return split_lines(decode_text_view(bytes, decoded));
}

Lines split_lines(std::string_view text) {
  if (text.empty()) return {};
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  std::size_t count = 0;
  for (const char* p = begin;
       (p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)))); ++p)
    ++count;
  Lines lines;
  lines.reserve(count + 1);
  // memchr finds the next LF; a CR before it ends the line there (CR LF or a lone CR).
  for (const char* start = begin; start < end;) {
    const char* lf =
        static_cast<const char*>(std::memchr(start, '\n', static_cast<std::size_t>(end - start)));
    const char* stop = lf != nullptr ? lf : end;
    const char* cr =
        static_cast<const char*>(std::memchr(start, '\r', static_cast<std::size_t>(stop - start)));
    if (cr == nullptr && lf == nullptr) {
      lines.emplace_back(start, end);
      break;
    }
    const char* line_end = cr != nullptr ? cr : lf;
    lines.emplace_back(start, line_end);
    start = line_end + (cr != nullptr && cr + 1 == lf ? 2 : 1);
  }
  return lines;
}

std::string join_crlf(const Lines& lines) {
  std::size_t size = 0;
  for (const auto& l : lines) size += l.size() + 2;
  std::string out;
  out.reserve(size);
  for (const auto& l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

void write_bytes(const std::filesystem::path& path, const std::string& bytes) {
  const auto tmp = temp_beside(path);
  // Each failure keeps its own cause: the clean-up after it must not replace the reason
  // the user is told (a removed temporary file would otherwise report "Success").
  auto fail = [&](const char* what, int cause) {
    std::error_code ignored;
    std::filesystem::remove(tmp, ignored);
    throw FileError(failure(path, what, cause));
  };
  bool written = false;
  int cause = 0;
  {
    errno = 0;
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) fail("Cannot create file", errno);
    errno = 0;
    written = static_cast<bool>(
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush());
    cause = errno;
    errno = 0;
    out.close();  // before the clean-up: an open file cannot be removed everywhere
    if (written && out.fail()) {
      written = false;
      cause = errno;
    }
  }
  if (!written) fail("Cannot write file", cause);
  std::error_code ec;
  std::filesystem::rename(tmp, path, ec);
  if (ec) fail("Cannot write file", ec.value());
}

namespace {

void write_legacy_text(const std::filesystem::path& path, const std::string& text) {
  write_bytes(path, is_ascii(text) ? text : encode_legacy_file(text));  // ASCII: no copy
}

}  // namespace

void write_lines(const std::filesystem::path& path, const Lines& lines) {
  write_legacy_text(path, join_crlf(lines));
}

void write_lines(const std::filesystem::path& path, const CrlfText& text) {
  write_legacy_text(path, text.text());
}

void write_utf8_lines(const std::filesystem::path& path, const Lines& lines) {
  write_bytes(path, join_crlf(lines));
}

}  // namespace jrv
