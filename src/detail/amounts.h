#pragma once
// Stored whole numbers (hundredths, thousandths, ten-thousandths) turned into the texts
// the detail windows show, always through the conversion object.

#include <string>
#include <string_view>

namespace vantelor::detail {

// FormatNumber(stored ÷ divisor, integerDigits, decimals, signedFlag); `absolute` drops
// the sign before formatting. Throws dba::Error(kBadNumber) when `stored` is no whole
// number (an empty text included).
std::string Montant(std::string_view stored, int divisor, int integerDigits, int decimals,
                    bool signedFlag, bool absolute = false);

// True when `stored` is a whole number equal to zero ("0", "00", "-0"); throws
// dba::Error(kBadNumber) when it is no whole number.
bool EstZero(std::string_view stored);

}  // namespace vantelor::detail
