#pragma once
// The command line of vantelor-print: its table (kProgram's options) and what a run needs.

#include <string>
#include <vector>

#include "command_line/command_line.h"

namespace vantelorprint {

struct Options {
  std::string db;  // --db, else the default database
  std::string out;
  bool preprinted = false;
  bool force = false;   // --out may replace an existing regular file
  std::string user;     // empty: the login name
  std::string printer;  // empty: VANTELOR_PRINTER
  std::vector<std::string> keys;
  std::string caregiver;  // with from/to, instead of keys
  std::string from, to;   // YYYYMM
};

// The options of vantelor-print, for its cli::Program.
std::vector<cli::Option> OptionTable();
// What the command line asks for; cli::UsageError saying what is wrong.
Options ReadOptions(const cli::Arguments& args);

}  // namespace vantelorprint
