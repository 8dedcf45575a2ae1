// CheckArchive over the example archive (clean: see the apps tests) with one of each fault.
#include "data/tools/archive_check.h"

#include <gtest/gtest.h>

#include "support/archive_fixture.h"

namespace {

using dba::ArchiveFault;

TEST(ArchiveCheck, FindsOneOfEachFaultPayslipsFirst) {
  const dba::ArchiveCheck check = dba::CheckArchive(*testsupport::ArchiveWith(
      testsupport::ExampleRecords() + testsupport::SupportFile("archive_faults.jsonl")));
  const std::vector<std::pair<ArchiveFault, std::string>> expected = {
      // A mandataire payslip needs its care recipient's index too.
      {ArchiveFault::kNotIndexed,
       "payslip 0001200120030300101: not listed by AIDESARCHIVEBULL 001012003"},
      {ArchiveFault::kNotIndexed,
       "payslip 00012002201905A01: not listed by AIDANTSARCHIVEBULL 000122019"},
      {ArchiveFault::kNoEndMarker, "payslip 00012002201906A01: no end-of-body marker \"#6\""},
      {ArchiveFault::kNoAssociation, "payslip 00012002201908A09: no ASSOCIATION record A09"},
      {ArchiveFault::kNoContract, "payslip 00012003201907A01: no CONTRAT record 00012003"},
      {ArchiveFault::kDanglingIndex,
       "AIDANTSARCHIVEBULL 000122020, month 1: no payslip 00012002202001A01"},
      {ArchiveFault::kNoCivilRecord,
       "AIDESARCHIVEBULL 002022003: care recipient 00202 has no CIVILAIDE record"},
  };
  std::vector<std::pair<ArchiveFault, std::string>> found;
  for (const auto& p : check.problems) found.emplace_back(p.fault, p.text);
  EXPECT_EQ(found, expected);
  EXPECT_EQ(check.payslips, 6);
  EXPECT_EQ(check.indexRecords, 5);
}

}  // namespace
