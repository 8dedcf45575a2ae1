#pragma once
// Internal to the stores: the file handle OpenFile returns, the same for both stores. It
// checks its arguments and leaves the storage to the database's primitives.

#include <memory>
#include <string>

#include "data/core/database.h"

namespace dba {

class AdminDatabase;

class StoreFile : public File {
 public:
  StoreFile(std::shared_ptr<AdminDatabase> database, std::string name);

  const std::string& Name() const override { return name_; }
  Record ReadRecord(std::string_view key) override;
  std::optional<Record> Find(std::string_view key) override;
  Record NewRecord(std::string_view key) override;
  void DeleteRecord(std::string_view key) override;
  void WriteRecord(std::string_view key, std::string_view text) override;
  void Prefetch(const std::vector<std::string>& keys) override;

 private:
  std::shared_ptr<AdminDatabase> database_;
  std::string name_;
};

}  // namespace dba
