#pragma once
// Exact decimal numbers held as text, so that amounts never pass through binary
// floating point on their way from the archive to the screen.

#include <optional>
#include <string>
#include <string_view>

namespace dba {

struct DecimalText {
  bool negative = false;
  std::string integer;   // digits, no leading zeros ("0" for zero)
  std::string fraction;  // digits after the separator, possibly empty

  bool IsZero() const;
  // Rounds half away from zero to `decimals` fraction digits (padding with zeros).
  DecimalText Rounded(int decimals) const;
};

// Reads "[blanks][+|-]digits[(.|,)digits][blanks]" (".5" and "5." are accepted);
// nullopt for anything else.
std::optional<DecimalText> ParseDecimal(std::string_view text);

}  // namespace dba
