#pragma once
// String grids: tables of typed cells, some of them fixed (shown, not editable).

#include <QString>

class QTableWidget;
class QWidget;

namespace jrv::ui {

// A grid named `name` with `rows` x `columns` cells of `cell_width` pixels, no headers.
QTableWidget* string_grid(QWidget* owner, const char* name, int rows, int columns, int cell_width);

// The text of a cell ("" for a cell never filled).
QString cell_text(const QTableWidget& grid, int row, int column);

// Puts `text` into a cell; a fixed cell is greyed and cannot be edited.
void set_cell(QTableWidget& grid, int row, int column, const QString& text, bool fixed = false);

// The height that shows every row without a vertical scroll bar (plus a horizontal one
// when `with_scroll_bar`).
int grid_height(const QTableWidget& grid, bool with_scroll_bar);

}  // namespace jrv::ui
