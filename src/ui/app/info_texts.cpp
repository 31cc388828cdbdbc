#include "ui/app/info_texts.h"

namespace jrv::ui {

QString user_agreement_text() {
  return QStringLiteral(
      "You may use this program freely to analyse the tests you give, and you may copy it "
      "for colleagues who want to do the same.\n\n"
      "The program is offered as it is, without any warranty. Check its results against your "
      "own judgement before you base a grade or a decision on them: an answer key typed "
      "wrongly, a shifted data line or a wrong item count changes every statistic.\n\n"
      "Examinee names and scores are personal data. Keep the input files and the saved "
      "reports where only you and those entitled to them can read them, and hand out the "
      "individual grade reports to their own examinees only.\n\n"
      "By clicking OK you accept these terms.");
}

QString acknowledgements_text() {
  return QStringLiteral(
      "This program grew out of many years of classroom testing.\n\n"
      "Thanks go to the instructors who sent in their tests, their questions and their "
      "suggestions: most features of this version started as a request from a teacher who "
      "wanted one more look at an exam.\n\n"
      "Thanks also go to the students whose (invented) answers fill the example data sets, "
      "and to everyone who reported a fault so that it could be mended.\n\n"
      "The statistics follow the classical test theory found in every textbook on "
      "educational measurement: item difficulty and discrimination, point-biserial and "
      "biserial correlations, KR-20 and KR-21, the standard error of measurement and the "
      "Spearman-Brown prophecy.");
}

QString whats_new_text() {
  return QStringLiteral(
      "What's New in version 6:\n\n"
      "- Input files keep the grading scale, the alternative correct answers and the table "
      "of specifications with the data.\n"
      "- Table of specifications: up to six content areas and six cognitive levels, with "
      "ready-made sets of level names.\n"
      "- Partial-credit points and multiple-choice items worth more than one point.\n"
      "- Conversion of the data to right-wrong form, to letters or to numbers, and back.\n"
      "- Comma-delimited exports of the data and of the item statistics.\n"
      "- Individual grade reports for every examinee.\n"
      "- Bar charts and a histogram of the scores and grades.\n"
      "- A data generator for trying the program on simulated tests.\n"
      "- Input files of versions 3, 4 and 5 can be imported.");
}

QString code_help_text() {
  return QStringLiteral(
      "ANSWER KEY codes (one character per item):\n"
      "  1 to 8, or the letters A to H (a to h) = the correct option\n"
      "  T (t) and F (f) = options 1 and 2 of a two-option (true-false) item\n"
      "  0 = a correct answer coded as zero\n"
      "  9 = All Answers are CORRECT (every examinee gets the item right, even when the "
      "answer is missing)\n\n"
      "OPTIONS codes (one digit per item):\n"
      "  the number of options of the item, 1 to the maximum number of options (5 or 8, "
      "see the Options menu of the Data Editor)\n\n"
      "INCLUDE codes (one character per item):\n"
      "  Y (y) or a blank = the item is included in the analysis\n"
      "  N (or any other character) = the item is excluded from the analysis\n"
      "  A (a) = the item is included and has alternative correct answers; set them with "
      "\"Set Alternative Correct Answers...\" in the Options menu of the Data Editor\n\n"
      "An empty OPTIONS line is read as 5 options for every item, and an empty INCLUDE line "
      "as Y for every item.");
}

QString text_insert_help_text() {
  return QStringLiteral(
      "Data can be inserted into the Data Editor from a plain text file.\n\n"
      "\"Insert Text File into Data Window\" (Data menu) replaces the data window with every "
      "line of the file; the number of lines read goes into # Students.\n\n"
      "\"Insert Data & Answer Key from Text File\" (Data menu, or \"Insert a TEXT file\" in "
      "the main window) takes the answer key from the first line of the file (everything from "
      "its first digit on, so a caption before the key is dropped) and the examinees from "
      "the lines after it.\n\n"
      "Each examinee line holds the name or ID in a fixed number of columns, then one "
      "character per item. Fill in # Test Items, the length of the names and the options "
      "before you analyse.\n\n"
      "A statistics package can write such a file; the syntax below is a sample. Print or "
      "save it and change it to fit your own variables.");
}

}  // namespace jrv::ui
