#include "data/archive/conversion.h"

#include "data/archive/decimal_text.h"
#include "data/core/error.h"

namespace dba {

namespace {

std::string PadLeft(std::string s, int width) {
  if (static_cast<int>(s.size()) < width)
    s.insert(0, static_cast<std::size_t>(width) - s.size(), ' ');
  return s;
}

// Number of zeros of a power of ten, or -1 when `divisor` is none.
int PowerOfTen(int divisor) {
  int zeros = 0;
  while (divisor > 1 && divisor % 10 == 0) {
    divisor /= 10;
    ++zeros;
  }
  return divisor == 1 ? zeros : -1;
}

}  // namespace

std::string Conversion::FormatNumber(std::string_view value, int integerDigits, int decimals,
                                     bool signedFlag) const {
  const std::optional<DecimalText> parsed = ParseDecimal(value);
  if (!parsed) throw Error(kBadNumber, "not a number: \"" + std::string(value) + "\"");
  if (decimals < 0) decimals = 0;
  const DecimalText number = parsed->Rounded(decimals);
  const bool negative = number.negative && !number.IsZero();
  std::string head = (negative ? "-" : "") + number.integer;
  std::string out = PadLeft(std::move(head), integerDigits + (signedFlag ? 1 : 0));
  if (decimals > 0) out += "," + number.fraction;
  return out;
}

const Conversion& TheConversion() {
  static const Conversion conversion;
  return conversion;
}

std::string Quotient(std::string_view stored, int divisor, bool absolute) {
  const int zeros = PowerOfTen(divisor);
  if (zeros < 0)
    throw Error(kBadArgument, "divisor " + std::to_string(divisor) + " is no power of ten");
  const std::optional<DecimalText> parsed = ParseDecimal(stored);
  if (!parsed || !parsed->fraction.empty() || stored.find_first_of(".,") != std::string_view::npos)
    throw Error(kBadNumber, "not a whole number: \"" + std::string(stored) + "\"");
  std::string digits = parsed->integer;
  const std::size_t places = static_cast<std::size_t>(zeros);
  if (digits.size() <= places) digits.insert(0, places + 1 - digits.size(), '0');
  const bool zero = digits.find_first_not_of('0') == std::string::npos;
  std::string out(parsed->negative && !absolute && !zero ? 1 : 0, '-');
  out += digits.substr(0, digits.size() - places);
  if (places > 0) {
    out += '.';
    out += digits.substr(digits.size() - places);
  }
  return out;
}

}  // namespace dba
