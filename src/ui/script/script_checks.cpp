// The script commands that check and record: expect, expect-message, expect-focus,
// expect-window, dump, shot.

#include <fstream>
#include <ostream>
#include <stdexcept>

#include "ui/dump.h"
#include "ui/script/script.h"
#include "ui/script/script_commands.h"

namespace ui {
namespace {

using script::SplitWord;

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

void Expect(std::string_view what, std::string_view found, std::string_view expected) {
  if (found == expected) return;
  throw std::runtime_error(std::string(what) + ": found " + Quoted(found) + ", expected " +
                           Quoted(expected));
}

// "List(3)" → 3; -1 when the property is not of that form.
int ListItemIndex(std::string_view property) {
  if (property.size() < 7 || property.substr(0, 5) != "List(" || property.back() != ')') return -1;
  return script::ParseInt(property.substr(5, property.size() - 6), "the item number");
}

std::string PropertyText(const Form& window, std::string_view name, std::string_view property) {
  if (name == "Screen" && property == "MousePointer") {
    return std::to_string(desktop().MousePointer());
  }
  Control* control = window.Find(name);
  if (!control) {
    throw std::runtime_error("no control " + std::string(name) + " in window " + window.Name());
  }
  if (const int item = ListItemIndex(property); item >= 0) {
    if (const auto* list = dynamic_cast<const ItemList*>(control))
      return ShownText(list->List(item));
    throw std::runtime_error(control->Name() + " has no list items");
  }
  PropertyValue value;
  if (!control->GetProperty(property, value)) {
    throw std::runtime_error(control->Name() + " has no property " + std::string(property));
  }
  return ShownText(ToText(value));
}

void ExpectProperty(std::string_view args, const CommandContext& c) {
  auto [name, rest] = SplitWord(args);
  auto [property, expected] = SplitWord(rest);
  if (property.empty()) throw std::runtime_error("expect needs a control and a property");
  Expect("expect " + std::string(name) + " " + std::string(property),
         PropertyText(c.window, name, property), expected);
}

void ExpectMessage(std::string_view expected, const CommandContext& c) {
  const MessageRecord* last = c.driver.LastMessage();
  if (!last) throw std::runtime_error("expect-message: no message box was shown");
  Expect("expect-message", last->text, expected);
}

void ExpectFocus(std::string_view expected, const CommandContext&) {
  const Control* focus = Control::Focused();
  Expect("expect-focus", focus ? focus->Name() : "none", expected);
}

void Dump(std::string_view file, const CommandContext& c) {
  const std::string json = DumpJson(c.window);
  if (file.empty()) {
    c.out << json;
    return;
  }
  std::ofstream stream{std::string(file), std::ios::binary};
  stream << json;
  if (!stream.flush()) throw std::runtime_error("dump: cannot write " + std::string(file));
}

void Shot(std::string_view file, const CommandContext& c) {
  if (file.empty()) throw std::runtime_error("shot needs a file name");
  c.driver.Shot(c.window, std::string(file));
}

}  // namespace

bool RunCheckCommand(std::string_view command, std::string_view args, const CommandContext& c) {
  if (command == "expect") {
    ExpectProperty(args, c);
  } else if (command == "expect-message") {
    ExpectMessage(args, c);
  } else if (command == "expect-focus") {
    ExpectFocus(args, c);
  } else if (command == "expect-window") {
    Expect("expect-window", c.window.Name(), args);
  } else if (command == "dump") {
    Dump(args, c);
  } else if (command == "shot") {
    Shot(args, c);
  } else if (command == "check-names") {
    const std::string faults = c.driver.CheckNames(c.window);
    if (!faults.empty()) throw std::runtime_error("check-names: " + faults);
  } else if (command == "check-screen") {
    const std::string difference = c.driver.CheckScreen();
    if (!difference.empty()) throw std::runtime_error("the screen differs: " + difference);
  } else {
    return false;
  }
  return true;
}

}  // namespace ui
