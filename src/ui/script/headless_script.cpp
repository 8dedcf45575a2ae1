#include "ui/script/headless_script.h"

#include <cctype>

#include "text/text.h"

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

// A key on a text box or combo box: typing keys go through KeyPress, caret keys move the
// caret, and every key comes up through KeyUp.
void EditKey(EditControl& box, const KeyStroke& key) {
  if (key.ctrl) {
    if (key.code == 'a' || key.code == 'A') box.UserCaretKey(0, false);
    box.UserKeyUp(key.code < 128 ? std::toupper(key.code) : key.code);
    return box.UserKeyUp(kKeyControl);
  }
  if (!key.named || key.code == kKeyEnter || key.code == kKeyBackspace || key.code == kKeyEscape) {
    box.UserKey(key.code);
  } else if (key.code == kKeyDelete) {
    box.UserKeyDown(kKeyDeleteChar);
    box.UserKeyUp(kKeyDelete);
  } else {
    if (key.code >= kKeyEnd && key.code <= kKeyRight && key.code != kKeyUp) {
      box.UserCaretKey(key.code, key.shift);
    }
    box.UserKeyUp(key.code);
  }
  if (key.shift && key.code != kKeyShift) box.UserKeyUp(kKeyShift);
}

}  // namespace

void HeadlessDriver::Focus(Control& control) {
  if (control.HasFocus()) return;
  control.SetFocus();
  // A box is given the focus by a click after its text.
  if (auto* edit = dynamic_cast<EditControl*>(&control); edit && edit->HasFocus()) {
    edit->UserCaretKey(kKeyEnd, false);
  }
}

void HeadlessDriver::Type(EditControl& box, std::string_view text) {
  Focus(box);
  box.UserType(text);
}

void HeadlessDriver::Key(Control& control, const KeyStroke& key) {
  Focus(control);
  if (key.named && key.code == kKeyF1) return control.UserHelpKey();
  if (auto* edit = dynamic_cast<EditControl*>(&control)) return EditKey(*edit, key);
  if (auto* list = dynamic_cast<ListBox*>(&control); list && key.named)
    return list->UserKey(key.code);
  if (auto* bar = dynamic_cast<VScrollBar*>(&control); bar && key.named) {
    // A scroll bar's keys are its arrows (Up, Down) and its track (Page Up, Page Down).
    if (key.code == kKeyUp || key.code == kKeyDown) return bar->UserArrow(key.code == kKeyDown);
    if (key.code == kKeyPageUp || key.code == kKeyPageDown) bar->UserPage(key.code == kKeyPageDown);
    return;
  }
  if (key.code != kKeyEnter && key.code != ' ') return;
  if (auto* button = dynamic_cast<CommandButton*>(&control)) return button->UserClick();
  if (auto* box = dynamic_cast<CheckBox*>(&control); box && key.code == ' ') box->UserClick();
}

void HeadlessDriver::Paste(EditControl& box, std::string_view text) {
  Focus(box);
  box.UserPaste(text);
  box.UserKeyUp('V');
  box.UserKeyUp(kKeyControl);
}

void HeadlessDriver::DoubleClickText(EditControl& box) {
  Focus(box);
  box.UserSelectWord(::text::Length(box.Text()));
}

void HeadlessDriver::Wheel(Control& control, int notches) {
  if (auto* list = dynamic_cast<ListBox*>(&control)) return list->UserWheel(notches * kWheelLines);
  if (auto* bar = dynamic_cast<VScrollBar*>(&control)) bar->UserWheel(notches * kWheelLines);
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
