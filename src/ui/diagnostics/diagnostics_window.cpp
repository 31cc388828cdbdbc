#include "ui/diagnostics/diagnostics_window.h"

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QSplitter>
#include <QSvgGenerator>
#include <QTableWidget>
#include <QUndoStack>
#include <QVBoxLayout>
#include <QValueAxis>
#include <functional>
#include <utility>

#include "core/diagnostics/diagnostics_texts.h"
#include "core/diagnostics/regrade_report.h"
#include "core/text/errors.h"
#include "core/text/format.h"
#include "core/text/text_file.h"
#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"
#include "ui/support/widgets.h"

namespace jrv::ui {

namespace {

// A cell that shows a text and sorts by a number (a text column sorts by its text).
class Cell : public QTableWidgetItem {
 public:
  Cell(const std::string& text, std::optional<double> key = std::nullopt)
      : QTableWidgetItem(to_q(text)) {
    setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    if (key) {
      setData(Qt::UserRole, *key);
      setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
  }
  bool operator<(const QTableWidgetItem& other) const override {
    const QVariant a = data(Qt::UserRole), b = other.data(Qt::UserRole);
    if (a.isValid() && b.isValid()) return a.toDouble() < b.toDouble();
    return QTableWidgetItem::operator<(other);
  }
};

// The 9.0 marker sorts above every correlation, as a value that is not one.
double sort_key(double stat) {
  return stat == kNotComputable ? 2.0 : stat;
}

QTableWidget* grid(QWidget* owner, const char* name, const QStringList& headers) {
  auto* g = named<QTableWidget>(owner, name);
  g->setColumnCount(static_cast<int>(headers.size()));
  g->setHorizontalHeaderLabels(headers);
  g->verticalHeader()->hide();
  g->setSelectionBehavior(QAbstractItemView::SelectRows);
  g->setSelectionMode(QAbstractItemView::SingleSelection);
  g->setEditTriggers(QAbstractItemView::NoEditTriggers);
  g->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  return g;
}

const QList<QColor>& option_colours() {
  static const QList<QColor> colours = {QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28),
                                        QColor(0x2c, 0xa0, 0x2c), QColor(0xff, 0x7f, 0x0e),
                                        QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b),
                                        QColor(0xe3, 0x77, 0xc2), QColor(0x17, 0xbe, 0xcf)};
  return colours;
}

// One decision on the undo stack. The first redo takes it; later ones take it again after
// an undo, as the regrade session keeps its own list in the same order.
class DecisionCommand : public QUndoCommand {
 public:
  DecisionCommand(const QString& text, std::function<void()> first, std::function<void()> again,
                  std::function<void()> back)
      : QUndoCommand(text),
        first_(std::move(first)),
        again_(std::move(again)),
        back_(std::move(back)) {}
  void redo() override { (std::exchange(first_time_, false) ? first_ : again_)(); }
  void undo() override { back_(); }

 private:
  std::function<void()> first_, again_, back_;
  bool first_time_ = true;
};

// A button that stands for `action`: it triggers it and follows its state and tooltip.
QPushButton* action_button(QWidget* owner, const char* name, const QString& caption,
                           QAction* action) {
  auto* b = named<QPushButton>(owner, name, caption);
  b->setAutoDefault(false);
  QObject::connect(b, &QPushButton::clicked, action, &QAction::trigger);
  const auto follow = [b, action] {
    b->setEnabled(action->isEnabled());
    b->setToolTip(action->toolTip());
  };
  QObject::connect(action, &QAction::changed, b, follow);
  follow();
  return b;
}

}  // namespace

