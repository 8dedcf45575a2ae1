#include "commands.h"

#include <ostream>

#include "data/archive_files.h"
#include "data/json_lines.h"
#include "data/store/open_database.h"

namespace vantelordb {

namespace {

std::shared_ptr<dba::AdminDatabase> OpenExisting(const std::string& name) {
  return dba::OpenNamedDatabase(name, dba::OpenMode::kExisting);
}

void ExpectCount(const Arguments& args, std::size_t count, const char* usage) {
  if (args.size() != count) throw UsageError(std::string("usage: vantelor-db ") + usage);
}

}  // namespace

void Init(const std::string& db, const Arguments& args, std::ostream& out) {
  ExpectCount(args, 0, "init");
  auto database = dba::OpenNamedDatabase(db, dba::OpenMode::kCreate);
  dba::CreateArchiveFiles(*database);
  out << "Database " << database->DisplayName() << " holds " << database->FileNames().size()
      << " files.\n";
}

void Import(const std::string& db, const Arguments& args, std::ostream& out) {
  std::string path;
  bool latin1 = false;
  for (const std::string& a : args) {
    if (a == "--latin1") {
      latin1 = true;
    } else if (path.empty()) {
      path = a;
    } else {
      throw UsageError("usage: vantelor-db import FILE.jsonl [--latin1]");
    }
  }
  if (path.empty()) throw UsageError("usage: vantelor-db import FILE.jsonl [--latin1]");
  auto database = OpenExisting(db);
  const std::size_t count = dba::ImportJsonLinesFile(*database, path, latin1);
  out << count << " records imported from " << path << ".\n";
}

void Export(const std::string& db, const Arguments& args, std::ostream& out) {
  dba::ExportJsonLines(*OpenExisting(db), args, out);
}

void Select(const std::string& db, const Arguments& args, std::ostream& out) {
  ExpectCount(args, 1, "select \"SENTENCE\"");
  for (const std::string& key : OpenExisting(db)->SelectKeys(args[0])) out << key << '\n';
}

void Read(const std::string& db, const Arguments& args, std::ostream& out) {
  ExpectCount(args, 2, "read FILE KEY");
  const dba::Record record = OpenExisting(db)->OpenFile(args[0])->ReadRecord(args[1]);
  out << dba::ToJsonLine(args[0], args[1], record.Text()) << '\n';
}

void Files(const std::string& db, const Arguments& args, std::ostream& out) {
  ExpectCount(args, 0, "files");
  auto database = OpenExisting(db);
  out << "Database " << database->DisplayName() << ":\n";
  for (const std::string& name : database->FileNames())
    out << "  " << name << std::string(name.size() < 20 ? 20 - name.size() : 1, ' ')
        << database->RecordCount(name) << " records\n";
}

void GrantClerk(const std::string& db, const Arguments& args, std::ostream& out) {
  ExpectCount(args, 1, "grant-clerk ROLE");
  OpenExisting(db)->GrantClerk(args[0]);
  out << "Role " << args[0]
      << " may read every file and write only print requests (TEMPO) and the print log.\n";
}

void Reindex(const std::string& db, const Arguments& args, std::ostream& out) {
  ExpectCount(args, 0, "reindex");
  OpenExisting(db)->Reindex();
  out << "Dictionary indexes rebuilt.\n";
}

}  // namespace vantelordb
