#pragma once
// A form for toolkit tests with a log of the events its controls raise, in order.

#include <string>
#include <utility>
#include <vector>

#include "ui/controls.h"
#include "ui/form.h"

namespace ui_test {

class LoggedForm : public ui::Form {
 public:
  LoggedForm() : ui::Form("Frm_Test", "Test") {}

  std::vector<std::string> log;
  // Handler that appends `entry` to the log.
  auto Logs(std::string entry) {
    return [this, entry] { log.push_back(entry); };
  }
  void LogFocus(ui::Control& c) {
    c.OnGotFocus = Logs(c.Name() + ".GotFocus");
    c.OnLostFocus = Logs(c.Name() + ".LostFocus");
  }
  std::vector<std::string> TakeLog() { return std::exchange(log, {}); }
};

}  // namespace ui_test
