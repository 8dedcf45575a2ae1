// vantelor-host's start-up failures: a database it cannot open, one that is no archive, a
// user without rights, a missing help file. Each is told in French (a message box titled
// as the screens' messages on X, stderr with a script) and ends the run with status 1,
// the host window never shown.
#include <filesystem>

#include "apps/tool_run.h"
#include "data/store/open_database.h"
#include "state/procedure.h"
#include "support/archive_fixture.h"
#include "text/text.h"

namespace {

namespace fs = std::filesystem;
using apps_test::Outcome;

class VantelorHostTest : public apps_test::ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    // The login may see S01 in t.db, nobody in strangers.db.
    testsupport::NewExampleDatabase(Path("strangers.db"));
    testsupport::NewExampleDatabase(Path("t.db"))->Write("DROITS", login_ + "*PALIMOR", "S01");
    // An archive without its files: Init cannot open them.
    auto partial = dba::OpenNamedDatabase(Path("partial.db"), dba::OpenMode::kCreate);
    partial->CreateFile("DROITS");
    partial->Write("DROITS", login_ + "*PALIMOR", "S01");
    std::ofstream(Path("notes.db")) << "not a database\n";
    // The program alone, without the help file the build puts beside it.
    fs::create_directories(Path("bin"));
    fs::copy_file(ToolPath("vantelor-host"), Path("bin/vantelor-host"));
  }
  const std::string login_ = text::Upper(vantelor::Lire_NomUtilisateur());
  static std::string Script() { return testsupport::SourceDir() + "/tests/e2e/listing.script"; }
};

TEST_F(VantelorHostTest, AStartUpThatFailsSaysWhyAndShowsNoWindow) {
  const struct {
    std::string host, arguments, message;
  } cases[] = {
      {"", "--db " + Path("none.db"),
       "La base de données " + Path("none.db") +
           " ne peut pas être ouverte. (cannot open database"},
      {"", "--db " + Path("notes.db"),
       "La base de données " + Path("notes.db") + " ne peut pas être ouverte."},
      {"", "--db " + Path("strangers.db"),
       "L'utilisateur " + vantelor::Lire_NomUtilisateur() +
           " n'a aucun droit sur les bulletins archivés."},
      {"", "--db " + Path("partial.db"),
       "L'archive de la base de données " + Path("partial.db") + " ne peut pas être ouverte."},
      {Path("bin/vantelor-host"), "--db " + Path("t.db"),
       "Le fichier d'aide Vantelor.HLP est introuvable."},
  };
  const std::string xvfb = testsupport::SourceDir() + "/tests/e2e/driver/with_xvfb.sh ";
  const std::string onX = testsupport::SourceDir() + "/tests/apps/startup_failure.sh ";
  for (const auto& c : cases) {
    const std::string host = c.host.empty() ? ToolPath("vantelor-host") : c.host;
    const std::string& arguments = c.arguments;
    const Outcome scripted =
        RunCommand(host + " -platform offscreen " + arguments + " --script " + Script());
    EXPECT_EQ(scripted.status, 1) << c.arguments << scripted.err;
    EXPECT_NE(scripted.err.find("vantelor-host: " + c.message), std::string::npos)
        << c.arguments << ": " << scripted.err;
    EXPECT_EQ(scripted.out.find("W_Sortir"), std::string::npos) << "no window: " << scripted.out;

    const Outcome shown = RunCommand("env -u QT_QPA_PLATFORM " + xvfb + onX + Path("x") + " " +
                                     host + " -platform xcb " + arguments);
    EXPECT_EQ(Slurp("x"), "box: Message KALVENOR\nwindows: 1\nmain window: no\nstatus: 1\n")
        << c.arguments << shown.err;
    EXPECT_NE(Slurp("x.err").find("vantelor-host: " + c.message), std::string::npos)
        << c.arguments << ": " << Slurp("x.err");
  }
}

}  // namespace
