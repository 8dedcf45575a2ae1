#include "data/tools/new_archive.h"

#include "data/archive/archive_files.h"
#include "data/core/admin_database.h"
#include "data/store/open_database.h"

namespace dba {

namespace {

DictionaryItem NameItem(std::string_view indexFile, std::string_view name,
                        std::string_view civilFile) {
  DictionaryItem item;
  item.file = std::string(indexFile);
  item.name = std::string(name);
  item.sourceFile = std::string(civilFile);
  item.keyStart = 1;
  item.keyLength = 5;
  item.attributes = {2, 3};
  item.upper = true;
  return item;
}

}  // namespace

void CreateArchiveFiles(AdminDatabase& database) {
  Transaction transaction(database);
  for (std::string_view name : files::kAll) database.CreateFile(name);
  database.DefineDictionaryItem(
      NameItem(files::kAidantsArchiveBull, kNomPrenomAidantArchBull, files::kCivilAidant));
  database.DefineDictionaryItem(
      NameItem(files::kAidesArchiveBull, kNomPrenomAideArchBull, files::kCivilAide));
  transaction.Commit();
}

std::shared_ptr<AdminDatabase> NewMemoryArchive() {
  auto database = OpenNamedDatabase(":memory:", OpenMode::kCreate);
  CreateArchiveFiles(*database);
  return database;
}

}  // namespace dba
