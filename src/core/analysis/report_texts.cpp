#include "core/analysis/report_texts.h"

namespace jrv {

void write_report_texts(Workspace& ws, const EditorDocument& doc) {
  (void)ws;
  (void)doc;
}

}  // namespace jrv
