#pragma once
// The desktop services on Qt: QMessageBox with the icon and buttons of the style, the wait
// cursor for the hourglass, processEvents, a modal window with a nested event loop, QMenu
// for pop-up menus, a help window, and the host's window and error handler.
//
// While a script runs (SetAutomation), message boxes and pop-up menus still really open, and
// the automation presses the button or entry the script prepared as a user would; a modal
// window shows and the script's lines run while it is open. What the script did not prepare
// is told to the automation, never thrown into Qt.

#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "ui/desktop.h"

namespace ui::qt {

class HelpWindow;

// What an automation script does on the Qt desktop; the script driver implements it.
class DesktopAutomation {
 public:
  virtual ~DesktopAutomation() = default;
  // A message box is about to open: records it and returns the answer prepared for it, or 0
  // when there is none (the box is then not opened, since nobody would press it).
  virtual int MessageAnswer(const std::string& text, int style, const std::string& title) = 0;
  // The entry (its name) to choose in the pop-up menu about to open; "" closes it unchosen.
  virtual std::string MenuChoice() = 0;
  // A left click at `at` (in `widget`), from inside the event loop of an open box or menu.
  virtual void Press(QWidget& widget, QPoint at) = 0;
  // The Escape key on an open menu.
  virtual void Escape(QWidget& widget) = 0;
  // Runs the script's lines while a modal form is shown (the form's window is open).
  virtual void RunModal(Form& form) = 0;
  // Something the script did not prepare, or an error an event handler let through.
  virtual void Fail(const std::string& what) = 0;
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
  void SetAutomation(DesktopAutomation* automation) { automation_ = automation; }
  DesktopAutomation* automation() const { return automation_; }

  // A script failure met behind the Qt boundary (an input handler): told to the running
  // script of the installed Qt desktop, or written to stderr when none runs.
  static void NoteScriptFailure(const std::string& what);
  // The title of a message box whose screen gives none.
  static constexpr const char* kDefaultTitle = "Vantelor";

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
  QPointer<QWidget> host_;
  std::function<void(const std::string&, const std::string&)> error_handler_;
  std::function<std::string(int)> help_anchor_;
  DesktopAutomation* automation_ = nullptr;
  int pointer_ = kDefaultPointer;
  std::unique_ptr<HelpWindow> help_;
};

}  // namespace ui::qt
