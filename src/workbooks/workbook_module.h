#pragma once
// The zipped workbooks (reading XLSX and ODS, writing XLSX) as a module of their own, which
// the desktop program loads the first time a workbook is read or written: their libraries
// (libzip, pugixml, libxlsxwriter and the libcrypto both bring) would otherwise be loaded
// and linked at every start.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/export/xlsx_writer.h"
#include "core/sheets/workbook_readers.h"

namespace jrv::workbooks {

// Raised whenever this header changes what the functions take or give.
inline constexpr int kModuleVersion = 1;

struct ModuleFunctions {
  int version;
  SheetRead (*read_xlsx)(std::string_view bytes, const std::string& sheet);
  SheetRead (*read_ods)(std::string_view bytes, const std::string& sheet);
  void (*write_xlsx_workbook)(const std::filesystem::path& path,
                              const std::vector<WorkbookSheet>& sheets);
};

// The module's one exported name.
inline constexpr const char* kEntryName = "jrv_workbook_module";
inline constexpr const char* kModuleFile = "jrv-workbooks.so";

}  // namespace jrv::workbooks

extern "C" const jrv::workbooks::ModuleFunctions* jrv_workbook_module();
