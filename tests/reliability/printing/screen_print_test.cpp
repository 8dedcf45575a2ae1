// Screen prints (Edition in the viewer, through its print window) as several clerks make
// them: at once into one folder, into a shared folder where another user planted links
// named like the next PDFs, and into a folder that cannot take them. Each run is the
// end-to-end host on the headless desktop, on a copy of the demo archive.
#include <set>

#include "apps/tool_run.h"
#include "data/store/open_database.h"
#include "printing/print_log.h"
#include "support/pdf_reader.h"

namespace {

namespace fs = std::filesystem;
using apps_test::Outcome;

// The newest payslip of DUFOUR Chloé in the viewer; STEPS then run there.
std::string EditionScript(const std::string& steps) {
  return "type Txt_CodeAidant 00012\nclick Cmd_Recherche\nchoose Cbo_DebutPeriode 6\n"
         "choose Cbo_DebutAn 0\nchoose Cbo_FinPeriode 8\nchoose Cbo_FinAn 0\nclick Cmd_Lister\n"
         "dblclick Lst_Periode 0\nclick Cmd_Edition\n" +
         steps +
         "expect-window Frm_VisualisationBulletin\n"
         "expect Frm_VisualisationBulletin Enabled true\nclick Cmd_Retour\n";
}
const std::string kPrint = EditionScript(
    "expect-window Frm_Impression\nclick Cmd_Imprimer\n"
    "expect-window Frm_ResultatImpression\nclick Cmd_Fermer\n");
const char* const kPdf = "DUFOUR Chloé 2020-09";

class ScreenPrintTest : public apps_test::ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    fs::copy_file(VANTELOR_E2E_SEED, Path("demo.db"));
  }
  // The command that runs `script` in the host, printing into `folder`.
  std::string Host(const std::string& script, const fs::path& folder) const {
    std::ofstream(Path("edition.script")) << script;
    return "VANTELOR_PRINT_DIR='" + folder.string() + "' XDG_CONFIG_HOME='" + Path("config") +
           "' " + std::string(VANTELOR_TEST_BUILD_DIR) + "/tests/e2e/e2e-headless " +
           Path("demo.db") + " demo " + Path("edition.script");
  }
  std::vector<printing::PrintLogRecord> Log() const {
    return printing::ReadPrintLog(
        *dba::OpenNamedDatabase(Path("demo.db"), dba::OpenMode::kExisting));
  }
};

// Four clerks print the same payslip at the same moment: four files, none overwritten,
// four requests logged as printed, each with its own file.
TEST_F(ScreenPrintTest, PrintsAtOnceIntoOneFolderNeverCollide) {
  const fs::path prints = Path("prints");
  std::string all;
  for (int i = 1; i <= 4; ++i)
    all += "(" + Host(kPrint, prints) + " >" + Path("run") + std::to_string(i) + " 2>&1 || echo " +
           std::to_string(i) + " >>" + Path("failed") + ") & ";
  ASSERT_EQ(std::system((all + "wait").c_str()), 0);
  ASSERT_FALSE(fs::exists(Path("failed"))) << testsupport::RunCommand("cat " + Path("run") + "*");
  std::set<std::string> files, logged;
  for (const auto& f : fs::directory_iterator(prints)) {
    files.insert(f.path().filename().string());
    EXPECT_EQ(testsupport::PdfPages(f.path()), 1) << f.path();
    EXPECT_EQ(Mode(f.path()), 0600u) << f.path();
  }
  EXPECT_EQ(files, (std::set<std::string>{
                       std::string(kPdf) + ".pdf", std::string(kPdf) + " (2).pdf",
                       std::string(kPdf) + " (3).pdf", std::string(kPdf) + " (4).pdf"}));
  EXPECT_EQ(Mode(prints), 0700u) << "a folder made for the payslips is the clerk's alone";
  for (const printing::PrintLogRecord& r : Log()) {
    EXPECT_EQ(r.outcome + " " + r.user, "imprimé DEMO");
    logged.insert(fs::path(r.destination).filename().string());
  }
  EXPECT_EQ(logged, files);
}

// Another user planted links named like the next PDFs in a shared folder: the payslip goes
// to the next free name, never where a link points; the shared folder keeps its mode.
TEST_F(ScreenPrintTest, LinksPlantedInASharedFolderAreNeverFollowed) {
  const fs::path shared = Path("shared");
  fs::create_directories(shared);
  fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
  std::ofstream(Path("victim")) << "keep";
  fs::create_symlink(Path("victim"), shared / (std::string(kPdf) + ".pdf"));
  fs::create_symlink(Path("absent"), shared / (std::string(kPdf) + " (2).pdf"));
  const Outcome o = RunCommand(Host(kPrint, shared));
  ASSERT_EQ(o.status, 0) << o.out << o.err;
  EXPECT_EQ(testsupport::PdfPages(shared / (std::string(kPdf) + " (3).pdf")), 1);
  EXPECT_EQ(Slurp("victim"), "keep");
  EXPECT_FALSE(fs::exists(Path("absent")));
  EXPECT_EQ(Mode(shared), 01777u);
}

// A print folder that cannot take the PDF: the print control says so in French, the
// request is logged as failed, and the viewer is usable again.
TEST_F(ScreenPrintTest, AFailingEditionIsToldInFrenchAndLogged) {
  std::ofstream(Path("blocked")) << "a file where the folder should be";
  const std::string message = "Le dossier " + Path("blocked") +
                              " ne peut pas recevoir les bulletins : ce n'est pas un dossier.";
  const Outcome o = RunCommand(Host(EditionScript("answer ok\nclick Cmd_Imprimer\nexpect-message " +
                                                  message + "\nexpect Screen MousePointer 0\n"),
                                    Path("blocked")));
  ASSERT_EQ(o.status, 0) << o.out << o.err;
  const std::vector<printing::PrintLogRecord> log = Log();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].outcome, "échec : " + message);
}

}  // namespace
