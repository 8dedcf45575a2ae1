// The print log's final update under a server that refuses it: refused twice, then taken,
// the request is logged as printed; refused every time, the payslips still count as printed
// (exit status 0) and vantelor-print says the log could not record it. The refusals come
// from a trigger that counts them in a sequence, which no rollback undoes.
#include "apps/tool_run.h"
#include "data/store/store_fixture.h"
#include "printing/print_log.h"
#include "state/procedure.h"
#include "support/archive_fixture.h"
#include "text/text.h"

namespace {

using apps_test::Outcome;

class PrintLogRetryTest : public apps_test::ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    name_ = server_.NewDatabaseName();
    testsupport::NewExampleDatabase(name_, R"({"file": "DROITS", "key": ")" +
                                               text::Upper(vantelor::Lire_NomUtilisateur()) +
                                               R"(*PALIMOR", "attributes": [["S01"]]})");
    schema_ = server_.schemas.back();
  }
  // Makes the server refuse the first `refusals` updates of the print log.
  void RefuseLogUpdates(int refusals) {
    storetest::ServerSql("CREATE SEQUENCE " + schema_ + ".refused; CREATE FUNCTION " + schema_ +
                         ".refuse() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN IF nextval('" +
                         schema_ + ".refused') <= " + std::to_string(refusals) +
                         " THEN RAISE EXCEPTION 'refused for the test'; END IF; RETURN NEW; END "
                         "$$; CREATE TRIGGER refuse BEFORE UPDATE ON " +
                         schema_ + ".\"IMPRESSIONS\" FOR EACH ROW EXECUTE FUNCTION " + schema_ +
                         ".refuse()");
  }
  Outcome Print() const {
    return Run("VANTELOR_PRINTER= ", "vantelor-print",
               "--db '" + name_ + "' --out " + Path("out.pdf") + " 0001200120030300101");
  }
  std::string Outcome1() const {
    return printing::ReadPrintLog(*dba::OpenNamedDatabase(name_, dba::OpenMode::kExisting))
        .at(0)
        .outcome;
  }

  storetest::PostgresStore server_;
  std::string name_, schema_;
};

TEST_F(PrintLogRetryTest, RefusedTwiceThenTakenTheRequestIsLoggedAsPrinted) {
  RefuseLogUpdates(2);
  const Outcome o = Print();
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.err.find("print log"), std::string::npos) << o.err;
  EXPECT_EQ(Outcome1(), "imprimé");
}

TEST_F(PrintLogRetryTest, RefusedEveryTimeThePrintStillCountsAsPrinted) {
  RefuseLogUpdates(1000);
  const Outcome o = Print();
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_NE(o.err.find("printed, but the print log could not record it"), std::string::npos)
      << o.err;
  EXPECT_EQ(Outcome1(), "en cours");
  EXPECT_TRUE(std::filesystem::exists(Path("out.pdf")));
}

}  // namespace
