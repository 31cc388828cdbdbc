#pragma once
// Small helpers for building windows whose controls carry their program names.

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QString>
#include <QWidget>

namespace jrv::ui {

// A child control of `owner` named `name`, with `caption` when the control takes one.
template <class W>
W* named(QWidget* owner, const char* name, const QString& caption = {}) {
  W* w;
  if constexpr (requires { W(caption, owner); }) {
    w = caption.isNull() ? new W(owner) : new W(caption, owner);
  } else {
    w = new W(owner);
  }
  w->setObjectName(QString::fromLatin1(name));
  return w;
}

// A menu item of `menu` named `name`. Its shortcut works in `owner`'s window.
QAction* menu_item(QMenu* menu, QWidget* owner, const char* name, const QString& caption,
                   const QKeySequence& key = {});

// An item that is not shown in any menu but still answers its key in `owner`'s window.
QAction* hidden_item(QWidget* owner, const char* name, const QString& caption,
                     const QKeySequence& key = {});

// A named menu of `owner`'s menu bar.
QMenu* named_menu(QWidget* owner, const char* name, const QString& caption);

// A window shown again after a refused OK comes back where it was hidden: some window
// managers place a re-shown window a frame's width further each time.
void keep_place_when_shown_again(QWidget& window);

}  // namespace jrv::ui
