#include "detail/amounts.h"

#include "data/archive/conversion.h"

namespace vantelor::detail {

std::string Montant(std::string_view stored, int divisor, int integerDigits, int decimals,
                    bool signedFlag, bool absolute) {
  return dba::TheConversion().FormatNumber(dba::Quotient(stored, divisor, absolute), integerDigits,
                                           decimals, signedFlag);
}

bool EstZero(std::string_view stored) { return dba::Quotient(stored, 1) == "0"; }

}  // namespace vantelor::detail
