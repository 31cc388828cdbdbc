#pragma once
// What a check hands back to a window: the user messages in the order they are shown,
// the control to focus (its objectName, empty for none), and whether the check failed.

#include <string>
#include <utility>
#include <vector>

namespace jrv {

struct CheckResult {
  bool failed = false;
  std::vector<std::string> messages;
  std::string focus;

  // A message that stops the action and puts the focus on `field`.
  void fail(std::string message, std::string field = {}) {
    failed = true;
    messages.push_back(std::move(message));
    if (!field.empty()) focus = std::move(field);
  }
  // A message that informs and lets the action go on.
  void inform(std::string message) { messages.push_back(std::move(message)); }
  // Focus without a failure (for example after an informational message).
  void set_focus(std::string field) { focus = std::move(field); }

  bool ok() const { return !failed; }
};

}  // namespace jrv
