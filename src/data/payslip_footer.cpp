#include "data/payslip_footer.h"

namespace dba {

PayslipFooter FormatPayslipFooter(const DynArray& record, int endMarker) {
  const int totals = endMarker + 2;
  const int net = endMarker + 4;
  PayslipFooter f;
  f.employerTotal = FormatStored(record, totals, 4, 100, 5, 2, true, false);
  f.gainsLayout = !record.Extract(totals, 5).empty();
  if (f.gainsLayout) {
    f.employerCaption = kCaptionChargesPatr;
    f.gains = FormatStored(record, totals, 5, 100, 5, 2, true, false);
    f.deductions = FormatStored(record, totals, 6, 100, 5, 2, false, true);
  } else {
    f.employerCaption = kCaptionTotalEmployeur;
  }
  // The whole attribute decides whether the first net shows; its value 1 is the amount.
  if (!record.Extract(net).empty()) f.net = FormatStored(record, net, 1, 100, 6, 2, false, false);
  f.secondNet = FormatStored(record, net + 1, 5, 100, 6, 2, false, false);
  f.currencies = NomsMonnaies(record.Extract(net, 2), record.Extract(net + 1, 7));
  return f;
}

}  // namespace dba
