#include "core/sheets/zip_archive.h"

#include <zip.h>

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

std::optional<std::string> ZipArchive::read(const std::string& name) {
  const zip_int64_t index = zip_name_locate(archive_.get(), name.c_str(), 0);
  if (index < 0) return std::nullopt;
  zip_stat_t st;
  zip_stat_init(&st);
  if (zip_stat_index(archive_.get(), index, 0, &st) != 0)
    throw SheetError("the workbook is damaged: " + name + " cannot be read");
  if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE)
    throw SheetError("the workbook is encrypted with a password; save it again without one");
  const std::size_t room = kMaxExpanded - expanded_;
  const auto too_big = [&] {
    return SheetError("the workbook expands past " + std::to_string(kMaxExpanded >> 20) +
                      " MB; it is refused as damaged or hostile");
  };
  // The size in the directory may lie; it only sizes the first allocation.
  std::size_t expected = (st.valid & ZIP_STAT_SIZE) ? static_cast<std::size_t>(st.size) : 0;
  if (expected > room) throw too_big();
  std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> file(zip_fopen_index(archive_.get(), index, 0),
                                                         zip_fclose);
  if (!file) throw SheetError("the workbook is damaged: " + name + " cannot be opened");
  std::string data;
  data.resize(expected + 1);
  std::size_t used = 0;
  for (;;) {
    if (used == data.size()) {
      if (data.size() > room) throw too_big();
      data.resize(std::min(room + 1, data.size() * 2 + 4096));
    }
    const zip_int64_t got = zip_fread(file.get(), data.data() + used, data.size() - used);
    if (got < 0)
      throw SheetError("the workbook is damaged or truncated: " + name + " cannot be expanded");
    if (got == 0) break;
    used += static_cast<std::size_t>(got);
    if (used > room) throw too_big();
  }
  expanded_ += used;
  data.resize(used);
  data.reserve(used + 1);
  return data;
}

}  // namespace jrv
