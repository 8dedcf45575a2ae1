#include "ui/headless_script.h"

namespace ui {
namespace {

bool TakesFocus(const Control& control) {
  const Form* form = control.form();
  if (!form) return false;
  for (const Control* c : form->TabOrder()) {
    if (c == &control) return true;
  }
  return false;
}

// A left button press as Windows delivers it: the focus moves first, then MouseDown.
void LeftPress(Control& control, int x, int y) {
  if (TakesFocus(control)) control.SetFocus();
  control.UserMouseDown(1, 0, x, y);
}

int Middle(int twips) { return twips / 2 / 15 * 15; }

}  // namespace

void HeadlessDriver::Type(EditControl& box, std::string_view text) {
  box.SetFocus();
  box.UserType(text);
}

void HeadlessDriver::Key(Control& control, int key) {
  control.SetFocus();
  if (key == kKeyF1) return control.UserHelpKey();
  if (auto* edit = dynamic_cast<EditControl*>(&control)) return edit->UserKey(key);
  if (key != kKeyEnter && key != ' ') return;
  if (auto* button = dynamic_cast<CommandButton*>(&control)) return button->UserClick();
  if (auto* box = dynamic_cast<CheckBox*>(&control); box && key == ' ') box->UserClick();
}

void HeadlessDriver::Click(Control& control) {
  LeftPress(control, Middle(control.Width()), Middle(control.Height()));
  if (auto* button = dynamic_cast<CommandButton*>(&control)) return button->UserClick();
  if (auto* box = dynamic_cast<CheckBox*>(&control)) box->UserClick();
}

void HeadlessDriver::ClickRow(ListBox& list, int row) {
  LeftPress(list, Middle(list.Width()), (row - list.TopIndex()) * 210 + 105);
  list.UserClick(row);
}

void HeadlessDriver::DoubleClickRow(ListBox& list, int row) {
  ClickRow(list, row);
  list.UserDoubleClick(row);
}

void HeadlessDriver::Press(Control& control, int button, int x, int y) {
  if (button == 1) return LeftPress(control, x, y);
  control.UserMouseDown(button, 0, x, y);
}

void HeadlessDriver::Choose(ComboBox& combo, int index) {
  LeftPress(combo, Middle(combo.Width()), Middle(combo.Height()));
  combo.UserChoose(index);
}

void HeadlessDriver::Scroll(VScrollBar& bar, int value) {
  bar.UserDrag(value);
  bar.UserRelease();
}

void HeadlessDriver::PrepareMenuChoice(const std::string& entry) {
  desktop_.OnPopupMenu([entry](Menu& menu) {
    if (entry.empty()) return;
    for (Menu* e : menu.Entries()) {
      if (e->Name() == entry && e->Visible()) return e->UserChoose();
    }
    throw ScriptFailure("menu " + menu.Name() + " has no entry " + entry);
  });
}

const MessageRecord* HeadlessDriver::LastMessage() const {
  return desktop_.Messages().empty() ? nullptr : &desktop_.Messages().back();
}

std::string HeadlessDriver::TakeFailure() {
  const auto& errors = desktop_.Errors();
  if (errors_seen_ >= errors.size()) return "";
  const ErrorRecord& e = errors[errors_seen_];
  errors_seen_ = errors.size();
  return "error in " + e.where + ": " + e.message;
}

ScriptResult RunHeadlessScript(Form& root, std::string_view script, std::ostream& out) {
  TestDesktop desktop;
  ScopedDesktop installed(desktop);
  HeadlessDriver driver(desktop);
  ScriptRunner runner(root, driver, out);
  desktop.SetDefaultModalHandler([&runner](Form& form) { runner.RunWhileShown(form); });
  return runner.Run(script);
}

}  // namespace ui
