#include "ui/test_desktop.h"

#include "ui/controls.h"
#include "ui/form.h"

namespace ui {
namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string Describe(const std::string& text, int style, const std::string& title) {
  return Quoted(text) + " (style " + std::to_string(style) + ", title " + Quoted(title) + ")";
}

}  // namespace

TestDesktop& TestDesktop::Answer(int answer) {
  answers_.push_back(answer);
  return *this;
}

const MessageRecord& TestDesktop::LastMessage() const {
  if (messages_.empty()) throw std::logic_error("no message box was shown");
  return messages_.back();
}

TestDesktop& TestDesktop::OnShowModal(std::function<void(Form&)> handler) {
  modal_handlers_.push_back(std::move(handler));
  return *this;
}

void TestDesktop::SetDefaultModalHandler(std::function<void(Form&)> handler) {
  default_modal_handler_ = std::move(handler);
}

TestDesktop& TestDesktop::OnPopupMenu(std::function<void(Menu&)> handler) {
  popup_handlers_.push_back(std::move(handler));
  return *this;
}

int TestDesktop::MessageBox(const std::string& text, int style, const std::string& title) {
  messages_.push_back({text, style, title, 0});
  if (answers_.empty())
    Fail("message box with no answer prepared: " + Describe(text, style, title));
  const int answer = answers_.front();
  answers_.pop_front();
  if (!AnswerFits(style, answer)) {
    Fail("answer " + std::to_string(answer) + " is not a button of the message box " +
         Describe(text, style, title));
  }
  messages_.back().answer = answer;
  return answer;
}

void TestDesktop::SetMousePointer(int pointer) {
  pointer_ = pointer;
  pointers_.push_back(pointer);
}

void TestDesktop::ShowModal(Form& form) {
  modal_forms_.push_back(form.Name());
  std::function<void(Form&)> handler = default_modal_handler_;
  if (!modal_handlers_.empty()) {
    handler = std::move(modal_handlers_.front());
    modal_handlers_.pop_front();
  }
  if (!handler) Fail("form " + form.Name() + " shown modally with no handler prepared");
  handler(form);
  if (form.Loaded()) Fail("form " + form.Name() + " is still loaded after its modal handler");
}

void TestDesktop::PopupMenu(Menu& menu, Control& over, int x, int y) {
  popups_.push_back({menu.Name(), over.Name(), x, y});
  if (popup_handlers_.empty()) return;
  auto handler = std::move(popup_handlers_.front());
  popup_handlers_.pop_front();
  handler(menu);
}

void TestDesktop::Help(long owner, const std::string& file, int command, int data) {
  help_calls_.push_back({owner, file, command, data});
}

void TestDesktop::ReportError(const std::string& where, const std::string& message) {
  errors_.push_back({where, message});
}

void TestDesktop::Fail(std::string what) {
  failures_.push_back(what);
  throw ScriptFailure(what);
}

}  // namespace ui
