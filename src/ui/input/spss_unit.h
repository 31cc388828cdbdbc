#pragma once
// Help on inserting a text file, with sample syntax that writes such a file; the syntax
// can be printed and saved.

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace jrv::ui {

struct Session;

class TSPSSform : public QDialog {
  Q_OBJECT
 public:
  explicit TSPSSform(Session& session, QWidget* parent = nullptr);

 public slots:
  void btn_printClick();
  void btn_saveClick();

 public:
  QPlainTextEdit* memo_help;
  QPlainTextEdit* memo_syntax;
  QPushButton* btn_print;
  QPushButton* btn_save;
  QPushButton* BitBtn1;

 private:
  Session& session_;
};

}  // namespace jrv::ui
