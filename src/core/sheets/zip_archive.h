#pragma once
// A zipped workbook (XLSX, ODS) opened from memory with libzip, read under limits: a
// damaged, encrypted or oversized archive is refused with a message instead of being
// read half or filling the memory.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct zip;
struct zip_file;

namespace jrv {

class ZipArchive {
 public:
  static constexpr std::size_t kMaxExpanded = 200u << 20;  // all entries read, together
  static constexpr std::size_t kMaxEntries = 10'000;

  // One entry expanded piece by piece, so a large part need not be held whole.
  class Entry {
   public:
    Entry(Entry&&) noexcept;
    ~Entry();
    // Up to `size` more bytes into `out`; 0 at the end. Throws SheetError for a damaged
    // entry, and once the entries read so far expand past kMaxExpanded.
    std::size_t read(char* out, std::size_t size);
    // The size the archive's directory gives, which may lie: use it to size buffers only.
    std::size_t stated_size() const { return stated_size_; }

   private:
    friend class ZipArchive;
    Entry(ZipArchive& archive, std::uint64_t index, std::string name, std::size_t stated_size);
    ZipArchive* archive_;
    std::unique_ptr<zip_file, int (*)(zip_file*)> file_;
    std::uint64_t index_;
    std::string name_;
    std::size_t stated_size_;
    std::size_t read_ = 0;
  };

  // Opens the archive held in `bytes` (which must outlive it). Throws SheetError: not a
  // zip archive, damaged, too many entries.
  explicit ZipArchive(std::string_view bytes);
  ~ZipArchive();
  ZipArchive(const ZipArchive&) = delete;
  ZipArchive& operator=(const ZipArchive&) = delete;

  bool has(const std::string& name) const;

  // The entry to read piece by piece, or nothing when there is none. Throws SheetError for
  // an encrypted entry or one whose stated size is past the limit.
  std::optional<Entry> open(const std::string& name);

  // The expanded bytes of an entry, or nothing when there is none; throws as open() and
  // Entry::read(). One byte of room is left at the end for a parser's terminator.
  std::optional<std::string> read(const std::string& name);

 private:
  // An entry read twice counts once towards the limit, by the most of it read.
  void count(std::uint64_t index, std::size_t read_so_far);
  std::size_t room_for(std::uint64_t index) const;

  std::unique_ptr<zip, void (*)(zip*)> archive_;
  std::size_t expanded_ = 0;
  std::map<std::uint64_t, std::size_t> counted_;  // bytes counted of each entry read
};

}  // namespace jrv
