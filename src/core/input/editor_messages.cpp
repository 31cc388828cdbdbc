#include "core/input/editor_messages.h"

#include "core/text/format.h"
#include "core/workspace/limits.h"

namespace jrv::msg {

namespace {

std::string key_range(int max_options) {
  return "All ANSWER KEY values should be single digit integers between 1 and " +
         int_str(max_options);
}

constexpr const char* kLetterNote =
    " (or the letter equivalents: A-E or A-H).  You can change the Maximum # Options to either "
    "5 (default) or 8 in the Options Menu.";

}  // namespace

std::string cases_out_of_range(int max_cases) {
  return "Number of Examinees must be between 1 and " + int_str(max_cases);
}

std::string items_out_of_range() {
  return "Number of Items must be between 1 and " + int_str(kMaxItems);
}

std::string label_plus_items(int item_count) {
  return "Length of Examinee ID Label plus data must be less than 105 -- maximum label length "
         "here must be < " +
         int_str(kMaxLabelPlusItems - item_count);
}

std::string option_value(int item, int max_options) {
  return "Check Item #" + int_str(item) +
         ". All # OPTIONS values should be single digit integers between 1 and " +
         int_str(max_options) +
         " (you may want to change the Maximum Number of Options in the Options Menu)";
}

std::string keys_not_answers(const std::vector<std::pair<int, char>>& items) {
  std::string text;
  for (const auto& [item, c] : items) {
    if (!text.empty()) text += "\r\n";
    text += "Item " + int_str(item) + ": key \"" + std::string(1, c) +
            "\" is not an answer; every examinee gets this item right";
  }
  return text;
}

std::string key_not_converted(int item, int max_options) {
  return "Check Item #" + int_str(item) + ". " + key_range(max_options) + kLetterNote;
}

std::string key_above_max_first(int item, int max_options) {
  return key_range(max_options) + kLetterNote + " Check Item #" + int_str(item) + ". ";
}

std::string key_above_max_second(int item, int max_options) {
  return alt_key_value(item, max_options);
}

std::string alt_key_value(int item, int max_options) {
  return "Check Item #" + int_str(item) + ". " + key_range(max_options) +
         " (you may want to change the Maximum # Options in the Options Menu)";
}

std::string alt_out_of_range(int item) {
  return "One of your alternative correct answers is not a value between 1 and the number of "
         "options for that item -- check item #" +
         int_str(item);
}

std::string blank_line(int previous_case, const std::string& previous_label) {
  return "You may have a blank line in your data, therefore JRV cannot run --- Check the case "
         "following case #" +
         int_str(previous_case) + ", " + previous_label;
}

std::string missing_data(int case_number, const std::string& label) {
  return "You may have a case that is missing data --- even for missing data you must enter "
         "something, perhaps a period (.) --- Check case #" +
         int_str(case_number) + ", " + label;
}

std::string pc_extra_blanks(const std::string& label) {
  return "You may have some extra blank spaces after your Partial Credit data (see case # " +
         label + ").  Check and remove blanks, if necessary.";
}

std::string right_wrong_options(int item) {
  return "For Right-Wrong data, the number of options must be less than or equal to 2 (see "
         "Item #" +
         int_str(item) + ", and maybe others)";
}

}  // namespace jrv::msg
