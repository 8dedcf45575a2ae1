#include "ui/busy.h"

namespace ui {

BusyBracket::BusyBracket(Control& target) : target_(target) {
  desktop().SetMousePointer(kHourglass);
  target_.SetEnabled(false);
}

BusyBracket::~BusyBracket() {
  if (!ended_) Restore();
}

void BusyBracket::End() {
  if (ended_) return;
  desktop().DoEvents();
  Restore();
}

void BusyBracket::Restore() {
  ended_ = true;
  desktop().SetMousePointer(kDefaultPointer);
  target_.SetEnabled(true);
}

}  // namespace ui
