#pragma once
// The rights of one user, kept as data in the database file DROITS.
//
// A DROITS record is keyed by the user name in capitals, "*" and a function code
// ("DEMO*PALIMOR"); its attribute 1 holds the access codes the user may see on that
// function, one a value, "*" standing for every code. A user with no record for a
// function may see nobody on it. Failing calls throw dba::Error.

#include <memory>
#include <string>
#include <vector>

#include "data/core/database.h"
#include "rights/rights.h"

namespace rights {

// The access codes one user may see on one function.
class AccessCodes : public FunctionAccess {
 public:
  // `codes` are the values of the DROITS attribute 1; empty = nobody.
  explicit AccessCodes(std::vector<std::string> codes);
  // True when `accessCode` is one of the codes, or when "*" is. Mode 0 is the only
  // mode; any other throws dba::Error(kBadArgument).
  bool PersonAccess(const std::string& accessCode, int mode) override;

 private:
  std::vector<std::string> codes_;
};

// A user's rights, read from DROITS when a function's rights are asked for.
class StoredUserRights : public UserRights {
 public:
  // The database stays shared with the caller; the name is kept as given.
  StoredUserRights(std::shared_ptr<dba::Database> db, std::string userName);
  // The codes of the record dba::DroitsKey(user, function): an AccessCodes that
  // allows nobody when there is no such record or the user name is empty. A DROITS file
  // that cannot be opened or read throws.
  std::shared_ptr<FunctionAccess> FunctionRights(const std::string& functionCode) override;
  // The name given, in capitals, as DROITS keys it.
  std::string UserName() const override;
  // The access codes those rights allow (empty values left out); empty: nobody.
  std::vector<std::string> AccessCodesOf(const std::string& functionCode) const;

 private:
  std::shared_ptr<dba::Database> db_;
  std::string user_;
};

}  // namespace rights
