#include "ui/desktop.h"

#include <iostream>

namespace ui {
namespace {

// Used until a host or a test installs its desktop: never blocks, never shows anything.
class FallbackDesktop final : public Desktop {
 public:
  int MessageBox(const std::string& text, int, const std::string&) override {
    std::cerr << "message: " << text << '\n';
    return kAnswerOk;
  }
  void SetMousePointer(int pointer) override { pointer_ = pointer; }
  int MousePointer() const override { return pointer_; }
  void DoEvents() override {}
  void ShowModal(Form&) override {}
  void PopupMenu(Menu&, Control&, int, int) override {}
  void Help(long, const std::string&, int, int) override {}
  void CloseHostWindow() override {}
  void ReportError(const std::string& where, const std::string& message) override {
    std::cerr << "error in " << where << ": " << message << '\n';
  }

 private:
  int pointer_ = kDefaultPointer;
};

FallbackDesktop fallback;
Desktop* current = &fallback;
std::string help_file;
NoticeOfError notice_of_error;

}  // namespace

bool AnswerFits(int style, int answer) {
  switch (style & 7) {
    case 0:
      return answer == kAnswerOk;
    case 1:
      return answer == kAnswerOk || answer == kAnswerCancel;
    case 2:
      return answer >= 3 && answer <= 5;
    case 3:
      return answer == kAnswerYes || answer == kAnswerNo || answer == kAnswerCancel;
    case 4:
      return answer == kAnswerYes || answer == kAnswerNo;
    case 5:
      return answer == 4 || answer == kAnswerCancel;
    default:
      return false;
  }
}

Desktop& desktop() { return *current; }
void SetDesktop(Desktop* d) { current = d ? d : &fallback; }

void SetNoticeOfError(NoticeOfError notice) { notice_of_error = std::move(notice); }
std::string NoticeOf(const std::exception& error) {
  return notice_of_error ? notice_of_error(error) : std::string();
}

const std::string& HelpFile() { return help_file; }
void SetHelpFile(std::string file) { help_file = std::move(file); }

}  // namespace ui
