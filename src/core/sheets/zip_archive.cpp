#include "core/sheets/zip_archive.h"

#include <zip.h>

#include <algorithm>

#include "core/sheets/cell_table.h"

namespace jrv {

namespace {

void discard(zip* z) {
  if (z != nullptr) zip_discard(z);
}

zip* open_archive(std::string_view bytes) {
  if (bytes.starts_with("\xD0\xCF\x11\xE0"))
    throw SheetError(
        "the workbook is encrypted with a password, or saved in the old binary format; "
        "save it again as .xlsx or .ods without a password");
  if (!bytes.starts_with("PK"))
    throw SheetError("not a spreadsheet: the file is not an XLSX or ODS workbook");
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  if (source == nullptr) throw SheetError("the workbook cannot be opened");
  zip* z = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
  if (z == nullptr) {
    zip_source_free(source);
    const int code = zip_error_code_zip(&error);
    zip_error_fini(&error);
    // A zip's directory sits at its end: a file that starts like one but has none was cut.
    if (code == ZIP_ER_NOZIP && !bytes.starts_with("PK\x03\x04"))
      throw SheetError("not a spreadsheet: the file is not an XLSX or ODS workbook");
    throw SheetError("the workbook is damaged or truncated (its zip container cannot be read)");
  }
  zip_error_fini(&error);
  return z;
}

}  // namespace

ZipArchive::ZipArchive(std::string_view bytes) : archive_(open_archive(bytes), discard) {
  const zip_int64_t n = zip_get_num_entries(archive_.get(), 0);
  if (n < 0 || static_cast<std::size_t>(n) > kMaxEntries)
    throw SheetError("the workbook holds more than " + std::to_string(kMaxEntries) +
                     " files; it is not a spreadsheet this program reads");
}

ZipArchive::~ZipArchive() = default;

bool ZipArchive::has(const std::string& name) const {
  return zip_name_locate(archive_.get(), name.c_str(), 0) >= 0;
}

namespace {

SheetError too_big() {
  return SheetError("the workbook expands past " + std::to_string(ZipArchive::kMaxExpanded >> 20) +
                    " MB; it is refused as damaged or hostile");
}

}  // namespace

std::size_t ZipArchive::room_for(std::uint64_t index) const {
  const auto it = counted_.find(index);
  return kMaxExpanded - expanded_ + (it == counted_.end() ? 0 : it->second);
}

void ZipArchive::count(std::uint64_t index, std::size_t read_so_far) {
  std::size_t& counted = counted_[index];
  if (read_so_far <= counted) return;
  expanded_ += read_so_far - counted;
  counted = read_so_far;
  if (expanded_ > kMaxExpanded) throw too_big();
}

std::optional<ZipArchive::Entry> ZipArchive::open(const std::string& name) {
  const zip_int64_t index = zip_name_locate(archive_.get(), name.c_str(), 0);
  if (index < 0) return std::nullopt;
  zip_stat_t st;
  zip_stat_init(&st);
  if (zip_stat_index(archive_.get(), index, 0, &st) != 0)
    throw SheetError("the workbook is damaged: " + name + " cannot be read");
  if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE)
    throw SheetError("the workbook is encrypted with a password; save it again without one");
  const auto i = static_cast<std::uint64_t>(index);
  const std::size_t stated = (st.valid & ZIP_STAT_SIZE) ? static_cast<std::size_t>(st.size) : 0;
  if (stated > room_for(i)) throw too_big();
  Entry entry(*this, i, name, stated);
  if (!entry.file_) throw SheetError("the workbook is damaged: " + name + " cannot be opened");
  return entry;
}

ZipArchive::Entry::Entry(ZipArchive& archive, std::uint64_t index, std::string name,
                         std::size_t stated_size)
    : archive_(&archive),
      file_(zip_fopen_index(archive.archive_.get(), index, 0), zip_fclose),
      index_(index),
      name_(std::move(name)),
      stated_size_(stated_size) {}

ZipArchive::Entry::Entry(Entry&&) noexcept = default;
ZipArchive::Entry::~Entry() = default;

std::size_t ZipArchive::Entry::read(char* out, std::size_t size) {
  // Never more than the limit leaves, plus one byte to see that it was passed.
  size = std::min(size, archive_->room_for(index_) - read_ + 1);
  const zip_int64_t got = zip_fread(file_.get(), out, size);
  if (got < 0)
    throw SheetError("the workbook is damaged or truncated: " + name_ + " cannot be expanded");
  read_ += static_cast<std::size_t>(got);
  archive_->count(index_, read_);
  return static_cast<std::size_t>(got);
}

std::optional<std::string> ZipArchive::read(const std::string& name) {
  auto entry = open(name);
  if (!entry) return std::nullopt;
  // The size in the directory may lie; it only sizes the first allocation.
  std::string data;
  data.resize(entry->stated_size() + 1);
  std::size_t used = 0;
  for (;;) {
    if (used == data.size()) data.resize(std::min(data.size() * 2 + 4096, kMaxExpanded + 1));
    const std::size_t got = entry->read(data.data() + used, data.size() - used);
    if (got == 0) break;
    used += got;
  }
  data.resize(used);
  data.reserve(used + 1);
  return data;
}

}  // namespace jrv
