#pragma once
// Rights objects that write in a log when they are released, so that a test can see the
// order of termination (the database and its files log theirs through FakeDatabase).

#include <memory>
#include <string>
#include <vector>

#include "rights/rights.h"
#include "support/fake_database.h"

namespace testsupport {

// Writes `name` in the log when released.
struct Released {
  Released(Log& log, std::string name) : log_(log), name_(std::move(name)) {}
  ~Released() { log_.push_back(name_); }
  Log& log_;
  std::string name_;
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
