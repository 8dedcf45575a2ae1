#include "ui/control.h"

#include <algorithm>
#include <iostream>
#include <utility>

#include "ui/form.h"

namespace ui {
namespace {
Control* focused = nullptr;
// The controls that busy brackets hold disabled, and the focus asked for meanwhile.
std::vector<Control*> busy_targets;
Control* deferred_focus = nullptr;
}  // namespace

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
  if (deferred_focus == this) deferred_focus = nullptr;
  std::erase(busy_targets, this);
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

bool Control::AcceptsInput() const { return InputAllowed(nullptr); }

bool Control::InputAllowed(const std::vector<Control*>* excused) const {
  const auto counts = [excused](const Control* c) {
    return !excused || std::find(excused->begin(), excused->end(), c) == excused->end();
  };
  for (const Control* c = this; c; c = c->container_) {
    if (!c->visible_ || (!c->enabled_ && counts(c))) return false;
  }
  if (form_) return form_->InputAllowed(excused);
  const Form* top = Form::TopModal();
  return top == nullptr || top == this;
}

void Control::SetLeft(int twips) { Move(twips, top_, width_, height_); }
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
  if (focused == this) return;
  if (!AcceptsInput()) {
    if (!busy_targets.empty() && InputAllowed(&busy_targets)) deferred_focus = this;
    return;
  }
  deferred_focus = nullptr;
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

void Control::BusyBegins(Control& target) { busy_targets.push_back(&target); }

void Control::BusyEnds(Control& target, bool give_focus) {
  const auto it = std::find(busy_targets.begin(), busy_targets.end(), &target);
  if (it != busy_targets.end()) busy_targets.erase(it);
  if (!give_focus) {
    if (busy_targets.empty()) deferred_focus = nullptr;
    return;
  }
  if (deferred_focus && deferred_focus->AcceptsInput()) {
    std::exchange(deferred_focus, nullptr)->SetFocus();
  }
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

void Control::ReportEventError(const char* event, const std::exception& error) const {
  const std::string notice = NoticeOf(error);
  if (notice.empty()) return ReportEventError(event, error.what());
  try {
    desktop().MessageBox(notice, kExclamation, "");
  } catch (const ScriptFailure&) {
    throw;  // a box the script did not prepare for: the test stops at this step
  } catch (...) {
    std::cerr << "error in " << name_ << "_" << event << ": " << error.what() << '\n';
  }
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
