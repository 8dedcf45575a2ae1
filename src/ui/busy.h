#pragma once
// The busy bracket of the screens: hourglass pointer and a control or window disabled
// while work runs. End() processes pending events once and restores; the destructor
// restores on every other path (an error included), so a screen never stays disabled
// under an hourglass. A control given the focus while the bracket holds it disabled gets
// it at End() (Control::SetFocus).

#include "ui/control.h"

namespace ui {

class BusyBracket {
 public:
  explicit BusyBracket(Control& target);
  ~BusyBracket();
  BusyBracket(const BusyBracket&) = delete;
  BusyBracket& operator=(const BusyBracket&) = delete;

  // Pending events processed once, pointer back to default, target enabled again.
  void End();

 private:
  void Restore(bool give_focus);
  Control& target_;
  bool ended_ = false;
};

}  // namespace ui
