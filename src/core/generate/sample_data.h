#pragma once
// The invented data of the built-in examples, as the editor would hold them.

#include <span>
#include <string_view>

namespace jrv::sample_data {

// Sample Data Set #1: 23 examinees, 20-character names, 49 items.
extern const std::string_view kSample1Key;
extern const std::string_view kSample1Options;
extern const std::string_view kSample1Include;
extern const std::span<const char* const> kSample1Lines;

// The same answers as set #1 written with mixed codes (digits, letters of either case,
// T/t/F/f on the two-option items) and blanks where set #1 has them.
extern const std::string_view kMixedKey;
extern const std::span<const char* const> kMixedLines;

// Sample Data Set #2: 17 examinees, 15-character names, 65 items.
extern const std::string_view kSample2Key;
extern const std::string_view kSample2Options;
extern const std::span<const char* const> kSample2Lines;

// Sample Data Set #3: 50 examinees, 22-character names, 46 four-option items.
extern const std::string_view kSample3Key;
extern const std::span<const char* const> kSample3Lines;

// The 15 students of the small example: 1 right, 0 wrong, 20 items each.
extern const std::span<const char* const> kStudentPattern;

}  // namespace jrv::sample_data
