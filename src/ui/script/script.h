#pragma once
// The automation script: one command a line, run against a running control or window and
// the modal windows it opens (while one is open, the lines act on it). The commands are
// documented in docs/automation.md. The same script runs on the headless test desktop and
// on the Qt rendering: a ScriptDriver says how each user step reaches the controls there.
//
// A failed expectation, a message box with no answer prepared, an error that an event
// handler let through, or a line that cannot be run stops the script; the result names
// the line and what was found.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "ui/controls.h"
#include "ui/desktop.h"
#include "ui/form.h"

namespace ui {

// One key of a script line: a character (its code point) or a named key (its key code,
// kKeyEnter, kKeyLeft, ...), with Shift or Ctrl held.
struct KeyStroke {
  int code = 0;
  bool named = false;
  bool shift = false;
  bool ctrl = false;
};

// How a user's steps reach the controls and the desktop. Steps that a control does not
// accept (disabled, hidden, under a modal window) do nothing, as for a user. A text box or
// combo box that has not the focus gets it by a click after its text (the caret goes to
// its end); one that has it keeps its caret and selection.
class ScriptDriver {
 public:
  virtual ~ScriptDriver() = default;
  // Focus the box, then type each character (KeyPress, its edit at the caret, KeyUp).
  virtual void Type(EditControl& box, std::string_view text) = 0;
  // Focus the control, then press and release one key.
  virtual void Key(Control& control, const KeyStroke& key) = 0;
  // Focus the box, put `text` on the clipboard and paste it (Ctrl+V).
  virtual void Paste(EditControl& box, std::string_view text) = 0;
  // A double click after the text of the box: selects its last word.
  virtual void DoubleClickText(EditControl& box) = 0;
  // `notches` of the mouse wheel over the control (negative upwards).
  virtual void Wheel(Control& control, int notches) = 0;
  // A left click: a button or check box is clicked; another control gets MouseDown.
  virtual void Click(Control& control) = 0;
  virtual void ClickRow(ListBox& list, int row) = 0;
  virtual void DoubleClickRow(ListBox& list, int row) = 0;
  // A mouse button pressed at (x, y), twips in the control's coordinates.
  virtual void Press(Control& control, int button, int x, int y) = 0;
  // Open the drop-down list and choose item `index`.
  virtual void Choose(ComboBox& combo, int index) = 0;
  // Drag the thumb to `value` and release it.
  virtual void Scroll(VScrollBar& bar, int value) = 0;
  virtual void Focus(Control& control) = 0;
  // The window's close box.
  virtual void Close(Form& form) = 0;
  // Saves a PNG picture of the window; throws std::runtime_error when the file cannot be
  // written. A desktop without rendering (the headless one) does nothing, so that one
  // script serves both desktops.
  virtual void Shot(Form& form, const std::string& path) = 0;

  // The answer of the next message box (kAnswerOk, kAnswerYes, kAnswerNo).
  virtual void PrepareAnswer(int answer) = 0;
  // The entry to choose in the next pop-up menu ("" = close it with nothing chosen).
  virtual void PrepareMenuChoice(const std::string& entry) = 0;
  // The last message box shown, or nullptr.
  virtual const MessageRecord* LastMessage() const = 0;
  // What went wrong on the desktop during the last step (an unanswered box, an error an
  // event handler let through); "" when nothing did. Reading it clears it.
  virtual std::string TakeFailure() = 0;
  // Lets the desktop process what the step left pending.
  virtual void Settle() {}
  // What the windows on screen show that differs from their forms' state ("" when they
  // agree, and always on a desktop that shows nothing).
  virtual std::string CheckScreen() { return ""; }
  // The names screen readers give the input controls of `window` that are missing or shared
  // ("" when each has its own).
  virtual std::string CheckNames(const Form& window);
};

struct ScriptResult {
  bool ok = true;
  int line = 0;         // the line that stopped the script
  std::string message;  // what was expected and what was found
  // "line 12: expect Txt_CodeAidant Text: found ..." (or "ok").
  std::string ToString() const;
};

class ScriptRunner {
 public:
  // `root` is the running control or window; `out` receives `dump` written to no file.
  ScriptRunner(Form& root, ScriptDriver& driver, std::ostream& out);
  ScriptRunner(const ScriptRunner&) = delete;
  ScriptRunner& operator=(const ScriptRunner&) = delete;

  ScriptResult Run(std::string_view script);
  // Runs the screen check after every line (see ScriptDriver::CheckScreen).
  void CheckScreenAfterEachLine(bool on) { check_screen_ = on; }
  // For the desktop, when a form is shown modally during Run: runs the next lines while
  // it stays loaded. A script that ends with the form still open fails.
  void RunWhileShown(Form& form);
  // The window the lines act on: the innermost modal form, else the root.
  Form& Window() const;

 private:
  struct Line {
    int number;
    std::string text;
  };
  void RunNext();
  void Fail(int line, std::string message);

  Form& root_;
  ScriptDriver& driver_;
  std::ostream& out_;
  std::vector<Line> lines_;
  std::size_t next_ = 0;
  ScriptResult result_;
  bool check_screen_ = false;
};

// Reads a whole script file into `text`; false when it cannot be read.
bool ReadScriptFile(const std::string& path, std::string& text);

}  // namespace ui
