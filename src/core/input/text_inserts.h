#pragma once
// Filling the data editor from text files and writing its data lines out again.

#include <filesystem>
#include <string>

#include "core/input/editor_document.h"
#include "core/text/messages.h"
#include "core/text/text_file.h"

namespace jrv {

// "Insert Text File into Data Window": the pane becomes every line of the file, empty ones
// included, and the examinee count shows how many lines were read.
void insert_text_lines(EditorDocument& doc, const Lines& file_lines,
                       const std::filesystem::path& path);

// "Insert Data && Answer Key from Text File": the key is the first line from its first digit
// on (a caption before it is dropped); the other lines replace the pane. A first line without
// a digit refuses the file and changes nothing.
CheckResult insert_data_and_key_lines(EditorDocument& doc, const Lines& file_lines,
                                      const std::filesystem::path& path);

// The same, reading the file (throws FileError).
void insert_text_file(EditorDocument& doc, const std::filesystem::path& path);
CheckResult insert_data_and_key_file(EditorDocument& doc, const std::filesystem::path& path);

// "Save Data Only to Text File": every pane line as it stands. Throws FileError.
void save_data_only(const EditorDocument& doc, const std::filesystem::path& path);

// The help window's sample syntax that writes a file for the keyed insert, and its
// proposed file name.
Lines spss_sample_syntax();
inline constexpr const char* kSpssSyntaxName = "spss2jrv.SPS";

}  // namespace jrv
