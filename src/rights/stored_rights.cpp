#include "rights/stored_rights.h"

#include <algorithm>

#include "text/text.h"

namespace rights {

AccessCodes::AccessCodes(std::vector<std::string> codes) : codes_(std::move(codes)) {}

bool AccessCodes::PersonAccess(const std::string& accessCode, int mode) {
  if (mode != 0) {
    throw dba::Error(dba::kBadArgument,
                     "PersonAccess: mode " + std::to_string(mode) + " is not known (0 is)");
  }
  return std::any_of(codes_.begin(), codes_.end(),
                     [&](const std::string& c) { return c == "*" || c == accessCode; });
}

StoredUserRights::StoredUserRights(std::shared_ptr<dba::Database> db, std::string userName)
    : db_(std::move(db)), user_(std::move(userName)) {
  if (!db_) throw dba::Error(dba::kBadArgument, "user rights need a database");
}

std::shared_ptr<FunctionAccess> StoredUserRights::FunctionRights(const std::string& functionCode) {
  std::vector<std::string> codes;
  if (!text::Trim(user_).empty()) {
    try {
      const dba::Record record =
          db_->OpenFile("DROITS")->ReadRecord(DroitsKey(user_, functionCode));
      // An empty value names no code: a person without one is seen only through "*".
      for (int v = 1; v <= record.DCount(1); ++v) {
        if (!record(1, v).empty()) codes.push_back(record(1, v));
      }
    } catch (const dba::Error& e) {
      if (!e.IsRecordNotFound()) throw;
    }
  }
  return std::make_shared<AccessCodes>(std::move(codes));
}

std::string DroitsKey(const std::string& userName, const std::string& functionCode) {
  return text::Upper(userName) + "*" + text::Upper(functionCode);
}

}  // namespace rights
