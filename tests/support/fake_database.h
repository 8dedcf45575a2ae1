#pragma once
// A database that passes every call to a real one, except those a test tells it to fail:
// the way to prove that a handler leaves nothing behind when the database fails half-way.
// It also notes the files it opened and, when given a log, the order in which it and its
// files are released.
//   auto db = std::make_shared<testsupport::FakeDatabase>(dba::NewMemoryArchive());
//   db->FailWhen([](const testsupport::Call& c) { return c.op == "write" && c.file == "TEMPO"; });

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "data/core/database.h"

namespace testsupport {

using Log = std::vector<std::string>;

struct Call {
  std::string op;  // "open", "read" (ReadRecord and Find), "new", "delete", "write", "select"
  std::string file;
  std::string key;
};

// What the database and its files share: the calls to fail, the release log.
struct FakeRules {
  std::function<bool(const Call&)> fails;
  Log* released = nullptr;

  // Throws dba::Error(kStorageFailure) for a call that `fails` picks.
  void Check(const Call& call) const {
    if (fails && fails(call)) {
      throw dba::Error(dba::kStorageFailure,
                       "injected failure: " + call.op + " " + call.file + " " + call.key);
    }
  }
};

// The one forwarding file of the fakes: every call checked first. Records it returns
// belong to it, so that DBWrite comes back through it.
class FakeFile : public dba::File {
 public:
  FakeFile(std::shared_ptr<FakeRules> rules, std::shared_ptr<dba::File> real)
      : rules_(std::move(rules)), real_(std::move(real)) {}
  ~FakeFile() override {
    if (rules_->released) rules_->released->push_back(Name());
  }
  const std::string& Name() const override { return real_->Name(); }
  // Find is the base class's, which asks ReadRecord.
  dba::Record ReadRecord(std::string_view key) override {
    Check("read", key);
    const dba::Record r = real_->ReadRecord(key);
    return dba::Record(shared_from_this(), r.Key(), r.Text());
  }
  dba::Record NewRecord(std::string_view key) override {
    Check("new", key);
    return dba::Record(shared_from_this(), std::string(key), "");
  }
  void DeleteRecord(std::string_view key) override {
    Check("delete", key);
    real_->DeleteRecord(key);
  }
  void WriteRecord(std::string_view key, std::string_view text) override {
    Check("write", key);
    real_->WriteRecord(key, text);
  }
  void Prefetch(const std::vector<std::string>& keys) override { real_->Prefetch(keys); }

 private:
  void Check(const char* op, std::string_view key) const {
    rules_->Check({op, Name(), std::string(key)});
  }

  std::shared_ptr<FakeRules> rules_;
  std::shared_ptr<dba::File> real_;
};

class FakeDatabase : public dba::Database {
 public:
  explicit FakeDatabase(std::shared_ptr<dba::Database> real, Log* released = nullptr)
      : real_(std::move(real)) {
    rules_->released = released;
  }
  ~FakeDatabase() override {
    if (rules_->released) rules_->released->push_back("database");
  }

  // Calls for which `fails` answers true throw dba::Error(kStorageFailure).
  void FailWhen(std::function<bool(const Call&)> fails) { rules_->fails = std::move(fails); }

  std::shared_ptr<dba::File> OpenFile(std::string_view name) override {
    rules_->Check({"open", std::string(name), ""});
    auto file = std::make_shared<FakeFile>(rules_, real_->OpenFile(name));
    opened.emplace_back(name);
    return file;
  }
  dba::DynArray ExecuteSentence(std::string_view command, std::string_view options) override {
    rules_->Check({"select", "", std::string(command)});
    return real_->ExecuteSentence(command, options);
  }

  Log opened;  // files opened, in order

 private:
  std::shared_ptr<dba::Database> real_;
  std::shared_ptr<FakeRules> rules_ = std::make_shared<FakeRules>();
};

// Writes `text` under `key` in `file`, through the database interface.
inline void Put(dba::Database& db, std::string_view file, std::string_view key,
                std::string_view text) {
  db.OpenFile(file)->WriteRecord(key, text);
}

// The text stored under `key` in `file`; "<none>" when there is no such record.
inline std::string Stored(dba::Database& db, std::string_view file, std::string_view key) {
  const std::optional<dba::Record> record = db.OpenFile(file)->Find(key);
  return record ? record->Text() : "<none>";
}

// How many records `file` holds.
inline int Count(dba::Database& db, std::string_view file) {
  const std::string sentence = "SELECT " + std::string(file);
  return db.ExecuteSentence(dba::QueryCommand(sentence, file)).DCount();
}

}  // namespace testsupport
