#include <stdexcept>

#include "ui/controls.h"

namespace ui {

Label::Label(Form& form, std::string name, std::string caption)
    : Control(&form, std::move(name), Kind::Label), caption_(std::move(caption)) {}

void Label::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Notify("Caption");
}

PropertyList Label::Properties() const {
  PropertyList list = Control::Properties();
  list.emplace_back("Caption", caption_);
  return list;
}

CheckBox::CheckBox(Form& form, std::string name, std::string caption)
    : Control(&form, std::move(name), Kind::CheckBox), caption_(std::move(caption)) {}

void CheckBox::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Notify("Caption");
}

void CheckBox::SetValue(int value) {
  if (value < 0 || value > 2) {
    throw std::invalid_argument(Name() + ".Value: " + std::to_string(value) + " is not 0, 1 or 2");
  }
  if (value == value_) return;
  value_ = value;
  Notify("Value");
  Raise("Click", OnClick);
}

void CheckBox::UserClick() {
  if (!AcceptsInput()) return;
  SetValue(value_ == 1 ? 0 : 1);
}

PropertyList CheckBox::Properties() const {
  PropertyList list = Control::Properties();
  list.emplace_back("Caption", caption_);
  list.emplace_back("Value", value_);
  return list;
}

CommandButton::CommandButton(Form& form, std::string name, std::string caption)
    : Control(&form, std::move(name), Kind::CommandButton), caption_(std::move(caption)) {}

void CommandButton::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Notify("Caption");
}

void CommandButton::UserClick() {
  if (!AcceptsInput()) return;
  Raise("Click", OnClick);
}

PropertyList CommandButton::Properties() const {
  PropertyList list = Control::Properties();
  list.emplace_back("Caption", caption_);
  return list;
}

Frame::Frame(Form& form, std::string name, std::string caption)
    : Control(&form, std::move(name), Kind::Frame), caption_(std::move(caption)) {}

void Frame::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Notify("Caption");
}

PropertyList Frame::Properties() const {
  PropertyList list = Control::Properties();
  list.emplace_back("Caption", caption_);
  return list;
}

Line::Line(Form& form, std::string name, int x1, int y1, int x2, int y2)
    : Control(&form, std::move(name), Kind::Line), x1_(x1), y1_(y1), x2_(x2), y2_(y2) {}

void Line::SetPoints(int x1, int y1, int x2, int y2) {
  x1_ = x1;
  y1_ = y1;
  x2_ = x2;
  y2_ = y2;
  Notify("Geometry");
}

PropertyList Line::Properties() const {
  PropertyList list = Control::Properties();
  list.emplace_back("X1", x1_);
  list.emplace_back("Y1", y1_);
  list.emplace_back("X2", x2_);
  list.emplace_back("Y2", y2_);
  return list;
}

Menu::Menu(Form& form, std::string name, std::string caption)
    : Control(&form, std::move(name), Kind::Menu), caption_(std::move(caption)) {
  SetVisible(false);  // a pop-up menu never shows in a menu bar
}

void Menu::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Notify("Caption");
}

void Menu::AddEntry(Menu& entry) {
  entries_.push_back(&entry);
  entry.SetContainer(this);
  entry.SetVisible(true);  // hidden is for the menu bar; an entry shows in its menu
}

void Menu::UserChoose() {
  if (!Enabled() || (Container() && !Container()->Enabled())) return;
  Raise("Click", OnClick);
}

PropertyList Menu::Properties() const {
  PropertyList list = Control::Properties();
  list.emplace_back("Caption", caption_);
  return list;
}

}  // namespace ui
