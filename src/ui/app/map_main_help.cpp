// The main window's Help menu, the hidden switches and the commands of the side windows.

#include <QAction>
#include <QRadioButton>

#include "ui/app/about_form_unit.h"
#include "ui/app/ack_form_unit.h"
#include "ui/app/info_texts.h"
#include "ui/app/map_main_unit.h"
#include "ui/app/session.h"
#include "ui/app/user_form_unit.h"
#include "ui/input/data_entry_unit.h"
#include "ui/input/import_unit.h"
#include "ui/input/spss_unit.h"
#include "ui/settings/spearman_form_unit.h"
#include "ui/support/prompter.h"

namespace jrv::ui {

void TMapForm::HowtoSpeciallsaveSPSSfiles1Click() {
  session_.prompter.show_modal(*session_.windows.spss);
}
void TMapForm::Acknowledgements1Click() {
  session_.prompter.show_modal(*session_.windows.ack);
}
void TMapForm::License1Click() {
  session_.prompter.show_modal(*session_.windows.user);
}
void TMapForm::About1Click() {
  session_.prompter.show_modal(*session_.windows.about);
}
void TMapForm::WhatsNew1Click() {
  session_.prompter.message(this, whats_new_text());
}

void TMapForm::OpenInputFilefromapreviousJRVversion1Click() {
  const int version = session_.windows.import->choose_version();
  if (version == 0) return;
  // The chosen reader fills the editor, which then opens with what it read.
  session_.windows.edit->open_input_version(version);
  rdo_edit_data->setChecked(true);
  btn_gotodataClick();
}

void TMapForm::SaveJRVInputFile1Click() {
  session_.windows.edit->Save1Click();
}

void TMapForm::SpearmanBrownProphecy1Click() {
  session_.windows.spearman->open_window();
}

void TMapForm::SetALTfileOK1Click() {
  session_.ws.alt_file_ok = true;
}

void TMapForm::Exit1Click() {
  close();
}

}  // namespace jrv::ui
