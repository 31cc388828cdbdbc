#pragma once
// Grades back to a gradebook: one row per examinee in input order, as a CSV file that any
// spreadsheet program opens, and the results as one workbook (examinees, item statistics,
// option counts) with numbers stored as numbers. When the roster an import wrote sits
// beside the test, its columns (the uncut names) lead each row, so grades can be matched
// back to the class list.

#include <filesystem>
#include <optional>

#include "core/export/csv_file.h"
#include "core/workspace/workspace.h"

namespace jrv {

// "<folder>/<stem>_roster.csv" beside a test file.
std::filesystem::path roster_path_for(const std::filesystem::path& test_path);

// The roster's rows (heading first), or nothing when there is no readable roster.
std::optional<CsvRows> read_roster(const std::filesystem::path& path);

// Heading and one row per examinee: the roster's columns (only when it has one row per
// examinee), label, raw score, percent,
// letter grade (empty without a grade scale), and with partial credit the total score and
// total grade. Needs an analysis.
CsvRows gradebook_rows(const Workspace& ws, const std::optional<CsvRows>& roster);

// Writes "<base>_gradebook.csv" style files; throws FileError (the target unchanged).
void save_gradebook(const Workspace& ws, const std::filesystem::path& path,
                    const std::optional<CsvRows>& roster);

// The workbook: sheets "Examinees" (the gradebook's rows), "Item Statistics" (the item
// statistics file's columns) and "Option Counts". Puts the item table into item order.
// Throws FileError (the target unchanged).
void save_results_workbook(Workspace& ws, const std::filesystem::path& path,
                           const std::optional<CsvRows>& roster);

}  // namespace jrv