TDiagnosticsForm::TDiagnosticsForm(Prompter& prompter, QWidget* parent)
    : QWidget(parent, Qt::Window), prompter_(prompter) {
  setObjectName("TDiagnosticsForm");
  setWindowTitle("Item Diagnostics");
  auto* outer = new QVBoxLayout(this);
  menu_bar = named<QMenuBar>(this, "menu_bar");
  outer->setMenuBar(menu_bar);
  QMenu* item_menu = named_menu(this, "Item1", "&Item");
  PreviousItem1 = menu_item(item_menu, this, "PreviousItem1", "&Previous Item",
                            QKeySequence(Qt::ALT | Qt::Key_Up));
  NextItem1 =
      menu_item(item_menu, this, "NextItem1", "&Next Item", QKeySequence(Qt::ALT | Qt::Key_Down));
  item_menu->addSeparator();
  SaveChartPng1 = menu_item(item_menu, this, "SaveChartPng1", "Save Item Curves as P&NG...");
  SaveChartSvg1 = menu_item(item_menu, this, "SaveChartSvg1", "Save Item Curves as S&VG...");
  PrintItem1 =
      menu_item(item_menu, this, "PrintItem1", "P&rint Item...", QKeySequence(QKeySequence::Print));
  item_menu->addSeparator();
  Close1 = menu_item(item_menu, this, "Close1", "&Close", QKeySequence(Qt::Key_Escape));
  menu_bar->addMenu(item_menu);

  lbl_summary = named<QLabel>(this, "lbl_summary");
  lbl_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
  outer->addWidget(lbl_summary);

  auto* split = new QSplitter(Qt::Horizontal, this);
  grid_items = grid(split, "grid_items", {"Item", "Key", "p", "D", "Adj. pbis", "Flags"});
  grid_items->setSortingEnabled(true);
  split->addWidget(grid_items);

  auto* right = new QWidget(split);
  auto* right_layout = new QVBoxLayout(right);
  right_layout->setContentsMargins(0, 0, 0, 0);
  lbl_item = named<QLabel>(right, "lbl_item");
  right_layout->addWidget(lbl_item);
  grid_options = grid(right, "grid_options",
                      {"Option", "Keyed", "Count", "Proportion", "Mean score", "Rest r", "Upper",
                       "Lower", "Group 1", "Group 2", "Group 3", "Group 4", "Group 5"});
  grid_options->setMaximumHeight(230);
  right_layout->addWidget(grid_options);
  build_regrade_controls(right);
  lbl_flags = named<QLabel>(right, "lbl_flags");
  lbl_flags->setWordWrap(true);
  lbl_flags->setTextInteractionFlags(Qt::TextSelectableByMouse);
  right_layout->addWidget(lbl_flags);

  chart_ = new QChart;
  chart_->setAnimationOptions(QChart::NoAnimation);
  chart_->legend()->setAlignment(Qt::AlignRight);
  chart_view = new QChartView(chart_, right);
  chart_view->setObjectName("chart_view");
  chart_view->setRenderHint(QPainter::Antialiasing);
  chart_view->setMinimumHeight(280);
  right_layout->addWidget(chart_view, 1);
  split->addWidget(right);
  split->setStretchFactor(1, 2);
  // "What changed" under both, as wide as the window.
  auto* rows = new QSplitter(Qt::Vertical, this);
  rows->addWidget(split);
  rows->addWidget(grp_changes);
  rows->setStretchFactor(0, 3);
  rows->setStretchFactor(1, 1);
  outer->addWidget(rows, 1);

  connect(grid_items, &QTableWidget::currentCellChanged, this, [this](int row) {
    const QTableWidgetItem* cell = row >= 0 ? grid_items->item(row, 0) : nullptr;
    show_item(cell ? find(cell->data(Qt::UserRole).toInt()) : nullptr);
  });
  connect(NextItem1, &QAction::triggered, this, &TDiagnosticsForm::next_item);
  connect(PreviousItem1, &QAction::triggered, this, &TDiagnosticsForm::previous_item);
  connect(SaveChartPng1, &QAction::triggered, this, &TDiagnosticsForm::save_chart_png);
  connect(SaveChartSvg1, &QAction::triggered, this, &TDiagnosticsForm::save_chart_svg);
  connect(PrintItem1, &QAction::triggered, this, &TDiagnosticsForm::print_item);
  connect(Close1, &QAction::triggered, this, &QWidget::close);
  resize(1150, 900);
}

TDiagnosticsForm::~TDiagnosticsForm() {
  // The stack empties itself as it goes, after the actions it would refresh.
  undo_stack->disconnect(this);
}

