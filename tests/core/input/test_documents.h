#pragma once
// Small editor documents shared by the input tests.

#include <string>
#include <vector>

#include "core/input/editor_document.h"

namespace jrv::fixtures {

// Three examinees, four 4-option items, 3-character labels: a test the check accepts.
inline EditorDocument small_test() {
  EditorDocument doc;
  auto& f = doc.editor;
  f.title = "Quiz 1";
  f.comments = "Unit one";
  f.cases = "3";
  f.items = "4";
  f.label_length = "3";
  f.answer_key = "ABCD";
  f.options = "4444";
  f.include = "YYYY";
  f.data_lines = {"S01ABCD", "S02abcx", "S03 .1d"};
  return doc;
}

}  // namespace jrv::fixtures
