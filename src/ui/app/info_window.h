#pragma once
// The shape every information window shares: a heading, a read-only text and an OK button
// that closes the window.

#include <QString>

class QDialog;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace jrv::ui {

struct InfoWindowParts {
  QLabel* lbl_heading = nullptr;
  QPlainTextEdit* memo_text = nullptr;
  QPushButton* btn_ok = nullptr;
};

// Lays out `window` with its heading and text; OK accepts the window.
InfoWindowParts build_info_window(QDialog& window, const QString& heading, const QString& text,
                                  int width, int height);

}  // namespace jrv::ui
