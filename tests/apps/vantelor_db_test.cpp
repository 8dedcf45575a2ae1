// vantelor-db driven as a user would: through its command line, its output and its
// exit status.
#include <algorithm>

#include "apps/tool_run.h"
#include "support/archive_fixture.h"

namespace {

using apps_test::Outcome;

class VantelorDbTest : public apps_test::ToolTest {
 protected:
  Outcome Db(const std::string& arguments) const {
    return Run("", "vantelor-db", "--db " + Path("t.db") + " " + arguments);
  }
  void Write(const char* name, const std::string& text) const { std::ofstream(Path(name)) << text; }
};

const std::string kCivil =
    R"({"file": "CIVILAIDANT", "key": "00012", "attributes": [["Mme"], ["Dupont"], ["Marie"]]})"
    "\n";

TEST_F(VantelorDbTest, InitImportSelectReadExportSeed) {
  ASSERT_EQ(Db("init").status, 0);
  Write("in.jsonl",
        kCivil + R"({"file": "AIDANTSARCHIVEBULL", "key": "000122003", "attributes": [["K1"]]})");
  const Outcome imported = Db("import " + Path("in.jsonl"));
  ASSERT_EQ(imported.status, 0) << imported.err;
  EXPECT_EQ(imported.out, "2 records imported from " + Path("in.jsonl") + ".\n");
  EXPECT_EQ(Db("select 'SSELECT AIDANTSARCHIVEBULL AVEC NomPrenomAidantArchBull = \"D]\"'").out,
            "000122003\n");
  EXPECT_EQ(Db("read CIVILAIDANT 00012").out, kCivil);
  EXPECT_EQ(Db("export CIVILAIDANT").out, kCivil);
  Write("latin1.jsonl",
        "{\"file\": \"CIVILAIDE\", \"key\": \"1\", \"attributes\": [[\"L\xC9ON\"]]}\n");
  ASSERT_EQ(Db("import " + Path("latin1.jsonl") + " --latin1").status, 0);
  EXPECT_NE(Db("read CIVILAIDE 1").out.find("LÉON"), std::string::npos);
  const Outcome seeded = Db("seed-demo --seed 3");
  EXPECT_NE(seeded.out.find("42 caregivers, 120 care recipients"), std::string::npos) << seeded.err;
}

TEST_F(VantelorDbTest, ErrorsGoToStderrWithAStatus) {
  const struct {
    std::string arguments;
    int status;
    std::string message;
  } cases[] = {
      {"files", 1, "no such file"},  // before init: no database is made
      {"init", 0, ""},
      {"import " + Path("bad.jsonl"), 1, "line 2: no \"attributes\""},
      {"read CIVILAIDANT 99999", 1, "no record 99999 in file CIVILAIDANT"},
      {"read NOFILE 1", 1, "no file named NOFILE"},
      {"select 'SSELECT CIVILAIDANT AVEC 2 = \"X'", 1, "unterminated quote"},
      {"import " + Path("missing.jsonl"), 1, "cannot read"},
      {"export NOFILE", 1, "no file named NOFILE"},
  };
  Write("bad.jsonl", kCivil + "{\"file\": \"CIVILAIDANT\", \"key\": \"1\"}\n");
  for (const auto& c : cases) {
    const Outcome run = Db(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.arguments << ": " << run.err;
  }
  EXPECT_EQ(Db("export CIVILAIDANT").out, "") << "the bad import wrote nothing";
  EXPECT_EQ(Db("seed-demo").status, 0);
  EXPECT_EQ(Db("seed-demo").status, 1) << "seeded once";
}

// check: one line per fault, then their count, exit 1 (a clean archive: the command-line test).
TEST_F(VantelorDbTest, CheckListsTheFaultsOfAHandMadeArchive) {
  Write("in.jsonl",
        testsupport::ExampleRecords() + testsupport::SupportFile("archive_faults.jsonl"));
  ASSERT_EQ(Db("init").status, 0);
  ASSERT_EQ(Db("import " + Path("in.jsonl")).status, 0);
  const Outcome checked = Db("check");
  EXPECT_EQ(checked.status, 1);
  EXPECT_EQ(std::count(checked.out.begin(), checked.out.end(), '\n'), 8) << checked.out;
  EXPECT_NE(checked.out.find("\n6 payslips, 5 index records: 7 faults.\n"), std::string::npos);
}

}  // namespace
