#include "data/archive/payslip_currency.h"

namespace dba {

CurrencyNames NomsMonnaies(std::string_view firstFlag, std::string_view secondFlag) {
  CurrencyNames names;
  names.first = (firstFlag.empty() || firstFlag == "F") ? "Francs" : "Euros";
  if (secondFlag == "E") {
    names.second = firstFlag == "E" ? "" : "Euros";
  } else if (secondFlag == "F") {
    names.second = "Francs";
  } else if (secondFlag.empty()) {
    names.second = "Euros";
  }
  return names;
}

}  // namespace dba
