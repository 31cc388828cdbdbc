#pragma once
// The chart window: one bar series showing a chart of the last analysis; save as bitmap,
// print, close.

#include <QDialog>
#include <QStringList>
#include <string>
#include <vector>

#include "core/charts/chart_series.h"

class QAction;
class QMenu;
class QMenuBar;

class QChart;
class QChartView;
class QBarSeries;
class QBarSet;
class QBarCategoryAxis;
class QValueAxis;

namespace jrv::ui {

struct Session;

enum class ChartKind { histogram, score_bars, grade_bars };

class TGraph : public QDialog {
  Q_OBJECT
 public:
  explicit TGraph(Session& session, QWidget* parent = nullptr);

  // Fills the series with one chart of the last analysis and shows the window.
  void show_chart(ChartKind kind);
  void show_series(const ChartSeries& series);

  // What the series holds now.
  QString title() const;
  QStringList bar_labels() const;
  // The labels printed under the bars (empty where one is left out) and the count axis's
  // tick values.
  QStringList shown_labels() const;
  QList<double> count_ticks() const;
  QList<double> bar_values() const;
  double bar_width() const;
  bool value_marks() const;

 public slots:
  void Save1Click();
  void Print1Click();
  void Close1Click();

 public:
  QMenuBar* MainMenu1;
  QAction* Save1;
  QAction* Print1;
  QAction* Close1;
  QChartView* Chart1;
  QBarSeries* Series1;

 private:
  // More labels than this under the bars would run into each other at the window's width.
  static constexpr int kMostBarLabels = 20;

  Session& session_;
  QStringList labels_;
  QChart* chart_;
  QBarSet* set_;
  QBarCategoryAxis* axis_x_;
  QValueAxis* axis_y_;
};

}  // namespace jrv::ui
