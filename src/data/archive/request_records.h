#pragma once
// Records keyed by a user: TEMPO print requests and DROITS user rights.
//
// TEMPO: the record "ARCHIVEBULL" + the user name in capitals holds, in attribute 1,
// the archive keys being printed, one a value.
// DROITS: the record "USER*FUNCTION" (user name in capitals, "*", function code, as
// "DEMO*PALIMOR") holds, in attribute 1, the access codes the user may see, one a value;
// a value "*" allows every code.

#include <string>
#include <string_view>
#include <vector>

#include "data/core/dynamic_array.h"

namespace dba {

std::string TempoKey(std::string_view userName);
std::vector<std::string> TempoArchiveKeys(const DynArray& tempo);

// The key of a user's rights on a function: both in capitals, "DEMO*PALIMOR".
std::string DroitsKey(std::string_view userName, std::string_view functionCode);

// The rule that judges these codes is the rights library's (rights/stored_rights.h).
class DroitsView {
 public:
  explicit DroitsView(const DynArray& record) : r_(record) {}
  std::vector<std::string> AccessCodes() const;

 private:
  const DynArray& r_;
};

}  // namespace dba
