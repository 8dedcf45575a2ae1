// The help of a program and of each of its commands, made from their tables.
#include <algorithm>
#include <sstream>

#include "command_line.h"

namespace cli {

namespace {

constexpr const char* kExitStatus = "Exit status: 0 done, 1 a data fault, 2 a wrong command line.";

std::string Spelled(const Option& o) {
  return "--" + o.name + (o.value.empty() ? "" : " " + o.value);
}

constexpr std::size_t kLineWidth = 80;

// Two columns: what to type, what it does (its words wrapped within the line width).
void Table(std::ostream& out, const std::vector<std::pair<std::string, std::string>>& rows) {
  std::size_t width = 0;
  for (const auto& [left, right] : rows) width = std::max(width, left.size());
  const std::size_t indent = width + 4;
  for (const auto& [left, right] : rows) {
    out << "  " << left << std::string(width - left.size() + 2, ' ');
    std::istringstream words(right);
    std::size_t column = indent;
    for (std::string word; words >> word; column += word.size() + 1) {
      if (column > indent && column + word.size() > kLineWidth) {
        out << '\n' << std::string(indent, ' ');
        column = indent;
      }
      out << (column > indent ? " " : "") << word;
    }
    out << '\n';
  }
}

void Options(std::ostream& out, const std::vector<Option>& first,
             const std::vector<Option>& second) {
  std::vector<std::pair<std::string, std::string>> rows;
  for (const auto* table : {&first, &second})
    for (const Option& o : *table) rows.emplace_back(Spelled(o), o.help);
  rows.emplace_back("--help", "show this help and exit");
  rows.emplace_back("--version", "show the version and exit");
  out << "\nOptions:\n";
  Table(out, rows);
}

// The options in the usage line; a long list is left to the table below it.
std::string Brackets(const std::vector<Option>& options) {
  if (options.size() > 3) return " [OPTIONS]";
  std::string text;
  for (const Option& o : options) text += " [" + Spelled(o) + "]";
  return text;
}

}  // namespace

std::string HelpText(const Program& program, const Command* command) {
  std::ostringstream out;
  const bool words = !(program.commands.size() == 1 && program.commands[0].name.empty());
  if (command && !command->name.empty()) {
    out << "usage: " << program.name << Brackets(program.options) << ' ' << command->name
        << Brackets(command->options) << (command->operands.empty() ? "" : " ") << command->operands
        << "\n\n"
        << command->help << '\n';
    Options(out, command->options, program.options);
  } else if (words) {
    out << "usage: " << program.name << Brackets(program.options) << " COMMAND [ARGS...]\n\n"
        << program.about << "\n\nCommands:\n";
    std::vector<std::pair<std::string, std::string>> rows;
    for (const Command& c : program.commands)
      rows.emplace_back(c.name + (c.operands.empty() ? "" : " " + c.operands), c.help);
    Table(out, rows);
    Options(out, program.options, {});
    out << "\n" << program.name << " COMMAND --help tells a command's own options.\n";
  } else {
    const Command& only = program.commands[0];
    out << "usage: " << program.name << Brackets(program.options) << Brackets(only.options)
        << (only.operands.empty() ? "" : " ") << only.operands << "\n\n"
        << program.about << '\n';
    Options(out, program.options, only.options);
  }
  out << '\n' << (program.exitStatus.empty() ? kExitStatus : program.exitStatus) << '\n';
  return out.str();
}

}  // namespace cli
