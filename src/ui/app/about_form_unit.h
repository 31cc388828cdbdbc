#pragma once
// The about box.

#include <QDialog>

namespace jrv::ui {

struct Session;

class TAboutForm : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutForm(Session& session, QWidget* parent = nullptr);

 private:
  Session& session_;
};

}  // namespace jrv::ui
