#pragma once
// The base of every control of the headless window toolkit: name, enabled and visible
// state, geometry in twips, font, tab index, help context, focus and the mouse.
//
// Events are std::function members named On<Event>; a screen wires its handlers to them.
// Every event is raised through Raise(), which catches what a handler lets through and
// hands it to the desktop's ReportError, or shows it as a message box when it is news for
// the user (SetNoticeOfError, desktop.h): an error never leaves the toolkit.
// Methods named User<Action> are the input path (Qt and automation): they do nothing
// when the control does not accept input. Plain setters are what code does.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/desktop.h"
#include "ui/property.h"

namespace ui {

enum class Kind {
  Label,
  TextBox,
  ComboBox,
  ListBox,
  CheckBox,
  CommandButton,
  Frame,
  Line,
  VScrollBar,
  Menu,
  Form,
  UserControl
};
std::string_view KindName(Kind kind);

struct Font {
  std::string family = "MS Sans Serif";
  double size = 8.25;
  bool bold = false;
  friend bool operator==(const Font&, const Font&) = default;
};
inline const Font kFixedFont{"Courier New", 8.25, false};

class Form;

// Told of every property change, so that a renderer can mirror the model; told
// "Destroyed" when the control goes away (it must not be touched after that).
class ControlObserver {
 public:
  virtual ~ControlObserver() = default;
  virtual void PropertyChanged(const std::string& property) = 0;
};

class Control {
 public:
  // Registers the control with its form (nullptr only for a form itself).
  Control(Form* form, std::string name, Kind kind);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  Kind kind() const { return kind_; }
  Form* form() const { return form_; }
  // The frame that contains this control (geometry is relative to it), or nullptr.
  Control* Container() const { return container_; }
  void SetContainer(Control* frame);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // True when this control, its frames and its form are all enabled and visible, and no
  // modal form other than its own is shown over it.
  bool AcceptsInput() const;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int twips);
  void SetWidth(int twips);
  void SetHeight(int twips);
  void Move(int left, int top, int width, int height);

  const Font& font() const { return font_; }
  void SetFont(Font font);
  int TabIndex() const { return tab_index_; }
  void SetTabIndex(int index);
  int HelpContextID() const { return help_context_; }
  void SetHelpContextID(int id);
  // The name screen readers say, where the label before the control or its column heading
  // would not name it alone (see ScreenReaderName in ui/accessible_name.h); "" by default.
  const std::string& AccessibleName() const { return accessible_name_; }
  void SetAccessibleName(std::string name) { accessible_name_ = std::move(name); }

  // Gives the focus to this control: LostFocus on the control that had it, then
  // GotFocus here. Nothing happens (and nothing is raised) when it cannot take input,
  // except while only busy brackets keep it from the input: the focus then moves when the
  // bracket ends (unless the focus was given elsewhere meanwhile).
  // A LostFocus handler that moves the focus itself wins: this control then gets nothing.
  void SetFocus();
  bool HasFocus() const;
  static Control* Focused();
  // Takes the focus away, or gives it back to a control, without raising focus events:
  // what happens to a window's focus when another window becomes active and back.
  static void ClearFocus();
  static void RestoreFocus(Control* control);
  // Busy brackets (busy.h) say which controls they hold disabled, for SetFocus; an ending
  // bracket gives the focus asked for meanwhile when `give_focus` (not while an error
  // unwinds it: focus events then would run handlers inside the unwinding).
  static void BusyBegins(Control& target);
  static void BusyEnds(Control& target, bool give_focus);

  std::function<void()> OnGotFocus;
  std::function<void()> OnLostFocus;
  // Button 1 left, 2 right; shift state; position in twips.
  std::function<void(int button, int shift, int x, int y)> OnMouseDown;
  void UserMouseDown(int button, int shift, int x, int y);
  // F1: opens the help file at the context number of this control, or else of the first
  // of its frames or its form that has one; nothing when none has one.
  void UserHelpKey();

  // Every property, for dumps, expectations and renderers.
  virtual PropertyList Properties() const;
  // One property by name; false when the control has none of that name.
  bool GetProperty(std::string_view name, PropertyValue& value) const;

  void SetObserver(ControlObserver* observer) { observer_ = observer; }

 protected:
  void Notify(const std::string& property) const;
  // Runs an event handler; an error it lets through goes to the desktop, named after
  // this control and the event.
  template <typename... Handler, typename... Args>
  void Raise(const char* event, const std::function<void(Handler...)>& handler, Args&&... args) {
    if (!handler) return;
    try {
      handler(std::forward<Args>(args)...);
    } catch (const ScriptFailure&) {
      throw;  // ends the test or script at this step (see desktop.h)
    } catch (const std::exception& e) {
      ReportEventError(event, e);
    } catch (...) {
      ReportEventError(event, "unknown error");
    }
  }
  void ReportEventError(const char* event, const std::string& message) const;
  void ReportEventError(const char* event, const std::exception& error) const;

 private:
  // AcceptsInput, where `excused` (when given) names controls whose being disabled does
  // not count.
  bool InputAllowed(const std::vector<Control*>* excused) const;
  Form* form_;
  std::string name_;
  Kind kind_;
  Control* container_ = nullptr;
  bool enabled_ = true;
  bool visible_ = true;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  Font font_;
  int tab_index_ = 0;
  int help_context_ = 0;
  std::string accessible_name_;
  ControlObserver* observer_ = nullptr;
};

}  // namespace ui
