#include "data/sqlite_file.h"

#include "data/sqlite_store.h"

namespace dba {

namespace {

[[noreturn]] void NotFound(const std::string& file, std::string_view key) {
  throw Error(kRecordNotFound, "no record " + std::string(key) + " in file " + file);
}

}  // namespace

SqliteFile::SqliteFile(std::shared_ptr<SqliteDatabase> database, std::string name)
    : database_(std::move(database)), name_(std::move(name)) {}

Record SqliteFile::ReadRecord(std::string_view key) {
  std::optional<Record> record = Find(key);
  if (!record) NotFound(name_, key);
  return std::move(*record);
}

std::optional<Record> SqliteFile::Find(std::string_view key) {
  if (key.empty()) throw Error(kBadArgument, "cannot read from " + name_ + ": empty key");
  std::string text;
  if (!database_->ReadText(name_, key, text)) return std::nullopt;
  return Record(shared_from_this(), std::string(key), std::move(text));
}

Record SqliteFile::NewRecord(std::string_view key) {
  if (key.empty()) throw Error(kBadArgument, "cannot make a record in " + name_ + ": empty key");
  return Record(shared_from_this(), std::string(key), std::string());
}

void SqliteFile::DeleteRecord(std::string_view key) {
  if (key.empty()) throw Error(kBadArgument, "cannot delete from " + name_ + ": empty key");
  if (!database_->Erase(name_, key)) NotFound(name_, key);
}

void SqliteFile::WriteRecord(std::string_view key, std::string_view text) {
  database_->Write(name_, key, text);
}

}  // namespace dba
