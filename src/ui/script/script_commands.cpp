#include "ui/script/script_commands.h"

#include <charconv>
#include <stdexcept>

#include "text/text.h"
#include "ui/script/script.h"

namespace ui {
namespace script {

std::pair<std::string_view, std::string_view> SplitWord(std::string_view text) {
  const std::size_t blank = text.find(' ');
  if (blank == std::string_view::npos) return {text, {}};
  return {text.substr(0, blank), text.substr(blank + 1)};
}

int ParseInt(std::string_view text, std::string_view what) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    throw std::runtime_error(std::string(what) + " must be a whole number, found \"" +
                             std::string(text) + "\"");
  }
  return value;
}

KeyStroke ParseKey(std::string_view text) {
  static const std::pair<const char*, int> kNamed[] = {{"ENTER", kKeyEnter},
                                                       {"BACKSPACE", kKeyBackspace},
                                                       {"ESCAPE", kKeyEscape},
                                                       {"DELETE", kKeyDelete},
                                                       {"F1", kKeyF1},
                                                       {"LEFT", kKeyLeft},
                                                       {"RIGHT", kKeyRight},
                                                       {"UP", kKeyUp},
                                                       {"DOWN", kKeyDown},
                                                       {"HOME", kKeyHome},
                                                       {"END", kKeyEnd},
                                                       {"PAGEUP", kKeyPageUp},
                                                       {"PAGEDOWN", kKeyPageDown},
                                                       {"SHIFT", kKeyShift}};
  KeyStroke key;
  const std::string_view whole = text;
  for (bool more = true; more && text.size() > 1;) {
    const std::string prefix = ::text::Upper(text.substr(0, std::min<std::size_t>(6, text.size())));
    if (prefix.starts_with("SHIFT+")) {
      key.shift = true;
      text.remove_prefix(6);
    } else if (prefix.starts_with("CTRL+")) {
      key.ctrl = true;
      text.remove_prefix(5);
    } else {
      more = false;
    }
  }
  const std::string name = ::text::Upper(text);
  if (name == "SPACE") {
    key.code = ' ';
    return key;
  }
  for (const auto& [word, code] : kNamed) {
    if (name == word) {
      key.code = code;
      key.named = true;
      return key;
    }
  }
  const std::vector<int> points = ::text::CodePoints(text);
  if (points.size() == 1) {
    key.code = points[0];
    return key;
  }
  throw std::runtime_error("unknown key \"" + std::string(whole) +
                           "\" (a key name such as enter, left, delete, or one character)");
}

int ParseAnswer(std::string_view text) {
  const std::string name = ::text::Upper(text);
  if (name == "OK") return kAnswerOk;
  if (name == "YES") return kAnswerYes;
  if (name == "NO") return kAnswerNo;
  if (name == "CANCEL") return kAnswerCancel;
  throw std::runtime_error("unknown answer \"" + std::string(text) + "\" (ok, yes, no, cancel)");
}

}  // namespace script

