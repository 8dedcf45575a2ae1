#include "data/archive/archive_key.h"

#include "text/text.h"

namespace dba {

std::string ArchiveKey::CaregiverCode() const { return text::Mid(key_, 1, 5); }
std::string ArchiveKey::ContractKey() const { return text::Mid(key_, 1, 8); }
std::string ArchiveKey::Year() const { return text::Mid(key_, 9, 4); }
std::string ArchiveKey::Month() const { return text::Mid(key_, 13, 2); }
std::string ArchiveKey::Period() const { return text::Mid(key_, 9, 6); }
std::string ArchiveKey::DetailKey() const { return text::Mid(key_, 1, 14); }
bool ArchiveKey::IsPrestataire() const { return text::Length(key_) == 17; }

std::string ArchiveKey::AssociationCode() const {
  return IsPrestataire() ? text::Mid(key_, 15, 3) : std::string();
}

std::string ArchiveKey::CareRecipientCode() const {
  return IsPrestataire() ? std::string() : text::Mid(key_, 15, 5);
}

std::string ArchiveKey::PeriodText() const {
  const std::optional<long long> year = text::DigitsValue(Year());
  const std::string month = Month();
  const std::optional<long long> number = text::DigitsValue(month);
  if (!year || month.size() != 2 || !number) return {};
  return text::PeriodText(static_cast<int>(*year), static_cast<int>(*number));
}

}  // namespace dba
