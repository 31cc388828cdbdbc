#pragma once
// A zipped workbook (XLSX, ODS) opened from memory with libzip, read under limits: a
// damaged, encrypted or oversized archive is refused with a message instead of being
// read half or filling the memory.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct zip;

namespace jrv {

class ZipArchive {
 public:
  static constexpr std::size_t kMaxEntries = 10'000;
  static constexpr std::size_t kMaxExpanded = 200u << 20;  // all entries read, together

  // Opens the archive held in `bytes` (which must outlive it). Throws SheetError: not a
  // zip archive, damaged, too many entries.
  explicit ZipArchive(std::string_view bytes);
  ~ZipArchive();
  ZipArchive(const ZipArchive&) = delete;
  ZipArchive& operator=(const ZipArchive&) = delete;

  bool has(const std::string& name) const;

  // The expanded bytes of an entry, or nothing when there is none. Throws SheetError for
  // an encrypted or damaged entry, and once the entries read so far expand past
  // kMaxExpanded. One byte of room is left at the end for a parser's terminator.
  std::optional<std::string> read(const std::string& name);

 private:
  std::unique_ptr<zip, void (*)(zip*)> archive_;
  std::size_t expanded_ = 0;
};

}  // namespace jrv