namespace {

using script::ParseInt;
using script::SplitWord;

Control& Find(const Form& window, std::string_view name) {
  if (name.empty()) throw std::runtime_error("a control name is missing");
  if (Control* c = window.Find(name)) return *c;
  throw std::runtime_error("no control " + std::string(name) + " in window " + window.Name());
}

template <typename T>
T& As(Control& control, std::string_view command, const char* needs) {
  if (auto* t = dynamic_cast<T*>(&control)) return *t;
  throw std::runtime_error(std::string(command) + " needs " + needs + ": " + control.Name() +
                           " is a " + std::string(KindName(control.kind())));
}

int CheckedRow(const ItemList& list, const Control& control, std::string_view text) {
  const int row = ParseInt(text, "the row");
  if (row < 0 || row >= list.ListCount()) {
    throw std::runtime_error(control.Name() + " has " + std::to_string(list.ListCount()) +
                             " rows: there is no row " + std::to_string(row));
  }
  return row;
}

void Set(Control& control, std::string_view value) {
  if (auto* edit = dynamic_cast<EditControl*>(&control)) return edit->SetText(std::string(value));
  if (auto* box = dynamic_cast<CheckBox*>(&control)) return box->SetValue(ParseInt(value, "Value"));
  if (auto* bar = dynamic_cast<VScrollBar*>(&control))
    return bar->SetValue(ParseInt(value, "Value"));
  if (auto* list = dynamic_cast<ListBox*>(&control)) {
    return list->SetListIndex(ParseInt(value, "ListIndex"));
  }
  throw std::runtime_error("set needs a text box, combo box, check box, scroll bar or list box: " +
                           control.Name() + " is a " + std::string(KindName(control.kind())));
}

void Click(Control& control, std::string_view row, ScriptDriver& driver) {
  if (auto* list = dynamic_cast<ListBox*>(&control)) {
    if (row.empty()) throw std::runtime_error("click on list " + control.Name() + " needs a row");
    return driver.ClickRow(*list, CheckedRow(*list, control, row));
  }
  if (auto* combo = dynamic_cast<ComboBox*>(&control); combo && !row.empty()) {
    return driver.Choose(*combo, CheckedRow(*combo, control, row));
  }
  if (control.kind() == Kind::Menu) {
    throw std::runtime_error("a menu entry is chosen with `menu " + control.Name() +
                             "` before the click that pops its menu up");
  }
  driver.Click(control);
}

void RightClick(Control& control, std::string_view args, ScriptDriver& driver) {
  // The middle of the control, on a whole pixel, unless a position is given.
  int x = control.Width() / 2 / 15 * 15, y = control.Height() / 2 / 15 * 15;
  if (!args.empty()) {
    auto [xs, ys] = SplitWord(args);
    x = ParseInt(xs, "x");
    y = ParseInt(ys, "y");
  }
  driver.Press(control, 2, x, y);
}

void Choose(Control& control, std::string_view index, ScriptDriver& driver) {
  if (auto* list = dynamic_cast<ListBox*>(&control)) {
    return driver.ClickRow(*list, CheckedRow(*list, control, index));
  }
  auto& combo = As<ComboBox>(control, "choose", "a combo box or list box");
  driver.Choose(combo, CheckedRow(combo, control, index));
}

// The commands that act: what a user (or the code, for `set`) does.
bool RunActionCommand(std::string_view command, std::string_view args, const CommandContext& c) {
  auto [name, rest] = SplitWord(args);
  if (command == "type") {
    c.driver.Type(As<EditControl>(Find(c.window, name), command, "a text box or combo box"), rest);
  } else if (command == "key") {
    c.driver.Key(Find(c.window, name), script::ParseKey(rest));
  } else if (command == "paste") {
    c.driver.Paste(As<EditControl>(Find(c.window, name), command, "a text box or combo box"), rest);
  } else if (command == "wheel") {
    c.driver.Wheel(Find(c.window, name), ParseInt(rest, "the notches"));
  } else if (command == "set") {
    Set(Find(c.window, name), rest);
  } else if (command == "click") {
    Click(Find(c.window, name), rest, c.driver);
  } else if (command == "dblclick") {
    Control& control = Find(c.window, name);
    if (auto* edit = dynamic_cast<EditControl*>(&control); edit && rest.empty()) {
      return c.driver.DoubleClickText(*edit), true;
    }
    auto& list = As<ListBox>(control, command, "a list box, or a text box or combo box");
    c.driver.DoubleClickRow(list, CheckedRow(list, list, rest));
  } else if (command == "rightclick") {
    RightClick(Find(c.window, name), rest, c.driver);
  } else if (command == "choose") {
    Choose(Find(c.window, name), rest, c.driver);
  } else if (command == "scroll") {
    c.driver.Scroll(As<VScrollBar>(Find(c.window, name), command, "a scroll bar"),
                    ParseInt(rest, "the value"));
  } else if (command == "focus") {
    c.driver.Focus(Find(c.window, name));
  } else if (command == "answer") {
    c.driver.PrepareAnswer(script::ParseAnswer(args));
  } else if (command == "menu") {
    c.driver.PrepareMenuChoice(args == "none" ? std::string() : std::string(args));
  } else if (command == "close") {
    c.driver.Close(c.window);
  } else {
    return false;
  }
  return true;
}

}  // namespace

bool IsCommandLine(std::string_view line) {
  const std::size_t first = line.find_first_not_of(" \t");
  return first != std::string_view::npos && line[first] != '#';
}

void RunCommand(std::string_view line, const CommandContext& context) {
  line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
  auto [command, args] = SplitWord(line);
  if (RunActionCommand(command, args, context)) return;
  if (RunCheckCommand(command, args, context)) return;
  throw std::runtime_error("unknown command \"" + std::string(command) + "\"");
}

}  // namespace ui
