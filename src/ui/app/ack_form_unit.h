#pragma once
// The acknowledgements.

#include <QDialog>

namespace jrv::ui {

struct Session;

class TAckForm : public QDialog {
  Q_OBJECT
 public:
  explicit TAckForm(Session& session, QWidget* parent = nullptr);

 private:
  Session& session_;
};

}  // namespace jrv::ui
