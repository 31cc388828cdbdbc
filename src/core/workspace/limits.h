#pragma once
// Fixed sizes of the tables; every input path checks them.

namespace jrv {

inline constexpr int kMaxCasesStart = 9999;     // start value of max_cases
inline constexpr int kMaxItems = 100;           // size of the item table
inline constexpr int kMaxLabelPlusItems = 105;  // label_length + num_items
inline constexpr int kMaxOptionsStart = 8;      // start value of max_options (5 or 8)
inline constexpr int kAnswerSlots = 9;          // accepted answers per item
inline constexpr int kMaxPartialCreditItems = 98;
inline constexpr int kMaxGradeCategories = 13;
inline constexpr int kOptionSlots = 8;  // option tallies per item
inline constexpr int kMaxTitleLength = 70;
inline constexpr int kMaxSpecAreas = 6;  // content areas, cognitive levels
inline constexpr int kMaxSpecNameLength = 50;

}  // namespace jrv
