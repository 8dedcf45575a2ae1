#include "data/archive/decimal_text.h"

#include <algorithm>

namespace dba {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

std::string StripLeadingZeros(std::string digits) {
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return "0";
  return digits.substr(first);
}

// Adds one to a string of decimal digits; "99" becomes "100".
std::string Increment(std::string digits) {
  for (std::size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return digits;
    }
    digits[i] = '0';
  }
  return "1" + digits;
}

}  // namespace

bool DecimalText::IsZero() const {
  return integer == "0" &&
         std::all_of(fraction.begin(), fraction.end(), [](char c) { return c == '0'; });
}

DecimalText DecimalText::Rounded(int decimals) const {
  if (decimals < 0) decimals = 0;
  const std::size_t keep = static_cast<std::size_t>(decimals);
  DecimalText out = *this;
  if (fraction.size() <= keep) {
    out.fraction.append(keep - fraction.size(), '0');
    return out;
  }
  const bool roundUp = fraction[keep] >= '5';
  std::string digits = integer + fraction.substr(0, keep);
  if (roundUp) digits = Increment(digits);
  const std::size_t integerLength = digits.size() - keep;
  out.integer = StripLeadingZeros(digits.substr(0, integerLength));
  out.fraction = digits.substr(integerLength);
  return out;
}

std::optional<DecimalText> ParseDecimal(std::string_view text) {
  std::string_view s = TrimBlanks(text);
  DecimalText out;
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    out.negative = s.front() == '-';
    s.remove_prefix(1);
  }
  std::size_t i = 0;
  while (i < s.size() && IsDigit(s[i])) ++i;
  std::string integer(s.substr(0, i));
  std::string fraction;
  if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
    const std::size_t start = ++i;
    while (i < s.size() && IsDigit(s[i])) ++i;
    fraction = std::string(s.substr(start, i - start));
  }
  if (i != s.size() || (integer.empty() && fraction.empty())) return std::nullopt;
  out.integer = StripLeadingZeros(integer);
  out.fraction = fraction;
  return out;
}

}  // namespace dba
