#pragma once
// The footer of an archived payslip, counted from its body end marker M: the totals of
// M + 2, the net amounts of M + 4 and M + 5 and their currency names, formatted as the
// viewer shows them and the printed form draws them. Qt-free and screen-free.
//
// Failure: a text that is no whole number where an amount is read throws PayslipFault
// (payslip_body.h) naming the place.

#include <string>

#include "data/archive/payslip_body.h"
#include "data/archive/payslip_currency.h"
#include "data/core/dynamic_array.h"

namespace dba {

inline constexpr std::string_view kCaptionChargesPatr = "CHARGES PATR.";
inline constexpr std::string_view kCaptionTotalEmployeur = "TOTAL VERSE PAR L'EMPLOYEUR";
inline constexpr std::string_view kCaptionGains = "GAINS";
inline constexpr std::string_view kCaptionRetenues = "RETENUES";

struct PayslipFooter {
  // Gains/deductions layout (captions "CHARGES PATR.", "GAINS", "RETENUES" over three
  // totals) when M + 2 holds a gains total; otherwise the employer-total layout (one wide
  // caption "TOTAL VERSE PAR L'EMPLOYEUR" over the employer total, no gains or deductions).
  bool gainsLayout = false;
  std::string employerCaption;  // kCaptionChargesPatr or kCaptionTotalEmployeur
  std::string employerTotal;    // "" when not stored
  std::string gains;            // "" in the employer-total layout
  std::string deductions;       // absolute value; "" in the employer-total layout
  std::string net;              // net in the payslip's currency, 6 integer places; "" when none
  std::string secondNet;        // net in the second currency; "" when none
  CurrencyNames currencies;     // names of `net` and `secondNet`
};

// The footer of `record`; `endMarker` is the attribute of its "#6" (PayslipBody::endMarker),
// by which a fault names the attribute. Throws PayslipFault(kPayslipNoEndMarker) when the
// record has no end marker.
PayslipFooter FormatPayslipFooter(const DynArray& record, int endMarker);

}  // namespace dba
