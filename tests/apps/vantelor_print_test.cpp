// vantelor-print driven as a user would: its command line, its exit status, the PDF it
// writes, and what it leaves in the database (no request record, one log record a request),
// read back with vantelor-db log. Users, refusals and --out: tests/reliability/printing.
#include "apps/print_tool.h"

namespace {

namespace fs = std::filesystem;
using apps_test::kApril2019;
using apps_test::kMarch2003;
using apps_test::Outcome;
using apps_test::VantelorPrintTest;

TEST_F(VantelorPrintTest, PrintsTheGivenKeysOrACaregiversPeriodAndLogsTheRequest) {
  LoginMaySee("S01");
  Outcome o = Print(std::string(kApril2019) + " " + kMarch2003);
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(testsupport::PdfPages(Path("out.pdf")), 2);
  EXPECT_NE(testsupport::PdfText(Path("out.pdf"), 1).find("01/04/2019"), std::string::npos);
  EXPECT_NE(o.out.find("2 payslip(s), 2 page(s)"), std::string::npos) << o.out;
  EXPECT_EQ(Count("TEMPO"), 0);
  o = Print("--user " + text::Trim(login_) +
            " --preprinted --caregiver 12 --from 200303 --to 201912");
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(testsupport::PdfPages(Path("out.pdf")), 2);
  EXPECT_EQ(testsupport::PdfText(Path("out.pdf")).find("NET A PAYER :"), std::string::npos);
  // A missing payslip gets its page, and the exit status tells it.
  o = Print(std::string(kMarch2003) + " 0001200120039900101");
  EXPECT_EQ(o.status, 3) << o.err;
  EXPECT_NE(testsupport::PdfText(Path("out.pdf"), 2).find("n'existe pas"), std::string::npos);
  const std::string line = login_ + "\t" + login_ + "\timprimé\t" + Path("out.pdf") + "\t";
  EXPECT_EQ(Log(), (std::vector<std::string>{line + kApril2019 + " " + kMarch2003,
                                             line + kMarch2003 + " " + kApril2019,
                                             line + kMarch2003 + " 0001200120039900101"}));
}

}  // namespace
