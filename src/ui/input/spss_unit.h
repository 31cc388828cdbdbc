#pragma once
// Help on inserting a text file.

#include <QDialog>

namespace jrv::ui {

struct Session;

class TSPSSform : public QDialog {
  Q_OBJECT
 public:
  explicit TSPSSform(Session& session, QWidget* parent = nullptr);

 private:
  Session& session_;
};

}  // namespace jrv::ui
