#pragma once
// Scripts on the headless desktop: each step calls the controls' User* input methods in
// the order a user's input raises them, on a TestDesktop that takes its message-box
// answers and pop-up menu choices from the script.

#include <iosfwd>
#include <string>
#include <string_view>

#include "ui/script/script.h"
#include "ui/test_desktop.h"

namespace ui {

class HeadlessDriver : public ScriptDriver {
 public:
  explicit HeadlessDriver(TestDesktop& desktop) : desktop_(desktop) {}

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
  void Close(Form& form) override { form.UserClose(); }
  void Shot(Form&, const std::string&) override {}

  void PrepareAnswer(int answer) override { desktop_.Answer(answer); }
  void PrepareMenuChoice(const std::string& entry) override;
  const MessageRecord* LastMessage() const override;
  std::string TakeFailure() override;

 private:
  TestDesktop& desktop_;
  std::size_t errors_seen_ = 0;
};

// Runs a script against `root` on a test desktop installed for the run; `out` receives
// what `dump` writes to no file.
ScriptResult RunHeadlessScript(Form& root, std::string_view script, std::ostream& out);

}  // namespace ui
