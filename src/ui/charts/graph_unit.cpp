#include "ui/charts/graph_unit.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "core/charts/axis_ticks.h"
#include "core/charts/bar_charts.h"
#include "core/charts/histogram.h"
#include "core/text/errors.h"
#include "core/text/text_file.h"
#include "ui/app/session.h"
#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"
#include "ui/support/widgets.h"

namespace jrv::ui {

TGraph::TGraph(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName("TGraph");
  setWindowTitle("Graph");
  auto* outer = new QVBoxLayout(this);
  MainMenu1 = named<QMenuBar>(this, "MainMenu1");
  outer->setMenuBar(MainMenu1);
  Save1 = MainMenu1->addAction("&Save");
  Save1->setObjectName("Save1");
  Print1 = MainMenu1->addAction("&Print");
  Print1->setObjectName("Print1");
  Close1 = MainMenu1->addAction("&Close");
  Close1->setObjectName("Close1");

  chart_ = new QChart;
  chart_->legend()->hide();
  chart_->setAnimationOptions(QChart::NoAnimation);
  Series1 = new QBarSeries(chart_);
  Series1->setObjectName("Series1");
  set_ = new QBarSet(QString());
  set_->setColor(QColor(Qt::cyan));  // aqua
  set_->setBorderColor(QColor(Qt::darkCyan));
  set_->setLabelColor(Qt::black);
  Series1->append(set_);
  Series1->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
  chart_->addSeries(Series1);
  axis_x_ = new QBarCategoryAxis(chart_);
  axis_y_ = new QValueAxis(chart_);
  axis_y_->setLabelFormat("%d");
  chart_->addAxis(axis_x_, Qt::AlignBottom);
  chart_->addAxis(axis_y_, Qt::AlignLeft);
  Series1->attachAxis(axis_x_);
  Series1->attachAxis(axis_y_);

  Chart1 = new QChartView(chart_, this);
  Chart1->setObjectName("Chart1");
  Chart1->setRenderHint(QPainter::Antialiasing);
  Chart1->setRubberBand(QChartView::NoRubberBand);
  outer->addWidget(Chart1, 1);

  connect(Save1, &QAction::triggered, this, &TGraph::Save1Click);
  connect(Print1, &QAction::triggered, this, &TGraph::Print1Click);
  connect(Close1, &QAction::triggered, this, &TGraph::Close1Click);
  resize(860, 560);
}

void TGraph::show_chart(ChartKind kind) {
  const Workspace& ws = session_.ws;
  switch (kind) {
    case ChartKind::histogram:
      show_series(score_histogram(ws));
      break;
    case ChartKind::score_bars:
      show_series(score_bar_chart(ws));
      break;
    case ChartKind::grade_bars:
      show_series(grade_bar_chart(ws));
      break;
  }
  show();
  raise();
}

void TGraph::show_series(const ChartSeries& content) {
  set_->remove(0, set_->count());
  axis_x_->clear();
  chart_->setTitle(to_q(content.title));
  labels_.clear();
  double top = 0;
  for (const ChartBar& bar : content.bars) {
    labels_ << to_q(bar.label);
    set_->append(bar.value);
    top = std::max(top, bar.value);
  }
  // A long row of bars names only the scores at a round step. The axis wants every category
  // different, so a label left out is a different number of invisible characters.
  QStringList shown;
  for (const std::string& label : shown_bar_labels(content.bars, kMostBarLabels))
    shown << (label.empty() ? QString(shown.size() + 1, QChar(0x200B)) : to_q(label));
  axis_x_->append(shown);
  axis_x_->setLabelsAngle(0);
  axis_x_->setTruncateLabels(false);
  const CountAxis counts = count_axis(top);
  axis_y_->setRange(0, counts.top);
  axis_y_->setTickCount(counts.intervals + 1);
  Series1->setBarWidth(content.bar_width_percent / 100.0);
  Series1->setLabelsVisible(content.value_marks);
  Series1->setLabelsPrecision(6);
}

QString TGraph::title() const {
  return chart_->title();
}
QStringList TGraph::bar_labels() const {
  return labels_;
}
QStringList TGraph::shown_labels() const {
  QStringList out;
  for (const QString& c : axis_x_->categories())
    out << (c.startsWith(QChar(0x200B)) ? QString() : c);
  return out;
}
QList<double> TGraph::count_ticks() const {
  QList<double> out;
  const int n = axis_y_->tickCount();
  for (int i = 0; i < n; ++i) out << axis_y_->max() * i / (n - 1);
  return out;
}
QList<double> TGraph::bar_values() const {
  QList<double> out;
  for (int i = 0; i < set_->count(); ++i) out << set_->at(i);
  return out;
}
double TGraph::bar_width() const {
  return Series1->barWidth();
}
bool TGraph::value_marks() const {
  return Series1->isLabelsVisible();
}

void TGraph::Save1Click() {
  FileDialogSpec spec;
  spec.default_extension = "BMP";
  spec.filter = "Bitmap files (*.bmp)|*.bmp";
  spec.proposed_name = "JRV_graph.BMP";
  const auto path = session_.prompter.save_file(this, spec);
  if (!path) return;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  Chart1->grab().toImage().save(&buffer, "BMP");
  try {
    write_bytes(to_path(with_default_extension(*path, spec.default_extension)),
                bytes.toStdString());
  } catch (const FileError& e) {
    show_error(session_.prompter, this, e);
  }
}

void TGraph::Print1Click() {
  QPrinter printer;
  printer.setDocName("JRV Graph");
  if (!session_.prompter.setup_printer(this, printer)) return;
  QPainter painter(&printer);
  const QPixmap picture = Chart1->grab();
  const QRect page = painter.viewport();
  QSize size = picture.size();
  size.scale(page.size(), Qt::KeepAspectRatio);
  painter.drawPixmap(QRect(page.topLeft(), size), picture);
}

void TGraph::Close1Click() {
  close();
}

}  // namespace jrv::ui
