#pragma once
// The simulated-data generator.

#include <QDialog>

namespace jrv::ui {

struct Session;

class TGenForm : public QDialog {
  Q_OBJECT
 public:
  explicit TGenForm(Session& session, QWidget* parent = nullptr);

 private:
  Session& session_;
};

}  // namespace jrv::ui
