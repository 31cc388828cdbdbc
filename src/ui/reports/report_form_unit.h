#pragma once
// The grade reports viewer.

#include <QDialog>

namespace jrv::ui {

struct Session;

class TReportForm : public QDialog {
  Q_OBJECT
 public:
  explicit TReportForm(Session& session, QWidget* parent = nullptr);

 private:
  Session& session_;
};

}  // namespace jrv::ui
