#pragma once
// Currency names of a payslip's two net amounts, from the payslip's currency flag and
// the second amount's flag. The viewer, the complementary page and the printed form all
// name the currencies by this one rule.

#include <string>
#include <string_view>

namespace dba {

struct CurrencyNames {
  std::string first;   // currency of the net in the payslip's currency
  std::string second;  // currency of the second net amount
};

// first: "F" or "" gives "Francs", anything else "Euros".
// second: "E" gives "Euros" (but "" when the first flag is also "E"), "F" gives "Francs",
// "" gives "Euros", any other text "".
CurrencyNames NomsMonnaies(std::string_view firstFlag, std::string_view secondFlag);

}  // namespace dba
