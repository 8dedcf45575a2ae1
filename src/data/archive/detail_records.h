#pragma once
// DETAILCALCUL, the detail of a payslip's calculation (keyed by characters 1-14 of the
// archive key), and the item files it names, RUBSAISIE and RUBCHARGE. DETAILCALCUL
// holds three groups of parallel multivalued attributes: value i of each attribute of a
// group belongs to line i, and a group has as many lines as its code attribute has values.
// Views: the record must outlive them.

#include <string>
#include <vector>

#include "data/core/dynamic_array.h"

namespace dba {

// Groups 1 and 3: entered pay items (codes are RUBSAISIE keys).
struct EnteredItemLine {
  std::string code;
  std::string base;    // hundredths; may be empty (group 3: "0" also means no base)
  std::string rate;    // ten-thousandths; may be empty
  std::string amount;  // hundredths
};

// Group 2: contributions (codes are RUBCHARGE keys).
struct ContributionLine {
  std::string code;
  std::string employeeBase, employeeRate, employeeAmount;  // rate in thousandths
  std::string employerBase, employerRate, employerAmount;
};

class DetailCalculView {
 public:
  explicit DetailCalculView(const DynArray& record) : r_(record) {}

  std::vector<EnteredItemLine> ItemsBefore() const;  // group 1: attributes 2-5
  std::string GrossAmount() const { return r_(7); }
  std::vector<ContributionLine> Contributions() const;  // group 2: attributes 8-14
  std::string NetTaxable() const { return r_(15); }
  std::vector<EnteredItemLine> ItemsAfter() const;  // group 3: attributes 17-20
  std::string NetToPay() const { return r_(21); }

 private:
  std::vector<EnteredItemLine> Items(int codeAttribute) const;
  const DynArray& r_;
};

class RubSaisieView {
 public:
  explicit RubSaisieView(const DynArray& record) : r_(record) {}
  std::string Label() const { return r_(1); }

 private:
  const DynArray& r_;
};

class RubChargeView {
 public:
  explicit RubChargeView(const DynArray& record) : r_(record) {}
  std::string Label() const { return r_(1); }

 private:
  const DynArray& r_;
};

}  // namespace dba
