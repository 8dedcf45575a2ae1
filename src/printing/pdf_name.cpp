#include "printing/pdf_name.h"

#include <algorithm>
#include <optional>
#include <set>

#include "data/archive/archive_files.h"
#include "data/archive/archive_key.h"
#include "data/archive/civil_record.h"
#include "text/text.h"

namespace printing {
namespace {

constexpr int kMaxStemCharacters = 120;

// The one code shared by every key (by `code` of the key), or nullopt.
template <typename CodeOf>
std::optional<std::string> SharedCode(const std::vector<dba::ArchiveKey>& keys, CodeOf code) {
  std::set<std::string> codes;
  for (const dba::ArchiveKey& k : keys) codes.insert(code(k));
  if (codes.size() != 1 || codes.begin()->empty()) return std::nullopt;
  return *codes.begin();
}

std::string PersonName(dba::Database& database, dba::PersonKind kind, const std::string& code) {
  try {
    if (std::optional<dba::Record> civil = database.OpenFile(dba::CivilFile(kind))->Find(code)) {
      const std::string name = text::Trim(dba::CivilView(*civil).DisplayName());
      if (!name.empty()) return name;
    }
  } catch (const dba::Error&) {
    // The name only decorates the file name; the code still says whose payslips these are.
  }
  return (kind == dba::PersonKind::kCaregiver ? "Aidant " : "Aidé ") + code;
}

// "2003-01" for "200301".
std::string PeriodPart(const std::string& period) {
  return period.substr(0, 4) + "-" + period.substr(4, 2);
}

}  // namespace

PdfSubject DescribePayslips(dba::Database& database, const std::vector<std::string>& keys) {
  PdfSubject subject;
  std::vector<dba::ArchiveKey> parsed(keys.begin(), keys.end());
  for (const dba::ArchiveKey& k : parsed) {
    if (k.PeriodText().empty()) continue;  // no year and month in the key
    const std::string period = k.Period();
    if (subject.firstPeriod.empty() || period < subject.firstPeriod) subject.firstPeriod = period;
    if (period > subject.lastPeriod) subject.lastPeriod = period;
  }
  if (const auto caregiver = SharedCode(parsed, [](auto& k) { return k.CaregiverCode(); })) {
    subject.person = PersonName(database, dba::PersonKind::kCaregiver, *caregiver);
  } else if (std::none_of(parsed.begin(), parsed.end(),
                          [](auto& k) { return k.IsPrestataire(); })) {
    if (const auto recipient = SharedCode(parsed, [](auto& k) { return k.CareRecipientCode(); }))
      subject.person = PersonName(database, dba::PersonKind::kCareRecipient, *recipient);
  }
  return subject;
}

std::string FileNameSafe(const std::string& name) {
  std::string safe;
  for (const char c : name) {
    const unsigned char u = static_cast<unsigned char>(c);
    const bool refused =
        u < 0x20 || u == 0x7F || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
    safe += refused ? '-' : c;
  }
  return safe;
}

std::string PdfStem(const PdfSubject& subject) {
  std::string stem = subject.person.empty() ? "Bulletins" : subject.person;
  if (!subject.firstPeriod.empty()) {
    stem += " " + PeriodPart(subject.firstPeriod);
    if (subject.lastPeriod != subject.firstPeriod) stem += " à " + PeriodPart(subject.lastPeriod);
  }
  stem = text::Trim(text::Left(FileNameSafe(stem), kMaxStemCharacters));
  while (!stem.empty() && (stem.front() == '.' || stem.front() == ' ')) stem.erase(0, 1);
  return stem.empty() ? "Bulletins" : stem;
}

std::string NumberedPdfName(const std::string& stem, int n) {
  return n <= 1 ? stem + ".pdf" : stem + " (" + std::to_string(n) + ").pdf";
}

}  // namespace printing
