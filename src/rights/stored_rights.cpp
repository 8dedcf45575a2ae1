#include "rights/stored_rights.h"

#include <algorithm>

#include "data/archive/archive_files.h"
#include "data/archive/request_records.h"
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

std::string StoredUserRights::UserName() const { return text::Upper(user_); }

std::shared_ptr<FunctionAccess> StoredUserRights::FunctionRights(const std::string& functionCode) {
  return std::make_shared<AccessCodes>(AccessCodesOf(functionCode));
}

std::vector<std::string> StoredUserRights::AccessCodesOf(const std::string& functionCode) const {
  std::vector<std::string> codes;
  if (!text::Trim(user_).empty()) {
    const std::optional<dba::Record> record =
        db_->OpenFile(dba::files::kDroits)->Find(dba::DroitsKey(user_, functionCode));
    if (record) {
      // An empty value names no code: a person without one is seen only through "*".
      for (std::string& code : dba::DroitsView(*record).AccessCodes()) {
        if (!code.empty()) codes.push_back(std::move(code));
      }
    }
  }
  return codes;
}

}  // namespace rights
