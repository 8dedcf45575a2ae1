#include "ui/control.h"

#include <iostream>

#include "ui/form.h"

namespace ui {
namespace {
Control* focused = nullptr;
}

std::string_view KindName(Kind kind) {
  switch (kind) {
    case Kind::Label:
      return "Label";
    case Kind::TextBox:
      return "TextBox";
    case Kind::ComboBox:
      return "ComboBox";
    case Kind::ListBox:
      return "ListBox";
    case Kind::CheckBox:
      return "CheckBox";
    case Kind::CommandButton:
      return "CommandButton";
    case Kind::Frame:
      return "Frame";
    case Kind::Line:
      return "Line";
    case Kind::VScrollBar:
      return "VScrollBar";
    case Kind::Menu:
      return "Menu";
    case Kind::Form:
      return "Form";
    case Kind::UserControl:
      return "UserControl";
  }
  return "Control";
}

Control::Control(Form* form, std::string name, Kind kind)
    : form_(form), name_(std::move(name)), kind_(kind) {
  if (form_) form_->Register(this);
}

Control::~Control() {
  if (observer_) observer_->PropertyChanged("Destroyed");
  if (focused == this) focused = nullptr;
  Form::ForgetSavedFocus(this);
  if (form_) form_->Forget(this);
}

void Control::SetContainer(Control* frame) { container_ = frame; }

void Control::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Notify("Enabled");
}

void Control::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Notify("Visible");
}

bool Control::AcceptsInput() const {
  for (const Control* c = this; c; c = c->container_) {
    if (!c->enabled_ || !c->visible_) return false;
  }
  if (form_) return form_->AcceptsInput();
  const Form* top = Form::TopModal();
  return top == nullptr || top == this;
}

void Control::SetLeft(int twips) { Move(twips, top_, width_, height_); }
void Control::SetTop(int twips) { Move(left_, twips, width_, height_); }
void Control::SetWidth(int twips) { Move(left_, top_, twips, height_); }
void Control::SetHeight(int twips) { Move(left_, top_, width_, twips); }

void Control::Move(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Notify("Geometry");
}

void Control::SetFont(Font font) {
  font_ = std::move(font);
  Notify("Font");
}

void Control::SetTabIndex(int index) {
  if (index == tab_index_) return;
  tab_index_ = index;
  Notify("TabIndex");
}
void Control::SetHelpContextID(int id) { help_context_ = id; }

void Control::SetFocus() {
  if (focused == this || !AcceptsInput()) return;
  if (Control* previous = focused) {
    focused = nullptr;
    previous->Notify("Focus");
    previous->Raise("LostFocus", previous->OnLostFocus);
    if (focused || !AcceptsInput()) return;
  }
  focused = this;
  Notify("Focus");
  Raise("GotFocus", OnGotFocus);
}

bool Control::HasFocus() const { return focused == this; }
Control* Control::Focused() { return focused; }

void Control::ClearFocus() {
  Control* previous = focused;
  focused = nullptr;
  if (previous) previous->Notify("Focus");
}

void Control::RestoreFocus(Control* control) {
  ClearFocus();
  focused = control;
  if (control) control->Notify("Focus");
}

void Control::UserMouseDown(int button, int shift, int x, int y) {
  if (!AcceptsInput()) return;
  Raise("MouseDown", OnMouseDown, button, shift, x, y);
}

void Control::UserHelpKey() {
  if (!AcceptsInput()) return;
  int context = 0;
  for (const Control* c = this; c && context == 0; c = c->container_) context = c->help_context_;
  if (context == 0 && form_) context = form_->HelpContextID();
  if (context != 0) desktop().Help(0, HelpFile(), kHelpContext, context);
}

PropertyList Control::Properties() const {
  return {{"Name", name_},
          {"Kind", std::string(KindName(kind_))},
          {"Enabled", enabled_},
          {"Visible", visible_},
          {"Left", left_},
          {"Top", top_},
          {"Width", width_},
          {"Height", height_},
          {"FontName", font_.family},
          {"FontSize", static_cast<int>(font_.size * 100 + 0.5)},
          {"FontBold", font_.bold},
          {"TabIndex", tab_index_},
          {"HelpContextID", help_context_},
          {"Focus", HasFocus()}};
}

bool Control::GetProperty(std::string_view name, PropertyValue& value) const {
  for (auto& [key, v] : Properties()) {
    if (key == name) {
      value = v;
      return true;
    }
  }
  return false;
}

void Control::Notify(const std::string& property) const {
  if (observer_) observer_->PropertyChanged(property);
}

void Control::ReportEventError(const char* event, const std::string& message) const {
  // The host's handler is the last stop: what it fails on still must not leave the toolkit.
  try {
    desktop().ReportError(name_ + "_" + event, message);
  } catch (...) {
    std::cerr << "error in " << name_ << "_" << event << ": " << message << '\n';
  }
}

}  // namespace ui
