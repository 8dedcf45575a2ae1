#include <algorithm>

#include "ui/controls.h"

namespace ui {

VScrollBar::VScrollBar(Form& form, std::string name)
    : Control(&form, std::move(name), Kind::VScrollBar) {}

int VScrollBar::Clamp(int value) const {
  return std::clamp(value, std::min(min_, max_), std::max(min_, max_));
}

void VScrollBar::MoveValue(int value, bool raise_change) {
  value = Clamp(value);
  if (value == value_) return;
  value_ = value;
  Notify("Value");
  if (raise_change) Raise("Change", OnChange);
}

void VScrollBar::SetMin(int min) {
  min_ = min;
  Notify("Range");
  MoveValue(value_, true);
}

void VScrollBar::SetMax(int max) {
  max_ = max;
  Notify("Range");
  MoveValue(value_, true);
}

void VScrollBar::SetValue(int value) { MoveValue(value, true); }

void VScrollBar::UserArrow(bool down) {
  if (!AcceptsInput()) return;
  MoveValue(value_ + (down ? small_change_ : -small_change_), true);
}

void VScrollBar::UserPage(bool down) {
  if (!AcceptsInput()) return;
  MoveValue(value_ + (down ? large_change_ : -large_change_), true);
}

void VScrollBar::UserDrag(int value) {
  if (!AcceptsInput()) return;
  if (!dragging_) {
    dragging_ = true;
    drag_start_ = value_;
  }
  int before = value_;
  MoveValue(value, false);
  if (value_ != before) Raise("Scroll", OnScroll);
}

void VScrollBar::UserRelease() {
  if (!dragging_) return;
  dragging_ = false;
  if (value_ != drag_start_) Raise("Change", OnChange);
}

void VScrollBar::UserWheel(int lines) {
  if (!AcceptsInput()) return;
  MoveValue(value_ + lines * small_change_, true);
}

PropertyList VScrollBar::Properties() const {
  PropertyList list = Control::Properties();
  list.emplace_back("Min", min_);
  list.emplace_back("Max", max_);
  list.emplace_back("Value", value_);
  list.emplace_back("SmallChange", small_change_);
  list.emplace_back("LargeChange", large_change_);
  return list;
}

}  // namespace ui
