#pragma once
// The key of an ARCHIVEBULL record and what its characters mean:
//   1-5 caregiver code        1-8 CONTRAT key        9-12 year      13-14 month
//   9-14 period (YYYYMM)      1-14 DETAILCALCUL key
//   a key of exactly 17 characters is a "prestataire" payslip, 15-17 its association;
//   any other length is a "mandataire" payslip, 15-19 its care recipient.
// Characters are Unicode characters; a short key gives short or empty parts, never a
// read past its end.

#include <string>
#include <string_view>

namespace dba {

class ArchiveKey {
 public:
  explicit ArchiveKey(std::string_view key) : key_(key) {}

  const std::string& Text() const { return key_; }
  std::string CaregiverCode() const;  // 1-5
  std::string ContractKey() const;    // 1-8
  std::string Year() const;           // 9-12
  std::string Month() const;          // 13-14
  std::string Period() const;         // 9-14, compared as text with "YYYYMM" bounds
  std::string DetailKey() const;      // 1-14
  bool IsPrestataire() const;         // exactly 17 characters
  // 15-17 of a prestataire key; "" for a mandataire key.
  std::string AssociationCode() const;
  // 15-19 of a mandataire key; "" for a prestataire key.
  std::string CareRecipientCode() const;
  // The pay period in words, in capitals: "FÉVRIER 2003" for year 2003 and month 02; ""
  // unless characters 9-12 are digits and 13-14 a month from 01 to 12.
  std::string PeriodText() const;

 private:
  std::string key_;
};

}  // namespace dba
