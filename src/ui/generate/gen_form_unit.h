#pragma once
// The data generator: the size, difficulty and coding of a simulated test, generated into
// the data editor from a seed.

#include <QDialog>

#include "core/generate/generator.h"
#include "core/generate/random_numbers.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace jrv::ui {

struct Session;

class TGenForm : public QDialog {
  Q_OBJECT
 public:
  explicit TGenForm(Session& session, QWidget* parent = nullptr);

  // The editor's "Generate Data": prepares the fields (fixed ones in the hidden quick
  // mode) and shows the window again and again while Generate finds a fault.
  void run(bool quick_mode);

  void store_fields();
  void load_fields();

  // What the window proposes as a new seed (tests replace the clock-seeded source).
  std::function<std::int32_t()> draw_seed;

 public slots:
  void btn_generateClick();
  void btn_cancelClick();
  void Button1Click();

 public:
  QLineEdit* edit_num_cases;
  QLineEdit* edit_num_items;
  QLineEdit* edit_seed;
  QRadioButton* rdo_2;
  QRadioButton* rdo_3;
  QRadioButton* rdo_4;
  QRadioButton* rdo_5;
  QRadioButton* rdo_mix;
  QRadioButton* rdo_easiest;
  QRadioButton* rdo_veryeasy;
  QRadioButton* rdo_easy;
  QRadioButton* rdo_medium;
  QRadioButton* rdo_hard;
  QRadioButton* rdo_veryhard;
  QRadioButton* rdo_hardest;
  QRadioButton* gen_num;
  QRadioButton* gen_let;
  QLabel* lbl_largen;
  QPushButton* btn_generate;
  QPushButton* btn_cancel;
  QPushButton* Button1;

 private:
  Session& session_;
  GeneratorFields fields_;
  GeneratorSession gen_session_;
  RandomState rng_;
  SeedSource seed_source_;
  QString pending_focus_;
};

}  // namespace jrv::ui
