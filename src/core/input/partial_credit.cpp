#include "core/input/partial_credit.h"

#include "core/input/editor_messages.h"
#include "core/text/convert.h"
#include "core/text/encoding.h"
#include "core/text/format.h"

namespace jrv {

namespace {

constexpr int kMaxTotalPoints = 999;

int digit_or_zero(char c) {
  return c >= '0' && c <= '9' ? c - '0' : 0;
}

}  // namespace

void open_partial_credit(PartialCreditFields& window, const Workspace& ws) {
  window.pc_points = int_str(ws.pc_points);
  window.mc_points = general(ws.mc_points);
}

void partial_credit_defaults(PartialCreditFields& window) {
  window.mc_points = "1";
  window.pc_points = "0";
}

CheckResult confirm_partial_credit(EditorDocument& doc, Workspace& ws) {
  CheckResult r;
  // The item count as typed: the editor may hold a test that has not been checked yet.
  const int n = parse_int(doc.editor.items).value_or(ws.num_items);

  if (n > kMaxPartialCreditItems) {
    r.inform("Partial Credit can only be given if Number of Items is less than 99.");
  } else {
    ws.pc_enabled = true;
    const auto typed = parse_int(doc.partial_credit.pc_points);
    int points = 0;
    if (!typed || *typed < 0) {
      r.inform("Number of Partial Credit points must be a whole number -- it was set to 0");
    } else {
      points = *typed;
    }
    std::string digits;
    if (points == 0) {
      r.inform(
          "You have set the Number of Partial Credit points equal to Zero -- any points at the "
          "end of the data will be treated as extra credit.");
      digits = "00";
    } else if (points < 10) {
      digits = "0" + int_str(points);
    } else if (points >= 100) {
      r.inform(
          "Number of Partial Credit points must be less than 100 -- it was set to 0.  You will "
          "need to put the appropriate value in place of the 00 at the end of the OPTIONS line.");
      points = 0;
      digits = "00";
    } else {
      digits = int_str(points);
    }
    ws.pc_points = points;

    auto& options = doc.editor.options;
    const auto items = static_cast<std::size_t>(n < 0 ? 0 : n);
    const std::size_t columns = char_count(options);
    if (columns == items) {
      options += digits;
    } else if (columns == items + 2) {
      options = std::string(cut_chars(options, items)) + digits;
    } else {
      r.inform(
          "Please be sure that the correct number of Partial Credit points is at the end of the "
          "OPTIONS line (after the last item number) -- you set a total of " +
          digits + " points.");
    }
    r.set_focus("txt_options");
  }

  const auto mc = parse_double(doc.partial_credit.mc_points);
  if (!mc) {
    ws.mc_points = 1.0;
    r.inform("Multiple Choice Items must be worth something...so MC points were set to 1");
  } else if (*mc < 0) {
    ws.mc_points = 1.0;
    r.inform("Because you entered a negative value...MC points were set to 1");
  } else {
    ws.mc_points = *mc;
  }
  if (static_cast<double>(n) * ws.mc_points + ws.pc_points > kMaxTotalPoints) {
    ws.mc_points = 1.0;
    r.inform("Total Points cannot exceed 999...so MC points were set to 1");
  }
  return r;
}

CheckResult turn_off_partial_credit(Workspace& ws) {
  ws.mc_points = 1.0;
  ws.pc_enabled = false;
  CheckResult r;
  r.inform(
      "Turning off the Partial Credit options does not change your data.\r\n\r\n"
      "You may need to edit your OPTIONS line -- be sure that the last Number of Options lines "
      "up under the last item number.\r\n\r\n"
      "You may also need to edit your Examinee Data -- be sure that your data end under the "
      "last item number.\r\n\r\n"
      "(Note that you do not really need to change your data or the OPTIONS line -- the "
      "program only goes to the # of items, so anything beyond that is ignored).");
  return r;
}

void complete_pc_options_line(std::string& options, int item_count, CheckResult& result) {
  const auto n = static_cast<std::size_t>(item_count);
  const std::size_t columns = char_count(options);
  if (columns > n + 2) {
    result.inform(msg::kOptionsExtraBlanks);
  } else if (columns == n + 1) {
    options.insert(char_offset(options, n), "0");
  } else if (columns == n) {
    options += "00";
  }
}

int pc_points_of_options_line(const std::string& options, int item_count) {
  const auto n = static_cast<std::size_t>(item_count);
  if (char_count(options) <= n) return 0;
  const auto v = parse_int(sub_chars(options, n, 2));
  return v && *v >= 0 ? *v : 0;
}

std::optional<int> case_pc_points_of_line(const std::string& line, int label_length,
                                          int item_count) {
  const auto end = static_cast<std::size_t>(label_length + item_count);
  const std::string points = one_byte_per_char(sub_chars(line, end));
  if (points.size() > 2) return std::nullopt;
  char tens = '0', units = '0';
  if (points.size() == 2) {
    tens = points[0];
    units = points[1];
  } else if (points.size() == 1) {
    units = points[0];
  }
  return digit_or_zero(tens) * 10 + digit_or_zero(units);
}

}  // namespace jrv
