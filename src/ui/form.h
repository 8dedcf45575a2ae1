#pragma once
// A window: a named container of controls, declared as a C++ class whose members are
// its controls. Load raises Load; Unload raises Unload with Cancel by reference and
// leaves the form loaded when a handler cancels. The control's own surface, the
// UserControl, is a Form of its own kind, shown inside the host's window.

#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

// The kinds of control that take the focus and input (in the tab order, named for screen
// readers): text and combo boxes, lists, check boxes, buttons and scroll bars.
bool TakesFocus(Kind kind);

class Form : public Control {
 public:
  explicit Form(std::string name, std::string caption = "", Kind kind = Kind::Form);
  ~Form() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  int MousePointer() const { return mouse_pointer_; }
  void SetMousePointer(int pointer);

  bool Loaded() const { return loaded_; }
  // Raises Load once (a loaded form is not loaded again).
  void Load();
  // Raises Unload(Cancel); unloads unless cancelled. Returns true when unloaded.
  bool Unload();
  // The window's close box: the same as Unload, as the user asks it.
  bool UserClose() { return Unload(); }
  // Shows the form modally through the desktop (loading it first if needed) and returns
  // once it has unloaded. While it is shown it is on top of ModalStack(): only its
  // controls take input, and it takes the focus, first in tab order, as a window does when
  // it opens; the focus of the window below comes back, without events, when it closes.
  void ShowModal();
  // The forms shown modally right now, innermost (the one taking input) last.
  static const std::vector<Form*>& ModalStack();
  // The innermost modal form, or nullptr when none is shown.
  static Form* TopModal();

  // The controls that can take the focus (text, combo and list boxes, check boxes,
  // buttons, scroll bars), by TabIndex and then in declaration order.
  std::vector<Control*> TabOrder() const;

  std::function<void()> OnLoad;
  std::function<void(bool& cancel)> OnUnload;
  // Told when the form has unloaded (renderers close their window).
  std::function<void()> OnUnloaded;

  // Controls in declaration order; Find by name (nullptr when none).
  const std::vector<Control*>& Controls() const { return controls_; }
  Control* Find(std::string_view name) const;

  PropertyList Properties() const override;

 private:
  friend class Control;
  void Register(Control* control) { controls_.push_back(control); }
  void Forget(Control* control);
  // A control is going away: no modal entry may give the focus back to it.
  static void ForgetSavedFocus(const Control* control);
  void FocusFirst();

  std::string caption_;
  int mouse_pointer_ = kDefaultPointer;
  bool loaded_ = false;
  std::vector<Control*> controls_;
};

class UserControl : public Form {
 public:
  explicit UserControl(std::string name) : Form(std::move(name), "", Kind::UserControl) {}
};

}  // namespace ui
