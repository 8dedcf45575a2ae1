// CheckArchive over the example archive, clean, then with one of each fault.
#include "data/archive_check.h"

#include <gtest/gtest.h>

#include "support/archive_fixture.h"

namespace {

using dba::ArchiveFault;

TEST(ArchiveCheck, TheExampleArchiveIsClean) {
  const dba::ArchiveCheck check = dba::CheckArchive(*testsupport::ExampleArchive());
  EXPECT_EQ(check.payslips, 2);
  EXPECT_EQ(check.indexRecords, 3);
  for (const auto& p : check.problems) ADD_FAILURE() << p.text;
}

TEST(ArchiveCheck, FindsOneOfEachFaultPayslipsFirst) {
  const dba::ArchiveCheck check = dba::CheckArchive(*testsupport::ArchiveWith(
      testsupport::ExampleRecords() + testsupport::SupportFile("archive_faults.jsonl")));
  const std::vector<std::pair<ArchiveFault, std::string>> expected = {
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
}

TEST(ArchiveCheck, AMandatairePayslipNeedsBothIndexes) {
  // The care recipient's index of 2003 without the March payslip: found by caregiver only.
  const dba::ArchiveCheck check = dba::CheckArchive(*testsupport::ArchiveWith(
      testsupport::ExampleRecords() +
      R"({"file": "AIDESARCHIVEBULL", "key": "001012003", "attributes": [[""]]})"));
  ASSERT_EQ(check.problems.size(), 1u);
  EXPECT_EQ(check.problems[0].text,
            "payslip 0001200120030300101: not listed by AIDESARCHIVEBULL 001012003");
}

}  // namespace
