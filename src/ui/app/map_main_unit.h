#pragma once
// The main window: INPUT and OUTPUT panels, command buttons, the two quick-result panes,
// the menus and every option switch. Every action of the program starts here.

#include <QMainWindow>
#include <functional>

class QAction;
class QActionGroup;
class QCheckBox;
class QDragEnterEvent;
class QDropEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace jrv::ui {

struct Session;

class TMapForm : public QMainWindow {
  Q_OBJECT
 public:
  explicit TMapForm(Session& session, QWidget* parent = nullptr);

  // Called by the data editor when it is left through "Close && Analyze" or "OK".
  void editor_accepted_update(const QString& map_name, const QString& results_name,
                              const QString& title_line);
  // "View Full Results", the quick examinee and the quick item views.
  void set_view_buttons_enabled(bool enabled);
  // The Options menu's check marks from the workspace's options.
  void sync_option_marks();
  // Called by the data editor's Cancel.
  void editor_cancelled_update();
  // Called by the editor's "Save JRV File" when a file was chosen.
  void input_file_saved_update();

  // A test named from outside the menus (command line, drop, Recent Tests): a version-6
  // file opens in the data editor, an older one through the chooser of its version.
  void open_test_file(const QString& path);
  // The Recent Tests submenu from the remembered list.
  void fill_recent_tests_menu();

  // The title line under the panels, shown.
  void show_title_line(const QString& text);

  // Asked before anything replaces the test: "Save changes to the test?" when it changed
  // since it was last saved, opened or started. True when the test may be replaced (saved,
  // discarded or unchanged); false on Cancel or when the save did not happen.
  bool maybe_save_test();
  // Asked first by maybe_save_test when set: false keeps the test.
  std::function<bool()> before_test_replaced;

  // The test as the data editor holds it, checked and analysed as leaving the editor with
  // "Close && Analyze" does; the editor is shown only when its check sends the user back.
  void analyse_edited_test();

 public slots:
  // INPUT panel.
  void btn_gotodataClick();
  void rdo_inputClick();
  // OUTPUT panel.
  void chk_save_score_fileClick();
  void chk_save_item_fileClick();
  void chk_save_opt_fileClick();
  void chk_save_rpt_fileClick();
  void txt_results_nameChange();
  // Commands.
  void btn_analyzeClick();
  void btn_view_examineeClick();
  void btn_saveresultsClick();
  void ViewExam1Click();
  void ViewItem1Click();
  void ViewOptions1Click();
  void btn_unhideClick();
  // File menu.
  void CreateNewDataFile1Click();
  void OpenJRVinputFile1Click();
  void OpenInputFilefromapreviousJRVversion1Click();
  void SaveJRVInputFile1Click();
  void ViewGradeReports1Click();
  void SaveGradeReports1Click();
  void SaveItemFile1Click();
  void SaveRightWrongData1Click();
  void SetALTfileOK1Click();
  void SaveALTfile1Click();
  void Generate1Click();
  void Exit1Click();
  void ImportSpreadsheet1Click();
  void ExportScoresforaGradebook1Click();
  // Analysis menu.
  void SpearmanBrownProphecy1Click();
  // Options menu.
  void SetPercentagesforGrades1Click();
  void PrintGradesonIndividualReports1Click();
  void RoundPercentageScoresforLetterGrades1Click();
  void UseAbsolutePercentagesforLetterGrades1Click();
  void SetPercentagesforItemDiscrimination1Click();
  void SetCriteriaforProblemItems1Click();
  void ShowProblemItems1Click();
  void HideExamineeLabelsnames1Click();
  void rdo_sort_noneClick();
  void rdo_sort_nameClick();
  void rdo_sort_scorClick();
  void rdo_sort_numbClick();
  void rdo_sort_diffClick();
  void rdo_sort_discClick();
  void rdo_sort_pbisClick();
  void rdo_sort_adjpClick();
  void rdo_use_rawClick();
  void rdo_use_percentClick();
  void rdo_use_lettersClick();
  void ChangeSeedValueeverytimeGeneratorisCalled1Click();
  void AutomaticallySaveJRVfilewhensavingresults1Click();
  // Help menu.
  void HowtoSpeciallsaveSPSSfiles1Click();
  void Acknowledgements1Click();
  void License1Click();
  void WhatsNew1Click();
  void About1Click();
  // Examples menu.
  void SampleDataSet11Click();
  void SampleDataSet21Click();
  void SampleDataSet31Click();
  void as_numeric1Click();
  void as_rightwrong1Click();
  void as_letter1Click();
  void as_truefalse1Click();
  void as_mixture1Click();
  void SecretSetupQZR11Click();

