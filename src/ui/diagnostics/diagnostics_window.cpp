#include "ui/diagnostics/diagnostics_window.h"

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QSplitter>
#include <QSvgGenerator>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include "core/diagnostics/diagnostics_texts.h"
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
  outer->addWidget(split, 1);

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
  resize(1100, 720);
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
  const ItemDiagnostics* again = find(keep);
  if (again && again->included)
    choose_item(keep);
  else if (grid_items->rowCount() > 0)
    grid_items->setCurrentCell(0, 0);
  else
    show_item(nullptr);
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
  if (!item) {
    lbl_item->clear();
    lbl_flags->clear();
    chart_->setTitle({});
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
