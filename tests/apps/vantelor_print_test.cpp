// vantelor-print driven as a user would: its command line, its exit status, the PDF it
// writes, and what it leaves in the database (no request record, one log record a request,
// refusals included), read back with vantelor-db log.
#include "apps/tool_run.h"
#include "data/archive_files.h"
#include "data/json_lines.h"
#include "data/sqlite_store.h"
#include "state/procedure.h"
#include "support/archive_fixture.h"
#include "support/fake_database.h"
#include "support/pdf_reader.h"
#include "text/text.h"

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
  // The rights of the login running the tests: `codes`, one a value.
  void LoginMaySee(const std::string& codes) const {
    auto db = dba::OpenSqliteDatabase(Path("t.db"), dba::OpenMode::kExisting);
    dba::ImportJsonLines(*db, R"({"file": "DROITS", "key": ")" + login_ +
                                  R"(*PALIMOR", "attributes": [[")" + codes + R"("]]})");
  }
  // Runs vantelor-print on the test database, the PDF going to out.pdf.
  Outcome Print(const std::string& arguments) const {
    fs::remove(Path("out.pdf"));
    return Run("VANTELOR_PRINTER= ", "vantelor-print",
               "--db " + Path("t.db") + " --out " + Path("out.pdf") + " " + arguments);
  }
  // vantelor-db log's lines without its heading, each cut to the columns before the keys.
  std::vector<std::string> Log(const std::string& arguments = "") const {
    const Outcome o = Run("", "vantelor-db", "--db " + Path("t.db") + " log " + arguments);
    EXPECT_EQ(o.status, 0) << o.err;
    std::vector<std::string> lines;
    std::istringstream in(o.out);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "time\tuser\tlogin\toutcome\tdestination\tpayslips");
    while (std::getline(in, line)) lines.push_back(line.substr(line.find('\t') + 1));
    return lines;
  }
  int Count(std::string_view file) const {
    return testsupport::Count(*dba::OpenSqliteDatabase(Path("t.db"), dba::OpenMode::kExisting),
                              file);
  }
  const std::string login_ = text::Upper(vantelor::Lire_NomUtilisateur());
};

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

// --user is believed only from a login whose own rights allow everyone; the log then names
// both, and vantelor-db log finds the request under either name.
TEST_F(VantelorPrintTest, AnotherUsersRightsOnlyForAManager) {
  LoginMaySee("S01");
  Outcome o = Print(std::string("--user clerk ") + kMarch2003);
  EXPECT_EQ(o.status, 1);
  EXPECT_NE(o.err.find("ne peut pas agir avec les droits de clerk"), std::string::npos) << o.err;
  LoginMaySee("*");
  o = Print(std::string("--user clerk ") + kMarch2003);
  ASSERT_EQ(o.status, 0) << o.err;
  const std::string line = "CLERK\t" + login_ + "\timprimé\t" + Path("out.pdf") + "\t" + kMarch2003;
  EXPECT_EQ(Log("--user clerk"), std::vector<std::string>{line});
  EXPECT_EQ(Log("--user " + login_), std::vector<std::string>{line});
  EXPECT_EQ(Log("--from 2999-01-01"), std::vector<std::string>{});
  EXPECT_EQ(Log("--user nobody"), std::vector<std::string>{});
}

// A refusal prints nothing, names no payslip, says the same whether the person has
// payslips or not, and is logged with its reason; a wrong command line says how to use
// the tool.
TEST_F(VantelorPrintTest, RefusalsAndWrongCommandLinesPrintNothing) {
  LoginMaySee("*");
  const std::string refused = "nothing printed: this request holds no payslip that ";
  const struct {
    std::string arguments, message;
    int status;
  } cases[] = {
      {"--user CLERK --caregiver 00012 --from 200401 --to 201812", refused + "CLERK may", 1},
      {"--user OTHER --caregiver 00012 --from 200301 --to 201912", refused + "OTHER may", 1},
      {std::string("--user OTHER ") + kMarch2003, refused + "OTHER may", 1},
      {"--user CLERK", "usage: vantelor-print", 2},
      {"--caregiver 12 --from 200301", "usage: vantelor-print", 2},
      {"--caregiver 12 --from 200313 --to 200401", "usage: vantelor-print", 2},
      {"--caregiver 12 --from 200305 --to 200301", "usage: vantelor-print", 2},
      {"--caregiver 12 --from 200301 --to 200312 0001200120030300101", "usage: vantelor-print", 2},
      {"--colour red 0001200120030300101", "usage: vantelor-print", 2},
  };
  for (const auto& c : cases) {
    const Outcome o = Print(c.arguments);
    EXPECT_EQ(o.status, c.status) << c.arguments;
    EXPECT_NE(o.err.find(c.message), std::string::npos) << c.arguments << ": " << o.err;
    EXPECT_EQ(o.err.find("00012"), std::string::npos) << c.arguments << ": " << o.err;
    EXPECT_FALSE(fs::exists(Path("out.pdf"))) << c.arguments;
  }
  const std::vector<std::string> log = Log();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0], "CLERK\t" + login_ + "\trefusé : aucun bulletin dans la demande\t\t");
  EXPECT_EQ(log[1].substr(0, log[1].rfind('\t')),
            "OTHER\t" + login_ + "\trefusé : OTHER ne peut pas voir 2 des 2 bulletins demandés\t");
  fs::remove(Path("t.db"));
  EXPECT_EQ(Print(kMarch2003).status, 1);
  EXPECT_FALSE(fs::exists(Path("t.db"))) << "no database made by the attempt";
}

}  // namespace
