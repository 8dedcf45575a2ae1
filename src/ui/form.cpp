#include "ui/form.h"

#include <algorithm>

namespace ui {

Form::Form(std::string name, std::string caption, Kind kind)
    : Control(nullptr, std::move(name), kind), caption_(std::move(caption)) {}

Form::~Form() = default;

void Form::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Notify("Caption");
}

void Form::SetMousePointer(int pointer) {
  mouse_pointer_ = pointer;
  Notify("MousePointer");
}

void Form::Load() {
  if (loaded_) return;
  loaded_ = true;
  Raise("Load", OnLoad);
}

bool Form::Unload() {
  if (!loaded_) return true;
  bool cancel = false;
  Raise("Unload", OnUnload, cancel);
  if (cancel) return false;
  loaded_ = false;
  Control* focus = Control::Focused();
  if (focus && (focus == this || focus->form() == this)) Control::ClearFocus();
  if (OnUnloaded) OnUnloaded();
  return true;
}

void Form::ShowModal() {
  Load();
  if (loaded_) desktop().ShowModal(*this);
}

Control* Form::Find(std::string_view name) const {
  if (name == Name()) return const_cast<Form*>(this);
  for (Control* c : controls_) {
    if (c->Name() == name) return c;
  }
  return nullptr;
}

void Form::Forget(Control* control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
}

PropertyList Form::Properties() const {
  PropertyList list = Control::Properties();
  list.emplace_back("Caption", caption_);
  list.emplace_back("MousePointer", mouse_pointer_);
  list.emplace_back("Loaded", loaded_);
  return list;
}

}  // namespace ui
