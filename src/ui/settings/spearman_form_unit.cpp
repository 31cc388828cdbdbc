#include "ui/settings/spearman_form_unit.h"

#include "ui/app/session.h"

namespace jrv::ui {

TSpearmanForm::TSpearmanForm(Session& session, QWidget* parent)
    : QDialog(parent), session_(session) {
  setObjectName("TSpearmanForm");
  setWindowTitle("Spearman-Brown Prophecy Formula");
  (void)session_;
}

}  // namespace jrv::ui
