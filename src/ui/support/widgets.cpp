#include "ui/support/widgets.h"

namespace jrv::ui {

QAction* menu_item(QMenu* menu, QWidget* owner, const char* name, const QString& caption,
                   const QKeySequence& key) {
  auto* a = new QAction(caption, owner);
  a->setObjectName(QString::fromLatin1(name));
  if (!key.isEmpty()) a->setShortcut(key);
  menu->addAction(a);
  return a;
}

QAction* hidden_item(QWidget* owner, const char* name, const QString& caption,
                     const QKeySequence& key) {
  auto* a = new QAction(caption, owner);
  a->setObjectName(QString::fromLatin1(name));
  if (!key.isEmpty()) a->setShortcut(key);
  // Added to the window, not to a menu: invisible, yet its shortcut still fires.
  owner->addAction(a);
  return a;
}

QMenu* named_menu(QWidget* owner, const char* name, const QString& caption) {
  auto* m = new QMenu(caption, owner);
  m->setObjectName(QString::fromLatin1(name));
  return m;
}

}  // namespace jrv::ui
