#pragma once
// The program-wide state every window reads and writes: the workspace, the texts typed
// into the editor and its side windows, and the flags by which the windows hand work to
// each other. One Session lives for the whole run.

#include <string>

#include "core/export/csv_file.h"
#include "core/input/editor_document.h"
#include "core/workspace/workspace.h"

namespace jrv::ui {

class Prompter;
class TMapForm;
class TEditForm;
class TUserForm;
class TAboutForm;
class TCodeForm;
class TGenForm;
class TResultsForm;
class TGradeForm;
class TDiscForm;
class TSpearmanForm;
class TAckForm;
class TTableForm;
class TAnswerForm;
class TReportForm;
class TGraph;
class TSPSSform;
class TPCform;
class TQuickViewForm;
class TImportForm;
class TProbForm;

// Every window, created once at start in this order.
struct Windows {
  TMapForm* map = nullptr;
  TEditForm* edit = nullptr;
  TUserForm* user = nullptr;
  TAboutForm* about = nullptr;
  TCodeForm* code = nullptr;
  TGenForm* gen = nullptr;
  TResultsForm* results = nullptr;
  TGradeForm* grade = nullptr;
  TDiscForm* disc = nullptr;
  TSpearmanForm* spearman = nullptr;
  TAckForm* ack = nullptr;
  TTableForm* table = nullptr;
  TAnswerForm* answer = nullptr;
  TReportForm* report = nullptr;
  TGraph* graph = nullptr;
  TSPSSform* spss = nullptr;
  TPCform* pc = nullptr;
  TQuickViewForm* quick_view = nullptr;
  TImportForm* import = nullptr;
  TProbForm* prob = nullptr;
};

// What the data editor does when it is next shown.
enum EditorStartMode {
  kEditCurrent = 1,
  kNewData = 2,
  kOpenFile = 3,
  kGenerate = 4,
  kGenerateHidden = 5,
  kInsertTextFile = 6
};

struct Session {
  explicit Session(Prompter& p) : prompter(p) {}

  Workspace ws;
  EditorDocument doc;
  Prompter& prompter;
  Windows windows;

  // The uncut label columns of the last spreadsheet import, and the data lines it made: the
  // gradebook repeats the columns while the editor still holds those lines.
  CsvRows imported_roster;
  std::vector<std::string> imported_lines;

  int editor_start_mode = kEditCurrent;
  bool reopen_editor = false;
  bool editor_accepted = false;
  bool data_valid = false;
  bool loading_example = false;
  bool input_saved = false;
  std::string current_file_name;  // without folder
  std::string results_path;       // the last results file saved in this run
  std::string output_input_path;  // where the input-file writer writes

  // The test as last saved, opened, loaded as an example or emptied: what replacing the
  // test may drop without asking.
  EditorDocument saved_doc;
  bool test_changed() const { return !same_typed_test(doc, saved_doc); }
  void mark_test_saved() { saved_doc = doc; }
};

}  // namespace jrv::ui
