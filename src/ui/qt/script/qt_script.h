#pragma once
// Scripts on the Qt rendering: every step is a real input event (key presses and releases,
// mouse presses, moves, releases, wheel turns) on the widget of the control; on the xcb
// platform it goes through the X server (see input_device.h). Message boxes and pop-up menus
// really open and the script's prepared answer or choice is clicked; modal windows open and
// the script's lines act on them. `check-screen`, or ScriptOptions::check_screen after every
// line, compares what the windows show with their forms (screen_check.h).

#include <deque>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string_view>
#include <vector>

#include "ui/qt/qt_desktop.h"
#include "ui/qt/script/input_device.h"
#include "ui/script/script.h"

namespace ui::qt {

// What the script prepares on the desktop and reads back (DesktopAutomation for QtDesktop).
class ScriptAutomation : public DesktopAutomation {
 public:
  explicit ScriptAutomation(InputDevice& device) : device_(device) {}
  int MessageAnswer(const std::string& text, int style, const std::string& title) override;
  std::string MenuChoice() override;
  void Press(QWidget& widget, QPoint at) override;
  void Escape(QWidget& widget) override;
  void RunModal(Form& form) override;
  void Fail(const std::string& what) override;

  std::deque<int> answers;               // for the next message boxes
  std::deque<std::string> menu_choices;  // for the next pop-up menus ("" = nothing chosen)
  std::vector<MessageRecord> messages;   // every box shown
  std::string failure;                   // the first thing that went wrong in a step
  std::function<void(Form&)> run_modal;  // runs the script while a modal form is shown

 private:
  InputDevice& device_;
};

class QtDriver : public ScriptDriver {
 public:
  QtDriver(ScriptAutomation& automation, InputDevice& device, Form& root)
      : automation_(automation), device_(device), root_(root) {}

  void Type(EditControl& box, std::string_view text) override;
  void Key(Control& control, const KeyStroke& key) override;
  void Paste(EditControl& box, std::string_view text) override;
  void DoubleClickText(EditControl& box) override;
  void Wheel(Control& control, int notches) override;
  void Click(Control& control) override;
  void ClickRow(ListBox& list, int row) override;
  void DoubleClickRow(ListBox& list, int row) override;
  void Press(Control& control, int button, int x, int y) override;
  void Choose(ComboBox& combo, int index) override;
  void Scroll(VScrollBar& bar, int value) override;
  void Focus(Control& control) override;
  void Close(Form& form) override;
  void Shot(Form& form, const std::string& path) override;

  void PrepareAnswer(int answer) override { automation_.answers.push_back(answer); }
  void PrepareMenuChoice(const std::string& entry) override {
    automation_.menu_choices.push_back(entry);
  }
  const MessageRecord* LastMessage() const override;
  std::string TakeFailure() override;
  void Settle() override;
  std::string CheckScreen() override;
  // The names as QAccessible gives them to screen readers.
  std::string CheckNames(const Form& window) override;

 private:
  ScriptAutomation& automation_;
  InputDevice& device_;
  Form& root_;
};

struct ScriptOptions {
  bool check_screen = false;  // compare the screen with the model after every line
};

// Runs a script against `root`, which must be rendered and shown (CreateWidget or
// CreateWindow). Uses the installed QtDesktop, or installs one for the run.
ScriptResult RunScript(Form& root, std::string_view script, std::ostream& out,
                       const ScriptOptions& options = {});

}  // namespace ui::qt
