#pragma once
// The table of specifications: content areas and cognitive levels with their names, and
// each item's area and level in up to three grids of 34 items.

#include <QDialog>
#include <array>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace jrv::ui {

struct Session;

class TTableForm : public QDialog {
  Q_OBJECT
 public:
  explicit TTableForm(Session& session, QWidget* parent = nullptr);

  // Lays the grids out for `item_count` items and shows the window, again and again
  // while Save & Exit finds a fault.
  void show_for_items(int item_count);

  // The window's controls into the document's table fields, and back.
  void store_fields();
  void load_fields();
  // Grids shown, their columns and the item numbers in row 0.
  void lay_out_grids(int item_count);

 public slots:
  void CloseSave1Click();
  void CloseCancel1Click();
  void Reset1Click();
  void UseadefaultsetofSpecifications1Click();
  void UseKnowledgeBeyondKnowledge1Click();
  void UseBloomsTaxonomy1Click();
  void UseUseGagnesTaxonomy1Click();
  void OosterhofsTaxonomy1Click();

 public:
  QMenuBar* MainMenu1;
  QMenu* File1;
  QMenu* Options1;
  QAction* CloseCancel1;
  QAction* CloseSave1;
  QAction* Reset1;
  QAction* UseadefaultsetofSpecifications1;
  QAction* UseKnowledgeBeyondKnowledge1;
  QAction* UseBloomsTaxonomy1;
  QAction* UseUseGagnesTaxonomy1;
  QAction* OosterhofsTaxonomy1;

  std::array<QRadioButton*, 7> rdo_ca{};  // rdo_ca0..rdo_ca6
  std::array<QRadioButton*, 7> rdo_cs{};  // rdo_cs0..rdo_cs6
  std::array<QLabel*, 7> lbl_content{};   // 1..6
  std::array<QLineEdit*, 7> txt_content{};
  std::array<QLabel*, 7> lbl_skill{};
  std::array<QLineEdit*, 7> txt_skill{};
  QLabel* lbl_instruction;
  std::array<QTableWidget*, 3> grids{};  // StringGrid1..3
  std::array<QLabel*, 3> lbl_item{};
  std::array<QLabel*, 3> lbl_ca{};
  std::array<QLabel*, 3> lbl_cs{};
  QPushButton* btn_reset;
  QPushButton* BitBtn1;  // Cancel
  QPushButton* BitBtn2;  // Save & Exit

 private:
  void choose_areas(int count);
  void choose_levels(int count);

  Session& session_;
  int item_count_ = 0;
  bool stay_open_ = false;
};

}  // namespace jrv::ui
