#pragma once
// One demo payslip: the ARCHIVEBULL record laid out as the printed form and the
// DETAILCALCUL record of its calculation, from the same figures.

#include <string>

#include "data/tools/demo/people.h"
#include "data/tools/demo/random.h"

namespace dba::demo {

// Running totals of one contract over one year (the footer's cumulative row).
struct YearTotals {
  long long gross = 0, netTaxable = 0, hours = 0;
};

struct PayslipInput {
  std::string key;  // the archive key
  int year = 0;
  int month = 0;
  const Caregiver* caregiver = nullptr;
  const Contract* contract = nullptr;
  const Person* recipient = nullptr;         // mandataire
  const Association* association = nullptr;  // prestataire
};

struct BuiltPayslip {
  std::string archive;  // ARCHIVEBULL record text
  std::string detail;   // DETAILCALCUL record text
};

BuiltPayslip BuildPayslip(Random& random, const PayslipInput& input, YearTotals& totals);

}  // namespace dba::demo
