#pragma once
// The machine-readable results of a run: every test, item, option and examinee statistic
// with the flags, as one JSON document ({"test": ..., "items": [...], "examinees": [...]}).
// Numbers are full precision; a marker or an undefined value is null.

#include <string>

#include "core/diagnostics/item_diagnostics.h"
#include "core/workspace/workspace.h"

namespace jrv {

// The document for the last analysis of `ws` and its diagnostics, indented, ending in a
// line feed.
std::string results_json(const Workspace& ws, const DiagnosticsResult& diagnostics);

}  // namespace jrv
