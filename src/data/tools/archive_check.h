#pragma once
// What a hand-made archive can get wrong, found by reading it whole: the faults that make
// the screens miss a payslip or show it without the records it names. The payroll's own
// archive has none; an import made by hand (or a file edited behind the store) may.

#include <string>
#include <vector>

namespace dba {

class AdminDatabase;

enum class ArchiveFault {
  kNotIndexed,     // a payslip its caregiver's (or care recipient's) index for its year omits
  kDanglingIndex,  // an index value that names no payslip
  kNoCivilRecord,  // a person of an index without a civil record
  kNoEndMarker,    // a payslip without its "#6" end-of-body marker
  kNoContract,     // the CONTRAT record a payslip names (key characters 1-8) is missing
  kNoAssociation,  // the ASSOCIATION a prestataire payslip names (characters 15-17) is missing
};

struct ArchiveProblem {
  ArchiveFault fault;
  std::string text;  // names the record and what it lacks: "payslip X: no CONTRAT record Y"
};

struct ArchiveCheck {
  long long payslips = 0;
  long long indexRecords = 0;
  std::vector<ArchiveProblem> problems;  // payslips first, then indexes, each in key order
};

// Reads ARCHIVEBULL, the two person indexes and the records they name. Throws dba::Error
// when a file cannot be read (kFileNotFound for a database without the archive's files).
ArchiveCheck CheckArchive(AdminDatabase& database);

}  // namespace dba
