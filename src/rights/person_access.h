#pragma once
// Whether the user may see a person: the person's civil record gives the access code, and
// the user's function rights judge it. The screens' code checks and searches and
// vantelor-print all ask here.

#include <map>
#include <string>

#include "data/archive/civil_record.h"
#include "data/core/database.h"
#include "rights/rights.h"

namespace rights {

// True when `access` lets the user see the person of `civil`; false without function
// rights (null `access`): nobody can be let through. Throws what PersonAccess throws.
bool MaySee(FunctionAccess* access, dba::PersonKind kind, const dba::DynArray& civil);

// Asks person by person, reading each civil record once and remembering the answer for
// its own life. A person with no civil record (or an empty code) cannot be checked and is
// refused; a read failing for another reason throws its dba::Error. `civil` (the kind's
// civil file) and `access` must outlive the check.
class PersonCheck {
 public:
  PersonCheck(dba::PersonKind kind, dba::File& civil, FunctionAccess* access)
      : kind_(kind), civil_(civil), access_(access) {}

  bool MaySee(const std::string& code);

 private:
  dba::PersonKind kind_;
  dba::File& civil_;
  FunctionAccess* access_;
  std::map<std::string, bool, std::less<>> answers_;
};

}  // namespace rights
