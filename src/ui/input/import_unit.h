#pragma once
// The import of older input files.

#include <QDialog>

namespace jrv::ui {

struct Session;

class TImportForm : public QDialog {
  Q_OBJECT
 public:
  explicit TImportForm(Session& session, QWidget* parent = nullptr);

 private:
  Session& session_;
};

}  // namespace jrv::ui
