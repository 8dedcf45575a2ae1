#pragma once
// The conversion object: number and date texts as the screens show them.
// FormatNumber's exact format is documented with its definition below.

#include <string>
#include <string_view>

namespace dba {

class Conversion {
 public:
  // `value` is a decimal text ("123.45", "-0,5", "12"; '.' or ',' as separator, blanks
  // around it allowed). Returns the number rounded half away from zero to `decimals`
  // decimals, with a French decimal comma and no thousands grouping. The sign ('-' only
  // when the rounded value is not zero) stands just before the first digit; sign and
  // integer digits are right-aligned in `integerDigits` places, plus one place when
  // `signedFlag` is true, so that a signed column keeps the same width for negative
  // values. Nothing is ever cut: a longer integer part widens the text. Equal arguments
  // of values that fit give texts of equal width, lined up on the comma:
  //   FormatNumber("-12.5", 5, 2, true)  → "   -12,50"   (width 1 + 5 + 1 + 2)
  //   FormatNumber("12.5", 5, 2, true)   → "    12,50"
  //   FormatNumber("1234.567", 3, 2, false) → "1234,57"
  // With `signedFlag` false a negative value still shows its '-', in a blank place of
  // the integer part. Throws Error(kBadNumber) when `value` is not a number.
  std::string FormatNumber(std::string_view value, int integerDigits, int decimals,
                           bool signedFlag) const;
  // Day number (day 0 = 31/12/1967, 1 = 01/01/1968, 12844 = 01/03/2003) → "dd/mm/yyyy";
  // "" for an empty or unreadable value (blanks around the number are allowed).
  std::string DateToText(std::string_view dayNumber) const;
  // "01 Mars 2003" (day, French month name in any case, with or without accents, year)
  // or "dd/mm/yyyy" → day number as text ("12844"); a later date gives a larger number.
  // Throws Error(kBadNumber) for a text that is no date (31 Février, month "Mar").
  std::string DateToDayNumber(std::string_view text) const;
};

// The one conversion object, made on first use.
const Conversion& TheConversion();

// Exact decimal text of stored ÷ divisor (divisor a power of ten): ("12345", 100) →
// "123.45"; `absolute` drops the sign. Throws Error(kBadNumber) when `stored` is not a
// whole number (blanks around it are allowed).
std::string Quotient(std::string_view stored, int divisor, bool absolute = false);

}  // namespace dba
