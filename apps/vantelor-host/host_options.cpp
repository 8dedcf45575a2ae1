#include "host_options.h"

#include <cstdlib>
#include <map>

namespace host {

bool ParseOptions(const QStringList& args, HostOptions& options, std::string& error) {
  const std::map<QString, std::string*> valued = {{"--db", &options.db},
                                                  {"--user", &options.user},
                                                  {"--caregiver", &options.caregiver},
                                                  {"--script", &options.script}};
  for (qsizetype i = 1; i < args.size(); ++i) {
    if (args[i] == "--check-screen") {
      options.check_screen = true;
      continue;
    }
    const auto option = valued.find(args[i]);
    if (option == valued.end()) {
      error = "unknown option: " + args[i].toStdString();
      return false;
    }
    if (i + 1 >= args.size()) {
      error = args[i].toStdString() + " needs a value";
      return false;
    }
    *option->second = args[++i].toStdString();
  }
  return true;
}

std::string DefaultDatabase() {
  if (const char* db = std::getenv("VANTELOR_DB"); db && *db) return db;
  if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) {
    return std::string(data) + "/vantelor/demo.db";
  }
  const char* home = std::getenv("HOME");
  return std::string(home ? home : ".") + "/.local/share/vantelor/demo.db";
}

}  // namespace host
