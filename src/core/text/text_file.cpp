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

std::string reason(const std::filesystem::path& path, const char* what) {
  return std::string(what) + " \"" + path.string() + "\": " + std::strerror(errno);
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
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) throw FileError(reason(path, "Cannot create file"));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      const auto msg = reason(path, "Cannot write file");
      std::error_code ec;
      std::filesystem::remove(tmp, ec);
      throw FileError(msg);
    }
  }
  std::error_code ec;
  std::filesystem::rename(tmp, path, ec);
  if (ec) {
    std::filesystem::remove(tmp, ec);
    throw FileError("Cannot write file \"" + path.string() + "\": " + ec.message());
  }
}

void write_lines(const std::filesystem::path& path, const Lines& lines) {
  write_bytes(path, encode_legacy_file(join_crlf(lines)));
}

void write_utf8_lines(const std::filesystem::path& path, const Lines& lines) {
  write_bytes(path, join_crlf(lines));
}

}  // namespace jrv
