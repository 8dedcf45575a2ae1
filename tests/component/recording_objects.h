#pragma once
// Outside objects that write in a log when they are released, so that a test can see the
// order of termination, and a database that fails to open one named file.

#include <memory>
#include <string>
#include <vector>

#include "data/sqlite_store.h"
#include "rights/rights.h"

namespace testsupport {

using Log = std::vector<std::string>;

// Writes `name` in the log when released.
struct Released {
  Released(Log& log, std::string name) : log_(log), name_(std::move(name)) {}
  ~Released() { log_.push_back(name_); }
  Log& log_;
  std::string name_;
};

class RecordingFile : public dba::File, Released {
 public:
  RecordingFile(std::shared_ptr<dba::File> inner, Log& log)
      : Released(log, inner->Name()), inner_(std::move(inner)) {}
  const std::string& Name() const override { return inner_->Name(); }
  dba::Record ReadRecord(std::string_view key) override { return inner_->ReadRecord(key); }
  dba::Record NewRecord(std::string_view key) override { return inner_->NewRecord(key); }
  void DeleteRecord(std::string_view key) override { inner_->DeleteRecord(key); }
  void WriteRecord(std::string_view key, std::string_view text) override {
    inner_->WriteRecord(key, text);
  }

 private:
  std::shared_ptr<dba::File> inner_;
};

class RecordingDatabase : public dba::Database, Released {
 public:
  RecordingDatabase(std::shared_ptr<dba::Database> inner, Log& log, std::string failOn = "")
      : Released(log, "database"), inner_(std::move(inner)), failOn_(std::move(failOn)) {}
  std::shared_ptr<dba::File> OpenFile(std::string_view name) override {
    if (name == failOn_) throw dba::Error(dba::kFileNotFound, "cannot open file " + failOn_);
    opened.emplace_back(name);
    return std::make_shared<RecordingFile>(inner_->OpenFile(name), log_);
  }
  dba::DynArray ExecuteSentence(std::string_view command, std::string_view options) override {
    return inner_->ExecuteSentence(command, options);
  }
  std::vector<std::string> opened;

 private:
  std::shared_ptr<dba::Database> inner_;
  std::string failOn_;
};

struct RecordingAccess : rights::FunctionAccess, Released {
  explicit RecordingAccess(Log& log) : Released(log, "function rights") {}
  bool PersonAccess(const std::string&, int) override { return true; }
};

class RecordingRights : public rights::UserRights, Released {
 public:
  explicit RecordingRights(Log& log, bool fail = false)
      : Released(log, "user rights"), fail_(fail) {}
  std::shared_ptr<rights::FunctionAccess> FunctionRights(const std::string& code) override {
    asked.push_back(code);
    if (fail_) throw dba::Error(dba::kStorageFailure, "rights unreadable");
    return std::make_shared<RecordingAccess>(log_);
  }
  std::vector<std::string> asked;

 private:
  bool fail_;
};

}  // namespace testsupport
