// vantelor-print driven as a user would: its command line, its exit status, the PDF it
// writes, and what it leaves in the database (no request record, one log record).
#include "apps/tool_run.h"
#include "data/archive_files.h"
#include "data/json_lines.h"
#include "data/sqlite_store.h"
#include "support/archive_fixture.h"
#include "support/fake_database.h"
#include "support/pdf_reader.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kMarch2003 = "0001200120030300101";
constexpr const char* kApril2019 = "00012002201904A01";

using apps_test::Outcome;

class VantelorPrintTest : public apps_test::ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    auto db = dba::OpenSqliteDatabase(Path("t.db"));
    dba::CreateArchiveFiles(*db);
    // CLERK sees sector S01 (the example caregiver); OTHER sees another sector only.
    dba::ImportJsonLines(*db, testsupport::ExampleRecords() + R"(
{"file": "DROITS", "key": "CLERK*PALIMOR", "attributes": [["S01"]]}
{"file": "DROITS", "key": "OTHER*PALIMOR", "attributes": [["S09"]]})");
  }
  // Runs vantelor-print on the test database, the PDF going to out.pdf.
  Outcome Print(const std::string& arguments) const {
    return Run("VANTELOR_PRINTER= ", "vantelor-print",
               "--db " + Path("t.db") + " --out " + Path("out.pdf") + " " + arguments);
  }
  int Count(std::string_view file) const {
    return testsupport::Count(*dba::OpenSqliteDatabase(Path("t.db"), dba::OpenMode::kExisting),
                              file);
  }
};

TEST_F(VantelorPrintTest, PrintsTheGivenKeysOrACaregiversPeriodAndLogsTheRequest) {
  Outcome o = Print(std::string("--user clerk ") + kApril2019 + " " + kMarch2003);
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(testsupport::PdfPages(Path("out.pdf")), 2);
  EXPECT_NE(testsupport::PdfText(Path("out.pdf"), 1).find("01/04/2019"), std::string::npos);
  EXPECT_NE(o.out.find("2 payslip(s), 2 page(s)"), std::string::npos) << o.out;
  EXPECT_EQ(Count("TEMPO"), 0);
  EXPECT_EQ(Count("IMPRESSIONS"), 1);
  o = Print("--user CLERK --preprinted --caregiver 12 --from 200303 --to 201912");
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(testsupport::PdfPages(Path("out.pdf")), 2);
  EXPECT_EQ(testsupport::PdfText(Path("out.pdf")).find("NET A PAYER :"), std::string::npos);
  // A missing payslip gets its page, and the exit status tells it.
  o = Print(std::string("--user CLERK ") + kMarch2003 + " 0001200120039900101");
  EXPECT_EQ(o.status, 3) << o.err;
  EXPECT_NE(testsupport::PdfText(Path("out.pdf"), 2).find("n'existe pas"), std::string::npos);
}

// Refusals print nothing and log nothing; a wrong command line says how to use the tool.
TEST_F(VantelorPrintTest, RefusalsAndWrongCommandLinesPrintNothing) {
  const struct {
    std::string arguments, message;
    int status;
  } cases[] = {
      {"--user CLERK --caregiver 00012 --from 200401 --to 201812", "no payslip of 00012", 1},
      {std::string("--user OTHER ") + kMarch2003, "may not see 1 of these payslips", 1},
      {"--user CLERK", "vantelor-print --help tells how", 2},
      {"--caregiver 12 --from 200301", "vantelor-print --help tells how", 2},
      {"--caregiver 12 --from 200313 --to 200401", "vantelor-print --help tells how", 2},
      {"--caregiver 12 --from 200305 --to 200301", "vantelor-print --help tells how", 2},
      {"--caregiver 12 --from 200301 --to 200312 0001200120030300101",
       "vantelor-print --help tells how", 2},
  };
  for (const auto& c : cases) {
    const Outcome o = Print(c.arguments);
    EXPECT_EQ(o.status, c.status) << c.arguments;
    EXPECT_NE(o.err.find(c.message), std::string::npos) << c.arguments << ": " << o.err;
    EXPECT_FALSE(fs::exists(Path("out.pdf"))) << c.arguments;
  }
  EXPECT_EQ(Count("IMPRESSIONS"), 0);
  fs::remove(Path("t.db"));
  EXPECT_EQ(Print(kMarch2003).status, 1);
  EXPECT_FALSE(fs::exists(Path("t.db"))) << "no database made by the attempt";
}

}  // namespace
