#include "ui/support/string_grid.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

namespace jrv::ui {

QTableWidget* string_grid(QWidget* owner, const char* name, int rows, int columns, int cell_width) {
  auto* grid = new QTableWidget(rows, columns, owner);
  grid->setObjectName(QString::fromLatin1(name));
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->horizontalHeader()->setDefaultSectionSize(cell_width);
  grid->horizontalHeader()->setMinimumSectionSize(8);
  grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 8);
  grid->setTabKeyNavigation(true);
  return grid;
}

QString cell_text(const QTableWidget& grid, int row, int column) {
  const QTableWidgetItem* item = grid.item(row, column);
  return item == nullptr ? QString() : item->text();
}

void set_cell(QTableWidget& grid, int row, int column, const QString& text, bool fixed) {
  QTableWidgetItem* item = grid.item(row, column);
  if (item == nullptr) {
    item = new QTableWidgetItem;
    grid.setItem(row, column, item);
  }
  item->setText(text);
  item->setTextAlignment(Qt::AlignCenter);
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (!fixed) flags |= Qt::ItemIsEditable;
  item->setFlags(flags);
  item->setBackground(fixed ? grid.palette().button() : grid.palette().base());
}

int grid_height(const QTableWidget& grid, bool with_scroll_bar) {
  int h = 2 * grid.frameWidth();
  for (int r = 0; r < grid.rowCount(); ++r) h += grid.rowHeight(r);
  if (with_scroll_bar) h += grid.horizontalScrollBar()->sizeHint().height();
  return h;
}

}  // namespace jrv::ui
