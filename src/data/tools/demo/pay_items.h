#pragma once
// The pay items and contributions the demo payslips use, by period: the rates of the
// early 2000s and those of the late 2010s. Rates are stored as the payroll stores them:
// thousandths of a percent point ("12800" = 12,800 %).

#include <string>
#include <vector>

namespace dba::demo {

struct Charge {
  std::string code;    // RUBCHARGE key
  std::string label;   // the payslip line, with its markup
  long employerRate;   // thousandths; 0 = none
  long employeeRate;   // thousandths; 0 = none
  bool onCsgBase;      // CSG lines take 95 % (98,25 % from 2012) of the gross
  bool nonDeductible;  // added back to the net taxable pay
};

const std::vector<Charge>& ChargesOf(int year);

struct ItemLabel {
  std::string code;
  std::string label;
  std::string kind;  // RUBSAISIE attribute 4
};

// Every RUBSAISIE and RUBCHARGE record of the demo.
const std::vector<ItemLabel>& EnteredItems();
std::vector<ItemLabel> ChargeItems();

}  // namespace dba::demo
