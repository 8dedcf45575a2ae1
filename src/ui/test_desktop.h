#pragma once
// The desktop of screen tests. It answers message boxes from a queue of prepared answers,
// runs a prepared handler when a form is shown modally, and records everything a screen
// asks of the desktop so that a test can assert it.
//
// What the test did not prepare fails loudly: a message box with no answer left, an
// answer that is not one of the box's buttons, a modal form with no handler, or a modal
// form still loaded after its handler. Each is recorded in Failures() and thrown as
// ui::ScriptFailure, which crosses the event boundary (see desktop.h) and so reaches the
// test from the User* call or screen method that caused it.
//
//   ui::TestDesktop d;
//   ui::ScopedDesktop installed(d);
//   d.Answer(ui::kAnswerOk);
//   screen.Txt_CodeAidant.UserType("99999");
//   EXPECT_EQ(d.LastMessage().text, "Cet aidant n'existe pas.");

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/desktop.h"

namespace ui {

struct PopupRecord {
  std::string menu;  // the menu's name
  std::string over;  // the control it popped up over
  int x = 0, y = 0;  // twips, in the coordinates of `over`
  friend bool operator==(const PopupRecord&, const PopupRecord&) = default;
};

struct HelpRecord {
  long owner = 0;
  std::string file;
  int command = 0;
  int data = 0;
  friend bool operator==(const HelpRecord&, const HelpRecord&) = default;
};

struct ErrorRecord {
  std::string where;
  std::string message;
  friend bool operator==(const ErrorRecord&, const ErrorRecord&) = default;
};

class TestDesktop : public Desktop {
 public:
  TestDesktop() = default;

  // Prepares the answer of the next message box (kAnswerOk, kAnswerYes, kAnswerNo, ...);
  // answers are used in the order prepared.
  TestDesktop& Answer(int answer);
  int PendingAnswers() const { return static_cast<int>(answers_.size()); }
  // Every box shown, in order.
  const std::vector<MessageRecord>& Messages() const { return messages_; }
  // The last box shown; throws std::logic_error when none was.
  const MessageRecord& LastMessage() const;

  // Prepares the handler of the next form shown modally (handlers are used in order).
  // It acts on the form, then presses the button that closes it: the form must have
  // unloaded when the handler returns.
  TestDesktop& OnShowModal(std::function<void(Form&)> handler);
  // Used when no prepared handler is left (automation runs its script there).
  void SetDefaultModalHandler(std::function<void(Form&)> handler);
  // Names of the forms shown modally, in order.
  const std::vector<std::string>& ModalForms() const { return modal_forms_; }

  // Prepares what the user does with the next pop-up menu (e.g. choose an entry); with
  // none prepared, the menu closes with nothing chosen.
  TestDesktop& OnPopupMenu(std::function<void(Menu&)> handler);
  const std::vector<PopupRecord>& Popups() const { return popups_; }

  // Every pointer set, in order (kHourglass, kDefaultPointer, ...).
  const std::vector<int>& PointerChanges() const { return pointers_; }
  int DoEventsCount() const { return do_events_; }
  const std::vector<HelpRecord>& HelpCalls() const { return help_calls_; }
  int CloseHostWindowCount() const { return close_host_; }
  // Errors that event handlers let through, as the host would have been told them.
  const std::vector<ErrorRecord>& Errors() const { return errors_; }
  // What the screens did that the test had not prepared (see the top of this file).
  const std::vector<std::string>& Failures() const { return failures_; }

  int MessageBox(const std::string& text, int style, const std::string& title) override;
  void SetMousePointer(int pointer) override;
  int MousePointer() const override { return pointer_; }
  void DoEvents() override { ++do_events_; }
  void ShowModal(Form& form) override;
  void PopupMenu(Menu& menu, Control& over, int x, int y) override;
  void Help(long owner, const std::string& file, int command, int data) override;
  void CloseHostWindow() override { ++close_host_; }
  void ReportError(const std::string& where, const std::string& message) override;

 private:
  [[noreturn]] void Fail(std::string what);

  std::deque<int> answers_;
  std::vector<MessageRecord> messages_;
  std::deque<std::function<void(Form&)>> modal_handlers_;
  std::function<void(Form&)> default_modal_handler_;
  std::vector<std::string> modal_forms_;
  std::deque<std::function<void(Menu&)>> popup_handlers_;
  std::vector<PopupRecord> popups_;
  std::vector<int> pointers_;
  int pointer_ = kDefaultPointer;
  int do_events_ = 0;
  std::vector<HelpRecord> help_calls_;
  int close_host_ = 0;
  std::vector<ErrorRecord> errors_;
  std::vector<std::string> failures_;
};

}  // namespace ui
