#include "data/store/common/store_file.h"

#include "data/core/admin_database.h"

namespace dba {

namespace {

[[noreturn]] void NotFound(const std::string& file, std::string_view key) {
  throw Error(kRecordNotFound, "no record " + std::string(key) + " in file " + file);
}

}  // namespace

StoreFile::StoreFile(std::shared_ptr<AdminDatabase> database, std::string name)
    : database_(std::move(database)), name_(std::move(name)) {}

Record StoreFile::ReadRecord(std::string_view key) {
  std::optional<Record> record = Find(key);
  if (!record) NotFound(name_, key);
  return std::move(*record);
}

std::optional<Record> StoreFile::Find(std::string_view key) {
  if (key.empty()) throw Error(kBadArgument, "cannot read from " + name_ + ": empty key");
  std::string text;
  if (!database_->ReadText(name_, key, text)) return std::nullopt;
  return Record(shared_from_this(), std::string(key), std::move(text));
}

Record StoreFile::NewRecord(std::string_view key) {
  if (key.empty()) throw Error(kBadArgument, "cannot make a record in " + name_ + ": empty key");
  return Record(shared_from_this(), std::string(key), std::string());
}

void StoreFile::DeleteRecord(std::string_view key) {
  if (key.empty()) throw Error(kBadArgument, "cannot delete from " + name_ + ": empty key");
  if (!database_->Erase(name_, key)) NotFound(name_, key);
}

void StoreFile::WriteRecord(std::string_view key, std::string_view text) {
  database_->Write(name_, key, text);
}

void StoreFile::Prefetch(const std::vector<std::string>& keys) { database_->Prefetch(name_, keys); }

}  // namespace dba
