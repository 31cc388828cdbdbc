#include "ui/app/map_main_diagnostics.h"

#include <QDate>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>

#include "core/diagnostics/item_diagnostics.h"
#include "core/diagnostics/regrade_session.h"
#include "core/export/report_html.h"
#include "core/text/errors.h"
#include "core/text/text_file.h"
#include "pdf/pdf_report.h"
#include "ui/app/map_main_unit.h"
#include "ui/app/session.h"
#include "ui/diagnostics/diagnostics_window.h"
#include "ui/input/data_entry_unit.h"
#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"
#include "ui/support/widgets.h"

namespace jrv::ui {

DiagnosticsCommands::DiagnosticsCommands(Session& session, TMapForm& main)
    : QObject(&main), session_(session), main_(main) {
  setObjectName("DiagnosticsCommands");
  ItemDiagnostics1 = menu_item(main.Run1, &main, "ItemDiagnostics1", "&Item Diagnostics...",
                               QKeySequence(Qt::CTRL | Qt::Key_D));
  ItemDiagnostics1->setEnabled(main.SpearmanBrownProphecy1->isEnabled());
  connect(main.SpearmanBrownProphecy1, &QAction::enabledChanged, this,
          &DiagnosticsCommands::results_changed);
  // The Analysis menu comes back at the end of every run, also when the results were
  // available before it.
  connect(main.Run1->menuAction(), &QAction::enabledChanged, this, [this](bool enabled) {
    if (enabled && main_.SpearmanBrownProphecy1->isEnabled()) results_changed(true);
  });
  connect(ItemDiagnostics1, &QAction::triggered, this, &DiagnosticsCommands::ItemDiagnostics1Click);

  // The report commands go above the File menu's last separator (before Exit).
  auto action = [&](const char* name, const char* caption) {
    auto* a = new QAction(caption, &main);
    a->setObjectName(name);
    a->setEnabled(ItemDiagnostics1->isEnabled());
    return a;
  };
  SaveReportHtml1 = action("SaveReportHtml1", "Save Report as &HTML...");
  SaveReportPdf1 = action("SaveReportPdf1", "Save Report as P&DF...");
  const QList<QAction*> items = main.File1->actions();
  const qsizetype exit_at = items.indexOf(main.Exit1);
  QAction* before =
      exit_at > 0 && items[exit_at - 1]->isSeparator() ? items[exit_at - 1] : main.Exit1;
  main.File1->insertActions(before, {SaveReportHtml1, SaveReportPdf1});
  main.File1->insertSeparator(SaveReportHtml1);
  connect(SaveReportHtml1, &QAction::triggered, this, &DiagnosticsCommands::SaveReportHtml1Click);
  connect(SaveReportPdf1, &QAction::triggered, this, &DiagnosticsCommands::SaveReportPdf1Click);

  main.before_test_replaced = [this] {
    return !window_ ||
           window_->settle_decisions("Apply the item decisions to the test before it is replaced?");
  };
}

TDiagnosticsForm* DiagnosticsCommands::window() {
  if (!window_) {
    window_ = new TDiagnosticsForm(session_.prompter, &main_);
    connect(window_, &TDiagnosticsForm::apply_requested, this,
            &DiagnosticsCommands::apply_decisions);
  }
  return window_;
}

void DiagnosticsCommands::results_changed(bool available) {
  for (QAction* a : {ItemDiagnostics1, SaveReportHtml1, SaveReportPdf1}) a->setEnabled(available);
  if (!window_ || applying_) return;
  // A new run refreshes an open window; results that went away close it.
  if (available && window_->isVisible()) {
    window_->start_regrade(session_.doc, session_.ws);
  } else if (!available) {
    settle_before_editing();
    window_->hide();
  }
}

void DiagnosticsCommands::settle_before_editing() {
  if (!window_->has_pending_decisions()) return;
  const std::vector<ItemDecision> list = window_->pending_decisions();
  if (session_.prompter.question(&main_,
                                 "Write the item decisions into the test before it is edited? "
                                 "(No discards them.)")) {
    write_decisions(session_.doc, session_.ws, list);
    session_.windows.edit->load_fields();
  }
  window_->forget_decisions();
}

void DiagnosticsCommands::apply_decisions() {
  const std::vector<ItemDecision> list = window_->pending_decisions();
  if (list.empty()) return;
  window_->forget_decisions();
  // The window stays open through the analysis and then shows the test as applied.
  applying_ = true;
  write_decisions(session_.doc, session_.ws, list);
  session_.windows.edit->load_fields();
  main_.analyse_edited_test();
  applying_ = false;
  if (main_.SpearmanBrownProphecy1->isEnabled())
    window_->start_regrade(session_.doc, session_.ws);
  else
    window_->hide();
}

void DiagnosticsCommands::ItemDiagnostics1Click() {
  if (!session_.ws.analysed) return;
  TDiagnosticsForm* w = window();
  w->start_regrade(session_.doc, session_.ws);
  w->show();
  w->raise();
  w->activateWindow();
}

}  // namespace jrv::ui

namespace jrv::ui {

namespace {

ReportModel report_model(const Workspace& ws) {
  return build_report(ws, diagnose(ws), from_q(QDate::currentDate().toString(Qt::ISODate)));
}

}  // namespace

std::optional<QString> DiagnosticsCommands::report_path(const QString& extension,
                                                        const QString& filter) {
  if (!session_.ws.analysed) return std::nullopt;
  FileDialogSpec spec;
  spec.default_extension = extension;
  spec.filter = filter;
  const QString base = QFileInfo(main_.txt_results_name->text()).completeBaseName();
  spec.proposed_name = (base.isEmpty() ? QString("JRV") : base) + "_report." + extension;
  spec.overwrite_prompt = true;
  const auto path = session_.prompter.save_file(&main_, spec);
  if (!path) return std::nullopt;
  return with_default_extension(*path, extension);
}

void DiagnosticsCommands::SaveReportHtml1Click() {
  const auto path = report_path("html", "HTML files (*.html;*.htm)|*.html;*.htm");
  if (!path) return;
  try {
    write_bytes(to_path(*path), report_html(report_model(session_.ws)).html);
  } catch (const FileError& e) {
    session_.prompter.message(&main_, to_q(e.what()));
  }
}

void DiagnosticsCommands::SaveReportPdf1Click() {
  const auto path = report_path("pdf", "PDF files (*.pdf)|*.pdf");
  if (!path) return;
  const ReportDocument doc = report_html(report_model(session_.ws), ChartPlacement::image_files);
  std::map<QString, QByteArray> charts;
  for (const auto& [name, svg] : doc.charts)
    charts[QString::fromStdString(name)] = QByteArray::fromStdString(svg);
  const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
  const QString error =
      pdf::write_pdf(QString::fromUtf8(doc.html.data(), qsizetype(doc.html.size())), charts, *path,
                     letter ? QPageSize::Letter : QPageSize::A4);
  if (!error.isEmpty()) session_.prompter.message(&main_, *path + ": " + error);
}

}  // namespace jrv::ui
