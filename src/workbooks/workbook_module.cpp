// The module's side: the core's own readers and writer, handed out by address.

#include "workbooks/workbook_module.h"

extern "C" const jrv::workbooks::ModuleFunctions* jrv_workbook_module() {
  static const jrv::workbooks::ModuleFunctions functions{
      jrv::workbooks::kModuleVersion, &jrv::read_xlsx, &jrv::read_ods, &jrv::write_xlsx_workbook};
  return &functions;
}
