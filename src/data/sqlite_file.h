#pragma once
// Internal to the store: the file handle OpenFile returns.

#include <memory>
#include <string>

#include "data/database.h"

namespace dba {

class SqliteDatabase;

class SqliteFile : public File {
 public:
  SqliteFile(std::shared_ptr<SqliteDatabase> database, std::string name);

  const std::string& Name() const override { return name_; }
  Record ReadRecord(std::string_view key) override;
  std::optional<Record> Find(std::string_view key) override;
  Record NewRecord(std::string_view key) override;
  void DeleteRecord(std::string_view key) override;
  void WriteRecord(std::string_view key, std::string_view text) override;

 private:
  std::shared_ptr<SqliteDatabase> database_;
  std::string name_;
};

}  // namespace dba
