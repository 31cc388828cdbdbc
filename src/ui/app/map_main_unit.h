#pragma once

#include <QMainWindow>

namespace jrv::ui {

// The main window: INPUT and OUTPUT panels, command buttons, quick-result panes, menus.
class TMapForm : public QMainWindow {
  Q_OBJECT
 public:
  explicit TMapForm(QWidget* parent = nullptr);
};

}  // namespace jrv::ui
