#include "ui/app/info_window.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/support/widgets.h"

namespace jrv::ui {

InfoWindowParts build_info_window(QDialog& window, const QString& heading, const QString& text,
                                  int width, int height) {
  InfoWindowParts parts;
  auto* outer = new QVBoxLayout(&window);
  parts.lbl_heading = named<QLabel>(&window, "lbl_heading", heading);
  QFont bold = parts.lbl_heading->font();
  bold.setBold(true);
  bold.setPointSize(bold.pointSize() + 2);
  parts.lbl_heading->setFont(bold);
  parts.lbl_heading->setWordWrap(true);
  outer->addWidget(parts.lbl_heading);

  parts.memo_text = named<QPlainTextEdit>(&window, "memo_text");
  parts.memo_text->setReadOnly(true);
  parts.memo_text->setPlainText(text);
  // Read-only text still takes the focus so that it can be scrolled from the keyboard.
  parts.memo_text->setTextInteractionFlags(Qt::TextSelectableByKeyboard |
                                           Qt::TextSelectableByMouse);
  outer->addWidget(parts.memo_text, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  parts.btn_ok = named<QPushButton>(&window, "btn_ok", "&OK");
  parts.btn_ok->setDefault(true);
  buttons->addWidget(parts.btn_ok);
  outer->addLayout(buttons);
  QObject::connect(parts.btn_ok, &QPushButton::clicked, &window, &QDialog::accept);
  window.resize(width, height);
  parts.btn_ok->setFocus();
  return parts;
}

}  // namespace jrv::ui
