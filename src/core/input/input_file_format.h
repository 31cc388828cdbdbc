#pragma once
// The labels of the version-6 input file. Every label is 16 characters, so a value always
// starts at column 17; reader and writer share these so that they agree line for line.

#include <string_view>

namespace jrv::jrv_file {

inline constexpr std::string_view kVersionMarker = "JRV: Orvandel (version 6)";

inline constexpr std::string_view kTitle = "Title         = ";
inline constexpr std::string_view kComments = "Comments      = ";
inline constexpr std::string_view kExaminees = "# Examinees   = ";
inline constexpr std::string_view kItems = "# Items       = ";
inline constexpr std::string_view kMissingData = "Missing Data  = ";
inline constexpr std::string_view kNotReached = "Not reached   = x";
inline constexpr std::string_view kLabelLength = "Label Length  = ";
inline constexpr std::string_view kAnswerKey = "Answer Key    = ";
inline constexpr std::string_view kOptions = "# Options     = ";
inline constexpr std::string_view kInclude = "Item Analyzed = ";
inline constexpr std::string_view kHighGroup = "High Group D% = ";
inline constexpr std::string_view kLowGroup = "Low Group D%  = ";
inline constexpr std::string_view kPartialCredit = "Partial Credit= ";
inline constexpr std::string_view kMcPoints = "MC Points     = ";
inline constexpr std::string_view kNo = "NO";
inline constexpr std::string_view kGrades = "# Grades      = ";
inline constexpr std::string_view kGradeValue = "          = ";  // after the 4-character label
inline constexpr std::string_view kLastGrade = "   ";            // after the last label
inline constexpr std::string_view kAlternatives = "#Alternatives = ";
inline constexpr std::string_view kAltItem = "Item #        = ";
inline constexpr std::string_view kAltCells = "Alternatives  = ";
inline constexpr std::string_view kContentAreas = "#Content Areas= ";
inline constexpr std::string_view kContentArea = "Content Area ";  // + i + "= "
inline constexpr std::string_view kCognitives = "#Cognitives   = ";
inline constexpr std::string_view kCognitive = "Cognitive Lvl";  // + i + "= "

// Column (0-based) of alternative cell j = 1..9 on its line: 17, 19, ..., 33 counted from 1.
constexpr std::size_t alt_cell_column(int j) {
  return 14 + 2 * static_cast<std::size_t>(j);
}

}  // namespace jrv::jrv_file
