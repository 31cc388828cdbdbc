// The main window's ways in from outside its menus: a test named on the command line or
// dropped on the window, and the Recent Tests submenu of the File menu.

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QTimer>

#include "core/input/test_file_kind.h"
#include "ui/app/map_main_unit.h"
#include "ui/app/session.h"
#include "ui/input/data_entry_unit.h"
#include "ui/input/import_unit.h"
#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"
#include "ui/support/remembered.h"

namespace jrv::ui {

namespace {

// The first local file among the dropped URLs, or "".
QString dropped_file(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) return url.toLocalFile();
  }
  return {};
}

// Why `path` cannot be opened, or "" when it can.
QString unreadable_reason(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) return QString("Cannot open \"%1\": there is no such file.").arg(path);
  if (info.isDir()) return QString("Cannot open \"%1\": it is a folder, not a test.").arg(path);
  if (!info.isReadable()) {
    return QString("Cannot open \"%1\": you are not allowed to read it.").arg(path);
  }
  return {};
}

}  // namespace

void TMapForm::add_file_commands() {
  setAcceptDrops(true);
  RecentTests1 = new QMenu("Recent &Tests", this);
  RecentTests1->setObjectName("RecentTests1");
  // Beside the other ways of opening a test, before the first separator after them.
  const QList<QAction*> items = File1->actions();
  const qsizetype after = items.indexOf(OpenInputFilefromapreviousJRVversion1);
  QAction* before = after >= 0 && after + 1 < items.size() ? items[after + 1] : nullptr;
  File1->insertMenu(before, RecentTests1);
  connect(File1, &QMenu::aboutToShow, this, &TMapForm::fill_recent_tests_menu);
  fill_recent_tests_menu();
}

void TMapForm::fill_recent_tests_menu() {
  RecentTests1->clear();
  const QStringList recent = remembered::recent_tests();
  int number = 0;
  for (const QString& path : recent) {
    ++number;
    const QString caption =
        QString("&%1 %2").arg(number).arg(QFileInfo(path).fileName().replace('&', "&&"));
    QAction* a = RecentTests1->addAction(caption);
    a->setObjectName(QString("RecentTest%1").arg(number));
    a->setData(path);
    a->setToolTip(path);
    a->setStatusTip(path);
    connect(a, &QAction::triggered, this, [this, path] { open_recent_test(path); });
  }
  if (!recent.isEmpty()) {
    RecentTests1->addSeparator();
    QAction* clear = RecentTests1->addAction("&Clear Recent Tests");
    clear->setObjectName("ClearRecentTests1");
    connect(clear, &QAction::triggered, this, [this] {
      for (const QString& p : remembered::recent_tests()) remembered::remove_recent_test(p);
      fill_recent_tests_menu();
    });
  }
  RecentTests1->setEnabled(!recent.isEmpty());
}

void TMapForm::open_recent_test(const QString& path) {
  if (!QFileInfo(path).isFile()) {
    remembered::remove_recent_test(path);
    fill_recent_tests_menu();
    session_.prompter.message(
        this, QString("\"%1\" is no longer there; it was removed from Recent Tests.").arg(path));
    return;
  }
  open_test_file(path);
}

void TMapForm::open_test_file(const QString& path) {
  if (const QString why = unreadable_reason(path); !why.isEmpty()) {
    session_.prompter.message(this, why);
    return;
  }
  if (!maybe_save_test()) return;
  const QString absolute = QFileInfo(path).absoluteFilePath();
  TEditForm& editor = *session_.windows.edit;
  switch (test_file_kind(to_path(absolute))) {
    case TestFileKind::spreadsheet:
      import_spreadsheet_file(absolute);
      return;
    case TestFileKind::older: {
      // As "Import Input File from a previous JRV version", with the file already chosen.
      const int version = session_.windows.import->choose_version();
      if (version == 0) return;
      editor.set_file_to_open(absolute);
      editor.open_input_version(version);
      rdo_edit_data->setChecked(true);
      btn_gotodataClick();
      return;
    }
    case TestFileKind::version6:
      editor.set_file_to_open(absolute);
      OpenJRVinputFile1Click();
      return;
  }
}

void TMapForm::dragEnterEvent(QDragEnterEvent* event) {
  if (!dropped_file(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TMapForm::dropEvent(QDropEvent* event) {
  const QString path = dropped_file(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  // The drag ends first; the editor then opens in its own loop.
  QTimer::singleShot(0, this, [this, path] { open_test_file(path); });
}

}  // namespace jrv::ui
