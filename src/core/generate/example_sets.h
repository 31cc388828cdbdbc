#pragma once
// The built-in example tests: the Examples menu's sample sets, the small test in five
// codings, and the two hidden sets. Each fills the editor's document and chooses its
// settings through the same operations the windows use, so that the editor and the file
// writer see them as if a user had typed them.

#include <optional>
#include <string_view>

#include "core/input/editor_document.h"
#include "core/text/messages.h"
#include "core/workspace/workspace.h"

namespace jrv {

enum class ExampleSet {
  sample1,      // SampleDataSet11
  sample2,      // SampleDataSet21
  sample3,      // SampleDataSet31
  numeric,      // as_numeric1
  right_wrong,  // as_rightwrong1
  letter,       // as_letter1
  true_false,   // as_truefalse1
  mixture,      // as_mixture1
  qzr1,         // SecretSetupQZR11
  qzl1,         // the data editor's hidden right-wrong example
};

// The command-line names: sample1 sample2 sample3 numeric right-wrong letter true-false
// mixture qzr1 qzl1.
std::optional<ExampleSet> example_by_name(std::string_view name);
std::string_view example_name(ExampleSet set);

// Loads an example into the document and the workspace. The result carries whatever the
// settings operations reported (nothing for the built-in data). The hidden right-wrong
// example also runs the editor's check and switches to right-wrong mode, as the editor does.
CheckResult load_example(ExampleSet set, EditorDocument& doc, Workspace& ws);

}  // namespace jrv
