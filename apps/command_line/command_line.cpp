#include "command_line.h"

#include <QCommandLineParser>
#include <QStringList>
#include <charconv>
#include <iostream>

namespace cli {

namespace {

const Option kHelp{"help", "", "show this help and exit"};
const Option kVersion{"version", "", "show the version and exit"};

// Arguments go through Qt as Latin-1, which maps every byte to one character and back:
// whatever the bytes, they come back out as they went in.
QString Wide(const std::string& s) { return QString::fromLatin1(s.data(), qsizetype(s.size())); }
std::string Narrow(const QString& s) { return s.toLatin1().toStdString(); }

}  // namespace

// One pass of QCommandLineParser over the line, with a given set of options.
class Parser {
 public:
  explicit Parser(const std::vector<const std::vector<Option>*>& tables) {
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    Add(kHelp, {"h", "help"});
    Add(kVersion, {"version"});
    for (const auto* table : tables)
      for (const Option& o : *table) Add(o, {Wide(o.name)});
  }

  // False for a wrong line; `error` says why.
  bool Parse(const std::vector<std::string>& args, std::string& error) {
    QStringList words{"program"};
    for (const std::string& a : args) words << Wide(a);
    if (parser_.parse(words)) return true;
    const QStringList unknown = parser_.unknownOptionNames();
    error = unknown.isEmpty()
                ? Narrow(parser_.errorText())
                : "unknown option " + std::string(unknown[0].size() == 1 ? "-" : "--") +
                      Narrow(unknown[0]);
    return false;
  }

  bool IsSet(const std::string& name) const { return parser_.isSet(Wide(name)); }

  // What the line gave; `skipWord` leaves out the first operand (the command word).
  Arguments Result(bool skipWord = false) const {
    Arguments result;
    for (const QString& name : names_) {
      if (!parser_.isSet(name)) continue;
      auto& values = result.values_[Narrow(name)];
      for (const QString& v : parser_.values(name)) values.push_back(Narrow(v));
    }
    QStringList operands = parser_.positionalArguments();
    if (skipWord && !operands.isEmpty()) operands.removeFirst();
    for (const QString& w : operands) result.operands_.push_back(Narrow(w));
    return result;
  }

 private:
  void Add(const Option& o, const QStringList& names) {
    if (names_.contains(names.last())) return;  // a name shared by several commands
    QCommandLineOption option(names);
    if (!o.value.empty()) option.setValueName(Wide(o.value));
    parser_.addOption(option);
    names_ << names.last();
  }

  QCommandLineParser parser_;
  QStringList names_;
};

std::string Arguments::Value(std::string_view option, const std::string& fallback) const {
  const auto found = values_.find(option);
  return found == values_.end() || found->second.empty() ? fallback : found->second.back();
}

long long Arguments::Number(std::string_view option, long long least, long long most,
                            long long fallback) const {
  if (!Has(option)) return fallback;
  const std::string text = Value(option);
  const std::string range = std::to_string(least) + ".." + std::to_string(most);
  long long n = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (text.empty() || end != text.data() + text.size() ||
      (ec != std::errc() && ec != std::errc::result_out_of_range)) {
    throw UsageError("--" + std::string(option) + " " + text + ": not a whole number (" + range +
                     ")");
  }
  if (ec == std::errc::result_out_of_range || n < least || n > most)
    throw UsageError("--" + std::string(option) + " " + text + ": out of range " + range);
  return n;
}

namespace {

const Command* FindCommand(const Program& program, const std::string& name) {
  for (const Command& c : program.commands)
    if (c.name == name) return &c;
  return nullptr;
}

bool Named(const Program& program) {
  return !(program.commands.size() == 1 && program.commands[0].name.empty());
}

// The command word: the first operand of a pass that knows every option of the program,
// so that an option's value is never taken for it. Null when the line names none.
const Command* ChooseCommand(const Program& program, const std::vector<std::string>& args) {
  if (!Named(program)) return &program.commands[0];
  std::vector<const std::vector<Option>*> tables{&program.options};
  for (const Command& c : program.commands) tables.push_back(&c.options);
  Parser all(tables);
  std::string error;
  all.Parse(args, error);  // a wrong line is told by the command's own pass
  const Arguments seen = all.Result();
  if (seen.Operands().empty()) {
    if (seen.Has("help") || seen.Has("version")) return nullptr;
    throw UsageError("no command given");
  }
  const std::string& word = seen.Operands()[0];
  if (const Command* c = FindCommand(program, word)) return c;
  throw UsageError("unknown command " + word);
}

std::string Usage(const Program& program, const Command& command) {
  return program.name + (command.name.empty() ? "" : " " + command.name) +
         (command.operands.empty() ? "" : " " + command.operands);
}

void CheckOperands(const Program& program, const Command& command, const Arguments& arguments) {
  const int count = static_cast<int>(arguments.Operands().size());
  if (count < command.least) throw UsageError("missing operand: " + Usage(program, command));
  if (command.most >= 0 && count > command.most)
    throw UsageError("unexpected operand " + arguments.Operands()[command.most] + ": " +
                     Usage(program, command));
}

int Dispatch(const Program& program, const std::vector<std::string>& args, std::ostream& out) {
  const Command* command = ChooseCommand(program, args);
  Parser parser({&program.options, command ? &command->options : &program.options});
  std::string error;
  const bool parsed = parser.Parse(args, error);
  // --help and --version are answered even on a line that is wrong otherwise.
  if (parser.IsSet("help")) {
    out << HelpText(program, command);
    return 0;
  }
  if (parser.IsSet("version")) {
    out << program.name << ' ' << VANTELOR_VERSION << '\n';
    return 0;
  }
  if (!parsed) throw UsageError(error);
  const Arguments arguments = parser.Result(Named(program));
  CheckOperands(program, *command, arguments);
  return command->run(arguments, out);
}

}  // namespace

int Run(const Program& program, const std::vector<std::string>& args, std::ostream& out,
        std::ostream& err) {
  try {
    const int status = Dispatch(program, args, out);
    out.flush();
    if (!out) {
      err << program.name << ": cannot write the output\n";
      return 1;
    }
    return status;
  } catch (const UsageError& e) {
    err << program.name << ": " << e.what() << "\n(" << program.name << " --help tells how)\n";
    return 2;
  } catch (const std::exception& e) {
    err << program.name << ": " << e.what() << '\n';
    return 1;
  }
}

int Run(const Program& program, int argc, char** argv) {
  return Run(program, std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}

}  // namespace cli
