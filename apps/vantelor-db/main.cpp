// vantelor-db: the database tool. vantelor-db [--db NAME] COMMAND [ARGS...]
// NAME is a SQLite file or a postgresql:// URI. Without --db it works on the demo
// database: $VANTELOR_DB, or ~/.local/share/vantelor/demo.db (under $XDG_DATA_HOME when set).
#include <cstdlib>
#include <iostream>
#include <map>

#include "commands.h"
#include "data/error.h"

namespace {

using Command = void (*)(const std::string&, const vantelordb::Arguments&, std::ostream&);

const char* const kUsage =
    "usage: vantelor-db [--db NAME] COMMAND      (NAME: a SQLite file or a postgresql:// URI)\n"
    "  init                          make every archive file (keeps existing records)\n"
    "  seed-demo [--scale N] [--seed S]  fill it with the demo archive\n"
    "  import FILE.jsonl [--latin1]  load JSON Lines records, all or nothing\n"
    "  export [FILE ...]             JSON Lines to stdout (every file by default)\n"
    "  select \"SENTENCE\"             run a query sentence; keys one a line\n"
    "  read FILE KEY                 one record as a JSON line\n"
    "  files                         the files and their record counts\n"
    "  reindex                       rebuild dictionary indexes after outside edits\n"
    "  copy --to NAME [--replace]    copy the whole archive into NAME, in one transaction\n"
    "  grant-clerk ROLE              server only: ROLE reads everything, writes TEMPO and\n"
    "                                the print log only\n"
    "  log [--from YYYY-MM-DD] [--user NAME]  the print log: who printed what, where\n";

std::string DefaultDatabase() {
  if (const char* db = std::getenv("VANTELOR_DB"); db && *db) return db;
  if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data)
    return std::string(data) + "/vantelor/demo.db";
  const char* home = std::getenv("HOME");
  return std::string(home ? home : ".") + "/.local/share/vantelor/demo.db";
}

const std::map<std::string, Command>& Commands() {
  static const std::map<std::string, Command> commands = {
      {"init", vantelordb::Init},     {"seed-demo", vantelordb::SeedDemo},
      {"import", vantelordb::Import}, {"export", vantelordb::Export},
      {"select", vantelordb::Select}, {"read", vantelordb::Read},
      {"files", vantelordb::Files},   {"reindex", vantelordb::Reindex},
      {"copy", vantelordb::Copy},     {"grant-clerk", vantelordb::GrantClerk},
      {"log", vantelordb::Log},
  };
  return commands;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> words(argv + 1, argv + argc);
  std::string db = DefaultDatabase();
  if (words.size() >= 2 && words[0] == "--db") {
    db = words[1];
    words.erase(words.begin(), words.begin() + 2);
  }
  if (words.empty() || words[0] == "--help" || words[0] == "-h") {
    std::cerr << kUsage;
    return words.empty() ? 2 : 0;
  }
  const auto command = Commands().find(words[0]);
  if (command == Commands().end()) {
    std::cerr << "vantelor-db: unknown command " << words[0] << "\n" << kUsage;
    return 2;
  }
  try {
    command->second(db, {words.begin() + 1, words.end()}, std::cout);
    std::cout.flush();
    return std::cout ? 0 : 1;
  } catch (const vantelordb::UsageError& e) {
    std::cerr << e.what() << "\n";
    return 2;
  } catch (const dba::Error& e) {
    std::cerr << "vantelor-db: " << e.what() << "\n";
    return 1;
  } catch (const std::exception& e) {
    std::cerr << "vantelor-db: " << e.what() << "\n";
    return 1;
  }
}
