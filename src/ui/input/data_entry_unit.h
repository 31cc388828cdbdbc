#pragma once
// The data editor: the test definition in edit fields, the examinee lines in a text pane,
// and the check-and-load that turns them into the loaded test.

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;

namespace jrv {
struct CheckResult;
struct EditorDocument;
struct OpenResult;
struct Workspace;
}  // namespace jrv

namespace jrv::ui {

struct FileDialogSpec;
class PaneLinesCache;
struct Session;

class TEditForm : public QDialog {
  Q_OBJECT
 public:
  explicit TEditForm(Session& session, QWidget* parent = nullptr);
  ~TEditForm() override;

  // The controls hold the typed test; the session's document is its copy for the core.
  // Showing the editor loads its controls from the document and closing it stores them
  // back; whatever changes the document while the editor is hidden loads the controls
  // again. A side window works on the document between a store_fields() and a
  // load_fields().
  void store_fields();
  void load_fields();

  // "Save JRV File" without the menu: true when the file was written.
  bool save_test();
  // Empties the editor for a new test (the replaced test was asked about before).
  void clear_test();
  // The document, as the controls hold it, is what may be replaced without a question
  // (just saved, opened or loaded as an example).
  void remember_as_saved();

  // Redraws the rulers for the typed label length and item count (and partial credit).
  void rebuild_rulers();

  // Brings the Convert menu in line with the workspace's right-wrong flag.
  void refresh_convert_menu();

  // Shows a check's messages in order and remembers the field to focus.
  void show_check(const CheckResult& result);

 public slots:
  // Activation: runs every time the editor is shown.
  void Startup1Click();
  // Buttons.
  void CancelClick();
  void btn_save_mapClick();
  void BitBtn1Click();
  void btn_doneClick();
  // File menu.
  void New1Click();
  void Open1Click();
  void ImportJRVInputFilefrompreviousversion1Click();
  void ImportSpreadsheet2Click();
  void Save1Click();
  void CloseOK1Click();
  void Close1Click();
  // Data and Options menus.
  void GenerateData1Click();
  void ChangeMaxOptionsto51Click();
  void ChangeMaxOptionsto81Click();
  void AnswerKeyandIncludeItemCodes1Click();
  void CountlinesofdataasExaminees1Click();
  void Allow9999cases1Click();
  // Typing.
  void txt_itemsChange();
  void txt_label_lengthChange();
  void txt_includeChange();

 public:
  QLineEdit* txt_title;
  QLineEdit* txt_comments;
  QLineEdit* txt_cases;
  QLineEdit* txt_items;
  QLineEdit* txt_label_length;
  QLineEdit* txt_missing_data;
  QLineEdit* txt_answer_key;
  QLineEdit* txt_options;
  QLineEdit* txt_include;
  QPlainTextEdit* MemoData;
  QLabel* lbl_scale1;
  QLabel* lbl_scale2;
  QLabel* lbl_key_scale1;
  QLabel* lbl_key_scale2;
  QLabel* lbl_key_scale3;
  QLabel* lbl_key_scale4;
  QLabel* lbl_data_note;

  QPushButton* btn_clear;
  QPushButton* Cancel;
  QPushButton* btn_save_map;
  QPushButton* BitBtn1;
  QPushButton* btn_done;

  QMenuBar* MainMenu1;
  QMenu* File2;
  QMenu* Data1;
  QMenu* Convert1;
  QMenu* Options2;
  QMenu* Help2;

  QAction* New1;
  QAction* Open1;
  QAction* ImportJRVInputFilefrompreviousversion1;
  QAction* ImportSpreadsheet2;
  QAction* OpenJRVv330File1;
  QAction* OpenJRVv42xFile1;
  QAction* OpenJRVv5xxInputFile1;
  QAction* Save1;
  QAction* SaveCommaDelimited01Data1;
  QAction* SaveCommaDelimitedRawData1;
  QAction* CloseOK1;
  QAction* Close1;

  QAction* Insert1;
  QAction* InsertDataKey1;
  QAction* SaveData1;
  QAction* GenerateData1;

  QAction* convert_heading1;
  QAction* ConvertDatatoRightWrongData1;
  QAction* ConvertBacktoOriginalData1;
  QAction* ConvertDatatoNumbers1;
  QAction* ConvertDatatoLetters1;
  QAction* ConvertDatabacktoOriginalLines1;
  QAction* DataareRightWrongData1;

  QAction* SetTableofSpecifications1;
  QAction* SetAlternativeCorrectAnswers1;
  QAction* PartialCredit1;
  QAction* ChangeMaxOptionsto51;
  QAction* ChangeMaxOptionsto81;

  QAction* AnswerKeyandIncludeItemCodes1;
  QAction* HowToImportVKMTestscoreData1;
  QAction* InsertTESTSCOREdata1;
  QAction* CountlinesofdataasExaminees1;
  QAction* SecretSetupQZL11;

  // Leaves the editor; `again` asks the main window to show it once more.
  void leave(bool again);

  // The side windows, conversions, inserts and exports of the editor's menus.
 public slots:
  void OpenJRVv330File1Click();
  void OpenJRVv42xFile1Click();
  void OpenJRVv5xxInputFile1Click();
  void SaveCommaDelimited01Data1Click();
  void SaveCommaDelimitedRawData1Click();
  void Insert1Click();
  void InsertDataKey1Click();
  void SaveData1Click();
  void ConvertDatatoRightWrongData1Click();
  void ConvertBacktoOriginalData1Click();
  void ConvertDatatoNumbers1Click();
  void ConvertDatatoLetters1Click();
  void ConvertDatabacktoOriginalLines1Click();
  void DataareRightWrongData1Click();
  void SetTableofSpecifications1Click();
  void SetAlternativeCorrectAnswers1Click();
  void PartialCredit1Click();
  void HowToImportVKMTestscoreData1Click();
  void InsertTESTSCOREdata1Click();
  void SecretSetupQZL11Click();

 public:
  // Reads an input file written by `version` (3 to 6) into the editor.
  void open_input_version(int version);
  // The next Open (or open_input_version) reads `path` instead of asking for a file.
  void set_file_to_open(const QString& path) { file_to_open_ = path; }
  // Prepares and shows the generator window; quick mode is the hidden "Generate".
  void run_generator(bool quick_mode);
  // The rulers again, for example after partial credit was switched on or off.
  void refresh_rulers() { rebuild_rulers(); }

 private:
  void connect_side_windows();
  void run_conversion(CheckResult (*convert)(EditorDocument&, Workspace&));

 protected:
  void showEvent(QShowEvent* event) override;
  // Esc and the title bar's close button act as "Close (Cancel)".
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void done(int result) override;

 private:
  void build_fields();
  void build_menus();
  void connect_handlers();
  void accept_data(bool analyze);
  bool check_and_load(bool analyze);
  void set_fields_quietly(const std::function<void()>& change);
  // The file set to open, or the one chosen in the open dialog.
  std::optional<QString> file_to_open_or_ask(const FileDialogSpec& spec);
  void show_opened(const OpenResult& result, const QString& path);

  Session& session_;
  QString pending_focus_;
  bool quiet_ = false;  // fields being filled by the program, not typed
  QString file_to_open_;
  std::unique_ptr<PaneLinesCache> data_pane_;  // MemoData's lines
};

}  // namespace jrv::ui
