#pragma once
// The chooser of the version that wrote an older input file.

#include <QDialog>

class QPushButton;
class QRadioButton;

namespace jrv::ui {

struct Session;

class TImportForm : public QDialog {
  Q_OBJECT
 public:
  explicit TImportForm(Session& session, QWidget* parent = nullptr);

  // Shows the chooser; the version chosen with OK (3 to 6), or 0 when it was closed.
  int choose_version();

 public slots:
  void btn_okClick();
  void btn_closeClick();

 public:
  QRadioButton* rdo_v3;
  QRadioButton* rdo_v4;
  QRadioButton* rdo_v5;
  QRadioButton* rdo_v6;
  QPushButton* btn_v7;
  QPushButton* btn_v8;
  QPushButton* btn_ok;
  QPushButton* btn_close;

 private:
  Session& session_;
  int chosen_ = 0;
};

}  // namespace jrv::ui
