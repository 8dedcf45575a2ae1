#include "host_options.h"

namespace host {

std::vector<cli::Option> OptionTable() {
  cli::Option db = cli::DatabaseOption();
  db.help =
      "the archive: a SQLite file or a postgresql:// URI (default: $VANTELOR_DB, else "
      "the demo database, made when missing)";
  return {db,
          {"user", "NAME", "whose rights apply (default: the login name)"},
          {"caregiver", "CODE", "a caregiver preselected (W_CodeAidant)"},
          {"script", "FILE", "run an automation script against the control, then exit"},
          {"check-screen", "", "with --script: compare the screen with the model after each line"},
          {"platform", "NAME", "Qt's platform (xcb, wayland, offscreen, vnc, ...)"}};
}

HostOptions ReadOptions(const cli::Arguments& args) {
  HostOptions o;
  o.db = args.Value("db");
  o.user = args.Value("user");
  o.caregiver = args.Value("caregiver");
  o.script = args.Value("script");
  o.check_screen = args.Has("check-screen");
  if (o.check_screen && o.script.empty()) throw cli::UsageError("--check-screen needs --script");
  return o;
}

}  // namespace host
