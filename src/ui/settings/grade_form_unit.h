#pragma once
// The letter-grade scale.

#include <QDialog>

namespace jrv::ui {

struct Session;

class TGradeForm : public QDialog {
  Q_OBJECT
 public:
  explicit TGradeForm(Session& session, QWidget* parent = nullptr);

 private:
  Session& session_;
};

}  // namespace jrv::ui
