// Whose rights a print uses, and what a refusal says: --user believed only from a manager
// (vantelor-print and vantelor-host), the demo's rights given to the login that seeds it,
// refusals logged with their reason and telling nothing about the person's payslips.
#include "apps/print_tool.h"

namespace {

using apps_test::kMarch2003;
using apps_test::Outcome;
using apps_test::VantelorPrintTest;
namespace fs = std::filesystem;

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
      {"--user CLERK", "vantelor-print --help tells how", 2},
      {"--caregiver 12 --from 200301", "vantelor-print --help tells how", 2},
      {"--caregiver 12 --from 200313 --to 200401", "vantelor-print --help tells how", 2},
      {"--caregiver 12 --from 200305 --to 200301", "vantelor-print --help tells how", 2},
      {"--caregiver 12 --from 200301 --to 200312 0001200120030300101", "vantelor-print --help tells how", 2},
      {"--colour red 0001200120030300101", "vantelor-print --help tells how", 2},
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

// vantelor-host believes --user as vantelor-print does, and says so in French before
// anything shows; seed-demo gives the login the demo user's rights, so the demo needs none.
TEST_F(VantelorPrintTest, TheHostBelievesUserOnlyFromAManagerAndTheDemoNeedsNone) {
  LoginMaySee("S01");
  const std::string host = "-platform offscreen --db " + Path("t.db") + " --script " +
                           std::string(VANTELOR_TEST_SOURCE_DIR) +
                           "/tests/e2e/code_shows_name.script --user ";
  Outcome o = Run("", "vantelor-host", host + "clerk");
  EXPECT_EQ(o.status, 1);
  EXPECT_NE(o.err.find("ne peut pas agir avec les droits de clerk"), std::string::npos) << o.err;
  EXPECT_EQ(Run("", "vantelor-host", host + text::Trim(login_)).status, 1)
      << "accepted: the script then runs (and stops: this archive is not the demo's)";
  ASSERT_EQ(Run("", "vantelor-db", "--db " + Path("demo.db") + " init").status, 0);
  ASSERT_EQ(Run("", "vantelor-db", "--db " + Path("demo.db") + " seed-demo").status, 0);
  const Outcome rights = Run("", "vantelor-db", "--db " + Path("demo.db") + " export DROITS");
  const std::string demo = R"("attributes": [["S01", "S02"]]})";
  EXPECT_NE(rights.out.find(R"({"file": "DROITS", "key": ")" + login_ + R"(*PALIMOR", )" + demo),
            std::string::npos)
      << rights.out;
}

}  // namespace
