#include "ui/busy.h"

namespace ui {

BusyBracket::BusyBracket(Control& target) : target_(target) {
  desktop().SetMousePointer(kHourglass);
  target_.SetEnabled(false);
  Control::BusyBegins(target_);
}

BusyBracket::~BusyBracket() {
  if (!ended_) Restore(false);
}

void BusyBracket::End() {
  if (ended_) return;
  desktop().DoEvents();
  Restore(true);
}

void BusyBracket::Restore(bool give_focus) {
  ended_ = true;
  desktop().SetMousePointer(kDefaultPointer);
  target_.SetEnabled(true);
  Control::BusyEnds(target_, give_focus);
}

}  // namespace ui
