#pragma once
// The texts the user types into the data editor and the side windows. The input file
// stores exactly these texts; windows copy their controls into them and back.

#include <array>
#include <string>
#include <vector>

#include "core/workspace/limits.h"

namespace jrv {

// TEditForm's fields.
struct EditorFields {
  std::string title;                    // txt_title
  std::string comments;                 // txt_comments
  std::string cases;                    // txt_cases
  std::string items;                    // txt_items
  std::string label_length;             // txt_label_length
  std::string missing_data = "9";       // txt_missing_data
  std::string answer_key;               // txt_answer_key
  std::string options;                  // txt_options
  std::string include;                  // txt_include
  std::vector<std::string> data_lines;  // MemoData, one line per examinee

  bool operator==(const EditorFields&) const = default;
};

// TDiscForm: upper and lower group percentages as typed.
struct GroupWindowFields {
  std::string top = "27.0";     // txt_disc_top
  std::string bottom = "27.0";  // txt_disc_bottom
  bool operator==(const GroupWindowFields&) const = default;
};

// TPCform.
struct PartialCreditFields {
  std::string pc_points = "0";  // txt_pc_points
  std::string mc_points = "1";  // txt_mc_points
  bool operator==(const PartialCreditFields&) const = default;
};

enum class GradeScheme { none, two, five, twelve, user };

// TGradeForm: the chosen scheme and the texts of its fields.
struct GradeWindowFields {
  GradeScheme scheme = GradeScheme::none;
  std::string num_cats;                                       // txt_num_cats
  std::array<std::string, kMaxGradeCategories + 1> labels{};  // lbl_grade01..13 at 1..13
  std::array<std::string, kMaxGradeCategories> percents{};    // txt_grade01..12 at 1..12
  int visible_labels = 0;    // rows shown: label fields 1..visible_labels
  int visible_percents = 0;  // percentage fields 1..visible_percents
  bool labels_editable = false;
  std::string set_caption;  // lbl_set
  bool operator==(const GradeWindowFields&) const = default;
};

// TAnswerForm's grid: one row per item flagged "A"; column 0 item number, 1 options,
// 2 key, 3..10 the 2nd to 9th correct answers.
struct AltAnswerGrid {
  using Row = std::array<std::string, 11>;
  std::vector<Row> rows;
  int column_count = 0;  // max_options_used + 2
  bool operator==(const AltAnswerGrid&) const = default;
};

// TTableForm: counts, names and the item cells (items 1..102, index 0 unused).
struct SpecTableFields {
  int content_count = 0;                                       // rdo_ca0..rdo_ca6
  int cognitive_count = 0;                                     // rdo_cs0..rdo_cs6
  std::array<std::string, kMaxSpecAreas + 1> content_names{};  // txt_content1..6
  std::array<std::string, kMaxSpecAreas + 1> skill_names{};    // txt_skill1..6
  std::array<std::string, 103> area_cells{};                   // row 1 of the grids
  std::array<std::string, 103> level_cells{};                  // row 2 of the grids
  bool operator==(const SpecTableFields&) const = default;
};

// Everything typed for one test.
struct EditorDocument {
  EditorFields editor;
  GroupWindowFields groups;
  PartialCreditFields partial_credit;
  GradeWindowFields grades;
  AltAnswerGrid alternatives;
  SpecTableFields spec_table;

  // Editor state that travels with the document.
  bool input_opened = false;  // the test came from a file
  std::string input_path;
  bool include_changed = false;  // txt_include changed since the alternatives were confirmed
  bool example_loading = false;  // a built-in example is being loaded
};

// Whether two documents hold the same test: every text the input file stores.
inline bool same_typed_test(const EditorDocument& a, const EditorDocument& b) {
  return a.editor == b.editor && a.groups == b.groups && a.partial_credit == b.partial_credit &&
         a.grades == b.grades && a.alternatives == b.alternatives && a.spec_table == b.spec_table;
}

}  // namespace jrv
