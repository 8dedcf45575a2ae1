#pragma once
// Which payslips vantelor-print prints: the keys of a caregiver's period, and the check
// that the user may see each one.

#include <string>
#include <vector>

#include "data/database.h"
#include "rights/rights.h"

namespace vantelorprint {

// The ARCHIVEBULL keys of caregiver `code` whose pay period (key characters 9-14) lies
// from `from` to `to` (YYYYMM), from the index AIDANTSARCHIVEBULL, in period order.
std::vector<std::string> CaregiverKeys(dba::Database& db, const std::string& code,
                                       const std::string& from, const std::string& to);

// The keys the user may not see. A payslip may be seen when the user may see its
// caregiver (access code: CIVILAIDANT attribute 31) or, for a "mandataire" payslip, its
// care recipient (the first 3 characters of CIVILAIDE attribute 40), as through the
// screens' searches; a person without a civil record cannot be seen.
std::vector<std::string> DeniedKeys(dba::Database& db, rights::FunctionAccess& access,
                                    const std::vector<std::string>& keys);

}  // namespace vantelorprint
