#pragma once
// The data editor's message texts, shared by its check, its field checks and the side
// windows that repeat the same checks.

#include <string>
#include <utility>
#include <vector>

namespace jrv::msg {

inline constexpr const char* kCasesNotInteger = "Number of Examinees must be an integer";
inline constexpr const char* kItemsNotInteger = "Number of Items must be an integer";
inline constexpr const char* kLabelNotInteger = "Length of Examinee ID Label must be an integer";
inline constexpr const char* kLabelNegative = "Length of Examinee ID Label must be positive value";
inline constexpr const char* kLabelTooLong =
    "Length of Examinee ID Label plus data must be less than 105 (even smaller if you want "
    "any data)";
inline constexpr const char* kNothingIncluded =
    "At least one item must be included in the analysis";
inline constexpr const char* kMoreLines =
    "Number of Data Lines greater than Number of Examinees -- you might also check for blank "
    "lines at the end of the data.";
inline constexpr const char* kFewerLines = "Number of Data Lines less than Number of Examinees";
inline constexpr const char* kOptionsExtraBlanks =
    "You may have some extra blank spaces after your OPTIONS information.  Check and remove "
    "blanks, if necessary.";

inline constexpr const char* kAltNoneFlagged =
    "No items were flagged with an 'A' or 'a' in the INCLUDE line";
inline constexpr const char* kAltNeedOptions =
    "You must provide the number of options for each item before you can indicate items with "
    "alternative correct answers";
inline constexpr const char* kAltNeedKey =
    "You must provide answer key before you can indicate items with alternative correct "
    "answers";
inline constexpr const char* kAltNeedInclude =
    "You must indicate items with alternative correct answers by setting the INCLUDE value for "
    "that item as the letter 'A' or 'a'";

std::string cases_out_of_range(int max_cases);
std::string items_out_of_range();
std::string label_plus_items(int item_count);
std::string option_value(int item, int max_options);
std::string key_not_converted(int item, int max_options);
// One line per item whose key character is no answer (and not "9"), joined by CR LF.
std::string keys_not_answers(const std::vector<std::pair<int, char>>& items);
std::string key_above_max_first(int item, int max_options);
std::string key_above_max_second(int item, int max_options);
std::string alt_key_value(int item, int max_options);
std::string alt_out_of_range(int item);
std::string blank_line(int previous_case, const std::string& previous_label);
std::string missing_data(int case_number, const std::string& label);
std::string pc_extra_blanks(const std::string& label);
std::string right_wrong_options(int item);

}  // namespace jrv::msg
