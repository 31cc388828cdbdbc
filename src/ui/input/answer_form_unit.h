#pragma once
// The alternative correct answers.

#include <QDialog>

namespace jrv::ui {

struct Session;

class TAnswerForm : public QDialog {
  Q_OBJECT
 public:
  explicit TAnswerForm(Session& session, QWidget* parent = nullptr);

 private:
  Session& session_;
};

}  // namespace jrv::ui
