#pragma once
// Named fields of CONTRAT (a caregiver's employment contract, keyed by characters 1-8
// of the archive key) and ASSOCIATION (the employer organisation).
// Views: the record must outlive them.

#include <string>

#include "data/core/dynamic_array.h"

namespace dba {

class ContratView {
 public:
  static constexpr const char* kMandataire = "02";

  explicit ContratView(const DynArray& record) : r_(record) {}

  std::string Kind() const { return r_(1); }
  // Kind "02": the care recipient is the employer; otherwise the association is.
  bool IsMandataire() const { return Kind() == kMandataire; }
  std::string AssociationCode() const { return r_(2); }    // read when not mandataire
  std::string CareRecipientCode() const { return r_(3); }  // read when mandataire
  std::string StartDay() const { return r_(7); }           // day number
  std::string EndDay() const { return r_(8); }             // day number, may be empty

 private:
  const DynArray& r_;
};

class AssociationView {
 public:
  explicit AssociationView(const DynArray& record) : r_(record) {}

  std::string Code() const { return r_(0); }
  std::string Name() const { return r_(1); }
  std::string PrePrintedFlag() const { return r_(49); }
  // Payslips printed on pre-printed stationery.
  bool PrePrinted() const { return PrePrintedFlag() == "1"; }

 private:
  const DynArray& r_;
};

}  // namespace dba
