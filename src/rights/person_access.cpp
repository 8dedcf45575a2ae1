#include "rights/person_access.h"

namespace rights {

bool MaySee(FunctionAccess* access, dba::PersonKind kind, const dba::DynArray& civil) {
  return access && access->PersonAccess(dba::AccessCode(kind, civil), 0);
}

bool PersonCheck::MaySee(const std::string& code) {
  if (code.empty()) return false;
  if (auto it = answers_.find(code); it != answers_.end()) return it->second;
  const std::optional<dba::Record> civil = civil_.Find(code);
  const bool answer = civil && rights::MaySee(access_, kind_, *civil);
  answers_.emplace(code, answer);
  return answer;
}

}  // namespace rights
