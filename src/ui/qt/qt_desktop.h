#pragma once
// The desktop services on Qt: QMessageBox with the icon and buttons of the style, the wait
// cursor for the hourglass, processEvents, a modal window with a nested event loop, QMenu
// for pop-up menus, a help window, and the host's window and error handler.
//
// While a script runs (SetScript), message boxes and pop-up menus still really open, and
// the script's prepared answer or choice presses their button or entry with a real mouse
// click; a modal window shows and the script's lines run while it is open. What the script
// did not prepare is noted in the script's `failure`, never thrown into Qt.

#include <QPointer>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/desktop.h"
#include "ui/test_desktop.h"

namespace ui::qt {

class HelpWindow;

// What a script running on the Qt rendering prepares on the desktop and reads back.
struct DesktopScript {
  std::deque<int> answers;               // for the next message boxes
  std::deque<std::string> menu_choices;  // for the next pop-up menus ("" = nothing chosen)
  std::vector<MessageRecord> messages;   // every box shown
  std::string failure;                   // the first thing that went wrong in a step
  std::function<void(Form&)> run_modal;  // runs the script while a modal form is shown
};

class QtDesktop : public Desktop {
 public:
  QtDesktop();
  ~QtDesktop() override;
  QtDesktop(const QtDesktop&) = delete;
  QtDesktop& operator=(const QtDesktop&) = delete;

  // The window that CloseHostWindow closes (later, from the event loop); none by default.
  void SetHostWindow(QWidget* window) { host_ = window; }
  // The host's handler of errors that event handlers let through; by default a critical
  // message box.
  void SetErrorHandler(std::function<void(const std::string&, const std::string&)> handler) {
    error_handler_ = std::move(handler);
  }
  // The anchor that a help context number opens in the help file ("context-N" by default).
  void SetHelpAnchor(std::function<std::string(int)> anchor) { help_anchor_ = std::move(anchor); }
  // A running script, or nullptr when the user is at the keyboard.
  void SetScript(DesktopScript* script) { script_ = script; }
  DesktopScript* script() const { return script_; }
  // The help window, when one has been opened (for tests and screenshots).
  QWidget* HelpWidget() const;

  // A script failure met behind the Qt boundary (an input handler): noted in the running
  // script of the installed Qt desktop, or written to stderr when none runs.
  static void NoteScriptFailure(const std::string& what);

  int MessageBox(const std::string& text, int style, const std::string& title) override;
  void SetMousePointer(int pointer) override;
  int MousePointer() const override { return pointer_; }
  void DoEvents() override;
  void ShowModal(Form& form) override;
  void PopupMenu(Menu& menu, Control& over, int x, int y) override;
  void Help(long owner, const std::string& file, int command, int data) override;
  void CloseHostWindow() override;
  void ReportError(const std::string& where, const std::string& message) override;

 private:
  void NoteFailure(const std::string& what);
  int ScriptedAnswer(const std::string& text, int style, const std::string& title);

  QPointer<QWidget> host_;
  std::function<void(const std::string&, const std::string&)> error_handler_;
  std::function<std::string(int)> help_anchor_;
  DesktopScript* script_ = nullptr;
  int pointer_ = kDefaultPointer;
  std::unique_ptr<HelpWindow> help_;
};

}  // namespace ui::qt
