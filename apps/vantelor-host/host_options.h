#pragma once
// The command line of vantelor-host (after Qt has taken its own options).

#include <QStringList>
#include <string>

namespace host {

struct HostOptions {
  std::string db;             // a SQLite file or a postgresql:// URI; "" = the demo database
  std::string user;           // "" = the login name
  std::string caregiver;      // preset for W_CodeAidant
  std::string script;         // an automation script to run, then exit with its result
  bool check_screen = false;  // the script compares the screen with the model after each line
};

inline constexpr const char* kUsage =
    "usage: vantelor-host [-platform NAME] [--db NAME] [--user NAME] [--caregiver CODE] "
    "[--script FILE [--check-screen]]";

// False, with the reason in `error`, for an unknown option or one without its value.
bool ParseOptions(const QStringList& args, HostOptions& options, std::string& error);

// The demo database: $VANTELOR_DB, else $XDG_DATA_HOME/vantelor/demo.db, else
// ~/.local/share/vantelor/demo.db.
std::string DefaultDatabase();

}  // namespace host
