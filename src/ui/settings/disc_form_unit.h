#pragma once
// The upper and lower group percentages.

#include <QDialog>

namespace jrv::ui {

struct Session;

class TDiscForm : public QDialog {
  Q_OBJECT
 public:
  explicit TDiscForm(Session& session, QWidget* parent = nullptr);

 private:
  Session& session_;
};

}  // namespace jrv::ui
