#pragma once
// The command line of vantelor-host: its options (cli table) and what a run needs.

#include <string>
#include <vector>

#include "command_line/command_line.h"

namespace host {

struct HostOptions {
  std::string db;             // a SQLite file or a postgresql:// URI; "" = the demo database
  std::string user;           // "" = the login name
  std::string caregiver;      // preset for W_CodeAidant
  std::string script;         // an automation script to run, then exit with its result
  bool check_screen = false;  // the script compares the screen with the model after each line
};

// The options, Qt's -platform among them (Qt reads it again when the application starts).
std::vector<cli::Option> OptionTable();
HostOptions ReadOptions(const cli::Arguments& args);

}  // namespace host
