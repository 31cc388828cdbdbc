#pragma once
// The grade window's operations on its typed fields and on the stored scale: the scheme
// buttons, the category count, the defaults, the confirmation (OK) and the settings file.
// A window copies its controls into GradeWindowFields, calls these, and copies back.

#include <optional>
#include <string>

#include "core/input/editor_document.h"
#include "core/text/messages.h"
#include "core/text/text_file.h"
#include "core/workspace/analysis_options.h"
#include "core/workspace/grade_scale.h"

namespace jrv {

// Captions of lbl_set for the fixed schemes and for the user-defined one.
inline constexpr const char* kFixedSchemeCaption =
    "Set the minimum percentages for each Grading Category:";
inline constexpr const char* kUserSchemeCaption =
    "Name your Grading Categories and set the minimum percentages for each category:";

// The objectName of percentage field k (1..12): "txt_grade01".."txt_grade12".
std::string grade_percent_field_name(int k);

// rdo_grade0 / rdo_grade2 / rdo_grade5 / rdo_grade12 / rdo_user. Choosing "No Grading
// Categories" also switches the confidence-band units away from grade letters. The
// user-defined scheme puts N into txt_num_cats, whose count change may carry a message.
CheckResult choose_grade_scheme(GradeScheme scheme, GradeWindowFields& window, GradeScale& scale,
                                AnalysisOptions& options);

// txt_num_cats changed (user-defined scheme).
CheckResult change_grade_category_count(GradeWindowFields& window, GradeScale& scale);

// btn_defaults.
void use_program_grade_defaults(GradeWindowFields& window);

// btn_grade_OK. A failed result means the window is shown again (focus on the field).
CheckResult confirm_grades(const GradeWindowFields& window, GradeScale& scale);

// The grade settings file ("jrv.ini" format) written from the window's fields.
Lines grade_settings_lines(const GradeWindowFields& window, const GradeScale& scale);

// Reading a settings file into the window (btn_read_ini); nothing stored until OK.
// Throws ConversionError when the count line is not a number. A count above 13 reads no
// category lines and comes back as the count message.
CheckResult read_grade_settings_into_window(const Lines& lines, GradeWindowFields& window,
                                            GradeScale& scale, AnalysisOptions& options);

// Reading into the window and the scale (opening the window; "Use Grade Letters in
// Confidence Bands" passes choose_user_button = false). Throws ConversionError when the
// count or a percentage line is not a number; what was read before stays.
CheckResult read_grade_settings_into_scale(const Lines& lines, GradeWindowFields& window,
                                           GradeScale& scale, AnalysisOptions& options,
                                           bool choose_user_button);

// Opening the window: `saved_defaults` holds the lines of "jrv.ini" when that file exists.
CheckResult open_grade_window(const std::optional<Lines>& saved_defaults, GradeWindowFields& window,
                              GradeScale& scale, AnalysisOptions& options);

// "Use Grade Letters in Confidence Bands": reads "jrv.ini" (when it exists) into the window
// and the scale, confirms it, then selects grade letters as the band unit. A failed
// confirmation's messages come back; the unit is selected all the same.
CheckResult use_grade_letters_in_bands(const std::optional<Lines>& saved_defaults,
                                       GradeWindowFields& window, GradeScale& scale,
                                       AnalysisOptions& options);

}  // namespace jrv
