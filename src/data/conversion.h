#pragma once
// The conversion object: number and date texts as the screens show them.
// FormatNumber's exact format is documented with its definition below.

#include <string>
#include <string_view>

namespace dba {

class Conversion {
 public:
  // `value` is a decimal text ("123.45", "-0,5", "12"; '.' or ',' as separator).
  // Returns the number with `decimals` decimals (rounded half away from zero), a
  // French decimal comma, the integer part right-aligned in `integerDigits` places
  // (blank-padded, never cut: a longer integer part widens the text), preceded by one
  // sign place when `signedFlag` is true ('-' or a blank). Equal arguments give texts of
  // equal width. With `signedFlag` false a negative value still shows its '-'.
  // Throws Error(kBadNumber) when `value` is not a number.
  std::string FormatNumber(std::string_view value, int integerDigits, int decimals,
                           bool signedFlag) const;
  // Day number (day 0 = 31/12/1967) → "dd/mm/yyyy"; "" for an empty or unreadable value.
  std::string DateToText(std::string_view dayNumber) const;
  // "01 Mars 2003" (day, French month name, year) or "dd/mm/yyyy" → day number as text
  // ("12844"). Throws Error(kBadNumber) for a text that is no date.
  std::string DateToDayNumber(std::string_view text) const;
};

// The one conversion object, made on first use.
const Conversion& TheConversion();

// Exact decimal text of stored ÷ divisor (divisor a power of ten): ("12345", 100) →
// "123.45"; `absolute` drops the sign. Throws Error(kBadNumber) when `stored` is not a
// whole number (blanks around it are allowed).
std::string Quotient(std::string_view stored, int divisor, bool absolute = false);

}  // namespace dba
