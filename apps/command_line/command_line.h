#pragma once
// The command lines of Vantelor's programs, every one read the same way (Qt's
// QCommandLineParser underneath). A program is a table: its options, then its commands,
// each with its own options and operands; a program without command words has one command
// with an empty name. Adding an option or a command is adding one entry.
//
// Conventions shared by every program and command:
//   --help (-h) prints the help on stdout and exits 0; --version prints "NAME VERSION";
//   options go anywhere on the line, as "--db NAME" or "--db=NAME"; "--" ends the options;
//   "-" is an operand (standard input, for a command that reads a file);
//   a wrong command line exits 2, any other failure 1 (or what the command returns);
//   every message on stderr starts with the program's name.
// Arguments are kept byte for byte: a key that is not UTF-8 reaches the command unchanged.

#include <functional>
#include <iosfwd>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// A wrong command line: exit status 2, with the help's pointer.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Option {
  std::string name;   // "db" is --db
  std::string value;  // what the value is called ("NAME"); "" for an option without one
  std::string help;
};

// What a command receives.
class Arguments {
 public:
  // Whether the option was given.
  bool Has(std::string_view option) const { return values_.count(std::string(option)) > 0; }
  // Its value (the last one when given more than once), or `fallback` when absent.
  std::string Value(std::string_view option, const std::string& fallback = "") const;
  // Its value as a whole number from `least` to `most`; `fallback` when absent. Anything
  // else is a UsageError naming the option and the range.
  long long Number(std::string_view option, long long least, long long most,
                   long long fallback) const;
  const std::vector<std::string>& Operands() const { return operands_; }

 private:
  friend class Parser;
  std::map<std::string, std::vector<std::string>, std::less<>> values_;
  std::vector<std::string> operands_;
};

// Runs a command: returns its exit status; throws UsageError (status 2) or anything else
// derived from std::exception (status 1).
using Action = std::function<int(const Arguments&, std::ostream& out)>;

struct Command {
  std::string name;      // "" for a program without command words
  std::string operands;  // as the help shows them: "FILE.jsonl|-", "[FILE ...]"
  int least = 0;         // operands needed
  int most = 0;          // operands taken; -1 for any number
  std::string help;      // one line
  std::vector<Option> options;
  Action run;
};

struct Program {
  std::string name;             // "vantelor-db"
  std::string about;            // the help's paragraphs, under the usage
  std::vector<Option> options;  // accepted with every command
  std::vector<Command> commands;
  std::string exitStatus;  // the help's last paragraph; empty: the usual one
};

// Parses `args` (without the program's own path) and runs the command they name; returns
// the exit status. Nothing is run for --help, --version or a wrong command line.
int Run(const Program& program, const std::vector<std::string>& args, std::ostream& out,
        std::ostream& err);
// The same with main()'s arguments, on std::cout and std::cerr.
int Run(const Program& program, int argc, char** argv);

// The help of the program (`command` null) or of one of its commands.
std::string HelpText(const Program& program, const Command* command);

// The database a program works on when no --db is given: $VANTELOR_DB, else the demo
// database $XDG_DATA_HOME/vantelor/demo.db, else ~/.local/share/vantelor/demo.db.
std::string DefaultDatabase();
// The option --db NAME, the same in every program.
Option DatabaseOption();

}  // namespace cli
