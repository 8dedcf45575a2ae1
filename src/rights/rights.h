#pragma once
// The rights library as the component uses it: a user's rights object answers, for one
// function code, a function-rights object that says whether the user may see a person
// with a given access code. Failing calls throw dba::Error.

#include <memory>
#include <string>

namespace rights {

class FunctionAccess {
 public:
  virtual ~FunctionAccess() = default;
  // True when the user may see a person whose access code is `accessCode`; `mode` is 0.
  virtual bool PersonAccess(const std::string& accessCode, int mode) = 0;
};

class UserRights {
 public:
  virtual ~UserRights() = default;
  // The user's rights on one function ("PALIMOR" for this component).
  virtual std::shared_ptr<FunctionAccess> FunctionRights(const std::string& functionCode) = 0;
  // The name of the user whose rights these are, for the print log; "" when unknown.
  virtual std::string UserName() const { return ""; }
};

}  // namespace rights
