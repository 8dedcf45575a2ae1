#pragma once
// The commands of the automation script (see script.h and docs/automation.md). Internal
// to the script runner: each command throws std::runtime_error naming what it expected and
// what it found when it cannot be carried out or its expectation fails.

#include <iosfwd>
#include <string>
#include <string_view>

namespace ui {

class Form;
class ScriptDriver;
struct KeyStroke;

struct CommandContext {
  Form& window;  // the window the line acts on
  ScriptDriver& driver;
  std::ostream& out;
};

// False for blank lines and comments (first non-blank character '#').
bool IsCommandLine(std::string_view line);
void RunCommand(std::string_view line, const CommandContext& context);

// Parsing shared by the commands.
namespace script {
// Splits at the first blank: the word, and everything after that one blank, kept exactly.
std::pair<std::string_view, std::string_view> SplitWord(std::string_view text);
int ParseInt(std::string_view text, std::string_view what);
// A key name (enter, backspace, escape, delete, f1, space, left, right, up, down, home,
// end, pageup, pagedown, shift; any case) or one character, after "shift+" or "ctrl+".
KeyStroke ParseKey(std::string_view text);
// ok, yes, no, cancel: the message-box answer.
int ParseAnswer(std::string_view text);
}  // namespace script

// The expectations and outputs: expect, expect-message, expect-focus, expect-window,
// dump, shot. False when `command` is none of them.
bool RunCheckCommand(std::string_view command, std::string_view args,
                     const CommandContext& context);

}  // namespace ui
