#pragma once
// Plain text files, read and written line by line. Every file this program writes
// ends each line with CR LF and is replaced atomically: the lines go to a temporary file
// in the same folder that is renamed over the target only when complete, so a failed
// save never leaves a truncated or half-old file.
//
// Lines inside the program are UTF-8. A file is decoded once as it is read (UTF-8 when its
// bytes are valid UTF-8, else Windows-1252), and the file kinds older versions of the
// program wrote are stored in Windows-1252 whenever every character fits (see encoding.h).

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace jrv {

using Lines = std::vector<std::string>;

// The lines of a file as UTF-8; CR LF, LF and a lone CR all end a line. A last line
// without an ending still counts. Throws FileError when the file cannot be opened or read.
Lines read_lines(const std::filesystem::path& path);

// The lines of a text as read_lines splits a file's bytes.
Lines split_lines(std::string_view text);

// Writes `lines`, each followed by CR LF, in Windows-1252 when every character fits and in
// UTF-8 (no byte-order mark) otherwise. Throws FileError (the target unchanged).
void write_lines(const std::filesystem::path& path, const Lines& lines);

// Writes `lines` as write_lines does, but always in UTF-8: for file kinds that are new
// enough that no reader expects an 8-bit character set.
void write_utf8_lines(const std::filesystem::path& path, const Lines& lines);

// The text of `lines` joined with CR LF after each line (what write_lines stores).
std::string join_crlf(const Lines& lines);

// That text built line by line into one buffer, for files too large to hold as lines first.
class CrlfText {
 public:
  void add(std::string_view line) {
    text_ += line;
    text_ += "\r\n";
  }
  void add(const Lines& lines) {
    std::size_t size = text_.size();
    for (const auto& l : lines) size += l.size() + 2;
    text_.reserve(size + 4096);  // room for the lines that usually follow
    for (const auto& l : lines) add(l);
  }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// Writes the text as write_lines writes its lines.
void write_lines(const std::filesystem::path& path, const CrlfText& text);

// Writes raw bytes atomically (used for files that are not line based, such as bitmaps).
void write_bytes(const std::filesystem::path& path, const std::string& bytes);

}  // namespace jrv
