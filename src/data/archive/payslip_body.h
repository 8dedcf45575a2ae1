#pragma once
// The body of an archived payslip (ARCHIVEBULL attributes 19 up to the end marker "#6")
// turned into rows of seven column texts, as the viewer lists them and the printed form
// draws them: one row per body attribute, blank-line markers, the "<bold>" and "<decal>"
// label markup, the section switches, and the blank row after "TOTAL DES COTISATIONS".
// Qt-free and screen-free, so that every drawing of a payslip shares these rules.
//
// Failure: a record without the end marker, or a text that is no whole number where an
// amount or a rate is read, throws PayslipFault (a dba::Error) naming the place.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/core/dynamic_array.h"
#include "data/core/error.h"

namespace dba {

// Codes of PayslipFault.
inline constexpr std::uint32_t kPayslipNoEndMarker = 0x80040101;
inline constexpr std::uint32_t kPayslipBadNumber = 0x80040102;

inline constexpr int kBodyFirstAttribute = 19;
inline constexpr std::string_view kBodyEndMarker = "#6";

// The seven columns, left to right.
enum BodyColumn {
  kColRubrique,
  kColBase,
  kColTauxEmpl,
  kColMontEmpl,
  kColTauxSal,
  kColAPayer,
  kColADeduire,
  kBodyColumns
};

enum class RowStyle { kPlain, kBold, kIndented };

struct BodyRow {
  // The texts shown: the label already cut (an indented label starts with two blanks),
  // numbers as FormatNumber returns them, "" for a blank cell. A blank row is all "".
  std::array<std::string, kBodyColumns> columns;
  RowStyle style = RowStyle::kPlain;  // from the label's markup
};

struct PayslipBody {
  std::vector<BodyRow> rows;
  int endMarker = 0;  // the attribute number that holds "#6" (M); the footer counts from it
};

// A payslip record that cannot be laid out. attribute()/value() say where (value 0 when
// the fault concerns a whole attribute); stored() is the offending text.
class PayslipFault : public Error {
 public:
  PayslipFault(std::uint32_t code, int attribute, int value, std::string stored);
  int attribute() const noexcept { return attribute_; }
  int value() const noexcept { return value_; }
  const std::string& stored() const noexcept { return stored_; }

 private:
  int attribute_;
  int value_;
  std::string stored_;
};

// The body rows of `record`. Throws PayslipFault as said at the top of this file.
PayslipBody FormatPayslipBody(const DynArray& record);

// F(stored ÷ divisor, integerDigits, decimals, signedFlag) of value `value` of
// `attribute`, the absolute value when `absolute`; "" when the value is empty.
// Throws PayslipFault(kPayslipBadNumber) when it is no whole number.
std::string FormatStored(const DynArray& record, int attribute, int value, int divisor,
                         int integerDigits, int decimals, bool signedFlag, bool absolute);
// The same for a value already read (`attribute` and `value` only name it in a fault).
std::string FormatStoredText(const std::string& stored, int attribute, int value, int divisor,
                             int integerDigits, int decimals, bool signedFlag, bool absolute);

}  // namespace dba
