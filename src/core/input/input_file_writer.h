#pragma once
// Writing the data editor's document as a version-6 input file.

#include <filesystem>

#include "core/input/editor_document.h"
#include "core/text/messages.h"
#include "core/text/text_file.h"
#include "core/workspace/workspace.h"

namespace jrv {

// The file's lines, line for line what the reader takes back. Throws ConversionError when a
// cell of the alternative-answers grid is not a one-digit number.
Lines input_file_lines(const EditorDocument& doc, const Workspace& ws);

// Whether a file of the document would read back as written: the number of examinees and
// of items must be numbers and the data window must hold exactly that many lines.
// Refused: the message says both numbers, focus on txt_cases.
CheckResult check_input_file_savable(const EditorDocument& doc);

// "Save JRV File" always writes; the copy written beside saved results is made only while
// "Automatically Save JRV file when saving results" (auto_save_input) is on.
enum class InputSave { explicit_save, automatic_copy };

struct SaveResult {
  bool written = false;
  CheckResult check;  // the refusal, when there is one
};

// Writes atomically (the old file stays whole when anything fails). Throws ConversionError
// (see input_file_lines) or FileError; nothing is written then.
SaveResult save_input_file(const std::filesystem::path& path, const EditorDocument& doc,
                           const Workspace& ws, InputSave kind);

}  // namespace jrv
