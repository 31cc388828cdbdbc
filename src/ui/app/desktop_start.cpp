#include "ui/app/desktop_start.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

#include "ui/app/map_main_unit.h"
#include "ui/app/program.h"
#include "ui/reports/quick_view_unit.h"
#include "ui/support/prompter.h"
#include "ui/support/remembered.h"

namespace jrv::ui {

namespace {

// Puts a window back where it was hidden last, unless no screen shows that place any more.
class PlaceKeeper : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* window = qobject_cast<QWidget*>(watched);
    if (window == nullptr || event->spontaneous()) return false;
    if (event->type() == QEvent::Show) {
      const auto place = remembered::window_place(window->objectName());
      if (place && QGuiApplication::screenAt(*place + QPoint(20, 20)) != nullptr) {
        window->move(*place);
      }
    } else if (event->type() == QEvent::Hide) {
      remembered::set_window_place(window->objectName(), window->pos());
    }
    return false;
  }
};

// Applies the remembered pitch each time the viewer opens.
class PitchKeeper : public QObject {
 public:
  explicit PitchKeeper(TQuickViewForm& viewer) : QObject(&viewer), viewer_(viewer) {
    connect(viewer.N10pitch1, &QAction::triggered, this, [] { remembered::set_viewer_pitch(10); });
    connect(viewer.N12pitch1, &QAction::triggered, this, [] { remembered::set_viewer_pitch(12); });
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show && !event->spontaneous()) {
      if (const auto points = remembered::viewer_pitch()) {
        (*points == 12 ? viewer_.N12pitch1 : viewer_.N10pitch1)->trigger();
      }
    }
    return false;
  }

 private:
  TQuickViewForm& viewer_;
};

// Quits after the first paint of its window has finished: the paint event reaches the
// window before its children are drawn, so the quit waits in the queue behind that paint.
class QuitWhenDrawn : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                Qt::QueuedConnection);
    }
    return false;
  }
};

// Watches the main window for its first paint and the whole application for the first
// input; either makes the side windows, the paint through a queued call so that the paint
// finishes first, the input at once so that it finds every window there.
class SideWindowsMaker : public QObject {
 public:
  SideWindowsMaker(Program& program, std::function<void()> then)
      : QObject(&program.main_window()), program_(program), then_(std::move(then)) {
    program.main_window().installEventFilter(this);
    QCoreApplication::instance()->installEventFilter(this);
  }

  void make() {
    if (done_) return;
    done_ = true;
    QCoreApplication::instance()->removeEventFilter(this);
    program_.main_window().removeEventFilter(this);
    program_.create_side_windows();
    if (then_) then_();
    deleteLater();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (done_) return false;
    if (event->type() == QEvent::Paint && watched == &program_.main_window()) {
      QMetaObject::invokeMethod(this, &SideWindowsMaker::make, Qt::QueuedConnection);
    } else if (is_input(event->type())) {
      make();
    }
    return false;
  }

 private:
  static bool is_input(QEvent::Type type) {
    switch (type) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
      case QEvent::KeyPress:
      case QEvent::ShortcutOverride:
      case QEvent::Shortcut:
      case QEvent::ContextMenu:
      case QEvent::DragEnter:
      case QEvent::Drop:
      case QEvent::Close:
        return true;
      default:
        return false;
    }
  }

  Program& program_;
  std::function<void()> then_;
  bool done_ = false;
};

}  // namespace

void create_side_windows_when_drawn(Program& program, std::function<void()> then) {
  if (program.has_side_windows()) {
    if (then) then();
    return;
  }
  new SideWindowsMaker(program, std::move(then));
}

void quit_once_drawn(QWidget& window) {
  window.installEventFilter(new QuitWhenDrawn(&window));
}

void remember_side_windows(Program& program) {
  TMapForm& map = program.main_window();
  auto* keeper = new PlaceKeeper(&map);
  for (QDialog* w : map.findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) {
    w->installEventFilter(keeper);
  }
  TQuickViewForm& viewer = *program.windows().quick_view;
  viewer.installEventFilter(new PitchKeeper(viewer));
}

void open_start_files(Program& program, const QStringList& files) {
  if (files.isEmpty()) return;
  TMapForm& map = program.main_window();
  if (files.size() > 1) {
    program.session().prompter.message(
        &map, QString("JRV opens one test at a time: only \"%1\" is opened.").arg(files.first()));
  }
  map.open_test_file(files.first());
}

}  // namespace jrv::ui
