#pragma once
// The main window's commands for the item diagnostics: "Item Diagnostics" in the Analysis
// menu and the shareable report in the File menu. They are enabled exactly while the other
// result commands are (they follow "Spearman-Brown Prophecy", which is one of them).
//
// Decisions taken in the window stay there until "Apply to test" writes them into the data
// editor's texts and analyses the test again; before they could be lost (the window
// closed, the test replaced or edited) the user is asked.

#include <QObject>
#include <QString>
#include <optional>

class QAction;

namespace jrv::ui {

struct Session;
class TMapForm;
class TDiagnosticsForm;

class DiagnosticsCommands : public QObject {
  Q_OBJECT
 public:
  DiagnosticsCommands(Session& session, TMapForm& main);

  // The window, created on first use.
  TDiagnosticsForm* window();

 public slots:
  void ItemDiagnostics1Click();
  void SaveReportHtml1Click();
  void SaveReportPdf1Click();

 public:
  QAction* ItemDiagnostics1;
  QAction* SaveReportHtml1;
  QAction* SaveReportPdf1;

 private:
  void results_changed(bool available);
  // "Apply to test": the window's decisions into the test, then the analysis.
  void apply_decisions();
  // The window's pending decisions when the results go away for the editor: written into
  // the test the editor shows, or dropped, as the user answers.
  void settle_before_editing();
  // The chosen path for the report with `extension`, or nothing.
  std::optional<QString> report_path(const QString& extension, const QString& filter);

  Session& session_;
  TMapForm& main_;
  TDiagnosticsForm* window_ = nullptr;
  bool applying_ = false;
};

}  // namespace jrv::ui
