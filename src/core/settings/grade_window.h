#pragma once
// The grade window's operations on its typed fields and on the stored scale: the scheme
// buttons, the category count, the defaults, the confirmation (OK) and the settings file.
// A window copies its controls into GradeWindowFields, calls these, and copies back.

#include "core/input/editor_document.h"
#include "core/text/messages.h"
#include "core/text/text_file.h"
#include "core/workspace/analysis_options.h"
#include "core/workspace/grade_scale.h"

namespace jrv {

// rdo_grade0 / rdo_grade2 / rdo_grade5 / rdo_grade12 / rdo_user. Choosing "No Grading
// Categories" also switches the confidence-band units away from grade letters.
void choose_grade_scheme(GradeScheme scheme, GradeWindowFields& window, GradeScale& scale,
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
// Throws ConversionError when the count line is not a number.
void read_grade_settings_into_window(const Lines& lines, GradeWindowFields& window,
                                     GradeScale& scale, AnalysisOptions& options);

// Reading into the window and the scale (opening the window; "Use Grade Letters in
// Confidence Bands" passes choose_user_button = false). Throws ConversionError.
void read_grade_settings_into_scale(const Lines& lines, GradeWindowFields& window,
                                    GradeScale& scale, AnalysisOptions& options,
                                    bool choose_user_button);

}  // namespace jrv