 public:
  // Controls, named as the program's other windows and the tests know them.
  QGroupBox* GroupBox1;
  QRadioButton* rdo_enter_data;
  QRadioButton* rdo_read_file;
  QRadioButton* rdo_spss_file;
  QRadioButton* rdo_generate;
  QRadioButton* rdo_edit_data;
  QPushButton* btn_gotodata;
  QLabel* Label5;
  QLineEdit* txt_map_name;
  QLabel* Label6;

  QGroupBox* GroupBox2;
  QLabel* Label7;
  QLineEdit* txt_results_name;
  QLabel* Label8;
  QLabel* Label9;
  QCheckBox* chk_save_score_file;
  QCheckBox* chk_save_item_file;
  QCheckBox* chk_save_opt_file;
  QCheckBox* chk_save_rpt_file;
  QLineEdit* txt_score_filename;
  QLineEdit* txt_item_filename;

  QPushButton* btn_analyze;
  QPushButton* btn_view_examinee;
  QPushButton* btn_saveresults;
  QPushButton* btn_view_q_exam;
  QPushButton* btn_view_q_item;
  QPushButton* btn_view_options;

  QPushButton* btn_unhide;
  QLabel* lbl_t;
  QLineEdit* txt_t;
  QGroupBox* GroupBox3;
  QPlainTextEdit* memo_results;
  QGroupBox* GroupBox4;
  QPlainTextEdit* memo_items;

  QMenu* File1;
  QMenu* Run1;
  QMenu* Options1;
  QMenu* Examples1;
  QMenu* Help1;
  QMenu* RecentTests1 = nullptr;

  QAction* CreateNewDataFile1;
  QAction* OpenJRVinputFile1;
  QAction* OpenInputFilefromapreviousJRVversion1;
  QAction* SaveJRVInputFile1;
  QAction* ViewResults1;
  QAction* SaveResults1;
  QAction* ViewExam1;
  QAction* ViewItem1;
  QAction* ViewOptions1;
  QAction* ViewGradeReports1;
  QAction* SaveGradeReports1;
  QAction* SaveItemFile1;
  QAction* SaveRightWrongData1;
  QAction* SetALTfileOK1;
  QAction* SaveALTfile1;
  QAction* Generate1;
  QAction* Exit1;
  QAction* ImportSpreadsheet1;
  QAction* ExportScoresforaGradebook1;

  QAction* Analyze1;
  QAction* SpearmanBrownProphecy1;

  QAction* RunAnalysisAgain1;
  QAction* SetPercentagesforGrades1;
  QAction* PrintGradesonIndividualReports1;
  QAction* RoundPercentageScoresforLetterGrades1;
  QAction* UseAbsolutePercentagesforLetterGrades1;
  QAction* SetPercentagesforItemDiscrimination1;
  QAction* SetCriteriaforProblemItems1;
  QAction* ShowProblemItems1;
  QAction* HideExamineeLabelsnames1;
  QAction* rdo_sort_none;
  QAction* rdo_sort_name;
  QAction* rdo_sort_scor;
  QAction* rdo_sort_numb;
  QAction* rdo_sort_diff;
  QAction* rdo_sort_disc;
  QAction* rdo_sort_pbis;
  QAction* rdo_sort_adjp;
  QAction* rdo_use_raw;
  QAction* rdo_use_percent;
  QAction* rdo_use_letters;
  QAction* ChangeSeedValueeverytimeGeneratorisCalled1;
  QAction* AutomaticallySaveJRVfilewhensavingresults1;

  QAction* SampleDataSet11;
  QAction* SampleDataSet21;
  QAction* SampleDataSet31;
  QAction* ExampleDataShown1;
  QAction* as_numeric1;
  QAction* as_rightwrong1;
  QAction* as_letter1;
  QAction* as_truefalse1;
  QAction* as_mixture1;
  QAction* SecretSetupQZR11;

  QAction* HowtoSpeciallsaveSPSSfiles1;
  QAction* Acknowledgements1;
  QAction* License1;
  QAction* WhatsNew1;
  QAction* About1;

  // The caption of the analysis start after an option changed.
  void note_option_changed();
  // Toggles hide_labels as the menu item and btn_unhide do.
  void toggle_hide_labels();
  // The window's state between "Go To Data Editor" and the editor's acceptance.
  void enter_no_data_state();

 protected:
  void showEvent(QShowEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void build_panels();
  void build_menus();
  void build_sheet_menu_items();
  void connect_handlers();
  void show_editor_while_reopen();
  void set_run_state(bool running);
  void disable_result_commands();
  bool run_core_analysis();
  void finish_analysis();
  void fill_quick_view_exam();
  void fill_quick_view_item();
  void after_results_saved();
  void run_go_to_data_editor();
  void analyse_after_editor();
  void connect_examples();
  void load_example_set(int set);
  void add_file_commands();
  void open_recent_test(const QString& path);
  void import_spreadsheet_file(const QString& path);

  Session& session_;
  bool centred_ = false;
};

}  // namespace jrv::ui
