#pragma once
// "Item Diagnostics": the items with their flags in a table that sorts by any column; the
// chosen item's options and its item curves (the share choosing each option in the five
// score groups). The window shows a diagnostics result it is given and refreshes from the
// next one; it computes nothing itself.
//
// On the chosen item the teacher can rekey, also accept an option, credit everyone or drop
// it. Each decision is an undoable step; the window then shows the test regraded with the
// decisions taken and what changed. The analysed test itself is untouched until "Apply to
// test" hands the decisions over.

#include <QWidget>
#include <memory>
#include <vector>

#include "core/diagnostics/item_diagnostics.h"
#include "core/diagnostics/regrade_session.h"

class QAction;
class QChart;
class QChartView;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenuBar;
class QPushButton;
class QTableWidget;
class QUndoStack;

namespace jrv::ui {

class Prompter;

class TDiagnosticsForm : public QWidget {
  Q_OBJECT
 public:
  explicit TDiagnosticsForm(Prompter& prompter, QWidget* parent = nullptr);
  ~TDiagnosticsForm() override;

  // Shows `result`, keeping the chosen item where it still exists.
  void set_result(const DiagnosticsResult& result);
  const DiagnosticsResult& result() const { return result_; }
  // The item number shown in the option table and the curves; 0 for none.
  int current_item() const { return current_item_; }
  // Chooses item `number` in the item table.
  void choose_item(int number);

  // Regrading the analysed test: `doc` as the data editor holds it and `ws` analysed from it.
  // Shows that analysis; decisions not yet applied are taken again on it where they still
  // can be (the same test analysed anew keeps them), with a fresh undo history.
  void start_regrade(const EditorDocument& doc, const Workspace& ws);
  // The decisions taken and not yet applied to the test, in the order they were taken.
  std::vector<ItemDecision> pending_decisions() const;
  bool has_pending_decisions() const;
  // Forgets every decision: the window shows the analysed test again.
  void forget_decisions();
  // Asks what becomes of decisions not yet applied (`text` says why it is asked): Apply
  // hands them over (apply_requested), Discard forgets them. False on Cancel.
  bool settle_decisions(const QString& text);

  // The option that "Rekey" and "Also accept" use: the option table's chosen row, or the
  // option chooser. 0 for none.
  int chosen_option() const { return chosen_option_; }
  void choose_option(int option);

 signals:
  // "Apply to test": the pending decisions are to be written into the test.
  void apply_requested();

 public slots:
  void next_item();
  void previous_item();
  void save_chart_png();
  void save_chart_svg();
  void print_item();
  void rekey();
  void accept_option();
  void credit_everyone();
  void drop_item();

 public:
  QMenuBar* menu_bar;
  QAction* NextItem1;
  QAction* PreviousItem1;
  QAction* SaveChartPng1;
  QAction* SaveChartSvg1;
  QAction* PrintItem1;
  QAction* Close1;
  QAction* Rekey1;
  QAction* Accept1;
  QAction* Credit1;
  QAction* Drop1;
  QAction* Undo1;
  QAction* Redo1;
  QAction* ApplyToTest1;
  QLabel* lbl_summary;
  QTableWidget* grid_items;
  QLabel* lbl_item;
  QTableWidget* grid_options;
  QComboBox* cmb_option;
  QPushButton* btn_rekey;
  QPushButton* btn_accept;
  QPushButton* btn_credit;
  QPushButton* btn_drop;
  QLabel* lbl_flags;
  QChartView* chart_view;
  QGroupBox* grp_changes;
  QLabel* lbl_decisions;
  QLabel* lbl_changes;
  QTableWidget* grid_changes;
  QPushButton* btn_undo;
  QPushButton* btn_redo;
  QPushButton* btn_apply;
  QUndoStack* undo_stack;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void build_regrade_controls(QWidget* right);
  void take(const ItemDecision& d);
  ItemDecision on_chosen(DecisionKind kind) const;
  void take_on_chosen(DecisionKind kind);
  // The analysed test regraded with the decisions in force, shown everywhere in the window.
  void show_regrade();
  void show_changes(const RegradeComparison* changes);
  void refresh_decision_actions();
  void fill_items();
  void show_item(const ItemDiagnostics* item);
  void step(int by);
  const ItemDiagnostics* find(int number) const;
  void save_chart(const QString& extension, const QString& filter, bool svg);

  Prompter& prompter_;
  DiagnosticsResult result_;
  int current_item_ = 0;
  int chosen_option_ = 0;
  QChart* chart_;
  std::unique_ptr<RegradeSession> regrade_;
  bool replaying_ = false;  // taking pending decisions again: show once at the end
};

}  // namespace jrv::ui
