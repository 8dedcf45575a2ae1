#pragma once
// Scripts on the Qt rendering: every step is a real Qt input event (key presses and
// releases, mouse presses, releases, moves and double clicks) sent to the widget of the
// control, so that what is tested is the path a user's input takes. Message boxes and
// pop-up menus really open and the script's prepared answer or choice is clicked; modal
// windows open and the script's lines act on them.

#include <iosfwd>
#include <string_view>

#include "ui/qt/qt_desktop.h"
#include "ui/script.h"

namespace ui::qt {

class QtDriver : public ScriptDriver {
 public:
  explicit QtDriver(DesktopScript& script) : script_(script) {}

  void Type(EditControl& box, std::string_view text) override;
  void Key(Control& control, int key) override;
  void Click(Control& control) override;
  void ClickRow(ListBox& list, int row) override;
  void DoubleClickRow(ListBox& list, int row) override;
  void Press(Control& control, int button, int x, int y) override;
  void Choose(ComboBox& combo, int index) override;
  void Scroll(VScrollBar& bar, int value) override;
  void Focus(Control& control) override;
  void Close(Form& form) override;
  void Shot(Form& form, const std::string& path) override;

  void PrepareAnswer(int answer) override { script_.answers.push_back(answer); }
  void PrepareMenuChoice(const std::string& entry) override {
    script_.menu_choices.push_back(entry);
  }
  const MessageRecord* LastMessage() const override;
  std::string TakeFailure() override;
  void Settle() override;

 private:
  DesktopScript& script_;
};

// Runs a script against `root`, which must be rendered and shown (CreateWidget or
// CreateWindow). Uses the installed QtDesktop, or installs one for the run.
ScriptResult RunScript(Form& root, std::string_view script, std::ostream& out);

}  // namespace ui::qt
