#pragma once
// Named fields of an ARCHIVEBULL record, the archived payslip: header (attributes 1-18),
// body lines (19 up to the end marker "#6") and footer (counted from the marker).
// A view: it reads the record it was made from, which must outlive it.

#include <optional>
#include <string>

#include "data/core/dynamic_array.h"

namespace dba {

// Where the body ends. `found` is false for a record without "#6": the body then runs
// to the record's last attribute and the record has no footer.
struct BodyEnd {
  bool found = false;
  int marker = 0;    // the attribute holding "#6" (M) when found, else 0
  int lastLine = 0;  // the last body-line attribute (M - 1, or the last attribute)
};

// One body line (attributes 19 .. M - 1): a blank line ("%" or "*") or seven values.
struct BodyLine {
  bool blank = false;
  std::string label;           // 1, with its "<bold>" / "<decal>" markup
  std::string base;            // 2, hundredths ("Base" on an income-tax heading)
  std::string employerRate;    // 3, thousandths (ten-thousandths on income-tax lines)
  std::string employerAmount;  // 4, hundredths
  std::string employeeRate;    // 5, thousandths
  std::string gain;            // 6, hundredths
  std::string deduction;       // 7, hundredths (shown as absolute value)
};

// The footer, read from the attributes after the marker M. Amounts in hundredths.
struct Footer {
  std::string grossMonth, netTaxableMonth, hoursMonth;  // M + 1, values 1-3
  std::string grossYear, netTaxableYear, hoursYear;     // M + 2, values 1-3
  std::string employerContributions;                    // M + 2, 4
  std::string totalGains;                               // M + 2, 5 ("" = employer-total layout)
  std::string totalDeductions;                          // M + 2, 6
  std::string netAttribute;                             // M + 4 whole ("" = no net shown)
  std::string net, currency;                            // M + 4, values 1-2
  std::string paidLeaveValue, paidLeaveDays;            // M + 5, 1-2
  std::string seniorityLeaveValue, seniorityLeaveDays;  // M + 5, 3-4
  std::string secondNet, leaveText, secondCurrency;     // M + 5, 5-7
};

class ArchiveBullView {
 public:
  static constexpr int kFirstBodyLine = 19;
  static constexpr int kFirstMarkerPlace = 20;

  explicit ArchiveBullView(const DynArray& record) : r_(record) {}

  std::string Key() const { return r_(0); }
  std::string HeaderLine1() const { return r_(2, 1); }
  std::string HeaderLine2() const { return r_(3, 1); }
  std::string CollectiveAgreement() const { return r_(5); }
  std::string EmployerName() const { return r_(7, 1); }
  std::string EmployerSiret() const { return r_(7, 2); }
  std::string EmployerAddress() const { return r_(8, 1); }
  std::string EmployerApe() const { return r_(8, 2); }
  std::string EmployerAddressComplement() const { return r_(9, 1); }
  std::string EmployerUrssaf() const { return r_(9, 2); }
  std::string EmployerTown() const { return r_(10, 1); }
  std::string EmployerNumber() const { return r_(10, 2); }
  std::string StaffNumber() const { return r_(12, 1); }
  std::string SocialSecurityNumber() const { return r_(13, 1); }
  std::string CaregiverName() const { return r_(13, 2); }
  std::string Qualification() const { return r_(14, 1); }
  std::string Coefficient() const { return r_(15, 1); }
  std::string CaregiverAddress() const { return r_(15, 2); }
  std::string Seniority() const { return r_(16, 1); }
  std::string CaregiverAddressComplement() const { return r_(16, 2); }
  std::string EntryDate() const { return r_(17, 1); }
  std::string CaregiverTown() const { return r_(17, 2); }

  // The "#6" search, from attribute 20 on.
  BodyEnd FindBodyEnd() const;
  BodyLine Line(int attribute) const;
  // The footer after the marker; nullopt when the record has no "#6".
  std::optional<Footer> ReadFooter() const;

 private:
  const DynArray& r_;
};

}  // namespace dba
