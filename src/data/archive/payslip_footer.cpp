#include "data/archive/payslip_footer.h"

#include "data/archive/archivebull_record.h"

namespace dba {

PayslipFooter FormatPayslipFooter(const DynArray& record, int endMarker) {
  const int totals = endMarker + 2;
  const int nets = endMarker + 4;
  const std::optional<Footer> stored = ArchiveBullView(record).ReadFooter();
  if (!stored) throw PayslipFault(kPayslipNoEndMarker, 0, 0, "");
  const Footer& s = *stored;
  PayslipFooter f;
  f.employerTotal = FormatStoredText(s.employerContributions, totals, 4, 100, 5, 2, true, false);
  f.gainsLayout = !s.totalGains.empty();
  if (f.gainsLayout) {
    f.employerCaption = kCaptionChargesPatr;
    f.gains = FormatStoredText(s.totalGains, totals, 5, 100, 5, 2, true, false);
    f.deductions = FormatStoredText(s.totalDeductions, totals, 6, 100, 5, 2, false, true);
  } else {
    f.employerCaption = kCaptionTotalEmployeur;
  }
  // The whole attribute decides whether the first net shows; its value 1 is the amount.
  if (!s.netAttribute.empty()) f.net = FormatStoredText(s.net, nets, 1, 100, 6, 2, false, false);
  f.secondNet = FormatStoredText(s.secondNet, nets + 1, 5, 100, 6, 2, false, false);
  f.currencies = NomsMonnaies(s.currency, s.secondCurrency);
  return f;
}

}  // namespace dba
