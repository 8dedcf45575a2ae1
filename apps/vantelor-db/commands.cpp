#include "commands.h"

#include <filesystem>
#include <iostream>
#include <iterator>

#include "data/archive/archive_files.h"
#include "data/core/error.h"
#include "data/store/open_database.h"
#include "data/tools/json_lines.h"
#include "data/tools/json_reader.h"
#include "data/tools/new_archive.h"

namespace vantelordb {

namespace {

std::shared_ptr<dba::AdminDatabase> OpenExisting(const Arguments& args) {
  return dba::OpenNamedDatabase(Database(args), dba::OpenMode::kExisting);
}

// A key as one line: as it is, unless a control character would break the line or a
// leading double quote make it look like the quoted form.
std::string KeyLine(const std::string& key) {
  const bool plain =
      (key.empty() || key[0] != '"') && std::none_of(key.begin(), key.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
      });
  return plain ? key : dba::json::Quote(key);
}

std::string ReadStandardInput() {
  std::string text{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
  if (std::cin.bad()) throw dba::Error(dba::kBadArgument, "cannot read the standard input");
  return text;
}

}  // namespace

std::string Database(const Arguments& args) { return args.Value("db", cli::DefaultDatabase()); }

int Init(const Arguments& args, std::ostream& out) {
  auto database = dba::OpenNamedDatabase(Database(args), dba::OpenMode::kCreate);
  dba::CreateArchiveFiles(*database);
  out << "Database " << database->DisplayName() << " holds " << database->FileNames().size()
      << " files.\n";
  return 0;
}

int Import(const Arguments& args, std::ostream& out) {
  const std::string& path = args.Operands()[0];
  const bool latin1 = args.Has("latin1");
  if (path != "-" && std::filesystem::is_directory(path))
    throw dba::Error(dba::kBadArgument, "cannot import " + path + ": it is a folder");
  auto database = OpenExisting(args);
  const std::size_t count = path == "-"
                                ? dba::ImportJsonLines(*database, ReadStandardInput(), latin1)
                                : dba::ImportJsonLinesFile(*database, path, latin1);
  out << count << " records imported from " << (path == "-" ? "the standard input" : path) << ".\n";
  return 0;
}

int Export(const Arguments& args, std::ostream& out) {
  dba::ExportJsonLines(*OpenExisting(args), args.Operands(), out);
  return 0;
}

int Select(const Arguments& args, std::ostream& out) {
  const std::vector<std::string> keys = OpenExisting(args)->SelectKeys(args.Operands()[0]);
  if (!args.Has("json")) {
    for (const std::string& key : keys) out << KeyLine(key) << '\n';
    return 0;
  }
  out << '[';
  for (std::size_t i = 0; i < keys.size(); ++i)
    out << (i ? ",\n " : "") << dba::json::Quote(keys[i]);
  out << "]\n";
  return 0;
}

int Read(const Arguments& args, std::ostream& out) {
  const std::string& file = args.Operands()[0];
  const std::string& key = args.Operands()[1];
  const dba::Record record = OpenExisting(args)->OpenFile(file)->ReadRecord(key);
  out << dba::ToJsonLine(file, key, record.Text()) << '\n';
  return 0;
}

int Files(const Arguments& args, std::ostream& out) {
  auto database = OpenExisting(args);
  out << "Database " << database->DisplayName() << ":\n";
  for (const std::string& name : database->FileNames())
    out << "  " << name << std::string(name.size() < 20 ? 20 - name.size() : 1, ' ')
        << database->RecordCount(name) << " records\n";
  return 0;
}

int GrantClerk(const Arguments& args, std::ostream& out) {
  const std::string& role = args.Operands()[0];
  OpenExisting(args)->GrantClerk(role);
  out << "Role " << role
      << " may read every file and write only print requests (TEMPO) and the print log.\n";
  return 0;
}

int Reindex(const Arguments& args, std::ostream& out) {
  OpenExisting(args)->Reindex();
  out << "Dictionary indexes rebuilt.\n";
  return 0;
}

}  // namespace vantelordb
