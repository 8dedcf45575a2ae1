// vantelor-print driven as a user would: its command line, its exit status, the PDF it
// writes, and what it leaves in the database (no request record, one log record).
#include "apps/tool_run.h"
#include "data/archive_files.h"
#include "data/json_lines.h"
#include "data/sqlite_store.h"
#include "support/archive_fixture.h"
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
    dba::ImportJsonLines(*db, testsupport::ExampleRecords());
    // CLERK sees sector S01 (the example caregiver); OTHER sees another sector only.
    dba::ImportJsonLines(*db, R"({"file": "DROITS", "key": "CLERK*PALIMOR", "attributes": [["S01"]]}
{"file": "DROITS", "key": "OTHER*PALIMOR", "attributes": [["S09"]]})");
  }
  // Runs vantelor-print on the test database, the PDF going to out.pdf.
  Outcome Print(const std::string& arguments) const {
    return Run("VANTELOR_PRINTER= ", "vantelor-print",
               "--db " + Path("t.db") + " --out " + Path("out.pdf") + " " + arguments);
  }
  long long Count(std::string_view file) const {
    return dba::OpenSqliteDatabase(Path("t.db"), dba::OpenMode::kExisting)->RecordCount(file);
  }
};

TEST_F(VantelorPrintTest, PrintsTheGivenKeysInOrderAndLogsTheRequest) {
  const Outcome o = Print(std::string("--user clerk ") + kApril2019 + " " + kMarch2003);
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(testsupport::PdfPages(Path("out.pdf")), 2);
  EXPECT_NE(testsupport::PdfText(Path("out.pdf"), 1).find("01/04/2019"), std::string::npos);
  EXPECT_NE(testsupport::PdfText(Path("out.pdf"), 2).find("01/03/2003"), std::string::npos);
  EXPECT_NE(o.out.find("2 payslip(s), 2 page(s)"), std::string::npos) << o.out;
  EXPECT_EQ(Count("TEMPO"), 0);
  EXPECT_EQ(Count("IMPRESSIONS"), 1);
}

TEST_F(VantelorPrintTest, PrintsACaregiversPeriodFromItsIndex) {
  struct Case {
    const char* range;
    int pages;
  };
  for (const Case c : {Case{"--from 200301 --to 201912", 2}, Case{"--from 200303 --to 200303", 1},
                       Case{"--preprinted --from 201901 --to 201912", 1}}) {
    SCOPED_TRACE(c.range);
    const Outcome o = Print(std::string("--user CLERK --caregiver 12 ") + c.range);
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(testsupport::PdfPages(Path("out.pdf")), c.pages);
    const bool preprinted = std::string(c.range).starts_with("--preprinted");
    EXPECT_EQ(testsupport::PdfText(Path("out.pdf")).find("NET A PAYER :") == std::string::npos,
              preprinted);
  }
}

// Refusals print nothing and log nothing.
TEST_F(VantelorPrintTest, RefusalsSaySoAndPrintNothing) {
  const std::string mayNot =
      std::string("may not see 1 of these payslips; nothing printed: ") + kMarch2003;
  const struct {
    std::string arguments, message;
  } cases[] = {
      {"--user CLERK --caregiver 00012 --from 200401 --to 201812", "no payslip of 00012"},
      {std::string("--user OTHER ") + kMarch2003, mayNot},
      {std::string("--user NOBODY ") + kMarch2003, mayNot},
  };
  for (const auto& c : cases) {
    const Outcome o = Print(c.arguments);
    EXPECT_EQ(o.status, 1) << c.arguments;
    EXPECT_NE(o.err.find(c.message), std::string::npos) << c.arguments << ": " << o.err;
    EXPECT_FALSE(fs::exists(Path("out.pdf"))) << c.arguments;
  }
  EXPECT_EQ(Count("IMPRESSIONS"), 0);
}

TEST_F(VantelorPrintTest, AMissingPayslipGetsItsPageAndTheExitStatusTellsIt) {
  const Outcome o = Print(std::string("--user CLERK ") + kMarch2003 + " 0001200120039900101");
  EXPECT_EQ(o.status, 3) << o.err;
  EXPECT_EQ(testsupport::PdfPages(Path("out.pdf")), 2);
  EXPECT_NE(testsupport::PdfText(Path("out.pdf"), 2).find("n'existe pas"), std::string::npos);
}

TEST_F(VantelorPrintTest, AWrongCommandLineIsExplainedWithStatusTwo) {
  for (const char* args :
       {"--user CLERK", "--caregiver 12 --from 200301", "--caregiver 12 --from 200313 --to 200401",
        "--caregiver 12 --from 200305 --to 200301 ",
        "--caregiver 12 --from 200301 --to 200312 0001200120030300101",
        "--colour red 0001200120030300101"}) {
    SCOPED_TRACE(args);
    const Outcome o = Print(args);
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.err.find("usage: vantelor-print"), std::string::npos) << o.err;
  }
}

TEST_F(VantelorPrintTest, ADatabaseThatIsNotThereIsAClearError) {
  fs::remove(Path("t.db"));
  const Outcome o = Print(kMarch2003);
  EXPECT_EQ(o.status, 1);
  EXPECT_NE(o.err.find("vantelor-print: "), std::string::npos);
  EXPECT_FALSE(fs::exists(Path("t.db"))) << "no database made by the attempt";
}

}  // namespace
