#include "data/archive/archivebull_record.h"

namespace dba {

BodyEnd ArchiveBullView::FindBodyEnd() const {
  // One pass over the text: Extract per attribute would rescan from the start each time.
  std::string_view rest = r_.Text();
  int attribute = 1;
  BodyEnd end;
  while (true) {
    const std::size_t mark = rest.find(kAttributeMark);
    if (attribute >= kFirstMarkerPlace && rest.substr(0, mark) == "#6") {
      end.found = true;
      end.marker = attribute;
      end.lastLine = attribute - 1;
      return end;
    }
    if (mark == std::string_view::npos) break;
    rest.remove_prefix(mark + 1);
    ++attribute;
  }
  end.lastLine = r_.Empty() ? 0 : attribute;
  return end;
}

BodyLine ArchiveBullView::Line(int attribute) const {
  BodyLine line;
  const std::string whole = r_(attribute);
  if (whole == "%" || whole == "*") {
    line.blank = true;
    return line;
  }
  line.label = r_(attribute, 1);
  line.base = r_(attribute, 2);
  line.employerRate = r_(attribute, 3);
  line.employerAmount = r_(attribute, 4);
  line.employeeRate = r_(attribute, 5);
  line.gain = r_(attribute, 6);
  line.deduction = r_(attribute, 7);
  return line;
}

std::optional<Footer> ArchiveBullView::ReadFooter() const {
  const BodyEnd end = FindBodyEnd();
  if (!end.found) return std::nullopt;
  const int m = end.marker;
  Footer f;
  f.grossMonth = r_(m + 1, 1);
  f.netTaxableMonth = r_(m + 1, 2);
  f.hoursMonth = r_(m + 1, 3);
  f.grossYear = r_(m + 2, 1);
  f.netTaxableYear = r_(m + 2, 2);
  f.hoursYear = r_(m + 2, 3);
  f.employerContributions = r_(m + 2, 4);
  f.totalGains = r_(m + 2, 5);
  f.totalDeductions = r_(m + 2, 6);
  f.netAttribute = r_(m + 4);
  f.net = r_(m + 4, 1);
  f.currency = r_(m + 4, 2);
  f.paidLeaveValue = r_(m + 5, 1);
  f.paidLeaveDays = r_(m + 5, 2);
  f.seniorityLeaveValue = r_(m + 5, 3);
  f.seniorityLeaveDays = r_(m + 5, 4);
  f.secondNet = r_(m + 5, 5);
  f.leaveText = r_(m + 5, 6);
  f.secondCurrency = r_(m + 5, 7);
  return f;
}

}  // namespace dba
