#pragma once
// Desktop services: everything a screen asks of the windowing system, behind one
// interface so that tests can script it (TestDesktop) and Qt can render it (QtDesktop).

#include <exception>
#include <functional>
#include <stdexcept>
#include <string>

namespace ui {

class Control;
class Form;
class Menu;

// Message box styles and answers, as the screens pass and test them.
inline constexpr int kCritical = 16;
inline constexpr int kQuestionYesNo = 36;
inline constexpr int kExclamation = 48;
inline constexpr int kInformation = 64;
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;
inline constexpr int kAnswerCancel = 2;

// True when `answer` is one of the buttons that a box of `style` offers (style & 7: 0 OK,
// 1 OK/Cancel, 2 Abort/Retry/Ignore, 3 Yes/No/Cancel, 4 Yes/No, 5 Retry/Cancel).
bool AnswerFits(int style, int answer);

// Mouse pointers.
inline constexpr int kDefaultPointer = 0;
inline constexpr int kHourglass = 11;

// Help commands.
inline constexpr int kHelpContext = 1;
inline constexpr int kHelpQuit = 2;
inline constexpr int kHelpFinder = 11;

// Thrown by a scripted desktop (tests, automation) when a screen does something the script
// did not prepare: a message box with no answer, a modal form with no handler, a modal form
// left open. It is the one error that crosses the event boundary on purpose, so that the
// test or script stops at the step that caused it; real desktops never throw it.
class ScriptFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Desktop {
 public:
  virtual ~Desktop() = default;
  // Shows a modal message box; returns the answer (kAnswerOk, kAnswerYes, kAnswerNo).
  virtual int MessageBox(const std::string& text, int style, const std::string& title) = 0;
  // The screen's mouse pointer (kDefaultPointer or kHourglass).
  virtual void SetMousePointer(int pointer) = 0;
  virtual int MousePointer() const = 0;
  // Lets the windowing system process the events waiting for it.
  virtual void DoEvents() = 0;
  // Shows a loaded form modally; returns once it has unloaded.
  virtual void ShowModal(Form& form) = 0;
  // Pops a menu up at a position (twips, in the coordinates of `over`); returns once the
  // menu has closed (after running the chosen entry's Click, if any).
  virtual void PopupMenu(Menu& menu, Control& over, int x, int y) = 0;
  // Help service: command kHelpFinder (contents), kHelpContext (data = context number) or
  // kHelpQuit, for one owner window.
  virtual void Help(long owner, const std::string& file, int command, int data) = 0;
  // Closes the host window that holds the control.
  virtual void CloseHostWindow() = 0;
  // An error that an event handler let through: `where` names the control and event.
  virtual void ReportError(const std::string& where, const std::string& message) = 0;
};

// The desktop in use. Tests and hosts install theirs with SetDesktop (nullptr restores
// the fallback, which answers OK, ignores the rest and prints errors to stderr).
Desktop& desktop();
void SetDesktop(Desktop* desktop);

// Installs a desktop for the life of a scope and puts the previous one back after.
class ScopedDesktop {
 public:
  explicit ScopedDesktop(Desktop& installed) : previous_(&desktop()) { SetDesktop(&installed); }
  ~ScopedDesktop() { SetDesktop(previous_); }
  ScopedDesktop(const ScopedDesktop&) = delete;
  ScopedDesktop& operator=(const ScopedDesktop&) = delete;

 private:
  Desktop* previous_;
};

// A message box as a scripted desktop records it.
struct MessageRecord {
  std::string text;
  int style = 0;
  std::string title;
  int answer = 0;  // the answer given (0 when none was prepared)
  friend bool operator==(const MessageRecord&, const MessageRecord&) = default;
};

// Errors that are news for the user rather than faults (the archive busy with another
// operation, try again): the layer that knows such errors installs a function giving the
// text to show for one, "" for any other. The event boundary shows that text in a message
// box (exclamation, default title) instead of handing the error to ReportError, and the
// screen stays as the handler left it. nullptr: every error is a fault.
using NoticeOfError = std::function<std::string(const std::exception&)>;
void SetNoticeOfError(NoticeOfError notice);
// The text to show for `error`, or "" (see SetNoticeOfError).
std::string NoticeOf(const std::exception& error);

// The application's help-file setting, which F1 opens at a control's context number.
const std::string& HelpFile();
void SetHelpFile(std::string file);

}  // namespace ui
