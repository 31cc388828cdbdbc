#pragma once
// The table of specifications.

#include <QDialog>

namespace jrv::ui {

struct Session;

class TTableForm : public QDialog {
  Q_OBJECT
 public:
  explicit TTableForm(Session& session, QWidget* parent = nullptr);

 private:
  Session& session_;
};

}  // namespace jrv::ui
