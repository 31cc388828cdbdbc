#include "ui/support/widgets.h"

#include <QEvent>
#include <QPoint>

namespace jrv::ui {

namespace {

// Remembers where its window was hidden and puts it there when it is shown again.
class PlaceKeeper : public QObject {
 public:
  explicit PlaceKeeper(QWidget& window) : QObject(&window), window_(window) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_) {
      if (event->type() == QEvent::Hide && !window_.isVisible()) {
        place_ = window_.pos();
        known_ = true;
      } else if (event->type() == QEvent::Show && known_ && window_.pos() != place_) {
        window_.move(place_);
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QWidget& window_;
  QPoint place_;
  bool known_ = false;
};

}  // namespace

void keep_place_when_shown_again(QWidget& window) {
  window.installEventFilter(new PlaceKeeper(window));
}

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
