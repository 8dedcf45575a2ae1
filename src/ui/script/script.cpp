#include "ui/script/script.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>

#include "ui/accessible_name.h"
#include "ui/script/script_commands.h"

namespace ui {

std::string ScriptResult::ToString() const {
  if (ok) return "ok";
  return "line " + std::to_string(line) + ": " + message;
}

std::string ScriptDriver::CheckNames(const Form& window) {
  return ui::CheckNames(window, ScreenReaderName);
}

ScriptRunner::ScriptRunner(Form& root, ScriptDriver& driver, std::ostream& out)
    : root_(root), driver_(driver), out_(out) {}

ScriptResult ScriptRunner::Run(std::string_view script) {
  lines_.clear();
  next_ = 0;
  result_ = {};
  int number = 0;
  while (!script.empty()) {
    const std::size_t end = script.find('\n');
    std::string text(script.substr(0, end));
    script = end == std::string_view::npos ? std::string_view() : script.substr(end + 1);
    ++number;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    if (!IsCommandLine(text)) continue;
    lines_.push_back({number, std::move(text)});
  }
  while (next_ < lines_.size() && result_.ok) RunNext();
  return result_;
}

void ScriptRunner::RunWhileShown(Form& form) {
  while (form.Loaded() && next_ < lines_.size() && result_.ok) RunNext();
  if (form.Loaded() && result_.ok) {
    const int last = lines_.empty() ? 0 : lines_.back().number;
    Fail(last, "the script ended while " + form.Name() + " is still open");
  }
}

Form& ScriptRunner::Window() const {
  Form* top = Form::TopModal();
  return top ? *top : root_;
}

void ScriptRunner::RunNext() {
  const Line& line = lines_[next_++];
  try {
    RunCommand(line.text, {Window(), driver_, out_});
    driver_.Settle();
    const std::string failure = driver_.TakeFailure();
    if (!failure.empty()) return Fail(line.number, failure);
    if (!check_screen_) return;
    const std::string difference = driver_.CheckScreen();
    if (!difference.empty()) Fail(line.number, "the screen differs: " + difference);
  } catch (const std::exception& e) {
    // A failure met deeper (in a modal window this line opened) keeps its own line.
    Fail(line.number, e.what());
  }
}

void ScriptRunner::Fail(int line, std::string message) {
  if (!result_.ok) return;
  result_ = {false, line, std::move(message)};
}

bool ReadScriptFile(const std::string& path, std::string& text) {
  // A folder opens as a stream on some systems and reads as nothing: an empty script that
  // would pass.
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace ui
