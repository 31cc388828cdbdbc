#pragma once
// The Spearman-Brown calculator.

#include <QDialog>

namespace jrv::ui {

struct Session;

class TSpearmanForm : public QDialog {
  Q_OBJECT
 public:
  explicit TSpearmanForm(Session& session, QWidget* parent = nullptr);

 private:
  Session& session_;
};

}  // namespace jrv::ui
