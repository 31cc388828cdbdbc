#pragma once
// "Item Diagnostics": the items with their flags in a table that sorts by any column; the
// chosen item's options and its item curves (the share choosing each option in the five
// score groups). The window shows a diagnostics result it is given and refreshes from the
// next one; it computes nothing itself.

#include <QWidget>

#include "core/diagnostics/item_diagnostics.h"

class QAction;
class QChart;
class QChartView;
class QLabel;
class QMenuBar;
class QTableWidget;

namespace jrv::ui {

class Prompter;

class TDiagnosticsForm : public QWidget {
  Q_OBJECT
 public:
  explicit TDiagnosticsForm(Prompter& prompter, QWidget* parent = nullptr);

  // Shows `result`, keeping the chosen item where it still exists.
  void set_result(const DiagnosticsResult& result);
  const DiagnosticsResult& result() const { return result_; }
  // The item number shown in the option table and the curves; 0 for none.
  int current_item() const { return current_item_; }
  // Chooses item `number` in the item table.
  void choose_item(int number);

 public slots:
  void next_item();
  void previous_item();
  void save_chart_png();
  void save_chart_svg();
  void print_item();

 public:
  QMenuBar* menu_bar;
  QAction* NextItem1;
  QAction* PreviousItem1;
  QAction* SaveChartPng1;
  QAction* SaveChartSvg1;
  QAction* PrintItem1;
  QAction* Close1;
  QLabel* lbl_summary;
  QTableWidget* grid_items;
  QLabel* lbl_item;
  QTableWidget* grid_options;
  QLabel* lbl_flags;
  QChartView* chart_view;

 private:
  void fill_items();
  void show_item(const ItemDiagnostics* item);
  void step(int by);
  const ItemDiagnostics* find(int number) const;
  void save_chart(const QString& extension, const QString& filter, bool svg);

  Prompter& prompter_;
  DiagnosticsResult result_;
  int current_item_ = 0;
  QChart* chart_;
};

}  // namespace jrv::ui
