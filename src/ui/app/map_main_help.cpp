// The main window's Help menu, the hidden switches and the commands of the side windows.

#include <QAction>

#include "ui/app/about_form_unit.h"
#include "ui/app/ack_form_unit.h"
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
void TMapForm::WhatsNew1Click() {}

void TMapForm::OpenInputFilefromapreviousJRVversion1Click() {
  session_.prompter.show_modal(*session_.windows.import);
}

void TMapForm::SaveJRVInputFile1Click() {
  session_.windows.edit->Save1Click();
}

void TMapForm::SpearmanBrownProphecy1Click() {
  session_.prompter.show_modal(*session_.windows.spearman);
}

void TMapForm::SetALTfileOK1Click() {
  session_.ws.alt_file_ok = true;
}

void TMapForm::ViewGradeReports1Click() {}
void TMapForm::SaveGradeReports1Click() {}
void TMapForm::SaveItemFile1Click() {}
void TMapForm::SaveRightWrongData1Click() {}
void TMapForm::SaveALTfile1Click() {}

void TMapForm::Exit1Click() {
  close();
}

}  // namespace jrv::ui
