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

class RecordingFile : public dba::File {
 public:
  RecordingFile(std::shared_ptr<dba::File> inner, Log& log) : inner_(std::move(inner)), log_(log) {}
  ~RecordingFile() override { log_.push_back(inner_->Name()); }
  const std::string& Name() const override { return inner_->Name(); }
  dba::Record ReadRecord(std::string_view key) override { return inner_->ReadRecord(key); }
  dba::Record NewRecord(std::string_view key) override { return inner_->NewRecord(key); }
  void DeleteRecord(std::string_view key) override { inner_->DeleteRecord(key); }
  void WriteRecord(std::string_view key, std::string_view text) override {
    inner_->WriteRecord(key, text);
  }

 private:
  std::shared_ptr<dba::File> inner_;
  Log& log_;
};

class RecordingDatabase : public dba::Database {
 public:
  RecordingDatabase(std::shared_ptr<dba::Database> inner, Log& log, std::string failOn = "")
      : inner_(std::move(inner)), log_(log), failOn_(std::move(failOn)) {}
  ~RecordingDatabase() override { log_.push_back("database"); }
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
  Log& log_;
  std::string failOn_;
};

class RecordingAccess : public rights::FunctionAccess {
 public:
  explicit RecordingAccess(Log& log) : log_(log) {}
  ~RecordingAccess() override { log_.push_back("function rights"); }
  bool PersonAccess(const std::string&, int) override { return true; }

 private:
  Log& log_;
};

class RecordingRights : public rights::UserRights {
 public:
  explicit RecordingRights(Log& log, bool fail = false) : log_(log), fail_(fail) {}
  ~RecordingRights() override { log_.push_back("user rights"); }
  std::shared_ptr<rights::FunctionAccess> FunctionRights(const std::string& code) override {
    asked.push_back(code);
    if (fail_) throw dba::Error(dba::kStorageFailure, "rights unreadable");
    return std::make_shared<RecordingAccess>(log_);
  }
  std::vector<std::string> asked;

 private:
  Log& log_;
  bool fail_;
};

}  // namespace testsupport
