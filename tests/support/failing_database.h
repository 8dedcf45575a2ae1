#pragma once
// A database that passes every call to a real one, except those a test tells it to fail:
// the way to prove that a handler leaves nothing behind when the database fails half-way.
//   auto db = std::make_shared<testsupport::FailingDatabase>(dba::NewMemoryArchive());
//   db->FailWhen([](const testsupport::Call& c) { return c.op == "write" && c.file ==
//   "IMPRESSIONS"; });

#include <functional>
#include <memory>
#include <string>

#include "data/database.h"

namespace testsupport {

struct Call {
  std::string op;  // "open", "read", "new", "delete", "write", "select"
  std::string file;
  std::string key;
};

class FailingDatabase : public dba::Database, public std::enable_shared_from_this<FailingDatabase> {
 public:
  explicit FailingDatabase(std::shared_ptr<dba::Database> real) : real_(std::move(real)) {}

  // Calls for which `fails` answers true throw dba::Error(kStorageFailure).
  void FailWhen(std::function<bool(const Call&)> fails) { fails_ = std::move(fails); }

  void Check(const Call& call) const {
    if (fails_ && fails_(call)) {
      throw dba::Error(dba::kStorageFailure,
                       "injected failure: " + call.op + " " + call.file + " " + call.key);
    }
  }

  std::shared_ptr<dba::File> OpenFile(std::string_view name) override;
  dba::DynArray ExecuteSentence(std::string_view command, std::string_view options) override {
    Check({"select", "", std::string(command)});
    return real_->ExecuteSentence(command, options);
  }

 private:
  std::shared_ptr<dba::Database> real_;
  std::function<bool(const Call&)> fails_;
};

class FailingFile : public dba::File {
 public:
  FailingFile(std::shared_ptr<const FailingDatabase> db, std::shared_ptr<dba::File> real)
      : db_(std::move(db)), real_(std::move(real)) {}
  const std::string& Name() const override { return real_->Name(); }
  dba::Record ReadRecord(std::string_view key) override {
    db_->Check({"read", Name(), std::string(key)});
    dba::Record r = real_->ReadRecord(key);
    return dba::Record(shared_from_this(), r.Key(), r.Text());
  }
  dba::Record NewRecord(std::string_view key) override {
    db_->Check({"new", Name(), std::string(key)});
    return dba::Record(shared_from_this(), std::string(key), "");
  }
  void DeleteRecord(std::string_view key) override {
    db_->Check({"delete", Name(), std::string(key)});
    real_->DeleteRecord(key);
  }
  void WriteRecord(std::string_view key, std::string_view text) override {
    db_->Check({"write", Name(), std::string(key)});
    real_->WriteRecord(key, text);
  }

 private:
  std::shared_ptr<const FailingDatabase> db_;
  std::shared_ptr<dba::File> real_;
};

inline std::shared_ptr<dba::File> FailingDatabase::OpenFile(std::string_view name) {
  Check({"open", std::string(name), ""});
  return std::make_shared<FailingFile>(shared_from_this(), real_->OpenFile(name));
}

}  // namespace testsupport
