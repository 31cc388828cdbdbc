// The program's side: these definitions stand in for the core's readers and writer, so the
// linker leaves the core's workbook code and its libraries out of the program. Each call
// goes to the module, loaded on the first one.

#include <dlfcn.h>
#include <unistd.h>

#include <array>
#include <climits>

#include "core/sheets/cell_table.h"
#include "core/text/errors.h"
#include "workbooks/workbook_module.h"

namespace jrv {

namespace {

namespace wb = workbooks;

std::filesystem::path program_folder() {
  std::array<char, PATH_MAX> buffer{};
  const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (n <= 0) return {};
  return std::filesystem::path(std::string(buffer.data(), static_cast<std::size_t>(n)))
      .parent_path();
}

struct Loaded {
  const wb::ModuleFunctions* functions = nullptr;
  std::string error;
};

Loaded load_module() {
  Loaded out;
  const std::filesystem::path folder = program_folder();
  if (folder.empty()) {  // never from the working folder, where anybody may have put a file
    out.error = "the program's folder is unknown";
    return out;
  }
  // Beside the program in a build, in the library folder once installed.
  std::string tried;
  for (const char* where : {".", JRV_WORKBOOKS_FROM_BINDIR}) {
    const std::filesystem::path file = (folder / where / wb::kModuleFile).lexically_normal();
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
      if (const char* why = dlerror(); why != nullptr && std::filesystem::exists(file)) {
        out.error = why;
        return out;
      }
      tried += (tried.empty() ? "" : ", ") + file.string();
      continue;
    }
    using Entry = const wb::ModuleFunctions* (*)();
    const auto entry = reinterpret_cast<Entry>(dlsym(handle, wb::kEntryName));
    const wb::ModuleFunctions* functions = entry != nullptr ? entry() : nullptr;
    if (functions == nullptr || functions->version != wb::kModuleVersion) {
      out.error = file.string() + " belongs to another version of the program";
      return out;
    }
    out.functions = functions;  // loaded for the rest of the run
    return out;
  }
  out.error = std::string(wb::kModuleFile) + " is not installed (looked for " + tried + ")";
  return out;
}

const Loaded& module() {
  static const Loaded loaded = load_module();
  return loaded;
}

const wb::ModuleFunctions& readers() {
  const Loaded& m = module();
  if (m.functions == nullptr) throw SheetError("workbooks cannot be read: " + m.error);
  return *m.functions;
}

}  // namespace

SheetRead read_xlsx(std::string_view bytes, const std::string& sheet) {
  return readers().read_xlsx(bytes, sheet);
}

SheetRead read_ods(std::string_view bytes, const std::string& sheet) {
  return readers().read_ods(bytes, sheet);
}

void write_xlsx_workbook(const std::filesystem::path& path,
                         const std::vector<WorkbookSheet>& sheets) {
  const Loaded& m = module();
  if (m.functions == nullptr)
    throw FileError("Cannot write file \"" + path.string() + "\": " + m.error);
  m.functions->write_xlsx_workbook(path, sheets);
}

}  // namespace jrv
