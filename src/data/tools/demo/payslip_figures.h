#pragma once
// The figures of one demo payslip, computed once and then written both as the printed
// payslip and as its calculation detail. Amounts in hundredths, rates as stored.

#include <string>
#include <vector>

#include "data/tools/demo/pay_items.h"
#include "data/tools/demo/random.h"

namespace dba::demo {

struct GainLine {
  std::string code, label;
  long long hours, rate, amount;  // rate: thousandths of the currency per hour, or of a percent
};

struct ChargeLine {
  const Charge* charge;
  long long base, employerAmount, employeeAmount;  // employee amount positive
};

struct PayslipFigures {
  bool euros = true;
  std::vector<GainLine> gains;
  std::vector<ChargeLine> charges;
  long long gross = 0, hours = 0, employerTotal = 0, deductions = 0;
  long long net = 0, netTaxable = 0, transport = 0, mileage = 0;
  long long taxBase = 0, taxRate = 0, tax = 0;  // tax rate in ten-thousandths
  long long netToPay = 0;
};

// `simplified`: a short body (few gain lines and contributions).
PayslipFigures ComputeFigures(Random& random, int year, bool mandataire, int rateFactor,
                              bool simplified);

// a × rate ÷ divisor, rounded half away from zero.
long long Scaled(long long a, long long rate, long long divisor);

}  // namespace dba::demo
