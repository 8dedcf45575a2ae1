// The database option every program shares, and where it points by default.
#include <cstdlib>

#include "command_line.h"

namespace cli {

std::string DefaultDatabase() {
  if (const char* db = std::getenv("VANTELOR_DB"); db && *db) return db;
  if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data)
    return std::string(data) + "/vantelor/demo.db";
  const char* home = std::getenv("HOME");
  return std::string(home ? home : ".") + "/.local/share/vantelor/demo.db";
}

Option DatabaseOption() {
  return {"db", "NAME",
          "the archive: a SQLite file or a postgresql:// URI (default: $VANTELOR_DB, else the "
          "demo database)"};
}

}  // namespace cli
