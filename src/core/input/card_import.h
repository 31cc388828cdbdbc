#pragma once
// Importing the two-card-per-examinee 80-column export of a university scoring service
// that the user pasted into the data window, answer key first.

#include <string>

#include "core/input/editor_document.h"
#include "core/text/messages.h"

namespace jrv {

// The pasted lines are taken in pairs; the first pair is the key. More pairs than a key
// and the largest examinee count are refused before anything is read.
inline constexpr std::size_t kMaxCardLines = 2 * (9999 + 1);

// "Import VKM Testscore Data" (Ctrl+F9). Checks the item count, then rebuilds the key,
// the pane and the fields. A refused import changes nothing.
CheckResult import_card_images(EditorDocument& doc);

// The one message of "How To Import VKM Testscore Data".
std::string card_import_howto();

}  // namespace jrv
