#pragma once
// Partial credit and MC points.

#include <QDialog>

namespace jrv::ui {

struct Session;

class TPCform : public QDialog {
  Q_OBJECT
 public:
  explicit TPCform(Session& session, QWidget* parent = nullptr);

 private:
  Session& session_;
};

}  // namespace jrv::ui
