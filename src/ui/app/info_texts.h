#pragma once
// The texts of the information windows: the user agreement, the acknowledgements, what is
// new in this version, the help on the answer-key and include codes, and the help on
// inserting a text file.

#include <QString>

namespace jrv::ui {

QString user_agreement_text();
QString acknowledgements_text();
QString whats_new_text();
QString code_help_text();
QString text_insert_help_text();

}  // namespace jrv::ui