void TDiagnosticsForm::build_regrade_controls(QWidget* right) {
  QMenu* menu = named_menu(this, "Regrade1", "Re&grade");
  Rekey1 = menu_item(menu, this, "Rekey1", "&Rekey to Option", QKeySequence(Qt::CTRL | Qt::Key_K));
  Accept1 = menu_item(menu, this, "Accept1", "Also &Accept Option",
                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
  Credit1 = menu_item(menu, this, "Credit1", "Credit &Everyone",
                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
  Drop1 =
      menu_item(menu, this, "Drop1", "&Drop Item", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
  menu->addSeparator();
  undo_stack = new QUndoStack(this);
  Undo1 = undo_stack->createUndoAction(this, "&Undo");
  Undo1->setObjectName("Undo1");
  Undo1->setShortcut(QKeySequence::Undo);
  Redo1 = undo_stack->createRedoAction(this, "Re&do");
  Redo1->setObjectName("Redo1");
  Redo1->setShortcut(QKeySequence::Redo);
  menu->addActions({Undo1, Redo1});
  menu->addSeparator();
  ApplyToTest1 = menu_item(menu, this, "ApplyToTest1", "A&pply to Test");
  ApplyToTest1->setToolTip("Write the decisions into the test and analyse it again");
  menu_bar->addMenu(menu);

  // Under the option table: the option to rekey to or accept, and the four decisions.
  auto* row = new QHBoxLayout;
  cmb_option = named<QComboBox>(right, "cmb_option");
  auto* option_label = new QLabel("Op&tion:", right);
  option_label->setBuddy(cmb_option);
  btn_rekey = action_button(right, "btn_rekey", "&Rekey", Rekey1);
  btn_accept = action_button(right, "btn_accept", "Also &accept", Accept1);
  btn_credit = action_button(right, "btn_credit", "Credit &everyone", Credit1);
  btn_drop = action_button(right, "btn_drop", "&Drop", Drop1);
  row->addWidget(option_label);
  row->addWidget(cmb_option);
  for (QWidget* w : {btn_rekey, btn_accept, btn_credit, btn_drop}) row->addWidget(w);
  row->addStretch(1);
  static_cast<QVBoxLayout*>(right->layout())->addLayout(row);

  // "What changed": the decisions in force and the statistics before -> after beside the
  // examinees whose results moved.
  grp_changes = named<QGroupBox>(this, "grp_changes", "What changed");
  auto* panel = new QHBoxLayout(grp_changes);
  auto* texts = new QVBoxLayout;
  lbl_decisions = named<QLabel>(grp_changes, "lbl_decisions");
  lbl_changes = named<QLabel>(grp_changes, "lbl_changes");
  for (QLabel* l : {lbl_decisions, lbl_changes}) {
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    texts->addWidget(l);
  }
  texts->addStretch(1);
  auto* steps = new QHBoxLayout;
  btn_undo = action_button(grp_changes, "btn_undo", "&Undo", Undo1);
  btn_redo = action_button(grp_changes, "btn_redo", "Red&o", Redo1);
  btn_apply = action_button(grp_changes, "btn_apply", "A&pply to test", ApplyToTest1);
  for (QWidget* w : {btn_undo, btn_redo, btn_apply}) steps->addWidget(w);
  steps->addStretch(1);
  texts->addLayout(steps);
  panel->addLayout(texts, 2);
  grid_changes = grid(grp_changes, "grid_changes", {"Examinee", "Score", "Percent", "Grade"});
  panel->addWidget(grid_changes, 3);

  // The decisions also on the right mouse button over the item and option tables.
  for (QTableWidget* g : {grid_items, grid_options}) {
    g->setContextMenuPolicy(Qt::ActionsContextMenu);
    g->addActions({Rekey1, Accept1, Credit1, Drop1});
  }
  QWidget* order[] = {grid_items, grid_options, cmb_option, btn_rekey, btn_accept,  btn_credit,
                      btn_drop,   btn_undo,     btn_redo,   btn_apply, grid_changes};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  connect(grid_options, &QTableWidget::currentCellChanged, this, [this](int r) {
    const ItemDiagnostics* item = find(current_item_);
    if (item && r >= 0 && r < static_cast<int>(item->options.size()))
      choose_option(item->options[static_cast<std::size_t>(r)].option);
  });
  connect(cmb_option, &QComboBox::activated, this,
          [this](int index) { choose_option(cmb_option->itemData(index).toInt()); });
  connect(Rekey1, &QAction::triggered, this, &TDiagnosticsForm::rekey);
  connect(Accept1, &QAction::triggered, this, &TDiagnosticsForm::accept_option);
  connect(Credit1, &QAction::triggered, this, &TDiagnosticsForm::credit_everyone);
  connect(Drop1, &QAction::triggered, this, &TDiagnosticsForm::drop_item);
  connect(ApplyToTest1, &QAction::triggered, this, &TDiagnosticsForm::apply_requested);
  connect(undo_stack, &QUndoStack::indexChanged, this, &TDiagnosticsForm::refresh_decision_actions);
  show_changes(nullptr);
  refresh_decision_actions();
}

void TDiagnosticsForm::start_regrade(const EditorDocument& doc, const Workspace& ws) {
  const std::vector<ItemDecision> keep = pending_decisions();
  undo_stack->clear();
  regrade_ = std::make_unique<RegradeSession>(doc, ws);
  replaying_ = true;
  for (const auto& d : keep)
    if (!regrade_->refusal(d)) take(d);
  replaying_ = false;
  show_regrade();
}

std::vector<ItemDecision> TDiagnosticsForm::pending_decisions() const {
  if (!regrade_) return {};
  const auto list = regrade_->decisions();
  return {list.begin(), list.end()};
}

bool TDiagnosticsForm::has_pending_decisions() const {
  return regrade_ && !regrade_->decisions().empty();
}

void TDiagnosticsForm::forget_decisions() {
  undo_stack->clear();
  if (!regrade_) return;
  regrade_ = std::make_unique<RegradeSession>(regrade_->original_document(), regrade_->original());
  show_regrade();
}

bool TDiagnosticsForm::settle_decisions(const QString& text) {
  if (!has_pending_decisions()) return true;
  switch (prompter_.apply_question(isVisible() ? this : parentWidget(), text)) {
    case ApplyChoice::apply:
      emit apply_requested();
      return true;
    case ApplyChoice::discard:
      forget_decisions();
      return true;
    case ApplyChoice::cancel:
      break;
  }
  return false;
}

void TDiagnosticsForm::closeEvent(QCloseEvent* event) {
  if (settle_decisions("Apply the item decisions to the test before closing?"))
    event->accept();
  else
    event->ignore();
}

void TDiagnosticsForm::choose_option(int option) {
  chosen_option_ = option;
  const ItemDiagnostics* item = find(current_item_);
  if (item) {
    const QSignalBlocker quiet_rows(grid_options), quiet_box(cmb_option);
    for (std::size_t r = 0; r < item->options.size(); ++r)
      if (item->options[r].option == option)
        grid_options->setCurrentCell(static_cast<int>(r),
                                     std::max(grid_options->currentColumn(), 0));
    cmb_option->setCurrentIndex(cmb_option->findData(option));
  }
  refresh_decision_actions();
}

void TDiagnosticsForm::take(const ItemDecision& d) {
  if (!regrade_ || regrade_->refusal(d)) return;  // a refused decision's action is disabled
  undo_stack->push(new DecisionCommand(
      to_q(describe_decision(regrade_->original(), d)),
      [this, d] {
        regrade_->decide(d);
        show_regrade();
      },
      [this] {
        regrade_->redo();
        show_regrade();
      },
      [this] {
        regrade_->undo();
        show_regrade();
      }));
}

// The option only matters to a rekey or an accept.
ItemDecision TDiagnosticsForm::on_chosen(DecisionKind kind) const {
  const bool optioned = kind == DecisionKind::rekey || kind == DecisionKind::accept;
  return {kind, current_item_, optioned ? chosen_option_ : 0};
}

void TDiagnosticsForm::take_on_chosen(DecisionKind kind) {
  take(on_chosen(kind));
}

void TDiagnosticsForm::rekey() {
  take_on_chosen(DecisionKind::rekey);
}
void TDiagnosticsForm::accept_option() {
  take_on_chosen(DecisionKind::accept);
}
void TDiagnosticsForm::credit_everyone() {
  take_on_chosen(DecisionKind::credit);
}
void TDiagnosticsForm::drop_item() {
  take_on_chosen(DecisionKind::drop);
}

void TDiagnosticsForm::show_regrade() {
  if (replaying_ || !regrade_) return;
  if (!has_pending_decisions()) {
    set_result(diagnose(regrade_->original()));
    show_changes(nullptr);
    return;
  }
  const Regrade r = regrade_->result();
  if (r.check.failed) {  // nothing analysed: the window keeps what it showed
    show_messages(prompter_, this, r.check);
    return;
  }
  set_result(diagnose(r.workspace));
  show_changes(&r.comparison);
}

void TDiagnosticsForm::show_changes(const RegradeComparison* changes) {
  grid_changes->setRowCount(0);
  if (!changes) {
    lbl_decisions->setText("No decisions: the analysed test.");
    lbl_changes->clear();
    refresh_decision_actions();
    return;
  }
  QStringList taken;
  for (const auto& d : regrade_->decisions())
    taken << to_q(describe_decision(regrade_->original(), d));
  lbl_decisions->setText(taken.join("; ") + " (not yet applied to the test)");
  QStringList lines;
  for (const auto& line : regrade_summary_lines(*changes)) lines << to_q(line);
  lbl_changes->setText(lines.join('\n'));
  grid_changes->setRowCount(static_cast<int>(changes->changed.size()));
  int row = 0;
  for (const auto& e : changes->changed) {
    int col = 0;
    for (const auto& text : examinee_change_cells(e))
      grid_changes->setItem(row, col++, new Cell(text));
    ++row;
  }
  refresh_decision_actions();
}

void TDiagnosticsForm::refresh_decision_actions() {
  const std::pair<QAction*, DecisionKind> decisions[] = {{Rekey1, DecisionKind::rekey},
                                                         {Accept1, DecisionKind::accept},
                                                         {Credit1, DecisionKind::credit},
                                                         {Drop1, DecisionKind::drop}};
  for (const auto& [action, kind] : decisions) {
    std::optional<std::string> why;
    const ItemDecision d = on_chosen(kind);
    if (regrade_ && current_item_ > 0) why = regrade_->refusal(d);
    action->setEnabled(regrade_ && current_item_ > 0 && !why);
    action->setToolTip(why                   ? to_q(*why)
                       : action->isEnabled() ? to_q(describe_decision(regrade_->original(), d))
                                             : QString());
  }
  ApplyToTest1->setEnabled(has_pending_decisions());
}

void TDiagnosticsForm::set_result(const DiagnosticsResult& result) {
  const int keep = current_item_;
  result_ = result;
  const TestStatistics& s = result_.stats;
  lbl_summary->setText(
      to_q(result_.title + "   N = " + int_str(result_.examinees) +
           "   items = " + int_str(result_.included_items) + "   mean = " + fixed(s.mean_score, 2) +
           "   SD = " + fixed(s.sd_score, 2) + "   KR-20 = " + fixed(s.kr20, 3) + " (95 % CI " +
           interval_text(result_.kr20_ci95) + ")   SEM = " + fixed(s.sem_kr20, 2) +
           "   flagged items = " + int_str(result_.flagged_count())));
  fill_items();
  {
    // The row chosen may be the one chosen before: its item is shown below either way.
    const QSignalBlocker quiet(grid_items);
    const ItemDiagnostics* again = find(keep);
    if (again && again->included)
      choose_item(keep);
    else if (grid_items->rowCount() > 0)
      grid_items->setCurrentCell(0, 0);
  }
  const int row = grid_items->currentRow();
  show_item(row >= 0 ? find(grid_items->item(row, 0)->data(Qt::UserRole).toInt()) : nullptr);
}

void TDiagnosticsForm::fill_items() {
  const QSignalBlocker quiet(grid_items);
  grid_items->setSortingEnabled(false);
  grid_items->clearContents();
  int rows = 0;
  for (const auto& d : result_.item_list) rows += d.included;
  grid_items->setRowCount(rows);
  int row = 0;
  for (const auto& d : result_.item_list) {
    if (!d.included) continue;
    const ItemRecord& r = d.record;
    auto* number = new Cell(int_str(d.item), d.item);
    grid_items->setItem(row, 0, number);
    grid_items->setItem(row, 1, new Cell(key_text(d)));
    grid_items->setItem(row, 2, new Cell(fixed(r.difficulty, 3), r.difficulty));
    grid_items->setItem(row, 3, new Cell(fixed(r.discrimination, 3), r.discrimination));
    grid_items->setItem(row, 4,
                        new Cell(stat_text(r.adj_point_biserial), sort_key(r.adj_point_biserial)));
    grid_items->setItem(row, 5, new Cell(flag_titles(d)));
    ++row;
  }
  grid_items->setSortingEnabled(true);
}

const ItemDiagnostics* TDiagnosticsForm::find(int number) const {
  for (const auto& d : result_.item_list)
    if (d.item == number) return &d;
  return nullptr;
}

void TDiagnosticsForm::choose_item(int number) {
  for (int row = 0; row < grid_items->rowCount(); ++row)
    if (grid_items->item(row, 0)->data(Qt::UserRole).toInt() == number) {
      grid_items->setCurrentCell(row, 0);
      return;
    }
}

void TDiagnosticsForm::show_item(const ItemDiagnostics* item) {
  current_item_ = item ? item->item : 0;
  grid_options->setRowCount(0);
  chart_->removeAllSeries();
  for (auto* axis : chart_->axes()) {
    chart_->removeAxis(axis);
    delete axis;
  }
  {
    const QSignalBlocker quiet(cmb_option);
    cmb_option->clear();
    if (item)
      for (const auto& o : item->options)
        if (o.option > 0) cmb_option->addItem(to_q(option_name(o)), o.option);
  }
  if (!item) {
    lbl_item->clear();
    lbl_flags->clear();
    chart_->setTitle({});
    refresh_decision_actions();
    return;
  }
  const ItemRecord& r = item->record;
  lbl_item->setText(to_q("Item " + int_str(item->item) + "   key " + key_text(*item) + "   p = " +
                         fixed(r.difficulty, 3) + "   D = " + fixed(r.discrimination, 3) +
                         "   adjusted pbis = " + stat_text(r.adj_point_biserial)));
  std::string reasons;
  for (const auto& f : item->flags)
    reasons += std::string(reasons.empty() ? "" : "\n") + std::string(flag_title(f.flag)) + ": " +
               f.reason;
  lbl_flags->setText(reasons.empty() ? "No flags." : to_q(reasons));

  grid_options->setRowCount(static_cast<int>(item->options.size()));
  int row = 0;
  for (const auto& o : item->options) {
    const std::vector<std::string> cells = {option_name(o),         o.keyed ? "key" : "",
                                            int_str(o.count),       fixed(o.proportion, 3),
                                            fixed(o.mean_score, 2), fixed(o.rest_point_biserial, 3),
                                            fixed(o.upper, 3),      fixed(o.lower, 3)};
    int col = 0;
    for (const auto& text : cells) {
      const bool number = col > 1;
      grid_options->setItem(row, col++, new Cell(text, number ? std::optional(0.0) : std::nullopt));
    }
    for (double g : o.groups) grid_options->setItem(row, col++, new Cell(fixed(g, 3), 0.0));
    ++row;
  }
  // The option chosen before stays chosen on the next item when it has it.
  const bool has_chosen = cmb_option->findData(chosen_option_) >= 0;
  choose_option(has_chosen ? chosen_option_
                           : (cmb_option->count() > 0 ? cmb_option->itemData(0).toInt() : 0));

  chart_->setTitle(
      to_q("Item " + int_str(item->item) + ": share choosing each option by score group"));
  auto* x = new QValueAxis;
  x->setRange(1, kScoreGroups);
  x->setTickCount(kScoreGroups);
  x->setLabelFormat("%d");
  x->setTitleText("Score group (1 = lowest fifth)");
  auto* y = new QValueAxis;
  y->setRange(0, 1);
  y->setTickCount(6);
  y->setLabelFormat("%.1f");
  y->setTitleText("Proportion choosing");
  chart_->addAxis(x, Qt::AlignBottom);
  chart_->addAxis(y, Qt::AlignLeft);
  int colour = 0;
  for (const auto& o : item->options) {
    if (o.option == 0 && o.count == 0) continue;  // no curve for missing answers nobody gave
    auto* series = new QLineSeries;
    series->setName(
        to_q(o.option == 0 ? "Missing" : "Option " + option_name(o) + (o.keyed ? " (key)" : "")));
    for (int g = 0; g < kScoreGroups; ++g)
      if (result_.groups.sizes[static_cast<std::size_t>(g)] > 0)
        series->append(g + 1, o.groups[static_cast<std::size_t>(g)]);
    QPen pen(o.option == 0 ? QColor(Qt::gray)
                           : option_colours()[colour++ % option_colours().size()]);
    pen.setWidthF(o.keyed ? 4.5 : 1.8);
    if (o.option == 0) pen.setStyle(Qt::DashLine);
    series->setPen(pen);
    series->setPointsVisible(true);
    chart_->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
  }
}

void TDiagnosticsForm::step(int by) {
  const int rows = grid_items->rowCount();
  if (rows == 0) return;
  const int row = std::clamp(grid_items->currentRow() + by, 0, rows - 1);
  grid_items->setCurrentCell(row, std::max(grid_items->currentColumn(), 0));
}

void TDiagnosticsForm::next_item() {
  step(1);
}
void TDiagnosticsForm::previous_item() {
  step(-1);
}

void TDiagnosticsForm::save_chart(const QString& extension, const QString& filter, bool svg) {
  if (current_item_ == 0) return;
  FileDialogSpec spec;
  spec.default_extension = extension;
  spec.filter = filter;
  spec.proposed_name = QString("item_%1_curves.%2").arg(current_item_).arg(extension);
  spec.overwrite_prompt = true;
  const auto path = prompter_.save_file(this, spec);
  if (!path) return;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (svg) {
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(chart_view->size());
    generator.setViewBox(chart_view->rect());
    generator.setTitle(chart_->title());
    QPainter painter(&generator);
    chart_view->render(&painter);
  } else {
    chart_view->grab().toImage().save(&buffer, "PNG");
  }
  try {
    write_bytes(to_path(with_default_extension(*path, extension)), bytes.toStdString());
  } catch (const FileError& e) {
    prompter_.message(this, to_q(e.what()));
  }
}

void TDiagnosticsForm::save_chart_png() {
  save_chart("png", "PNG images (*.png)|*.png", false);
}
void TDiagnosticsForm::save_chart_svg() {
  save_chart("svg", "SVG drawings (*.svg)|*.svg", true);
}

void TDiagnosticsForm::print_item() {
  if (current_item_ == 0) return;
  QPrinter printer;
  printer.setDocName(QString("Item %1 diagnostics").arg(current_item_));
  if (!prompter_.setup_printer(this, printer)) return;
  QPainter painter(&printer);
  const QRect page = painter.viewport();
  int top = page.top();
  for (QWidget* part : {static_cast<QWidget*>(lbl_item), static_cast<QWidget*>(grid_options),
                        static_cast<QWidget*>(lbl_flags), static_cast<QWidget*>(chart_view)}) {
    const QPixmap picture = part->grab();
    QSize size = picture.size();
    size.scale(page.width(), page.bottom() - top, Qt::KeepAspectRatio);
    if (size.width() > picture.width() * 4) size = picture.size() * 4;
    painter.drawPixmap(QRect(QPoint(page.left(), top), size), picture);
    top += size.height() + page.height() / 60;
  }
}

}  // namespace jrv::ui
