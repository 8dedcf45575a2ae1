#include "ui/form.h"

#include <algorithm>

namespace ui {
namespace {

// Parallel stacks: the modal forms, and the focus each one took from the window below.
std::vector<Form*> modal_forms;
std::vector<Control*> saved_focus;


// Keeps a form on the modal stack for the time it is shown, on every path.
class ModalEntry {
 public:
  explicit ModalEntry(Form& form) : form_(form) {
    modal_forms.push_back(&form);
    saved_focus.push_back(Control::Focused());
    Control::ClearFocus();
  }
  ~ModalEntry() {
    for (std::size_t i = modal_forms.size(); i-- > 0;) {
      if (modal_forms[i] != &form_) continue;
      Control* back = saved_focus[i];
      modal_forms.erase(modal_forms.begin() + static_cast<std::ptrdiff_t>(i));
      saved_focus.erase(saved_focus.begin() + static_cast<std::ptrdiff_t>(i));
      if (i == modal_forms.size()) Control::RestoreFocus(back);
      return;
    }
  }
  ModalEntry(const ModalEntry&) = delete;
  ModalEntry& operator=(const ModalEntry&) = delete;

 private:
  Form& form_;
};

}  // namespace

bool TakesFocus(Kind kind) {
  switch (kind) {
    case Kind::TextBox:
    case Kind::ComboBox:
    case Kind::ListBox:
    case Kind::CheckBox:
    case Kind::CommandButton:
    case Kind::VScrollBar:
      return true;
    default:
      return false;
  }
}

Form::Form(std::string name, std::string caption, Kind kind)
    : Control(nullptr, std::move(name), kind), caption_(std::move(caption)) {}

Form::~Form() {
  for (std::size_t i = modal_forms.size(); i-- > 0;) {
    if (modal_forms[i] != this) continue;
    modal_forms.erase(modal_forms.begin() + static_cast<std::ptrdiff_t>(i));
    saved_focus.erase(saved_focus.begin() + static_cast<std::ptrdiff_t>(i));
  }
}

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
  Notify("Loaded");
  Raise("Load", OnLoad);
}

bool Form::Unload() {
  if (!loaded_) return true;
  bool cancel = false;
  Raise("Unload", OnUnload, cancel);
  if (cancel) return false;
  loaded_ = false;
  Notify("Loaded");
  Control* focus = Control::Focused();
  if (focus && (focus == this || focus->form() == this)) Control::ClearFocus();
  if (OnUnloaded) OnUnloaded();
  return true;
}

void Form::ShowModal() {
  Load();
  if (!loaded_) return;
  ModalEntry entry(*this);
  FocusFirst();
  desktop().ShowModal(*this);
}

const std::vector<Form*>& Form::ModalStack() { return modal_forms; }

Form* Form::TopModal() { return modal_forms.empty() ? nullptr : modal_forms.back(); }

void Form::ForgetSavedFocus(const Control* control) {
  for (Control*& c : saved_focus) {
    if (c == control) c = nullptr;
  }
}

std::vector<Control*> Form::TabOrder() const {
  std::vector<Control*> order;
  for (Control* c : controls_) {
    if (TakesFocus(c->kind())) order.push_back(c);
  }
  std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
    return a->TabIndex() < b->TabIndex();
  });
  return order;
}

void Form::FocusFirst() {
  for (Control* c : TabOrder()) {
    if (!c->AcceptsInput()) continue;
    c->SetFocus();
    return;
  }
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
