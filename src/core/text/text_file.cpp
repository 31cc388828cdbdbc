#include "core/text/text_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
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

}  // namespace

Lines read_lines(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw FileError(reason(path, "Cannot open file"));
  std::ostringstream ss;
  ss << in.rdbuf();
  if (in.bad()) throw FileError(reason(path, "Cannot read file"));
  return split_lines(decode_text(ss.str()));
}

Lines split_lines(std::string_view text) {
  Lines lines;
  std::string current;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(current));
      current.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      current.push_back(c);
    }
  }
  if (!current.empty()) lines.push_back(std::move(current));
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

void write_lines(const std::filesystem::path& path, const Lines& lines) {
  write_bytes(path, encode_legacy_file(join_crlf(lines)));
}

void write_utf8_lines(const std::filesystem::path& path, const Lines& lines) {
  write_bytes(path, join_crlf(lines));
}

}  // namespace jrv
